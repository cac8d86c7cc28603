#include "platform/user/scroll_bar_tracking.h"

#include "platform/user/modal_loop.h"
#include "platform/user/scroll_bars.h"

namespace platform::user {
namespace {

// Windows' pace for a held arrow or track: the first repeat after 200 ms,
// then one every 50 ms.
constexpr UINT kFirstRepeat = 200;
constexpr UINT kRepeat = 50;
// The timer the press repeats with; its WM_TIMER never reaches the window.
constexpr UINT_PTR kRepeatTimer = 0xFFFA;

struct Press {
  HWND hwnd = nullptr;
  int bar = SB_VERT;
  ScrollPart part = ScrollPart::None;
  bool overPart = true;
  POINT pointer{};     // window coordinates
  int grabOffset = 0;  // where in the thumb it was taken
  int trackPos = 0;
  bool released = false;
};

Press* current = nullptr;

UINT messageOf(const Press& p) { return p.bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL; }

void notify(const Press& p, WORD code, int position = 0) {
  SendMessageA(p.hwnd, messageOf(p), MAKEWPARAM(code, static_cast<WORD>(position)), 0);
}

WORD repeatedCode(ScrollPart part) {
  switch (part) {
    case ScrollPart::LineUp: return SB_LINEUP;
    case ScrollPart::LineDown: return SB_LINEDOWN;
    case ScrollPart::PageUp: return SB_PAGEUP;
    default: return SB_PAGEDOWN;
  }
}

// A point from a captured mouse message (client coordinates) in window
// coordinates.
POINT windowPoint(Window* w, LPARAM lParam) {
  POINT client = clientOrigin(w), window = windowOrigin(w);
  return {GET_X_LPARAM(lParam) + client.x - window.x, GET_Y_LPARAM(lParam) + client.y - window.y};
}

void setOverPart(Press& p, Window* w, bool over) {
  if (p.overPart == over) return;
  p.overPart = over;
  redrawScrollBar(w, p.bar);
}

void dragThumb(Press& p, Window* w, POINT at) {
  ScrollBarLayout layout = scrollBarLayoutOf(w, p.bar);
  int position = positionOfThumb(layout, scrollBarsOf(w, true)->of(p.bar), layout.along(at) - p.grabOffset);
  if (position == p.trackPos) return;
  p.trackPos = position;
  redrawScrollBar(w, p.bar);
  notify(p, SB_THUMBTRACK, position);
}

void moved(Press& p, Window* w, POINT at) {
  p.pointer = at;
  if (p.part == ScrollPart::Thumb) dragThumb(p, w, at);
  else setOverPart(p, w, scrollBarLayoutOf(w, p.bar).partAt(at) == p.part);
}

// The capture goes before the last notifications, as in Windows.
void released(Press& p) {
  p.released = true;
  KillTimer(p.hwnd, kRepeatTimer);
  ReleaseCapture();
  if (!windowFrom(p.hwnd)) return;
  if (p.part == ScrollPart::Thumb) notify(p, SB_THUMBPOSITION, p.trackPos);
  notify(p, SB_ENDSCROLL);
  if (Window* still = windowFrom(p.hwnd)) redrawScrollBar(still, p.bar);
}

// The part is looked for again each time: a page press stops once the
// thumb has come under the pointer.
void repeat(Press& p, Window* w) {
  SetTimer(p.hwnd, kRepeatTimer, kRepeat, nullptr);
  setOverPart(p, w, scrollBarLayoutOf(w, p.bar).partAt(p.pointer) == p.part);
  if (p.overPart) notify(p, repeatedCode(p.part));
}

class TrackingLoop : public ModalLoop {
 public:
  explicit TrackingLoop(Press& press) : press_(press) {}

  bool done() const override { return press_.released || !windowFrom(press_.hwnd) || GetCapture() != press_.hwnd; }

  bool preview(MSG& msg) override {
    Window* w = windowFrom(press_.hwnd);
    if (!w || msg.hwnd != press_.hwnd) return false;
    if (msg.message == WM_MOUSEMOVE) moved(press_, w, windowPoint(w, msg.lParam));
    else if (msg.message == WM_LBUTTONUP) released(press_);
    else if (msg.message == WM_TIMER && msg.wParam == kRepeatTimer) repeat(press_, w);
    else return false;
    return true;
  }

  void idle() override {}

 private:
  Press& press_;
};

void pressed(Press& p, Window* w, POINT at) {
  ScrollBarLayout layout = scrollBarLayoutOf(w, p.bar);
  p.part = layout.partAt(at);
  p.pointer = at;
  p.trackPos = scrollBarsOf(w, true)->of(p.bar).pos;
  SetCapture(p.hwnd);
  redrawScrollBar(w, p.bar);
  if (p.part == ScrollPart::Thumb) {
    p.grabOffset = layout.along(at) - layout.thumbStart;
    return;
  }
  SetTimer(p.hwnd, kRepeatTimer, kFirstRepeat, nullptr);
  notify(p, repeatedCode(p.part));
}

// Whether a press on the part does anything: not on a disabled arrow, nor
// anywhere on a bar whose arrows are both disabled.
bool takesPress(const ScrollBarState& s, ScrollPart part) {
  if (part == ScrollPart::None || s.disabledArrows == ESB_DISABLE_BOTH) return false;
  if (part == ScrollPart::LineUp) return !(s.disabledArrows & ESB_DISABLE_UP);
  if (part == ScrollPart::LineDown) return !(s.disabledArrows & ESB_DISABLE_DOWN);
  return true;
}

}  // namespace

void trackScrollBar(Window* w, int bar, POINT screen) {
  ScrollBars* bars = scrollBarsOf(w, false);
  if (!bars || current) return;
  POINT origin = windowOrigin(w);
  POINT at{screen.x - origin.x, screen.y - origin.y};
  if (!takesPress(bars->of(bar), scrollBarLayoutOf(w, bar).partAt(at))) return;
  auto alive = keepAlive(w);
  Press press{w->hwnd, bar};
  current = &press;
  pressed(press, w, at);
  TrackingLoop loop(press);
  runModalLoop(loop);
  if (!press.released) KillTimer(press.hwnd, kRepeatTimer);
  current = nullptr;
}

int trackingPosition(HWND window, int bar, int fallback) {
  bool dragging = current && !current->released && current->hwnd == window && current->bar == bar && current->part == ScrollPart::Thumb;
  return dragging ? current->trackPos : fallback;
}

ScrollPart pressedPart(HWND window, int bar) {
  if (!current || current->hwnd != window || current->bar != bar || current->released || !current->overPart)
    return ScrollPart::None;
  return current->part;
}

}  // namespace platform::user
