// Accelerator tables: which keys match which entries, what the window hears
// when one does, and the keys VkKeyScanA names for characters.
#include "platform_fixture.h"

using namespace msglog;
namespace headless = platform::headless;

namespace {

constexpr WORD kSave = 100, kQuit = 101, kTab = 102, kBackTab = 103, kMenuItem = 104;

class Accelerators : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    ACCEL entries[] = {{FVIRTKEY | FCONTROL, 'S', kSave},
                       {0, 'q', kQuit},
                       {FVIRTKEY, VK_TAB, kTab},
                       {FVIRTKEY | FSHIFT, VK_TAB, kBackTab},
                       {FVIRTKEY | FALT | FNOINVERT, 'M', kMenuItem}};
    table_ = CreateAcceleratorTableA(entries, 5);
    ASSERT_NE(table_, nullptr);
  }

  void TearDown() override {
    DestroyAcceleratorTable(table_);
    PlatformTest::TearDown();
  }

  // The loop of an application with accelerators: translated keys are not
  // dispatched.
  void pumpTranslating(HWND window) {
    pump([this, window](MSG& msg) { return TranslateAcceleratorA(window, table_, &msg) != 0; });
  }

  HACCEL table_ = nullptr;
};

TEST_F(Accelerators, AVirtualKeyWithControlIsTranslated) {
  HWND w = shownTopLevel();
  pressWith(VK_CONTROL, 'S');
  pumpTranslating(w);
  EXPECT_SEQUENCE({WM_KEYDOWN, Posted | WParam, VK_CONTROL},
                  {WM_COMMAND, Sent | WParam | LParam, MAKEWPARAM(kSave, 1), 0}, {WM_KEYUP, Posted | WParam, 'S'},
                  {WM_KEYUP, Posted | WParam, VK_CONTROL});
}

TEST_F(Accelerators, ModifiersMustMatchExactly) {
  HWND w = shownTopLevel();
  headless::pressKey('S');
  headless::keyDown(VK_SHIFT);
  pressWith(VK_CONTROL, 'S');
  headless::pressKey(VK_TAB);
  headless::keyUp(VK_SHIFT);
  headless::pressKey(VK_TAB);
  pumpTranslating(w);
  EXPECT_EQ(wParamsOf(WM_COMMAND), (std::vector<WPARAM>{MAKEWPARAM(kBackTab, 1), MAKEWPARAM(kTab, 1)}));
}

TEST_F(Accelerators, ACharacterEntryMatchesTheTypedCharacter) {
  HWND w = shownTopLevel();
  headless::pressKey('Q');
  pressWith(VK_SHIFT, 'Q');
  pumpTranslating(w);
  EXPECT_EQ(wParamsOf(WM_COMMAND), (std::vector<WPARAM>{MAKEWPARAM(kQuit, 1)}));
  EXPECT_EQ(wParamsOf(WM_CHAR), std::vector<WPARAM>{'Q'}) << "the translated 'q' is not dispatched";
}

TEST_F(Accelerators, AMenuItemIsAnnouncedAndAGrayedOneIsNotSent) {
  HMENU bar = CreateMenu();
  HMENU popup = CreatePopupMenu();
  AppendMenuA(popup, MF_STRING, kMenuItem, "&Make\tAlt+M");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), "&Tools");
  HWND w = shownTopLevel(10, 20, 455, 193, WS_OVERLAPPEDWINDOW, bar);
  pressWith(VK_MENU, 'M');
  pumpTranslating(w);
  auto popupParam = reinterpret_cast<WPARAM>(popup);
  EXPECT_SEQUENCE({WM_SYSKEYDOWN, Posted | WParam, VK_MENU}, {WM_INITMENU, Sent | WParam, reinterpret_cast<WPARAM>(bar)},
                  {WM_INITMENUPOPUP, Sent | WParam | LParam, popupParam, MAKELPARAM(0, FALSE)},
                  {WM_COMMAND, Sent | WParam | LParam, MAKEWPARAM(kMenuItem, 1), 0},
                  {WM_SYSKEYUP, Posted | WParam, 'M'}, {WM_SYSKEYUP, Posted | WParam, VK_MENU});
  EnableMenuItem(bar, kMenuItem, MF_GRAYED);
  msglog::clear();
  pressWith(VK_MENU, 'M');
  pumpTranslating(w);
  EXPECT_TRUE(wParamsOf(WM_COMMAND).empty());
  for (const Recorded& r : recorded()) EXPECT_NE(r.message, WM_ENTERMENULOOP);
}

TEST_F(Accelerators, BadTablesAndMessagesTranslateNothing) {
  HWND w = shownTopLevel();
  MSG key{w, WM_KEYDOWN, 'S', 1, 0, {}};
  EXPECT_FALSE(TranslateAcceleratorA(w, nullptr, &key));
  EXPECT_FALSE(TranslateAcceleratorA(w, table_, nullptr));
  ACCEL one{FVIRTKEY, 'A', 1};
  HACCEL stale = CreateAcceleratorTableA(&one, 1);
  DestroyAcceleratorTable(stale);
  EXPECT_FALSE(TranslateAcceleratorA(w, stale, &key));
  EXPECT_FALSE(DestroyAcceleratorTable(stale));
  EXPECT_EQ(CreateAcceleratorTableA(&one, 0), nullptr);
  EXPECT_FALSE(TranslateMDISysAccel(w, &key));
}

TEST(VkKeyScan, NamesTheKeyAndShiftStateOfACharacter) {
  const struct {
    char c;
    SHORT want;
  } cases[] = {{'a', 'A'},      {'A', 0x100 | 'A'}, {'1', '1'},        {'!', 0x100 | '1'}, {'*', 0x100 | '8'},
               {'\t', VK_TAB},  {'\r', VK_RETURN},  {' ', VK_SPACE},   {'\x01', 0x200 | 'A'}, {'-', VK_OEM_MINUS},
               {'?', 0x100 | VK_OEM_2}};
  for (const auto& c : cases) EXPECT_EQ(VkKeyScanA(c.c), c.want) << static_cast<int>(c.c);
  EXPECT_EQ(VkKeyScanA('\xA7'), -1);
}

}  // namespace
