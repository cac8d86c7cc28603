// With a backend that types characters itself (as the sdl backend does
// through the system's text input), every character arrives once: printable
// ones from the backend's text, control characters and Alt's system
// characters from TranslateMessage.
#include "platform_fixture.h"
#include "platform/backends/headless/headless_backend.h"

using namespace msglog;
namespace headless = platform::headless;

namespace {

class TypingBackend : public headless::HeadlessBackend {
 public:
  bool typesCharacters() const override { return true; }
};

class TypedCharacters : public PlatformTest {
 protected:
  void SetUp() override {
    platform::installBackend(std::make_unique<TypingBackend>());
    PlatformTest::SetUp();
    shownTopLevel();
  }
  void TearDown() override {
    PlatformTest::TearDown();
    platform::installBackend(std::make_unique<headless::HeadlessBackend>());
  }

  // A key as the backend reports it: down, the text it typed, up.
  void type(UINT virtualKey, const char* text) {
    headless::keyDown(virtualKey);
    if (*text) headless::typeText(text);
    headless::keyUp(virtualKey);
  }
};

TEST_F(TypedCharacters, PrintableKeysComeOnceFromTheText) {
  type('A', "a");
  headless::keyDown(VK_SHIFT);
  type('1', "!");
  headless::keyUp(VK_SHIFT);
  msglog::pump();
  EXPECT_SEQUENCE({WM_KEYDOWN, Posted | WParam, 'A'}, {WM_CHAR, Posted | WParam, 'a'},
                  {WM_KEYUP, Posted | WParam, 'A'}, {WM_KEYDOWN, Posted | WParam, VK_SHIFT},
                  {WM_KEYDOWN, Posted | WParam, '1'}, {WM_CHAR, Posted | WParam, '!'},
                  {WM_KEYUP, Posted | WParam, '1'}, {WM_KEYUP, Posted | WParam, VK_SHIFT});
}

TEST_F(TypedCharacters, ControlCharactersStillComeFromKeys) {
  type(VK_BACK, "");
  type(VK_RETURN, "");
  headless::keyDown(VK_CONTROL);
  type('C', "");
  headless::keyUp(VK_CONTROL);
  msglog::pump();
  EXPECT_SEQUENCE({WM_KEYDOWN, Posted | WParam, VK_BACK}, {WM_CHAR, Posted | WParam, 0x08},
                  {WM_KEYUP, Posted | WParam, VK_BACK}, {WM_KEYDOWN, Posted | WParam, VK_RETURN},
                  {WM_CHAR, Posted | WParam, 0x0D}, {WM_KEYUP, Posted | WParam, VK_RETURN},
                  {WM_KEYDOWN, Posted | WParam, VK_CONTROL}, {WM_KEYDOWN, Posted | WParam, 'C'},
                  {WM_CHAR, Posted | WParam, 0x03}, {WM_KEYUP, Posted | WParam, 'C'},
                  {WM_KEYUP, Posted | WParam, VK_CONTROL});
}

TEST_F(TypedCharacters, AltLettersStillAskForTheMenu) {
  headless::keyDown(VK_MENU);
  type('F', "");
  headless::keyUp(VK_MENU);
  msglog::pump();
  EXPECT_SEQUENCE({WM_SYSKEYDOWN, Posted | WParam, VK_MENU}, {WM_SYSKEYDOWN, Posted | WParam, 'F'},
                  {WM_SYSCHAR, Posted | WParam, 'f'}, {WM_SYSCOMMAND, Sent | WParam | LParam, SC_KEYMENU, 'f'},
                  {WM_SYSKEYUP, Posted | WParam, 'F'}, {WM_SYSKEYUP, Posted | WParam, VK_MENU});
}

}  // namespace
