#include <gtest/gtest.h>

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
  auto* text = ovAs<ovC_text>(t);
  std::string s(text->Chars(), text->length);
  ovDecUse(t);
  return s;
}

RTName* makeName(const char* s, char (&storage)[64]) {
  auto* name = reinterpret_cast<RTName*>(storage);
  name->length = static_cast<uint32_t>(std::strlen(s));
  std::memcpy(name->chars, s, name->length);
  return name;
}

}  // namespace

using Values = RuntimeTest;

TEST_F(Values, SharedConstantsAreSharedAndNeverFreed) {
  ovC_object* zero = ovMakeInteger(0);
  EXPECT_EQ(zero, ovMakeInteger(0));
  EXPECT_EQ(zero, gdDefaultZero);
  EXPECT_EQ(ovMakeInteger(1), gdDefaultPOne);
  EXPECT_EQ(ovMakeInteger(-1), gdDefaultMOne);
  EXPECT_EQ(ovMakeBoolean(5), gdDefaultTrue);
  EXPECT_EQ(ovMakeBoolean(0), gdDefaultFalse);
  EXPECT_EQ(ovMakeNone(), gdDefaultNone);
  EXPECT_EQ(ovMakeUndef(), gdDefaultUndefined);
  // Counts float; dropping them to 1 and below never frees the constants.
  for (ovC_object* c : {gdDefaultZero, gdDefaultPOne, gdDefaultMOne, gdDefaultTrue, gdDefaultFalse,
                        gdDefaultNone, gdDefaultUndefined}) {
    while (c->useCount > 1) ovDecUse(c);
    EXPECT_EQ(ovDecUse(c), nullptr);
    EXPECT_EQ(c->useCount, 1u);
  }
  ovC_object* two = ovMakeInteger(2);
  ovC_object* another = ovMakeInteger(2);
  EXPECT_NE(two, another);  // other integers are fresh objects
  ovDecUse(two);
  ovDecUse(another);
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
  ovC_object* three = ovReduceResult(3.0);
  ovC_object* half = ovReduceResult(3.5);
  ovC_object* big = ovReduceResult(4294967296.0);
  ovC_object* low = ovReduceResult(-2147483648.0);
  ovC_object* nan = ovReduceResult(std::nan(""));
  EXPECT_TRUE(ovIsType(three, ovKindInteger));
  EXPECT_EQ(ovGetInteger(three), 3);
  EXPECT_TRUE(ovIsType(half, ovKindReal));
  EXPECT_TRUE(ovIsType(big, ovKindReal));
  EXPECT_TRUE(ovIsType(low, ovKindInteger));
  EXPECT_EQ(ovGetInteger(low), INT32_MIN);
  EXPECT_TRUE(ovIsType(nan, ovKindReal));
  for (ovC_object* v : {three, half, big, low, nan}) ovDecUse(v);
  ovC_object* r = ovMakeReal(3.0);
  EXPECT_TRUE(ovIsType(r, ovKindReal));  // makers never reduce
  ovDecUse(r);
}

TEST_F(Values, NumberReadersTruncateAndGiveZeroForOtherKinds) {
  ovC_object* r = ovMakeReal(-2.7);
  ovC_object* huge = ovMakeReal(1e10);
  ovC_object* t = ovMakeText("12");
  EXPECT_EQ(ovGetInteger(r), -2);
  EXPECT_EQ(ovGetInteger(huge), INT32_MIN);
  EXPECT_EQ(ovGetInteger(t), 0);
  EXPECT_EQ(ovGetInteger(nullptr), 0);
  EXPECT_EQ(ovGetReal(t), 0.0);
  EXPECT_EQ(ovGetReal(gdDefaultMOne), -1.0);
  double out = 99;
  EXPECT_EQ(ovToReal(t, &out), 0);
  EXPECT_EQ(out, 99);
  EXPECT_EQ(ovToReal(r, &out), 1);
  EXPECT_EQ(out, -2.7);
  EXPECT_EQ(ovIsNumber(r), 1);
  EXPECT_EQ(ovIsNumber(nullptr), 0);
  for (ovC_object* v : {r, huge, t}) ovDecUse(v);
}

TEST_F(Values, NullIsTheNullKindAndNothingElse) {
  EXPECT_TRUE(ovIsType(nullptr, ovKindNull));
  EXPECT_FALSE(ovIsType(nullptr, ovKindNone));
  EXPECT_FALSE(ovIsType(gdDefaultNone, ovKindNull));
  EXPECT_EQ(textOf(ovGetTypeName(nullptr)), "null");
}

