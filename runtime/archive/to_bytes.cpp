#include "runtime/archive/to_bytes.h"

#include <cstring>
#include <limits>

#include "runtime/archive/format.h"
#include "runtime/archive/record_writer.h"
#include "runtime/memory/low_memory.h"
#include "runtime/tables/header.h"
#include "runtime/values/db_visit.h"

namespace {

bool isSharedInteger(const ovC_object* v) { return v == gdDefaultZero || v == gdDefaultPOne || v == gdDefaultMOne; }

uint32_t slotCountOf(ovC_object* v) {
  if (v->type == ovKindList) return ovAs<ovC_list>(v)->length;
  if (v->type == ovKindInstance) return ovAs<ovC_instance>(v)->Length();
  return 0;
}

ovC_object* slotOf(ovC_object* v, uint32_t i) {
  return v->type == ovKindList ? ovAs<ovC_list>(v)->Elements()[i] : ovAs<ovC_instance>(v)->Slots()[i];
}

bool fitsIn16Bits(int32_t n) { return n >= INT16_MIN && n <= INT16_MAX; }

void put16Signed(std::vector<unsigned char>& out, int32_t n) { DBPut16(out, static_cast<uint16_t>(n)); }

// Numbers the graph, then writes one record per item. The visit marks of the
// objects numbered hold their item numbers until the visit table is cleared.
class Encoder {
 public:
  int Run(ovC_object* root, uint32_t stamp, std::vector<unsigned char>* block);

 private:
  struct Item {
    ovC_object* object;
    uint32_t firstReference;  // into references_, for lists and instances
  };
  struct Frame {
    uint32_t item;
    uint32_t nextSlot;
    uint32_t slotCount;
  };

  void NumberGraph(ovC_object* root);
  uint32_t Reach(ovC_object* v);
  bool WriteItem(const Item& item, DBRecordWriter& writer);
  // The item's payload into payload_ and its tag into *tag; false when the
  // format cannot hold it.
  bool Payload(const Item& item, uint32_t* tag);
  bool TextPayload(ovC_text* text);
  bool InstancePayload(const Item& item, uint32_t* tag);
  bool PointPayload(const ovC_point* p);
  bool RectPayload(const ovC_rect* r);
  bool RGBPayload(const ovC_rgb* c);
  bool ExternalPayload(ovC_external* external, uint32_t* tag);
  bool PointerPayload(const ovC_pointer* p, uint32_t* tag);
  void PutReferences(const Item& item, uint32_t count);

