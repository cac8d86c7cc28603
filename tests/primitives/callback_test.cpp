// Callbacks: function pointers the platform calls with the four window
// procedure arguments, leading into methods; and no page of the process
// both writable and executable.
#include "runtime/externals/callback.h"

#include "primitives_fixture.h"
#include "test_methods.h"
#include "test_system.h"

namespace {

class CallbackTest : public PrimitivesTest {
 protected:
  static WNDPROC entryOf(const char* method) {
    auto made = call("callback", {Text(method), Text("WNDPROC")});
    if (!made.get()) return nullptr;
    return reinterpret_cast<WNDPROC>(ovAs<ovC_pointer>(made.get())->address);
  }
};

HWND handle(uintptr_t n) { return reinterpret_cast<HWND>(n); }

TEST_F(CallbackTest, TheEntryReachesTheMethodWithFourIntegersAndAnswersItsOutput) {
  WNDPROC entry = entryOf("Window Probe");
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(entry(handle(0x10001), WM_COMMAND, 5, -1), LRESULT{WM_COMMAND + 5});
  EXPECT_EQ(gProbeInputs, (std::vector<std::string>{"65537", "273", "5", "-1"}));
  EXPECT_EQ(entry(handle(7), 0x400, 0xFFFF0000u, 0), LRESULT{0x400 - 0x10000});
  EXPECT_EQ(gProbeInputs[2], "-65536");
}

// The inputs as the method saw them: an address too wide for an integer
// arrives as a pointer.
TEST_F(CallbackTest, AMethodThatWritesNoOutputAnswersZeroAndAWideAddressArrivesAsAPointer) {
  WNDPROC entry = entryOf("Silent Probe");
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(entry(handle(1), WM_PAINT, 2, 3), 0);
  EXPECT_EQ(gProbeInputs, (std::vector<std::string>{"1", "15", "2", "3"}));
  EXPECT_EQ(entry(handle(1), WM_CREATE, 0, LPARAM{0x7F0011223344}), 0);
  EXPECT_EQ(gProbeInputs[3], "ABlock@16#7F0011223344");
}

TEST_F(CallbackTest, OneEntryPerMethodAndNoneForAnUnknownName) {
  WNDPROC probe = entryOf("Window Probe");
  EXPECT_EQ(entryOf("Window Probe"), probe);
  EXPECT_NE(entryOf("Silent Probe"), probe);
  EXPECT_EQ(entryOf("No Such Method"), nullptr);
  auto disposed = call<0>("dispose-callback", {Int(0)});
  EXPECT_EQ(disposed.status, ovSuccess);
}

TEST_F(CallbackTest, APlatformWindowProcedureLeadsIntoTheMethod) {
  ASSERT_TRUE(StartTestDisplay());
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = entryOf("Default Window Probe");
  windowClass.lpszClassName = "Callback Test Window";
  ASSERT_NE(RegisterClassA(&windowClass), 0);
  HWND w = CreateWindowExA(0, "Callback Test Window", "made through a method", WS_OVERLAPPEDWINDOW, 0, 0, 100, 80,
                           nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(w, nullptr);
  char title[64] = {};
  GetWindowTextA(w, title, sizeof title);
  EXPECT_STREQ(title, "made through a method");  // WM_NCCREATE's record reached DefWindowProcA intact
  EXPECT_EQ(SendMessageA(w, WM_USER, 0, 0), 1234);
  DestroyWindow(w);
  UnregisterClassA("Callback Test Window", nullptr);
}

// Read after callbacks were made: nothing made code at run time.
TEST_F(CallbackTest, NoPageIsWritableAndExecutableAtOnce) {
  ASSERT_NE(entryOf("Window Probe"), nullptr);
  if (UnderValgrind()) GTEST_SKIP() << "valgrind runs translated code from pages that are writable and executable";
  EXPECT_EQ(WritableExecutableRegions(), std::vector<std::string>{});
}

}  // namespace
