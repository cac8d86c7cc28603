// The routines around a direct call of a platform function: values into
// argument words, temporaries and buffers, and results back into values.
#include <cstring>
#include <functional>

#include "primitives_fixture.h"
#include "runtime/externals/ext_pop.h"
#include "runtime/externals/ext_push.h"

namespace {

class PushPopTest : public PrimitivesTest {
 protected:
  // The value popped from C data when no output value is given: a new value of its own.
  template <typename C>
  static ovRef popped(void (*pop)(ovC_object*, const C*, ovC_object**), const C& from) {
    ovC_object* out = nullptr;
    pop(gdDefaultNone, &from, &out);
    return ovRef::adopt(out);
  }
};

TEST_F(PushPopTest, ACStringIsCutToItsBufferWithATerminator) {
  char buffer[256];
  std::memset(buffer, 'x', sizeof buffer);
  ovArgWord slot = 0;
  UCExtPushVarCString(Text(std::string(300, 'q')).get(), buffer, &slot, sizeof buffer);
  EXPECT_EQ(slot, reinterpret_cast<ovArgWord>(buffer));
  EXPECT_EQ(std::string(buffer), std::string(255, 'q'));

  UCExtPushVarCString(nullptr, buffer, &slot, sizeof buffer);
  EXPECT_EQ(slot, 0u);
  ovRef p = ovRef::adopt(ovMakePtr(nullptr, buffer + 7));
  UCExtPushVarCString(p.get(), nullptr, &slot, 0);
  EXPECT_EQ(slot, reinterpret_cast<ovArgWord>(buffer + 7));
}

// Each push into a word filled with 0xAA bytes, and the word it leaves: numbers widen with their sign, addresses
// keep every bit, and NULL, a text where a number or address is wanted, and a text with no buffer to go into all
// push a zero word.
TEST_F(PushPopTest, NumbersAndAddressesFillTheWordAndWhatGivesNeitherPushesZero) {
  ovRef distant = ovRef::adopt(ovMakePtr(nullptr, reinterpret_cast<void*>(uintptr_t{0x7F0011223344})));
  void *held = nullptr, *temporary = nullptr;
  const struct {
    std::function<void(ovArgWord*)> push;
    ovArgWord word;
  } cases[] = {
      {[](ovArgWord* slot) { UCExtPushInt4(Int(-2).get(), slot); }, static_cast<ovArgWord>(-2)},
      {[](ovArgWord* slot) { UCExtPushInt4(gdDefaultTrue, slot); }, 1},
      {[](ovArgWord* slot) { UCExtPushInt4(Real(-2.7).get(), slot); }, static_cast<ovArgWord>(-2)},
      {[](ovArgWord* slot) { UCExtPushPointer(Real(4096.5).get(), slot); }, 4096},
      {[](ovArgWord* slot) { UCExtPushInt1(Int(0x1234).get(), slot); }, 0xAAAAAAAAAAAAAA34u},
      {[&](ovArgWord* slot) { UCExtPushPointer(distant.get(), slot); }, 0x7F0011223344u},
      {[&](ovArgWord* slot) { UCExtPushVarPointer(distant.get(), &held, slot); }, reinterpret_cast<ovArgWord>(&held)},
      {[&](ovArgWord* slot) { UCExtPushVarPointer(nullptr, &temporary, slot); }, 0},
      {[](ovArgWord* slot) { UCExtPushVarCString(Text("abc").get(), nullptr, slot, 0); }, 0},
      {[](ovArgWord* slot) { UCExtPushInt4(Text("7").get(), slot); }, 0},
      {[](ovArgWord* slot) { UCExtPushPointer(Text("7").get(), slot); }, 0},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    ovArgWord slot = 0xAAAAAAAAAAAAAAAAu;
    cases[i].push(&slot);
    EXPECT_EQ(slot, cases[i].word);
  }
  EXPECT_EQ(held, reinterpret_cast<void*>(uintptr_t{0x7F0011223344}));
}

TEST_F(PushPopTest, StructuresGoIntoTheirTemporaryZeroFilledBeyondTheValue) {
  RECT temporary{9, 9, 9, 9};
  ovArgWord slot = 0;
  UCExtPushVarRect(ovRef::adopt(ovMakeRectMac(1, 2, 3, 4)).get(), &temporary, &slot);
  EXPECT_EQ(slot, reinterpret_cast<ovArgWord>(&temporary));
  EXPECT_EQ(temporary.left, 2);
  EXPECT_EQ(temporary.top, 1);
  EXPECT_EQ(temporary.right, 4);
  EXPECT_EQ(temporary.bottom, 3);

  unsigned char area[8];
  std::memset(area, 0xEE, sizeof area);
  UCExtPushVarStruct(Block("abc").get(), area, &slot, sizeof area);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(area), 8), std::string("abc\0\0\0\0\0", 8));

  POINT byValue{};
  UCExtPushPoint(ovRef::adopt(ovMakePointWin(5, 6)).get(), &byValue);
  EXPECT_EQ(byValue.x, 5);
  EXPECT_EQ(byValue.y, 6);
}

