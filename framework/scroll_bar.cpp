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

#include "framework/event_message.h"
#include "platform/win32.h"
#include "runtime/methods/kit.h"
#include "runtime/methods/platform_values.h"

namespace {

// The "Flags" a view gives its vertical bar.
constexpr int32_t kVerticalFlags = 3;

bool isVertical(ovC_object* scroll) { return ov::toInt(ov::get("Flags"_attr, scroll)) == kVerticalFlags; }
int barOf(ovC_object* scroll) { return isVertical(scroll) ? SB_VERT : SB_HORZ; }

// The owner view's platform window, NULL while the bar is closed.
HWND viewRecordOf(ovC_object* scroll) {
  ovRef view = ov::get("Owner"_attr, scroll);
  if (!view) return nullptr;
  return ov::toHandle<HWND>(ov::send("Get Window Record"_sel, view).get());
}

int32_t intOf(ovC_object* scroll, const ovAttributeSelector& attribute) {
  return ov::toInt(ov::get(attribute, scroll));
}

// Range, position and enabling as the bar holds them, shown by the
// platform's bar.
void showState(ovC_object* scroll) {
  HWND view = viewRecordOf(scroll);
  if (!view) return;
  SCROLLINFO info{sizeof(SCROLLINFO),
                  SIF_RANGE | SIF_POS | SIF_DISABLENOSCROLL,
                  intOf(scroll, "Min"_attr),
                  intOf(scroll, "Max"_attr),
                  0,
                  intOf(scroll, "Control Value"_attr),
                  0};
  SetScrollInfo(view, barOf(scroll), &info, TRUE);
  if (!ov::isTrue(ov::get("Active?"_attr, scroll))) EnableScrollBar(view, barOf(scroll), ESB_DISABLE_BOTH);
}

// How far one press moves: a line is an arrow's length, a page the view's
// visible extent less a line.
int32_t lineOf(ovC_object* scroll) { return GetSystemMetrics(isVertical(scroll) ? SM_CYVSCROLL : SM_CXHSCROLL); }

int32_t pageOf(ovC_object* scroll) {
  POINT size = ov::toPOINT(ov::send("View Size"_sel, ov::get("Owner"_attr, scroll).get()).get());
  int32_t extent = static_cast<int32_t>(isVertical(scroll) ? size.y : size.x);
  return std::max(lineOf(scroll), extent - lineOf(scroll));
}

// The value a scroll event asks for, from the current one.
int32_t valueAfter(ovC_object* scroll, ovC_object* event, int32_t value) {
  const vorn::EventMessage m = vorn::MessageOf(event);
  switch (m.wParamLo()) {
    case SB_LINEUP: return value - lineOf(scroll);
    case SB_LINEDOWN: return value + lineOf(scroll);
    case SB_PAGEUP: return value - pageOf(scroll);
    case SB_PAGEDOWN: return value + pageOf(scroll);
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      return m.wParamHi();
    case SB_TOP:
      return intOf(scroll, "Min"_attr);
    case SB_BOTTOM:
      return intOf(scroll, "Max"_attr);
    default: return value;
  }
}

// The view shows its content from the bar's value on: its origin moves,
// its items' platform windows with it, and it is drawn again.
void scrollView(ovC_object* scroll, int32_t value) {
  ovRef view = ov::get("Owner"_attr, scroll);
  POINT origin = ov::toPOINT(ov::send("Get Origin"_sel, view.get()).get());
  if (isVertical(scroll)) origin.y = value;
  else origin.x = value;
  ov::set("Origin"_attr, view, ov::point(origin.y, origin.x));
  if (ovRef owner = ov::get("Owner"_attr, view))
    ov::tell("Adjust Origin"_sel, view, {ov::send("Get Window Origin"_sel, owner).get()});
  ov::forEach(ov::get("Content"_attr, view), [](ovC_object* item) {
    return ov::send<0>("Set Location"_sel, item, {ov::send("Get Location"_sel, item).get()}).status;
  });
  ov::tell("Redraw"_sel, view, {gdDefaultTrue});
}

namespace scroll_bar {

// The view's "Limits" give the range from the start; the view keeps it up
// to date when its frame changes.
ovStatus Open(const ov::Args& a) {
  ov::tell(ov::sendAs<0>("Window Item"_cls, "Open"_sel, a.receiver(), {a[1]}));
  ov::tell("Adjust Min and Max"_sel, a[1]);
  showState(a.receiver());
  return ovSuccess;
}

// The platform's bar stays with the view's window, which the view closes.
ovStatus Close(const ov::Args& a) { return ov::sendAs<0>("Window Item"_cls, "Close"_sel, a.receiver()).status; }

// "Set Active?", "Set Min", "Set Max": the input is stored into the
// attribute and the platform's bar shows the new state.
template <const auto& Attribute>
ovStatus StoreAndShow(const ov::Args& a) {
  ov::set(Attribute, a.receiver(), a[1]);
  showState(a.receiver());
  return ovSuccess;
}

// The position the platform's bar holds now.
ovStatus GetControlValue(const ov::Args& a) {
  ovC_object* scroll = a.receiver();
  if (HWND view = viewRecordOf(scroll))
    ov::set("Control Value"_attr, scroll, ov::integer(GetScrollPos(view, barOf(scroll))));
  a.put(0, ov::get("Control Value"_attr, scroll));
  return ovSuccess;
}

ovStatus SetControlValue(const ov::Args& a) {
  ovC_object* scroll = a.receiver();
  ov::set("Control Value"_attr, scroll, a[1]);
  if (HWND view = viewRecordOf(scroll)) SetScrollPos(view, barOf(scroll), ov::toInt(a[1]), TRUE);
  return ovSuccess;
}

// A press on the bar, as the view's scroll event: a new value inside the
// range scrolls the view; an inactive bar takes no press.
ovStatus MouseDown(const ov::Args& a) {
  ovC_object* scroll = a.receiver();
  if (!ov::isTrue(ov::get("Active?"_attr, scroll))) return ovSuccess;
  int32_t value = ov::toInt(ov::send("Get Control Value"_sel, scroll).get());
  int32_t wanted = std::clamp(valueAfter(scroll, a[2], value), intOf(scroll, "Min"_attr),
                              std::max(intOf(scroll, "Min"_attr), intOf(scroll, "Max"_attr)));
  if (wanted == value) return ovSuccess;
  ov::tell("Set Control Value"_sel, scroll, {ov::integer(wanted)});
  scrollView(scroll, wanted);
  return ovSuccess;
}

}  // namespace scroll_bar

const ovClassDeclaration kScrollBarClass({
    .name = "Scroll Bar"_cls,
    .superclass = "Control"_cls,
    .methods = ov::methods({{"Open"_sel, ov::routine<scroll_bar::Open>},
                            {"Close"_sel, ov::routine<scroll_bar::Close>},
                            {"Set Active?"_sel, ov::routine<scroll_bar::StoreAndShow<"Active?"_attr>>},
                            {"Set Min"_sel, ov::routine<scroll_bar::StoreAndShow<"Min"_attr>>},
                            {"Set Max"_sel, ov::routine<scroll_bar::StoreAndShow<"Max"_attr>>},
                            {"Get Control Value"_sel, ov::routine<scroll_bar::GetControlValue>},
                            {"Set Control Value"_sel, ov::routine<scroll_bar::SetControlValue>},
                            {"Mouse Down"_sel, ov::routine<scroll_bar::MouseDown>}},
                           ov::doingNothing<"Get Window Record">()),
});

}  // namespace
