// The "BUTTON" class: push buttons, default push buttons, check boxes,
// three-state boxes, radio buttons and group boxes, chosen by the low four
// bits of the style (kKinds).
//
// A button is pushed while the left mouse button, pressed inside it, is
// held there (the button keeps the capture), or while the space bar is held
// with the focus on it. Letting go inside, or of the space bar, clicks it:
// an automatic kind changes its check first (an automatic radio button
// clears the other radio buttons of its group), then the parent hears
// WM_COMMAND with BN_CLICKED. BM_CLICK sends the button WM_LBUTTONDOWN and
// WM_LBUTTONUP, so it takes the focus and clicks as the mouse does.
// BM_SETSTYLE changes the kind, as the dialog manager does to move the
// default push button.
// Push buttons ask the parent with WM_CTLCOLORBTN but always draw in the
// system colours; check boxes, radio buttons and group boxes ask with
// WM_CTLCOLORSTATIC and paint their background with the brush answered.
//
// Not supported: owner-drawn buttons, images, BS_PUSHLIKE and the text
// alignment styles.
#include "platform/controls/builtin_procs.h"
#include "platform/controls/button_marks.h"
#include "platform/controls/control_support.h"

namespace platform::controls {
namespace {

struct ButtonState {
  HFONT font = nullptr;
  UINT check = BST_UNCHECKED;
  bool pushed = false;
  bool mouseHeld = false;
  bool spaceHeld = false;
  bool focused = false;
};

enum class Toggle { None, TwoState, ThreeState, Radio };

struct PaintContext {
  HWND hwnd;
  HDC hdc;
  RECT client;
  const ButtonState& state;
  bool enabled;
  const char* text;
};

void paintPush(const PaintContext& c);
void paintCheckBox(const PaintContext& c);
void paintRadio(const PaintContext& c);
void paintGroup(const PaintContext& c);

struct ButtonKind {
  void (*paint)(const PaintContext&);
  UINT dialogCode;
  Toggle toggle;
  bool clickable;
  bool checkable;
};

const ButtonKind kPush{paintPush, DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON, Toggle::None, true, false};

// Indexed by the style's low four bits; the kinds this layer does not draw
// (user, push box, owner-drawn and the unused numbers) behave as push
// buttons.
const ButtonKind kKinds[16] = {
    kPush,                                                          // BS_PUSHBUTTON
    {paintPush, DLGC_BUTTON | DLGC_DEFPUSHBUTTON, Toggle::None, true, false},  // BS_DEFPUSHBUTTON
    {paintCheckBox, DLGC_BUTTON, Toggle::None, true, true},                    // BS_CHECKBOX
    {paintCheckBox, DLGC_BUTTON, Toggle::TwoState, true, true},                // BS_AUTOCHECKBOX
    {paintRadio, DLGC_BUTTON | DLGC_RADIOBUTTON, Toggle::None, true, true},    // BS_RADIOBUTTON
    {paintCheckBox, DLGC_BUTTON, Toggle::None, true, true},                    // BS_3STATE
    {paintCheckBox, DLGC_BUTTON, Toggle::ThreeState, true, true},              // BS_AUTO3STATE
    {paintGroup, DLGC_STATIC, Toggle::None, false, false},                     // BS_GROUPBOX
    kPush,
    {paintRadio, DLGC_BUTTON | DLGC_RADIOBUTTON, Toggle::Radio, true, true},  // BS_AUTORADIOBUTTON
    kPush,
    kPush,
    kPush,
    kPush,
    kPush,
    kPush,
};

DWORD styleOf(HWND hwnd) { return static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE)); }
const ButtonKind& kindOf(HWND hwnd) { return kKinds[styleOf(hwnd) & BS_TYPEMASK]; }
bool isThreeState(HWND hwnd) {
  DWORD type = styleOf(hwnd) & BS_TYPEMASK;
  return type == BS_3STATE || type == BS_AUTO3STATE;
}

void redraw(HWND hwnd) { InvalidateRect(hwnd, nullptr, FALSE); }

// --- Drawing ---------------------------------------------------------------

void fillSys(HDC hdc, RECT r, int color) { FillRect(hdc, &r, GetSysColorBrush(color)); }

