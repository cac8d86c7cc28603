// The commander: one per application. It does posted commands at once,
// keeps the last undoable one for a single level of undo and redo, holds the
// deferred commands that idle passes run (ordered by "When"), and owns the
// event handlers.
#include "framework/deferred_due.h"
#include "runtime/methods/kit.h"

namespace {

ovRef namedString(const char* key) { return ov::universal("Get Named String"_uni, {nullptr, ov::text(key)}).take(); }

namespace commander {

// One handler serves modeless and modal use alike.
ovStatus Open(const ov::Args& a) {
  ovRef handler = ov::make("Event Handler"_cls).take();
  ov::set("Event Handler"_attr, a.receiver(), handler);
  ov::set("Modeless Handler"_attr, a.receiver(), handler);
  ov::tell("Open"_sel, handler);
  ov::set("Modal Handler"_attr, a.receiver(), handler);
  return ovSuccess;
}

ovStatus Close(const ov::Args& a) {
  for (const ovAttributeSelector* handler : ov::Attributes{&"Modeless Handler"_attr, &"Modal Handler"_attr})
    if (ovRef h = ov::get(*handler, a.receiver())) ov::tell("Close"_sel, h);
  return ovSuccess;
}

// An undoable command discards the previous one before it runs, and
// becomes the one Undo acts on once it has run.
ovStatus DoCommand(const ov::Args& a) {
  ovC_object* command = a[1];
  bool undoable = ov::isTrue(ov::send("Get Undo?"_sel, command).get());
  if (undoable) ov::tell("Dispose Undo"_sel, a.receiver());
  if (ov::send<0>("Do"_sel, command, {a.receiver()}).failed()) return ovFailure;
  if (undoable) {
    ov::set("Undo Command"_attr, a.receiver(), command);
    ov::set("Redo?"_attr, a.receiver(), gdDefaultFalse);
  }
  return ovSuccess;
}

ovStatus DisposeUndo(const ov::Args& a) {
  ovRef command = ov::get("Undo Command"_attr, a.receiver());
  if (!command) return ovSuccess;
  ov::tell("Dispose"_sel, command);
  ov::set("Undo Command"_attr, a.receiver(), nullptr);
  return ovSuccess;
}

// One level of history: the command toggles between undone and redone.
ovStatus UndoCommand(const ov::Args& a) {
  ovRef command = ov::get("Undo Command"_attr, a.receiver());
  if (!command) return ovSuccess;
  bool redo = ov::isTrue(ov::get("Redo?"_attr, a.receiver()));
  ov::set("Redo?"_attr, a.receiver(), ov::boolean(!redo));
  if (redo)
    ov::tell("Redo"_sel, command, {a.receiver()});
  else
    ov::tell("Undo"_sel, command, {a.receiver()});
  return ovSuccess;
}

// "Undo", "Redo", or the verb joined with the command's name.
ovStatus UndoItem(const ov::Args& a) {
  ovRef command = ov::get("Undo Command"_attr, a.receiver());
  if (!command) {
    a.put(0, namedString("Undo"));
    return ovSuccess;
  }
  ovRef verb = namedString(ov::isTrue(ov::get("Redo?"_attr, a.receiver())) ? "Redo" : "Undo");
  ovRef name = ov::send("Get Name"_sel, command).take();
  if (ov::chars(name).empty()) {
    a.put(0, std::move(verb));
    return ovSuccess;
  }
  a.put(0, ov::primitive("munge-string"_prim, {namedString("Undo Task"), verb, name}).take());
  return ovSuccess;
}

// While modal, the window procedure hands events to the modal handler.
ovStatus ModalCommander(const ov::Args& a) {
  ovRef handler =
      ov::isTrue(a[1]) ? ov::get("Modal Handler"_attr, a.receiver()) : ov::get("Modeless Handler"_attr, a.receiver());
  ov::set("Event Handler"_attr, a.receiver(), handler);
  return ovSuccess;
}

// The commander's share of menu enabling: the Undo item's text, and the item
// itself while there is something to undo.
ovStatus UpdateMenus(const ov::Args& a) {
  ovC_object* menubar = a[1];
  ovRef undo = ov::text("Undo");
  if (ov::send<0>("Set Item String"_sel, menubar, {undo, ov::send("Undo Item"_sel, a.receiver()).get()}).failed())
    return ovSuccess;
  if (ov::get("Undo Command"_attr, a.receiver()))
    ov::tell("Set Item Enabled?"_sel, menubar, {undo, a.receiver(), gdDefaultTrue});
  return ovSuccess;
}

ovStatus DoNextCommand(const ov::Args& a) {
  return ov::send<0>("Do Next Event"_sel, ov::get("Event Handler"_attr, a.receiver()), {a.receiver()}).status;
}

// Runs the first deferred command when it is due; fails when nothing is.
ovStatus DoDeferredCommand(const ov::Args& a) {
  ovRef list = ov::get("Deferred Commands"_attr, a.receiver());
  ovC_object* first = ov::element(list, 0);
  int32_t now = ov::toInt(ov::send("Get When"_sel, a[1]).get());
  if (!first || !vorn::TickReached(ov::toInt(ov::get("When"_attr, first)), now)) return ovFailure;
  ovRef command = ovRef::share(first);
  ov::set("Deferred Commands"_attr, a.receiver(), ov::without(list, 0));
  ov::tell("Do"_sel, command, {a.receiver()});
  return ovSuccess;
}

}  // namespace commander

const ovClassDeclaration kCommanderClass({
    .name = "Commander"_cls,
    .attributes = {"Event Handler"_attr, "Modeless Handler"_attr, "Modal Handler"_attr, "Deferred Commands"_attr,
                   "Undo Command"_attr, "Redo?"_attr},
    .methods = {{"Open"_sel, ov::routine<commander::Open>},
                {"Close"_sel, ov::routine<commander::Close>},
                {"Do Command"_sel, ov::routine<commander::DoCommand>},
                {"Undo Command"_sel, ov::routine<commander::UndoCommand>},
                {"Undo"_sel, ov::routine<commander::UndoCommand>},
                {"Undo Item"_sel, ov::routine<commander::UndoItem>},
                {"Dispose Undo"_sel, ov::routine<commander::DisposeUndo>},
                {"Modal Commander"_sel, ov::routine<commander::ModalCommander>},
                {"Update Menus"_sel, ov::routine<commander::UpdateMenus>},
                {"Do Next Command"_sel, ov::routine<commander::DoNextCommand>},
                {"Do Deferred Command"_sel, ov::routine<commander::DoDeferredCommand>}},
});

}  // namespace
