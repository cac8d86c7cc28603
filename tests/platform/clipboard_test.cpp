// The clipboard: who may open it, who owns its blocks, CF_TEXT as the
// desktop sees it, and registered formats.
#include <cstring>

#include "platform/backend.h"
#include "platform/clipboard/clipboard_text.h"
#include "platform_fixture.h"

namespace {

HGLOBAL blockOf(const char* bytes, size_t size) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
  std::memcpy(GlobalLock(block), bytes, size);
  GlobalUnlock(block);
  return block;
}

std::string readText(HANDLE block) {
  auto* bytes = static_cast<const char*>(GlobalLock(block));
  std::string text = bytes ? bytes : "";
  GlobalUnlock(block);
  return text;
}

class Clipboard : public PlatformTest {
 protected:
  void TearDown() override {
    CloseClipboard();
    PlatformTest::TearDown();
  }
};

// Emptying it tells the previous owner, even when the new one is an edit
// copying its text.
TEST_F(Clipboard, OneWindowAtATimeMayOpenItAndEmptyingItTellsThePreviousOwner) {
  HWND a = topLevel(0, 0, 100, 100), b = topLevel(0, 0, 100, 100, WS_OVERLAPPEDWINDOW, nullptr, msglog::Role::Other);
  EXPECT_FALSE(CloseClipboard());
  EXPECT_EQ(GetClipboardData(CF_TEXT), nullptr);
  ASSERT_TRUE(OpenClipboard(a));
  EXPECT_EQ(GetOpenClipboardWindow(), a);
  EXPECT_FALSE(OpenClipboard(b));
  EXPECT_TRUE(EmptyClipboard());
  EXPECT_EQ(GetClipboardOwner(), a);
  EXPECT_TRUE(CloseClipboard());
  EXPECT_TRUE(OpenClipboard(b));
  EXPECT_TRUE(CloseClipboard());
  EXPECT_FALSE(EmptyClipboard());
  HWND edit = CreateWindowExA(0, WC_EDITA, "copied", WS_CHILD | WS_VISIBLE, 0, 0, 80, 20, b, nullptr, nullptr, nullptr);
  msglog::clear();
  ASSERT_TRUE(OpenClipboard(b));
  EmptyClipboard();
  CloseClipboard();
  EXPECT_SEQUENCE({WM_DESTROYCLIPBOARD, msglog::Sent, 0, 0, msglog::Role::Main});
  msglog::clear();
  SendMessageA(edit, EM_SETSEL, 0, -1);
  SendMessageA(edit, WM_COPY, 0, 0);
  EXPECT_SEQUENCE({WM_DESTROYCLIPBOARD, msglog::Sent, 0, 0, msglog::Role::Other});
  EXPECT_EQ(GetClipboardOwner(), edit);
}

TEST_F(Clipboard, TextGoesToTheDesktopAsUtf8WithPlainLineEnds) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  const char text[] = "caf\xE9\r\nline \x80";
  HGLOBAL block = blockOf(text, sizeof text);
  EXPECT_EQ(SetClipboardData(CF_TEXT, block), block);
  EXPECT_EQ(GetClipboardData(CF_TEXT), block);
  CloseClipboard();
  EXPECT_EQ(platform::backend().clipboardText(), "caf\xC3\xA9\nline \xE2\x82\xAC");
  EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
}

TEST_F(Clipboard, TextFromTheDesktopIsReadAfresh) {
  platform::backend().setClipboardText("one\ntwo \xE2\x82\xAC \xF0\x9F\x98\x80");
  ASSERT_TRUE(OpenClipboard(nullptr));
  HANDLE first = GetClipboardData(CF_TEXT);
  EXPECT_EQ(readText(first), "one\r\ntwo \x80 ?");
  EXPECT_EQ(GetClipboardData(CF_TEXT), first);
  platform::backend().setClipboardText("three");
  EXPECT_EQ(readText(GetClipboardData(CF_TEXT)), "three");
  platform::backend().setClipboardText("");
  EXPECT_EQ(GetClipboardData(CF_TEXT), nullptr);
  EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
  CloseClipboard();
}

TEST_F(Clipboard, BlocksBelongToTheClipboardUntilReplacedOrEmptied) {
  UINT format = RegisterClipboardFormatA("Orvane Instance");
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  HGLOBAL first = blockOf("abc", 3);
  HGLOBAL second = blockOf("defg", 4);
  SetClipboardData(format, first);
  SetClipboardData(format, second);
  EXPECT_EQ(GlobalSize(first), 0u);
  EXPECT_EQ(GetClipboardData(format), second);
  EXPECT_EQ(GlobalSize(GetClipboardData(format)), 4u);
  EXPECT_TRUE(IsClipboardFormatAvailable(format));
  EmptyClipboard();
  EXPECT_EQ(GlobalSize(second), 0u);
  EXPECT_FALSE(IsClipboardFormatAvailable(format));
  EXPECT_EQ(SetClipboardData(format, nullptr), nullptr);
  CloseClipboard();
}

TEST_F(Clipboard, TheSameNameGetsTheSameFormat) {
  UINT instance = RegisterClipboardFormatA("Orvane Instance");
  EXPECT_GE(instance, 0xC000u);
  EXPECT_EQ(RegisterClipboardFormatA("orvane instance"), instance);
  UINT block = RegisterClipboardFormatA("external block");
  EXPECT_NE(block, instance);
  EXPECT_EQ(RegisterClipboardFormatA("external block"), block);
  EXPECT_EQ(RegisterClipboardFormatA(""), 0u);
  EXPECT_EQ(RegisterClipboardFormatA(nullptr), 0u);
}

TEST(ClipboardText, LineEndsAndCharactersConvertBothWays) {
  using platform::clipboard::ansiTextOf;
  using platform::clipboard::desktopTextOf;
  EXPECT_EQ(ansiTextOf("a\nb\r\nc\rd"), "a\r\nb\r\nc\rd");
  EXPECT_EQ(ansiTextOf("bad \xC3 tail \xE2\x82"), "bad ? tail ??");
  EXPECT_EQ(desktopTextOf("a\r\nb\rc\x85"), "a\nb\rc\xE2\x80\xA6");
  const std::string ansi = "x\r\n\xA9 \x9F";
  EXPECT_EQ(ansiTextOf(desktopTextOf(ansi)), ansi);
}

}  // namespace
