// A persistent: a named global value that the archive fills at start-up and
// methods read and replace. It holds one use of its value; reading gives an
// owned reference, and replacing keeps the counts balanced. Declare each one
// once, at namespace scope, where the code that owns it lives.
#pragma once

#include "runtime/methods/kit.h"
#include "runtime/tables/declarations.h"
#include "runtime/values/value_ref.h"

class ovPersistent {
 public:
  explicit ovPersistent(const char* name) : declaration_(name, &value_) {}
  ovPersistent(const ovPersistent&) = delete;
  ovPersistent& operator=(const ovPersistent&) = delete;

  ovRef get() const { return ovRef::share(value_); }
  void set(ov::In v) {
    ovC_object* old = value_;
    value_ = ovIncUse(v.get());
    ovDecUse(old);
  }
  // The value without a use of the caller's: for a comparison or a glance
  // that makes no call in between.
  ovC_object* peek() const { return value_; }

 private:
  ovC_object* value_ = nullptr;
  ovPersistentDeclaration declaration_;
};
