// Views: finding their items by name and by point, their values, their
// scroll range, what they paint, and tabbing through nested views.
#include <string>

#include "archived_windows.h"
#include "view_window.h"

namespace {

// A view of these items, not opened.
std::string ViewText(const char* name, const char* frame, const std::string& content, const std::string& more = "") {
  return ItemText("View", name, frame, R"("Origin": { 0 0 } "Content": ( )" + content + " ) " + more);
}

// A border drawn with a pen of one colour (16-bit components).
std::string BorderText(const char* color) {
  return std::string(R"("Border": <<Regular Border>> [ "Pen": <<Pen>> [
      "Size": { 1 1 } "Mode": 13 "Style": 0 "ForeColor": )") +
         color + " ] ]";
}

std::string NameOf(ovC_object* item) { return std::string(ov::chars(ov::get("Name"_attr, item))); }

using Views = ViewWindowTest;

TEST_F(Views, FindWindowItemAnswersTheFirstNamesakeDepthFirst) {
  ovRef view = Value(ViewText("Outer", "{ 0 0 100 100 }",
                              ViewText("Inner", "{ 0 0 50 50 }", ItemText("Window Item", "Twin", "{ 1 1 2 2 }")) +
                                  ItemText("Window Item", "Twin", "{ 3 3 4 4 }")));
  ovRef twin = ov::send("Find Window Item"_sel, view, {ov::text("Twin")}).take();
  ovRef inner = ov::send("Find Window Item"_sel, view, {ov::text("Inner")}).take();
  ASSERT_TRUE(twin);
  EXPECT_EQ(twin.get(), ov::element(ov::get("Content"_attr, inner), 0));
  EXPECT_EQ(ov::send("Find Window Item"_sel, view, {ov::text("Outer")}).get(), view.get());
  EXPECT_EQ(ov::send("Find Window Item"_sel, view, {ov::text("Nobody")}).get(), nullptr);
  ov::set("Name"_attr, view, nullptr);
  EXPECT_EQ(ov::send("Find Window Item"_sel, view, {ov::text("Twin")}).get(), twin.get()) << "through a nameless view";
}

TEST_F(Views, FindItemAnswersTheFrontMostVisibleItemUnderThePoint) {
  ovRef view = Value(ViewText(
      "View", "{ 0 0 100 100 }",
      R"(<<Window Item>> [ "Name": "Hidden" "Frame": { 0 0 90 90 } "Active?": TRUE "Visible?": FALSE ])" +
          ItemText("Window Item", "Front", "{ 10 10 50 50 }") + ItemText("Window Item", "Back", "{ 20 20 60 60 }")));
  EXPECT_EQ(NameOf(ov::send("Find Item"_sel, view, {ov::point(30, 30)}).get()), "Front");
  EXPECT_EQ(NameOf(ov::send("Find Item"_sel, view, {ov::point(55, 55)}).get()), "Back");
  EXPECT_EQ(ov::send("Find Item"_sel, view, {ov::point(80, 80)}).get(), nullptr);
}

// A short list leaves the items after it alone; NULL clears every item;
// an item that refuses its value (a stand-in, refusing_item.cpp) leaves
// the items after it theirs.
TEST_F(Views, SetValueGivesEachItemItsElementOfTheList) {
  const struct {
    const char* between;
    ovRef given;
    bool first, second;
  } cases[] = {{"", ov::listOf({gdDefaultTrue}), true, true},
               {"", nullptr, false, false},
               {"\"Refuses\"", ov::listOf({gdDefaultTrue, gdDefaultFalse, gdDefaultFalse}), true, true}};
  for (const auto& c : cases) {
    ovRef view = Value(ViewText("View", "{ 0 0 100 100 }",
                                ItemText("Control", "First", "{ 0 0 10 10 }", R"("Control Value": 0)") + c.between +
                                    ItemText("Control", "Second", "{ 20 0 30 10 }", R"("Control Value": 1)")));
    ov::tell(ov::send<0>("Set Value"_sel, view, {c.given}));
    ovRef values = ov::send("Get Value"_sel, view).take();
    EXPECT_EQ(ov::isTrue(ov::element(values, 0)), c.first);
    EXPECT_EQ(ov::isTrue(ov::element(values, ov::length(values) - 1)), c.second);
  }
}

// The scroll range of a view 100 high and 200 wide with one scroll bar:
// limits shorter than the view keep the maximum at their start, longer
// ones end where the last screenful starts; the value stays within the
// range.
TEST_F(Views, AScrollBarsRangeFollowsTheLimits) {
  const int32_t shownHigh = 100 - (GetSystemMetrics(SM_CXVSCROLL) + 2);
  const int32_t shownWide = 200 - (GetSystemMetrics(SM_CYHSCROLL) + 2);
  const struct {
    const char *bar, *limits;
    int32_t value, max;
  } cases[] = {{"VScroll", "{ 10 0 50 200 }", 30, 10},
               {"VScroll", "{ 10 0 300 200 }", 500, 300 - shownHigh},
               {"HScroll", "{ 0 10 100 400 }", 500, 400 - shownWide}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.bar) + " " + c.limits);
    std::string bar = "\"";
    bar.append(c.bar).append(R"(": <<Control>> [ "Control Value": )").append(std::to_string(c.value));
    ovRef view = Value(ViewText("View", "{ 0 0 100 200 }", "", bar + R"( ] "Limits": )" + c.limits));
    ov::tell(ov::send<0>("Set Frame"_sel, view, {ov::rect(0, 0, 100, 200)}));
    ovRef scroll = std::string_view(c.bar) == "VScroll" ? ov::get("VScroll"_attr, view) : ov::get("HScroll"_attr, view);
    EXPECT_EQ(ov::toInt(ov::get("Min"_attr, scroll)), 10);
    EXPECT_EQ(ov::toInt(ov::get("Max"_attr, scroll)), c.max);
    EXPECT_EQ(ov::toInt(ov::get("Control Value"_attr, scroll)), c.max);
  }
}

