// The fixture and helpers of the archive tests: the run-time with its
// tables, and archive blocks assembled record by record.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "runtime/archive/format.h"
#include "runtime/archive/from_bytes.h"
#include "runtime/archive/record_writer.h"
#include "runtime/values/make.h"
#include "tests/archive/random_graph.h"
#include "tests/runtime/runtime_fixture.h"

using Bytes = std::vector<unsigned char>;

class ArchiveTest : public TablesTest {
 protected:
  // Decodes a block; the root is released whole at the end of the test.
  ovC_object* Decode(const Bytes& block, uint16_t* status = nullptr) {
    ovC_object* root = nullptr;
    uint16_t result = DBFromBytes(block.data(), block.size(), &root);
    if (status) *status = result;
    decoded_.push_back(root);
    return root;
  }

  void TearDown() override {
    for (ovC_object* root : decoded_) graph::release(root);
    TablesTest::TearDown();
  }

 private:
  std::vector<ovC_object*> decoded_;
};

// Helpers that assemble and read archive blocks by hand.
inline uint32_t ClassTag(const char* name) {
  return DBMakeTag(DBCategoryInstance,
                   static_cast<uint32_t>(RTHeader::GetClassTable()->IndexOf(graph::classNamed(name))) + 1);
}

inline uint32_t ExternalTag(uint32_t category, const char* name) {
  const RTExternal* type = nullptr;
  RTHeader::GetExternalTable()->FindByName(name, &type);
  return DBMakeTag(category, static_cast<uint32_t>(RTHeader::GetExternalTable()->IndexOf(type)));
}

inline Bytes References(std::initializer_list<uint32_t> references) {
  Bytes payload;
  for (uint32_t r : references) DBPut32(payload, r);
  return payload;
}
inline Bytes Halves(std::initializer_list<uint16_t> numbers) {
  Bytes payload;
  for (uint16_t n : numbers) DBPut16(payload, n);
  return payload;
}
inline Bytes Word(uint32_t n) { return References({n}); }
inline Bytes Chars(const std::string& s) { return Bytes(s.begin(), s.end()); }

inline void PatchLittleEndian(Bytes& block, size_t offset, uint32_t n) {
  for (int i = 0; i < 4; ++i) block[offset + i] = static_cast<unsigned char>(n >> (8 * i));
}
inline void PatchBigEndian(Bytes& block, size_t offset, uint32_t n) {
  for (int i = 0; i < 4; ++i) block[offset + i] = static_cast<unsigned char>(n >> (24 - 8 * i));
}

inline ovC_object* Nth(ovC_object* container, uint32_t i) { return graph::slots(container)[i]; }
inline std::string TextOf(ovC_object* text) {
  return ovIsKind(text, ovKindText) ? std::string(ovAs<ovC_text>(text)->Chars(), ovAs<ovC_text>(text)->length)
                                    : "<not a text>";
}

// Writes records in order; Block finishes the archive.
class Archive {
 public:
  Archive& Add(uint32_t tag, const Bytes& payload = {}) {
    writer_.Add(tag, payload);
    return *this;
  }
  Bytes Block(uint32_t stamp = 0) { return writer_.Finish(stamp); }

 private:
  DBRecordWriter writer_;
};
