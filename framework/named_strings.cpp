// Strings by name: the texts of the named-resource table, with the name
// itself standing in for a string the table lacks, and the name a thing
// without one goes by.
#include "runtime/methods/kit.h"

namespace {

// (x, name): x is not used.
ovStatus GetNamedString(const ov::Args& a) {
  ovRef instance = ov::primitive("get-application-instances"_prim, {}).take();
  ovRef found = ov::primitive("get-string-resource"_prim, {a[1], instance}).take();
  a.put(0, found ? std::move(found) : ovRef::share(a[1]));
  return ovSuccess;
}

ovStatus GetString(const ov::Args& a) {
  a.put(0, ov::isText(a[0]) ? ovRef::share(a[0]) : ov::text("Untitled"));
  return ovSuccess;
}

const ovUniversalDeclaration kGetNamedString("Get Named String"_uni, ov::routine<GetNamedString>);
const ovUniversalDeclaration kGetString("Get String"_uni, ov::routine<GetString>);

}  // namespace