// Two bordered items overlap; their borders cross at (50, 19) and (19, 50).
// An item that fails to draw (a stand-in, refusing_item.cpp) ends the
// drawing: the item in front of it waits for the next paint.
TEST_F(Views, OverlappingItemsPaintTheFirstItemOnTopAndDrawingStopsAtAFailure) {
  OpenWith(ItemText("Window Item", "Front", "{ 70 10 90 50 }", BorderText("{ 0 65535 0 }")) + "\"Refuses\" " +
           ItemText("Window Item", "Red", "{ 10 10 50 50 }", BorderText("{ 65535 0 0 }")) +
           ItemText("Window Item", "Blue", "{ 20 20 60 60 }", BorderText("{ 0 0 65535 }")));
  EXPECT_EQ(ClientPixel(9, 30), 0xFF0000u);
  EXPECT_EQ(ClientPixel(60, 40), 0x0000FFu);
  EXPECT_EQ(ClientPixel(50, 19), 0xFF0000u);
  EXPECT_EQ(ClientPixel(19, 50), 0xFF0000u);
  EXPECT_EQ(ClientPixel(9, 80), Face());
}

// A border one pixel wide just outside the frame (30, 40, 60, 100).
TEST_F(Views, ABorderedItemShowsItsFrame) {
  OpenWith(ItemText("Window Item", "Boxed", "{ 30 40 60 100 }", R"("Border": <<Regular Border>>)"));
  for (POINT on : {POINT{39, 45}, POINT{100, 45}, POINT{70, 29}, POINT{70, 60}, POINT{39, 29}, POINT{100, 60}})
    EXPECT_EQ(ClientPixel(on.x, on.y), 0x000000u) << on.x << "," << on.y;
  for (POINT off : {POINT{70, 45}, POINT{38, 45}, POINT{101, 45}, POINT{70, 28}, POINT{70, 61}})
    EXPECT_EQ(ClientPixel(off.x, off.y), Face()) << off.x << "," << off.y;
}

TEST_F(Views, WithoutA3DInterfaceAViewIsWhite) {
  ov::set("3D Interface?"_attr, Application(), gdDefaultFalse);
  OpenWith("");
  EXPECT_EQ(ClientPixel(70, 45), 0xFFFFFFu);
  EXPECT_NE(Face(), 0xFFFFFFu);
}

