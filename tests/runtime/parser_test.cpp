#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/parser/from_string.h"
#include "runtime/parser/token_table.h"
#include "runtime/parser/tokenizer.h"
#include "runtime/values/read.h"
#include "runtime/values/text.h"
#include "runtime/values/unparse.h"
#include "tests/runtime/runtime_fixture.h"

namespace {

class ParserTest : public RuntimeTest {
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
  static uint32_t ErrorOffset(const std::string& source) { return ErrorOffset(Text(source).get()); }
  static uint32_t ErrorOffset(ovC_object* source) {
    ovC_object* value = gdDefaultNone;
    uint32_t offset = 12345;
    EXPECT_EQ(ovFromString(source, &value, &offset), 1) << Printed(source);
    EXPECT_EQ(value, nullptr);
    return offset;
  }
};

// Each input and what it reads as, printed, or where reading fails.
struct Case {
  std::string input;
  std::string result;
};

void expectCases(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    ovRef text = ovRef::adopt(ovMakeTextFromString(c.input.data(), static_cast<uint32_t>(c.input.size())));
    ovC_object* value = nullptr;
    uint32_t offset = 0;
    std::string result;
    if (ovFromString(text.get(), &value, &offset)) result = "error at " + std::to_string(offset);
    else ovUnparseAppend(value, result);
    ovDecUse(value);
    EXPECT_EQ(result, c.result) << "input: " << c.input;
  }
}

TEST_F(ParserTest, Numbers) {
  expectCases({
      {"42", "42"}, {"-7", "-7"}, {"+7", "7"}, {"16#1F", "31"}, {"-16#ff", "-255"}, {"1_000", "1000"},
      {"16#F_F", "255"}, {"-2147483648", "-2147483648"}, {"3.25", "3.25"}, {"1e3", "1000.0"}, {".5", "0.5"},
      {"5.", "5.0"}, {"-.5", "-0.5"}, {"+1.5E-2", "0.015"}, {"1e400", "inf.0"},
      {"16#", "error at 2"}, {"8#9", "error at 1"}, {"0#1", "error at 1"}, {"1#000", "0"},
      {"36#Z", "error at 2"}, {"1e", "error at 1"}, {"1.5.5", "error at 3"}, {"12abc", "error at 2"},
      {"0." + std::string(300, '1'), "error at 255"},
      // Radix literals wrap at 32 bits; decimal ones beyond 32 bits read as reals.
      {"16#FFFFFFFF", "-1"}, {"16#100000001", "1"}, {"2#10000000000000000000000000000000", "-2147483648"},
      {"3000000000", "3000000000.0"}, {"2147483648", "2147483648.0"}, {"-2147483649", "-2147483649.0"},
      {"4294967296", "4294967296.0"}, {"12_345_678_901", "12345678901.0"},
      {"123456789012345678901234567890", "1.23456789012e+29.0"}, {"{ 3000000000 0 }", "error at 0"},
  });
}

TEST_F(ParserTest, QuotedTextsAndCharacterConstants) {
  expectCases({
      {"\"a\"\"b\"", "\"a\"\"b\""}, {"\"\"", "\"\""}, {"\"abc", "error at 0"}, {"( \"a\xFF\" )", "error at 2"},
      {"'TEXT'", "1413830740"}, {"''", "0"}, {"''''", "39"}, {"'ABCDE'", "1111704645"},
      {"'\xFE\xFE\xFE\xFE'", "-16843010"}, {"'''", "error at 0"}, {"  'ab", "error at 2"},
  });
  ovRef withNul = Parsed(std::string("\"a\0b\"", 5));
  EXPECT_EQ(ovStringGetLength(withNul.get()), 3u);
}

