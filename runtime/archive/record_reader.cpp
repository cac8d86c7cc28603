#include "runtime/archive/record_reader.h"

#include "runtime/archive/format.h"
#include "runtime/values/byte_order.h"

namespace {

uint32_t littleEndianWord(const unsigned char* p) {
  return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

uint32_t bigEndianWord(const unsigned char* p) { return static_cast<uint32_t>(ovntohInt4Ptr(p)); }

}  // namespace

const char* DBFaultText(DBFault fault) {
  switch (fault) {
    case DBFault::None:
      return "no fault";
    case DBFault::ShortBlock:
      return "the block is shorter than its 12-byte header";
    case DBFault::SizeWord:
      return "the block's size word disagrees with its bytes";
    case DBFault::RecordLength:
      return "a record length is below 8";
    case DBFault::RecordPastEnd:
      return "a record runs past the end of the block";
    case DBFault::MissingItems:
      return "the block ends before its item count is reached";
  }
  return "unknown fault";
}

DBRecordReader::DBRecordReader(const unsigned char* bytes, size_t size) : bytes_(bytes), end_(size) {
  if (size < kDBBlockHeaderSize) {
    end_ = 0;
    Stop(DBFault::ShortBlock, 0);
    return;
  }
  uint32_t sizeWord = littleEndianWord(bytes);
  stamp_ = littleEndianWord(bytes + 4);
  itemCount_ = littleEndianWord(bytes + 8);
  position_ = kDBBlockHeaderSize;
  // A wrong size word is noted, and the walk goes on within the bytes given.
  if (sizeWord < kDBBlockHeaderSize || sizeWord > size)
    Note(DBFault::SizeWord, 0);
  else
    end_ = sizeWord;
}

bool DBRecordReader::Next(DBRecord* record) {
  if (stopped_ || nextNumber_ > itemCount_) return false;
  size_t left = end_ - position_;
  if (left < kDBRecordHeaderSize) {
    Stop(DBFault::MissingItems, position_);
    return false;
  }
  uint32_t length = bigEndianWord(bytes_ + position_);
  if (length < kDBRecordHeaderSize) {
    Stop(DBFault::RecordLength, position_);
    return false;
  }
  if (length > left) {
    Stop(DBFault::RecordPastEnd, position_);
    return false;
  }
  record->number = nextNumber_++;
  record->tag = bigEndianWord(bytes_ + position_ + 4);
  record->payload = bytes_ + position_ + kDBRecordHeaderSize;
  record->payloadLength = length - kDBRecordHeaderSize;
  record->offset = position_;
  // The pad byte after an odd-length last record may be missing; the next
  // record, if any, then finds too few bytes left.
  position_ += length + (length & 1);
  if (position_ > end_) position_ = end_;
  return true;
}

void DBRecordReader::Stop(DBFault fault, size_t offset) {
  stopped_ = true;
  Note(fault, offset);
}

void DBRecordReader::Note(DBFault fault, size_t offset) {
  if (fault_ != DBFault::None) return;
  fault_ = fault;
  faultOffset_ = offset;
}
