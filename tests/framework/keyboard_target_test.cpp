// The keyboard target: where it is when a window opens, how Tab moves it
// (through the view tree, or through the window's tab order), wrapping
// around both ways, and the Tab key doing it. (An exit the target refuses
// and a closing window forcing it are in edit_text_test.cpp.)
#include "archived_windows.h"
#include "framework_fixture.h"

namespace {

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

}  // namespace
