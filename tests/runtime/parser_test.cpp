#include <gtest/gtest.h>

#include <cmath>

#include "runtime/parser/char_class.h"
#include "runtime/parser/from_string.h"
#include "runtime/parser/token_table.h"
#include "runtime/parser/tokenizer.h"
#include "runtime/values/compare.h"
#include "runtime/values/read.h"
#include "runtime/values/text.h"
#include "runtime/values/unparse.h"
#include "tests/runtime/started_runtime.h"

namespace {

class ParserTest : public StartedRunTime {
 protected:
  // Parses source; expects success and returns the value.
  static ovRef Parsed(const std::string& source) {
    ovC_object* value = nullptr;
    uint32_t offset = 12345;
    int failed = ovFromString(Text(source).get(), &value, &offset);
    EXPECT_EQ(failed, 0) << source << " failed at " << offset;
    return ovRef::adopt(value);
  }

  // Parses source; expects failure and returns the error offset.
  static uint32_t ErrorOffset(const std::string& source) {
    ovC_object* value = gdDefaultNone;
    uint32_t offset = 12345;
    EXPECT_EQ(ovFromString(Text(source).get(), &value, &offset), 1) << source;
    EXPECT_EQ(value, nullptr);
    return offset;
  }

  static std::string Printed(const std::string& source) {
    ovRef v = Parsed(source);
    std::string out;
    ovUnparseAppend(v.get(), out);
    return out;
  }

  static void ExpectInteger(const std::string& source, int32_t n) {
    ovRef v = Parsed(source);
    ASSERT_TRUE(ovIsKind(v.get(), ovKindInteger)) << source;
    EXPECT_EQ(ovGetInteger(v.get()), n) << source;
  }

