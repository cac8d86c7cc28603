// Menu enabling, recomputed on an idle pass by one deferred task however
// many changes asked for it.
//
// A change of target and the pointer arriving over a menu bar ask for an
// update with "Post Menu Update". While a menu task waits in the
// commander's deferred commands, further requests add nothing; the task
// brings the menubar up to date when the loop next runs idle, then redraws
// the bar.
#include "framework/persistents.h"
#include "runtime/methods/kit.h"

namespace {

namespace sel {
const ovMethodSelector Do("Do");
const ovMethodSelector Draw("Draw");
const ovMethodSelector Post("Post");
const ovMethodSelector UpdateMenus("Update Menus");
}  // namespace sel

namespace attr {
const ovAttributeSelector DeferredCommands("Deferred Commands");
}  // namespace attr

namespace cls {
const ovClassName DeferredTask("Deferred Task");
const ovClassName MenuTask("Menu Task");
}  // namespace cls

namespace uni {
const ovUniversalName GetCommander("Get Commander");
const ovUniversalName GetMenubar("Get Menubar");
}  // namespace uni

namespace menu_task {

ovStatus Do(const ov::Args& a) {
  auto menubar = ov::universal(uni::GetMenubar);
  if (menubar.failed() || !menubar.get()) return ovSuccess;
  ov::send<0>(sel::UpdateMenus, menubar.get(), {gEvent.get()});
  ov::sendAs<0>(cls::DeferredTask, sel::Do, a.receiver(), {a[1]});
  ov::send<0>(sel::Draw, menubar.get());
  return ovSuccess;
}

}  // namespace menu_task

namespace universal {

bool menuTaskPending(ovC_object* commander) {
  ovRef deferred = ov::get(attr::DeferredCommands, commander);
  for (uint32_t i = 0; i < ov::length(deferred); ++i)
    if (ov::isA(ov::element(deferred, i), cls::MenuTask)) return true;
  return false;
}

ovStatus PostMenuUpdate(const ov::Args&) {
  auto commander = ov::universal(uni::GetCommander);
  if (commander.failed() || !commander.get() || menuTaskPending(commander.get())) return ovSuccess;
  ovRef task = ov::make(cls::MenuTask).take();
  return ov::send<0>(sel::Post, task).status;
}

}  // namespace universal

const ovClassDeclaration kMenuTaskClass({
    .name = "Menu Task",
    .superclass = "Deferred Task",
    .methods = {{"Do", ov::routine<menu_task::Do>}},
});

const ovUniversalDeclaration kPostMenuUpdate("Post Menu Update", ov::routine<universal::PostMenuUpdate>);

}  // namespace