// A handle gives the address it holds; its low word is its number.
TEST_F(PushPopTest, AHandlePushesTheAddressItHoldsAndAPointerItsLowWordAsANumber) {
  char target[4];
  void* held = target;
  ovRef handle = ovRef::adopt(ovMakeHandle(nullptr, &held));
  ovArgWord slot = 0;
  UCExtPushPointer(handle.get(), &slot);
  EXPECT_EQ(slot, reinterpret_cast<ovArgWord>(target));
  UCExtPushInt4(handle.get(), &slot);
  EXPECT_EQ(static_cast<int32_t>(slot), static_cast<int32_t>(reinterpret_cast<uintptr_t>(&held)));

  POINT temporary{};
  UCExtPushVarPoint(ovRef::adopt(ovMakePointWin(7, 8)).get(), &temporary, &slot);
  EXPECT_EQ(slot, reinterpret_cast<ovArgWord>(&temporary));
  EXPECT_EQ(temporary.x, 7);
  EXPECT_EQ(temporary.y, 8);
}

TEST_F(PushPopTest, AZeroAddressPopsAsNullAndOthersAsPointersOfTheType) {
  ovC_object* out = gdDefaultNone;
  ovIncUse(out);
  void* address = nullptr;
  UCExtPopBinPointer(gdDefaultNone, &address, &out, 0);
  EXPECT_EQ(out, nullptr);

  address = &out;
  UCExtPopBinPointer(gdDefaultNone, &address, &out, 0);
  ovRef popped = ovRef::adopt(out);
  EXPECT_EQ(pointer(popped)->address, &out);
  EXPECT_EQ(pointer(popped)->pointeeType, RTHeader::GetExternalTable()->GetNthType(0));
}

TEST_F(PushPopTest, APlainPointerSpecIsTheOutputElseANewValueIsMade) {
  int32_t written = 42;
  ovRef spec = ovRef::adopt(ovMakePtr(nullptr, &written));
  ovC_object* out = nullptr;
  UCExtPopBinInt4(spec.get(), &written, &out);
  EXPECT_EQ(out, spec.get());
  ovDecUse(out);

  EXPECT_EQ(printed(popped(UCExtPopBinInt4, written)), "42");
  EXPECT_EQ(printed(popped(UCExtPopBinInt2, int16_t{-3})), "-3");
  RECT r{1, 2, 3, 4};
  EXPECT_EQ(printed(popped(UCExtPopBinRect, r)), "{ 2 1 4 3 }");

  out = nullptr;
  UCExtPopBinStruct(gdDefaultNone, &r, &out, sizeof r, 1);
  ovRef block = ovRef::adopt(out);
  EXPECT_EQ(bytesOf(block), std::string(reinterpret_cast<char*>(&r), sizeof r));
  EXPECT_EQ(block.as<ovC_external>()->externalType, RTHeader::GetExternalTable()->GetNthType(1));
}

}  // namespace
