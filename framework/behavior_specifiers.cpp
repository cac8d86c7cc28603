// Behaviour specifiers: what a behaviour's inputs resolve to when it is
// done. Each holds a "Value" whose meaning its class gives: a literal, the
// name of an attribute of the behaviour, of a universal to call, of a
// persistent, or the name (or list of names) of window items of the
// behaviour's window, or of their values.
//
// "New" is a class method of each specifier class: it takes the value as
// its only input and makes an instance of that class.
#include "runtime/dispatch/dispatch.h"
#include "runtime/methods/kit.h"

namespace {

ovRef valueOf(const ov::Args& a) { return ov::get("Value"_attr, a.receiver()); }

// A new list of what each element of list answers to question.
template <typename Question>
ovRef eachAnswer(ovC_object* list, Question&& question) {
  ovRef answers = ov::emptyList();
  ov::forEach(list, [&](ovC_object* element) {
    answers = ov::appended(answers, question(element));
    return ovSuccess;
  });
  return answers;
}

namespace specifier {

template <const auto& Class>
ovStatus New(const ov::Args& a) {
  auto made = ov::make(Class);
  if (made.failed() || !made.get()) return ovFailure;
  ov::set("Value"_attr, made.get(), a[0]);
  a.put(0, made.take());
  return ovSuccess;
}

// A literal: the value itself.
ovStatus ResolveLiteral(const ov::Args& a) {
  a.put(0, valueOf(a));
  return ovSuccess;
}

// The behaviour's attribute that the value names.
ovStatus ResolveAttribute(const ov::Args& a) {
  ovC_object* passed = nullptr;
  ovC_object* found = nullptr;
  UCInjectGetAttribute(valueOf(a).get(), a[1], &passed, &found);
  ovDecUse(passed);
  a.put(0, ovRef::adopt(found));
  return ovSuccess;
}

// What the universal the value names answers, called with no inputs.
ovStatus ResolveMethod(const ov::Args& a) {
  auto answer = ov::callNamed(valueOf(a), "Method Specifier"_cls, ov::emptyList());
  if (answer.failed()) return ovFailure;
  a.put(0, answer.take());
  return ovSuccess;
}

// The persistent the value names.
ovStatus ResolvePersistent(const ov::Args& a) {
  ovC_object* found = nullptr;
  UCInjectGetPersistent(valueOf(a).get(), &found);
  a.put(0, ovRef::adopt(found));
  return ovSuccess;
}

// The items of the behaviour's window that the value names: one item for a
// name, a list of items for a list of names.
ovStatus ResolveWindowItems(const ov::Args& a) {
  ovRef window = ov::get("Window"_attr, a[1]);
  ovRef names = valueOf(a);
  auto find = [&](ovC_object* name) { return ov::send("Find Window Item"_sel, window, {name}).take(); };
  a.put(0, ov::isList(names) ? eachAnswer(names.get(), find) : find(names.get()));
  return ovSuccess;
}

// The values of those items, in the same shape.
ovStatus ResolveValues(const ov::Args& a) {
  ovRef items = ov::sendAs("Window Item Specifier"_cls, "Resolve"_sel, a.receiver(), {a[1]}).take();
  auto valueOfItem = [](ovC_object* item) { return ov::send("Get Value"_sel, item).take(); };
  if (!items) return ovSuccess;  // no item: the answer stays NULL
  a.put(0, ov::isList(items) ? eachAnswer(items.get(), valueOfItem) : valueOfItem(items.get()));
  return ovSuccess;
}

}  // namespace specifier

const ovClassDeclaration kBehaviorSpecifierClass({
    .name = "Behavior Specifier"_cls,
    .attributes = {"Value"_attr},
    .methods = ov::methods({{"New"_sel, ov::routine<specifier::New<"Behavior Specifier"_cls>>},
                            {"Resolve"_sel, ov::routine<specifier::ResolveLiteral>}},
                           ov::getters<"Value">(), ov::setters<"Value">()),
});

const ovClassDeclaration kAttributeSpecifierClass({
    .name = "Attribute Specifier"_cls,
    .superclass = "Behavior Specifier"_cls,
    .methods = {{"New"_sel, ov::routine<specifier::New<"Attribute Specifier"_cls>>},
                {"Resolve"_sel, ov::routine<specifier::ResolveAttribute>}},
});

const ovClassDeclaration kMethodSpecifierClass({
    .name = "Method Specifier"_cls,
    .superclass = "Behavior Specifier"_cls,
    .methods = {{"New"_sel, ov::routine<specifier::New<"Method Specifier"_cls>>},
                {"Resolve"_sel, ov::routine<specifier::ResolveMethod>}},
});

const ovClassDeclaration kPersistentSpecifierClass({
    .name = "Persistent Specifier"_cls,
    .superclass = "Behavior Specifier"_cls,
    .methods = {{"New"_sel, ov::routine<specifier::New<"Persistent Specifier"_cls>>},
                {"Resolve"_sel, ov::routine<specifier::ResolvePersistent>}},
});

const ovClassDeclaration kWindowItemSpecifierClass({
    .name = "Window Item Specifier"_cls,
    .superclass = "Behavior Specifier"_cls,
    .methods = {{"New"_sel, ov::routine<specifier::New<"Window Item Specifier"_cls>>},
                {"Resolve"_sel, ov::routine<specifier::ResolveWindowItems>}},
});

const ovClassDeclaration kValueSpecifierClass({
    .name = "Value Specifier"_cls,
    .superclass = "Window Item Specifier"_cls,
    .methods = {{"New"_sel, ov::routine<specifier::New<"Value Specifier"_cls>>},
                {"Resolve"_sel, ov::routine<specifier::ResolveValues>}},
});

}  // namespace
