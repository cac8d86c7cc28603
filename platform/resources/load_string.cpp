// LoadStringA over string-table resources.
//
// Strings are stored as Windows stores them: string id n lives in the RT_STRING
// resource numbered n / 16 + 1, which holds sixteen counted UTF-16 strings
// (a 16-bit length, then that many code units); an absent string has length 0.
// The text handed back is Windows-1252, '?' for characters it lacks.
//
// Windows' LoadStringA corrupts memory when given a zero-sized buffer; here a
// missing buffer or a size below 1 is refused with ERROR_INVALID_PARAMETER.

#include "platform/resources/resource_directory.h"
#include "platform/text/windows_1252.h"

using namespace platform::resources;

namespace {

uint16_t wordAt(const unsigned char* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

// The code units of entry index of a block, or false when the block is too
// short to hold it or the string is empty.
bool blockEntry(const EmbeddedResource& block, unsigned index, const unsigned char*& units, size_t& count) {
  size_t offset = 0;
  for (unsigned i = 0;; ++i) {
    if (offset + 2 > block.size) return false;
    count = wordAt(block.data + offset);
    offset += 2;
    if (offset + count * 2 > block.size) return false;
    if (i == index) break;
    offset += count * 2;
  }
  units = block.data + offset;
  return count > 0;
}

// Converts UTF-16 to Windows-1252 until limit bytes are written.
int convert(const unsigned char* units, size_t count, char* out, int limit) {
  int written = 0;
  for (size_t i = 0; i < count && written < limit; ++i) {
    char32_t unit = wordAt(units + 2 * i);
    bool pair = unit >= 0xD800 && unit < 0xDC00 && i + 1 < count && (wordAt(units + 2 * i + 2) & 0xFC00) == 0xDC00;
    if (pair) ++i;
    out[written++] = static_cast<char>(pair ? '?' : platform::text::windows1252OfUnicode(unit));
  }
  return written;
}

}  // namespace

int WINAPI LoadStringA(HINSTANCE hInstance, UINT uID, LPSTR lpBuffer, int cchBufferMax) {
  if (lpBuffer == nullptr || cchBufferMax < 1) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  lpBuffer[0] = '\0';
  if (!isThisModule(hInstance)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  DWORD error = ERROR_RESOURCE_NAME_NOT_FOUND;
  const EmbeddedResource* block =
      uID <= 0xFFFF ? findEmbedded(ResourceKey::of(RT_STRING), ResourceKey::of(MAKEINTRESOURCE((uID >> 4) + 1)), error)
                    : nullptr;
  const unsigned char* units = nullptr;
  size_t count = 0;
  if (!block || !blockEntry(*block, uID & 15, units, count)) {
    SetLastError(block ? ERROR_RESOURCE_NAME_NOT_FOUND : error);
    return 0;
  }
  int written = convert(units, count, lpBuffer, cchBufferMax - 1);
  lpBuffer[written] = '\0';
  return written;
}
