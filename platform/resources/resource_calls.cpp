// FindResourceA, LoadResource, LockResource, SizeofResource, FreeResource.
//
// Resources live in the executable's read-only data for the whole process, so
// loading one hands back the same handle (an HGLOBAL that LockResource turns
// into the bytes), and there is nothing to free: FreeResource answers FALSE,
// as it does on 32-bit Windows. A handle of another kind, or NULL, is refused
// with ERROR_INVALID_HANDLE.
#include "platform/resources/resource_directory.h"

using platform::HandleValue;
using namespace platform::resources;

namespace {

const EmbeddedResource* checkedResource(HMODULE module, HANDLE handle) {
  const EmbeddedResource* resource = isThisModule(module) ? resourceOfHandle(platform::handleFromWin32(handle)) : nullptr;
  if (!resource) SetLastError(ERROR_INVALID_HANDLE);
  return resource;
}

}  // namespace

HRSRC WINAPI FindResourceA(HMODULE hModule, LPCSTR lpName, LPCSTR lpType) {
  if (!isThisModule(hModule)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  DWORD error = ERROR_SUCCESS;
  const EmbeddedResource* resource = findEmbedded(ResourceKey::of(lpType), ResourceKey::of(lpName), error);
  HandleValue handle = resource ? handleOfResource(resource) : 0;
  if (resource && handle == 0) error = ERROR_NOT_ENOUGH_MEMORY;
  if (handle == 0) SetLastError(error);
  return platform::handleToWin32<HRSRC>(handle);
}

HGLOBAL WINAPI LoadResource(HMODULE hModule, HRSRC hResInfo) {
  return checkedResource(hModule, hResInfo) ? static_cast<HGLOBAL>(hResInfo) : nullptr;
}

LPVOID WINAPI LockResource(HGLOBAL hResData) {
  const EmbeddedResource* resource = checkedResource(nullptr, hResData);
  return resource ? const_cast<unsigned char*>(resource->data) : nullptr;
}

DWORD WINAPI SizeofResource(HMODULE hModule, HRSRC hResInfo) {
  const EmbeddedResource* resource = checkedResource(hModule, hResInfo);
  return resource ? resource->size : 0;
}

BOOL WINAPI FreeResource(HGLOBAL) { return FALSE; }
