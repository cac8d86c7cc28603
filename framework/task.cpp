// Tasks: commands the framework makes for itself. A plain task does nothing
// when done, undone or redone; a deferred task waits in the commander's list
// until its "When" tick and is then done on an idle pass.
#include "framework/deferred_due.h"
#include "runtime/methods/kit.h"

namespace {

namespace deferred_task {

// Where a command due at when goes: behind every entry due then or earlier,
// so entries due at the same tick run in the order they were posted.
uint32_t placeFor(ovC_object* list, int32_t when) {
  uint32_t at = 0;
  while (at < ov::length(list) && vorn::TickReached(ov::toInt(ov::get("When"_attr, ov::element(list, at))), when)) ++at;
  return at;
}

ovStatus Post(const ov::Args& a) {
  if (!ov::isTrue(ov::get("Enabled?"_attr, a.receiver()))) return ovSuccess;
  ovRef commander = ov::universal("Get Commander"_uni).take();
  ovRef list = ov::get("Deferred Commands"_attr, commander);
  uint32_t at = placeFor(list.get(), ov::toInt(ov::get("When"_attr, a.receiver())));
  ov::set("Deferred Commands"_attr, commander, ov::inserted(list, at, a.receiver()));
  return ovSuccess;
}

}  // namespace deferred_task

const ovClassDeclaration kTaskClass({
    .name = "Task"_cls,
    .superclass = "Command"_cls,
    .attributes = {"Done"_attr},
    .methods = ov::methods({}, ov::doingNothing<"Do", "Undo", "Redo">()),
});

const ovClassDeclaration kDeferredTaskClass({
    .name = "Deferred Task"_cls,
    .superclass = "Task"_cls,
    .attributes = {"When"_attr},
    .methods = {{"Post"_sel, ov::routine<deferred_task::Post>}},
});

}  // namespace
