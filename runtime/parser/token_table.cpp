#include "runtime/parser/token_table.h"

#include "runtime/memory/heap.h"
#include "runtime/memory/low_memory.h"

namespace {

constexpr uint32_t kFirstCapacity = 64;

}  // namespace

TokenTable::~TokenTable() {
  Dispose();
  ovLowMemFree(tokens_);
}

void TokenTable::Grow() {
  uint64_t grown = capacity_ ? uint64_t{capacity_} * 2 : kFirstCapacity;
  if (grown > UINT32_MAX) ovMemExhausted(UINT32_MAX);
  void* moved = ovLowMemReAlloc(tokens_, grown * sizeof(TokenData));
  if (!moved) ovMemExhausted(UINT32_MAX);
  tokens_ = static_cast<TokenData*>(moved);
  capacity_ = static_cast<uint32_t>(grown);
}

void TokenTable::Append(uint32_t offset, uint32_t type, ovC_object* value, char reserved) {
  if (count_ == capacity_) Grow();
  tokens_[count_] = TokenData{offset, type, count_, reserved, value};
  ++count_;
}

void TokenTable::Dispose() {
  for (uint32_t i = 0; i < count_; ++i) ovDecUse(tokens_[i].value);
  count_ = 0;
}

TokenTable* ovInitParse() {
  static TokenTable table;
  return &table;
}

void ovParseDispose(TokenTable* table) { table->Dispose(); }
