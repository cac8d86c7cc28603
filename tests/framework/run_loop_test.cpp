// The application's run loop: opening and closing, the application stack,
// quitting, and deferred commands run on idle passes.
#include <string>
#include <vector>

#include "archived_windows.h"
#include "framework_fixture.h"
#include "runtime/startup/entry.h"

namespace {

class RunLoop : public FrameworkTest {
 protected:
  // An application with no main window: only the loop runs.
  void SetUp() override {
    FrameworkTest::SetUp();
    ov::set("Main Window"_attr, Application(), ov::text(""));
  }

  static void PostTask(const char* name, int32_t when) {
    ovRef task = ov::make("Deferred Task"_cls).take();
    ov::set("Name"_attr, task, ov::text(name));
    ov::set("When"_attr, task, ov::integer(when));
    ov::tell(ov::send<0>("Post"_sel, task));
  }
};

// Once closed, the application is no longer in front: the universals
// that ask it or its desktop fail, those that tell them do nothing, and a
// message gets the platform's default processing (a close request
// destroys the window).
TEST_F(RunLoop, AnOpenApplicationIsInFrontUntilItCloses) {
  OpenApplication();
  EXPECT_EQ(ov::universal("Get Application"_uni).get(), Application().get());
  RunUntilIdle();
  EXPECT_TRUE(ov::isTrue(ov::get("Active?"_attr, Application())));
  EXPECT_TRUE(ov::universal("Get Document"_uni).failed()) << "no window, no document";
  HWND window = UnownedFrameworkWindow();
  CloseApplication();
  EXPECT_EQ(gTheFrontApplication.peek(), nullptr);
  EXPECT_EQ(ov::length(gTheProcesses.get()), 0u);
  EXPECT_EQ(ov::get("Commander"_attr, Application()).get(), nullptr);
  ov::tell(ov::universal<0>("Pop Application"_uni));  // on an empty stack: nothing changes
  EXPECT_EQ(gTheFrontApplication.peek(), nullptr);
  EXPECT_TRUE(ov::universal("Get Commander"_uni).failed());
  EXPECT_TRUE(ov::universal("Get Desktop"_uni).failed());
  EXPECT_TRUE(ov::universal("Get Target"_uni).failed());
  EXPECT_TRUE(ov::universal("Get Menubar"_uni).failed());
  EXPECT_TRUE(ov::universal("Get Front Window"_uni).failed());
  EXPECT_TRUE(ov::universal<0>("Set Target"_uni, {nullptr}).succeeded());
  EXPECT_TRUE(ov::universal<0>("Set Last Help"_uni, {nullptr}).succeeded());
  SendMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(window));
}

// Sent, or as WM_QUIT to a window of the framework's class.
TEST_F(RunLoop, QuitEndsTheLoopAtTheNextPass) {
  for (bool sent : {true, false}) {
    SCOPED_TRACE(sent ? "sent" : "WM_QUIT");
    OpenApplication();
    HWND window = UnownedFrameworkWindow();
    if (sent)
      ov::tell(ov::send<0>("Quit"_sel, Application()));
    else
      SendMessageA(window, WM_QUIT, 0, 0);
    DestroyWindow(window);
    EXPECT_TRUE(ov::isFalse(ov::get("Active?"_attr, Application())));
    EXPECT_EQ(ov::send<0>("Run"_sel, Application()).status, ovTerminate);
    CloseApplication();
  }
}

// Quitting closes the documents in order; one that will not close (an open
// file that cannot be closed) abandons the quit and keeps the ones after it.
TEST_F(RunLoop, QuitClosesTheDocumentsUntilOneRefuses) {
  OpenMainWindow(MainWindowText());
  SetDefault(WindowText("Window"));
  ovRef first = ov::make("Window"_cls).take();
  ovRef last = ov::make("Window"_cls).take();
  for (ovC_object* window : {first.get(), last.get()}) ov::tell(ov::send<0>("Open"_sel, window, {nullptr}));
  ovRef stuck = Value(R"(<<File>> [ "File Reference": 7 ])");
  ov::set("Documents"_attr, Application(), ov::listOf({first, stuck, last}));
  ov::tell(ov::send<0>("Quit"_sel, Application()));
  EXPECT_EQ(ov::get("Window Record"_attr, first).get(), nullptr);
  EXPECT_NE(ov::get("Window Record"_attr, last).get(), nullptr);
  EXPECT_TRUE(ov::isTrue(ov::get("Active?"_attr, Application())));
  ov::set("Documents"_attr, Application(), ov::listOf({last}));
  ov::tell(ov::send<0>("Quit"_sel, Application()));
  EXPECT_EQ(ov::get("Window Record"_attr, last).get(), nullptr);
  EXPECT_TRUE(ov::isFalse(ov::get("Active?"_attr, Application())));
}

