// Controls in an open window: where their platform buttons are made and
// with which style and id, and what a click on one runs.
#include <string>
#include <vector>

#include "view_window.h"

namespace {

// What the click behaviour's method saw of the item it was given.
struct Click {
  std::string item;
  int32_t checkState;
};
std::vector<Click> gClicks;

ovStatus RecordClick(const ov::Args& a) {
  gClicks.push_back(
      {std::string(ov::chars(ov::get("Name"_attr, a[0]))), ov::toInt(ov::get("Control Value"_attr, a[0]))});
  return ovSuccess;
}
const ovUniversalDeclaration kRecordClick("Record Click", ov::routine<RecordClick>);

// A control of a class, named and titled name, at a frame, with more
// attributes, whose click runs "Record Click" with the control.
std::string ControlText(const char* cls, const char* name, const char* frame, const std::string& more = "") {
  return ItemText(cls, name, frame, std::string("\"Title\": \"") + name + R"(" "Control Value": 0 )" + more + R"(
      "Click Behavior": <<Control Behavior>> [
        "Enabled?": TRUE "Undo?": FALSE "Method": "Record Click"
        "Specifiers": ( <<Attribute Specifier>> [ "Value": "Window Item" ] ) ])");
}

class Controls : public ViewWindowTest {
 protected:
  void SetUp() override {
    ViewWindowTest::SetUp();
    gClicks.clear();
  }
};

TEST_F(Controls, TheDefaultPushButtonIsMadeWithTheDefaultStyleAndIdOne) {
  OpenWith(
      ControlText("Push Button", "OK", "{ 10 10 30 70 }") + ControlText("Push Button", "Cancel", "{ 10 80 30 140 }"),
      "OK");
  HWND ok = Handle("OK");
  HWND cancel = Handle("Cancel");
  EXPECT_EQ(GetWindowLongPtrA(ok, GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
  EXPECT_EQ(GetDlgCtrlID(ok), IDOK);
  EXPECT_EQ(ov::toInt(ov::get("Number"_attr, Item("OK"))), IDOK);
  EXPECT_EQ(GetWindowLongPtrA(cancel, GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
  EXPECT_EQ(GetDlgCtrlID(cancel), ov::toInt(ov::get("Number"_attr, Item("Cancel"))));
  EXPECT_NE(GetDlgCtrlID(cancel), IDOK);
  ovRef closed = Value(ControlText("Push Button", "OK", "{ 10 10 30 70 }"));
  EXPECT_EQ(ov::toInt(ov::send("Get ProcID"_sel, closed).get()), BS_PUSHBUTTON) << "no window, no default";
}

// A control is placed at its frame in its view; a new title shows on the
// button; an inactive button is disabled and a click on it runs nothing.
TEST_F(Controls, AClickOnAPushButtonRunsItsClickBehaviorWhileItIsActive) {
  OpenWith(ControlText("Push Button", "Go", "{ 10 10 30 70 }") +
           ControlText("Push Button", "Other", "{ 40 10 60 70 }") + ControlText("Push Button", "", "{ 70 10 90 70 }"));
  EXPECT_EQ(SidesOf(PlaceOf("Go")), (Sides{10, 10, 70, 30}));
  EXPECT_EQ(GetDlgItem(Handle("Root"), IDOK), nullptr) << "a nameless button is no default item's namesake";
  ClickItem("Go");
  ASSERT_EQ(gClicks.size(), 1u);
  EXPECT_EQ(gClicks[0].item, "Go");
  ov::tell(ov::send<0>("Set Title"_sel, Item("Go"), {ov::text("Stop")}));
  EXPECT_EQ(TextOf(Handle("Go")), "Stop");
  ov::tell(ov::send<0>("Set Active?"_sel, Item("Go"), {gdDefaultFalse}));
  EXPECT_FALSE(IsWindowEnabled(Handle("Go")));
  ClickItem("Go");
  EXPECT_EQ(gClicks.size(), 1u);
}

// The platform toggles the box; its new state is read back before the
// behaviour runs.
TEST_F(Controls, ACheckBoxClickShowsItsNewStateToTheBehavior) {
  OpenWith(ControlText("Control", "Box", "{ 10 10 30 120 }", R"("Type": 3)"));
  ClickItem("Box");
  ClickItem("Box");
  ASSERT_EQ(gClicks.size(), 2u);
  EXPECT_EQ(gClicks[0].checkState, BST_CHECKED);
  EXPECT_EQ(gClicks[1].checkState, BST_UNCHECKED);
}

// Closed, a control answers the state it showed last, read back when it
// closed, instead of asking a platform window that is gone (closing it
// again changes nothing); a title and an activity given while closed show
// when it opens again.
TEST_F(Controls, AClosedControlAnswersTheStateItShowedLastAndKeepsWhatItIsGiven) {
  OpenWith(ControlText("Control", "Box", "{ 10 10 30 120 }", R"("Type": 3)"));
  HWND box = Handle("Box");
  ClickItem("Box");
  ov::tell(ov::send<0>("Close"_sel, Item("Box")));
  EXPECT_FALSE(IsWindow(box));
  ov::tell(ov::send<0>("Close"_sel, Item("Box")));
  EXPECT_EQ(ov::toInt(ov::send("Get Control Value"_sel, Item("Box")).get()), BST_CHECKED);

  ov::tell(ov::send<0>("Set Title"_sel, Item("Box"), {ov::text("Later")}));
  ov::tell(ov::send<0>("Set Active?"_sel, Item("Box"), {gdDefaultFalse}));
  ov::tell(ov::send<0>("Open"_sel, Item("Box"), {ov::get("View"_attr, MainWindow())}));
  box = Handle("Box");
  EXPECT_EQ(TextOf(box), "Later");
  EXPECT_FALSE(IsWindowEnabled(box));
  EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_CHECKED);
}

}  // namespace
