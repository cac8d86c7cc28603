// Printing an archive block in the text form, in the order of DumpWalk.
// Lists of up to ten plain slots stay on one line; other lists and named
// instances put each slot on a line of its own.
#include <bit>
#include <cstdio>

#include "runtime/archive/format.h"
#include "runtime/archive/uncluster.h"
#include "runtime/values/unparse.h"
#include "runtime/values/value_ref.h"
#include "tools/archive/archive_text.h"
#include "tools/archive/dump_walk.h"
#include "tools/archive/plain_values.h"

namespace {

constexpr const char* kSharedWords[] = {"TRUE", "FALSE", "NONE", "UNDEFINED"};
constexpr uint32_t kSlotsOnOneLine = 10;
constexpr const char* kIndent = "  ";

std::string nameOf(const RTName* name) { return std::string(name->chars, name->length); }

std::string labelOf(uint32_t item) { return "@i" + std::to_string(item); }

// Whether a text item holds a character that the text form does not show
// as itself (a control character).
bool holdsControlCharacters(const ItemView& view) {
  if (DBTagCode(view.record.tag) != DBCodeText) return false;
  for (uint32_t i = 0; i < view.record.payloadLength; ++i)
    if (view.record.payload[i] < 0x20 || view.record.payload[i] == 0x7F) return true;
  return false;
}

// A plain item printed as the run-time prints its value; reals with the
// digits it takes to read back the same double; texts with control
// characters by their codes.
std::string plainText(const ItemView& view) {
  if (holdsControlCharacters(view))
    return "characters \"" + ovHexText(view.record.payload, view.record.payloadLength) + "\"";
  if (DBTagCode(view.record.tag) == DBCodeReal) {
    uint64_t bits = 0;
    for (int i = 0; i < 8; ++i) bits = bits << 8 | view.record.payload[i];
    return ovRealText(std::bit_cast<double>(bits));
  }
  DBDecoding scratch;
  DBPendingSlots pending;
  uint16_t status = 0;
  ovRef value = ovRef::adopt(DBMakeItemValue(view.record, scratch, &pending, &status));
  ovC_object* printed = nullptr;
  ovUnparse(value.get(), &printed);
  ovRef text = ovRef::adopt(printed);
  return std::string(ovAs<ovC_text>(printed)->Chars(), ovAs<ovC_text>(printed)->length);
}

std::string rawText(const ItemView& view) {
  char tag[16];
  std::snprintf(tag, sizeof tag, "16#%08X", view.record.tag);
  return std::string("raw ") + tag + " \"" + ovHexText(view.record.payload, view.record.payloadLength) + "\"";
}

std::string bytesText(const ItemView& view) {
  const char* keyword = DBTagCategoryOf(view.record.tag) == DBCategoryExternal ? "external " : "handle ";
  return keyword + ovQuotedText(nameOf(view.type->name)) + " \"" +
         ovHexText(view.record.payload, view.record.payloadLength) + "\"";
}

std::string leafText(const ItemView& view) {
  switch (view.form) {
    case ItemForm::Shared:
      return kSharedWords[view.shared];
    case ItemForm::Plain:
      return plainText(view);
    case ItemForm::Bytes:
      return bytesText(view);
    default:
      return rawText(view);
  }
}

// How many values an opened item's slots print, and whether one of them
// opens slots of its own.
struct Shape {
  uint32_t values = 0;
  bool nested = false;
};

class Printer {
 public:
  Printer(const std::vector<ItemView>& items, const DumpWalk& walk, SlotNames& slotNames, std::string& out)
      : items_(items), walk_(walk), slotNames_(slotNames), out_(out) {}

  void Print();

 private:
  struct Level {
    bool block;
    bool bare;  // an instance printed without slots
    char closer;
  };

  std::vector<Shape> Measure() const;
  void PrintEvent(const DumpEvent& event, const Shape& shape);
  void TopLevel();
  void Value(uint32_t labelledItem, std::string_view text);
  void BeginValue(uint32_t labelledItem);
  void Open(uint32_t item, const Shape& shape);
  void Close();
  void SlotName(const DumpEvent& event);
  void NewLine(size_t depth);

