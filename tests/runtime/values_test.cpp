#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <string>

#include "runtime/values/byte_order.h"
#include "runtime/values/make.h"
#include "runtime/values/read.h"
#include "runtime/values/text.h"
#include "runtime_fixture.h"

namespace {

std::string textOf(ovC_object* t) {
  ovRef text = ovRef::adopt(t);
  return std::string(text.as<ovC_text>()->Chars(), text.as<ovC_text>()->length);
}

RTName* makeName(const char* s, RTNameBuffer& storage) {
  storage.name().SetName(s, static_cast<uint32_t>(std::strlen(s)));
  return &storage.name();
}

}  // namespace

using Values = RuntimeTest;

TEST_F(Values, SharedConstantsAreSharedAndNeverFreed) {
  // Each maker and the constant it answers, zero made twice.
  const std::pair<ovC_object*, ovC_object*> constants[] = {
      {ovMakeInteger(0), gdDefaultZero},  {ovMakeInteger(0), gdDefaultZero},   {ovMakeInteger(1), gdDefaultPOne},
      {ovMakeInteger(-1), gdDefaultMOne}, {ovMakeBoolean(5), gdDefaultTrue},   {ovMakeBoolean(0), gdDefaultFalse},
      {ovMakeNone(), gdDefaultNone},      {ovMakeUndef(), gdDefaultUndefined}};
  // Counts float; dropping them to 1 and below never frees the constants.
  for (auto [made, c] : constants) {
    EXPECT_EQ(made, c);
    while (c->useCount > 1) ovDecUse(c);
    EXPECT_EQ(ovDecUse(c), nullptr);
    EXPECT_EQ(c->useCount, 1u);
  }
  EXPECT_NE(Int(2).get(), Int(2).get());  // other integers are fresh objects
}

TEST_F(Values, DecUseDestroysAtTheLastUseAndReturnsWhatSurvives) {
  ovC_object* r = ovMakeReal(2.5);
  EXPECT_EQ(ovIncUse(r), r);
  EXPECT_EQ(ovDecUse(r), r);
  EXPECT_EQ(ovDecUse(r), nullptr);
  EXPECT_EQ(ovDecUse(nullptr), nullptr);
  EXPECT_EQ(ovIncUse(nullptr), nullptr);
}

TEST_F(Values, ReduceResultGivesIntegersOnlyForIntegralValuesThatFit) {
  const struct {
    double d;
    uint16_t kind;
  } cases[] = {{3.0, ovKindInteger}, {3.5, ovKindReal}, {4294967296.0, ovKindReal},
               {-2147483648.0, ovKindInteger}, {std::nan(""), ovKindReal}};
  for (const auto& c : cases) {
    ovRef v = ovRef::adopt(ovReduceResult(c.d));
    EXPECT_TRUE(ovIsType(v.get(), c.kind)) << c.d;
    if (c.kind == ovKindInteger) {
      EXPECT_EQ(ovGetInteger(v.get()), c.d);
    }
  }
  EXPECT_TRUE(ovIsType(Real(3.0).get(), ovKindReal));  // makers never reduce
}

TEST_F(Values, NumberReadersTruncateAndGiveZeroForOtherKinds) {
  ovRef r = Real(-2.7), t = Text("12");
  EXPECT_EQ(ovGetInteger(r.get()), -2);
  EXPECT_EQ(ovGetInteger(Real(1e10).get()), INT32_MIN);
  EXPECT_EQ(ovGetInteger(t.get()), 0);
  EXPECT_EQ(ovGetInteger(nullptr), 0);
  EXPECT_EQ(ovGetReal(t.get()), 0.0);
  EXPECT_EQ(ovGetReal(gdDefaultMOne), -1.0);
  double out = 99;
  EXPECT_EQ(ovToReal(t.get(), &out), 0);
  EXPECT_EQ(out, 99);
  EXPECT_EQ(ovToReal(r.get(), &out), 1);
  EXPECT_EQ(out, -2.7);
  EXPECT_EQ(ovIsNumber(r.get()), 1);
  EXPECT_EQ(ovIsNumber(nullptr), 0);
}