  static void ExpectReal(const std::string& source, double d) {
    ovRef v = Parsed(source);
    ASSERT_TRUE(ovIsKind(v.get(), ovKindReal)) << source;
    EXPECT_EQ(ovGetReal(v.get()), d) << source;
  }
};

TEST(CharacterClasses, TableFollowsTheTextForm) {
  EXPECT_EQ(ovCharClass(' '), ovAsciiSpace);
  EXPECT_EQ(ovCharClass('\0'), ovAsciiSpace);
  EXPECT_EQ(ovCharClass(0x7F), ovAsciiSpace);
  EXPECT_EQ(ovCharClass(0xD9), ovAsciiSpace);
  EXPECT_EQ(ovCharClass('7'), 0x0080);
  EXPECT_EQ(ovCharClass('q'), 0x0028);
  EXPECT_EQ(ovCharClass('Q'), 0x0048);
  EXPECT_EQ(ovCharClass(0x80), 0x0048) << "Mac Roman accented capital";
  EXPECT_EQ(ovCharClass(0x9F), 0x0028) << "Mac Roman accented small letter";
  EXPECT_EQ(ovCharClass(0xCE), 0x0048);
  EXPECT_EQ(ovCharClass(0xD8), 0x0028);
  EXPECT_EQ(ovCharClass('_'), 0x0008);
  EXPECT_EQ(ovCharClass('['), 0x0200);
  EXPECT_EQ(ovCharClass('-'), 0x0900);
  EXPECT_EQ(ovCharClass('"'), 0x1000);
  EXPECT_EQ(ovCharClass('\''), 0x2000);
  EXPECT_EQ(ovCharClass('~'), 0x0100);
  EXPECT_EQ(ovCharClass(0xC9), 0x0100);
  EXPECT_EQ(ovCharClass(0xFF), 0);
  int unclassified = 0;
  for (int c = 0; c < 256; ++c) unclassified += ovCharClass(static_cast<unsigned char>(c)) == 0;
  EXPECT_EQ(unclassified, 1);
}

TEST_F(ParserTest, Integers) {
  ExpectInteger("42", 42);
  ExpectInteger("-7", -7);
  ExpectInteger("+7", 7);
  ExpectInteger("16#1F", 31);
  ExpectInteger("16#ff", 255);
  ExpectInteger("-16#FF", -255);
  ExpectInteger("2#1010", 10);
  ExpectInteger("32#V", 31);
  ExpectInteger("1_000", 1000);
  ExpectInteger("16#F_F", 255);
  ExpectInteger("-2147483648", INT32_MIN);
  ExpectInteger("  9  ", 9);
}

TEST_F(ParserTest, RadixWithoutDigitsLeavesTheHashUnread) {
  EXPECT_EQ(ErrorOffset("16#"), 2u) << "16 and then the word #";
  EXPECT_EQ(ErrorOffset("8#9"), 1u);
  EXPECT_EQ(ErrorOffset("0#1"), 1u) << "base 0 has no digits";
  ExpectInteger("1#000", 0);
  EXPECT_EQ(ErrorOffset("36#Z"), 2u) << "36 is above the largest radix";
}

TEST_F(ParserTest, RadixLiteralsWrapAt32Bits) {
  ExpectInteger("16#FFFFFFFF", -1);
  ExpectInteger("16#100000001", 1);
  ExpectInteger("2#10000000000000000000000000000000", INT32_MIN);
}

TEST_F(ParserTest, DecimalLiteralsBeyond32BitsReadAsReals) {
  ExpectReal("3000000000", 3000000000.0);
  ExpectReal("2147483648", 2147483648.0);
  ExpectReal("-2147483649", -2147483649.0);
  ExpectReal("4294967296", 4294967296.0);  // would wrap to 0
  ExpectReal("12_345_678_901", 12345678901.0);
  ExpectReal("123456789012345678901234567890", 123456789012345678901234567890.0);
  EXPECT_EQ(ErrorOffset("{ 3000000000 0 }"), 0u) << "a real is no coordinate";
}

TEST_F(ParserTest, Reals) {
  ExpectReal("3.25", 3.25);
  ExpectReal("1e3", 1000.0);
  ExpectReal(".5", 0.5);
  ExpectReal("5.", 5.0);
  ExpectReal("-.5", -0.5);
  ExpectReal("+1.5E-2", 0.015);
  ExpectReal("5.e1", 50.0);
  ExpectReal("1e400", INFINITY);
  EXPECT_EQ(ErrorOffset("1e"), 1u) << "1 then the word e";
  EXPECT_EQ(ErrorOffset("1e+"), 1u);
  EXPECT_EQ(ErrorOffset("1.5.5"), 3u);
}

TEST_F(ParserTest, LongRealsAreCutAt255Characters) {
  std::string digits(300, '1');
  EXPECT_EQ(ErrorOffset("0." + digits), 255u);
}

TEST_F(ParserTest, CharacterConstants) {
  ExpectInteger("'TEXT'", 0x54455854);
  ExpectInteger("'A'", 65);
  ExpectInteger("''", 0);
  ExpectInteger("''''", '\'');
  ExpectInteger("'ABCDE'", 0x42434445);  // only the last four count
  ExpectInteger("'\xE9'", 0xE9);
  ExpectInteger("'\xFE\xFE\xFE\xFE'", static_cast<int32_t>(0xFEFEFEFE));
  EXPECT_EQ(ErrorOffset("'''"), 0u);
  EXPECT_EQ(ErrorOffset("  'ab"), 2u);
}

TEST_F(ParserTest, StringsUndoubleTheirQuotes) {
  ovRef v = Parsed("\"a\"\"b\"");
  ASSERT_TRUE(ovIsKind(v.get(), ovKindText));
  EXPECT_EQ(std::string(ovStringGetPtr(v.get()), ovStringGetLength(v.get())), "a\"b");
  EXPECT_EQ(ovStringGetLength(Parsed("\"\"").get()), 0u);
  ovRef withNul = Parsed(std::string("\"a\0b\"", 5));
  EXPECT_EQ(ovStringGetLength(withNul.get()), 3u);
  EXPECT_EQ(ErrorOffset("\"abc"), 0u);
  EXPECT_EQ(ErrorOffset("( \"a\xFF\" )"), 2u) << "0xFF ends a string without a match";
  EXPECT_EQ(ErrorOffset("\xFF"), 0u);
}

TEST_F(ParserTest, WordsAndOperatorRunsReadAsTexts) {
  EXPECT_EQ(Parsed("TRUE").get(), gdDefaultTrue);
  EXPECT_EQ(Parsed("FALSE").get(), gdDefaultFalse);
  EXPECT_EQ(Parsed("NONE").get(), gdDefaultNone);
  EXPECT_EQ(Parsed("UNDEFINED").get(), gdDefaultUndefined);
  EXPECT_EQ(Parsed("NULL").get(), nullptr);
  EXPECT_EQ(Printed("true"), "\"true\"");
  EXPECT_EQ(Printed("TRUEX"), "\"TRUEX\"");
  EXPECT_EQ(Printed("abc123"), "\"abc123\"");
  EXPECT_EQ(Printed("_x"), "\"_x\"");
  EXPECT_EQ(Printed("<="), "\"<=\"");
  EXPECT_EQ(Printed("-"), "\"-\"");
  EXPECT_EQ(Printed("+-"), "\"+-\"");
  EXPECT_EQ(Printed("..."), "\"...\"");
  EXPECT_EQ(Printed("#"), "\"#\"");
  EXPECT_EQ(Printed("\x80\x9F"), "\"\x80\x9F\"");
  EXPECT_EQ(ErrorOffset("12abc"), 2u);
}

TEST_F(ParserTest, ListsNest) {
  EXPECT_EQ(Printed("(1 (2 3) \"x\")"), "( 1 ( 2 3 ) \"x\" )");
  EXPECT_EQ(Printed("()"), "( )");
  EXPECT_EQ(Printed("(NULL TRUE)"), "( NULL TRUE )");
  EXPECT_EQ(Printed("(\")\")"), "( \")\" )") << "a quoted parenthesis is a text";
}

TEST_F(ParserTest, Braces) {
  ovRef point = Parsed("{ 10 20 }");
  ASSERT_TRUE(ovIsKind(point.get(), ovKindPoint));
  EXPECT_EQ(ovGetPointVertical(point.get()), 10);
  EXPECT_EQ(ovGetPointHorizontal(point.get()), 20);
  ovRef colour = Parsed("{1 2 3}");
  ASSERT_TRUE(ovIsKind(colour.get(), ovKindRGB));
  EXPECT_EQ(ovGetRGBBlue(colour.get()), 3);
  ovRef rect = Parsed("{ 1 2 3 4 }");
  ASSERT_TRUE(ovIsKind(rect.get(), ovKindRect));
  EXPECT_EQ(ovGetRectTop(rect.get()), 1);
  EXPECT_EQ(ovGetRectLeft(rect.get()), 2);
  EXPECT_EQ(ovGetRectBottom(rect.get()), 3);
  EXPECT_EQ(ovGetRectRight(rect.get()), 4);
  EXPECT_EQ(Printed("{ 'A' 16#10 }"), "{ 65 16 }");
  EXPECT_EQ(Printed("{ -1 70000 0 }"), "{ 65535 4464 0 }") << "colour components are 16-bit";
  EXPECT_EQ(Printed("( { 1 2 } 3 )"), "( { 1 2 } 3 )");
}

TEST_F(ParserTest, BadBracesFailAtTheBrace) {
  EXPECT_EQ(ErrorOffset("{ 1 2.5 }"), 0u);
  EXPECT_EQ(ErrorOffset("( 1 { 1 } )"), 4u);
  EXPECT_EQ(ErrorOffset("( 1 { 1 2 3 4 5 } )"), 4u);
  EXPECT_EQ(ErrorOffset("( 1 { 1 2 )"), 4u);
  EXPECT_EQ(ErrorOffset("  { 1 2"), 2u);
  EXPECT_EQ(ErrorOffset("{ }"), 0u);
}

TEST_F(ParserTest, ErrorOffsets) {
  EXPECT_EQ(ErrorOffset(""), 0u);
  EXPECT_EQ(ErrorOffset(" \t\n"), 0u);
  EXPECT_EQ(ErrorOffset("1 2"), 2u);
  EXPECT_EQ(ErrorOffset("(1 2) 3 4"), 1u) << "the second token of the text";
  EXPECT_EQ(ErrorOffset("   ("), 3u);
  EXPECT_EQ(ErrorOffset("( ("), 2u);
  EXPECT_EQ(ErrorOffset("( 1 2"), 0u);
  EXPECT_EQ(ErrorOffset("((1)"), 0u);
  EXPECT_EQ(ErrorOffset(")"), 0u);
  EXPECT_EQ(ErrorOffset("( 1 ] )"), 4u);
  EXPECT_EQ(ErrorOffset("( 1 } )"), 4u);
  EXPECT_EQ(ErrorOffset("( 1 \xFF 2 )"), 4u);
  EXPECT_EQ(ErrorOffset("1 \xFF"), 2u);
}

TEST_F(ParserTest, ParsingLeavesTheQuotesSettingAsItWas) {
  ovUseQuotes(0);
  Parsed("(\"a\")");
  EXPECT_EQ(gLocalThread->useQuotes, 0u);
  ErrorOffset("(");
  EXPECT_EQ(gLocalThread->useQuotes, 0u);
  ovUseQuotes(1);
}

TEST_F(ParserTest, NonTextsFailAtOffsetZero) {
  ovC_object* value = gdDefaultNone;
  uint32_t offset = 9;
  EXPECT_EQ(ovFromString(Int(5).get(), &value, &offset), 1);
  EXPECT_EQ(value, nullptr);
  EXPECT_EQ(offset, 0u);
  EXPECT_EQ(ovFromString(nullptr, &value, &offset), 1);
}

TEST_F(ParserTest, AMillionOpenParenthesesFailWithoutRecursion) {
  EXPECT_EQ(ErrorOffset(std::string(1000000, '(')), 999999u);
  std::string balanced = std::string(1000000, '(') + std::string(1000000, ')');
  ovRef v = Parsed(balanced);
  EXPECT_TRUE(ovIsKind(v.get(), ovKindList));
}

TEST_F(ParserTest, TokenTableIsEmptiedAfterEachParse) {
  Parsed("(1 2 3 \"x\" y)");
  EXPECT_EQ(ovInitParse()->Count(), 0u);
  ErrorOffset("(1 2 3");
  EXPECT_EQ(ovInitParse()->Count(), 0u);
}

TEST_F(ParserTest, TokenizerRecordsOffsetsTypesAndIndexes) {
  TokenTable table;
  std::string source = " ( 1 2.5 \"s\" w <= 'a' \xFF 9";
  ovParseAll(&table, reinterpret_cast<const unsigned char*>(source.data()), static_cast<uint32_t>(source.size()));
  const uint32_t types[] = {ovTokenReserved, ovTokenInteger, ovTokenReal, ovTokenString,
                            ovTokenWord,     ovTokenWord,    ovTokenInteger, ovTokenError};
  const uint32_t offsets[] = {1, 3, 5, 9, 13, 15, 18, 22};
  ASSERT_EQ(table.Count(), 8u) << "tokenizing stops at the error token";
  for (uint32_t i = 0; i < table.Count(); ++i) {
    EXPECT_EQ(table.Tokens()[i].type, types[i]) << i;
    EXPECT_EQ(table.Tokens()[i].offset, offsets[i]) << i;
    EXPECT_EQ(table.Tokens()[i].index, i);
  }
  table.Dispose();
}

}  // namespace
