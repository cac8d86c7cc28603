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

namespace sel {
const ovMethodSelector Close("Close");
const ovMethodSelector FindWindowItem("Find Window Item");
const ovMethodSelector GetFrame("Get Frame");
const ovMethodSelector GetName("Get Name");
const ovMethodSelector GetSize("Get Size");
const ovMethodSelector GetTabOrder("Get Tab Order");
const ovMethodSelector GetWindow("Get Window");
const ovMethodSelector IsView("Is View?");
const ovMethodSelector Open("Open");
const ovMethodSelector SetFrame("Set Frame");
const ovMethodSelector SetLocation("Set Location");
const ovMethodSelector SetTarget("Set Target");
const ovMethodSelector SetVisible("Set Visible?");
const ovMethodSelector SwitchView("Switch View");
const ovMethodSelector Tab("Tab");
const ovMethodSelector Targetable("Targetable?");
}  // namespace sel

namespace attr {
const ovAttributeSelector Content("Content");
const ovAttributeSelector CurrentView("Current View");
const ovAttributeSelector Frame("Frame");
const ovAttributeSelector InitialView("Initial View");
const ovAttributeSelector Owner("Owner");
const ovAttributeSelector SavedFrame("Saved Frame");
const ovAttributeSelector TabOrders("Tab Orders");
const ovAttributeSelector Visible("Visible?");
}  // namespace attr

namespace cls {
const ovClassName View("View");
const ovClassName Window("Window");
const ovClassName WindowItem("Window Item");
}  // namespace cls

namespace uni {
const ovUniversalName GetTarget("Get Target");
}  // namespace uni

bool answersYes(const ovMethodSelector& question, ovC_object* item) {
  return item && ov::send<0>(question, item).succeeded();
}

// A name as it is, or an item's name.
ovRef nameOf(ovC_object* itemOrName) {
  return ov::isText(itemOrName) ? ovRef::share(itemOrName) : ov::send(sel::GetName, itemOrName).take();
}

// Whether the application's target is the item or lies inside it.
bool holdsTarget(ovC_object* item) {
  auto target = ov::universal(uni::GetTarget);
  if (target.failed()) return false;
  for (ovRef at = target.take(); at && ov::isA(at, cls::WindowItem); at = ov::get(attr::Owner, at))
    if (at.get() == item) return true;
  return false;
}

// The frame's top-left corner with the item's present size.
ovRef frameAt(ovC_object* savedFrame, ovC_object* item) {
  RECT saved = ov::toRECT(savedFrame);
  POINT size = ov::toPOINT(ov::send(sel::GetSize, item).get());
  return ov::rect(saved.top, saved.left, saved.top + size.y, saved.left + size.x);
}

