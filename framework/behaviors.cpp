// Behaviours: commands stored with a window item or menu item that name a
// method and the specifiers of its inputs. Doing one resolves every
// specifier against the behaviour at that moment and calls the named
// method with the values, so archived buttons and menu items reach the
// application's methods without compiled glue.
//
// A menu behaviour knows its menu, the command number of its item and the
// object that enabled it in the last menu update; a window item behaviour
// knows its item, the item's window and the event being handled.
#include "runtime/methods/kit.h"

namespace {

namespace behavior {

// The specifiers' values, in order; one whose Resolve fails gives NULL.
ovRef resolvedInputs(ovC_object* behavior) {
  ovRef values = ov::emptyList();
  ov::forEach(ov::get("Specifiers"_attr, behavior), [&](ovC_object* specifier) {
    auto resolved = ov::send("Resolve"_sel, specifier, {behavior});
    values = ov::appended(values, resolved.failed() ? nullptr : resolved.get());
    return ovSuccess;
  });
  return values;
}

// Calls the method "Method" names ("/name": the first value's class's)
// with the resolved values; fails when that method fails.
ovStatus Do(const ov::Args& a) {
  ovRef inputs = resolvedInputs(a.receiver());
  auto called = ov::callNamed<0>(ov::get("Method"_attr, a.receiver()), "Behavior"_cls, inputs);
  return called.failed() ? ovFailure : ovSuccess;
}

}  // namespace behavior

namespace menu_behavior {

ovStatus Open(const ov::Args& a) {
  ov::set("Menu"_attr, a.receiver(), a[1]);
  return ovSuccess;
}

// Keeps the command and its menu entry in the same state.
ovStatus SetEnabled(const ov::Args& a) {
  ov::set("Enabled?"_attr, a.receiver(), a[1]);
  ovRef menu = ov::get("Menu"_attr, a.receiver());
  return ov::send<0>("Set Enabled?"_sel, menu, {ov::get("Item"_attr, a.receiver()), a[1]}).status;
}

ovStatus Close(const ov::Args& a) {
  ov::set("Menu"_attr, a.receiver(), nullptr);
  ov::set("Enabler"_attr, a.receiver(), nullptr);
  return ovSuccess;
}

}  // namespace menu_behavior

namespace window_item_behavior {

ovStatus Open(const ov::Args& a) {
  ov::set("Window Item"_attr, a.receiver(), a[1]);
  ov::set("Window"_attr, a.receiver(), ov::send("Get Window"_sel, a[1]).get());
  return ovSuccess;
}

ovStatus Close(const ov::Args& a) {
  for (const ovAttributeSelector* part : ov::Attributes{&"Window"_attr, &"Window Item"_attr, &"Event"_attr})
    ov::set(*part, a.receiver(), nullptr);
  return ovSuccess;
}

}  // namespace window_item_behavior

const ovClassDeclaration kBehaviorClass({
    .name = "Behavior"_cls,
    .superclass = "Command"_cls,
    .attributes = {"Method"_attr, "Specifiers"_attr, "Attachments"_attr},
    .methods = ov::methods({{"Do"_sel, ov::routine<behavior::Do>}}, ov::doingNothing<"Open", "Close">()),
});

const ovClassDeclaration kMenuBehaviorClass({
    .name = "Menu Behavior"_cls,
    .superclass = "Behavior"_cls,
    .attributes = {"Menu"_attr, "Item"_attr, "Enabler"_attr},
    .methods = ov::methods({{"Open"_sel, ov::routine<menu_behavior::Open>},
                            {"Set Enabled?"_sel, ov::routine<menu_behavior::SetEnabled>},
                            {"Close"_sel, ov::routine<menu_behavior::Close>}},
                           ov::getters<"Enabler">(), ov::setters<"Item", "Enabler">()),
});

const ovClassDeclaration kWindowItemBehaviorClass({
    .name = "Window Item Behavior"_cls,
    .superclass = "Behavior"_cls,
    .attributes = {"Window"_attr, "Window Item"_attr, "Event"_attr},
    .methods = ov::methods({{"Open"_sel, ov::routine<window_item_behavior::Open>},
                            {"Close"_sel, ov::routine<window_item_behavior::Close>}},
                           ov::setters<"Event">(), ov::doingNothing<"Set Value">()),
});

const ovClassDeclaration kControlBehaviorClass({
    .name = "Control Behavior"_cls,
    .superclass = "Window Item Behavior"_cls,
    .attributes = {"Part"_attr},
});

}  // namespace
