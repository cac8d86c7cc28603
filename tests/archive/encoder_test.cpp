#include <gtest/gtest.h>

#include "runtime/archive/record_reader.h"
#include "runtime/archive/to_bytes.h"
#include "runtime/memory/low_memory.h"
#include "runtime/values/read.h"
#include "tests/archive/archive_fixture.h"

namespace {

class EncoderTest : public ArchiveTest {
 protected:
  static Bytes Encode(ovC_object* root) {
    Bytes block;
    EXPECT_EQ(DBToBytes(root, 0, &block), DBEncoded);
    return block;
  }

  // The tag and the references (or payload words) of every record.
  static std::vector<std::pair<uint32_t, Bytes>> Records(const Bytes& block) {
    DBRecordReader reader(block.data(), block.size());
    std::vector<std::pair<uint32_t, Bytes>> records;
    DBRecord record;
    while (reader.Next(&record))
      records.push_back({record.tag, Bytes(record.payload, record.payload + record.payloadLength)});
    EXPECT_EQ(reader.Fault(), DBFault::None);
    return records;
  }
};

TEST_F(EncoderTest, NumbersItemsDepthFirstInSlotOrder) {
  ovRef a = Text("a");
  ovRef inner = List(Text("b"), Text("c"));
  ovRef root = List(a, inner, a);
  auto records = Records(Encode(root.get()));
  ASSERT_EQ(records.size(), 5u);
  EXPECT_EQ(records[0].second, References({2, 3, 2}));
  EXPECT_EQ(records[1].second, Chars("a"));
  EXPECT_EQ(records[2].second, References({4, 5}));
  EXPECT_EQ(records[3].second, Chars("b"));
  EXPECT_EQ(root->visitMark, 0u) << "the marks are cleared afterwards";
}

TEST_F(EncoderTest, WritesTheHeaderAndAnItemPerSharedIntegerSlot) {
  ovRef root = List(Int(0), Int(0), Int(1), Int(-1), Int(42));
  Bytes block;
  ASSERT_EQ(DBToBytes(root.get(), 0x0116EDA4, &block), DBEncoded);
  EXPECT_EQ(block.size(), block[0] | block[1] << 8 | block[2] << 16 | block[3] << 24);
  EXPECT_EQ(block[4], 0xA4);
  auto records = Records(block);
  EXPECT_EQ(records.size(), 6u) << "0, 0, 1 and -1 belong to the run-time, not the graph";
  EXPECT_EQ(records[0].second, References({2, 3, 4, 5, 6}));
}

TEST_F(EncoderTest, InstancesWriteEverySlotAndTheirClassNumber) {
  ovRef pair = ovRef::adopt(ovMakeEmptyInstance(graph::classNamed("Labelled Pair")));
  ovInstanceSetSlot(pair.get(), 2, 0, 1, gdDefaultTrue);
  auto records = Records(Encode(pair.get()));
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].first, ClassTag("Labelled Pair"));
  EXPECT_EQ(records[0].second, References({0, 0, 2}));
  EXPECT_EQ(records[1].first, uint32_t{DBCodeBoolean});
}

TEST_F(EncoderTest, HandlesTheRunTimeAllocatedRoundTrip) {
  const RTExternal* type = nullptr;
  RTHeader::GetExternalTable()->FindByName("Boolean", &type);
  ovRef handle = ovRef::adopt(ovMakePtrFromSize(const_cast<RTExternal*>(type), 4, 2));
  static_cast<unsigned char*>(*static_cast<ovHandle>(ovPtrGetValue(handle.get())))[3] = 7;
  ovRef external = ovRef::adopt(ovMakeExternal(const_cast<RTExternal*>(type), 3, "xyz"));
  ovRef root = List(handle, external);
  ovC_object* copy = Decode(Encode(root.get()));
  auto* decoded = ovAs<ovC_pointer>(Nth(copy, 0));
  ASSERT_TRUE(ovIsKind(decoded, ovKindPointer));
  EXPECT_EQ(decoded->pointeeType, type);
  EXPECT_EQ(static_cast<unsigned char*>(*static_cast<ovHandle>(decoded->address))[3], 7);
  EXPECT_EQ(ovCompare(Nth(copy, 1), external.get()), 0);
  ovDisposePointer(handle.get());
}

TEST_F(EncoderTest, RefusesWhatTheFormatCannotHold) {
  RTExternal stranger{nullptr, 4};
  ovRef plainPointer = ovRef::adopt(ovMakePtr(nullptr, this));
  ovRef foreignHandle = ovRef::adopt(ovMakeHandle(nullptr, this));
  ovRef farPoint = ovRef::adopt(ovMakePointWin(40000, 0));
  ovRef farRect = ovRef::adopt(ovMakeRectMac(0, 0, 0, -40000));
  ovRef strangeExternal = ovRef::adopt(ovMakeExternal(&stranger, 4, nullptr));
  ovRef strangeHandle = ovRef::adopt(ovMakePtrFromSize(&stranger, 4, 2));
  const RTExternal* known = nullptr;
  RTHeader::GetExternalTable()->FindByName("Boolean", &known);
  ovRef disposedHandle = ovRef::adopt(ovMakePtrFromSize(const_cast<RTExternal*>(known), 4, 2));
  ovDisposePointer(disposedHandle.get());
  RTClass strangeClass{};
  ovRef strangeInstance = ovRef::adopt(ovMakeEmptyInstance(&strangeClass));
  for (const ovRef& value : {plainPointer, foreignHandle, farPoint, farRect, strangeExternal, strangeHandle,
                             disposedHandle, strangeInstance}) {
    ovRef root = List(Text("before"), value);
    Bytes block{1, 2, 3};
    EXPECT_EQ(DBToBytes(root.get(), 0, &block), DBNotArchivable);
    EXPECT_TRUE(block.empty());
    EXPECT_EQ(root->visitMark, 0u);
  }
  ovDisposePointer(strangeHandle.get());
}

TEST_F(EncoderTest, NullEncodesAsAnArchiveWithoutItemsWhichDecodesAsNull) {
  Bytes block = Encode(nullptr);
  EXPECT_EQ(block.size(), kDBBlockHeaderSize);
  uint16_t status = 99;
  EXPECT_EQ(Decode(block, &status), nullptr);
  EXPECT_EQ(status, DBStatusOK);
}

}  // namespace
