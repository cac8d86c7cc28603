// Window items: the style of their platform windows, the handles and keys
// they answer to, and the point universals.
#include <string>
#include <string_view>

#include "view_window.h"

namespace {

class WindowItems : public ViewWindowTest {
 protected:
  // A view, of no window, holding a nameless item, an item and an edit text
  // without keys and one whose key of command id 7 posts a behaviour.
  static ovRef KeyedView() {
    return Value(R"(<<View>> [ "Content": (
        <<Window Item>>
        <<Window Item>> [ "Name": "Keyless" ]
        <<Edit Text>> [ "Name": "Typed" ]
        <<Window Item>> [ "Name": "Keyed" "Key Behavior": <<Special Keys>> [
            "Keys": ( ( <<Accelerator Entry>> [ "Character": "L" ] <<Behavior>> )
                      ( <<Accelerator Entry>> [ "Character": "K" "ID": 7 ] <<Behavior>> ) ) ] ] ) ])");
  }

  // A key event: an accelerator's command, or a character.
  static ovRef KeyEvent(const char* type, UINT message, WPARAM wParam) {
    return Value(R"(<<Event>> [ "Platform Event": <<Platform Event>> [ "Type": ")" + std::string(type) +
                 R"(" "Message": )" + std::to_string(message) + R"( "WParam": )" + std::to_string(wParam) + " ] ]");
  }
};

// An item that cannot be the target asks for no tab stop; a plain item
// asks for no extended style.
TEST_F(WindowItems, AnInactiveVisibleTargetableItemIsADisabledVisibleTabStopChild) {
  OpenWith(
      R"(<<Control>> [ "Name": "Off" "Title": "Off" "Frame": { 10 10 30 90 } "Active?": FALSE "Visible?": TRUE ])" +
      ItemText("Window Item", "Plain", "{ 40 10 60 90 }"));
  HWND off = Handle("Off");
  ASSERT_NE(off, nullptr);
  auto style = static_cast<DWORD>(GetWindowLongPtrA(off, GWL_STYLE));
  EXPECT_EQ(style & (WS_CHILD | WS_DISABLED | WS_VISIBLE | WS_TABSTOP),
            static_cast<DWORD>(WS_CHILD | WS_DISABLED | WS_VISIBLE | WS_TABSTOP));
  EXPECT_FALSE(IsWindowEnabled(off));
  EXPECT_EQ(ov::toInt(ov::send("Get Flags"_sel, Item("Plain")).get()), static_cast<int32_t>(WS_CHILD | WS_VISIBLE));
  EXPECT_EQ(ov::toInt(ov::send("Get Extended Styles"_sel, Item("Plain")).get()), 0);
}

// A bordered item without a platform window moves from (30, 40, 60, 100)
// to (70, 200): its border goes from where it was and shows where it is.
TEST_F(WindowItems, AnItemDrawnByItsViewIsRepaintedWhereItWasAndWhereItIs) {
  OpenWith(ItemText("Window Item", "Moved", "{ 30 40 60 100 }", R"("Border": <<Regular Border>>)"));
  ASSERT_EQ(ClientPixel(39, 45), 0x000000u);
  ov::tell(ov::send<0>("Set Location"_sel, Item("Moved"), {ov::point(70, 200)}));
  RunUntilIdle();
  EXPECT_EQ(ClientPixel(39, 45), Face());
  EXPECT_EQ(ClientPixel(70, 29), Face());
  EXPECT_EQ(ClientPixel(199, 80), 0x000000u);
  EXPECT_EQ(ClientPixel(230, 100), 0x000000u);
  EXPECT_EQ(ClientPixel(230, 80), Face());
}

// A push button repaints its own window and, in its view, the border
// around it when it has one; it draws only where the area asked for meets
// its border.
TEST_F(WindowItems, AButtonRepaintsItselfAndItsBorderAndDrawsOnlyWhereAsked) {
  OpenWith(ItemText("Push Button", "Go", "{ 30 40 60 100 }", R"("Title": "Go" "Border": <<Regular Border>>)") +
           ItemText("Push Button", "Bare", "{ 80 40 100 100 }", R"("Title": "Bare")"));
  ov::tell(ov::send<0>("Redraw"_sel, Item("Bare"), {gdDefaultTrue}));
  EXPECT_TRUE(GetUpdateRect(Handle("Bare"), nullptr, FALSE));
  EXPECT_FALSE(GetUpdateRect(Handle("Root"), nullptr, FALSE));
  ov::tell(ov::send<0>("Redraw"_sel, Item("Go"), {gdDefaultTrue}));
  EXPECT_TRUE(GetUpdateRect(Handle("Go"), nullptr, FALSE));
  RECT around{};
  ASSERT_TRUE(GetUpdateRect(Handle("Root"), &around, FALSE));
  EXPECT_LE(around.left, 39);
  EXPECT_LE(around.top, 29);
  EXPECT_GE(around.right, 101);
  EXPECT_GE(around.bottom, 61);
  EXPECT_TRUE(ov::send<0>("Do Draw?"_sel, Item("Go"), {ov::rect(0, 0, 30, 40)}).succeeded())
      << "meets the border's corner";
  EXPECT_TRUE(ov::send<0>("Do Draw?"_sel, Item("Go"), {ov::rect(0, 0, 29, 39)}).failed());
}

