// Behaviours: posted through the commander, their specifiers resolved
// against the behaviour, and the named method called with the values.
#include <string>
#include <vector>

#include "archived_windows.h"
#include "framework_fixture.h"

namespace {

// The inputs of every call of "Record Behavior Inputs", in order.
std::vector<std::vector<ovRef>> gCalls;

ovStatus RecordInputs(const ov::Args& a) {
  std::vector<ovRef> inputs;
  for (uint32_t i = 0; i < a.inputCount(); ++i) inputs.push_back(ovRef::share(a[i]));
  gCalls.push_back(std::move(inputs));
  return ovSuccess;
}
const ovUniversalDeclaration kRecordInputs("Record Behavior Inputs", ov::routine<RecordInputs>);

class Behaviors : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    ov::set("Main Window"_attr, Application(), ov::text(""));
  }
  void TearDown() override {
    gCalls.clear();
    FrameworkTest::TearDown();
  }

  // Posts the behaviour an archive text describes.
  static void Post(std::string_view text) { ov::tell(ov::send<0>("Post"_sel, Value(text))); }
};

// A disabled behaviour never runs; an empty specifier list calls the method
// with no inputs.
TEST_F(Behaviors, DoCallsTheNamedUniversalWithEachSpecifiersValueInOrder) {
  OpenApplication();
  Post(R"(<<Behavior>> [ "Enabled?": FALSE "Method": "Record Behavior Inputs" "Specifiers": ( ) ])");
  Post(R"(<<Behavior>> [ "Enabled?": TRUE "Method": "Record Behavior Inputs" "Specifiers": ( ) ])");
  Post(R"(<<Behavior>> [ "Enabled?": TRUE "Method": "Record Behavior Inputs" "Specifiers": (
            <<Behavior Specifier>> [ "Value": 7 ]
            <<Persistent Specifier>> [ "Value": "The Front Application" ]
            <<Attribute Specifier>> [ "Value": "Method" ]
            <<Method Specifier>> [ "Value": "Get Application" ]
            <<Method Specifier>> [ "Value": "Get Target" ]
            <<Persistent Specifier>> [ "Value": "No Such Persistent" ] ) ])");
  ASSERT_EQ(gCalls.size(), 2u);
  EXPECT_TRUE(gCalls[0].empty());
  const std::vector<ovRef>& inputs = gCalls[1];
  ASSERT_EQ(inputs.size(), 6u);
  EXPECT_EQ(ov::toInt(inputs[0]), 7);
  EXPECT_EQ(inputs[1], Application());
  EXPECT_TRUE(ov::textEquals(inputs[2], "Record Behavior Inputs"));
  EXPECT_EQ(inputs[3], Application());
  EXPECT_EQ(inputs[4].get(), nullptr) << "a specifier that fails gives NULL (there is no target)";
  EXPECT_EQ(inputs[5].get(), nullptr);
}

TEST_F(Behaviors, ASlashNameCallsTheMethodOfTheFirstValuesClass) {
  OpenApplication();
  Post(R"(<<Menu Behavior>> [ "Enabled?": TRUE "Method": "/Quit"
            "Specifiers": ( <<Persistent Specifier>> [ "Value": "The Front Application" ] ) ])");
  EXPECT_TRUE(ov::isFalse(ov::get("Active?"_attr, Application()))) << "the application quit";
}

TEST_F(Behaviors, EachSpecifierClassMakesInstancesOfItselfWithNew) {
  for (const ovClassName* cls : std::initializer_list<const ovClassName*>{
           &"Behavior Specifier"_cls, &"Attribute Specifier"_cls, &"Method Specifier"_cls, &"Persistent Specifier"_cls,
           &"Window Item Specifier"_cls, &"Value Specifier"_cls}) {
    ovRef made = ov::sendToClass(*cls, "New"_sel, {ov::text("Window")}).take();
    EXPECT_TRUE(ov::textEquals(ov::classNameOf(made), cls->name())) << cls->name();
    EXPECT_TRUE(ov::textEquals(ov::send("Get Value"_sel, made).get(), "Window")) << cls->name();
  }
  ovRef literal = ov::sendToClass("Behavior Specifier"_cls, "New"_sel, {gdDefaultTrue}).take();
  EXPECT_TRUE(ov::isTrue(ov::send("Resolve"_sel, literal, {nullptr}).get()));
}

// Behaviours of a window's items: the window holds two edit texts.
class WindowItemSpecifiers : public Behaviors {
 protected:
  void SetUp() override {
    Behaviors::SetUp();
    ov::set("Main Window"_attr, Application(), ov::text("Main Window"));
    OpenMainWindow(FramedMainWindowText(
        R"(<<Edit Text>> [ "Name": "B2" "Frame": { 95 192 117 260 } "Number": 78 "Active?": TRUE "Visible?": TRUE
                           "Text": "62" "Editable?": TRUE ]
           <<Edit Text>> [ "Name": "C1" "Frame": { 25 295 47 356 } "Number": 86 "Active?": TRUE "Visible?": TRUE
                           "Text": "100" "Editable?": TRUE ])"));
  }

  // Posts a window item behaviour of the main window with one specifier.
  static void PostWithSpecifier(const char* specifierClass, const char* value) {
    ovRef behavior = Value(std::string(R"(<<Window Item Behavior>> [ "Enabled?": TRUE
        "Method": "Record Behavior Inputs" "Specifiers": ( <<)") +
                           specifierClass + R"(>> [ "Value": )" + value + " ] ) ]");
    ov::set("Window"_attr, behavior, MainWindow());
    ov::tell(ov::send<0>("Post"_sel, behavior));
  }
};

TEST_F(WindowItemSpecifiers, AValueSpecifierOverAListAnswersTheItemsValuesInOrder) {
  PostWithSpecifier("Value Specifier", R"(( "C1" "Nowhere" "B2" ))");
  ASSERT_EQ(gCalls.size(), 1u);
  ASSERT_EQ(gCalls[0].size(), 1u);
  ovC_object* values = gCalls[0][0].get();
  ASSERT_EQ(ov::length(values), 3u);
  EXPECT_TRUE(ov::textEquals(ov::element(values, 0), "100"));
  EXPECT_EQ(ov::element(values, 1), nullptr) << "no item of that name";
  EXPECT_TRUE(ov::textEquals(ov::element(values, 2), "62"));
}

TEST_F(WindowItemSpecifiers, AWindowItemSpecifierAnswersTheNamedItem) {
  PostWithSpecifier("Window Item Specifier", R"("B2")");
  PostWithSpecifier("Value Specifier", R"("Nowhere")");
  ASSERT_EQ(gCalls.size(), 2u);
  EXPECT_TRUE(ov::textEquals(ov::send("Get Name"_sel, gCalls[0][0]).get(), "B2"));
  EXPECT_EQ(gCalls[0][0], Item("B2"));
  EXPECT_EQ(gCalls[1][0].get(), nullptr) << "a value specifier of no item answers NULL";
}

}  // namespace
