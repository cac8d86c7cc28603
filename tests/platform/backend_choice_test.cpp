// Choosing the display backend at start-up, and what a program without a
// display says.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/backend.h"
#include "platform/backends/headless/headless.h"
#include "platform/backends/headless/headless_backend.h"

namespace {

void forgetTheDisplay() {
  unsetenv("DISPLAY");
  unsetenv("WAYLAND_DISPLAY");
}

class BackendChoice : public ::testing::Test {
 protected:
  void TearDown() override {
    unsetenv("VELMARO_BACKEND");
    platform::headless::start();
  }
};

TEST_F(BackendChoice, WithoutADisplayTheProgramSaysSoInOneLine) {
  forgetTheDisplay();
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(platform::startBackend("sdl"));
  std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(said.find("no display (DISPLAY is not set)"), std::string::npos) << said;
  EXPECT_NE(said.find("VELMARO_BACKEND=headless"), std::string::npos) << said;
  EXPECT_EQ(said.find('\n'), said.size() - 1) << said;
}

TEST_F(BackendChoice, ADisplayThatIsNotThereIsNamed) {
  forgetTheDisplay();
  setenv("DISPLAY", ":4093", 1);
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(platform::startBackend("sdl"));
  std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(said.find("the display \":4093\" cannot be opened"), std::string::npos) << said;
  EXPECT_EQ(said.find('\n'), said.size() - 1) << said;
}

TEST_F(BackendChoice, TheEnvironmentOverridesTheProgramsChoice) {
  forgetTheDisplay();
  setenv("VELMARO_BACKEND", "headless", 1);
  EXPECT_TRUE(platform::startBackend("sdl"));
  EXPECT_NE(dynamic_cast<platform::headless::HeadlessBackend*>(&platform::backend()), nullptr);
  setenv("VELMARO_BACKEND", "sdl", 1);
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(platform::startBackend("headless"));
  EXPECT_NE(::testing::internal::GetCapturedStderr().find("no display"), std::string::npos);
}

TEST_F(BackendChoice, AnUnknownNameIsRefused) {
  EXPECT_FALSE(platform::useBackend("framebuffer"));
  setenv("VELMARO_BACKEND", "framebuffer", 1);
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(platform::startBackend("headless"));
  EXPECT_NE(::testing::internal::GetCapturedStderr().find("no display backend \"framebuffer\""), std::string::npos);
}

using BackendChoiceDeathTest = BackendChoice;

// A program that never chose, run with VELMARO_BACKEND=sdl and no display,
// ends at its first window instead of running unseen.
TEST_F(BackendChoiceDeathTest, ABackendThatCannotStartEndsTheProgram) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        forgetTheDisplay();
        setenv("VELMARO_BACKEND", "sdl", 1);
        platform::backend();
      },
      ::testing::ExitedWithCode(EXIT_FAILURE), "cannot show its windows: there is no display");
}

}  // namespace
