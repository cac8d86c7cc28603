// What a screen reader is shown of the platform's windows: each control
// family's role, name, states, actions and text, edits changed as typing
// changes them and where their characters are, menus, standard scroll
// bars, the texts a window draws itself in reading order, and the events
// the platform tells.
#include <algorithm>
#include <vector>

#include "controls_fixture.h"
#include "platform/accessibility/accessible_tree.h"
#include "platform/accessibility/reading_order.h"
#include "platform/accessibility/win_events.h"
#include "sample_menu.h"

using namespace platform::accessibility;

namespace {

NodeId windowNode(HWND w) { return {NodeId::Kind::Window, w, nullptr, 0}; }

Tree& tree() { return windowTree(); }

struct ControlCase {
  const char* className;
  DWORD style;
  const char* text;
  Role role;
  const char* name;
  uint32_t states;
  bool clickable;
  // What its text interface reads, for nodes that have one.
  const char* reads;
};

const ControlCase kControls[] = {
    {"BUTTON", BS_PUSHBUTTON, "&Go", Role::PushButton, "Go", kFocusable | kEnabled, true, nullptr},
    {"BUTTON", BS_DEFPUSHBUTTON, "O&&K", Role::PushButton, "O&K", kFocusable | kEnabled, true, nullptr},
    {"BUTTON", BS_AUTOCHECKBOX, "&Bold", Role::CheckBox, "Bold", kCheckable | kFocusable, true, nullptr},
    {"BUTTON", BS_AUTORADIOBUTTON, "&Left", Role::RadioButton, "Left", kCheckable | kFocusable, true, nullptr},
    {"BUTTON", BS_GROUPBOX, "&Align", Role::Panel, "Align", kEnabled, false, nullptr},
    {"EDIT", ES_AUTOHSCROLL, "100", Role::Entry, "", kEditable | kSingleLine | kFocusable, false, "100"},
    {"EDIT", ES_MULTILINE, "a", Role::Text, "", kEditable | kMultiLine, false, "a"},
    {"EDIT", ES_READONLY, "r", Role::Entry, "", kReadOnly | kSingleLine, false, "r"},
    {"EDIT", ES_PASSWORD, "pw", Role::PasswordText, "", kEditable | kSingleLine | kFocusable, false, "**"},
    {"STATIC", SS_LEFT, "&Whole", Role::Label, "Whole", kEnabled | kVisible | kShowing, false, "Whole"},
    {"STATIC", SS_LEFT | SS_NOPREFIX, "A&B", Role::Label, "A&B", kEnabled, false, "A&B"},
};

class AccessibilityTest : public ControlsTest {};

TEST_F(AccessibilityTest, EachControlFamilyMapsAsWindowsDoes) {
  for (const ControlCase& c : kControls) {
    SCOPED_TRACE(std::string(c.className) + " " + c.text);
    HWND control = this->control(c.className, c.text, c.style, 7, {10, 10, 90, 30});
    Description d = tree().describe(windowNode(control));
    EXPECT_EQ(d.role, c.role);
    EXPECT_EQ(d.name, c.name);
    EXPECT_EQ(d.states & c.states, c.states);
    EXPECT_EQ(tree().actions(windowNode(control)), c.clickable ? std::vector<std::string>{"click"}
                                                               : std::vector<std::string>{});
    EXPECT_EQ(tree().hasText(windowNode(control)), c.reads != nullptr);
    EXPECT_EQ(tree().text(windowNode(control)), c.reads ? c.reads : "");
    DestroyWindow(control);
  }
}

// A check box clicked so shows its check.
TEST_F(AccessibilityTest, ClickGoesTheRoadOfAPersonsClick) {
  HWND button = control("BUTTON", "Go", BS_PUSHBUTTON, 7, {10, 10, 90, 30});
  HWND disabled = control("BUTTON", "No", BS_PUSHBUTTON | WS_DISABLED, 8, {10, 40, 90, 60});
  HWND box = control("BUTTON", "Bold", BS_AUTOCHECKBOX, 9, {10, 70, 90, 90});
  EXPECT_TRUE(tree().act(windowNode(button), 0));
  EXPECT_FALSE(tree().act(windowNode(disabled), 0));
  EXPECT_TRUE(tree().act(windowNode(box), 0));
  EXPECT_TRUE(notifications(button).empty());
  EXPECT_FALSE(tree().describe(windowNode(box)).states & kChecked);
  msglog::pump();
  EXPECT_EQ(notifications(button), std::vector<WORD>{BN_CLICKED});
  EXPECT_TRUE(tree().describe(windowNode(box)).states & kChecked);
}

TEST_F(AccessibilityTest, EditChangesAreTyped) {
  HWND edit = control("EDIT", "100", ES_AUTOHSCROLL | ES_NUMBER, 7, {10, 10, 90, 30});
  HWND readOnly = control("EDIT", "5", ES_READONLY, 8, {10, 40, 90, 60});
  msglog::clear();
  EXPECT_TRUE(tree().replace(windowNode(edit), 0, -1, "2x5"));
  EXPECT_EQ(tree().text(windowNode(edit)), "25");
  std::vector<WORD> codes = notifications(edit);
  EXPECT_EQ(std::count(codes.begin(), codes.end(), EN_CHANGE), 3);
  EXPECT_TRUE(tree().select(windowNode(edit), 1, 2));
  EXPECT_EQ(tree().selection(windowNode(edit)), std::make_pair(1, 2));
  EXPECT_FALSE(tree().replace(windowNode(readOnly), 0, -1, "7"));
  EXPECT_EQ(tree().text(windowNode(readOnly)), "5");
}

// The box font's characters are 6 pixels wide, 'W' 10, 10 high; text
// starts 2 pixels into the edit.
TEST_F(AccessibilityTest, AnEditTellsWhereItsCharactersAreAndItsFont) {
  HWND edit = control("EDIT", "aWb", ES_AUTOHSCROLL, 7, {10, 10, 90, 30}, 0, true);
  NodeId node = windowNode(edit);
  POINT origin{0, 0};
  ClientToScreen(edit, &origin);
  RECT w = tree().characterBox(node, 1);
  EXPECT_EQ(w.left, origin.x + 2 + 6);
  EXPECT_EQ(w.right - w.left, 10);
  EXPECT_EQ(w.bottom - w.top, 10);
  RECT past = tree().characterBox(node, 3);
  EXPECT_TRUE(IsRectEmpty(&past));
  EXPECT_EQ(tree().offsetAtPoint(node, {w.left + 1, w.top + 2}), 1);
  EXPECT_EQ(tree().offsetAtPoint(node, {w.right - 1, w.top + 2}), 1);
  EXPECT_EQ(tree().offsetAtPoint(node, {origin.x - 5, w.top + 2}), -1);
  TextFont font = tree().textFont(node);
  EXPECT_EQ(font.family, "Boxes");
  EXPECT_EQ(font.points, 8);
  EXPECT_EQ(font.weight, FW_NORMAL);
}

TEST_F(AccessibilityTest, MenusShowTheirItemsStatesAndChoices) {
  HMENU bar = makeMenuBar();
  CheckMenuItem(bar, kExit, MF_CHECKED);
  HWND w = topLevel(10, 10, 300, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE, bar);
  settle();
  std::vector<NodeId> top = tree().children(windowNode(w));
  ASSERT_FALSE(top.empty());
  ASSERT_EQ(tree().describe(top[0]).role, Role::MenuBar);
  std::vector<NodeId> menus = tree().children(top[0]);
  ASSERT_EQ(menus.size(), 2u);
  EXPECT_EQ(tree().describe(menus[0]).role, Role::Menu);
  EXPECT_EQ(tree().describe(menus[0]).name, "File");
  std::vector<NodeId> items = tree().children(menus[0]);
  ASSERT_EQ(items.size(), 5u);
  struct Expected {
    Role role;
    const char* name;
    const char* keys;
    uint32_t states;
  };
  const Expected expected[] = {{Role::MenuItem, "Open...", "Ctrl+O", kEnabled},
                               {Role::MenuItem, "Save", "", kEnabled},
                               {Role::Separator, "", "", 0},
                               {Role::MenuItem, "Print", "", 0},
                               {Role::CheckMenuItem, "Exit", "", kEnabled | kChecked}};
  for (size_t i = 0; i < items.size(); ++i) {
    Description d = tree().describe(items[i]);
    EXPECT_EQ(d.role, expected[i].role) << i;
    EXPECT_EQ(d.name, expected[i].name) << i;
    EXPECT_EQ(d.keyBinding, expected[i].keys) << i;
    EXPECT_EQ(d.states & (kEnabled | kChecked), expected[i].states) << i;
    EXPECT_FALSE(d.states & kShowing) << "a closed menu's items do not show";
    EXPECT_EQ(tree().parent(items[i]), menus[0]);
  }
  EXPECT_FALSE(tree().act(items[3], 0));
  EXPECT_TRUE(tree().act(items[0], 0));
  msglog::clear();
  msglog::pump();
  EXPECT_EQ(msglog::wParamsOf(WM_COMMAND), std::vector<WPARAM>{MAKEWPARAM(kOpen, 0)});
}

TEST_F(AccessibilityTest, ClickOpensAMenuWhoseItemsThenShow) {
  HWND w = topLevel(10, 10, 300, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE, makeMenuBar());
  settle();
  NodeId fileMenu = tree().children(tree().children(windowNode(w))[0])[0];
  NodeId open = tree().children(fileMenu)[0];
  uint32_t menuWhileOpen = 0, itemWhileOpen = 0;
  msglog::whenIdle([&] {
    menuWhileOpen = tree().describe(fileMenu).states;
    itemWhileOpen = tree().describe(open).states;
    platform::headless::pressKey(VK_ESCAPE);
    platform::headless::pressKey(VK_ESCAPE);
  });
  EXPECT_TRUE(tree().act(fileMenu, 0));
  msglog::pump();
  EXPECT_TRUE(menuWhileOpen & kSelected);
  EXPECT_TRUE(itemWhileOpen & kShowing);
  EXPECT_FALSE(tree().describe(fileMenu).states & kSelected);
  EXPECT_FALSE(tree().describe(open).states & kShowing);
}

TEST_F(AccessibilityTest, StandardScrollBarsHoldTheirPositionAndAreDraggedToAValue) {
  HWND w = topLevel(10, 10, 300, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL);
  SCROLLINFO info{sizeof info, SIF_ALL, 0, 100, 10, 30, 0};
  SetScrollInfo(w, SB_VERT, &info, TRUE);
  settle();
  std::vector<NodeId> bars;
  for (const NodeId& n : tree().children(windowNode(w)))
    if (tree().describe(n).role == Role::ScrollBar) bars.push_back(n);
  ASSERT_EQ(bars.size(), 2u);
  struct Expected {
    int bar;
    uint32_t orientation;
    double current, maximum;
  };
  for (const Expected& e : {Expected{SB_VERT, kVertical, 30, 91}, Expected{SB_HORZ, kHorizontal, 0, 100}}) {
    auto bar = std::find_if(bars.begin(), bars.end(), [&](const NodeId& n) { return n.index == e.bar; });
    ASSERT_NE(bar, bars.end());
    Description d = tree().describe(*bar);
    EXPECT_EQ(d.states & (kVertical | kHorizontal | kEnabled | kShowing), e.orientation | kEnabled | kShowing);
    EXPECT_FALSE(IsRectEmpty(&d.screenRect));
    std::optional<ValueRange> value = tree().value(*bar);
    ASSERT_TRUE(value);
    EXPECT_EQ(value->current, e.current);
    EXPECT_EQ(value->minimum, 0);
    EXPECT_EQ(value->maximum, e.maximum);
    EXPECT_EQ(value->increment, 1);
    EXPECT_EQ(tree().parent(*bar), windowNode(w));
  }
  NodeId vertical = bars[0].index == SB_VERT ? bars[0] : bars[1];
  msglog::clear();
  EXPECT_TRUE(tree().setValue(vertical, 95.4));
  msglog::pump();
  EXPECT_TRUE(msglog::matches({{WM_VSCROLL, msglog::Posted | msglog::WParam, MAKEWPARAM(SB_THUMBPOSITION, 91)},
                               {WM_VSCROLL, msglog::Posted | msglog::WParam, MAKEWPARAM(SB_ENDSCROLL, 0)}}));
}

// A window drawing two texts of its own and naming its edit.
LRESULT CALLBACK drawingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_GETDRAWNITEMS) return DefWindowProcA(hwnd, message, wParam, lParam);
  auto* ask = reinterpret_cast<DRAWNITEMS*>(lParam);
  POINT origin{0, 0};
  ClientToScreen(hwnd, &origin);
  DRAWNITEM items[3] = {{nullptr, {origin.x + 100, origin.y + 12, origin.x + 150, origin.y + 28}, "Larger", "62"},
                        {nullptr, {origin.x + 10, origin.y + 10, origin.x + 60, origin.y + 26}, "", "38"},
                        {GetWindow(hwnd, GW_CHILD), {}, "Whole", ""}};
  std::copy_n(items, std::min<UINT>(3, ask->cMax), ask->pItems);
  return 3;
}