// NULL is the null kind and nothing else; an instance is named by its class.
TEST_F(Values, TypeNamesFollowTheKind) {
  RTNameBuffer storage;
  RTClass cls{};
  cls.name = makeName("Push Button", storage);
  cls.slotCount = 2;
  const struct {
    ovRef value;
    const char* name;
  } cases[] = {
      {nullptr, "null"},
      {ovRef::adopt(ovMakeBoolean(1)), "boolean"},      {Int(42), "integer"},
      {List(), "list"},                                 {ovRef::adopt(ovMakeNone()), "none"},
      {Real(1), "real"},                                {Text("x"), "string"},
      {ovRef::adopt(ovMakeUndef()), "undefined"},       {ovRef::adopt(ovMakePointWin(1, 2)), "external"},
      {ovRef::adopt(ovMakeRectMac(1, 2, 3, 4)), "external"}, {ovRef::adopt(ovMakeRGB(1, 2, 3)), "external"},
      {ovRef::adopt(ovMakePtr(nullptr, nullptr)), "external"},
      {ovRef::adopt(ovMakeExternal(nullptr, 4, nullptr)), "external"},
      {ovRef::adopt(ovMakeEmptyInstance(&cls)), "Push Button"},
  };
  for (const auto& c : cases) EXPECT_EQ(textOf(ovGetTypeName(c.value.get())), c.name);
  EXPECT_TRUE(ovIsType(nullptr, ovKindNull));
  EXPECT_FALSE(ovIsType(nullptr, ovKindNone));
  EXPECT_FALSE(ovIsType(gdDefaultNone, ovKindNull));
}

TEST_F(Values, RectsStoreLeftTopRightBottomAndColoursAndPointsPackTheirComponents) {
  ovRef r = ovRef::adopt(ovMakeRectMac(10, 20, 30, 40));
  auto* rect = r.as<ovC_rect>();
  EXPECT_EQ(rect->left, 20);
  EXPECT_EQ(rect->top, 10);
  EXPECT_EQ(rect->right, 40);
  EXPECT_EQ(rect->bottom, 30);
  EXPECT_EQ(ovGetRectTop(r.get()), 10);
  EXPECT_EQ(ovGetRectRight(r.get()), 40);
  ovRect packed{};
  ovPackRect(&packed, rect->left, rect->top, rect->right, rect->bottom);
  ovRef again = ovRef::adopt(ovMakeRectFromPointer(&packed));
  EXPECT_EQ(std::memcmp(&again.as<ovC_rect>()->left, &rect->left, 16), 0);
  // Colours pack to the low bytes of each component.
  ovRGB c = 0;
  ovPackRGB(&c, 0x1234, 0x56, 0x78);
  EXPECT_EQ(c, 0x00785634u);
  ovRef v = ovRef::adopt(ovMakeRGBFromPointer(&c));
  EXPECT_EQ(ovGetRGBRed(v.get()), 0x34);
  EXPECT_EQ(ovGetRGBGreen(v.get()), 0x56);
  EXPECT_EQ(ovGetRGBBlue(v.get()), 0x78);
  ovPoint p{};
  ovPackPoint(&p, -3, 9);
  ovRef pt = ovRef::adopt(ovMakePointFromPointer(&p));
  EXPECT_EQ(ovGetPointHorizontal(pt.get()), -3);
  EXPECT_EQ(ovGetPointVertical(pt.get()), 9);
}

