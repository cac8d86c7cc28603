// Tasks: commands the framework makes for itself. A plain task does nothing
// when done, undone or redone; a deferred task waits in the commander's list
// until its "When" tick and is then done on an idle pass.
#include "framework/deferred_due.h"
#include "runtime/methods/kit.h"

namespace {

namespace attr {
const ovAttributeSelector DeferredCommands("Deferred Commands");
const ovAttributeSelector Enabled("Enabled?");
const ovAttributeSelector When("When");
}  // namespace attr

namespace uni {
const ovUniversalName GetCommander("Get Commander");
}  // namespace uni

namespace deferred_task {

// Where a command due at when goes: behind every entry due then or earlier,
// so entries due at the same tick run in the order they were posted.
uint32_t placeFor(ovC_object* list, int32_t when) {
  uint32_t at = 0;
  while (at < ov::length(list) && vorn::TickReached(ov::toInt(ov::get(attr::When, ov::element(list, at))), when)) ++at;
  return at;
}

ovStatus Post(const ov::Args& a) {
  if (!ov::isTrue(ov::get(attr::Enabled, a.receiver()))) return ovSuccess;
  ovRef commander = ov::universal(uni::GetCommander).take();
  ovRef list = ov::get(attr::DeferredCommands, commander);
  uint32_t at = placeFor(list.get(), ov::toInt(ov::get(attr::When, a.receiver())));
  ov::set(attr::DeferredCommands, commander, ov::inserted(list, at, a.receiver()));
  return ovSuccess;
}

}  // namespace deferred_task

const ovClassDeclaration kTaskClass({
    .name = "Task",
    .superclass = "Command",
    .attributes = {"Done"},
    .methods = {{"Do", ov::nothing}, {"Undo", ov::nothing}, {"Redo", ov::nothing}},
});

const ovClassDeclaration kDeferredTaskClass({
    .name = "Deferred Task",
    .superclass = "Task",
    .attributes = {"When"},
    .methods = {{"Post", ov::routine<deferred_task::Post>}},
});

}  // namespace
