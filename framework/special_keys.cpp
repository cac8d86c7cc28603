// Special keys: accelerators with the behaviours they post, on an item or
// a window. "Keys" is a list of pairs (accelerator entry, behaviour); each
// entry gets a command number of its own when the keys open, and joins the
// accelerators of the item's window.
#include "runtime/methods/kit.h"

namespace {

namespace sel {
const ovMethodSelector AddAccelerator("Add Accelerator");
const ovMethodSelector Close("Close");
const ovMethodSelector GetUniqueId("Get Unique ID");
const ovMethodSelector GetWindow("Get Window");
const ovMethodSelector Open("Open");
}  // namespace sel

namespace attr {
const ovAttributeSelector Id("ID");
const ovAttributeSelector Keys("Keys");
}  // namespace attr

ovC_object* entryOf(ovC_object* pair) { return ov::element(pair, 0); }
ovC_object* behaviorOf(ovC_object* pair) { return ov::element(pair, 1); }

namespace special_keys {

ovStatus Open(const ov::Args& a) {
  ovC_object* item = a[1];
  ovRef window = ov::send(sel::GetWindow, item).take();
  return ov::forEach(ov::get(attr::Keys, a.receiver()), [&](ovC_object* pair) {
    ov::set(attr::Id, entryOf(pair), ov::send(sel::GetUniqueId, window).get());
    ov::send<0>(sel::AddAccelerator, window, {entryOf(pair)});
    return ov::send<0>(sel::Open, behaviorOf(pair), {item}).status;
  });
}

ovStatus Close(const ov::Args& a) {
  return ov::forEach(ov::get(attr::Keys, a.receiver()), [](ovC_object* pair) {
    ov::send<0>(sel::Close, behaviorOf(pair));
    return ov::send<0>(sel::Close, entryOf(pair)).status;
  });
}

// The pair whose entry has the command number, or NULL.
ovStatus FindKeyById(const ov::Args& a) {
  ovRef keys = ov::get(attr::Keys, a.receiver());
  for (uint32_t i = 0; i < ov::length(keys); ++i) {
    ovC_object* pair = ov::element(keys, i);
    ovRef id = ov::get(attr::Id, entryOf(pair));
    if (ov::isInteger(id) && ov::isInteger(a[1]) && ov::toInt(id) == ov::toInt(a[1])) {
      a.put(0, pair);
      return ovSuccess;
    }
  }
  return ovSuccess;
}

}  // namespace special_keys

const ovClassDeclaration kSpecialKeysClass({
    .name = "Special Keys",
    .attributes = {"Keys"},
    .methods = {{"Open", ov::routine<special_keys::Open>},
                {"Close", ov::routine<special_keys::Close>},
                {"Find Key by ID", ov::routine<special_keys::FindKeyById>},
                {"On Command", ov::nothing}},
});

}  // namespace
