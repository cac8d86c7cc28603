#include <gtest/gtest.h>

#include <cstring>

#include "runtime/archive/record_reader.h"
#include "runtime/archive/to_bytes.h"
#include "runtime/values/read.h"
#include "tests/archive/archive_fixture.h"
#include "tools/archive/archive_text.h"

namespace {

class TextFormTest : public ArchiveTest {
 protected:
  static Bytes Build(const std::string& text) {
    Bytes block;
    std::string error;
    EXPECT_TRUE(ovBuildArchive(text, &block, &error)) << error;
    return block;
  }

  static std::string BuildError(const std::string& text) {
    Bytes block;
    std::string error;
    EXPECT_FALSE(ovBuildArchive(text, &block, &error)) << text;
    return error;
  }

  static std::string Dump(const Bytes& block) {
    std::string text, error;
    EXPECT_TRUE(ovDumpArchive(block.data(), block.size(), &text, &error)) << error;
    return text;
  }

  // Dumping gives a text that builds the same bytes, and dumps the same.
  static void ExpectRoundTrip(const Bytes& block) {
    std::string text = Dump(block);
    Bytes rebuilt = Build(text);
    ASSERT_EQ(rebuilt, block) << text;
    EXPECT_EQ(Dump(rebuilt), text);
  }

