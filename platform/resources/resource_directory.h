// Lookup in the registered resource tables, and the handles that stand for
// their entries. A resource's handle is made the first time it is found and
// stays valid for the whole process, as a module's resources do.
#pragma once

#include "platform/handle_table.h"
#include "platform/resources/embedded_resources.h"
#include "platform/win32.h"

namespace platform::resources {

// A type or name as a caller gives it: MAKEINTRESOURCE number, "#number", or
// a name compared without regard to ASCII case.
struct ResourceKey {
  bool isNumber = true;
  uint16_t number = 0;
  const char* text = nullptr;

  static ResourceKey of(LPCSTR typeOrName);
  bool matches(const ResourceId& id) const;
};

// True for NULL and for the executable's module handle.
bool isThisModule(HMODULE module);

// The resource of that type and name, or nullptr with error set to
// ERROR_RESOURCE_DATA_NOT_FOUND (nothing registered),
// ERROR_RESOURCE_TYPE_NOT_FOUND or ERROR_RESOURCE_NAME_NOT_FOUND.
const EmbeddedResource* findEmbedded(const ResourceKey& type, const ResourceKey& name, DWORD& error);

// The handle of a registered resource, made on first use; 0 when the handle
// table is full.
HandleValue handleOfResource(const EmbeddedResource* resource);

// The resource a live resource handle stands for, or nullptr.
const EmbeddedResource* resourceOfHandle(HandleValue handle);

}  // namespace platform::resources
