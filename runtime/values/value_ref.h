// ovRef: an owning reference to a value, the way method bodies hold values.
//
// An ovRef holds one use of its value and drops it when it goes away. A value
// a function made (already counted for the caller) is taken over with adopt;
// a borrowed value (an input, an element read without a use) is shared, which
// adds a use. Handing a value on, into an output slot or a list, is an
// explicit release of the reference's use.
#pragma once

#include <utility>

#include "runtime/values/value.h"

class ovRef {
 public:
  ovRef() = default;
  ovRef(std::nullptr_t) {}

  // Takes over the use the caller owns.
  [[nodiscard]] static ovRef adopt(ovC_object* v) { return ovRef(v); }
  // Adds a use of a borrowed value.
  [[nodiscard]] static ovRef share(ovC_object* v) { return ovRef(ovIncUse(v)); }

  ovRef(const ovRef& other) : value_(ovIncUse(other.value_)) {}
  ovRef(ovRef&& other) noexcept : value_(std::exchange(other.value_, nullptr)) {}
  ovRef& operator=(const ovRef& other) {
    ovRef copy(other);
    swap(copy);
    return *this;
  }
  ovRef& operator=(ovRef&& other) noexcept {
    ovRef taken(std::move(other));
    swap(taken);
    return *this;
  }
  ~ovRef() { ovDecUse(value_); }

  // Gives up the use without dropping it: the caller now owns it.
  [[nodiscard]] ovC_object* release() { return std::exchange(value_, nullptr); }
  // Hands the use to an output slot, dropping whatever the slot held.
  void releaseInto(ovC_object** slot) {
    ovC_object* old = *slot;
    *slot = release();
    ovDecUse(old);
  }
  // Drops the use now.
  void reset() { ovRef().swap(*this); }

  ovC_object* get() const { return value_; }
  ovC_object* operator->() const { return value_; }
  explicit operator bool() const { return value_ != nullptr; }
  template <typename T>
  T* as() const {
    return ovAs<T>(value_);
  }

  void swap(ovRef& other) noexcept { std::swap(value_, other.value_); }
  friend bool operator==(const ovRef& a, const ovRef& b) { return a.value_ == b.value_; }

 private:
  explicit ovRef(ovC_object* v) : value_(v) {}

  ovC_object* value_ = nullptr;
};
