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

// An opening window gives the target and the focus to the first item in
// its tab order, or the view's first without one; names that find no item
// are passed by, and Tab goes round both ways.
TEST_F(KeyboardTarget, TabGoesRoundTheTabOrderOrTheViewBothWays) {
  const struct {
    const char *order, *first;
    std::vector<std::string> forward, backward;
  } cases[] = {{"( )", "One", {"Two", "Three", "One"}, {"Three", "Two", "One"}},
               {R"(( "Three" "Missing" "One" "Two" ))", "Three", {"One", "Two", "Three"}, {"Two", "One", "Three"}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.order);
    OpenWith({{"View", ViewText(ThreeButtons())}, {"Tab Order", c.order}});
    EXPECT_EQ(TargetName(), c.first);
    EXPECT_EQ(GetFocus(), Handle(c.first));
    EXPECT_EQ(TabBy({false, false, false}), c.forward);
    EXPECT_EQ(TabBy({true, true, true}), c.backward);
    CloseApplication();
  }
}

TEST_F(KeyboardTarget, AWindowWithNothingToTargetKeepsNoTarget) {
  OpenWith({{"View", ViewText("")}});
  EXPECT_EQ(ov::get("Target"_attr, MainWindow()).get(), nullptr);
  EXPECT_EQ(Tab(false), ovFailure);
  EXPECT_EQ(ov::get("Target"_attr, MainWindow()).get(), nullptr);
}

// An activated window gives the application its own target again.
TEST_F(KeyboardTarget, AnActivatedWindowGivesTheApplicationItsTarget) {
  OpenWith({{"View", ViewText(ThreeButtons())}});
  ov::set("Target"_attr, Application(), nullptr);
  SendMessageA(MainWindowHandle(), WM_ACTIVATE, WA_ACTIVE, 0);
  EXPECT_EQ(ov::get("Target"_attr, Application()).get(), Item("One").get());
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
