// The memory and pointer primitives: bytes of external blocks, handles and
// pointers, and never an address the run-time cannot vouch for.
#include <cstring>

#include "primitives_fixture.h"
#include "runtime/memory/low_memory.h"
#include "runtime/values/text.h"

namespace {

class MemoryPrimitivesTest : public PrimitivesTest {
 protected:
  // get-text: the text read and next, as printed.
  static std::string getText(const ovRef& target, int32_t offset, int32_t length) {
    auto r = call<3>("get-text", {target, Int(offset), Int(length)});
    EXPECT_EQ(r.get(0), target.get());
    return printed(r.get(2)) + " next " + printed(r.get(1));
  }
  // get-text: every byte of the text read.
  static std::string rawText(const ovRef& target, int32_t offset, int32_t length) {
    auto r = call<3>("get-text", {target, Int(offset), Int(length)});
    return std::string(ovStringGetPtr(r.get(2)), ovStringGetLength(r.get(2)));
  }
  static std::string putInteger(const ovRef& target, int32_t offset, int32_t length, int32_t n) {
    auto r = call<2>("put-integer", {target, Int(offset), Int(length), Int(n)});
    EXPECT_EQ(r.get(0), target.get());
    return printed(r.get(1));
  }
  static ovRef makePointer(int32_t size) { return call("make-pointer", {nullptr, Int(size)}).take(); }
};

TEST_F(MemoryPrimitivesTest, BytesOfAnExternalBlockAreReadWithinItsData) {
  ovRef block = Block("abcdef");
  EXPECT_EQ(getText(block, 2, 3), "\"cde\" next 5");
  EXPECT_EQ(getText(block, 4, 5), std::string("\"ef\" next 9"));  // the missing bytes read as NUL
  EXPECT_EQ(rawText(block, 4, 5), std::string("ef\0\0\0", 5));
  EXPECT_EQ(getText(block, 9, 2), "\"\" next 11");
  EXPECT_EQ(getText(block, -1, 2), "\"\" next 1");
}

TEST_F(MemoryPrimitivesTest, WritingGrowsAnExternalBlockAndStoresLowBytesFirst) {
  ovRef block = Block("xy");
  EXPECT_EQ(putInteger(block, 0, 4, 0x01020304), "4");
  EXPECT_EQ(bytesOf(block), std::string("\x04\x03\x02\x01", 4));
  EXPECT_EQ(putInteger(block, 5, 2, 0x12345678), "7");
  EXPECT_EQ(bytesOf(block), std::string("\x04\x03\x02\x01\0\x78\x56", 7));
  EXPECT_EQ(putInteger(block, 0, 9, -1), "9");  // at most the integer's own 4 bytes
  EXPECT_EQ(bytesOf(block), std::string("\xFF\xFF\xFF\xFF\0\x78\x56", 7));

  auto r = call<2>("put-text", {block, Int(6), Int(4), Text("hi")});
  EXPECT_EQ(printed(r.get(1)), "10");
  EXPECT_EQ(bytesOf(block), std::string("\xFF\xFF\xFF\xFF\0\x78hi\0\0", 10));
}

TEST_F(MemoryPrimitivesTest, AnIntegerIsNeitherReadNorWritten) {
  ovRef address = call("to-pointer", {Int(4096)}).take();
  EXPECT_EQ(printed(call("from-pointer", {address}).get()), "4096");
  for (const ovRef& target : {Int(4096), address}) {
    EXPECT_EQ(getText(target, 0, 3), std::string("\"\" next 3"));
    EXPECT_EQ(putInteger(target, 0, 4, 7), "4");
    auto r = call<2>("put-text", {target, Int(0), Int(2), Text("no")});
    EXPECT_EQ(printed(r.get(1)), "2");
  }
}

TEST_F(MemoryPrimitivesTest, OwnedMemoryIsBoundedAndADisposedPointerIsLeftAlone) {
  ovRef p = makePointer(4);
  ASSERT_TRUE(p);
  EXPECT_EQ(putInteger(p, 0, 4, 0x64636261), "4");
  EXPECT_EQ(getText(p, 0, 6), "\"abcd\" next 6");
  EXPECT_EQ(putInteger(p, 2, 4, -1), "6");  // only the two bytes inside are written
  EXPECT_EQ(getText(p, 0, 4), std::string("\"ab\xFF\xFF\" next 4"));

  EXPECT_EQ(call<0>("dispose-pointer", {p}).status, ovSuccess);
  EXPECT_TRUE(pointer(p)->flags & ovPointerDisposed);
  EXPECT_EQ(pointer(p)->DisposeContent(), 0);  // once only
  EXPECT_EQ(getText(p, 0, 2), "\"\" next 2");  // the sanitizer build reports any read of the freed block
  EXPECT_EQ(putInteger(p, 0, 2, 1), "2");
  EXPECT_EQ(call<0>("dispose-pointer", {Int(3)}).status, ovSuccess);
}

TEST_F(MemoryPrimitivesTest, AHandlesBlockGrowsForAWrite) {
  ovRef handle = ovRef::adopt(ovMakePtrFromSize(nullptr, 2, 2));
  ASSERT_TRUE(handle);
  EXPECT_EQ(putInteger(handle, 4, 4, 0x04030201), "8");
  EXPECT_EQ(ovHandle_GetSize(static_cast<ovHandle>(pointer(handle)->address)), 8u);
  EXPECT_EQ(rawText(handle, 3, 3), std::string("\0\x01\x02", 3));
  ovDisposePointer(handle.get());
}

TEST_F(MemoryPrimitivesTest, PointersToTypesTextsAndResourceNumbers) {
  ovRef rect = call("make-pointer", {Text("RECT")}).take();
  ASSERT_TRUE(rect);
  EXPECT_EQ(pointer(rect)->pointeeType, ovGetExternalTypeFromName(Text("RECT").get()));
  EXPECT_EQ(printed(call("get-external-size", {rect}).get()), std::to_string(sizeof(RECT)));
  EXPECT_EQ(printed(call("get-external-size", {Text("MSG")}).get()), std::to_string(sizeof(MSG)));
  EXPECT_EQ(call("get-external-size", {Text("No Such Type")}).get(), nullptr);
  EXPECT_EQ(call("make-pointer", {Text("No Such Type")}).get(), nullptr);
  EXPECT_EQ(call("make-pointer", {Int(5)}).get(), nullptr) << "a type named by no text";
  EXPECT_EQ(call("make-pointer", {Int(0), Int(-1)}).get(), nullptr) << "a size below 0";
  EXPECT_EQ(call<0>("make-pointer", {Int(0), Int(4)}).status, ovSuccess) << "no output: nothing to free it";
  EXPECT_EQ(call("string-address", {Int(5)}).get(), nullptr);
  EXPECT_EQ(printed(call("get-external-size", {Int(5)}).get()), "0") << "a value of no external type";
  ovDisposePointer(rect.get());

  ovRef word = Text("word");
  ovRef address = call("string-address", {word}).take();
  EXPECT_EQ(getText(address, 1, 3), "\"ord\" next 4");
  EXPECT_EQ(getText(address, 3, 4), std::string("\"d\" next 7"));

  EXPECT_EQ(pointer(address)->DisposeContent(), 0);  // the text's characters are not the pointer's
  EXPECT_EQ(getText(address, 0, 4), "\"word\" next 4");

  ovRef resource = call("MakeIntResource", {Int(0x10064)}).take();
  EXPECT_EQ(pointer(resource)->address, reinterpret_cast<void*>(uintptr_t{0x64}));
  EXPECT_EQ(getText(resource, 0, 1), "\"\" next 1");
  EXPECT_EQ(call<0>("lock-string", {word}).status, ovSuccess);
}

}  // namespace
