// Commands: what can be posted, done, undone and redone. A plain command
// does nothing when done, undone, redone or disposed; its subclasses give
// those their meaning. Posting hands an enabled command to the commander,
// which does it at once; a disabled command never runs.
#include "runtime/methods/kit.h"

namespace {

namespace sel {
const ovMethodSelector DoCommand("Do Command");
}  // namespace sel

namespace attr {
const ovAttributeSelector Enabled("Enabled?");
const ovAttributeSelector Name("Name");
const ovAttributeSelector Undo("Undo?");
}  // namespace attr

namespace uni {
const ovUniversalName GetCommander("Get Commander");
}  // namespace uni

namespace command {

ovStatus Post(const ov::Args& a) {
  if (!ov::isTrue(ov::get(attr::Enabled, a.receiver()))) return ovSuccess;
  auto commander = ov::universal(uni::GetCommander);
  if (commander.failed()) return ovFailure;
  return ov::send<0>(sel::DoCommand, commander.get(), {a.receiver()}).status;
}

}  // namespace command

const ovClassDeclaration kCommandClass({
    .name = "Command",
    .attributes = {"Name", "Enabled?", "Undo?", "Recordable?"},
    .methods = {{"Post", ov::routine<command::Post>},
                {"Do", ov::nothing},
                {"Undo", ov::nothing},
                {"Redo", ov::nothing},
                {"Dispose", ov::nothing},
                {"Get Name", ov::reader<attr::Name>},
                {"Get Undo?", ov::reader<attr::Undo>},
                {"Set Enabled?", ov::writer<attr::Enabled>}},
});

}  // namespace
