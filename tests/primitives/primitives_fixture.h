// Tests of the primitives and the bridges to C data: the run-time with its
// tables, primitives called by name, values compared by their printed form.
#pragma once

#include <string>

#include "runtime/methods/kit.h"
#include "runtime/tables/header.h"
#include "runtime_fixture.h"

class PrimitivesTest : public TablesTest {
 protected:
  template <size_t N = 1>
  static ov::Results<N> call(const char* name, std::initializer_list<ov::In> inputs) {
    ovRoutine routine = ovFindPrimitive(name);
    EXPECT_NE(routine, nullptr) << name;
    return ov::call<N>(routine, inputs);
  }

  static std::string printed(const ovC_object* v) { return Printed(v); }
  static std::string printed(const ovRef& v) { return Printed(v); }

  static ovC_pointer* pointer(const ovRef& v) {
    EXPECT_TRUE(ovIsKind(v.get(), ovKindPointer));
    return v.as<ovC_pointer>();
  }

  static ovRef Block(const std::string& bytes) {
    return ovRef::adopt(ovMakeExternal(nullptr, static_cast<uint32_t>(bytes.size()), bytes.data()));
  }
  static std::string bytesOf(const ovRef& block) {
    auto* e = block.as<ovC_external>();
    return std::string(reinterpret_cast<const char*>(e->Data()), e->size);
  }
};
