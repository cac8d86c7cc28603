#include "runtime/methods/kit.h"

namespace ov {

ovRef get(const ovAttributeSelector& attribute, In object) {
  ovC_object* passed = nullptr;
  ovC_object* value = nullptr;
  UCGetAttribute(attribute.number(), object.get(), &passed, &value);
  ovDecUse(passed);
  return ovRef::adopt(value);
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

}  // namespace ov
