// Special keys: accelerators with the behaviours they post, on an item or
// a window. "Keys" is a list of pairs (accelerator entry, behaviour); each
// entry gets a command number of its own when the keys open, and joins the
// accelerators of the item's window.
#include "runtime/methods/kit.h"

namespace {

ovC_object* entryOf(ovC_object* pair) { return ov::element(pair, 0); }
ovC_object* behaviorOf(ovC_object* pair) { return ov::element(pair, 1); }

namespace special_keys {

ovStatus Open(const ov::Args& a) {
  ovC_object* item = a[1];
  ovRef window = ov::send("Get Window"_sel, item).take();
  return ov::forEach(ov::get("Keys"_attr, a.receiver()), [&](ovC_object* pair) {
    ov::set("ID"_attr, entryOf(pair), ov::send("Get Unique ID"_sel, window).get());
    ov::tell("Add Accelerator"_sel, window, {entryOf(pair)});
    return ov::send<0>("Open"_sel, behaviorOf(pair), {item}).status;
  });
}

ovStatus Close(const ov::Args& a) {
  return ov::forEach(ov::get("Keys"_attr, a.receiver()), [](ovC_object* pair) {
    ov::tell("Close"_sel, behaviorOf(pair));
    return ov::send<0>("Close"_sel, entryOf(pair)).status;
  });
}

// The pair whose entry has the command number, or NULL.
ovStatus FindKeyById(const ov::Args& a) {
  ovRef keys = ov::get("Keys"_attr, a.receiver());
  for (uint32_t i = 0; i < ov::length(keys); ++i) {
    ovC_object* pair = ov::element(keys, i);
    ovRef id = ov::get("ID"_attr, entryOf(pair));
    if (ov::isInteger(id) && ov::isInteger(a[1]) && ov::toInt(id) == ov::toInt(a[1])) {
      a.put(0, pair);
      return ovSuccess;
    }
  }
  return ovSuccess;
}

}  // namespace special_keys

const ovClassDeclaration kSpecialKeysClass({
    .name = "Special Keys"_cls,
    .attributes = {"Keys"_attr},
    .methods = ov::methods({{"Open"_sel, ov::routine<special_keys::Open>},
                            {"Close"_sel, ov::routine<special_keys::Close>},
                            {"Find Key by ID"_sel, ov::routine<special_keys::FindKeyById>}},
                           ov::doingNothing<"On Command">()),
});

}  // namespace
