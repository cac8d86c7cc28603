// Walking the item records of an archive block without ever reading outside
// it. The decoder and the dumper share this walk, so both stop at the same
// fault and agree on what the valid part of a damaged block holds.
#pragma once

#include <cstddef>
#include <cstdint>

// One item record as it lies in the block.
struct DBRecord {
  uint32_t number = 0;  // item number, from 1
  uint32_t tag = 0;
  const unsigned char* payload = nullptr;
  uint32_t payloadLength = 0;
  size_t offset = 0;  // of the record's first byte in the block
};

// What stopped a walk before the item count was reached, or what is wrong
// with the block's header.
enum class DBFault {
  None,
  ShortBlock,     // fewer bytes than the block header
  SizeWord,       // the size word is below the header size or beyond the bytes given
  RecordLength,   // a record length below the record header's 8 bytes
  RecordPastEnd,  // a record that runs past the end of the block
  MissingItems,   // the block ends before the item count is reached
};

// A fault as a short sentence for messages.
const char* DBFaultText(DBFault fault);

class DBRecordReader {
 public:
  // The block is size bytes at bytes; its size word may say less (the block
  // then ends there) but not more.
  DBRecordReader(const unsigned char* bytes, size_t size);

  uint32_t ItemCount() const { return itemCount_; }
  uint32_t Stamp() const { return stamp_; }
  // The next record; false once the item count is reached or at a fault.
  bool Next(DBRecord* record);
  // The first fault found, DBFault::None when there is none.
  DBFault Fault() const { return fault_; }
  // Where that fault lies in the block.
  size_t FaultOffset() const { return faultOffset_; }

 private:
  // Ends the walk at a fault.
  void Stop(DBFault fault, size_t offset);
  // Keeps the first fault for the report.
  void Note(DBFault fault, size_t offset);

  const unsigned char* bytes_;
  size_t end_ = 0;
  size_t position_ = 0;
  uint32_t itemCount_ = 0;
  uint32_t stamp_ = 0;
  uint32_t nextNumber_ = 1;
  bool stopped_ = false;
  DBFault fault_ = DBFault::None;
  size_t faultOffset_ = 0;
};