TEST_F(AccessibilityTest, DrawnTextsAreLabelsInReadingOrder) {
  ASSERT_NE(msglog::registerClass("Drawing", drawingProc), 0);
  HWND w = CreateWindowExA(0, "Drawing", "Calc", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200, nullptr, nullptr,
                           nullptr, nullptr);
  HWND edit = CreateWindowExA(0, "EDIT", "100", WS_CHILD | WS_VISIBLE, 200, 10, 50, 20, w, nullptr, nullptr, nullptr);
  std::vector<std::string> names;
  for (const NodeId& n : tree().children(windowNode(w))) names.push_back(tree().describe(n).name);
  EXPECT_EQ(names, (std::vector<std::string>{"38", "Larger", "Whole"}));
  NodeId larger = tree().children(windowNode(w))[1];
  EXPECT_EQ(tree().describe(larger).role, Role::Label);
  EXPECT_EQ(tree().text(larger), "62");
  EXPECT_EQ(tree().parent(larger), windowNode(w));
  EXPECT_EQ(tree().describe(windowNode(w)).role, Role::Frame);
  EXPECT_EQ(tree().describe(windowNode(w)).name, "Calc");
  EXPECT_NE(std::find(tree().topLevels().begin(), tree().topLevels().end(), windowNode(w)), tree().topLevels().end());
  DestroyWindow(edit);
  DestroyWindow(w);
  EXPECT_TRUE(UnregisterClassA("Drawing", nullptr));
}

