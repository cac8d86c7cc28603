// The commander: one per application. It does posted commands at once,
// keeps the last undoable one for a single level of undo and redo, holds the
// deferred commands that idle passes run (ordered by "When"), and owns the
// event handlers.
#include "framework/deferred_due.h"
#include "runtime/methods/kit.h"

namespace {

namespace sel {
const ovMethodSelector Close("Close");
const ovMethodSelector DisposeUndo("Dispose Undo");
const ovMethodSelector Dispose("Dispose");
const ovMethodSelector Do("Do");
const ovMethodSelector DoNextEvent("Do Next Event");
const ovMethodSelector GetName("Get Name");
const ovMethodSelector GetUndo("Get Undo?");
const ovMethodSelector GetWhen("Get When");
const ovMethodSelector Open("Open");
const ovMethodSelector Redo("Redo");
const ovMethodSelector SetItemEnabled("Set Item Enabled?");
const ovMethodSelector SetItemString("Set Item String");
const ovMethodSelector Undo("Undo");
const ovMethodSelector UndoItem("Undo Item");
}  // namespace sel

namespace attr {
const ovAttributeSelector DeferredCommands("Deferred Commands");
const ovAttributeSelector EventHandler("Event Handler");
const ovAttributeSelector ModalHandler("Modal Handler");
const ovAttributeSelector ModelessHandler("Modeless Handler");
const ovAttributeSelector Redo("Redo?");
const ovAttributeSelector UndoCommand("Undo Command");
const ovAttributeSelector When("When");
}  // namespace attr

namespace cls {
const ovClassName EventHandler("Event Handler");
}  // namespace cls

namespace uni {
const ovUniversalName GetNamedString("Get Named String");
}  // namespace uni

namespace prim {
const ovPrimitiveName MungeString("munge-string");
}  // namespace prim

ovRef namedString(const char* key) { return ov::universal(uni::GetNamedString, {nullptr, ov::text(key)}).take(); }

namespace commander {

// One handler serves modeless and modal use alike.
ovStatus Open(const ov::Args& a) {
  ovRef handler = ov::make(cls::EventHandler).take();
  ov::set(attr::EventHandler, a.receiver(), handler);
  ov::set(attr::ModelessHandler, a.receiver(), handler);
  ov::send<0>(sel::Open, handler);
  ov::set(attr::ModalHandler, a.receiver(), handler);
  return ovSuccess;
}

ovStatus Close(const ov::Args& a) {
  for (const ovAttributeSelector* handler : {&attr::ModelessHandler, &attr::ModalHandler})
    if (ovRef h = ov::get(*handler, a.receiver())) ov::send<0>(sel::Close, h);
  return ovSuccess;
}

// An undoable command discards the previous one before it runs, and
// becomes the one Undo acts on once it has run.
ovStatus DoCommand(const ov::Args& a) {
  ovC_object* command = a[1];
  bool undoable = ov::isTrue(ov::send(sel::GetUndo, command).get());
  if (undoable) ov::send<0>(sel::DisposeUndo, a.receiver());
  if (ov::send<0>(sel::Do, command, {a.receiver()}).failed()) return ovFailure;
  if (undoable) {
    ov::set(attr::UndoCommand, a.receiver(), command);
    ov::set(attr::Redo, a.receiver(), gdDefaultFalse);
  }
  return ovSuccess;
}

ovStatus DisposeUndo(const ov::Args& a) {
  ovRef command = ov::get(attr::UndoCommand, a.receiver());
  if (!command) return ovSuccess;
  ov::send<0>(sel::Dispose, command);
  ov::set(attr::UndoCommand, a.receiver(), nullptr);
  return ovSuccess;
}

// One level of history: the command toggles between undone and redone.
ovStatus UndoCommand(const ov::Args& a) {
  ovRef command = ov::get(attr::UndoCommand, a.receiver());
  if (!command) return ovSuccess;
  bool redo = ov::isTrue(ov::get(attr::Redo, a.receiver()));
  ov::set(attr::Redo, a.receiver(), ov::boolean(!redo));
  ov::send<0>(redo ? sel::Redo : sel::Undo, command, {a.receiver()});
  return ovSuccess;
}

// "Undo", "Redo", or the verb joined with the command's name.
ovStatus UndoItem(const ov::Args& a) {
  ovRef command = ov::get(attr::UndoCommand, a.receiver());
  if (!command) {
    a.put(0, namedString("Undo"));
    return ovSuccess;
  }
  ovRef verb = namedString(ov::isTrue(ov::get(attr::Redo, a.receiver())) ? "Redo" : "Undo");
  ovRef name = ov::send(sel::GetName, command).take();
  if (ov::chars(name).empty()) {
    a.put(0, std::move(verb));
    return ovSuccess;
  }
  a.put(0, ov::primitive(prim::MungeString, {namedString("Undo Task"), verb, name}).take());
  return ovSuccess;
}

// While modal, the window procedure hands events to the modal handler.
ovStatus ModalCommander(const ov::Args& a) {
  const ovAttributeSelector& chosen = ov::isTrue(a[1]) ? attr::ModalHandler : attr::ModelessHandler;
  ov::set(attr::EventHandler, a.receiver(), ov::get(chosen, a.receiver()));
  return ovSuccess;
}

// The commander's share of menu enabling: the Undo item's text, and the item
// itself while there is something to undo.
ovStatus UpdateMenus(const ov::Args& a) {
  ovC_object* menubar = a[1];
  ovRef undo = ov::text("Undo");
  if (ov::send<0>(sel::SetItemString, menubar, {undo, ov::send(sel::UndoItem, a.receiver()).get()}).failed())
    return ovSuccess;
  if (ov::get(attr::UndoCommand, a.receiver()))
    ov::send<0>(sel::SetItemEnabled, menubar, {undo, a.receiver(), gdDefaultTrue});
  return ovSuccess;
}

ovStatus DoNextCommand(const ov::Args& a) {
  return ov::send<0>(sel::DoNextEvent, ov::get(attr::EventHandler, a.receiver()), {a.receiver()}).status;
}

// Runs the first deferred command when it is due; fails when nothing is.
ovStatus DoDeferredCommand(const ov::Args& a) {
  ovRef list = ov::get(attr::DeferredCommands, a.receiver());
  ovC_object* first = ov::element(list, 0);
  int32_t now = ov::toInt(ov::send(sel::GetWhen, a[1]).get());
  if (!first || !vorn::TickReached(ov::toInt(ov::get(attr::When, first)), now)) return ovFailure;
  ovRef command = ovRef::share(first);
  ov::set(attr::DeferredCommands, a.receiver(), ov::without(list, 0));
  ov::send<0>(sel::Do, command, {a.receiver()});
  return ovSuccess;
}

}  // namespace commander

const ovClassDeclaration kCommanderClass({
    .name = "Commander",
    .attributes = {"Event Handler", "Modeless Handler", "Modal Handler", "Deferred Commands", "Undo Command", "Redo?"},
    .methods = {{"Open", ov::routine<commander::Open>},
                {"Close", ov::routine<commander::Close>},
                {"Do Command", ov::routine<commander::DoCommand>},
                {"Undo Command", ov::routine<commander::UndoCommand>},
                {"Undo", ov::routine<commander::UndoCommand>},
                {"Undo Item", ov::routine<commander::UndoItem>},
                {"Dispose Undo", ov::routine<commander::DisposeUndo>},
                {"Modal Commander", ov::routine<commander::ModalCommander>},
                {"Update Menus", ov::routine<commander::UpdateMenus>},
                {"Do Next Command", ov::routine<commander::DoNextCommand>},
                {"Do Deferred Command", ov::routine<commander::DoDeferredCommand>}},
});

}  // namespace