  static uint32_t ItemCount(const Bytes& block) { return DBRecordReader(block.data(), block.size()).ItemCount(); }
};

TEST_F(TextFormTest, BuildsPlainValuesAsTheValueTextFormReadsThem) {
  ovC_object* root = Decode(Build(
      "( 42 -7 16#1F 'AB' 2.5 \"say \"\"hi\"\"\" { 20 10 } { 1 2 3 } { 1 2 3 4 } TRUE FALSE NONE UNDEFINED NULL )"));
  EXPECT_EQ(Printed(root),
            "( 42 -7 31 16706 2.5 \"say \"\"hi\"\"\" { 20 10 } { 1 2 3 } { 1 2 3 4 } TRUE FALSE NONE UNDEFINED NULL )");
}

TEST_F(TextFormTest, InstancesBySlotNameOrByPosition) {
  ovC_object* root =
      Decode(Build("# a comment\n"
                   "( <<Labelled Pair>> [ \"Label?\": TRUE \"Left\": 1 ]   # named slots in any order\n"
                   "  <<Pair>> slots ( 5 )\n"
                   "  <<Five Slots>> )"));
  ovC_object* labelled = Nth(root, 0);
  ASSERT_TRUE(ovIsKind(labelled, ovKindInstance));
  EXPECT_EQ(ovGetInteger(Nth(labelled, 0)), 1);
  EXPECT_EQ(Nth(labelled, 1), nullptr);
  EXPECT_EQ(Nth(labelled, 2), gdDefaultTrue);
  EXPECT_EQ(ovGetInteger(Nth(Nth(root, 1), 0)), 5);
  EXPECT_EQ(Nth(Nth(root, 1), 1), nullptr) << "a short positional instance";
  EXPECT_EQ(graph::slotCount(Nth(root, 2)), 5u);
}

TEST_F(TextFormTest, LabelsShareItemsAndCloseCyclesEitherWay) {
  ovC_object* root =
      Decode(Build("@top: ( @later @shared: \"s\" @shared <<Pair>> [ \"Left\": @top \"Right\": @later ] )\n"
                   "@later: ( @later )"));
  EXPECT_EQ(Nth(root, 1), Nth(root, 2));
  EXPECT_EQ(Nth(Nth(root, 3), 0), root);
  ovC_object* later = Nth(root, 0);
  EXPECT_EQ(Nth(later, 0), later);
  EXPECT_EQ(Nth(Nth(root, 3), 1), later);
  EXPECT_TRUE(graph::miscounted(root).empty());
}

TEST_F(TextFormTest, BareConstantWordsAreOneItemEachAndLabelledOnesTheirOwn) {
  Bytes block = Build("( TRUE TRUE @t: TRUE FALSE NONE NONE )");
  EXPECT_EQ(ItemCount(block), 5u) << "the list, TRUE, the labelled TRUE, FALSE, NONE";
}

TEST_F(TextFormTest, ExternalsHandlesRawItemsAndTheStamp) {
  Bytes block =
      Build("stamp 16#0116EDA4\n( external \"Boolean\" \"01000000\" handle \"ABlock\" \"\" raw 16#0000001F \"00FF\" )");
  DBRecordReader reader(block.data(), block.size());
  EXPECT_EQ(reader.Stamp(), 0x0116EDA4u);
  ovC_object* root = Decode(block);
  EXPECT_EQ(ovAs<ovC_external>(Nth(root, 0))->Data()[0], 1);
  EXPECT_TRUE(ovIsKind(Nth(root, 1), ovKindPointer));
  EXPECT_EQ(Nth(root, 2), nullptr) << "code 31 is no kind";
}

TEST_F(TextFormTest, TextsWithControlCharactersAreWrittenByTheirCodes) {
  Bytes block = Build("( characters \"090D\" \"plain\" )");
  ovC_object* root = Decode(block);
  EXPECT_EQ(TextOf(Nth(root, 0)), "\t\r");
  EXPECT_NE(Dump(block).find("( characters \"090D\" \"plain\" )"), std::string::npos);
  ExpectRoundTrip(block);
}

TEST_F(TextFormTest, ErrorsSayWhereAndWhat) {
  const std::pair<const char*, const char*> cases[] = {
      {"( 1\n  <<Nobody>> )", "line 2, column 3: no class is named \"Nobody\""},
      {"<<Pair>> [ \"Middle\": 1 ]", "has no attribute \"Middle\""},
      {"<<Pair>> [ \"Left\": 1 \"Left\": 2 ]", "given twice"},
      {"<<Pair>> [ Left: 1 ]", "an attribute name in double quotes"},
      {"( @a: 1 @a: 2 )", "defined twice"},
      {"( @nowhere )", "no item is labelled @nowhere"},
      {"( 1 2", "line 1, column 1: this is not closed"},
      {"( 1 ] )", "a value was expected"},
      {"{ 1 40000 }", "coordinates run from -32768 to 32767"},
      {"{ 1 -1 0 }", "colour components run from 0 to 65535"},
      {"{ 1 2.5 }", "braces hold integers only"},
      {"{ 1 }", "braces hold 2 (point), 3 (colour) or 4 (rect)"},
      {"( word )", "texts are written in double quotes"},
      {"( @x: NULL )", "NULL is none"},
      {"external \"NoSuchType\" \"00\"", "an external type name"},
      {"raw 16#1F \"0\"", "hexadecimal digits"},
      {"\"unclosed", "closing quote"},
      {"( 12abc )", "not a value of the value text form"},
      {"stamp \"x\"", "stamp takes an integer"},
      {"( 1 ) @x", "only items stand at the top level"},
  };
  for (const auto& [text, expected] : cases)
    EXPECT_NE(BuildError(text).find(expected), std::string::npos) << text << " gave " << BuildError(text);
}

// Encoded, dumped, built again and decoded: the same shape, sharing and
// cycles, each object with one use per slot that holds it.
TEST_F(TextFormTest, GeneratedGraphsRoundTripThroughTheText) {
  std::mt19937 random(11);
  for (int round = 0; round < 150; ++round) {
    ovRef original = graph::randomGraph(random, 1 + round % 30);
    Bytes block;
    ASSERT_EQ(DBToBytes(original.get(), round, &block), DBEncoded);
    ExpectRoundTrip(block);
    ovC_object* copy = Decode(Build(Dump(block)));
    ASSERT_TRUE(graph::sameShape(original.get(), copy)) << "round " << round;
    ASSERT_TRUE(graph::miscounted(copy).empty()) << "round " << round;
    graph::release(original.release());
  }
}

TEST_F(TextFormTest, RealsKeepEveryBit) {
  std::mt19937_64 random(3);
  ovRef list = List();
  for (double d : {0.1, -0.0, 1e20, 3.0, 5e-324, 1.7976931348623157e308, 0.6180499})
    ovListAppend(list.get(), Real(d).get(), 1);
  for (int i = 0; i < 300; ++i) {
    double d = std::bit_cast<double>(random());
    if (std::isfinite(d)) ovListAppend(list.get(), Real(d).get(), 1);
  }
  Bytes block;
  ASSERT_EQ(DBToBytes(list.get(), 0, &block), DBEncoded);
  ExpectRoundTrip(block);
  EXPECT_NE(Dump(block).find("\n  3.0\n"), std::string::npos) << "an integral real keeps its point";
}

// Items that no plainer form reproduces exactly are dumped as raw bytes.
TEST_F(TextFormTest, UnusualItemsAndOrdersDumpRawAndRebuildExactly) {
  Bytes nan;
  DBPutReal(nan, std::nan(""));
  ExpectRoundTrip(Archive()
                      .Add(DBCodeList, References({2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}))
                      .Add(DBCodeIntegerAlternate, Word(4))
                      .Add(DBCodeBoolean, Halves({2}))
                      .Add(DBCodeText, Bytes{'a', 0, 'b'})
                      .Add(DBCodeText, Bytes{0xFF})
                      .Add(DBCodeReal, nan)
                      .Add(DBCodeExtendedReal, Bytes{0x3F, 0xFF, 0x80, 0, 0, 0, 0, 0, 0, 0})
                      .Add(DBCodeList, References({99}))
                      .Add(ClassTag("Pair"), References({2, 3, 4}))
                      .Add(DBMakeTag(5, ClassTag("Pair") & kDBTagCodeMask), References({2, 3}))
                      .Add(DBCodeNone, Bytes{1})
                      .Add(DBCodePoint, Halves({1, 2, 3}))
                      .Block(7));
  // Nor does the order of items that are not in item order.
  ExpectRoundTrip(Archive()
                      .Add(DBCodeList, References({3, 2, 5, 1}))
                      .Add(DBCodeText, Chars("second"))
                      .Add(DBCodeList, References({4, 4}))
                      .Add(DBCodeBoolean, Halves({1}))
                      .Add(DBCodeBoolean, Halves({1}))
                      .Add(DBCodeInteger, Word(6))
                      .Block());
}

TEST_F(TextFormTest, DamagedBlocksDumpWhatIsValidAndSaySo) {
  Bytes block =
      Archive().Add(DBCodeList, References({2, 3})).Add(DBCodeText, Chars("kept")).Add(DBCodeInteger, Word(5)).Block();
  block.resize(block.size() - 3);
  std::string text, error;
  EXPECT_FALSE(ovDumpArchive(block.data(), block.size(), &text, &error));
  EXPECT_NE(text.find("\"kept\""), std::string::npos) << text;
  EXPECT_NE(error.find("the block's size word disagrees with its bytes"), std::string::npos) << error;

  Bytes unknown = Archive().Add(DBMakeTag(DBCategoryInstance, 4000), References({})).Block();
  EXPECT_FALSE(ovDumpArchive(unknown.data(), unknown.size(), &text, &error));
  EXPECT_NE(text.find("raw 16#40000FA0"), std::string::npos) << text;
  EXPECT_NE(error.find("item 1: names class number 4000"), std::string::npos) << error;

  EXPECT_FALSE(ovDumpArchive(block.data(), 5, &text, &error));
  EXPECT_NE(error.find("shorter than its 12-byte header"), std::string::npos) << error;
}

}  // namespace
