// Writing archive blocks (format.h): the encoder and the archive text
// compiler both hand their records to this writer in item order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Big-endian numbers appended to a payload.
void DBPut16(std::vector<unsigned char>& out, uint16_t n);
void DBPut32(std::vector<unsigned char>& out, uint32_t n);
void DBPutReal(std::vector<unsigned char>& out, double d);

class DBRecordWriter {
 public:
  DBRecordWriter();

  // Appends the next item's record: its length, the tag, the payload and,
  // after an odd length, the zero pad byte.
  void Add(uint32_t tag, const unsigned char* payload, size_t length);
  void Add(uint32_t tag, const std::vector<unsigned char>& payload) { Add(tag, payload.data(), payload.size()); }
  uint32_t ItemCount() const { return count_; }
  // The finished block: the header's size, stamp and item count filled in.
  std::vector<unsigned char> Finish(uint32_t stamp);

 private:
  std::vector<unsigned char> block_;
  uint32_t count_ = 0;
};