TEST_F(Views, TheWindowFindsItemsAndReadsAndSetsValuesThroughItsView) {
  OpenWith(ItemText("Control", "First", "{ 10 10 30 120 }", R"("Title": "First" "Control Value": 0 "Type": 3)") +
           ItemText("Control", "Second", "{ 40 10 60 120 }", R"("Title": "Second" "Control Value": 1 "Type": 3)"));
  EXPECT_EQ(NameOf(ov::send("Find Item"_sel, MainWindow(), {ov::point(50, 20)}).get()), "Second");
  EXPECT_EQ(ov::send("Find Item"_sel, MainWindow(), {ov::point(100, 300)}).get(), nullptr);
  ov::tell(ov::send<0>("Set Value"_sel, MainWindow(), {ov::listOf({gdDefaultTrue, gdDefaultFalse})}));
  EXPECT_EQ(SendMessageA(Handle("First"), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageA(Handle("Second"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  ovRef values = ov::send("Get Value"_sel, MainWindow()).take();
  ASSERT_EQ(ov::length(values), 2u);
  EXPECT_TRUE(ov::isTrue(ov::element(values, 0)));
  EXPECT_TRUE(ov::isFalse(ov::element(values, 1)));
}

// A nested view's window origin is its place in its owner's; moving it
// carries the views inside along, and a new owner places it anew.
TEST_F(Views, MovingANestedViewCarriesTheWindowOriginsOfTheViewsInside) {
  OpenWith(ViewText(
      "Inner", "{ 20 30 100 300 }",
      ViewText("Deep", "{ 5 6 50 100 }", ViewText("Deeper", "{ 1 2 10 10 }", ""), R"("Window Origin": { 25 36 })"),
      R"("Window Origin": { 20 30 })"));
  ov::tell(ov::send<0>("Set Location"_sel, Item("Deep"), {ov::point(10, 12)}));
  POINT deep = ov::toPOINT(ov::get("Window Origin"_attr, Item("Deep")));
  POINT deeper = ov::toPOINT(ov::get("Window Origin"_attr, Item("Deeper")));
  EXPECT_EQ((Sides{deep.x, deep.y, deeper.x, deeper.y}), (Sides{42, 30, 44, 31}));
  ov::tell(ov::send<0>("Set Owner"_sel, Item("Deeper"), {Item("Inner")}));
  deeper = ov::toPOINT(ov::get("Window Origin"_attr, Item("Deeper")));
  EXPECT_EQ((Sides{deeper.x, deeper.y}), (Sides{32, 21})) << "placed in its new owner";
  ov::tell(ov::send<0>("Set Owner"_sel, Item("Deeper"), {nullptr}));
  EXPECT_EQ(ov::get("Owner"_attr, Item("Inner")).get(), ov::get("View"_attr, MainWindow()).get());
  EXPECT_EQ(ov::toPOINT(ov::get("Window Origin"_attr, Item("Deeper"))).x, 32) << "no owner, no new place";
  ov::tell(ov::send<0>("Set Owner"_sel, Item("Deeper"), {Item("Deep")}));
}

// A view's draw behaviour runs after the view has drawn its items. A
// click on a view's own ground runs the view's click behaviour, but not
// while the view is inactive.
TEST_F(Views, AViewsDrawAndClickBehaviorsRunWhenItIsDrawnAndClickedWhileActive) {
  OpenWith(ViewText("Drawn", "{ 70 10 120 100 }", "",
                    "\"Draw Behavior\": " + RetitlingBehaviorText("Window Item Behavior", "Drawn")) +
           ViewText("Ground", "{ 10 10 60 100 }", "",
                    "\"Click Behavior\": " + RetitlingBehaviorText("Window Item Behavior", "Clicked")));
  EXPECT_EQ(TextOf(MainWindowHandle()), "Drawn");
  auto clickAndRead = [this] {
    POINT p = OnScreen(50, 30);
    platform::headless::click(p.x, p.y);
    RunUntilIdle();
    return TextOf(MainWindowHandle());
  };
  ov::tell(ov::send<0>("Set Active?"_sel, Item("Ground"), {gdDefaultFalse}));
  EXPECT_EQ(clickAndRead(), "Drawn");
  ov::tell(ov::send<0>("Set Active?"_sel, Item("Ground"), {gdDefaultTrue}));
  EXPECT_EQ(clickAndRead(), "Clicked");
}

// A nested view shows its own background; a transparent one, with none
// of its own, its owner's, under its transparent items too.
TEST_F(Views, ATransparentViewShowsItsOwnersBackground) {
  const char* const glass = R"(<<View>> [ "Name": "Glass" "Frame": { 70 10 120 100 } "Active?": TRUE
      "Visible?": TRUE "Transparent?": TRUE "Origin": { 0 0 } "Content": (
    <<Graphic Item>> [ "Name": "Label" "Frame": { 2 2 20 60 } "Active?": TRUE "Visible?": TRUE
        "Transparent?": TRUE "Graphic": <<Text>> [ "Text": "ab" ] ] ) ])";
  std::string own =
      ViewText("Own", "{ 10 10 60 100 }", "", R"("Background": <<Background>> [ "Color": { 0 0 65535 } ])") + glass;
  OpenMainWindow(FramedMainWindowText(
      "",
      {{"View", ::ViewText(own, R"("Transparent?": FALSE "Background": <<Background>> [ "Color": { 0 65535 0 } ])")}}));
  EXPECT_EQ(ClientPixel(50, 50), 0x0000FFu);
  EXPECT_EQ(ClientPixel(90, 110), 0x00FF00u);
  EXPECT_EQ(ClientPixel(60, 85), 0x00FF00u) << "beside the text, inside the label";
  EXPECT_EQ(ClientPixel(200, 130), 0x00FF00u);
}

// A nested view with a border has a bordered platform window; one without
// has none.
TEST_F(Views, ANestedViewsBorderIsItsPlatformWindowsBorder) {
  OpenWith(ViewText("Boxed", "{ 0 0 50 100 }", "", R"("Border": <<Regular Border>>)") +
           ViewText("Bare", "{ 60 0 100 100 }", ""));
  EXPECT_NE(GetWindowLongPtrA(Handle("Boxed"), GWL_STYLE) & WS_BORDER, 0);
  EXPECT_EQ(GetWindowLongPtrA(Handle("Bare"), GWL_STYLE) & WS_BORDER, 0);
}

// An inactive view's items are inactive too: its controls are disabled,
// and they are enabled again with it.
TEST_F(Views, AnInactiveViewDisablesItsControls) {
  OpenWith(ViewText("Inner", "{ 0 0 100 300 }",
                    ItemText("Control", "Box", "{ 10 10 30 120 }", R"("Title": "Box" "Control Value": 0 "Type": 3)")));
  ov::tell(ov::send<0>("Set Active?"_sel, Item("Inner"), {gdDefaultFalse}));
  EXPECT_FALSE(IsWindowEnabled(Handle("Box")));
  EXPECT_TRUE(ov::isFalse(ov::get("Active?"_attr, Item("Box"))));
  ov::tell(ov::send<0>("Set Active?"_sel, Item("Inner"), {gdDefaultTrue}));
  EXPECT_TRUE(IsWindowEnabled(Handle("Box")));
}

// Tabbing passes by a nested view that is hidden, inactive or empty,
// enters one with an item that takes the target, and forward from its
// last item reaches the next item of its owner.
TEST_F(Views, TabbingEntersNestedViewsThatAreShownActiveAndFullAndLeavesThemForward) {
  auto nested = [](const char* name, int top) {
    std::string frame = "{ " + std::to_string(top) + " 0 " + std::to_string(top + 30) + " 200 }";
    std::string control = std::string(name) + " Box";
    return ViewText(name, frame.c_str(), ItemText("Control", control, "{ 5 10 25 100 }"));
  };
  OpenWith(ItemText("Control", "Before", "{ 0 10 20 100 }") + nested("Hidden", 30) + nested("Off", 60) +
           ViewText("Empty", "{ 90 0 120 200 }", "") + nested("Inner", 120) +
           ItemText("Control", "After", "{ 160 10 180 100 }"));
  ov::tell(ov::send<0>("Set Visible?"_sel, Item("Hidden"), {gdDefaultFalse}));
  ov::tell(ov::send<0>("Set Active?"_sel, Item("Off"), {gdDefaultFalse}));
  ov::tell(ov::send<0>("Tab"_sel, MainWindow(), {Item("Before"), gdDefaultFalse}));
  EXPECT_EQ(ov::get("Target"_attr, MainWindow()).get(), Item("Inner Box").get());
  ov::tell(ov::send<0>("Tab"_sel, MainWindow(), {Item("Inner Box"), gdDefaultFalse}));
  EXPECT_EQ(ov::get("Target"_attr, MainWindow()).get(), Item("After").get());
  EXPECT_EQ(GetFocus(), Handle("After"));
}

// Asked what it draws itself, the window answers the texts of its visible
// items that have no platform window, framed on the screen, nested views'
// included, and the names its controls are known by; an asker short of
// room learns how many there are, and a question of another size gets
// none.
TEST_F(Views, TheWindowTellsAScreenReaderTheTextsItDrawsAndTheNamesOfItsControls) {
  const std::string text = R"("Graphic": <<Text>> [ "Text": ")";
  OpenWith(ItemText("Graphic Item", "Shown", "{ 10 20 30 80 }", text + "38\" ]") +
           ViewText("Inner", "{ 40 0 100 200 }", ItemText("Graphic Item", "Deep", "{ 5 10 25 70 }", text + "62\" ]")) +
           ItemText("Graphic Item", "Hidden", "{ 110 20 130 80 }", text + "0\" ]") +
           ItemText("Push Button", "Go", "{ 140 10 160 70 }", R"("Title": "Go" "Balloon Help": "Go, top row")") +
           ItemText("Push Button", "Nameless", "{ 170 10 190 70 }", R"("Title": "N")") +
           ItemText("Window Item", "Plain", "{ 200 10 210 70 }"));
  ov::tell(ov::send<0>("Set Visible?"_sel, Item("Hidden"), {gdDefaultFalse}));
  auto ask = [](HWND window, UINT size, UINT room, DRAWNITEM* entries) {
    DRAWNITEMS question{size, room, entries};
    return SendMessageA(window, WM_GETDRAWNITEMS, 0, reinterpret_cast<LPARAM>(&question));
  };
  DRAWNITEM entries[8] = {};
  ASSERT_EQ(ask(MainWindowHandle(), sizeof(DRAWNITEMS), 8, entries), 3);
  POINT shown = OnScreen(20, 10), deep{10, 5};
  ClientToScreen(Handle("Inner"), &deep);
  const struct {
    const char *text, *name;
    RECT at;
  } expected[] = {{"38", "", {shown.x, shown.y, shown.x + 60, shown.y + 20}},
                  {"62", "", {deep.x, deep.y, deep.x + 60, deep.y + 20}},
                  {"", "Go, top row", {}}};
  for (int i = 0; i < 3; ++i) {
    EXPECT_STREQ(entries[i].szText, expected[i].text) << i;
    EXPECT_STREQ(entries[i].szName, expected[i].name) << i;
    EXPECT_TRUE(EqualRect(&entries[i].rcItem, &expected[i].at)) << i;
  }
  EXPECT_EQ(entries[2].hwndItem, Handle("Go"));
  DRAWNITEM one[2] = {};
  EXPECT_EQ(ask(MainWindowHandle(), sizeof(DRAWNITEMS), 1, one), 3);
  EXPECT_STREQ(one[0].szText, "38");
  EXPECT_STREQ(one[1].szText, "") << "no more than the room given";
  EXPECT_EQ(ask(MainWindowHandle(), sizeof(DRAWNITEMS) - 1, 8, entries), 0);
  EXPECT_EQ(SendMessageA(MainWindowHandle(), WM_GETDRAWNITEMS, 0, 0), 0) << "no question";
  HWND unowned = UnownedFrameworkWindow();
  EXPECT_EQ(ask(unowned, sizeof(DRAWNITEMS), 8, entries), 0) << "a window no framework window owns";
  DestroyWindow(unowned);
}

}  // namespace