// Hiding or showing the cursor twice moves the display count once.
TEST_F(RunLoop, TheCursorIsHiddenAndShownOnceWhateverTheRepeats) {
  OpenApplication();
  ovRef cursors = ov::get("Cursor"_attr, Application());
  int shown = ShowCursor(TRUE) - 1;
  ShowCursor(FALSE);
  for (ovC_object* visible : {gdDefaultFalse, gdDefaultFalse})
    ov::tell(ov::send<0>("Set Visible?"_sel, cursors, {visible}));
  EXPECT_EQ(ShowCursor(FALSE) + 1, shown - 1);
  ShowCursor(TRUE);
  for (ovC_object* visible : {gdDefaultTrue, gdDefaultTrue})
    ov::tell(ov::send<0>("Set Visible?"_sel, cursors, {visible}));
  EXPECT_EQ(ShowCursor(FALSE) + 1, shown);
  ShowCursor(TRUE);
}

TEST_F(RunLoop, TheInitialBehaviorIsPostedAfterOpening) {
  OpenApplication();
  ovRef task = ov::make("Deferred Task"_cls).take();
  ov::set("Name"_attr, task, ov::text("Initial"));
  ov::set("When"_attr, task, ov::integer(INT32_MAX));
  ov::set("Initial Behavior"_attr, Application(), task);
  ov::tell(ov::send<0>("Post Initial"_sel, Application()));
  EXPECT_EQ(DeferredNames(), std::vector<std::string>{"Initial"});
}

TEST_F(RunLoop, TasksDueTogetherRunBackToBackInPostingOrder) {
  OpenApplication();
  RunUntilIdle();
  PostTask("later", 1 << 30);
  PostTask("first", 1);
  PostTask("second", 1);
  PostTask("third", 1);
  ov::tell(ov::send<0>("Post"_sel, Value(R"(<<Deferred Task>> [ "Name": "off" "Enabled?": FALSE "When": 1 ])")));
  EXPECT_EQ(DeferredNames(), (std::vector<std::string>{"first", "second", "third", "later"}));
  RunUntilIdle();
  EXPECT_EQ(DeferredNames(), (std::vector<std::string>{"later"}));
}

// After an idle pass with nothing due, the loop waits for the first deferred
// command's tick instead of spinning; nothing else needs to wake it, and
// nothing is left behind to wake it later.
TEST_F(RunLoop, ATaskDueLaterRunsAtItsTickWithNothingElseArriving) {
  OpenApplication();
  RunUntilIdle();
  auto due = static_cast<int32_t>(GetTickCount() + 50);
  PostTask("soon", due);
  RunUntilIdle();
  ASSERT_EQ(DeferredNames(), (std::vector<std::string>{"soon"}));
  int passes = 0;
  while (!DeferredNames().empty()) {
    ASSERT_EQ(ov::send<0>("Run"_sel, Application()).status, ovSuccess);
    ++passes;
  }
  EXPECT_GE(static_cast<int32_t>(GetTickCount()) - due, 0) << "it ran at its tick, not before";
  EXPECT_LE(passes, 2) << "the loop waited rather than spinning through idle passes";
  EXPECT_FALSE(QueueHoldsSomething());
  EXPECT_EQ(MsgWaitForMultipleObjectsEx(0, nullptr, 100, QS_ALLINPUT, MWMO_INPUTAVAILABLE), WAIT_TIMEOUT)
      << "no timer or post is left to wake the loop";
}

}  // namespace

namespace {

// A main window the platform refuses (a child window without a parent):
// the program says so, by the application's name or the program's when it
// has none, and ends with a failing status instead of running on with no
// window.
void runWithAnImpossibleMainWindow(void* nameless) {
  ov::set("Flags"_attr, ov::text("Main Window"), ov::integer(static_cast<int32_t>(WS_CHILD)));
  if (nameless) ov::set("Name"_attr, gTheApplication.get(), ov::text(""));
  ov::tell(ov::universal<0>("Application"_uni));
}

TEST(MainWindow, ThatCannotBeOpenedEndsTheProgramWithAMessage) {
  Watchdog watchdog;
  for (bool nameless : {false, true}) {
    ASSERT_TRUE(platform::headless::start());
    testing::internal::CaptureStderr();
    int status = ovRunProgram(GetModuleHandleA(nullptr), runWithAnImpossibleMainWindow, nameless ? &nameless : nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              std::string(nameless ? "velmaro" : "Velmaro") + ": its main window could not be opened.\n");
    EXPECT_EQ(status, 1);
  }
}

}  // namespace
