// Scroll bars: a view's standard platform scroll bars as items that answer
// the control protocol the view uses for its "VScroll" and "HScroll".
//
// A scroll bar has no platform window of its own: it stands for one of its
// owner view's standard bars, the vertical one when the view sets its
// "Flags" to 3, the horizontal one when it sets 2. "Min", "Max" and
// "Control Value" are the bar's range and position, kept while the bar is
// closed and written through to the platform while it is open. The bar is
// disabled, never hidden, when there is nothing to scroll, so the view's
// size does not change under it.
//
// A press on the bar reaches "Mouse Down" as the view's "VSCROLL" or
// "HSCROLL" event: the bar moves by a line (an arrow), a page (the track,
// the view's visible extent less a line) or to where the thumb is dragged,
// and the view's scroll "Origin" follows, its items with it.
#include <algorithm>

#include "platform/win32.h"
#include "runtime/methods/kit.h"
#include "runtime/methods/platform_values.h"

namespace {

namespace sel {
const ovMethodSelector AdjustMinAndMax("Adjust Min and Max");
const ovMethodSelector AdjustOrigin("Adjust Origin");
const ovMethodSelector GetControlValue("Get Control Value");
const ovMethodSelector GetLocation("Get Location");
const ovMethodSelector GetOrigin("Get Origin");
const ovMethodSelector GetWindowOrigin("Get Window Origin");
const ovMethodSelector GetWindowRecord("Get Window Record");
const ovMethodSelector GetWParamHi("Get WParam Hi");
const ovMethodSelector GetWParamLo("Get WParam Lo");
const ovMethodSelector Open("Open");
const ovMethodSelector Close("Close");
const ovMethodSelector Redraw("Redraw");
const ovMethodSelector SetControlValue("Set Control Value");
const ovMethodSelector SetLocation("Set Location");
const ovMethodSelector ViewSize("View Size");
}  // namespace sel

namespace attr {
const ovAttributeSelector Active("Active?");
const ovAttributeSelector Content("Content");
const ovAttributeSelector ControlValue("Control Value");
const ovAttributeSelector Flags("Flags");
const ovAttributeSelector Max("Max");
const ovAttributeSelector Min("Min");
const ovAttributeSelector Origin("Origin");
const ovAttributeSelector Owner("Owner");
}  // namespace attr

namespace cls {
const ovClassName WindowItem("Window Item");
}  // namespace cls

// The "Flags" a view gives its vertical bar.
constexpr int32_t kVerticalFlags = 3;

bool isVertical(ovC_object* scroll) { return ov::toInt(ov::get(attr::Flags, scroll)) == kVerticalFlags; }
int barOf(ovC_object* scroll) { return isVertical(scroll) ? SB_VERT : SB_HORZ; }

// The owner view's platform window, NULL while the bar is closed.
HWND viewRecordOf(ovC_object* scroll) {
  ovRef view = ov::get(attr::Owner, scroll);
  if (!view) return nullptr;
  return ov::toHandle<HWND>(ov::send(sel::GetWindowRecord, view).get());
}

int32_t intOf(ovC_object* scroll, const ovAttributeSelector& attribute) {
  return ov::toInt(ov::get(attribute, scroll));
}

// Range, position and enabling as the bar holds them, shown by the
// platform's bar.
void showState(ovC_object* scroll) {
  HWND view = viewRecordOf(scroll);
  if (!view) return;
  SCROLLINFO info{sizeof(SCROLLINFO), SIF_RANGE | SIF_POS | SIF_DISABLENOSCROLL, intOf(scroll, attr::Min),
                  intOf(scroll, attr::Max), 0, intOf(scroll, attr::ControlValue), 0};
  SetScrollInfo(view, barOf(scroll), &info, TRUE);
  if (!ov::isTrue(ov::get(attr::Active, scroll))) EnableScrollBar(view, barOf(scroll), ESB_DISABLE_BOTH);
}

// How far one press moves: a line is an arrow's length, a page the view's
// visible extent less a line.
int32_t lineOf(ovC_object* scroll) { return GetSystemMetrics(isVertical(scroll) ? SM_CYVSCROLL : SM_CXHSCROLL); }

int32_t pageOf(ovC_object* scroll) {
  POINT size = ov::toPOINT(ov::send(sel::ViewSize, ov::get(attr::Owner, scroll).get()).get());
  int32_t extent = static_cast<int32_t>(isVertical(scroll) ? size.y : size.x);
  return std::max(lineOf(scroll), extent - lineOf(scroll));
}

// The value a scroll event asks for, from the current one.
int32_t valueAfter(ovC_object* scroll, ovC_object* event, int32_t value) {
  switch (ov::toInt(ov::send(sel::GetWParamLo, event).get())) {
    case SB_LINEUP: return value - lineOf(scroll);
    case SB_LINEDOWN: return value + lineOf(scroll);
    case SB_PAGEUP: return value - pageOf(scroll);
    case SB_PAGEDOWN: return value + pageOf(scroll);
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: return ov::toInt(ov::send(sel::GetWParamHi, event).get());
    case SB_TOP: return intOf(scroll, attr::Min);
    case SB_BOTTOM: return intOf(scroll, attr::Max);
    default: return value;
  }
}

// The view shows its content from the bar's value on: its origin moves,
// its items' platform windows with it, and it is drawn again.
void scrollView(ovC_object* scroll, int32_t value) {
  ovRef view = ov::get(attr::Owner, scroll);
  POINT origin = ov::toPOINT(ov::send(sel::GetOrigin, view.get()).get());
  if (isVertical(scroll)) origin.y = value;
  else origin.x = value;
  ov::set(attr::Origin, view, ov::point(origin.y, origin.x));
  if (ovRef owner = ov::get(attr::Owner, view))
    ov::send<0>(sel::AdjustOrigin, view, {ov::send(sel::GetWindowOrigin, owner).get()});
  ov::forEach(ov::get(attr::Content, view), [](ovC_object* item) {
    return ov::send<0>(sel::SetLocation, item, {ov::send(sel::GetLocation, item).get()}).status;
  });
  ov::send<0>(sel::Redraw, view, {gdDefaultTrue});
}

namespace scroll_bar {

// The view's "Limits" give the range from the start; the view keeps it up
// to date when its frame changes.
ovStatus Open(const ov::Args& a) {
  ov::sendAs<0>(cls::WindowItem, sel::Open, a.receiver(), {a[1]});
  ov::send<0>(sel::AdjustMinAndMax, a[1]);
  showState(a.receiver());
  return ovSuccess;
}

// The platform's bar stays with the view's window, which the view closes.
ovStatus Close(const ov::Args& a) { return ov::sendAs<0>(cls::WindowItem, sel::Close, a.receiver()).status; }

ovStatus SetActive(const ov::Args& a) {
  ov::set(attr::Active, a.receiver(), a[1]);
  showState(a.receiver());
  return ovSuccess;
}

ovStatus SetMin(const ov::Args& a) {
  ov::set(attr::Min, a.receiver(), a[1]);
  showState(a.receiver());
  return ovSuccess;
}

ovStatus SetMax(const ov::Args& a) {
  ov::set(attr::Max, a.receiver(), a[1]);
  showState(a.receiver());
  return ovSuccess;
}

// The position the platform's bar holds now.
ovStatus GetControlValue(const ov::Args& a) {
  ovC_object* scroll = a.receiver();
  if (HWND view = viewRecordOf(scroll)) ov::set(attr::ControlValue, scroll, ov::integer(GetScrollPos(view, barOf(scroll))));
  a.put(0, ov::get(attr::ControlValue, scroll));
  return ovSuccess;
}

ovStatus SetControlValue(const ov::Args& a) {
  ovC_object* scroll = a.receiver();
  ov::set(attr::ControlValue, scroll, a[1]);
  if (HWND view = viewRecordOf(scroll)) SetScrollPos(view, barOf(scroll), ov::toInt(a[1]), TRUE);
  return ovSuccess;
}

// A press on the bar, as the view's scroll event: a new value inside the
// range scrolls the view; an inactive bar takes no press.
ovStatus MouseDown(const ov::Args& a) {
  ovC_object* scroll = a.receiver();
  if (!ov::isTrue(ov::get(attr::Active, scroll))) return ovSuccess;
  int32_t value = ov::toInt(ov::send(sel::GetControlValue, scroll).get());
  int32_t wanted = std::clamp(valueAfter(scroll, a[2], value), intOf(scroll, attr::Min),
                              std::max(intOf(scroll, attr::Min), intOf(scroll, attr::Max)));
  if (wanted == value) return ovSuccess;
  ov::send<0>(sel::SetControlValue, scroll, {ov::integer(wanted)});
  scrollView(scroll, wanted);
  return ovSuccess;
}

}  // namespace scroll_bar

const ovClassDeclaration kScrollBarClass({
    .name = "Scroll Bar",
    .superclass = "Control",
    .methods = {{"Open", ov::routine<scroll_bar::Open>},
                {"Close", ov::routine<scroll_bar::Close>},
                {"Set Active?", ov::routine<scroll_bar::SetActive>},
                {"Set Min", ov::routine<scroll_bar::SetMin>},
                {"Set Max", ov::routine<scroll_bar::SetMax>},
                {"Get Control Value", ov::routine<scroll_bar::GetControlValue>},
                {"Set Control Value", ov::routine<scroll_bar::SetControlValue>},
                {"Mouse Down", ov::routine<scroll_bar::MouseDown>},
                {"Get Window Record", ov::nothing}},
});

}  // namespace
