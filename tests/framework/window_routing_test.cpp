// What an open window does with its events: clicks reach the control or
// item under them, commands reach their control or menu, accelerators run
// their keys' behaviours, and paints draw through "Current Device", which
// holds nothing outside a paint.
#include <string>
#include <vector>

#include "archived_windows.h"
#include "framework_fixture.h"

namespace {

// A window's keys: one accelerator entry and the behaviour it runs.
std::string KeysText(const std::string& entry, const std::string& behavior) {
  return "<<Special Keys>> [ \"Keys\": ( ( <<Accelerator Entry>> [ " + entry + " ] " + behavior + " ) ) ]";
}

class WindowRouting : public FrameworkTest {
 protected:
  void OpenWith(const std::map<std::string, std::string>& given) { OpenMainWindow(MainWindowText(given)); }

  // A click at a point of the main window's client area.
  void ClickAt(int x, int y) {
    POINT p = OnScreen(x, y);
    platform::headless::click(p.x, p.y);
    RunUntilIdle();
  }
};

// An item without a platform window of its own is found by its view.
TEST_F(WindowRouting, AClickOnAnItemOfTheViewRunsItsClickBehavior) {
  std::string item =
      "<<Window Item>> [ \"Name\": \"Spot\" \"Frame\": { 50 100 80 160 } \"Active?\": TRUE "
      "\"Visible?\": TRUE \"Click Behavior\": " +
      RetitlingBehaviorText("Window Item Behavior", "Spot") + " ]";
  OpenWith({{"View", ViewText(item)}});
  std::string before = TextOf(MainWindowHandle());
  ClickAt(10, 10);
  EXPECT_EQ(TextOf(MainWindowHandle()), before) << "a click beside the item";
  ov::tell(ov::send<0>("Set Active?"_sel, Item("Spot"), {gdDefaultFalse}));
  ClickAt(130, 60);
  EXPECT_EQ(TextOf(MainWindowHandle()), before) << "an inactive item takes no click";
  ov::tell(ov::send<0>("Set Active?"_sel, Item("Spot"), {gdDefaultTrue}));
  ClickAt(130, 60);
  EXPECT_EQ(TextOf(MainWindowHandle()), "Spot");
}

// The File menu's Exit quits; a notification from a control that is not
// the window's, or of a code from no control, is dropped whatever its
// command number, and such a control's question for its colours gets no
// brush.
TEST_F(WindowRouting, AMenuCommandReachesTheMenubarAndAStrangeControlsCommandNothing) {
  OpenWith({{"Has Menubar?", "TRUE"}});
  HMENU bar = ov::toHandle<HMENU>(ov::send("Get Menubar Record"_sel, ov::get("Menubar"_attr, MainWindow())).get());
  ASSERT_EQ(GetMenu(MainWindowHandle()), bar);
  UINT exit = GetMenuItemID(GetSubMenu(bar, 0), 0);
  HWND stranger = CreateWindowExA(0, "BUTTON", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  SendMessageA(MainWindowHandle(), WM_COMMAND, MAKEWPARAM(exit, BN_CLICKED), reinterpret_cast<LPARAM>(stranger));
  EXPECT_TRUE(ov::isTrue(ov::get("Active?"_attr, Application())));
  SendMessageA(MainWindowHandle(), WM_COMMAND, MAKEWPARAM(exit, 2), 0);
  EXPECT_TRUE(ov::isTrue(ov::get("Active?"_attr, Application()))) << "neither a menu's nor an accelerator's";
  EXPECT_EQ(SendMessageA(MainWindowHandle(), WM_CTLCOLORBTN, 0, reinterpret_cast<LPARAM>(stranger)), 0);
  SendMessageA(MainWindowHandle(), WM_COMMAND, MAKEWPARAM(exit, 0), 0);
  EXPECT_TRUE(ov::isFalse(ov::get("Active?"_attr, Application())));
  DestroyWindow(stranger);
}

// An accelerator runs its behaviour for its key with exactly its
// modifiers: a virtual key, or, when case-sensitive, the character typed.
TEST_F(WindowRouting, AnAcceleratorRunsItsKeysBehaviorForItsKeyAndModifiersAlone) {
  struct Press {
    std::vector<UINT> held;
    UINT key;
  };
  const struct {
    const char* entry;
    const char* title;
    Press other, own;
  } keys[] = {
      {R"("Control?": TRUE "Character": "G" "Case Sensitive?": FALSE)", "Control G", {{}, 'G'}, {{VK_CONTROL}, 'G'}},
      {R"("Alt?": TRUE "Shift?": TRUE "Character": "K")", "Alt Shift K", {{VK_MENU}, 'K'}, {{VK_MENU, VK_SHIFT}, 'K'}},
      {R"("Control?": TRUE "Invert Menu?": TRUE "Character": "M")", "Control M", {{}, 'M'}, {{VK_CONTROL}, 'M'}},
      {R"("Case Sensitive?": TRUE "Character": "j")", "j", {{VK_SHIFT}, 'J'}, {{}, 'J'}},
  };
  std::string entries;
  for (const auto& k : keys)
    entries += std::string("( <<Accelerator Entry>> [ ") + k.entry + " ] " +
               RetitlingBehaviorText("Window Item Behavior", k.title) + " ) ";
  OpenWith({{"Key Behavior", "<<Special Keys>> [ \"Keys\": ( " + entries + ") ]"}});
  auto press = [this](const Press& p) {
    for (UINT held : p.held) platform::headless::keyDown(held);
    platform::headless::pressKey(p.key);
    for (auto held = p.held.rbegin(); held != p.held.rend(); ++held) platform::headless::keyUp(*held);
    RunUntilIdle();
    return TextOf(MainWindowHandle());
  };
  for (const auto& k : keys) {
    SCOPED_TRACE(k.title);
    std::string before = TextOf(MainWindowHandle());
    EXPECT_EQ(press(k.other), before);
    EXPECT_EQ(press(k.own), k.title);
  }
}

// A nested view's own keys run their behaviour.
TEST_F(WindowRouting, AnAcceleratorOfANestedViewsKeysRunsItsBehavior) {
  OpenWith({{"View", ViewText(R"(<<View>> [ "Name": "Keyed" "Frame": { 10 10 50 50 } "Active?": TRUE
      "Visible?": TRUE "Origin": { 0 0 } "Content": ( ) "Key Behavior": )" +
                              KeysText("\"Control?\": TRUE \"Character\": \"G\"",
                                       RetitlingBehaviorText("Window Item Behavior", "Keyed")) +
                              " ]")}});
  platform::headless::keyDown(VK_CONTROL);
  platform::headless::pressKey('G');
  platform::headless::keyUp(VK_CONTROL);
  RunUntilIdle();
  EXPECT_EQ(TextOf(MainWindowHandle()), "Keyed");
}

// Opening registers the keys' entries again; each stays in the window's
// accelerators once.
TEST_F(WindowRouting, AWindowOpenedAgainHoldsEachAcceleratorOnceAndItStillRuns) {
  OpenWith({});
  SetDefault(
      WindowText("Window", {{"Location", "{ 300 300 }"},
                            {"Key Behavior", KeysText("\"Control?\": TRUE \"Character\": \"G\"",
                                                      RetitlingBehaviorText("Window Item Behavior", "Fired"))}}));
  ovRef window = ov::make("Window"_cls).take();
  ov::tell(ov::send<0>("Open"_sel, window, {nullptr}));
  ov::tell(ov::send<0>("Close"_sel, window));
  ov::tell(ov::send<0>("Open"_sel, window, {nullptr}));
  RunUntilIdle();
  EXPECT_EQ(ov::length(ov::get("Accelerators"_attr, window)), 1u);
  platform::headless::keyDown(VK_CONTROL);
  platform::headless::pressKey('G');
  platform::headless::keyUp(VK_CONTROL);
  RunUntilIdle();
  EXPECT_EQ(TextOf(ov::toHandle<HWND>(ov::get("Window Record"_attr, window))), "Fired");
  ov::tell(ov::send<0>("Close"_sel, window));
}

// The Enter key as the framework's data gives it: "Default" on the window,
// which passes it to the default button.
// Enter acts on the window's default item: nothing happens without one,
// with a name no item has, or while the button is inactive.
TEST_F(WindowRouting, EnterRunsTheDefaultButtonsClickBehaviorWhileItIsActive) {
  std::string enter =
      "<<Window Item Behavior>> [ \"Enabled?\": TRUE \"Undo?\": FALSE \"Method\": \"/Default\" \"Specifiers\": ( "
      "<<Attribute Specifier>> [ \"Value\": \"Window\" ] <<Attribute Specifier>> [ \"Value\": \"Event\" ] ) ]";
  std::string buttons = ButtonText("Other", "{ 40 10 60 70 }") +
                        ButtonText("Go", "{ 10 10 30 70 }",
                                   "\"Click Behavior\": " + RetitlingBehaviorText("Control Behavior", "Entered"));
  OpenWith({{"View", ViewText(buttons)},
            {"Default Item", "\"Go\""},
            {"Key Behavior", KeysText("\"Character\": \"\r\" \"Case Sensitive?\": FALSE", enter)}});
  const std::string before = TextOf(MainWindowHandle());
  const struct {
    const char* defaultItem;
    bool active;
    std::string caption;
  } steps[] = {{"", true, before}, {"Nowhere", true, before}, {"Go", false, before}, {"Go", true, "Entered"}};
  for (const auto& step : steps) {
    SCOPED_TRACE(std::string(step.defaultItem) + (step.active ? " active" : " inactive"));
    ov::set("Default Item"_attr, MainWindow(), ov::text(step.defaultItem));
    ov::tell(ov::send<0>("Set Active?"_sel, Item("Go"), {ov::boolean(step.active)}));
    platform::headless::pressKey(VK_RETURN);
    RunUntilIdle();
    EXPECT_EQ(TextOf(MainWindowHandle()), step.caption);
  }
}

// A view erases its own background; the window itself leaves its erase to
// the view and answers 0. After the paints nothing holds a device.
// A transparent item shows the view's background around what it draws.
TEST_F(WindowRouting, PaintsDrawTheViewsBackgroundThroughTheCurrentDevice) {
  OpenWith({{"View", ViewText(R"(<<Graphic Item>> [ "Name": "Clear" "Frame": { 10 10 30 60 } "Active?": TRUE
                                   "Visible?": TRUE "Transparent?": TRUE "Graphic": <<Text>> [ "Text": "" ] ])",
                              "\"Background\": <<Background>> [ \"Color\": { 0 0 65535 } ]")}});
  EXPECT_EQ(ClientPixel(100, 80), 0x0000FFu);
  EXPECT_EQ(ClientPixel(20, 20), 0x0000FFu);
  EXPECT_EQ(gCurrentDevice.peek(), nullptr);
  HWND view = ov::toHandle<HWND>(ov::get("Window Record"_attr, ov::get("View"_attr, MainWindow())));
  HDC dc = GetDC(view);
  EXPECT_EQ(SendMessageA(view, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 1);
  EXPECT_EQ(SendMessageA(MainWindowHandle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 0);
  ReleaseDC(view, dc);
  EXPECT_EQ(gCurrentDevice.peek(), nullptr);
}

// The desktop gives an event the default handling: a paint is validated.
// A window told to update without an event paints what is pending at once.
TEST_F(WindowRouting, AnUpdateLeavesNothingPending) {
  OpenWith({{"View", ViewText("", "\"Background\": <<Background>> [ \"Color\": { 0 0 65535 } ]")}});
  InvalidateRect(MainWindowHandle(), nullptr, FALSE);
  ovRef event =
      Value(R"(<<Event>> [ "Platform Event": <<Platform Event>> [ "Message": 15 "WParam": 0 "LParam": 0 ] ])");
  ov::set("HWnd"_attr, ov::get("Platform Event"_attr, event), ov::handleValue(MainWindowHandle()));
  ov::tell(ov::send<0>("Update"_sel, Desktop(), {event}));
  EXPECT_FALSE(GetUpdateRect(MainWindowHandle(), nullptr, FALSE));
  HWND view = ov::toHandle<HWND>(ov::get("Window Record"_attr, ov::get("View"_attr, MainWindow())));
  RECT corner{0, 0, 10, 10};
  HDC dc = GetDC(view);
  FillRect(dc, &corner, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  ReleaseDC(view, dc);
  InvalidateRect(view, &corner, TRUE);
  ov::tell(ov::send<0>("Update"_sel, MainWindow(), {gdDefaultNone}));
  EXPECT_FALSE(GetUpdateRect(view, nullptr, FALSE));
  EXPECT_EQ(ClientPixel(5, 5), 0x0000FFu);
}

// An event answers for the message it carries: whether it is a command,
// and whether a WM_ACTIVATE activates (by a click too) or deactivates;
// without a record its place is (0, 0).
TEST_F(WindowRouting, AnEventAnswersWhetherItIsACommandAndWhetherItActivates) {
  const struct {
    UINT message;
    WPARAM wParam;
    bool command, activates;
  } cases[] = {{WM_COMMAND, 1, true, true},
               {WM_ACTIVATE, WA_INACTIVE, false, false},
               {WM_ACTIVATE, WA_ACTIVE, false, true},
               {WM_ACTIVATE, WA_CLICKACTIVE, false, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.message) + " " + std::to_string(c.wParam));
    ovRef event = Value(R"(<<Event>> [ "Platform Event": <<Platform Event>> [ "Message": )" +
                        std::to_string(c.message) + R"( "WParam": )" + std::to_string(c.wParam) + " ] ]");
    EXPECT_EQ(ov::send<0>("Is Command?"_sel, event).succeeded(), c.command);
    EXPECT_EQ(ov::isTrue(ov::send("Get Activate Flag"_sel, event).get()), c.activates);
    POINT where = ov::toPOINT(ov::send("Get Where"_sel, event).get());
    EXPECT_EQ((Sides{where.x, where.y}), (Sides{0, 0})) << "no record, no place";
  }
}

// Over a window without a view, the pointer is the arrow and no help is
// shown; a screen reader hears of nothing it draws.
TEST_F(WindowRouting, OffAnyViewThePointerIsTheArrowAndNoHelpIsShown) {
  OpenWith({});
  ov::set("Last Help"_attr, Desktop(), ov::text("help"));
  SetCursor(nullptr);
  POINT off = OnScreen(150, 150);
  platform::headless::moveMouse(off.x, off.y);
  RunUntilIdle();
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_ARROW));
  EXPECT_EQ(ov::get("Last Help"_attr, Desktop()).get(), nullptr);
  DRAWNITEM entries[2] = {};
  DRAWNITEMS question{sizeof(DRAWNITEMS), 2, entries};
  EXPECT_EQ(SendMessageA(MainWindowHandle(), WM_GETDRAWNITEMS, 0, reinterpret_cast<LPARAM>(&question)), 0);
}

}  // namespace
