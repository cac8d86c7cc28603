// Commands: what can be posted, done, undone and redone. A plain command
// does nothing when done, undone, redone or disposed; its subclasses give
// those their meaning. Posting hands an enabled command to the commander,
// which does it at once; a disabled command never runs.
#include "runtime/methods/kit.h"

namespace {

namespace command {

ovStatus Post(const ov::Args& a) {
  if (!ov::isTrue(ov::get("Enabled?"_attr, a.receiver()))) return ovSuccess;
  auto commander = ov::universal("Get Commander"_uni);
  if (commander.failed()) return ovFailure;
  return ov::send<0>("Do Command"_sel, commander.get(), {a.receiver()}).status;
}

}  // namespace command

const ovClassDeclaration kCommandClass({
    .name = "Command"_cls,
    .attributes = {"Name"_attr, "Enabled?"_attr, "Undo?"_attr, "Recordable?"_attr},
    .methods = ov::methods({{"Post"_sel, ov::routine<command::Post>}}, ov::getters<"Name", "Undo?">(),
                           ov::setters<"Enabled?">(), ov::doingNothing<"Do", "Undo", "Redo", "Dispose">()),
});

}  // namespace
