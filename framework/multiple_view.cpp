// Multiple views: one sub-view shown at a time, each with its own tab order.
//
// The shown sub-view is the one "Current View" names; it stands at (0, 0)
// of the multiple view, and "Saved Frame" keeps the frame it had before, to
// which it returns when another is shown. Every other sub-view is hidden.
// "Tab Orders" is parallel to "Content": the names to tab through inside
// each sub-view.
#include <vector>

#include "runtime/methods/kit.h"
#include "runtime/methods/platform_values.h"

namespace {

bool answersYes(const ovMethodSelector& question, ovC_object* item) {
  return item && ov::send<0>(question, item).succeeded();
}

// A name as it is, or an item's name.
ovRef nameOf(ovC_object* itemOrName) {
  return ov::isText(itemOrName) ? ovRef::share(itemOrName) : ov::send("Get Name"_sel, itemOrName).take();
}

// Whether the application's target is the item or lies inside it.
bool holdsTarget(ovC_object* item) {
  auto target = ov::universal("Get Target"_uni);
  if (target.failed()) return false;
  for (ovRef at = target.take(); at && ov::isA(at, "Window Item"_cls); at = ov::get("Owner"_attr, at))
    if (at.get() == item) return true;
  return false;
}

// The frame's top-left corner with the item's present size.
ovRef frameAt(ovC_object* savedFrame, ovC_object* item) {
  RECT saved = ov::toRECT(savedFrame);
  POINT size = ov::toPOINT(ov::send("Get Size"_sel, item).get());
  return ov::rect(saved.top, saved.left, saved.top + size.y, saved.left + size.x);
}

namespace multiple_view {

// The shown sub-view gives up the target, hides and goes back to its frame.
void hideCurrent(ovC_object* view) {
  ovRef name = ov::get("Current View"_attr, view);
  if (!name) return;
  ovRef shown = ov::send("Find Window Item"_sel, view, {name}).take();
  if (holdsTarget(shown.get()))
    ov::tell("Set Target"_sel, ov::send("Get Window"_sel, view).get(), {nullptr, gdDefaultTrue});
  ov::tell("Set Visible?"_sel, shown, {gdDefaultFalse});
  if (ovRef saved = ov::get("Saved Frame"_attr, view))
    ov::tell("Set Frame"_sel, shown, {frameAt(saved.get(), shown.get())});
  ov::set("Saved Frame"_attr, view, nullptr);
  ov::set("Current View"_attr, view, nullptr);
}

// Shows the sub-view of that name (none for NULL or a name no item has)
// and answers it.
ovStatus SwitchView(const ov::Args& a) {
  ovC_object* view = a.receiver();
  hideCurrent(view);
  if (!a[1]) return ovSuccess;
  ovRef shown = ov::send("Find Window Item"_sel, view, {a[1]}).take();
  if (!shown) return ovSuccess;
  ov::set("Current View"_attr, view, a[1]);
  ov::set("Saved Frame"_attr, view, ov::send("Get Frame"_sel, shown).get());
  ov::tell("Set Location"_sel, shown, {ov::point(0, 0)});
  ov::tell("Set Visible?"_sel, shown, {gdDefaultTrue});
  ov::tell("Set Frame"_sel, shown, {ov::get("Frame"_attr, shown)});
  a.put(0, std::move(shown));
  return ovSuccess;
}

// Every sub-view starts hidden; the initial one is shown before the
// platform windows are made.
ovStatus Open(const ov::Args& a) {
  ovC_object* view = a.receiver();
  ov::forEach(ov::get("Content"_attr, view), [](ovC_object* item) {
    ov::set("Visible?"_attr, item, gdDefaultFalse);
    return ovSuccess;
  });
  ov::tell("Switch View"_sel, view, {ov::get("Initial View"_attr, view)});
  return ov::sendAs<0>("View"_cls, "Open"_sel, view, {a[1]}).status;
}

ovStatus Close(const ov::Args& a) {
  ov::tell(ov::sendAs<0>("View"_cls, "Close"_sel, a.receiver()));
  return ov::send<0>("Switch View"_sel, a.receiver(), {nullptr}).status;
}

// The tab order of the shown sub-view; the empty list without one.
ovStatus GetTabOrder(const ov::Args& a) {
  ovRef name = ov::get("Current View"_attr, a.receiver());
  ovRef content = ov::get("Content"_attr, a.receiver());
  for (uint32_t i = 0; name && i < ov::length(content); ++i) {
    if (!ov::textEquals(nameOf(ov::element(content, i)), ov::chars(name))) continue;
    if (ovC_object* order = ov::element(ov::get("Tab Orders"_attr, a.receiver()), i)) {
      a.put(0, order);
      return ovSuccess;
    }
    break;
  }
  a.put(0, ov::emptyList());
  return ovSuccess;
}

// The positions of the tab order to try: those after the name's (before
// it, nearest first, when backward), or all of them when the name is not
// in the order.
std::vector<uint32_t> candidatePositions(ovC_object* order, ovC_object* fromName, bool backward) {
  auto n = static_cast<int32_t>(ov::length(order));
  int32_t at = -1;
  for (int32_t i = 0; fromName && i < n && at < 0; ++i)
    if (ov::textEquals(ov::element(order, static_cast<uint32_t>(i)), ov::chars(fromName))) at = i;
  std::vector<uint32_t> positions;
  int32_t first = at < 0 ? (backward ? n - 1 : 0) : (backward ? at - 1 : at + 1);
  for (int32_t i = first; i >= 0 && i < n; i += backward ? -1 : 1) positions.push_back(static_cast<uint32_t>(i));
  return positions;
}

// Tabs to the first item of the shown sub-view's tab order that takes it.
bool tabByOrder(ovC_object* view, ovC_object* shown, ovC_object* from, ovC_object* backward) {
  ovRef order = ov::send("Get Tab Order"_sel, view).take();
  ovRef fromName = from ? nameOf(from) : nullptr;
  for (uint32_t i : candidatePositions(order.get(), fromName.get(), ov::isTrue(backward))) {
    ovRef item = ov::send("Find Window Item"_sel, shown, {ov::element(order, i)}).take();
    if (answersYes("Targetable?"_sel, item.get()) && ov::send<0>("Tab"_sel, item, {nullptr, backward}).succeeded())
      return true;
  }
  return false;
}

// The tab goes on past the multiple view: through the window's tab order
// when it has one, else through the enclosing view.
ovStatus leave(ovC_object* view, ovC_object* backward) {
  ovRef window = ov::send("Get Window"_sel, view).take();
  if (ov::length(ov::send("Get Tab Order"_sel, window).get()) > 0)
    return ov::sendAs<0>("Window"_cls, "Tab"_sel, window, {view, backward}).status;
  return ov::send<0>("Tab"_sel, ov::get("Owner"_attr, view), {view, backward}).status;
}

// Tabbing inside the shown sub-view: its tab order first, then its own
// tabbing. Without a shown sub-view there is nothing to tab to.
ovStatus Tab(const ov::Args& a) {
  ovC_object* view = a.receiver();
  auto [from, backward] = a.inputs<1, 2>();
  ovRef name = ov::get("Current View"_attr, view);
  if (!name) return ovFailure;
  ovRef shown = ov::send("Find Window Item"_sel, view, {name}).take();
  bool fromShown = from && (from == shown.get() || ov::textEquals(nameOf(from), ov::chars(name)));
  bool enterable = answersYes("Targetable?"_sel, shown.get()) || answersYes("Is View?"_sel, shown.get());
  if (fromShown || !enterable) return leave(view, backward);
  if (tabByOrder(view, shown.get(), from, backward)) return ovSuccess;
  return ov::send<0>("Tab"_sel, shown, {from, backward}).status;
}

}  // namespace multiple_view

const ovClassDeclaration kMultipleViewClass({
    .name = "Multiple View"_cls,
    .superclass = "View"_cls,
    .attributes = {"Initial View"_attr, "Current View"_attr, "Saved Frame"_attr, "Tab Orders"_attr},
    .methods = ov::methods({{"Open"_sel, ov::routine<multiple_view::Open>},
                            {"Close"_sel, ov::routine<multiple_view::Close>},
                            {"Switch View"_sel, ov::routine<multiple_view::SwitchView>},
                            {"Get Tab Order"_sel, ov::routine<multiple_view::GetTabOrder>},
                            {"Tab"_sel, ov::routine<multiple_view::Tab>}},
                           ov::getters<"Current View">(), ov::doingNothing<"Targetable?">()),
});

}  // namespace
