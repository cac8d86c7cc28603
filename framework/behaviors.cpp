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

namespace sel {
const ovMethodSelector GetWindow("Get Window");
const ovMethodSelector Resolve("Resolve");
const ovMethodSelector SetEnabled("Set Enabled?");
}  // namespace sel

namespace attr {
const ovAttributeSelector Enabled("Enabled?");
const ovAttributeSelector Enabler("Enabler");
const ovAttributeSelector Event("Event");
const ovAttributeSelector Item("Item");
const ovAttributeSelector Menu("Menu");
const ovAttributeSelector Method("Method");
const ovAttributeSelector Specifiers("Specifiers");
const ovAttributeSelector Window("Window");
const ovAttributeSelector WindowItem("Window Item");
}  // namespace attr

namespace cls {
const ovClassName Behavior("Behavior");
}  // namespace cls

namespace behavior {

// The specifiers' values, in order; one whose Resolve fails gives NULL.
ovRef resolvedInputs(ovC_object* behavior) {
  ovRef values = ov::emptyList();
  ov::forEach(ov::get(attr::Specifiers, behavior), [&](ovC_object* specifier) {
    auto resolved = ov::send(sel::Resolve, specifier, {behavior});
    values = ov::appended(values, resolved.failed() ? nullptr : resolved.get());
    return ovSuccess;
  });
  return values;
}

// Calls the method "Method" names ("/name": the first value's class's)
// with the resolved values; fails when that method fails.
ovStatus Do(const ov::Args& a) {
  ovRef inputs = resolvedInputs(a.receiver());
  auto called = ov::callNamed<0>(ov::get(attr::Method, a.receiver()), cls::Behavior, inputs);
  return called.failed() ? ovFailure : ovSuccess;
}

}  // namespace behavior

namespace menu_behavior {

ovStatus Open(const ov::Args& a) {
  ov::set(attr::Menu, a.receiver(), a[1]);
  return ovSuccess;
}

// Keeps the command and its menu entry in the same state.
ovStatus SetEnabled(const ov::Args& a) {
  ov::set(attr::Enabled, a.receiver(), a[1]);
  ovRef menu = ov::get(attr::Menu, a.receiver());
  return ov::send<0>(sel::SetEnabled, menu, {ov::get(attr::Item, a.receiver()), a[1]}).status;
}

ovStatus Close(const ov::Args& a) {
  ov::set(attr::Menu, a.receiver(), nullptr);
  ov::set(attr::Enabler, a.receiver(), nullptr);
  return ovSuccess;
}

}  // namespace menu_behavior

namespace window_item_behavior {

ovStatus Open(const ov::Args& a) {
  ov::set(attr::WindowItem, a.receiver(), a[1]);
  ov::set(attr::Window, a.receiver(), ov::send(sel::GetWindow, a[1]).get());
  return ovSuccess;
}

ovStatus Close(const ov::Args& a) {
  for (const ovAttributeSelector* part : {&attr::Window, &attr::WindowItem, &attr::Event})
    ov::set(*part, a.receiver(), nullptr);
  return ovSuccess;
}

}  // namespace window_item_behavior

const ovClassDeclaration kBehaviorClass({
    .name = "Behavior",
    .superclass = "Command",
    .attributes = {"Method", "Specifiers", "Attachments"},
    .methods = {{"Do", ov::routine<behavior::Do>}, {"Open", ov::nothing}, {"Close", ov::nothing}},
});

const ovClassDeclaration kMenuBehaviorClass({
    .name = "Menu Behavior",
    .superclass = "Behavior",
    .attributes = {"Menu", "Item", "Enabler"},
    .methods = {{"Open", ov::routine<menu_behavior::Open>},
                {"Set Item", ov::writer<attr::Item>},
                {"Set Enabled?", ov::routine<menu_behavior::SetEnabled>},
                {"Close", ov::routine<menu_behavior::Close>},
                {"Get Enabler", ov::reader<attr::Enabler>},
                {"Set Enabler", ov::writer<attr::Enabler>}},
});

const ovClassDeclaration kWindowItemBehaviorClass({
    .name = "Window Item Behavior",
    .superclass = "Behavior",
    .attributes = {"Window", "Window Item", "Event"},
    .methods = {{"Open", ov::routine<window_item_behavior::Open>},
                {"Set Event", ov::writer<attr::Event>},
                {"Close", ov::routine<window_item_behavior::Close>},
                {"Set Value", ov::nothing}},
});

const ovClassDeclaration kControlBehaviorClass({
    .name = "Control Behavior",
    .superclass = "Window Item Behavior",
    .attributes = {"Part"},
});

}  // namespace
