// Edit texts in an open window: what the program and the user put in them,
// the styles their controls get, tabbing past read-only items, the text
// filter, and the Edit menu items they enable.
#include <string>
#include <tuple>

#include "archived_windows.h"
#include "edit_window.h"

namespace {

// The tests' text filter: a text used as a filter rejects the texts that
// hold any of its characters. For anything else it is as if no "Do" were
// defined.
ovStatus RejectCharacters(const ov::Args& a) {
  if (!ov::isText(a[0])) return ovNothingRan;
  return ov::chars(a[1]).find_first_of(ov::chars(a[0])) == std::string_view::npos ? ovSuccess : ovFailure;
}
const ovUniversalDeclaration kFilterDo("Do", ov::routine<RejectCharacters>);

// An exit behaviour that stays in the commander's deferred list once
// posted, where it can be counted.
const char* const kExitBehavior =
    R"("Exit Behavior": <<Deferred Task>> [ "Name": "exit" "Enabled?": TRUE "Undo?": FALSE "When": 1073741824 ])";

int Posted(ovC_object* commander, const char* name) {
  ovRef list = ov::get("Deferred Commands"_attr, commander);
  int count = 0;
  for (uint32_t i = 0; i < ov::length(list); ++i)
    count += ov::textEquals(ov::get("Name"_attr, ov::element(list, i)), name);
  return count;
}

class EditTexts : public EditWindowTest {
 protected:
  // How many dark pixels the control shows inside its border.
  static int DarkPixels(HWND control) {
    RECT frame, at;
    GetWindowRect(MainWindowHandle(), &frame);
    GetWindowRect(control, &at);
    const auto* surface = platform::headless::surfaceOf(MainWindowHandle());
    int dark = 0;
    for (int y = at.top - frame.top + 3; y < at.bottom - frame.top - 3; ++y)
      for (int x = at.left - frame.left + 3; x < at.right - frame.left - 3; ++x) {
        uint32_t p = surface->pixel(x, y);
        dark += ((p >> 16) & 0xFF) < 0x80 && ((p >> 8) & 0xFF) < 0x80 && (p & 0xFF) < 0x80;
      }
    return dark;
  }
};

TEST_F(EditTexts, AValueSetByTheProgramIsInTheControlAtOnce) {
  OpenWindow(EditText("A", "10 10 32 110", R"("Text": "100")"));
  HWND control = Handle("A");
  ASSERT_NE(control, nullptr);
  EXPECT_EQ(TextOf(control), "100");

  ov::tell(ov::send<0>("Set Value"_sel, Item("A"), {ov::text("62")}));
  EXPECT_EQ(TextOf(control), "62");
  EXPECT_EQ(ValueOf("A"), "62");
  RunUntilIdle();
  int shown = DarkPixels(control);

  ov::tell(ov::send<0>("Set Value"_sel, Item("A"), {nullptr}));
  EXPECT_EQ(TextOf(control), "");
  EXPECT_EQ(ValueOf("A"), "");
  RunUntilIdle();
  EXPECT_LT(DarkPixels(control), shown) << "only the caret is left";

  ClickItem("A");
  Type("250");
  EXPECT_EQ(ValueOf("A"), "250") << "what the user types is the value";
  EXPECT_TRUE(ov::textEquals(ov::get("Text"_attr, Item("A")), "250"));
}

// Closing keeps what the control held, though the program never read it;
// the closed item has no selection and keeps a value given to it. An item
// that never opened and holds no text answers the empty text.
TEST_F(EditTexts, AClosedItemKeepsTheControlsLastText) {
  OpenWindow(EditText("A", "10 10 32 110"));
  HWND editor = Handle("A");
  SetWindowTextA(editor, "618");
  ASSERT_FALSE(ov::textEquals(ov::get("Text"_attr, Item("A")), "618"));
  ov::tell(ov::send<0>("Close"_sel, Item("A")));
  EXPECT_FALSE(IsWindow(editor));
  EXPECT_EQ(Handle("A"), nullptr);
  EXPECT_EQ(ValueOf("A"), "618");
  ov::tell(ov::send<0>("Select All"_sel, Item("A")));
  POINT selection = ov::toPOINT(ov::send("Get Selection"_sel, Item("A")).get());
  EXPECT_EQ(selection.x, 0) << "a closed item has no selection";
  EXPECT_EQ(selection.y, 0);
  ov::tell(ov::send<0>("Set Value"_sel, Item("A"), {ov::text("1.5")}));
  EXPECT_EQ(ValueOf("A"), "1.5");
  EXPECT_TRUE(ov::textEquals(ov::send("Get Value"_sel, ov::make("Edit Text"_cls).get()).get(), ""));
}

// Moved or resized, the item takes its control along; made inactive while
// it is the target, it gives the target up and its control is disabled.
TEST_F(EditTexts, TheControlFollowsTheItemsPlaceSizeAndActivity) {
  OpenWindow(EditText("A", "10 10 32 110") + EditText("B", "50 10 72 110"));
  ov::tell(ov::send<0>("Set Location"_sel, Item("A"), {ov::point(100, 20)}));
  ov::tell(ov::send<0>("Set Frame"_sel, Item("B"), {ov::rect(140, 30, 170, 230)}));
  for (const auto& [name, left, top, width] : {std::tuple{"A", 20, 100, 100}, std::tuple{"B", 30, 140, 200}}) {
    RECT r = PlaceOf(name);
    EXPECT_EQ(r.left, left) << name;
    EXPECT_EQ(r.top, top) << name;
    EXPECT_EQ(r.right - r.left, width) << name;
  }
  ASSERT_EQ(ov::send("Get Target"_sel, MainWindow()).get(), Item("A").get());
  ov::tell(ov::send<0>("Set Active?"_sel, Item("B"), {gdDefaultFalse}));
  EXPECT_EQ(ov::send("Get Target"_sel, MainWindow()).get(), Item("A").get()) << "B was not the target";
  ov::tell(ov::send<0>("Set Active?"_sel, Item("A"), {gdDefaultFalse}));
  EXPECT_NE(ov::send("Get Target"_sel, MainWindow()).get(), Item("A").get());
  EXPECT_FALSE(IsWindowEnabled(Handle("A")));
  ov::tell(ov::send<0>("Set Active?"_sel, Item("A"), {gdDefaultTrue}));
  EXPECT_TRUE(IsWindowEnabled(Handle("A")));
}

// The edit text that is its window's target takes the focus when the window
// is hilited, and not when the hilite goes.
TEST_F(EditTexts, TheTargetTakesTheFocusWhenItsWindowIsHilited) {
  OpenWindow(EditText("A", "10 10 32 110"));
  ClickItem("A");
  SetFocus(MainWindowHandle());
  ov::tell(ov::send<0>("Hilite"_sel, MainWindow(), {gdDefaultFalse}));
  EXPECT_EQ(GetFocus(), MainWindowHandle());
  ov::tell(ov::send<0>("Hilite"_sel, MainWindow(), {gdDefaultTrue}));
  EXPECT_EQ(GetFocus(), Handle("A"));
}

TEST_F(EditTexts, StyleBitsFollowTheItem) {
  constexpr uint32_t kOwnBits = ES_READONLY | WS_BORDER | ES_AUTOHSCROLL | ES_AUTOVSCROLL | ES_MULTILINE | WS_TABSTOP;
  const struct {
    bool editable, border, wrap, autoScroll;
    uint32_t bits;
  } cases[] = {
      {true, false, false, false, WS_TABSTOP},
      {false, false, false, false, ES_READONLY | WS_TABSTOP},
      {true, true, false, false, WS_BORDER | WS_TABSTOP},
      {true, false, false, true, ES_AUTOHSCROLL | ES_AUTOVSCROLL | WS_TABSTOP},
      {true, false, true, true, ES_MULTILINE | ES_AUTOVSCROLL | WS_TABSTOP},
      {true, false, true, false, ES_MULTILINE | WS_TABSTOP},
  };
  for (const auto& c : cases) {
    ovRef item = ov::make("Edit Text"_cls).take();
    ov::set("Editable?"_attr, item, ov::boolean(c.editable));
    if (c.border) ov::set("Border"_attr, item, ov::make("Regular Border"_cls).get());
    ov::set("Wrap?"_attr, item, ov::boolean(c.wrap));
    ov::set("Auto Scroll?"_attr, item, ov::boolean(c.autoScroll));
    auto style = static_cast<uint32_t>(ov::toInt(ov::send("Get Flags"_sel, item).get()));
    EXPECT_EQ(style & kOwnBits, c.bits) << c.editable << c.border << c.wrap << c.autoScroll;
  }
  ov::set("Main Window"_attr, Application(), ov::text(""));
  OpenApplication();
  for (bool threeD : {true, false}) {
    ov::set("3D Interface?"_attr, Application(), ov::boolean(threeD));
    ovRef item = ov::make("Edit Text"_cls).take();
    EXPECT_EQ(ov::toInt(ov::send("Get Extended Styles"_sel, item).get()), threeD ? WS_EX_CLIENTEDGE : 0)
        << "a sunken edge in a three-dimensional interface";
  }
}

// A draws with its font's size and weight, B with the system font's (bold,
// and not 20 high), C with its font's plain weight.
TEST_F(EditTexts, TheItemsFontIsTheControls) {
  OpenWindow(
      EditText("A", "10 10 32 110",
               R"("Font": <<Font>> [ "Font Name": "MS Sans Serif" "Size": 20 "Style": ( 400 FALSE FALSE FALSE ) ])") +
      EditText("B", "40 10 62 110") +
      EditText("C", "70 10 92 110", R"("Font": <<Font>> [ "Font Name": "MS Sans Serif" "Size": 20 ])"));
  // The metrics of a font (the one a DC starts with for none) in a
  // control's DC.
  auto metricsOf = [](HWND control, HGDIOBJ font) {
    HDC dc = GetDC(control);
    HGDIOBJ old = font ? SelectObject(dc, font) : nullptr;
    TEXTMETRICA tm{};
    EXPECT_TRUE(GetTextMetricsA(dc, &tm));
    if (old) SelectObject(dc, old);
    ReleaseDC(control, dc);
    return tm;
  };
  auto drawnWith = [&](const char* name) {
    HWND control = Handle(name);
    return metricsOf(control, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
  };
  TEXTMETRICA a = drawnWith("A"), b = drawnWith("B");
  TEXTMETRICA system = metricsOf(Handle("B"), GetStockObject(SYSTEM_FONT));
  EXPECT_EQ(a.tmHeight, 20);
  EXPECT_EQ(a.tmWeight, FW_NORMAL);
  EXPECT_EQ(b.tmHeight, system.tmHeight) << "without a font the control keeps the system font";
  EXPECT_EQ(b.tmWeight, system.tmWeight);
  EXPECT_EQ(system.tmWeight, FW_BOLD);
  EXPECT_NE(system.tmHeight, 20);
  EXPECT_EQ(drawnWith("C").tmWeight, FW_NORMAL) << "a font without a style list is plain";
}

TEST_F(EditTexts, AReadOnlyItemIsMadeReadOnlyAndTabbingPassesItBy) {
  OpenWindow(EditText("A", "10 10 32 110") + EditText("R", "40 10 62 110", "", false) + EditText("C", "70 10 92 110"));
  auto styleOf = [](const char* name) { return GetWindowLongPtrA(Handle(name), GWL_STYLE); };
  EXPECT_TRUE(styleOf("R") & ES_READONLY);
  EXPECT_FALSE(styleOf("A") & ES_READONLY);

  ClickItem("A");
  EXPECT_EQ(Target().get(), Item("A").get());
  PressKey(VK_TAB);
  EXPECT_EQ(Target().get(), Item("C").get());
  EXPECT_EQ(GetFocus(), Handle("C"));
}

TEST_F(EditTexts, AnAcceptedTextLeavesOnTabAndPostsTheExitBehavior) {
  OpenWindow(EditText("A", "10 10 32 110", std::string(R"("Text Filter": "x" )") + kExitBehavior) +
             EditText("B", "40 10 62 110"));
  ClickItem("A");
  Type("ok");
  PressKey(VK_TAB);
  EXPECT_EQ(Target().get(), Item("B").get());
  EXPECT_TRUE(ov::textEquals(ov::get("Text"_attr, Item("A")), "ok"));
  EXPECT_EQ(Posted(ov::get("Commander"_attr, Application()).get(), "exit"), 1);
}

TEST_F(EditTexts, ARejectedTextKeepsTheTargetOnTabAndClickButNotOnClose) {
  OpenWindow(EditText("A", "10 10 32 110", std::string(R"("Text Filter": "x" )") + kExitBehavior) +
             EditText("B", "40 10 62 110"));
  ovRef a = Item("A");
  ovRef commander = ov::get("Commander"_attr, Application());
  ClickItem("A");
  Type("x");

  PressKey(VK_TAB);
  EXPECT_EQ(Target().get(), a.get());
  EXPECT_EQ(GetFocus(), Handle("A"));
  ClickItem("B");
  EXPECT_EQ(Target().get(), a.get());
  EXPECT_EQ(GetFocus(), Handle("A")) << "the focus goes back to the item that keeps the target";

  platform::headless::requestClose(MainWindowHandle());
  RunUntilIdle();
  EXPECT_TRUE(ov::isFalse(ov::get("Active?"_attr, Application()))) << "closing the main window quits";
  CloseApplication();
  EXPECT_TRUE(ov::textEquals(ov::get("Text"_attr, a), "x")) << "a forced exit stores the rejected text";
  EXPECT_EQ(Posted(commander.get(), "exit"), 0);
}

// Sent by name, as a program would, the commands that change the text end
// at once on a read-only item; Copy still copies.
TEST_F(EditTexts, ACommandSentByNameChangesNoReadOnlyTextButCopies) {
  OpenWindow(EditText("R", "10 10 32 110", R"("Text": "fixed")", false));
  ClickItem("R");
  SelectAllByKeys();
  SetClipboardText("keep");
  for (const ovMethodSelector* command :
       std::initializer_list<const ovMethodSelector*>{&"Cut"_sel, &"Paste"_sel, &"Clear"_sel})
    EXPECT_EQ(ov::send<0>(*command, Item("R")).status, ovTerminate);
  EXPECT_EQ(ValueOf("R"), "fixed");
  EXPECT_EQ(ClipboardText(), "keep");
  EXPECT_EQ(ov::send<0>("Copy"_sel, Item("R")).status, ovSuccess);
  EXPECT_EQ(ClipboardText(), "fixed");
}

TEST_F(EditTexts, TheEditMenuFollowsTheSelectionTheClipboardAndTheText) {
  InstallEditMenu();
  OpenWindow(EditText("A", "10 10 32 110", R"("Text": "hello")") +
             EditText("R", "40 10 62 110", R"("Text": "fixed")", false));
  const char* const items[] = {"Cut", "Copy", "Paste", "Clear", "Select All"};
  auto enabled = [&] {
    std::string states;
    for (const char* item : items) states += IsEnabled(item) ? '1' : '0';
    return states;
  };

  ClickItem("A");
  PressKey(VK_END);
  SetClipboardText("");
  PointAtMenuBar();
  EXPECT_EQ(enabled(), "00001") << "no selection, nothing to paste";

  SelectAllByKeys();
  SetClipboardText("clip");
  PointAtMenuBar();
  EXPECT_EQ(enabled(), "11111");

  ov::tell(ov::send<0>("Set Value"_sel, Item("A"), {ov::text("")}));
  PointAtMenuBar();
  EXPECT_EQ(enabled(), "00100") << "an empty item: only Paste";

  ClickItem("R");
  SelectAllByKeys();
  PointAtMenuBar();
  EXPECT_EQ(enabled(), "01001") << "a read-only item: only Copy and Select All";
}

// The font items are enabled while the target has a font: an edit text,
// or a push button with no font of its own; never without a target.
TEST_F(EditTexts, TheFontItemsFollowATargetWithAFont) {
  InstallEditMenu();
  OpenWindow(EditText("A", "10 10 32 110") + ButtonText("B", "{ 40 10 62 110 }"), R"("A" "B")");
  auto fontItems = [&] {
    PointAtMenuBar();
    std::string states;
    for (const char* item : {"Font", "Font Size", "Font Style"}) states += IsEnabled(item) ? '1' : '0';
    return states;
  };
  ClickItem("A");
  EXPECT_EQ(fontItems(), "111");
  PressKey(VK_TAB);
  ASSERT_EQ(Target().get(), Item("B").get());
  EXPECT_EQ(fontItems(), "111");
  ov::tell(ov::send<0>("Set Target"_sel, MainWindow(), {nullptr, gdDefaultTrue}));
  EXPECT_EQ(fontItems(), "000");
}

}  // namespace
