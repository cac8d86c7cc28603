#include "runtime/archive/record_writer.h"

#include <bit>

#include "runtime/archive/format.h"

namespace {

void putLittleEndian(unsigned char* at, uint32_t n) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<unsigned char>(n >> (8 * i));
}

}  // namespace

void DBPut16(std::vector<unsigned char>& out, uint16_t n) {
  out.push_back(static_cast<unsigned char>(n >> 8));
  out.push_back(static_cast<unsigned char>(n));
}

void DBPut32(std::vector<unsigned char>& out, uint32_t n) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<unsigned char>(n >> shift));
}

void DBPutReal(std::vector<unsigned char>& out, double d) {
  auto bits = std::bit_cast<uint64_t>(d);
  DBPut32(out, static_cast<uint32_t>(bits >> 32));
  DBPut32(out, static_cast<uint32_t>(bits));
}

DBRecordWriter::DBRecordWriter() : block_(kDBBlockHeaderSize, 0) {}

void DBRecordWriter::Add(uint32_t tag, const unsigned char* payload, size_t length) {
  auto recordLength = static_cast<uint32_t>(kDBRecordHeaderSize + length);
  DBPut32(block_, recordLength);
  DBPut32(block_, tag);
  block_.insert(block_.end(), payload, payload + length);
  if (recordLength & 1) block_.push_back(0);
  ++count_;
}

std::vector<unsigned char> DBRecordWriter::Finish(uint32_t stamp) {
  putLittleEndian(block_.data(), static_cast<uint32_t>(block_.size()));
  putLittleEndian(block_.data() + 4, stamp);
  putLittleEndian(block_.data() + 8, count_);
  return std::move(block_);
}
