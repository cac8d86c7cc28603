#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "runtime/memory/low_memory.h"
#include "runtime/values/read.h"
#include "tests/archive/archive_fixture.h"

namespace {

using DecoderTest = ArchiveTest;

// Each record decoded as the one element of a root list, printed in the
// value text form; the constant kinds are the run-time's shared objects.
// Geometry keeps its stored order; reals are big-endian doubles (sign and
// exponent first) or extended reals; any non-zero boolean is true.
TEST_F(DecoderTest, EachKindDecodesFromItsRecord) {
  Bytes real;
  DBPutReal(real, -2.5);
  EXPECT_EQ(real[0], 0xC0);
  const struct {
    uint32_t tag;
    Bytes payload;
    const char* printed;
    ovC_object* shared;
  } cases[] = {
      {DBCodeList, {}, "( )", nullptr},
      {DBCodeText, {}, "\"\"", nullptr},
      {DBCodePoint, Halves({0x0014, 0x000A}), "{ 20 10 }", nullptr},
      {DBCodeRect, Halves({1, 2, 3, static_cast<uint16_t>(-4)}), "{ 1 2 3 -4 }", nullptr},
      {DBCodeRGB, Halves({0xFFFF, 2, 3}), "{ 65535 2 3 }", nullptr},
      {DBCodeReal, real, "-2.5", nullptr},
      {DBCodeExtendedReal, {0x3F, 0xFF, 0x80, 0, 0, 0, 0, 0, 0, 0}, "1.0", nullptr},
      {DBCodeInteger, Word(static_cast<uint32_t>(-7)), "-7", nullptr},
      {DBCodeIntegerAlternate, Word(70000), "70000", nullptr},
      {DBCodeInteger, Word(1), "1", gdDefaultPOne},
      {DBCodeBoolean, Halves({2}), "TRUE", gdDefaultTrue},
      {DBCodeBoolean, Halves({0}), "FALSE", gdDefaultFalse},
      {DBCodeNone, {}, "NONE", gdDefaultNone},
      {DBCodeUndefined, {}, "UNDEFINED", gdDefaultUndefined},
  };
  for (const auto& c : cases) {
    ovC_object* item = Nth(Decode(Archive().Add(DBCodeList, References({2})).Add(c.tag, c.payload).Block()), 0);
    EXPECT_EQ(Printed(item), c.printed);
    if (c.shared) {
      EXPECT_EQ(item, c.shared) << c.printed;
    }
  }
}

TEST_F(DecoderTest, AnOddRecordIsFollowedByOneZeroByte) {
  Bytes block = Archive()
                    .Add(DBCodeList, References({2, 3}))
                    .Add(DBCodeText, Chars("hello world"))
                    .Add(DBCodeInteger, Word(42))
                    .Block();
  const size_t text = kDBBlockHeaderSize + 16;
  EXPECT_EQ(block[text + 3], 19) << "11 characters and the 8-byte header";
  EXPECT_EQ(block[text + 19], 0) << "the pad byte";
  EXPECT_EQ(block[text + 20 + 3], 12) << "the next record starts 20 bytes later";
  ovC_object* root = Decode(block);
  EXPECT_EQ(TextOf(Nth(root, 0)), "hello world");
  EXPECT_EQ(ovGetInteger(Nth(root, 1)), 42);
}

// A short instance payload leaves the last slots NULL; references beyond the
// slots are ignored, and what only they reach is freed.
TEST_F(DecoderTest, InstancePayloadsShorterOrLongerThanTheSlots) {
  ovC_object* root =
      Decode(Archive().Add(ClassTag("Five Slots"), References({2, 0, 2})).Add(DBCodeText, Chars("a")).Block());
  ASSERT_TRUE(ovIsKind(root, ovKindInstance));
  ASSERT_EQ(graph::slotCount(root), 5u);
  EXPECT_EQ(TextOf(Nth(root, 0)), "a");
  EXPECT_EQ(Nth(root, 1), nullptr);
  EXPECT_EQ(Nth(root, 2), Nth(root, 0));
  EXPECT_EQ(Nth(root, 3), nullptr);
  EXPECT_EQ(Nth(root, 4), nullptr);
  uint32_t before = ovRunTimeHeap->LiveCount();
  ovC_object* pair = Decode(Archive()
                                .Add(ClassTag("Pair"), References({2, 2, 3}))
                                .Add(DBCodeInteger, Word(5))
                                .Add(DBCodeText, Chars("only the third reference reaches me"))
                                .Block());
  EXPECT_EQ(ovGetInteger(Nth(pair, 1)), 5);
  EXPECT_EQ(ovRunTimeHeap->LiveCount(), before + 2) << "the pair and the integer";
}

TEST_F(DecoderTest, EveryObjectHasOneUsePerSlotThatHoldsItAndTheRootOneMore) {
  ovC_object* root = Decode(Archive()
                                .Add(DBCodeList, References({2, 3, 2, 1}))
                                .Add(DBCodeText, Chars("shared"))
                                .Add(ClassTag("Pair"), References({2, 3}))
                                .Block());
  ovC_object* text = Nth(root, 0);
  EXPECT_EQ(text->useCount, 3u) << "the list holds it twice, the pair once";
  EXPECT_EQ(Nth(root, 1)->useCount, 2u) << "the list and the pair's own Right slot";
  EXPECT_EQ(Nth(Nth(root, 1), 1), Nth(root, 1)) << "a cycle stays a cycle";
  EXPECT_EQ(root->useCount, 2u) << "the list itself, and the caller";
  EXPECT_TRUE(graph::miscounted(root).empty());
}

// An unknown class gives a nameless list, an unknown external type NULL;
// both give status 3.
TEST_F(DecoderTest, AnUnknownClassOrExternalTypeGivesStatus3) {
  uint16_t status = 0;
  ovC_object* root = Decode(Archive()
                                .Add(DBCodeList, References({2, 3}))
                                .Add(DBMakeTag(DBCategoryInstance, 999), References({3, 0}))
                                .Add(DBCodeInteger, Word(8))
                                .Block(),
                            &status);
  EXPECT_EQ(status, DBStatusUnknownName);
  ovC_object* standIn = Nth(root, 0);
  ASSERT_TRUE(ovIsKind(standIn, ovKindList));
  ASSERT_EQ(graph::slotCount(standIn), 3u);
  EXPECT_EQ(TextOf(Nth(standIn, 0)), "");
  EXPECT_EQ(Nth(standIn, 1), Nth(root, 1));
  EXPECT_EQ(Nth(standIn, 2), nullptr);
  EXPECT_EQ(DBGetReferenceClass(DBMakeTag(DBCategoryInstance, 0)), nullptr) << "class numbers start at 1";
  status = 0;
  root = Decode(
      Archive().Add(DBCodeList, References({2})).Add(DBMakeTag(DBCategoryExternal, 0x0FFFFFFF), Chars("xy")).Block(),
      &status);
  EXPECT_EQ(status, DBStatusUnknownName);
  EXPECT_EQ(Nth(root, 0), nullptr);
}

TEST_F(DecoderTest, UnknownCodesAndMissingItemsAreNullWithoutAStatus) {
  uint16_t status = 99;
  ovC_object* root = Decode(
      Archive().Add(DBCodeList, References({2, 2, 3, 4})).Add(0x0000001F, Chars("?")).Add(DBCodeNone).Block(), &status);
  EXPECT_EQ(status, DBStatusOK);
  EXPECT_EQ(Nth(root, 0), nullptr);
  EXPECT_EQ(Nth(root, 1), nullptr);
  EXPECT_EQ(Nth(root, 2), gdDefaultNone);
  EXPECT_EQ(Nth(root, 3), nullptr) << "item 4 does not exist";
}

TEST_F(DecoderTest, ExternalsAndHandlesHoldACopyOfTheirBytes) {
  const Bytes bytes = {1, 0, 0, 0, 9};
  uint16_t status = 99;
  ovC_object* root = Decode(Archive()
                                .Add(DBCodeList, References({2, 3}))
                                .Add(ExternalTag(DBCategoryExternal, "Boolean"), bytes)
                                .Add(ExternalTag(DBCategoryHandle, "ABlock"), bytes)
                                .Block(),
                            &status);
  EXPECT_EQ(status, DBStatusOK);
  auto* external = ovAs<ovC_external>(Nth(root, 0));
  ASSERT_TRUE(ovIsKind(external, ovKindExternal));
  EXPECT_EQ(Bytes(external->Data(), external->Data() + external->size), bytes);
  auto* handle = ovAs<ovC_pointer>(Nth(root, 1));
  ASSERT_TRUE(ovIsKind(handle, ovKindPointer));
  EXPECT_EQ(handle->level, 2);
  auto cell = static_cast<ovHandle>(handle->address);
  const auto* held = static_cast<const unsigned char*>(*cell);
  EXPECT_EQ(Bytes(held, held + ovHandle_GetSize(cell)), bytes);
}

TEST_F(DecoderTest, ItemsTheRootDoesNotReachAreFreedCyclesIncluded) {
  uint32_t before = ovRunTimeHeap->LiveCount();
  ovC_object* root = Decode(Archive()
                                .Add(DBCodeInteger, Word(1000))
                                .Add(DBCodeList, References({3, 1, 4}))
                                .Add(DBCodeList, References({2}))
                                .Add(ExternalTag(DBCategoryHandle, "ABlock"), Chars("its block goes too"))
                                .Block());
  EXPECT_EQ(ovGetInteger(root), 1000);
  EXPECT_EQ(root->useCount, 1u) << "the unreachable list held no use of it";
  EXPECT_EQ(ovRunTimeHeap->LiveCount(), before + 1);
}

// A damaged block decodes as far as it is valid: the root list (x y z)
// keeps what is left of its three items.
struct Damage {
  const char* what;
  std::function<void(Bytes&)> damage;
  bool rootSurvives;
  int survivors;  // leading elements of the root that still decode
};

void PrintTo(const Damage& damage, std::ostream* out) { *out << damage.what; }

class DamagedBlockTest : public ArchiveTest, public ::testing::WithParamInterface<Damage> {};

Bytes threeItems() {
  return Archive()
      .Add(DBCodeList, References({2, 3, 4}))
      .Add(DBCodeText, Chars("x"))
      .Add(DBCodeInteger, Word(7))
      .Add(DBCodeText, Chars("zz"))
      .Block();
}

// Offsets in threeItems(): the root at 12 (20 bytes), "x" at 32 (10 with its
// pad byte), 7 at 42 (12), "zz" at 54 (10), 64 bytes in all.
TEST_P(DamagedBlockTest, DecodesTheValidPartAndReportsStatus1) {
  Bytes block = threeItems();
  GetParam().damage(block);
  uint16_t status = 0;
  ovC_object* root = Decode(block, &status);
  EXPECT_EQ(status, DBStatusMalformed);
  if (!GetParam().rootSurvives) {
    EXPECT_EQ(root, nullptr);
    return;
  }
  ASSERT_TRUE(ovIsKind(root, ovKindList));
  for (int i = 0; i < 3; ++i) EXPECT_EQ(Nth(root, i) != nullptr, i < GetParam().survivors) << "element " << i;
}

INSTANTIATE_TEST_SUITE_P(
    Archive, DamagedBlockTest,
    ::testing::Values(
        Damage{"ShorterThanItsHeader", [](Bytes& b) { b.resize(11); }, false, 0},
        Damage{"SizeWordBelowTheHeader", [](Bytes& b) { PatchLittleEndian(b, 0, 4); }, true, 3},
        Damage{"SizeWordBeyondTheBytes", [](Bytes& b) { PatchLittleEndian(b, 0, 1000); }, true, 3},
        Damage{"SizeWordCutsTheLastRecord", [](Bytes& b) { PatchLittleEndian(b, 0, 60); }, true, 2},
        Damage{"RecordLengthBelow8", [](Bytes& b) { PatchBigEndian(b, 42, 7); }, true, 1},
        Damage{"RecordLengthZero", [](Bytes& b) { PatchBigEndian(b, 42, 0); }, true, 1},
        Damage{"RecordRunsPastTheEnd", [](Bytes& b) { PatchBigEndian(b, 42, 0x7FFFFFF0); }, true, 1},
        Damage{"TruncatedMidRecord",
               [](Bytes& b) {
                 b.resize(50);
                 PatchLittleEndian(b, 0, 50);
               },
               true, 1},
        Damage{"ItemCountBeyondTheRecords", [](Bytes& b) { PatchLittleEndian(b, 8, 0xFFFFFFFF); }, true, 3},
        Damage{"PayloadTooShortForItsKind",
               [](Bytes& b) {
                 PatchBigEndian(b, 42, 10);  // an integer of 2 bytes, then a pad
               },
               true, 1},
        Damage{"ListStartingWithTheMarker", [](Bytes& b) { PatchBigEndian(b, 20, kDBListMarker); }, false, 0}),
    [](const ::testing::TestParamInfo<Damage>& info) { return std::string(info.param.what); });

}  // namespace