TEST_F(ParserTest, WordsAndOperatorRunsReadAsTexts) {
  EXPECT_EQ(Parsed("TRUE").get(), gdDefaultTrue);
  EXPECT_EQ(Parsed("FALSE").get(), gdDefaultFalse);
  EXPECT_EQ(Parsed("NONE").get(), gdDefaultNone);
  EXPECT_EQ(Parsed("UNDEFINED").get(), gdDefaultUndefined);
  EXPECT_EQ(Parsed("NULL").get(), nullptr);
  expectCases({
      {"true", "\"true\""}, {"TRUEX", "\"TRUEX\""}, {"abc123", "\"abc123\""}, {"_x", "\"_x\""},
      {"<=", "\"<=\""}, {"-", "\"-\""}, {"+-", "\"+-\""}, {"...", "\"...\""}, {"\x80\x9F", "\"\x80\x9F\""},
  });
}

TEST_F(ParserTest, ListsAndBraces) {
  expectCases({
      {"(1 (2 3) \"x\")", "( 1 ( 2 3 ) \"x\" )"}, {"()", "( )"}, {"(NULL TRUE)", "( NULL TRUE )"},
      {"(\")\")", "( \")\" )"}, {"{ 10 20 }", "{ 10 20 }"}, {"{1 2 3}", "{ 1 2 3 }"},
      {"{ 1 2 3 4 }", "{ 1 2 3 4 }"}, {"{ 'A' 16#10 }", "{ 65 16 }"}, {"{ -1 70000 0 }", "{ 65535 4464 0 }"},
      {"{ 1 2.5 }", "error at 0"}, {"( 1 { 1 } )", "error at 4"}, {"( 1 { 1 2 3 4 5 } )", "error at 4"},
      {"( 1 { 1 2 )", "error at 4"}, {"  { 1 2", "error at 2"}, {"{ }", "error at 0"},
  });
  ovRef point = Parsed("{ 10 20 }");
  EXPECT_EQ(ovGetPointVertical(point.get()), 10);
  EXPECT_EQ(ovGetPointHorizontal(point.get()), 20);
  ovRef rect = Parsed("{ 1 2 3 4 }");
  EXPECT_EQ(ovGetRectTop(rect.get()), 1);
  EXPECT_EQ(ovGetRectLeft(rect.get()), 2);
  EXPECT_EQ(ovGetRectBottom(rect.get()), 3);
  EXPECT_EQ(ovGetRectRight(rect.get()), 4);
}

TEST_F(ParserTest, ErrorOffsets) {
  expectCases({
      {"", "error at 0"}, {" \t\n", "error at 0"}, {"1 2", "error at 2"}, {"(1 2) 3 4", "error at 1"},
      {"   (", "error at 3"}, {"( (", "error at 2"}, {"( 1 2", "error at 0"}, {"((1)", "error at 0"},
      {")", "error at 0"}, {"( 1 ] )", "error at 4"}, {"( 1 } )", "error at 4"}, {"( 1 \xFF 2 )", "error at 4"},
      {"1 \xFF", "error at 2"}, {"\xFF", "error at 0"},
  });
}

// A parse, whether it reads a value or fails, leaves the quotes setting as it
// was and the token table empty.
TEST_F(ParserTest, ParsingLeavesTheQuotesSettingAsItWasAndTheTokenTableEmpty) {
  ovUseQuotes(0);
  Parsed("(1 2 3 \"x\" y)");
  EXPECT_EQ(gLocalThread->useQuotes, 0u);
  EXPECT_EQ(ovInitParse()->Count(), 0u);
  ErrorOffset("(1 2 3");
  EXPECT_EQ(gLocalThread->useQuotes, 0u);
  EXPECT_EQ(ovInitParse()->Count(), 0u);
  ovUseQuotes(1);
}

TEST_F(ParserTest, NonTextsFailAtOffsetZero) {
  EXPECT_EQ(ErrorOffset(Int(5).get()), 0u);
  EXPECT_EQ(ErrorOffset(nullptr), 0u);
}

TEST_F(ParserTest, AMillionOpenParenthesesFailWithoutRecursion) {
  EXPECT_EQ(ErrorOffset(std::string(1000000, '(')), 999999u);
  std::string balanced = std::string(1000000, '(') + std::string(1000000, ')');
  ovRef v = Parsed(balanced);
  EXPECT_TRUE(ovIsKind(v.get(), ovKindList));
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