// An item drawn by its view asks for a repaint of its frame when its
// activity or visibility changes, and not when it is given what it holds.
TEST_F(WindowItems, ADrawnItemIsRepaintedOnlyWhenItsActivityOrVisibilityChanges) {
  OpenWith(ItemText("Window Item", "Drawn", "{ 30 40 60 100 }"));
  for (const ovMethodSelector* change :
       std::initializer_list<const ovMethodSelector*>{&"Set Active?"_sel, &"Set Visible?"_sel}) {
    for (bool value : {true, false}) {
      ov::tell(ov::send<0>(*change, Item("Drawn"), {ov::boolean(value)}));
      RECT asked{};
      EXPECT_EQ(GetUpdateRect(Handle("Root"), &asked, FALSE), !value) << value;
      if (!value) {
        EXPECT_EQ(asked.left, 40);
        EXPECT_EQ(asked.top, 30);
      }
      RunUntilIdle();
    }
    ov::tell(ov::send<0>(*change, Item("Drawn"), {gdDefaultTrue}));
    RunUntilIdle();
  }
}

// Closed, an item has no owner: it is placed by its frame alone, and neither
// it nor its border asks for a repaint or inverts anything.
TEST_F(WindowItems, AClosedItemIsPlacedByItsFrameAndDrawsNothing) {
  OpenWith(ItemText("Window Item", "Gone", "{ 30 40 60 100 }", R"("Border": <<Regular Border>>)"));
  ovRef gone = Item("Gone");
  ovRef border = ov::get("Border"_attr, gone);
  ov::tell(ov::send<0>("Close"_sel, gone));
  RunUntilIdle();
  auto at = ov::send<4>("Get Coordinates"_sel, gone);
  EXPECT_EQ((Sides{ov::toInt(at.get(0)), ov::toInt(at.get(1)), ov::toInt(at.get(2)), ov::toInt(at.get(3))}),
            (Sides{40, 30, 60, 30}));
  EXPECT_EQ(SidesOf(ov::toRECT(ov::send("Border Frame"_sel, border).get())), (Sides{0, 0, 0, 0}));
  uint32_t before = ClientPixel(50, 45);
  ov::tell(ov::send<0>("Redraw"_sel, gone, {gdDefaultTrue}));
  ov::tell(ov::send<0>("Redraw"_sel, border, {gdDefaultTrue}));
  ov::tell(ov::send<0>("Invert"_sel, gone));
  ovRef device = ov::universal("Get Current Device"_uni).take();
  ov::tell(ov::send<0>("Prepare"_sel, gone));
  EXPECT_EQ(ov::universal("Get Current Device"_uni).get(), device.get()) << "no owner to draw in";
  EXPECT_FALSE(GetUpdateRect(Handle("Root"), nullptr, FALSE));
  EXPECT_EQ(ClientPixel(50, 45), before);
}

// A transparent item with a platform window of its own is repainted by its
// owner, over the item's frame.
TEST_F(WindowItems, ATransparentItemWithItsOwnWindowIsRepaintedInItsOwner) {
  OpenWith(ItemText("View", "Glass", "{ 30 40 60 100 }", R"("Origin": { 0 0 } "Content": ( ))"));
  ov::set("Transparent?"_attr, Item("Glass"), gdDefaultTrue);
  ov::tell(ov::send<0>("Redraw"_sel, Item("Glass"), {gdDefaultFalse}));
  RECT asked{};
  ASSERT_TRUE(GetUpdateRect(Handle("Root"), &asked, FALSE));
  EXPECT_EQ(SidesOf(asked), (Sides{40, 30, 100, 60}));
}

