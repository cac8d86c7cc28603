#include "platform/dialogs/dialog_template.h"

#include <cstring>

#include "platform/text/windows_1252.h"

namespace platform::dialogs {
namespace {

// Reads little-endian values from a block, refusing to pass its end.
class Reader {
 public:
  Reader(const uint8_t* bytes, size_t size) : bytes_(bytes), size_(size) {}

  bool ok() const { return ok_; }

  template <typename T>
  T read() {
    T value{};
    if (!take(sizeof value)) return value;
    std::memcpy(&value, bytes_ + at_ - sizeof value, sizeof value);
    return value;
  }

  void alignTo(size_t boundary) {
    size_t padding = (boundary - at_ % boundary) % boundary;
    if (at_ < size_) take(std::min(padding, size_ - at_));
  }

  // A NUL-ended UTF-16 string, as Windows-1252.
  std::string string() {
    std::string out;
    for (char16_t unit = read<char16_t>(); ok_ && unit != 0; unit = read<char16_t>()) out += convert(unit);
    return out;
  }

  // A string or a 0xFFFF-and-ordinal pair (ordinal set, string empty).
  std::string stringOrOrdinal(WORD& ordinal) {
    ordinal = 0;
    char16_t first = peekWord();
    if (first == 0xFFFF) {
      read<char16_t>();
      ordinal = read<WORD>();
      return {};
    }
    return string();
  }

  std::vector<uint8_t> bytes(size_t count) {
    if (!take(count)) return {};
    return {bytes_ + at_ - count, bytes_ + at_};
  }

 private:
  bool take(size_t count) {
    if (!ok_ || count > size_ - at_) {
      ok_ = false;
      return false;
    }
    at_ += count;
    return true;
  }

  char16_t peekWord() const {
    if (!ok_ || size_ - at_ < 2) return 0;
    return static_cast<char16_t>(bytes_[at_] | bytes_[at_ + 1] << 8);
  }

  // One UTF-16 unit; a surrogate pair is taken whole, and like every
  // character Windows-1252 lacks, becomes '?'.
  char convert(char16_t unit) {
    bool high = unit >= 0xD800 && unit < 0xDC00;
    char16_t next = peekWord();
    if (high && next >= 0xDC00 && next < 0xE000) read<char16_t>();
    return static_cast<char>(text::windows1252OfUnicode(unit));
  }

  const uint8_t* bytes_;
  size_t size_;
  size_t at_ = 0;
  bool ok_ = true;
};

std::string controlClassOf(WORD ordinal) {
  static const char* const names[] = {"Button", "Edit", "Static", "ListBox", "ScrollBar", "ComboBox"};
  return ordinal >= 0x80 && ordinal <= 0x85 ? names[ordinal - 0x80] : "";
}

RECT unitsOf(short x, short y, short cx, short cy) { return {x, y, x + cx, y + cy}; }

DialogItem readItem(Reader& in) {
  in.alignTo(4);
  DialogItem item;
  item.style = in.read<DWORD>();
  item.exStyle = in.read<DWORD>();
  auto x = in.read<short>(), y = in.read<short>(), cx = in.read<short>(), cy = in.read<short>();
  item.units = unitsOf(x, y, cx, cy);
  item.id = in.read<WORD>();
  WORD ordinal = 0;
  item.className = in.stringOrOrdinal(ordinal);
  if (ordinal) item.className = controlClassOf(ordinal);
  item.text = in.stringOrOrdinal(ordinal);
  WORD extra = in.read<WORD>();
  // The size counts its own word.
  if (extra >= 2) item.creationData = in.bytes(extra - 2);
  return item;
}

void readHeader(Reader& in, DialogTemplate& t, WORD& count) {
  t.style = in.read<DWORD>();
  t.exStyle = in.read<DWORD>();
  count = in.read<WORD>();
  auto x = in.read<short>(), y = in.read<short>(), cx = in.read<short>(), cy = in.read<short>();
  t.units = unitsOf(x, y, cx, cy);
  WORD ordinal = 0;
  std::string menu = in.stringOrOrdinal(ordinal);
  t.hasMenu = ordinal != 0 || !menu.empty();
  t.className = in.stringOrOrdinal(ordinal);
  t.title = in.string();
  if (!(t.style & DS_SETFONT)) return;
  t.pointSize = in.read<WORD>();
  t.face = in.string();
}

}  // namespace

namespace {

// The most dialogTemplateAt reads.
constexpr size_t kLargestTemplate = 0x10000;

std::optional<DialogTemplate> readOrFail(const void* bytes, size_t size) {
  std::optional<DialogTemplate> t = readDialogTemplate(bytes, size);
  if (!t) SetLastError(ERROR_INVALID_DATA);
  return t;
}

}  // namespace

std::optional<DialogTemplate> dialogTemplateResource(HINSTANCE instance, LPCSTR name) {
  HRSRC found = FindResourceA(instance, name, RT_DIALOG);
  const void* bytes = found ? LockResource(LoadResource(instance, found)) : nullptr;
  if (!bytes) return std::nullopt;
  return readOrFail(bytes, SizeofResource(instance, found));
}

std::optional<DialogTemplate> dialogTemplateAt(const void* bytes) { return readOrFail(bytes, kLargestTemplate); }

std::optional<DialogTemplate> readDialogTemplate(const void* bytes, size_t size) {
  if (!bytes) return std::nullopt;
  Reader in(static_cast<const uint8_t*>(bytes), size);
  bool extended = size >= 4 && std::memcmp(bytes, "\x01\x00\xFF\xFF", 4) == 0;
  if (extended) return std::nullopt;
  DialogTemplate t;
  WORD count = 0;
  readHeader(in, t, count);
  for (WORD i = 0; i < count && in.ok(); ++i) t.items.push_back(readItem(in));
  if (!in.ok()) return std::nullopt;
  return t;
}

}  // namespace platform::dialogs