TEST_F(Values, TypeNamesFollowTheKind) {
  struct {
    ovC_object* value;
    const char* name;
  } cases[] = {
      {ovMakeBoolean(1), "boolean"},      {ovMakeInteger(42), "integer"},
      {ovMakeList(0), "list"},            {ovMakeNone(), "none"},
      {ovMakeReal(1), "real"},            {ovMakeText("x"), "string"},
      {ovMakeUndef(), "undefined"},       {ovMakePointWin(1, 2), "external"},
      {ovMakeRectMac(1, 2, 3, 4), "external"}, {ovMakeRGB(1, 2, 3), "external"},
      {ovMakePtr(nullptr, nullptr), "external"}, {ovMakeExternal(nullptr, 4, nullptr), "external"},
  };
  for (auto& c : cases) {
    EXPECT_EQ(textOf(ovGetTypeName(c.value)), c.name);
    ovDecUse(c.value);
  }
}

TEST_F(Values, InstanceTypeNameIsItsClassName) {
  char storage[64];
  RTClass cls{};
  cls.name = makeName("Push Button", storage);
  cls.slotCount = 2;
  ovC_object* x = ovMakeEmptyInstance(&cls);
  EXPECT_EQ(textOf(ovGetTypeName(x)), "Push Button");
  ovDecUse(x);
}

TEST_F(Values, RectMakerTakesTopLeftBottomRightAndStoresLeftTopRightBottom) {
  ovC_object* r = ovMakeRectMac(10, 20, 30, 40);
  auto* rect = ovAs<ovC_rect>(r);
  EXPECT_EQ(rect->left, 20);
  EXPECT_EQ(rect->top, 10);
  EXPECT_EQ(rect->right, 40);
  EXPECT_EQ(rect->bottom, 30);
  EXPECT_EQ(ovGetRectTop(r), 10);
  EXPECT_EQ(ovGetRectRight(r), 40);
  ovRect packed{};
  ovPackRect(&packed, rect->left, rect->top, rect->right, rect->bottom);
  ovC_object* again = ovMakeRectFromPointer(&packed);
  EXPECT_EQ(std::memcmp(&ovAs<ovC_rect>(again)->left, &rect->left, 16), 0);
  ovDecUse(again);
  ovDecUse(r);
}

TEST_F(Values, ColoursPackToTheLowBytesOfEachComponent) {
  ovRGB c = 0;
  ovPackRGB(&c, 0x1234, 0x56, 0x78);
  EXPECT_EQ(c, 0x00785634u);
  ovC_object* v = ovMakeRGBFromPointer(&c);
  EXPECT_EQ(ovGetRGBRed(v), 0x34);
  EXPECT_EQ(ovGetRGBGreen(v), 0x56);
  EXPECT_EQ(ovGetRGBBlue(v), 0x78);
  ovDecUse(v);
  ovPoint p{};
  ovPackPoint(&p, -3, 9);
  ovC_object* pt = ovMakePointFromPointer(&p);
  EXPECT_EQ(ovGetPointHorizontal(pt), -3);
  EXPECT_EQ(ovGetPointVertical(pt), 9);
  ovDecUse(pt);
}

TEST_F(Values, ExternalNamesAndSizes) {
  char storage[64];
  RTExternal foo{makeName("Foo", storage), 24};
  ovC_object* handle = ovMakeHandle(&foo, nullptr);
  ovC_object* pointer = ovMakePtr(&foo, nullptr);
  ovC_object* block = ovMakeExternal(&foo, 3, "ab");
  ovC_object* point = ovMakePointWin(0, 0);
  EXPECT_EQ(textOf(ovUnparseExternalName(handle)), "Foo@@");
  EXPECT_EQ(textOf(ovUnparseExternalName(pointer)), "Foo@");
  EXPECT_EQ(textOf(ovGetRawExternalName(handle)), "Foo");
  EXPECT_EQ(textOf(ovUnparseExternalName(point)), "Point");
  EXPECT_EQ(textOf(ovUnparseExternalName(gdDefaultZero)), "");
  EXPECT_EQ(ovExternalTypeSize(block), 24u);
  EXPECT_EQ(ovExternalTypeSize(pointer), 24u);
  EXPECT_EQ(ovExternalTypeSize(point), 8u);
  EXPECT_EQ(ovExternalTypeSize(gdDefaultTrue), 0u);
  EXPECT_EQ(ovGetExternalType(block), &foo);
  EXPECT_EQ(ovGetExternalType(gdDefaultPOne), nullptr);
  for (ovC_object* v : {handle, pointer, block, point}) ovDecUse(v);
  // The geometric kinds are named and sized as the C structures they stand for.
  ovRef rect = ovRef::adopt(ovMakeRectMac(1, 2, 3, 4)), rgb = ovRef::adopt(ovMakeRGB(1, 2, 3));
  EXPECT_EQ(textOf(ovUnparseExternalName(rect.get())), "Rect");
  EXPECT_EQ(textOf(ovUnparseExternalName(rgb.get())), "RGBColor");
  EXPECT_EQ(ovExternalTypeSize(rect.get()), 16u);
  EXPECT_EQ(ovExternalTypeSize(rgb.get()), 12u);
  EXPECT_EQ(ovExternalTypeSize(nullptr), 0u);
  EXPECT_EQ(textOf(ovGetRawExternalName(nullptr)), "");
}

