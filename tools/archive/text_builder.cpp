// Compiling the archive text form. Items are numbered in the order they are
// written; the slots of a list or an instance refer to their items by those
// numbers, and labels let any slot refer to any item, before or after it.
#include <map>
#include <optional>

#include "runtime/archive/format.h"
#include "runtime/archive/record_writer.h"
#include "runtime/tables/header.h"
#include "runtime/values/make.h"
#include "runtime/values/value_ref.h"
#include "tools/archive/archive_text.h"
#include "tools/archive/plain_values.h"
#include "tools/archive/slot_names.h"
#include "tools/archive/text_scanner.h"

namespace {

struct Item {
  uint32_t tag = 0;
  std::vector<unsigned char> payload;
  std::vector<uint32_t> references;  // become the payload of lists and instances
  bool hasReferences = false;
};

enum class FrameKind {
  List,        // ( ... )
  Slots,       // <<Class>> slots ( ... )
  Attributes,  // <<Class>> [ "Name": value ... ]
};

// A list or instance whose slots are being read.
struct Frame {
  FrameKind kind;
  uint32_t item;
  size_t offset;  // of its opening, for messages
  const RTClass* cls = nullptr;
  int32_t slot = -1;        // Attributes: the slot the next value fills
  std::vector<bool> given;  // Attributes: slots already filled
};

struct Parsed {
  uint32_t reference = 0;
  std::string_view forwardLabel;  // a label not defined yet
  size_t offset = 0;
  std::optional<Frame> opens;
};

struct Fixup {
  uint32_t item;
  uint32_t index;
  std::string_view label;
  size_t offset;
};

// TRUE, FALSE, NONE and UNDEFINED written without a label are one item each,
// made where the first of them stands.
constexpr std::string_view kSharedWords[] = {"TRUE", "FALSE", "NONE", "UNDEFINED"};

int sharedWordIndex(std::string_view word) {
  for (int i = 0; i < 4; ++i)
    if (word == kSharedWords[i]) return i;
  return -1;
}

void sharedWordRecord(int index, Item* item) {
  switch (index) {
    case 0:
    case 1:
      item->tag = DBCodeBoolean;
      DBPut16(item->payload, index == 0 ? 1 : 0);
      break;
    case 2:
      item->tag = DBCodeNone;
      break;
    default:
      item->tag = DBCodeUndefined;
      break;
  }
}

class Builder {
 public:
  explicit Builder(std::string_view source) : scanner_(source) {}

  bool Run(std::vector<unsigned char>* block, std::string* error);

 private:
  bool TopLevel(ArchiveToken token);
  bool InFrame(ArchiveToken token);
  bool ReadAttributeName(ArchiveToken token, Frame& frame);
  bool ReadValue(ArchiveToken token, Parsed* parsed);
  bool ReadItem(ArchiveToken token, bool labelled, Parsed* parsed);
  bool ReadWord(ArchiveToken token, bool labelled, Parsed* parsed);
  bool ReadInstance(ArchiveToken token, Parsed* parsed);
  bool ReadBlockItem(ArchiveToken token, Parsed* parsed);
  bool ReadBlockTag(std::string_view keyword, uint32_t* tag);
  void Deliver(const Parsed& parsed);
  bool ResolveFixups();
  uint32_t NewItem(uint32_t tag);
  bool Fail(size_t offset, std::string_view message);

