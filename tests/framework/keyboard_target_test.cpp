// The keyboard target: where it is when a window opens, how Tab moves it
// (through the view tree, or through the window's tab order), wrapping
// around both ways, the Tab key doing it, an exit the target refuses, and a
// closing window forcing it.
#include "archived_windows.h"
#include "framework_fixture.h"

namespace {

// A text filter's check that accepts no text.
const ovUniversalDeclaration kRefuseText("Refuse Text", ov::failing);

std::string ThreeButtons() {
  return ButtonText("One", "{ 10 10 30 70 }") + ButtonText("Two", "{ 40 10 60 70 }") +
         ButtonText("Three", "{ 70 10 90 70 }");
}

class KeyboardTarget : public FrameworkTest {
 protected:
  void OpenWith(const std::map<std::string, std::string>& given) { OpenMainWindow(MainWindowText(given)); }

  static std::string TargetName() {
    return std::string(ov::chars(ov::get("Name"_attr, ov::get("Target"_attr, MainWindow()))));
  }

  // Tab from the current target, as the Tab keys do.
  static ovStatus Tab(bool backward) {
    return ov::send<0>("Tab"_sel, MainWindow(), {ov::get("Target"_attr, MainWindow()), ov::boolean(backward)}).status;
  }

  // The target's name after each Tab, forward or backward.
  static std::vector<std::string> TabBy(std::initializer_list<bool> backward) {
    std::vector<std::string> names;
    for (bool b : backward) {
      Tab(b);
      names.push_back(TargetName());
    }
    return names;
  }
};

// An opening window gives the target and the focus to its first item;
// without a tab order Tab goes through the view.
TEST_F(KeyboardTarget, WithoutATabOrderTabGoesThroughTheViewAndWrapsAroundBothWays) {
  OpenWith({{"View", ViewText(ThreeButtons())}});
  EXPECT_EQ(TargetName(), "One");
  EXPECT_EQ(GetFocus(), Handle("One"));
  EXPECT_EQ(TabBy({false, false, false}), (std::vector<std::string>{"Two", "Three", "One"}));
  EXPECT_EQ(TabBy({true, true}), (std::vector<std::string>{"Three", "Two"}));
}

// Names that find no item are passed by.
TEST_F(KeyboardTarget, TheTabOrderDecidesAndWrapsAroundBothWays) {
  OpenWith({{"View", ViewText(ThreeButtons())}, {"Tab Order", "( \"Three\" \"Missing\" \"One\" \"Two\" )"}});
  EXPECT_EQ(TargetName(), "Three");
  EXPECT_EQ(TabBy({false, false, false}), (std::vector<std::string>{"One", "Two", "Three"}));
  EXPECT_EQ(TabBy({true, true, true}), (std::vector<std::string>{"Two", "One", "Three"}));
}

TEST_F(KeyboardTarget, AWindowWithNothingToTargetKeepsNoTarget) {
  OpenWith({{"View", ViewText("")}});
  EXPECT_EQ(ov::get("Target"_attr, MainWindow()).get(), nullptr);
  EXPECT_EQ(Tab(false), ovFailure);
  EXPECT_EQ(ov::get("Target"_attr, MainWindow()).get(), nullptr);
}

TEST_F(KeyboardTarget, TheTabKeysMoveTheTarget) {
  OpenWith({{"View", ViewText(ThreeButtons())}, {"Key Behavior", TabKeysText()}});
  platform::headless::pressKey(VK_TAB);
  RunUntilIdle();
  EXPECT_EQ(TargetName(), "Two");
  platform::headless::keyDown(VK_SHIFT);
  platform::headless::pressKey(VK_TAB);
  platform::headless::keyUp(VK_SHIFT);
  RunUntilIdle();
  EXPECT_EQ(TargetName(), "One");
  EXPECT_EQ(GetFocus(), Handle("One"));
}

// An edit item whose filter rejects its text refuses to leave when asked,
// but not when its window closes: the window closes and the item keeps the
// text it held.
TEST_F(KeyboardTarget, ARefusedExitKeepsTheTargetButClosingTheWindowForcesIt) {
  OpenWith({});
  std::string entry =
      "<<Edit Text>> [ \"Name\": \"Entry\" \"Frame\": { 10 10 30 110 } \"Active?\": TRUE \"Visible?\": TRUE "
      "\"Editable?\": TRUE \"Text\": \"\" \"Text Filter\": <<Behavior>> [ \"Enabled?\": TRUE \"Undo?\": FALSE "
      "\"Method\": \"Refuse Text\" \"Specifiers\": ( ) ] ]";
  SetDefault(WindowText(
      "Window", {{"Location", "{ 300 300 }"}, {"View", ViewText(entry + ButtonText("Other", "{ 40 10 60 70 }"))}}));
  ovRef window = ov::make("Window"_cls).take();
  ASSERT_TRUE(ov::send<0>("Open"_sel, window, {nullptr}).succeeded());
  RunUntilIdle();
  ovRef edit = ov::send("Find Window Item"_sel, window, {ov::text("Entry")}).take();
  ovRef other = ov::send("Find Window Item"_sel, window, {ov::text("Other")}).take();
  ASSERT_EQ(ov::get("Target"_attr, window).get(), edit.get());
  platform::headless::typeText("kept");
  RunUntilIdle();

  EXPECT_EQ(ov::send<0>("Set Target"_sel, window, {other, gdDefaultFalse}).status, ovFailure);
  EXPECT_EQ(ov::get("Target"_attr, window).get(), edit.get());

  HWND hwnd = ov::toHandle<HWND>(ov::get("Window Record"_attr, window));
  EXPECT_TRUE(ov::send<0>("Close"_sel, window).succeeded());
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_EQ(ov::get("Target"_attr, window).get(), nullptr);
  EXPECT_TRUE(ov::textEquals(ov::get("Text"_attr, edit), "kept"));
}

}  // namespace
