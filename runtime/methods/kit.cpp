#include "runtime/methods/kit.h"

#include <algorithm>

#include "runtime/methods/platform_values.h"
#include "runtime/methods/records.h"

#include "runtime/values/instance.h"
#include "runtime/values/list.h"
#include "runtime/values/make.h"
#include "runtime/values/read.h"
#include "runtime/values/text.h"

namespace ov {

InputList InputList::Elements(ovC_object* list) {
  InputList inputs;
  uint32_t n = length(list);
  for (uint32_t i = 0; i < n; ++i) inputs.Push(element(list, i));
  return inputs;
}

ovRef integer(int32_t n) { return ovRef::adopt(ovMakeInteger(n)); }
ovRef real(double d) { return ovRef::adopt(ovMakeReal(d)); }
ovRef text(std::string_view s) {
  return ovRef::adopt(ovMakeTextFromString(s.data(), static_cast<uint32_t>(s.size())));
}
ovRef boolean(bool b) { return ovRef::adopt(ovMakeBoolean(b ? 1 : 0)); }
ovRef point(int32_t v, int32_t h) { return ovRef::adopt(ovMakePointWin(h, v)); }
ovRef rect(int32_t top, int32_t left, int32_t bottom, int32_t right) {
  return ovRef::adopt(ovMakeRectMac(top, left, bottom, right));
}
ovRef emptyList() { return ovRef::adopt(ovMakeList(0)); }
ovRef listOf(std::initializer_list<In> values) {
  ovRef list = ovRef::adopt(ovMakeList(0));
  for (const In& v : values) ovListAppend(list.get(), v.get(), 1);
  return list;
}

int32_t toInt(In v) { return ovIsNumber(v.get()) ? ovGetInteger(v.get()) : 0; }

std::string_view chars(In v) {
  if (!isText(v)) return {};
  return {ovStringGetPtr(v.get()), ovStringGetLength(v.get())};
}

std::string cString(In v, size_t limit) {
  std::string_view all = chars(v);
  return std::string(all.substr(0, limit ? limit - 1 : 0));
}

bool textEquals(In v, std::string_view s) { return isText(v) && chars(v) == s; }

bool isA(In v, const ovClassName& cls) {
  if (!isInstance(v)) return false;
  const RTClass* own = ovAs<ovC_instance>(v.get())->cls;
  return own == cls.record() || own->IsAncestor(cls.record());
}

ovRef classNameOf(In v) {
  if (!isInstance(v)) return nullptr;
  return ovRef::adopt(ovAs<ovC_instance>(v.get())->GetClassName());
}

uint32_t length(In list) { return isList(list) ? ovListGetLength(list.get()) : 0; }

ovC_object* element(In list, uint32_t i) { return isList(list) ? ovListGetSlot(list.get(), i, 0) : nullptr; }

int32_t indexOf(In list, In v) {
  uint32_t n = length(list);
  for (uint32_t i = 0; i < n; ++i)
    if (element(list, i) == v.get()) return static_cast<int32_t>(i);
  return -1;
}

namespace {

// A new list holding the same elements, each with a use of its own.
ovRef copyOf(In list) {
  uint32_t n = length(list);
  return ovRef::adopt(n ? ovListExtract(list.get(), 0, n - 1, 1) : ovMakeList(0));
}

}  // namespace

ovRef appended(In list, In v) {
  ovRef copy = copyOf(list);
  ovListAppend(copy.get(), v.get(), 1);
  return copy;
}

ovRef inserted(In list, uint32_t i, In v) {
  ovRef copy = copyOf(list);
  ovAs<ovC_list>(copy.get())->Insert(v.get(), std::min(i, length(copy)), 1);
  return copy;
}

ovRef without(In list, uint32_t i) {
  ovRef copy = copyOf(list);
  ovListDeleteItem(copy.get(), i, 1);
  return copy;
}

ovStatus nothing(uint32_t, uint32_t, ovC_object* const*, ovC_object** const*) { return ovSuccess; }
ovStatus failing(uint32_t, uint32_t, ovC_object* const*, ovC_object** const*) { return ovFailure; }
ovStatus self(uint32_t nin, uint32_t nout, ovC_object* const* in, ovC_object** const* out) {
  Args a(nin, nout, in, out);
  a.put(0, a.receiver());
  return ovSuccess;
}

ovRef get(const ovAttributeSelector& attribute, In object) {
  ovC_object* passed = nullptr;
  ovC_object* value = nullptr;
  UCGetAttribute(attribute.number(), object.get(), &passed, &value);
  ovDecUse(passed);
  return ovRef::adopt(value);
}

ovRef getInstance(const ovAttributeSelector& attribute, In object) {
  ovRef value = get(attribute, object);
  return isInstance(value) ? std::move(value) : nullptr;
}

void set(const ovAttributeSelector& attribute, In object, In value) {
  ovC_object* passed = nullptr;
  UCSetAttribute(attribute.number(), object.get(), value.get(), &passed);
  ovDecUse(passed);
}

Results<1> make(const ovClassName& cls, In initial) {
  Results<1> r;
  ovC_object* made = nullptr;
  r.status = UCMakeInstance(cls.record(), initial.get() ? initial.get() : gdDefaultNone, &made);
  r[0] = ovRef::adopt(made);
  return r;
}

Results<1> makeNamed(In className, In initial) {
  Results<1> r;
  ovC_object* made = nullptr;
  r.status = UCInjectMakeInstance(className.get(), initial.get() ? initial.get() : gdDefaultNone, &made);
  r[0] = ovRef::adopt(made);
  return r;
}

ListOutput::ListOutput(const ListLoop& loop) {
  UCNewRootList(loop.bound(), &slot_);
  list_ = ovRef::adopt(slot_);
  slot_ = nullptr;
}

ovRef ListOutput::take() {
  UCPackList(list_.get());
  return std::move(list_);
}

void Iteration::Keep() {
  for (Pending& p : pending_) {
    ovC_object* item = p.item.release();
    switch (p.kind) {
      case Kind::Add:
        UCAddList(p.list->list_.get(), &item);
        break;
      case Kind::Last: {
        ovC_object* last = p.last->value_.release();
        UCSimple(&item, &last);
        p.last->value_ = ovRef::adopt(last);
        break;
      }
      case Kind::Partition: {
        ovC_object* boolean = p.boolean.release();
        UCPartition(&item, &boolean, p.partition->whenTrue.list_.get(), p.partition->whenFalse.list_.get());
        break;
      }
    }
    ovDecUse(item);  // a none item stays behind in its slot
  }
  pending_.clear();
}

ListLoop::ListLoop(std::initializer_list<In> lists) {
  for (const In& list : lists) {
    lists_.push_back(list.get());
    UCMaxCounter(list.get(), &bound_);
  }
}

POINT toPOINT(In v) {
  if (!ovIsKind(v.get(), ovKindPoint)) return {};
  const auto* p = ovAs<ovC_point>(v.get());
  return {p->h, p->v};
}

RECT toRECT(In v) {
  if (!ovIsKind(v.get(), ovKindRect)) return {};
  const auto* r = ovAs<ovC_rect>(v.get());
  return {r->left, r->top, r->right, r->bottom};
}

ovRef pointFrom(POINT p) { return point(p.y, p.x); }
ovRef rectFrom(const RECT& r) { return rect(r.top, r.left, r.bottom, r.right); }

ovRef newRecord(const ovExternalName& type) {
  return ovRef::adopt(ovMakePtrFromSize(type.record(), type.record() ? type.record()->size : 0));
}

void disposeRecord(In record) { ovDisposePointer(record.get()); }

}  // namespace ov
