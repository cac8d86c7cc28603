#include "platform/resources/resource_directory.h"

#include <cctype>
#include <cstring>
#include <map>
#include <mutex>
#include <vector>

namespace platform::resources {
namespace {

struct Directory {
  std::mutex lock;
  std::vector<const EmbeddedResource*> entries;
  std::map<const EmbeddedResource*, HandleValue> handles;
};

// Never destroyed: generated sources register during static initialisation,
// in an order the program does not control.
Directory& directory() {
  static Directory* instance = new Directory;
  return *instance;
}

bool equalWithoutCase(const char* a, const char* b) {
  for (; *a && *b; ++a, ++b) {
    if (std::toupper(static_cast<unsigned char>(*a)) != std::toupper(static_cast<unsigned char>(*b))) return false;
  }
  return *a == *b;
}

// "#123" with nothing but decimal digits after the '#' and a 16-bit value.
bool parseNumberText(const char* text, uint16_t& number) {
  if (text[0] != '#' || text[1] == '\0') return false;
  unsigned value = 0;
  for (const char* p = text + 1; *p; ++p) {
    if (!std::isdigit(static_cast<unsigned char>(*p))) return false;
    value = value * 10 + static_cast<unsigned>(*p - '0');
    if (value > 0xFFFF) return false;
  }
  number = static_cast<uint16_t>(value);
  return true;
}

}  // namespace

bool registerResources(const EmbeddedResource* table, size_t count) {
  Directory& d = directory();
  std::lock_guard guard(d.lock);
  for (size_t i = 0; i < count; ++i) d.entries.push_back(&table[i]);
  return true;
}

ResourceKey ResourceKey::of(LPCSTR typeOrName) {
  ResourceKey key;
  if (IS_INTRESOURCE(typeOrName)) {
    key.number = static_cast<uint16_t>(reinterpret_cast<uintptr_t>(typeOrName));
  } else if (!parseNumberText(typeOrName, key.number)) {
    key.isNumber = false;
    key.text = typeOrName;
  }
  return key;
}

bool ResourceKey::matches(const ResourceId& id) const {
  if (isNumber) return id.text == nullptr && id.number == number;
  return id.text != nullptr && equalWithoutCase(id.text, text);
}

bool isThisModule(HMODULE module) {
  HandleValue handle = handleFromWin32(module);
  return module == nullptr || (handle != 0 && handleKind(handle) == HandleKind::Module);
}

const EmbeddedResource* findEmbedded(const ResourceKey& type, const ResourceKey& name, DWORD& error) {
  Directory& d = directory();
  std::lock_guard guard(d.lock);
  error = d.entries.empty() ? ERROR_RESOURCE_DATA_NOT_FOUND : ERROR_RESOURCE_TYPE_NOT_FOUND;
  for (const EmbeddedResource* entry : d.entries) {
    if (!type.matches(entry->type)) continue;
    if (name.matches(entry->name)) return entry;
    error = ERROR_RESOURCE_NAME_NOT_FOUND;
  }
  return nullptr;
}

HandleValue handleOfResource(const EmbeddedResource* resource) {
  Directory& d = directory();
  std::lock_guard guard(d.lock);
  HandleValue& handle = d.handles[resource];
  if (handle == 0) handle = handleCreate(HandleKind::Resource, const_cast<EmbeddedResource*>(resource));
  return handle;
}

const EmbeddedResource* resourceOfHandle(HandleValue handle) {
  return static_cast<const EmbeddedResource*>(handleObject(handle, HandleKind::Resource));
}

}  // namespace platform::resources
