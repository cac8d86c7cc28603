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

namespace menu_task {

ovStatus Do(const ov::Args& a) {
  auto menubar = ov::universal("Get Menubar"_uni);
  if (menubar.failed() || !menubar.get()) return ovSuccess;
  ov::tell("Update Menus"_sel, menubar.get(), {gEvent.get()});
  ov::tell(ov::sendAs<0>("Deferred Task"_cls, "Do"_sel, a.receiver(), {a[1]}));
  ov::tell("Draw"_sel, menubar.get());
  return ovSuccess;
}

}  // namespace menu_task

namespace universal {

bool menuTaskPending(ovC_object* commander) {
  ovRef deferred = ov::get("Deferred Commands"_attr, commander);
  for (uint32_t i = 0; i < ov::length(deferred); ++i)
    if (ov::isA(ov::element(deferred, i), "Menu Task"_cls)) return true;
  return false;
}

ovStatus PostMenuUpdate(const ov::Args&) {
  auto commander = ov::universal("Get Commander"_uni);
  if (commander.failed() || !commander.get() || menuTaskPending(commander.get())) return ovSuccess;
  ovRef task = ov::make("Menu Task"_cls).take();
  return ov::send<0>("Post"_sel, task).status;
}

}  // namespace universal

const ovClassDeclaration kMenuTaskClass({
    .name = "Menu Task"_cls,
    .superclass = "Deferred Task"_cls,
    .methods = {{"Do"_sel, ov::routine<menu_task::Do>}},
});

const ovUniversalDeclaration kPostMenuUpdate("Post Menu Update"_uni, ov::routine<universal::PostMenuUpdate>);

}  // namespace