TEST_F(Values, ExternalChangeSizeKeepsTheCommonBytesAndZeroesTheRest) {
  auto* e = ovAs<ovC_external>(ovMakeExternal(nullptr, 6, "abcdef"));
  e->ChangeSize(3);
  e->ChangeSize(40);
  EXPECT_EQ(e->size, 40u);
  EXPECT_EQ(std::memcmp(e->Data(), "abc", 3), 0);
  for (int i = 3; i < 40; ++i) EXPECT_EQ(e->Data()[i], 0) << i;
  ovDecUse(e);
}

TEST_F(Values, PointersReleaseOnlyMemoryTheyOwnAndOnlyOnce) {
  ovC_object* owned = ovMakePtrFromSize(nullptr, 64);
  ASSERT_NE(owned, nullptr);
  EXPECT_EQ(ovAs<ovC_pointer>(owned)->level, 1);
  EXPECT_EQ(ovDisposePointer(owned), 1);
  EXPECT_EQ(ovDisposePointer(owned), 0);
  ovC_object* handle = ovMakePtrFromSize(nullptr, 16, 2);
  EXPECT_EQ(ovDisposePointer(handle), 1);
  char local[4];
  ovC_object* wrapped = ovMakePtr(nullptr, local);
  ovC_object* wrappedHandle = ovMakeHandle(nullptr, local);
  EXPECT_EQ(ovDisposePointer(wrapped), 0);
  EXPECT_EQ(ovDisposePointer(wrappedHandle), 0);
  EXPECT_EQ(ovPtrGetValue(wrapped), local);
  EXPECT_EQ(ovDisposePointer(nullptr), 0);
  ovC_object* levelZero = ovMakePtrFromSize(nullptr, 8, 0);
  EXPECT_EQ(ovAs<ovC_pointer>(levelZero)->level, 1);
  ovDisposePointer(levelZero);
  for (ovC_object* v : {owned, handle, wrapped, wrappedHandle, levelZero}) ovDecUse(v);
}

TEST(ByteOrder, ReadsBigEndianNumbersFromAnyAddress) {
  const unsigned char bytes[] = {0x00, 0xFF, 0xFF, 0xFF, 0xFE, 0x12, 0x34};
  EXPECT_EQ(ovGetSystemByteOrder(), ovLittleEndian);
  EXPECT_EQ(ovntohInt4Ptr(bytes + 1), -2);
  EXPECT_EQ(ovntohNat2Ptr(bytes + 5), 0x1234);
  EXPECT_EQ(ovntohInt2Ptr(bytes + 3), -2);
  EXPECT_EQ(ovntohNat4(0x01020304u), 0x04030201u);
}

TEST(ByteOrder, ExtendedRealsConvertByTruncation) {
  const unsigned char one[10] = {0x3F, 0xFF, 0x80, 0, 0, 0, 0, 0, 0, 0};
  const unsigned char minusTen[10] = {0xC0, 0x02, 0xA0, 0, 0, 0, 0, 0, 0, 0};
  const unsigned char tenth[10] = {0x3F, 0xFB, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCD};
  const unsigned char infinity[10] = {0x7F, 0xFF, 0x80, 0, 0, 0, 0, 0, 0, 0};
  const unsigned char zero[10] = {};
  EXPECT_EQ(ovReal10toReal8(one), 1.0);
  EXPECT_EQ(ovReal10toReal8(minusTen), -10.0);
  // Truncated, not rounded: the nearest double of 0.1 lies above it.
  EXPECT_EQ(ovReal10toReal8(tenth), std::nextafter(0.1, 0.0));
  EXPECT_TRUE(std::isinf(ovReal10toReal8(infinity)));
  EXPECT_EQ(ovReal10toReal8(zero), 0.0);
}

TEST(ByteOrder, ExtendedRealsOutsideTheDoubleRangeSaturate) {
  const unsigned char tiny[10] = {0x80, 0x01, 0x80, 0, 0, 0, 0, 0, 0, 0};
  const unsigned char huge[10] = {0x7F, 0x00, 0x80, 0, 0, 0, 0, 0, 0, 0};
  const unsigned char unsettled[10] = {0x3C, 0x01, 0x40, 0, 0, 0, 0, 0, 0, 0};
  double small = ovReal10toReal8(tiny);
  EXPECT_EQ(small, 0.0);
  EXPECT_TRUE(std::signbit(small));
  EXPECT_EQ(ovReal10toReal8(huge), HUGE_VAL);
  EXPECT_EQ(ovReal10toReal8(unsettled), 0.0);
}