  ArchiveScanner scanner_;
  std::vector<Item> items_;
  std::vector<Frame> stack_;
  std::map<std::string_view, uint32_t> labels_;
  std::vector<Fixup> fixups_;
  uint32_t sharedItems_[4] = {};
  uint32_t stamp_ = 0;
  SlotNames slotNames_;
  std::string error_;
};

bool Builder::Run(std::vector<unsigned char>* block, std::string* error) {
  bool read = true;
  while (read) {
    ArchiveToken token = scanner_.Next();
    if (token.kind == ArchiveTokenKind::Error)
      read = Fail(token.offset, token.text);
    else if (stack_.empty() && token.kind == ArchiveTokenKind::End)
      break;
    else
      read = stack_.empty() ? TopLevel(token) : InFrame(token);
  }
  if (!read || !ResolveFixups()) {
    *error = error_;
    return false;
  }
  DBRecordWriter writer;
  std::vector<unsigned char> references;
  for (const Item& item : items_) {
    if (!item.hasReferences) {
      writer.Add(item.tag, item.payload);
      continue;
    }
    references.clear();
    for (uint32_t reference : item.references) DBPut32(references, reference);
    writer.Add(item.tag, references);
  }
  *block = writer.Finish(stamp_);
  return true;
}

// The first top-level value is the root, item 1; further ones are items of
// their own, reached through labels.
bool Builder::TopLevel(ArchiveToken token) {
  if (token.kind == ArchiveTokenKind::Word && token.text == "stamp") {
    ArchiveToken number = scanner_.Next();
    int32_t stamp = 0;
    if (number.kind != ArchiveTokenKind::Value || !ovReadIntegerToken(number.text, &stamp))
      return Fail(number.offset, "stamp takes an integer");
    stamp_ = static_cast<uint32_t>(stamp);
    return true;
  }
  size_t itemsBefore = items_.size();
  Parsed parsed;
  if (!ReadValue(token, &parsed)) return false;
  if (items_.size() == itemsBefore)
    return Fail(token.offset, "only items stand at the top level, not NULL or references");
  if (parsed.opens) stack_.push_back(std::move(*parsed.opens));
  return true;
}

bool Builder::InFrame(ArchiveToken token) {
  Frame& frame = stack_.back();
  if (token.kind == ArchiveTokenKind::End) return Fail(frame.offset, "this is not closed before the text ends");
  ArchiveTokenKind closer =
      frame.kind == FrameKind::Attributes ? ArchiveTokenKind::CloseSlots : ArchiveTokenKind::CloseList;
  if (token.kind == closer) {
    stack_.pop_back();
    return true;
  }
  if (frame.kind == FrameKind::Attributes) {
    if (!ReadAttributeName(token, frame)) return false;
    token = scanner_.Next();
  }
  Parsed parsed;
  if (!ReadValue(token, &parsed)) return false;
  Deliver(parsed);
  if (parsed.opens) stack_.push_back(std::move(*parsed.opens));
  return true;
}

bool Builder::ReadAttributeName(ArchiveToken token, Frame& frame) {
  std::string name;
  if (token.kind != ArchiveTokenKind::Value || !ovReadQuotedText(token.text, &name))
    return Fail(token.offset, "an attribute name in double quotes, or ], was expected");
  int32_t slot = slotNames_.SlotOf(frame.cls, name);
  if (slot < 0) return Fail(token.offset, "the class has no attribute \"" + name + "\"");
  if (frame.given[slot]) return Fail(token.offset, "the attribute \"" + name + "\" is given twice");
  frame.given[slot] = true;
  frame.slot = slot;
  ArchiveToken colon = scanner_.Next();
  if (colon.kind != ArchiveTokenKind::Colon) return Fail(colon.offset, "a colon after the attribute name was expected");
  return true;
}

bool Builder::ReadValue(ArchiveToken token, Parsed* parsed) {
  parsed->offset = token.offset;
  if (token.kind == ArchiveTokenKind::LabelReference) {
    auto found = labels_.find(token.text);
    if (found == labels_.end())
      parsed->forwardLabel = token.text;
    else
      parsed->reference = found->second;
    return true;
  }
  if (token.kind != ArchiveTokenKind::LabelDefinition) return ReadItem(token, false, parsed);
  std::string_view label = token.text;
  if (labels_.contains(label)) return Fail(token.offset, "the label @" + std::string(label) + " is defined twice");
  if (!ReadItem(scanner_.Next(), true, parsed)) return false;
  labels_[label] = parsed->reference;
  return true;
}

bool Builder::ReadItem(ArchiveToken token, bool labelled, Parsed* parsed) {
  switch (token.kind) {
    case ArchiveTokenKind::OpenList:
      parsed->reference = NewItem(DBCodeList);
      items_.back().hasReferences = true;
      parsed->opens = Frame{FrameKind::List, parsed->reference, token.offset};
      return true;
    case ArchiveTokenKind::ClassName:
      return ReadInstance(token, parsed);
    case ArchiveTokenKind::Value: {
      uint32_t tag = 0;
      std::vector<unsigned char> payload;
      std::string problem;
      if (!ovPlainRecord(token.text, &tag, &payload, &problem)) return Fail(token.offset, problem);
      parsed->reference = NewItem(tag);
      items_.back().payload = std::move(payload);
      return true;
    }
    case ArchiveTokenKind::Word:
      return ReadWord(token, labelled, parsed);
    case ArchiveTokenKind::Error:
      return Fail(token.offset, token.text);
    default:
      return Fail(token.offset, labelled ? "a label must name an item" : "a value was expected");
  }
}

bool Builder::ReadWord(ArchiveToken token, bool labelled, Parsed* parsed) {
  if (token.text == "NULL") {
    if (labelled) return Fail(token.offset, "a label must name an item, and NULL is none");
    return true;
  }
  int shared = sharedWordIndex(token.text);
  if (shared < 0) return ReadBlockItem(token, parsed);
  if (!labelled && sharedItems_[shared]) {
    parsed->reference = sharedItems_[shared];
    return true;
  }
  parsed->reference = NewItem(0);
  sharedWordRecord(shared, &items_.back());
  if (!labelled) sharedItems_[shared] = parsed->reference;
  return true;
}

// <<Class>> alone leaves every slot NULL; [ "Name": value ... ] fills slots by
// attribute name; slots ( ... ) gives the stored references one by one.
bool Builder::ReadInstance(ArchiveToken token, Parsed* parsed) {
  ovRef name = ovRef::adopt(ovMakeTextFromString(token.text.data(), static_cast<uint32_t>(token.text.size())));
  RTClass* cls = nullptr;
  if (!RTHeader::GetClassTable()->FindClassByName(name.get(), &cls))
    return Fail(token.offset, "no class is named \"" + std::string(token.text) + "\"");
  auto number = static_cast<uint32_t>(RTHeader::GetClassTable()->IndexOf(cls)) + 1;
  parsed->reference = NewItem(DBMakeTag(DBCategoryInstance, number));
  Item& item = items_.back();
  item.hasReferences = true;
  ArchiveToken next = scanner_.Peek();
  if (next.kind == ArchiveTokenKind::Word && next.text == "slots") {
    scanner_.Next();
    ArchiveToken open = scanner_.Next();
    if (open.kind != ArchiveTokenKind::OpenList) return Fail(open.offset, "slots takes a parenthesised list");
    parsed->opens = Frame{FrameKind::Slots, parsed->reference, open.offset};
    return true;
  }
  item.references.assign(cls->slotCount, 0);
  if (next.kind != ArchiveTokenKind::OpenSlots) return true;
  scanner_.Next();
  parsed->opens =
      Frame{FrameKind::Attributes, parsed->reference, next.offset, cls, -1, std::vector<bool>(cls->slotCount, false)};
  return true;
}

// external "TYPE" "HEX", handle "TYPE" "HEX", raw TAG "HEX" and
// characters "HEX" (a text by its character codes): an item given as its
// bytes.
bool Builder::ReadBlockItem(ArchiveToken token, Parsed* parsed) {
  uint32_t tag = 0;
  if (!ReadBlockTag(token.text, &tag)) return false;
  ArchiveToken bytesToken = scanner_.Next();
  std::string hex;
  std::vector<unsigned char> bytes;
  if (bytesToken.kind != ArchiveTokenKind::Value || !ovReadQuotedText(bytesToken.text, &hex) ||
      !ovReadHexBytes(hex, &bytes))
    return Fail(bytesToken.offset, "the bytes are written as hexadecimal digits in double quotes");
  parsed->reference = NewItem(tag);
  items_.back().payload = std::move(bytes);
  return true;
}

bool Builder::ReadBlockTag(std::string_view keyword, uint32_t* tag) {
  if (keyword == "characters") {
    *tag = DBCodeText;
    return true;
  }
  ArchiveToken operand = scanner_.Next();
  if (keyword == "raw") {
    int32_t number = 0;
    if (operand.kind != ArchiveTokenKind::Value || !ovReadIntegerToken(operand.text, &number))
      return Fail(operand.offset, "raw takes the tag as an integer");
    *tag = static_cast<uint32_t>(number);
    return true;
  }
  if (keyword != "external" && keyword != "handle")
    return Fail(operand.offset,
                "texts are written in double quotes; \"" + std::string(keyword) + "\" is not a word of the form");
  std::string typeName;
  const RTExternal* type = nullptr;
  if (operand.kind != ArchiveTokenKind::Value || !ovReadQuotedText(operand.text, &typeName) ||
      !RTHeader::GetExternalTable()->FindByName(typeName.c_str(), &type))
    return Fail(operand.offset, "an external type name in double quotes was expected");
  auto number = static_cast<uint32_t>(RTHeader::GetExternalTable()->IndexOf(type));
  *tag = DBMakeTag(keyword == "external" ? DBCategoryExternal : DBCategoryHandle, number);
  return true;
}

void Builder::Deliver(const Parsed& parsed) {
  Frame& frame = stack_.back();
  Item& item = items_[frame.item - 1];
  uint32_t index = 0;
  if (frame.kind == FrameKind::Attributes) {
    index = static_cast<uint32_t>(frame.slot);
    item.references[index] = parsed.reference;
  } else {
    index = static_cast<uint32_t>(item.references.size());
    item.references.push_back(parsed.reference);
  }
  if (!parsed.forwardLabel.empty()) fixups_.push_back({frame.item, index, parsed.forwardLabel, parsed.offset});
}

bool Builder::ResolveFixups() {
  for (const Fixup& fixup : fixups_) {
    auto found = labels_.find(fixup.label);
    if (found == labels_.end()) return Fail(fixup.offset, "no item is labelled @" + std::string(fixup.label));
    items_[fixup.item - 1].references[fixup.index] = found->second;
  }
  return true;
}

uint32_t Builder::NewItem(uint32_t tag) {
  items_.emplace_back().tag = tag;
  return static_cast<uint32_t>(items_.size());
}

bool Builder::Fail(size_t offset, std::string_view message) {
  error_ = scanner_.Where(offset) + ": " + std::string(message);
  return false;
}

}  // namespace

bool ovBuildArchive(std::string_view source, std::vector<unsigned char>* block, std::string* error) {
  return Builder(source).Run(block, error);
}