  const std::vector<ItemView>& items_;
  const DumpWalk& walk_;
  SlotNames& slotNames_;
  std::string& out_;
  std::vector<Level> levels_;
  bool afterSlotName_ = false;
  bool firstTopLevel_ = true;
};

void Printer::Print() {
  std::vector<Shape> shapes = Measure();
  const std::vector<DumpEvent>& events = walk_.Events();
  for (size_t i = 0; i < events.size(); ++i) PrintEvent(events[i], shapes[i]);
  if (!events.empty()) out_ += '\n';
}

std::vector<Shape> Printer::Measure() const {
  const std::vector<DumpEvent>& events = walk_.Events();
  std::vector<Shape> shapes(events.size());
  std::vector<size_t> open;
  for (size_t i = 0; i < events.size(); ++i) {
    DumpEventKind kind = events[i].kind;
    bool isValue = kind != DumpEventKind::TopLevel && kind != DumpEventKind::Close && kind != DumpEventKind::Slot;
    if (isValue && !open.empty()) {
      ++shapes[open.back()].values;
      if (kind == DumpEventKind::Open) shapes[open.back()].nested = true;
    }
    if (kind == DumpEventKind::Open) open.push_back(i);
    if (kind == DumpEventKind::Close) open.pop_back();
  }
  return shapes;
}

void Printer::PrintEvent(const DumpEvent& event, const Shape& shape) {
  switch (event.kind) {
    case DumpEventKind::TopLevel:
      TopLevel();
      break;
    case DumpEventKind::Null:
      Value(0, "NULL");
      break;
    case DumpEventKind::Word:
      Value(0, kSharedWords[items_[event.item - 1].shared]);
      break;
    case DumpEventKind::Reference:
      Value(0, labelOf(event.item));
      break;
    case DumpEventKind::Leaf:
      Value(event.item, leafText(items_[event.item - 1]));
      break;
    case DumpEventKind::Open:
      BeginValue(event.item);
      Open(event.item, shape);
      break;
    case DumpEventKind::Close:
      Close();
      break;
    case DumpEventKind::Slot:
      SlotName(event);
      break;
  }
}

// A blank line before each top-level value.
void Printer::TopLevel() {
  out_ += firstTopLevel_ ? "\n" : "\n\n";
  firstTopLevel_ = false;
}

void Printer::Value(uint32_t labelledItem, std::string_view text) {
  BeginValue(labelledItem);
  out_ += text;
}

// Places a value after what precedes it, with its label when it needs one.
void Printer::BeginValue(uint32_t labelledItem) {
  if (afterSlotName_)
    afterSlotName_ = false;
  else if (!levels_.empty() && levels_.back().block)
    NewLine(levels_.size());
  else if (!levels_.empty())
    out_ += ' ';
  if (labelledItem && walk_.NeedsLabel(labelledItem)) out_ += labelOf(labelledItem) + ": ";
}

void Printer::Open(uint32_t item, const Shape& shape) {
  const ItemView& view = items_[item - 1];
  if (view.form == ItemForm::List) {
    out_ += '(';
  } else {
    out_ += "<<" + nameOf(view.cls->name) + ">>";
    if (view.form == ItemForm::Positional) out_ += " slots (";
  }
  if (view.form != ItemForm::Instance) {
    levels_.push_back({shape.nested || shape.values > kSlotsOnOneLine, false, ')'});
    return;
  }
  bool bare = shape.values == 0;
  if (!bare) out_ += " [";
  levels_.push_back({!bare, bare, ']'});
}

void Printer::Close() {
  Level level = levels_.back();
  levels_.pop_back();
  if (level.bare) return;
  if (level.block)
    NewLine(levels_.size());
  else
    out_ += ' ';
  out_ += level.closer;
}

void Printer::SlotName(const DumpEvent& event) {
  NewLine(levels_.size());
  const RTClass* cls = items_[event.item - 1].cls;
  out_ += ovQuotedText(slotNames_.Of(cls)[event.slot]) + ": ";
  afterSlotName_ = true;
}

void Printer::NewLine(size_t depth) {
  out_ += '\n';
  for (size_t i = 0; i < depth; ++i) out_ += kIndent;
}

std::string header(const DBRecordReader& reader, size_t items) {
  std::string text = "# Orvane archive: " + std::to_string(items) + " items\n";
  if (reader.Stamp()) {
    char stamp[40];
    std::snprintf(stamp, sizeof stamp, "stamp 16#%08X\n", reader.Stamp());
    text += stamp;
  }
  return text;
}

}  // namespace

bool ovDumpArchive(const unsigned char* block, size_t size, std::string* text, std::string* error) {
  DBRecordReader reader(block, size);
  std::vector<DBRecord> records;
  DBRecord record;
  while (reader.Next(&record)) records.push_back(record);
  SlotNames slotNames;
  std::vector<ItemView> items;
  error->clear();
  for (const DBRecord& each : records) {
    std::string problem;
    items.push_back(ovViewItem(each, static_cast<uint32_t>(records.size()), slotNames, &problem));
    if (!problem.empty()) *error += "item " + std::to_string(each.number) + ": " + problem + "\n";
  }
  if (reader.Fault() != DBFault::None)
    *error += "byte " + std::to_string(reader.FaultOffset()) + ": " + DBFaultText(reader.Fault()) + "\n";
  *text = header(reader, items.size());
  DumpWalk walk(items);
  Printer(items, walk, slotNames, *text).Print();
  return error->empty();
}
