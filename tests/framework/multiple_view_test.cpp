// A multiple view in an open window: one sub-view shown at a time, at the
// multiple view's origin, and the Tab key going round the shown sub-view's
// own tab order.
#include <string>
#include <vector>

#include "edit_window.h"

namespace {

using Names = std::vector<std::string>;

class MultipleViews : public EditWindowTest {
 protected:
  // "Before", the multiple view "Cards" with the sub-views "First" (F1, F2;
  // tab order F2, F1, the name of no item between them passed by) and
  // "Second" (S1, S2; tab order S1, S2), then "After", in that window tab
  // order unless others are given.
  void OpenCards(const std::string& tabOrders = R"(( "F2" "Missing" "F1" ) ( "S1" "S2" ))",
                 const std::string& windowOrder = R"("Before" "Cards" "After")") {
    std::string first = SubView("First", "5 5 95 285", EditText("F1", "10 10 32 110") + EditText("F2", "40 10 62 110"));
    std::string second =
        SubView("Second", "50 20 100 290", EditText("S1", "5 10 27 110") + EditText("S2", "30 10 52 110"));
    std::string cards = R"(<<Multiple View>> [ "Name": "Cards" "Frame": { 40 10 150 310 } "Active?": TRUE
        "Visible?": TRUE "Transparent?": FALSE "Origin": { 0 0 } "Initial View": "First"
        "Tab Orders": ( )" +
                        tabOrders + R"( ) "Content": ( )" + first + second + " ) ]";
    OpenWindow(EditText("Before", "10 10 32 110") + cards + EditText("After", "160 10 182 110"), windowOrder);
  }

  static std::string SubView(const std::string& name, const std::string& frame, const std::string& items) {
    return R"(<<View>> [ "Name": ")" + name + R"(" "Frame": { )" + frame +
           R"( } "Active?": TRUE "Visible?": TRUE "Transparent?": FALSE "Origin": { 0 0 } "Content": ( )" + items +
           " ) ]";
  }

  static RECT FrameOf(const char* name) { return ov::toRECT(ov::send("Get Frame"_sel, Item(name)).get()); }

  // The target's name after each Tab key, Shift+Tab where backward.
  std::vector<std::string> Tabs(std::initializer_list<bool> backward) {
    std::vector<std::string> names;
    for (bool b : backward) {
      if (b) platform::headless::keyDown(VK_SHIFT);
      platform::headless::pressKey(VK_TAB);
      if (b) platform::headless::keyUp(VK_SHIFT);
      RunUntilIdle();
      names.emplace_back(ov::chars(ov::get("Name"_attr, Target())));
    }
    return names;
  }

  static bool Shown(const char* name) { return IsWindowVisible(Handle(name)); }

