// The system primitives: what "show" displays, the class tree, the instance
// handle and the main window.
#include "platform/backends/headless/headless.h"
#include "primitives_fixture.h"
#include "runtime/dialogs/runtime_dialogs.h"
#include "runtime/primitives/show_text.h"
#include "runtime/startup/runtime_startup.h"
#include "runtime/values/unparse.h"

namespace {

class SystemPrimitivesTest : public PrimitivesTest {
 protected:
  void SetUp() override {
    PrimitivesTest::SetUp();
    saved_ = Global;
  }
  void TearDown() override {
    Global = saved_;
    PrimitivesTest::TearDown();
  }

  static HWND window(const char* title) {
    static const bool registered = [] {
      WNDCLASSA windowClass{};
      windowClass.lpfnWndProc = DefWindowProcA;
      windowClass.lpszClassName = "System Primitives Test";
      return RegisterClassA(&windowClass) != 0;
    }();
    EXPECT_TRUE(registered);
    return CreateWindowExA(0, "System Primitives Test", title, WS_OVERLAPPEDWINDOW, 0, 0, 50, 50, nullptr, nullptr,
                           nullptr, nullptr);
  }

  static ovRef integerOf(HWND w) { return Int(static_cast<int32_t>(reinterpret_cast<uintptr_t>(w))); }

 private:
  ovGlobalRecord saved_{};
};

TEST_F(SystemPrimitivesTest, ShowPrintsTextsBareExceptInsideLists) {
  ovRef values[] = {Text("hi"), List(Text("a"), Int(1)), Int(2), Text("\"q\"")};
  ovC_object* raw[] = {values[0].get(), values[1].get(), values[2].get(), values[3].get()};
  ovUseQuotes(1);
  EXPECT_EQ(ovShowText(raw), "hi( \"a\" 1 )2\"q\"");
  EXPECT_EQ(ovUseQuotes(0), 1u);
  EXPECT_EQ(ovShowText(raw), "hi( \"a\" 1 )2\"q\"");
  EXPECT_EQ(ovUseQuotes(1), 0u);
  EXPECT_EQ(ovShowText({}), "");
  EXPECT_EQ(call<0>("show", {values[0], values[1]}).status, ovSuccess);
}

TEST_F(SystemPrimitivesTest, DescendantsAreListedInClassTableOrder) {
  EXPECT_EQ(printed(call("descendants", {Text("Caller")}).get()), "( \"Callee\" \"Grand Callee\" )");
  ovRef callee = ovRef::adopt(ovMakeEmptyInstance(ovCheckInputClass(Text("Callee").get())));
  EXPECT_EQ(printed(call("descendants", {callee}).get()), "( \"Grand Callee\" )");
  EXPECT_EQ(printed(call("type", {callee}).get()), "\"Callee\"");
  EXPECT_EQ(printed(call("descendants", {Text("Nobody")}).get()), "( )");
  EXPECT_EQ(printed(call("descendants", {Int(3)}).get()), "( )");
}

TEST_F(SystemPrimitivesTest, BothInstanceOutputsAreTheApplicationsInstanceHandle) {
  Global.instance = reinterpret_cast<HINSTANCE>(uintptr_t{0x1234});
  auto r = call<2>("get-application-instances", {});
  EXPECT_EQ(printed(r.get(0)), "4660");
  EXPECT_EQ(printed(r.get(1)), "4660");
}

TEST_F(SystemPrimitivesTest, OfThePrimitivesOnlyPlusIsFoundBySendingItsName) {
  const RTMethod* found = nullptr;
  EXPECT_TRUE(RTHeader::GetPrimitiveTable()->FindByName(Text("+").get(), &found));
  EXPECT_EQ(found->code, ovFindPrimitive("+"));
  EXPECT_EQ(RTHeader::GetPrimitiveTable()->Count(), 1u);
  ovRef sum = ov::call(UCLookupMethod(found->selector, Int(2).get()), {Int(2), Int(3)}).take();
  EXPECT_EQ(printed(sum), "5");
  EXPECT_NE(ovFindPrimitive("(join)"), nullptr);
  EXPECT_NE(ovFindPrimitive("\"length\""), nullptr);
}

TEST_F(SystemPrimitivesTest, OnlyAWindowBecomesTheMainWindow) {
  ASSERT_TRUE(platform::headless::start());
  HWND first = window("first");
  ASSERT_NE(first, nullptr);
  ov::tell(call<0>("set-application-main-window", {integerOf(first)}));
  EXPECT_EQ(Global.mainWindow, first);
  ov::tell(call<0>("set-application-main-window", {nullptr}));
  ov::tell(call<0>("set-application-main-window", {Int(0x7FFF1234)}));
  EXPECT_EQ(Global.mainWindow, first);
  EXPECT_EQ(ovioGetMainWindow(), first);
  DestroyWindow(first);
}

}  // namespace
