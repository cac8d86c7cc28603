// The application's clipboard over the platform clipboard: its registered
// formats, blocks by format, and the text, which must come without the
// block's terminating NUL.
#include <cstring>

#include "archived_windows.h"
#include "framework_fixture.h"

namespace {

// The clipboard is open exactly when closing it succeeds.
bool ClipboardWasOpen() { return CloseClipboard() != FALSE; }

class Clipboard : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    ov::set("Main Window"_attr, Application(), ov::text(""));
    OpenApplication();
  }

  static ovRef AppClipboard() { return ov::get("Clipboard"_attr, Application()); }
};

TEST_F(Clipboard, NoTextIsAFailureThatLeavesTheClipboardClosed) {
  PutOnClipboard(CF_TEXT, nullptr, 0);
  auto read = ov::send("Get Text"_sel, AppClipboard());
  EXPECT_TRUE(read.failed());
  EXPECT_EQ(read.get(), nullptr);
  EXPECT_FALSE(ClipboardWasOpen());
}

TEST_F(Clipboard, OpeningRegistersTheFormatsAndClosingForgetsThem) {
  ovRef formats = ov::get("Registered Format"_attr, AppClipboard());
  ASSERT_EQ(ov::length(formats), 2u);
  EXPECT_EQ(static_cast<UINT>(ov::toInt(ov::element(formats, 0))), RegisterClipboardFormatA("Orvane Instance"));
  EXPECT_EQ(static_cast<UINT>(ov::toInt(ov::element(formats, 1))), RegisterClipboardFormatA("external block"));
  ov::tell(ov::send<0>("Close"_sel, AppClipboard()));
  EXPECT_EQ(ov::length(ov::get("Registered Format"_attr, AppClipboard())), 0u);
}

TEST_F(Clipboard, AScrapIsTheFormatsBlockAndItsSizeWithTheClipboardLeftOpen) {
  UINT format = RegisterClipboardFormatA("Orvane Instance");
  PutOnClipboard(format, "\1\2\3\4\5", 5);
  auto scrap = ov::send<2>("Get Scrap"_sel, AppClipboard(), {ov::integer(static_cast<int32_t>(format))});
  ASSERT_FALSE(scrap.failed());
  EXPECT_EQ(ov::toInt(scrap.get(1)), 5);
  auto* bytes = static_cast<const char*>(GlobalLock(ov::toHandle<HGLOBAL>(scrap.get(0))));
  ASSERT_NE(bytes, nullptr);
  EXPECT_EQ(std::memcmp(bytes, "\1\2\3\4\5", 5), 0);
  GlobalUnlock(ov::toHandle<HGLOBAL>(scrap.get(0)));
  EXPECT_TRUE(ClipboardWasOpen()) << "the caller closes it";
  EXPECT_TRUE(ov::send<2>("Get Scrap"_sel, AppClipboard(), {ov::integer(CF_TEXT + 1000)}).failed());
  EXPECT_FALSE(ClipboardWasOpen()) << "a format the clipboard lacks closes it again";
}

// The main window opens the clipboard for the application: while another
// window holds it open there is no text to be had, and it stays theirs;
// then the text comes without its terminator, the clipboard closed again.
TEST_F(Clipboard, TextComesWithoutItsTerminatorOnceNoOtherWindowHoldsTheClipboard) {
  CloseApplication();
  ov::set("Main Window"_attr, Application(), ov::text("Main Window"));
  OpenMainWindow(MainWindowText());
  PutOnClipboard(CF_TEXT, "held", 5);
  ASSERT_TRUE(OpenClipboard(nullptr));
  EXPECT_TRUE(ov::send("Get Text"_sel, AppClipboard()).failed());
  EXPECT_TRUE(ClipboardWasOpen()) << "still open for the one that opened it";
  EXPECT_EQ(ov::chars(ov::send("Get Text"_sel, AppClipboard()).get()), "held");
  EXPECT_FALSE(ClipboardWasOpen());
}

}  // namespace
