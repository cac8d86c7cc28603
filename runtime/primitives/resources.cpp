// Resource primitives: names looked up in a module's named-resource table
// (RCDATA 29999), and the string-table texts they name.
#include <string>

#include "platform/win32.h"
#include "runtime/archive/named_resources.h"
#include "runtime/methods/platform_values.h"
#include "runtime/primitives/primitive_kit.h"
#include "runtime/values/read.h"

namespace {

constexpr int kStringBuffer = 1025;  // at most 1024 characters and the NUL

struct NamedResource {
  uint32_t id = 0;
  uint32_t type = 0;
};

HINSTANCE moduleOf(ovC_object* v) { return ov::toHandle<HINSTANCE>(v); }

// The record of a name (a text) in the module's named-resource table; zeros
// when the name, the table or the module is unknown.
NamedResource locate(ovC_object* name, ovC_object* module) {
  NamedResource resource;
  if (ovIsKind(name, ovKindText))
    ovLocateResource(moduleOf(module), std::string(ovPrim::textOf(name)).c_str(), &resource.id, &resource.type);
  return resource;
}

// name, module -> id, type; both 0 when the name is not found.
ovStatus GetResourceInfo(const ov::Args& a) {
  NamedResource resource = locate(a[0], a[1]);
  a.put(0, ovPrim::integer(static_cast<int32_t>(resource.id)));
  a.put(1, ovPrim::integer(static_cast<int32_t>(resource.type)));
  return ovSuccess;
}

// name, module -> the text of the string the name stands for (at most 1024
// characters); NULL when the name is not a string's.
ovStatus GetStringResource(const ov::Args& a) {
  NamedResource resource = locate(a[0], a[1]);
  if (resource.id == 0 || resource.type != kNamedResourceString) return ovSuccess;
  char buffer[kStringBuffer];
  int count = LoadStringA(moduleOf(a[1]), resource.id, buffer, kStringBuffer);
  a.put(0, ovPrim::text(std::string_view(buffer, static_cast<size_t>(count > 0 ? count : 0))));
  return ovSuccess;
}

const ovPrimitiveDeclaration kGetResourceInfo("get-resource-info", ov::routine<GetResourceInfo>);
const ovPrimitiveDeclaration kGetStringResource("get-string-resource", ov::routine<GetStringResource>);

}  // namespace
