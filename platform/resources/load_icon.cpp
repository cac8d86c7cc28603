// LoadIconA and the pixels behind icon handles.
//
// Icons from LoadIconA are shared, as Windows' are: loading the same icon
// again gives the same handle, and the icon lives for the whole process.
// With no module, the IDI_ ids give the system icons; with the module, the
// name is an RT_GROUP_ICON resource whose bytes are an .ico file.
#include <map>
#include <memory>
#include <mutex>

#include "platform/resources/ico_decoder.h"
#include "platform/resources/resource_directory.h"
#include "platform/resources/system_icons.h"

namespace platform::resources {
namespace {

struct IconCache {
  std::mutex lock;
  std::map<const void*, HandleValue> loaded;  // by resource entry or system id
  std::vector<std::unique_ptr<std::vector<IconImage>>> icons;
};

IconCache& cache() {
  static IconCache* instance = new IconCache;  // icons outlive every caller
  return *instance;
}

// The shared handle for key, decoding the images with make on first use.
template <typename Make>
HICON sharedIcon(const void* key, Make make) {
  IconCache& c = cache();
  std::lock_guard guard(c.lock);
  if (auto found = c.loaded.find(key); found != c.loaded.end()) return handleToWin32<HICON>(found->second);
  auto images = std::make_unique<std::vector<IconImage>>(make());
  if (images->empty()) {
    SetLastError(ERROR_INVALID_DATA);
    return nullptr;
  }
  HandleValue handle = handleCreate(HandleKind::Icon, images.get());
  if (handle == 0) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  c.icons.push_back(std::move(images));
  c.loaded.emplace(key, handle);
  return handleToWin32<HICON>(handle);
}

HICON systemIcon(LPCSTR name) {
  WORD id = IS_INTRESOURCE(name) ? static_cast<WORD>(reinterpret_cast<uintptr_t>(name)) : 0;
  if (id < 32512 || id > 32518) {
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
  }
  // Keys for system icons are small numbers, which no resource entry's address can be.
  return sharedIcon(reinterpret_cast<const void*>(static_cast<uintptr_t>(id)), [id] { return drawSystemIcon(id); });
}

}  // namespace

const std::vector<IconImage>* iconImages(HICON icon) {
  return static_cast<const std::vector<IconImage>*>(handleObject(handleFromWin32(icon), HandleKind::Icon));
}

const IconImage* iconImage(HICON icon, int size) {
  const std::vector<IconImage>* images = iconImages(icon);
  if (!images || images->empty()) return nullptr;
  for (const IconImage& image : *images) {
    if (image.width >= size) return &image;
  }
  const IconImage* largest = &images->back();
  for (const IconImage& image : *images) {
    if (image.width == largest->width) return &image;  // deepest colour comes first
  }
  return largest;
}

}  // namespace platform::resources

using namespace platform::resources;

HICON WINAPI LoadIconA(HINSTANCE hInstance, LPCSTR lpIconName) {
  if (hInstance == nullptr) return systemIcon(lpIconName);
  HRSRC found = FindResourceA(hInstance, lpIconName, RT_GROUP_ICON);
  if (!found) return nullptr;
  const EmbeddedResource* resource = resourceOfHandle(platform::handleFromWin32(found));
  return sharedIcon(resource, [resource] { return decodeIco(resource->data, resource->size); });
}
