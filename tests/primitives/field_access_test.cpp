// Field access on C data held as values: external blocks are values (a
// write makes a new block), pointers are written in place, integers are
// not addresses, and the platform's records are laid out as the platform
// lays them out.
#include <cstring>

#include "primitives_fixture.h"
#include "runtime/externals/ext_fields.h"
#include "runtime/externals/record_fields.h"

namespace {

class FieldAccessTest : public PrimitivesTest {
 protected:
  static ovRef setInt4(uint32_t offset, const ovRef& object, int32_t n) {
    ovC_object* out = nullptr;
    UCExtSetFieldInt4(offset, object.get(), Int(n).get(), &out);
    return ovRef::adopt(out);
  }
  // The field read by get; checks that the object passes through.
  static ovRef getField(void (*get)(uint32_t, ovC_object*, ovC_object**, ovC_object**), uint32_t offset,
                        const ovRef& object) {
    ovC_object* passed = nullptr;
    ovC_object* value = nullptr;
    get(offset, object.get(), &passed, &value);
    EXPECT_EQ(passed, object.get());
    ovDecUse(passed);
    return ovRef::adopt(value);
  }
  static int32_t getInt4(uint32_t offset, const ovRef& object) {
    return getField(UCExtGetFieldInt4, offset, object).as<ovC_integer>()->value;
  }
};

TEST_F(FieldAccessTest, WritingABlockMakesANewBlockAndLeavesTheOldOne) {
  ovRef old = Block(std::string(40, 'a'));
  ovRef changed = setInt4(20, old, 0x64636261 + 0x01010101);
  ASSERT_NE(changed.get(), old.get());
  EXPECT_EQ(bytesOf(old), std::string(40, 'a'));
  EXPECT_EQ(bytesOf(changed), std::string(20, 'a') + "bcde" + std::string(16, 'a'));
  EXPECT_EQ(getInt4(20, changed), 0x65646362);
  ovRef outside = setInt4(38, old, -1);  // a field outside the block: an unchanged copy
  ASSERT_NE(outside.get(), old.get());
  EXPECT_EQ(bytesOf(outside), std::string(40, 'a'));
}

TEST_F(FieldAccessTest, ReadingPartlyOutsideABlockGivesZerosForTheMissingBytes) {
  ovRef block = Block("\x01\x02\x03\x04\x05\x06");
  EXPECT_EQ(getInt4(4, block), 0x0605);
  EXPECT_EQ(getInt4(6, block), 0);
  EXPECT_EQ(getInt4(0xFFFFFFF0u, block), 0);
}

TEST_F(FieldAccessTest, APointerIsWrittenInPlaceWithinWhatItOwns) {
  ovRef p = ovRef::adopt(ovMakePtrFromSize(nullptr, 8));
  std::memset(pointer(p)->address, 0, 8);
  ovRef same = setInt4(4, p, 77);
  EXPECT_EQ(same.get(), p.get());
  EXPECT_EQ(getInt4(4, p), 77);
  setInt4(6, p, -1).reset();  // would end past the 8 bytes
  EXPECT_EQ(getInt4(4, p), 77);
  EXPECT_EQ(getInt4(6, p), 0);
  ovDisposePointer(p.get());
}

TEST_F(FieldAccessTest, NothingIsReadOrWrittenThroughAnIntegerOrADisposedPointer) {
  ovRef address = Int(4096);
  ovRef same = setInt4(0, address, 1);
  EXPECT_EQ(same.get(), address.get());
  EXPECT_EQ(getInt4(0, address), 0);

  ovRef p = ovRef::adopt(ovMakePtrFromSize(nullptr, 8));
  ovDisposePointer(p.get());
  setInt4(0, p, 1).reset();  // the sanitizer build reports a write to freed memory
  EXPECT_EQ(getInt4(0, p), 0);
}

TEST_F(FieldAccessTest, PointsAndRectanglesGiveNewValuesFromTheirChangedForm) {
  ovRef point = ovRef::adopt(ovMakePointWin(1, 2));
  EXPECT_EQ(printed(setInt4(4, point, 9)), "{ 9 1 }");
  EXPECT_EQ(printed(point), "{ 2 1 }");
  EXPECT_EQ(setInt4(8, point, 9).get(), point.get());

  ovRef rect = ovRef::adopt(ovMakeRectMac(10, 20, 30, 40));
  EXPECT_EQ(printed(getField(UCExtGetFieldRect, 0, rect)), "{ 10 20 30 40 }");
  EXPECT_EQ(printed(setInt4(12, rect, 99)), "{ 10 20 99 40 }");
}

TEST_F(FieldAccessTest, FieldsLieWhereThePlatformsRecordsHaveThem) {
  ovRef msg = ovRef::adopt(ovMakeExternal(nullptr, sizeof(MSG), nullptr));
  ovRef farAddress = ovRef::adopt(ovMakePtr(nullptr, reinterpret_cast<void*>(uintptr_t{0x123456789A})));
  ovC_object* out = nullptr;
  UCExtSetFieldPointer(ovFields::kMsgLParam.offset, msg.get(), farAddress.get(), &out);
  ovRef withLParam = ovRef::adopt(out);
  ovRef withMessage = setInt4(ovFields::kMsgMessage.offset, withLParam, WM_PAINT);
  ovRef withPoint = setInt4(ovFields::kMsgPt.offset + ovFields::kPointY.offset, withMessage, -5);

  MSG record{};
  std::memcpy(&record, withPoint.as<ovC_external>()->Data(), sizeof record);
  EXPECT_EQ(record.lParam, LPARAM{0x123456789A});
  EXPECT_EQ(record.message, UINT{WM_PAINT});
  EXPECT_EQ(record.pt.y, -5);
  EXPECT_EQ(ovFields::kMsgWParam.size, sizeof(WPARAM));
  EXPECT_EQ(printed(getField(UCExtGetFieldPoint, ovFields::kMsgPt.offset, withPoint)), "{ -5 0 }");
}

TEST_F(FieldAccessTest, ABooleanFieldIsTrueWhenNotZero) {
  PAINTSTRUCT paint{};
  paint.fErase = 2;
  ovRef block = ovRef::adopt(ovMakeExternal(nullptr, sizeof paint, &paint));
  EXPECT_EQ(getField(UCExtGetFieldBool4, ovFields::kPaintErase.offset, block).get(), gdDefaultTrue);
}

}  // namespace