// The raised push-button edge: highlight and darkest shadow outside, light
// and shadow inside.
void raisedEdge(HDC hdc, RECT& r) {
  fillSys(hdc, {r.left, r.top, r.right - 1, r.top + 1}, COLOR_3DHIGHLIGHT);
  fillSys(hdc, {r.left, r.top, r.left + 1, r.bottom - 1}, COLOR_3DHIGHLIGHT);
  fillSys(hdc, {r.left, r.bottom - 1, r.right, r.bottom}, COLOR_3DDKSHADOW);
  fillSys(hdc, {r.right - 1, r.top, r.right, r.bottom}, COLOR_3DDKSHADOW);
  InflateRect(&r, -1, -1);
  fillSys(hdc, {r.left, r.top, r.right - 1, r.top + 1}, COLOR_3DLIGHT);
  fillSys(hdc, {r.left, r.top, r.left + 1, r.bottom - 1}, COLOR_3DLIGHT);
  fillSys(hdc, {r.left, r.bottom - 1, r.right, r.bottom}, COLOR_3DSHADOW);
  fillSys(hdc, {r.right - 1, r.top, r.right, r.bottom}, COLOR_3DSHADOW);
  InflateRect(&r, -1, -1);
}

void drawLabel(const PaintContext& c, RECT box, UINT format) {
  if (!c.enabled) {
    drawEtchedText(c.hdc, c.text, box, format);
    return;
  }
  SetBkMode(c.hdc, TRANSPARENT);
  DrawTextA(c.hdc, c.text, -1, &box, format);
}