  std::vector<Item> items_;
  std::vector<uint32_t> references_;
  std::vector<Frame> stack_;
  std::vector<unsigned char> payload_;
};

int Encoder::Run(ovC_object* root, uint32_t stamp, std::vector<unsigned char>* block) {
  DBVisitInit();
  NumberGraph(root);
  DBRecordWriter writer;
  bool archivable = true;
  for (const Item& item : items_) archivable = archivable && WriteItem(item, writer);
  DBVisitClear(1);
  block->clear();
  if (!archivable) return DBNotArchivable;
  *block = writer.Finish(stamp);
  return DBEncoded;
}

// Depth first without recursion: a frame per list or instance whose slots
// are still being numbered.
void Encoder::NumberGraph(ovC_object* root) {
  Reach(root);
  while (!stack_.empty()) {
    Frame& frame = stack_.back();
    if (frame.nextSlot == frame.slotCount) {
      stack_.pop_back();
      continue;
    }
    uint32_t slot = frame.nextSlot++;
    const Item& parent = items_[frame.item - 1];
    uint32_t reference = parent.firstReference + slot;
    ovC_object* value = slotOf(parent.object, slot);
    // Reach may grow items_, references_ and stack_: no reference into them
    // is held across the call.
    uint32_t number = Reach(value);
    references_[reference] = number;
  }
}

// The item number of v, numbering it (and readying its slots) on first reach.
uint32_t Encoder::Reach(ovC_object* v) {
  if (!v) return 0;
  bool shared = isSharedInteger(v);
  if (!shared && v->visitMark) return v->visitMark;
  auto number = static_cast<uint32_t>(items_.size() + 1);
  items_.push_back({v, static_cast<uint32_t>(references_.size())});
  if (shared) return number;
  DBVisitAdd(v);
  v->visitMark = number;
  if (uint32_t slots = slotCountOf(v)) {
    references_.resize(references_.size() + slots);
    stack_.push_back({number, 0, slots});
  }
  return number;
}

bool Encoder::WriteItem(const Item& item, DBRecordWriter& writer) {
  payload_.clear();
  uint32_t tag = 0;
  if (!Payload(item, &tag)) return false;
  if (payload_.size() > std::numeric_limits<uint32_t>::max() - kDBRecordHeaderSize) return false;
  writer.Add(tag, payload_);
  return true;
}

void Encoder::PutReferences(const Item& item, uint32_t count) {
  for (uint32_t i = 0; i < count; ++i) DBPut32(payload_, references_[item.firstReference + i]);
}

bool Encoder::Payload(const Item& item, uint32_t* tag) {
  ovC_object* v = item.object;
  switch (v->type) {
    case ovKindBoolean:
      *tag = DBCodeBoolean;
      DBPut16(payload_, ovAs<ovC_boolean>(v)->value ? 1 : 0);
      return true;
    case ovKindInteger:
      *tag = DBCodeInteger;
      DBPut32(payload_, static_cast<uint32_t>(ovAs<ovC_integer>(v)->value));
      return true;
    case ovKindReal:
      *tag = DBCodeReal;
      DBPutReal(payload_, ovAs<ovC_real>(v)->value);
      return true;
    case ovKindText:
      *tag = DBCodeText;
      return TextPayload(ovAs<ovC_text>(v));
    case ovKindList:
      *tag = DBCodeList;
      PutReferences(item, ovAs<ovC_list>(v)->length);
      return true;
    case ovKindInstance:
      return InstancePayload(item, tag);
    case ovKindNone:
      *tag = DBCodeNone;
      return true;
    case ovKindUndefined:
      *tag = DBCodeUndefined;
      return true;
    case ovKindPoint:
      *tag = DBCodePoint;
      return PointPayload(ovAs<ovC_point>(v));
    case ovKindRect:
      *tag = DBCodeRect;
      return RectPayload(ovAs<ovC_rect>(v));
    case ovKindRGB:
      *tag = DBCodeRGB;
      return RGBPayload(ovAs<ovC_rgb>(v));
    case ovKindExternal:
      return ExternalPayload(ovAs<ovC_external>(v), tag);
    case ovKindPointer:
      return PointerPayload(ovAs<ovC_pointer>(v), tag);
    default:
      return false;
  }
}

bool Encoder::TextPayload(ovC_text* text) {
  payload_.assign(text->Chars(), text->Chars() + text->length);
  return true;
}

bool Encoder::InstancePayload(const Item& item, uint32_t* tag) {
  auto* instance = ovAs<ovC_instance>(item.object);
  int32_t index = RTHeader::GetClassTable()->IndexOf(instance->cls);
  if (index < 0) return false;
  *tag = DBMakeTag(DBCategoryInstance, static_cast<uint32_t>(index) + 1);
  PutReferences(item, instance->Length());
  return true;
}

// Stored points are (vertical, horizontal); rects (top, left, bottom, right).
bool Encoder::PointPayload(const ovC_point* p) {
  put16Signed(payload_, p->v);
  put16Signed(payload_, p->h);
  return fitsIn16Bits(p->v) && fitsIn16Bits(p->h);
}

bool Encoder::RectPayload(const ovC_rect* r) {
  bool fits = true;
  for (int32_t n : {r->top, r->left, r->bottom, r->right}) {
    put16Signed(payload_, n);
    fits = fits && fitsIn16Bits(n);
  }
  return fits;
}

bool Encoder::RGBPayload(const ovC_rgb* c) {
  for (uint16_t n : {c->red, c->green, c->blue}) DBPut16(payload_, n);
  return true;
}

bool Encoder::ExternalPayload(ovC_external* external, uint32_t* tag) {
  int32_t index = RTHeader::GetExternalTable()->IndexOf(external->externalType);
  if (index < 0) return false;
  *tag = DBMakeTag(DBCategoryExternal, static_cast<uint32_t>(index));
  payload_.assign(external->Data(), external->Data() + external->size);
  return true;
}

// Only a handle whose block the run-time allocated can be archived: an
// address means nothing in another process, and a handle made around a
// foreign address cannot be read safely.
bool Encoder::PointerPayload(const ovC_pointer* p, uint32_t* tag) {
  bool ownedHandle = p->level == 2 && (p->flags & ovPointerOwned) && !(p->flags & ovPointerDisposed);
  int32_t index = RTHeader::GetExternalTable()->IndexOf(p->pointeeType);
  if (!ownedHandle || index < 0) return false;
  *tag = DBMakeTag(DBCategoryHandle, static_cast<uint32_t>(index));
  auto handle = static_cast<ovHandle>(p->address);
  auto* bytes = static_cast<const unsigned char*>(*handle);
  payload_.assign(bytes, bytes + ovHandle_GetSize(handle));
  return true;
}

}  // namespace

int DBToBytes(ovC_object* root, uint32_t stamp, std::vector<unsigned char>* block) {
  return Encoder().Run(root, stamp, block);
}