  static void SwitchTo(const char* name) { ov::tell(ov::send<0>("Switch View"_sel, Item("Cards"), {ov::text(name)})); }
};

TEST_F(MultipleViews, OneSubViewIsShownAtTheOriginAndTheOtherGoesBackToItsFrame) {
  OpenCards();
  EXPECT_TRUE(ov::textEquals(ov::send("Get Current View"_sel, Item("Cards")).get(), "First"));
  EXPECT_TRUE(Shown("F1"));
  EXPECT_FALSE(Shown("S1"));
  EXPECT_EQ(SidesOf(FrameOf("First")), (Sides{0, 0, 280, 90}));

  SwitchTo("Second");
  EXPECT_FALSE(Shown("F1"));
  EXPECT_TRUE(Shown("S1"));
  EXPECT_EQ(SidesOf(FrameOf("Second")), (Sides{0, 0, 270, 50}));
  EXPECT_EQ(SidesOf(FrameOf("First")), (Sides{5, 5, 285, 95}));

  SwitchTo("Second");
  EXPECT_TRUE(Shown("S1")) << "switching to the shown sub-view shows it again";
  EXPECT_EQ(FrameOf("Second").top, 0);
  SwitchTo("First");
  EXPECT_EQ(SidesOf(FrameOf("Second")), (Sides{20, 50, 290, 100}));

  ovRef cards = Item("Cards");
  ovRef firstView = Item("First");
  CloseApplication();
  EXPECT_EQ(ov::send("Get Current View"_sel, cards).get(), nullptr) << "closing hides the shown sub-view";
  EXPECT_EQ(SidesOf(ov::toRECT(ov::send("Get Frame"_sel, firstView).get())), (Sides{5, 5, 285, 95}));
}

TEST_F(MultipleViews, TabGoesRoundTheShownSubViewsOwnOrder) {
  OpenCards();
  ClickItem("Before");
  EXPECT_EQ(Tabs({false, false, false}), (Names{"F2", "F1", "F2"})) << "the tab order of First starts with F2";
  SwitchTo("Second");
  EXPECT_NE(Target().get(), Item("F2").get()) << "a hidden sub-view keeps no target";
  EXPECT_EQ(Tabs({false, false, false, false}), (Names{"Before", "S1", "S2", "S1"}))
      << "from the window the tab order starts again";
  EXPECT_EQ(GetFocus(), Handle("S1"));
}

// Shift+Tab goes through the shown sub-view's tab order from its end.
TEST_F(MultipleViews, ShiftTabGoesRoundTheShownSubViewsOrderBackward) {
  OpenCards();
  ClickItem("After");
  EXPECT_EQ(Tabs({true, true}), (Names{"F1", "F2"}));
}

// Tab sent from a name goes on from the name's place in the shown
// sub-view's order, either way; from the sub-view's own name, out of the
// multiple view through the window's order.
TEST_F(MultipleViews, TabFromANameGoesOnFromItsPlaceInTheOrder) {
  OpenCards();
  auto tabFrom = [](const char* name, bool backward) {
    EXPECT_TRUE(ov::send<0>("Tab"_sel, Item("Cards"), {ov::text(name), ov::boolean(backward)}).succeeded()) << name;
    return std::string(ov::chars(ov::get("Name"_attr, Target())));
  };
  EXPECT_EQ(tabFrom("F2", false), "F1");
  EXPECT_EQ(tabFrom("F1", true), "F2");
  EXPECT_EQ(tabFrom("First", false), "After");
}

// A name no sub-view has hides the shown one and shows none.
TEST_F(MultipleViews, SwitchingToANameNoSubViewHasShowsNone) {
  OpenCards();
  ovRef shown = ov::send("Switch View"_sel, Item("Cards"), {ov::text("Third")}).take();
  EXPECT_EQ(shown.get(), nullptr);
  EXPECT_EQ(ov::send("Get Current View"_sel, Item("Cards")).get(), nullptr);
  EXPECT_FALSE(Shown("F1"));
  EXPECT_FALSE(Shown("S1"));
}

// Without tab orders, tabbing past either end of the shown sub-view leaves
// the multiple view for the items around it.
TEST_F(MultipleViews, TabbingPastTheShownSubViewLeavesTheMultipleView) {
  OpenCards("( ) ( )", "");
  ClickItem("F2");
  EXPECT_EQ(Tabs({false}), (Names{"After"}));
  ClickItem("F1");
  EXPECT_EQ(Tabs({true}), (Names{"Before"}));
}

// A shown item that takes the target, though no view, is tabbed to.
TEST_F(MultipleViews, AShownPlainItemIsTabbedToWhenItTakesTheTarget) {
  std::string cards = R"(<<Multiple View>> [ "Name": "Cards" "Frame": { 40 10 150 310 } "Active?": TRUE
      "Visible?": TRUE "Origin": { 0 0 } "Initial View": "Field" "Tab Orders": ( ) "Content": ( )" +
                      EditText("Field", "0 0 22 100") + " ) ]";
  OpenWindow(EditText("Before", "10 10 32 110") + cards);
  ClickItem("Before");
  EXPECT_EQ(Tabs({false}), (Names{"Field"}));
}

TEST_F(MultipleViews, WithoutAShownSubViewThereIsNoTabOrderAndNothingToTabTo) {
  ovRef cards = ov::make("Multiple View"_cls).take();
  EXPECT_EQ(ov::length(ov::send("Get Tab Order"_sel, cards).get()), 0u);
  EXPECT_TRUE(ov::isList(ov::send("Get Tab Order"_sel, cards).get()));
  EXPECT_EQ(ov::send<0>("Tab"_sel, cards, {nullptr, gdDefaultFalse}).status, ovFailure);
}

}  // namespace
