// Resource primitives: names looked up in a module's named-resource table
// (RCDATA 29999), and the string-table texts they name.
#include <cstring>
#include <string>

#include "platform/win32.h"
#include "runtime/primitives/primitive_kit.h"
#include "runtime/values/read.h"

namespace {

constexpr WORD kNamedResourceTable = 29999;
constexpr uint32_t kStringResource = 1;
constexpr int kStringBuffer = 1025;  // at most 1024 characters and the NUL

struct NamedResource {
  uint32_t id = 0;
  uint32_t type = 0;
};

uint32_t wordAt(const unsigned char* p) {
  uint32_t word = 0;
  std::memcpy(&word, p, sizeof word);  // little-endian, as stored
  return word;
}

// The table's records: a record length (0 ends the table), the id, the
// type, then the name, a NUL and 1 to 4 zero bytes of padding. A record
// matches when its length is the one the name would have and its name is
// equal, case-sensitively. A record that would reach past the table ends
// the walk.
NamedResource findIn(const unsigned char* table, size_t size, const std::string& name) {
  size_t n = name.size() + 1;
  size_t expected = 12 + n + (4 - n % 4);
  for (size_t at = 0; at + 12 <= size;) {
    uint32_t length = wordAt(table + at);
    if (length < 12 || length > size - at) break;
    if (length == expected && std::memcmp(table + at + 12, name.c_str(), n) == 0)
      return {wordAt(table + at + 4), wordAt(table + at + 8)};
    at += length;
  }
  return {};
}

HINSTANCE moduleOf(ovC_object* v) {
  return reinterpret_cast<HINSTANCE>(static_cast<uintptr_t>(static_cast<uint32_t>(ovGetInteger(v))));
}

// The record of a name (a text) in the module's table; zeros when the name,
// the table or the module is unknown.
NamedResource locate(ovC_object* name, ovC_object* module) {
  if (!ovIsKind(name, ovKindText)) return {};
  HINSTANCE instance = moduleOf(module);
  HRSRC found = FindResourceA(instance, MAKEINTRESOURCE(kNamedResourceTable), RT_RCDATA);
  HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
  const void* table = loaded ? LockResource(loaded) : nullptr;
  if (!table) return {};
  return findIn(static_cast<const unsigned char*>(table), SizeofResource(instance, found),
                std::string(ovPrim::textOf(name)));
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
  if (resource.id == 0 || resource.type != kStringResource) return ovSuccess;
  char buffer[kStringBuffer];
  int count = LoadStringA(moduleOf(a[1]), resource.id, buffer, kStringBuffer);
  a.put(0, ovPrim::text(std::string_view(buffer, static_cast<size_t>(count > 0 ? count : 0))));
  return ovSuccess;
}

const ovPrimitiveDeclaration kGetResourceInfo("get-resource-info", ov::routine<GetResourceInfo>);
const ovPrimitiveDeclaration kGetStringResource("get-string-resource", ov::routine<GetStringResource>);

}  // namespace