// In a view of no window: the item whose key behaviour holds the
// accelerator's command id is found, not the key itself; an item without a
// platform window of its own never claims a handle, not even the null one.
TEST_F(WindowItems, FindItemByKeyAnswersTheItemHoldingTheKey) {
  ovRef view = KeyedView();
  auto found = ov::send<2>("Contains Handle"_sel, view, {ov::integer(0)});
  EXPECT_TRUE(ov::isFalse(found.get(0)));
  EXPECT_EQ(found.get(1), nullptr);
  EXPECT_TRUE(ov::send("Get Window"_sel, view).failed()) << "a view of no window has none";
  ovRef keyed = ovRef::share(ov::element(ov::get("Content"_attr, view), 3));
  EXPECT_EQ(ov::send("Find Item By Key"_sel, view, {ov::integer(7)}).get(), keyed.get());
  EXPECT_EQ(ov::send("Find Item By Key"_sel, view, {ov::integer(8)}).get(), nullptr);
  EXPECT_EQ(ov::send("Find Item By Key"_sel, view, {ov::text("7")}).get(), nullptr) << "an id is a number";
  EXPECT_EQ(ov::send("Find Window Item"_sel, view, {ov::text("Keyed")}).get(), keyed.get()) << "past a nameless item";
}

// An item becomes the target only when it can be one and everything from
// it up to its window is active and visible; otherwise the window's
// target stays where it was.
TEST_F(WindowItems, OnlyAReachableTargetableItemBecomesTheTarget) {
  OpenWith(
      ItemText("Control", "Here", "{ 100 10 120 100 }", R"("Title": "Here" "Control Value": 0 "Type": 3)") +
      ItemText("Window Item", "Plain", "{ 130 10 150 100 }") +
      ItemText("View", "Hidden", "{ 0 0 40 200 }",
               R"("Origin": { 0 0 } "Content": ( )" +
                   ItemText("Control", "InHidden", "{ 5 5 25 100 }", R"("Title": "x" "Control Value": 0 "Type": 3)") +
                   " )"));
  ov::tell(ov::send<0>("Set Visible?"_sel, Item("Hidden"), {gdDefaultFalse}));
  ASSERT_TRUE(ov::send<0>("Target"_sel, Item("Here"), {gdDefaultFalse}).succeeded());
  ovRef closed = Value(ItemText("Control", "Closed", "{ 5 5 25 100 }"));
  const struct {
    const char* name;
    ovRef item;
  } refused[] = {{"not targetable", Item("Plain")}, {"in an invisible view", Item("InHidden")}, {"closed", closed}};
  for (const auto& r : refused) {
    SCOPED_TRACE(r.name);
    EXPECT_TRUE(ov::send<0>("Target"_sel, r.item, {gdDefaultFalse}).failed());
    EXPECT_EQ(ov::get("Target"_attr, MainWindow()).get(), Item("Here").get());
  }
}

// An item takes an accelerator's command only with a key of that id; a key
// it does not take goes up to its owner, and without one it is refused.
TEST_F(WindowItems, AKeyAnItemDoesNotTakeGoesToItsOwnerOrIsRefused) {
  ovRef view = KeyedView();
  ovRef keyless = ovRef::share(ov::element(ov::get("Content"_attr, view), 1));
  ovRef typed = ovRef::share(ov::element(ov::get("Content"_attr, view), 2));
  ovRef keyed = ovRef::share(ov::element(ov::get("Content"_attr, view), 3));
  auto keyDown = [](ov::In item, ov::In event) {
    return ov::send<0>("Key Down"_sel, item, {nullptr, nullptr, event}).status;
  };
  auto accelerator = [](WORD id) { return KeyEvent("COMMAND", WM_COMMAND, MAKEWPARAM(id, 1)); };
  EXPECT_EQ(keyDown(keyed, accelerator(7)), ovSuccess);
  EXPECT_EQ(keyDown(keyed, accelerator(8)), ovFailure);
  EXPECT_EQ(keyDown(keyless, accelerator(7)), ovFailure);
  EXPECT_EQ(keyDown(typed, accelerator(7)), ovFailure);
  EXPECT_EQ(keyDown(keyed, KeyEvent("KEYDOWN", WM_CHAR, 'k')), ovFailure);
  ov::set("Key Behavior"_attr, view, ov::get("Key Behavior"_attr, keyed));
  ov::tell(ov::send<0>("Set Owner"_sel, keyless, {view}));
  EXPECT_EQ(keyDown(keyless, accelerator(7)), ovSuccess) << "its owner's key";
  ov::tell(ov::send<0>("Set Owner"_sel, keyless, {nullptr}));
}

TEST_F(WindowItems, ThePointUniversalsAddAndSubtractComponentwise) {
  POINT sum = ov::toPOINT(ov::universal("AddPt"_uni, {ov::point(1, 2), ov::point(10, 20)}).get());
  POINT difference = ov::toPOINT(ov::universal("SubPt"_uni, {ov::point(1, 2), ov::point(10, 20)}).get());
  EXPECT_EQ((Sides{sum.x, sum.y, difference.x, difference.y}), (Sides{22, 11, 18, 9}));
}

}  // namespace