TEST(ReadingOrder, RowsTopToBottomEachLeftToRight) {
  // A row whose boxes sit a few pixels apart, a line, and a row below.
  std::vector<RECT> rects = {{300, 25, 350, 47}, {100, 25, 160, 41}, {190, 27, 250, 42},
                             {10, 79, 350, 80},  {100, 98, 160, 114}, {10, 98, 60, 114}};
  EXPECT_EQ(readingOrder(rects), (std::vector<size_t>{1, 2, 0, 3, 5, 4}));
}

struct HeardEvent {
  DWORD event;
  HWND window;
  LONG object;
};
std::vector<HeardEvent> gHeard;

void hear(DWORD event, HWND window, LONG object, LONG) { gHeard.push_back({event, window, object}); }

bool heard(DWORD event, HWND window, LONG object = OBJID_WINDOW) {
  return std::any_of(gHeard.begin(), gHeard.end(),
                     [&](const HeardEvent& e) { return e.event == event && e.window == window && e.object == object; });
}

TEST_F(AccessibilityTest, ThePlatformTellsWhatChanged) {
  listenToWinEvents(hear);
  gHeard.clear();
  HWND edit = control("EDIT", "1", ES_AUTOHSCROLL, 7, {10, 10, 90, 30});
  HWND button = control("BUTTON", "Go", BS_PUSHBUTTON, 8, {10, 40, 90, 60});
  SetFocus(edit);
  SendMessageA(edit, WM_CHAR, '2', 1);
  SetWindowTextA(button, "Went");
  ShowWindow(button, SW_HIDE);
  DestroyWindow(button);
  SetScrollPos(main_, SB_VERT, 5, FALSE);
  HWND other = topLevel(30, 30, 200, 100, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  SetActiveWindow(other);
  listenToWinEvents(nullptr);
  EXPECT_TRUE(heard(EVENT_OBJECT_CREATE, edit));
  EXPECT_TRUE(heard(EVENT_OBJECT_FOCUS, edit, OBJID_CLIENT));
  EXPECT_TRUE(heard(EVENT_OBJECT_VALUECHANGE, edit, OBJID_CLIENT));
  EXPECT_TRUE(heard(EVENT_OBJECT_LOCATIONCHANGE, edit, OBJID_CARET));
  EXPECT_TRUE(heard(EVENT_OBJECT_NAMECHANGE, button));
  EXPECT_TRUE(heard(EVENT_OBJECT_HIDE, button));
  EXPECT_TRUE(heard(EVENT_OBJECT_DESTROY, button));
  EXPECT_TRUE(heard(EVENT_OBJECT_VALUECHANGE, main_, OBJID_VSCROLL));
  EXPECT_TRUE(heard(EVENT_SYSTEM_FOREGROUND, other));
}

}  // namespace