void paintPush(const PaintContext& c) {
  parentColors(c.hwnd, c.hdc, WM_CTLCOLORBTN);
  RECT r = c.client;
  bool isDefault = (styleOf(c.hwnd) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
  if (isDefault || c.state.pushed) {
    FrameRect(c.hdc, &r, GetSysColorBrush(COLOR_WINDOWFRAME));
    InflateRect(&r, -1, -1);
  }
  if (c.state.pushed) {
    FrameRect(c.hdc, &r, GetSysColorBrush(COLOR_3DSHADOW));
    InflateRect(&r, -1, -1);
  } else {
    raisedEdge(c.hdc, r);
  }
  fillSys(c.hdc, r, COLOR_3DFACE);
  RECT label = r;
  if (c.state.pushed) OffsetRect(&label, 1, 1);
  SetTextColor(c.hdc, GetSysColor(COLOR_BTNTEXT));
  drawLabel(c, label, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  if (!c.state.focused) return;
  RECT focus = c.client;
  InflateRect(&focus, -4, -4);
  DrawFocusRect(c.hdc, &focus);
}

// Check boxes and radio buttons: the mark at the left, centred vertically,
// the text after it, and the focus frame around the text.
void paintMarkAndText(const PaintContext& c, bool radio) {
  HBRUSH background = parentColors(c.hwnd, c.hdc, WM_CTLCOLORSTATIC);
  FillRect(c.hdc, &c.client, background);
  int top = (c.client.bottom - c.client.top - kMarkSize) / 2;
  MarkLook look{c.state.check, c.state.pushed, c.enabled};
  if (radio) drawRadioMark(c.hdc, c.client.left, top, look);
  else drawCheckMark(c.hdc, c.client.left, top, look);
  RECT text{c.client.left + kMarkSize + 4, c.client.top, c.client.right, c.client.bottom};
  drawLabel(c, text, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
  if (!c.state.focused) return;
  RECT extent = text;
  DrawTextA(c.hdc, c.text, -1, &extent, DT_LEFT | DT_SINGLELINE | DT_CALCRECT);
  int height = extent.bottom - extent.top;
  RECT focus{extent.left - 1, (text.top + text.bottom - height) / 2 - 1, extent.right + 1,
             (text.top + text.bottom + height) / 2 + 1};
  IntersectRect(&focus, &focus, &c.client);
  DrawFocusRect(c.hdc, &focus);
}

void paintCheckBox(const PaintContext& c) { paintMarkAndText(c, false); }
void paintRadio(const PaintContext& c) { paintMarkAndText(c, true); }

// A group box: an etched frame from the middle of the first text line
// down, broken at the top-left by its text.
void paintGroup(const PaintContext& c) {
  HBRUSH background = parentColors(c.hwnd, c.hdc, WM_CTLCOLORSTATIC);
  FillRect(c.hdc, &c.client, background);
  TEXTMETRICA tm;
  GetTextMetricsA(c.hdc, &tm);
  RECT frame = c.client;
  frame.top += tm.tmHeight / 2;
  DrawEdge(c.hdc, &frame, EDGE_ETCHED, BF_RECT);
  if (!*c.text) return;
  RECT text{c.client.left + 8, c.client.top, c.client.right - 8, c.client.top + tm.tmHeight};
  DrawTextA(c.hdc, c.text, -1, &text, DT_LEFT | DT_SINGLELINE | DT_CALCRECT);
  RECT gap{text.left - 2, text.top, text.right + 2, text.bottom};
  FillRect(c.hdc, &gap, background);
  drawLabel(c, text, DT_LEFT | DT_SINGLELINE);
}

void draw(HWND hwnd, const ButtonState& state, HDC hdc) {
  HGDIOBJ oldFont = SelectObject(hdc, fontOrSystem(state.font));
  char text[512];
  GetWindowTextA(hwnd, text, sizeof text);
  kindOf(hwnd).paint({hwnd, hdc, clientRect(hwnd), state, IsWindowEnabled(hwnd) != FALSE, text});
  SelectObject(hdc, oldFont);
}

LRESULT paint(HWND hwnd, ButtonState& state) {
  PAINTSTRUCT ps;
  HDC hdc = BeginPaint(hwnd, &ps);
  if (!hdc) return 0;
  draw(hwnd, state, hdc);
  EndPaint(hwnd, &ps);
  return 0;
}

// --- Checks and clicks -----------------------------------------------------

bool isRadio(HWND hwnd) { return kindOf(hwnd).dialogCode & DLGC_RADIOBUTTON; }

void setStyleBits(HWND hwnd, DWORD mask, DWORD bits) {
  SetWindowLongPtrA(hwnd, GWL_STYLE, static_cast<LONG_PTR>((styleOf(hwnd) & ~mask) | bits));
}

// A radio button is a tab stop while it is checked, so Tab into its group
// lands on the checked one.
void setCheck(HWND hwnd, ButtonState& state, WPARAM check) {
  if (!kindOf(hwnd).checkable) return;
  if (isRadio(hwnd)) setStyleBits(hwnd, WS_TABSTOP, check ? WS_TABSTOP : 0);
  UINT value = check == BST_INDETERMINATE && isThreeState(hwnd) ? BST_INDETERMINATE : check ? BST_CHECKED : BST_UNCHECKED;
  if (value == state.check) return;
  state.check = value;
  redraw(hwnd);
  NotifyWinEvent(EVENT_OBJECT_STATECHANGE, hwnd, OBJID_CLIENT, CHILDID_SELF);
}

// An automatic radio button that is clicked is checked and every other
// radio button of its group cleared. The walk round the group stops where
// it began, or, for a hidden or disabled button (which the walk passes
// by), where it first came back to.
void checkWithinGroup(HWND hwnd) {
  HWND parent = GetParent(hwnd);
  HWND w = hwnd, first = nullptr;
  do {
    if (SendMessageA(w, WM_GETDLGCODE, 0, 0) == (DLGC_BUTTON | DLGC_RADIOBUTTON))
      SendMessageA(w, BM_SETCHECK, w == hwnd ? BST_CHECKED : BST_UNCHECKED, 0);
    w = GetNextDlgGroupItem(parent, w, FALSE);
    if (w == first) break;
    if (!first) first = w;
  } while (w && w != hwnd);
}

// An automatic kind changes its check as it is clicked.
void toggle(HWND hwnd, ButtonState& state) {
  switch (kindOf(hwnd).toggle) {
    case Toggle::TwoState: setCheck(hwnd, state, state.check == BST_UNCHECKED); break;
    case Toggle::ThreeState: setCheck(hwnd, state, (state.check + 1) % 3); break;
    case Toggle::Radio: checkWithinGroup(hwnd); break;
    case Toggle::None: break;
  }
}

void setPushed(HWND hwnd, ButtonState& state, bool pushed) {
  if (state.pushed == pushed) return;
  state.pushed = pushed;
  redraw(hwnd);
}

bool inside(HWND hwnd, LPARAM lParam) {
  RECT client = clientRect(hwnd);
  return PtInRect(&client, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
}

// --- Mouse and keyboard ----------------------------------------------------

LRESULT buttonDown(HWND hwnd, ButtonState& state) {
  if (!kindOf(hwnd).clickable) return 0;
  state.mouseHeld = true;
  if (GetFocus() != hwnd) SetFocus(hwnd);
  if (!IsWindow(hwnd)) return 0;
  SetCapture(hwnd);
  setPushed(hwnd, state, true);
  return 0;
}

LRESULT mouseMove(HWND hwnd, ButtonState& state, LPARAM lParam) {
  if (state.mouseHeld) setPushed(hwnd, state, inside(hwnd, lParam));
  return 0;
}

LRESULT buttonUp(HWND hwnd, ButtonState& state, LPARAM lParam) {
  if (!state.mouseHeld) return 0;
  state.mouseHeld = false;
  bool clicked = inside(hwnd, lParam);
  setPushed(hwnd, state, false);
  if (clicked) toggle(hwnd, state);
  ReleaseCapture();
  if (clicked) notifyParent(hwnd, BN_CLICKED);
  return 0;
}

LRESULT captureChanged(HWND hwnd, ButtonState& state, LPARAM lParam) {
  if (state.mouseHeld && reinterpret_cast<HWND>(lParam) != hwnd) {
    state.mouseHeld = false;
    setPushed(hwnd, state, false);
  }
  return 0;
}

LRESULT keyDown(HWND hwnd, ButtonState& state, WPARAM key, LPARAM lParam) {
  bool repeat = (lParam >> 30) & 1;
  if (key != VK_SPACE || repeat || !kindOf(hwnd).clickable) return 0;
  state.spaceHeld = true;
  setPushed(hwnd, state, true);
  return 0;
}

LRESULT keyUp(HWND hwnd, ButtonState& state, WPARAM key) {
  if (key != VK_SPACE || !state.spaceHeld) return 0;
  state.spaceHeld = false;
  setPushed(hwnd, state, false);
  toggle(hwnd, state);
  notifyParent(hwnd, BN_CLICKED);
  return 0;
}

LRESULT clickByMessage(HWND hwnd) {
  SendMessageA(hwnd, WM_LBUTTONDOWN, 0, 0);
  if (IsWindow(hwnd)) SendMessageA(hwnd, WM_LBUTTONUP, 0, 0);
  return 0;
}

// Gaining the focus draws the focus rectangle at once; a button losing it
// is drawn again at the next WM_PAINT, as Windows' buttons are. An
// unchecked radio button given the focus otherwise than by the mouse (the
// arrow keys, Tab) tells its parent it was clicked.
LRESULT focusChanged(HWND hwnd, ButtonState& state, bool focused) {
  state.focused = focused;
  if (!focused) {
    state.spaceHeld = false;
    if (state.mouseHeld) ReleaseCapture();
    setPushed(hwnd, state, false);
  }
  if (focused) drawNow(hwnd, [&](HDC hdc) { draw(hwnd, state, hdc); });
  else redraw(hwnd);
  if (styleOf(hwnd) & BS_NOTIFY) notifyParent(hwnd, focused ? BN_SETFOCUS : BN_KILLFOCUS);
  if (focused && isRadio(hwnd) && state.check == BST_UNCHECKED && !state.mouseHeld) notifyParent(hwnd, BN_CLICKED);
  return 0;
}

// --- Messages --------------------------------------------------------------

UINT buttonState(const ButtonState& state) {
  return state.check | (state.pushed ? BST_PUSHED : 0) | (state.focused ? BST_FOCUS : 0);
}

LRESULT setFont(HWND hwnd, ButtonState& state, WPARAM font, LPARAM redrawNow) {
  state.font = reinterpret_cast<HFONT>(font);
  if (redrawNow) redraw(hwnd);
  return 0;
}

LRESULT setKind(HWND hwnd, WPARAM kind, LPARAM redrawNow) {
  setStyleBits(hwnd, BS_TYPEMASK, kind & BS_TYPEMASK);
  if (redrawNow) redraw(hwnd);
  return 0;
}

LRESULT setText(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = DefWindowProcA(hwnd, message, wParam, lParam);
  redraw(hwnd);
  return result;
}

LRESULT handle(HWND hwnd, ButtonState& state, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: return paint(hwnd, state);
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return buttonDown(hwnd, state);
    case WM_MOUSEMOVE: return mouseMove(hwnd, state, lParam);
    case WM_LBUTTONUP: return buttonUp(hwnd, state, lParam);
    case WM_CAPTURECHANGED: return captureChanged(hwnd, state, lParam);
    case WM_KEYDOWN: return keyDown(hwnd, state, wParam, lParam);
    case WM_KEYUP: return keyUp(hwnd, state, wParam);
    case WM_SETFOCUS: return focusChanged(hwnd, state, true);
    case WM_KILLFOCUS: return focusChanged(hwnd, state, false);
    case WM_ENABLE: redraw(hwnd); return 0;
    case WM_SETTEXT: return setText(hwnd, message, wParam, lParam);
    case WM_SETFONT: return setFont(hwnd, state, wParam, lParam);
    case WM_GETFONT: return reinterpret_cast<LRESULT>(state.font);
    case WM_GETDLGCODE: return kindOf(hwnd).dialogCode;
    case WM_NCHITTEST:
      return kindOf(hwnd).clickable ? DefWindowProcA(hwnd, message, wParam, lParam) : HTTRANSPARENT;
    case BM_GETCHECK: return state.check;
    case BM_SETCHECK: setCheck(hwnd, state, wParam); return 0;
    case BM_GETSTATE: return buttonState(state);
    case BM_SETSTATE: setPushed(hwnd, state, wParam != 0); return 0;
    case BM_SETSTYLE: return setKind(hwnd, wParam, lParam);
    case BM_CLICK: return clickByMessage(hwnd);
    default: return DefWindowProcA(hwnd, message, wParam, lParam);
  }
}

}  // namespace

LRESULT CALLBACK buttonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return withState<ButtonState>(hwnd, message, wParam, lParam, handle);
}

}  // namespace platform::controls
