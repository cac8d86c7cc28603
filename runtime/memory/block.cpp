#include "runtime/memory/block.h"

#include "runtime/memory/sanitizer.h"

ovMemBlock* ovMemBlock::Chip(uint32_t wanted) {
  if (size < wanted || size - wanted < 16) return nullptr;
  auto* rest = reinterpret_cast<ovMemBlock*>(reinterpret_cast<char*>(this) + wanted);
  ovMemUnpoison(rest, sizeof(ovMemBlock));
  rest->size = size - wanted;
  rest->flags = 0;
  rest->slack = 0;
  size = wanted;
  return rest;
}

void ovMemBlock::MarkInUse(uint32_t requested) {
  flags = static_cast<uint16_t>(flags | ovMemFlagInUse);
  slack = static_cast<uint16_t>(size - sizeof(ovMemBlock) - requested);
  ovMemPoison(Data(), size - sizeof(ovMemBlock));
  ovMemUnpoison(Data(), requested);
}

void ovMemBlock::MarkFree() {
  flags = 0;
  slack = 0;
  ovMemPoison(Data(), size - sizeof(ovMemBlock));
  ovMemUnpoison(Data(), sizeof(ovMemElement));
}