// The geometric kinds are named and sized as the C structures they stand for.
TEST_F(Values, ExternalNamesAndSizes) {
  RTNameBuffer storage;
  RTExternal foo{makeName("Foo", storage), 24};
  const struct {
    ovRef value;
    const char* name;
    uint32_t size;
  } cases[] = {
      {ovRef::adopt(ovMakeHandle(&foo, nullptr)), "Foo@@", 24},
      {ovRef::adopt(ovMakePtr(&foo, nullptr)), "Foo@", 24},
      {ovRef::adopt(ovMakeExternal(&foo, 3, "ab")), "Foo", 24},
      {ovRef::adopt(ovMakePointWin(0, 0)), "Point", 8},
      {ovRef::adopt(ovMakeRectMac(1, 2, 3, 4)), "Rect", 16},
      {ovRef::adopt(ovMakeRGB(1, 2, 3)), "RGBColor", 12},
      {Int(0), "", 0},
      {ovRef::share(gdDefaultTrue), "", 0},
      {nullptr, "", 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(textOf(ovUnparseExternalName(c.value.get())), c.name);
    EXPECT_EQ(ovExternalTypeSize(c.value.get()), c.size) << c.name;
  }
  EXPECT_EQ(textOf(ovGetRawExternalName(cases[0].value.get())), "Foo");
  EXPECT_EQ(textOf(ovGetRawExternalName(nullptr)), "");
  EXPECT_EQ(ovGetExternalType(cases[2].value.get()), &foo);
  EXPECT_EQ(ovGetExternalType(gdDefaultPOne), nullptr);
}

TEST_F(Values, ExternalChangeSizeKeepsTheCommonBytesAndZeroesTheRest) {
  ovRef block = ovRef::adopt(ovMakeExternal(nullptr, 6, "abcdef"));
  auto* e = block.as<ovC_external>();
  e->ChangeSize(3);
  e->ChangeSize(40);
  EXPECT_EQ(e->size, 40u);
  EXPECT_EQ(std::memcmp(e->Data(), "abc", 3), 0);
  for (int i = 3; i < 40; ++i) EXPECT_EQ(e->Data()[i], 0) << i;
}

TEST_F(Values, PointersReleaseOnlyMemoryTheyOwnAndOnlyOnce) {
  char local[4];
  ovRef owned = ovRef::adopt(ovMakePtrFromSize(nullptr, 64));
  ovRef handle = ovRef::adopt(ovMakePtrFromSize(nullptr, 16, 2));
  ovRef wrapped = ovRef::adopt(ovMakePtr(nullptr, local));
  ovRef wrappedHandle = ovRef::adopt(ovMakeHandle(nullptr, local));
  ovRef levelZero = ovRef::adopt(ovMakePtrFromSize(nullptr, 8, 0));
  ASSERT_NE(owned.get(), nullptr);
  EXPECT_EQ(owned.as<ovC_pointer>()->level, 1);
  EXPECT_EQ(levelZero.as<ovC_pointer>()->level, 1);
  EXPECT_EQ(ovDisposePointer(owned.get()), 1);
  EXPECT_EQ(ovDisposePointer(owned.get()), 0);
  EXPECT_EQ(ovDisposePointer(handle.get()), 1);
  EXPECT_EQ(ovDisposePointer(levelZero.get()), 1);
  EXPECT_EQ(ovDisposePointer(wrapped.get()), 0);
  EXPECT_EQ(ovDisposePointer(wrappedHandle.get()), 0);
  EXPECT_EQ(ovPtrGetValue(wrapped.get()), local);
  EXPECT_EQ(ovDisposePointer(nullptr), 0);
}

TEST(ByteOrder, ReadsBigEndianNumbersFromAnyAddress) {
  const unsigned char bytes[] = {0x00, 0xFF, 0xFF, 0xFF, 0xFE, 0x12, 0x34};
  EXPECT_EQ(ovGetSystemByteOrder(), ovLittleEndian);
  EXPECT_EQ(ovntohInt4Ptr(bytes + 1), -2);
  EXPECT_EQ(ovntohNat2Ptr(bytes + 5), 0x1234);
  EXPECT_EQ(ovntohInt2Ptr(bytes + 3), -2);
  EXPECT_EQ(ovntohNat4(0x01020304u), 0x04030201u);
}

// Truncated, not rounded (the nearest double of 0.1 lies above it); values
// outside the double's range saturate, the sign kept.
TEST(ByteOrder, ExtendedRealsConvertByTruncationAndSaturate) {
  const struct {
    unsigned char bytes[10];
    double d;
  } cases[] = {
      {{0x3F, 0xFF, 0x80}, 1.0},
      {{0xC0, 0x02, 0xA0}, -10.0},
      {{0x3F, 0xFB, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCD}, std::nextafter(0.1, 0.0)},
      {{0x7F, 0xFF, 0x80}, HUGE_VAL},
      {{}, 0.0},
      {{0x80, 0x01, 0x80}, -0.0},
      {{0x7F, 0x00, 0x80}, HUGE_VAL},
      {{0x3C, 0x01, 0x40}, 0.0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(std::bit_cast<uint64_t>(ovReal10toReal8(c.bytes)), std::bit_cast<uint64_t>(c.d)) << c.d;
}
