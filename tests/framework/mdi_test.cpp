// An application whose main window is a multiple-document frame: its child
// windows live in the main view's platform window, which hears their
// activation and destruction; the platform's frame and child defaults
// handle what the framework leaves; and with no active child to ask for,
// the front window and the document are not found.
#include <vector>

#include "archived_windows.h"
#include "framework_fixture.h"

namespace {

namespace headless = platform::headless;

// What the main view's platform window heard of the MDI messages.
struct Heard {
  UINT message;
  HWND child;
};
std::vector<Heard> gHeard;
WNDPROC gViewProcedure = nullptr;

LRESULT CALLBACK RecordingViewProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_MDIACTIVATE || message == WM_MDIDESTROY)
    gHeard.push_back({message, reinterpret_cast<HWND>(wParam)});
  return CallWindowProcA(gViewProcedure, hwnd, message, wParam, lParam);
}

class Mdi : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    gHeard.clear();
    ov::set("MDI?"_attr, Application(), gdDefaultTrue);
    OpenMainWindow(MainWindowText({{"View", ViewText("")}, {"Has Menubar?", "TRUE"}}));
    HWND client = ClientHandle();
    gViewProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(client, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RecordingViewProcedure)));
  }

  static HWND ClientHandle() { return RecordOf(ov::get("View"_attr, MainWindow()).get()); }
  static HWND RecordOf(ovC_object* object) { return ov::toHandle<HWND>(ov::get("Window Record"_attr, object)); }

  static ovRef OpenChild() {
    SetDefault(WindowText("Window", {{"Child?", "TRUE"}, {"Location", "{ 5 5 }"}, {"Size", "{ 80 120 }"}}));
    ovRef child = ov::make("Window"_cls).take();
    EXPECT_TRUE(ov::send<0>("Open"_sel, child, {nullptr}).succeeded());
    return child;
  }
};

TEST_F(Mdi, AChildLivesInTheMainViewWhichHearsItActivatedAndDestroyed) {
  ovRef child = OpenChild();
  HWND hwnd = RecordOf(child.get());
  ASSERT_NE(hwnd, nullptr);
  EXPECT_EQ(GetParent(hwnd), ClientHandle());
  EXPECT_NE(GetWindowLongPtrA(hwnd, GWL_EXSTYLE) & WS_EX_MDICHILD, 0);
  ASSERT_EQ(gHeard.size(), 1u);
  EXPECT_EQ(gHeard[0].message, static_cast<UINT>(WM_MDIACTIVATE));
  EXPECT_EQ(gHeard[0].child, hwnd);
  ov::tell(ov::send<0>("Close"_sel, child));
  ASSERT_EQ(gHeard.size(), 2u);
  EXPECT_EQ(gHeard[1].message, static_cast<UINT>(WM_MDIDESTROY));
  EXPECT_EQ(gHeard[1].child, hwnd);
  EXPECT_FALSE(IsWindow(hwnd)) << "the view destroys nothing: the closed child is destroyed all the same";
}

// The main view answers no "Get Active Child", so neither the front
// window nor the document is found, even with a child open (the menus'
// update asks in vain and enables "Exit" all the same, the application
// suspends and resumes without one); Ctrl+F4 would
// close the client's active child, and there is none to close.
TEST_F(Mdi, NoActiveChildIsFoundForTheFrontWindowTheDocumentOrTheSystemKeys) {
  ovRef child = OpenChild();
  HWND hwnd = RecordOf(child.get());
  EXPECT_TRUE(ov::universal("Get Front Window"_uni).failed());
  EXPECT_TRUE(ov::universal("Get Document"_uni).failed());
  HMENU file = GetSubMenu(GetMenu(MainWindowHandle()), 0);
  EnableMenuItem(file, 0, MF_BYPOSITION | MF_GRAYED);
  ov::tell(ov::universal<0>("Post Menu Update"_uni));
  RunUntilIdle();
  EXPECT_EQ(GetMenuState(file, 0, MF_BYPOSITION) & MF_GRAYED, 0u) << "the menus are brought up to date all the same";
  headless::switchAway();
  RunUntilIdle();
  EXPECT_TRUE(ov::isFalse(ov::get("Is Foreground?"_attr, Application()))) << "suspended with no front window";
  headless::switchBack(MainWindowHandle());
  RunUntilIdle();
  EXPECT_TRUE(ov::isTrue(ov::get("Is Foreground?"_attr, Application())));
  SetForegroundWindow(MainWindowHandle());
  headless::keyDown(VK_CONTROL);
  headless::pressKey(VK_F4);
  headless::keyUp(VK_CONTROL);
  RunUntilIdle();
  EXPECT_TRUE(IsWindow(hwnd));
  EXPECT_EQ(RecordOf(child.get()), hwnd);
  ov::tell(ov::send<0>("Close"_sel, child));
}

// What the framework does not handle of the frame's and the child's own
// messages still gets the platform's default: a new caption, hit tests
// in the middle and outside; a move and a resize get it beside the
// framework's own handling, which stores the new size.
TEST_F(Mdi, TheFrameAndTheChildStillGetTheDefaultHandling) {
  ovRef child = OpenChild();
  for (ovC_object* window : {MainWindow().get(), child.get()}) {
    HWND w = RecordOf(window);
    MoveWindow(w, 10, 20, 150, 100, TRUE);
    RunUntilIdle();
    POINT size = ov::toPOINT(ov::get("Size"_attr, window));
    EXPECT_EQ((Sides{size.x, size.y}), (Sides{150, 100}));
    SetWindowTextA(w, "Renamed");
    EXPECT_EQ(TextOf(w), "Renamed");
    RECT r{};
    GetWindowRect(w, &r);
    EXPECT_EQ(SendMessageA(w, WM_NCHITTEST, 0, MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2)), HTCLIENT);
    EXPECT_EQ(SendMessageA(w, WM_NCHITTEST, 0, MAKELPARAM(r.right + 1, r.top + 1)), HTNOWHERE);
  }
  ov::tell(ov::send<0>("Close"_sel, child));
}

}  // namespace