namespace multiple_view {

// The shown sub-view gives up the target, hides and goes back to its frame.
void hideCurrent(ovC_object* view) {
  ovRef name = ov::get(attr::CurrentView, view);
  if (!name) return;
  ovRef shown = ov::send(sel::FindWindowItem, view, {name}).take();
  if (holdsTarget(shown.get()))
    ov::send<0>(sel::SetTarget, ov::send(sel::GetWindow, view).get(), {nullptr, gdDefaultTrue});
  ov::send<0>(sel::SetVisible, shown, {gdDefaultFalse});
  if (ovRef saved = ov::get(attr::SavedFrame, view))
    ov::send<0>(sel::SetFrame, shown, {frameAt(saved.get(), shown.get())});
  ov::set(attr::SavedFrame, view, nullptr);
  ov::set(attr::CurrentView, view, nullptr);
}

// Shows the sub-view of that name (none for NULL or a name no item has)
// and answers it.
ovStatus SwitchView(const ov::Args& a) {
  ovC_object* view = a.receiver();
  hideCurrent(view);
  if (!a[1]) return ovSuccess;
  ovRef shown = ov::send(sel::FindWindowItem, view, {a[1]}).take();
  if (!shown) return ovSuccess;
  ov::set(attr::CurrentView, view, a[1]);
  ov::set(attr::SavedFrame, view, ov::send(sel::GetFrame, shown).get());
  ov::send<0>(sel::SetLocation, shown, {ov::point(0, 0)});
  ov::send<0>(sel::SetVisible, shown, {gdDefaultTrue});
  ov::send<0>(sel::SetFrame, shown, {ov::get(attr::Frame, shown)});
  a.put(0, std::move(shown));
  return ovSuccess;
}

// Every sub-view starts hidden; the initial one is shown before the
// platform windows are made.
ovStatus Open(const ov::Args& a) {
  ovC_object* view = a.receiver();
  ov::forEach(ov::get(attr::Content, view), [](ovC_object* item) {
    ov::set(attr::Visible, item, gdDefaultFalse);
    return ovSuccess;
  });
  ov::send<0>(sel::SwitchView, view, {ov::get(attr::InitialView, view)});
  return ov::sendAs<0>(cls::View, sel::Open, view, {a[1]}).status;
}

ovStatus Close(const ov::Args& a) {
  ov::sendAs<0>(cls::View, sel::Close, a.receiver());
  return ov::send<0>(sel::SwitchView, a.receiver(), {nullptr}).status;
}

// The tab order of the shown sub-view; the empty list without one.
ovStatus GetTabOrder(const ov::Args& a) {
  ovRef name = ov::get(attr::CurrentView, a.receiver());
  ovRef content = ov::get(attr::Content, a.receiver());
  for (uint32_t i = 0; name && i < ov::length(content); ++i) {
    if (!ov::textEquals(nameOf(ov::element(content, i)), ov::chars(name))) continue;
    if (ovC_object* order = ov::element(ov::get(attr::TabOrders, a.receiver()), i)) {
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
  ovRef order = ov::send(sel::GetTabOrder, view).take();
  ovRef fromName = from ? nameOf(from) : nullptr;
  for (uint32_t i : candidatePositions(order.get(), fromName.get(), ov::isTrue(backward))) {
    ovRef item = ov::send(sel::FindWindowItem, shown, {ov::element(order, i)}).take();
    if (answersYes(sel::Targetable, item.get()) && ov::send<0>(sel::Tab, item, {nullptr, backward}).succeeded())
      return true;
  }
  return false;
}

// The tab goes on past the multiple view: through the window's tab order
// when it has one, else through the enclosing view.
ovStatus leave(ovC_object* view, ovC_object* backward) {
  ovRef window = ov::send(sel::GetWindow, view).take();
  if (ov::length(ov::send(sel::GetTabOrder, window).get()) > 0)
    return ov::sendAs<0>(cls::Window, sel::Tab, window, {view, backward}).status;
  return ov::send<0>(sel::Tab, ov::get(attr::Owner, view), {view, backward}).status;
}

// Tabbing inside the shown sub-view: its tab order first, then its own
// tabbing. Without a shown sub-view there is nothing to tab to.
ovStatus Tab(const ov::Args& a) {
  ovC_object* view = a.receiver();
  ovRef name = ov::get(attr::CurrentView, view);
  if (!name) return ovFailure;
  ovRef shown = ov::send(sel::FindWindowItem, view, {name}).take();
  bool fromShown = a[1] && (a[1] == shown.get() || ov::textEquals(nameOf(a[1]), ov::chars(name)));
  bool enterable = answersYes(sel::Targetable, shown.get()) || answersYes(sel::IsView, shown.get());
  if (fromShown || !enterable) return leave(view, a[2]);
  if (tabByOrder(view, shown.get(), a[1], a[2])) return ovSuccess;
  return ov::send<0>(sel::Tab, shown, {a[1], a[2]}).status;
}

}  // namespace multiple_view

const ovClassDeclaration kMultipleViewClass({
    .name = "Multiple View",
    .superclass = "View",
    .attributes = {"Initial View", "Current View", "Saved Frame", "Tab Orders"},
    .methods = {{"Open", ov::routine<multiple_view::Open>},
                {"Close", ov::routine<multiple_view::Close>},
                {"Switch View", ov::routine<multiple_view::SwitchView>},
                {"Get Current View", ov::reader<attr::CurrentView>},
                {"Get Tab Order", ov::routine<multiple_view::GetTabOrder>},
                {"Tab", ov::routine<multiple_view::Tab>},
                {"Targetable?", ov::nothing}},
});

}  // namespace
