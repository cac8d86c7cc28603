#include <gtest/gtest.h>

#include <sstream>

#include "platform/resources/compiler/manifest.h"
#include "platform/resources/compiler/string_table.h"

using namespace platform::resources::compiler;

namespace {

std::vector<ManifestEntry> manifest(const std::string& text, std::string& error) {
  std::istringstream in(text);
  std::vector<ManifestEntry> entries;
  error.clear();
  if (!parseManifest(in, entries, error)) entries.clear();
  return entries;
}

StringTable strings(const std::string& text, std::string& error) {
  std::istringstream in(text);
  StringTable table;
  error.clear();
  if (!parseStringTable(in, table, error)) table.clear();
  return table;
}

}  // namespace

TEST(ResourceManifest, ReadsTypesNamesAndPaths) {
  std::string error;
  auto entries = manifest(
      "# comment\n\n"
      "RCDATA 29999 named table.bin\n"
      "RT_ICON OVApplicationICO  ../velmaro.ico  \n"
      "136 136 /abs/archive.bin\n"
      "Blob name_2 x\n"
      "STRING strings.txt\n",
      error);
  ASSERT_EQ(entries.size(), 5u) << error;
  EXPECT_EQ(entries[0].type.number, kTypeRcdata);
  EXPECT_EQ(entries[0].name.number, 29999);
  EXPECT_EQ(entries[0].path, "named table.bin");
  EXPECT_EQ(entries[0].line, 3);
  EXPECT_EQ(entries[1].type.number, kTypeGroupIcon);
  EXPECT_EQ(entries[1].name.text, "OVApplicationICO");
  EXPECT_EQ(entries[1].path, "../velmaro.ico");
  EXPECT_EQ(entries[2].type.number, 136);
  EXPECT_EQ(entries[3].type.text, "Blob");
  EXPECT_TRUE(entries[4].stringTable);
  EXPECT_EQ(entries[4].path, "strings.txt");
}

TEST(ResourceManifest, FaultsNameTheirLine) {
  std::string error;
  for (const char* bad : {"RCDATA 1\n", "RCDATA 0 x\n", "RCDATA 65536 x\n", "RCDATA 12ab x\n", "RCDATA a-b x\n",
                          "9x 1 x\n", "STRING\n"}) {
    EXPECT_TRUE(manifest(std::string("# first\n") + bad, error).empty()) << bad;
    EXPECT_EQ(error.rfind("line 2:", 0), 0u) << error;
  }
  EXPECT_TRUE(manifest("ICON Name a.ico\nICON NAME b.ico\n", error).empty());
  EXPECT_NE(error.find("already given on line 1"), std::string::npos) << error;
  EXPECT_EQ(manifest("ICON Name a.ico\nRCDATA NAME b.ico\n", error).size(), 2u);  // other type, other resource
}

TEST(StringTableSource, DecodesQuotesEscapesAndUtf8) {
  std::string error;
  auto table = strings(
      "# comment\n"
      "1\tplain text  \r\n"
      "2   \"  kept  \"\n"
      "3\t\\t\\n\\r\\\\\\\"\n"
      "4\t\\x80\\x41\\u00E9\\u20ac\n"
      "5\t\xC3\xA9\xE2\x82\xAC\xF0\x9D\x84\x9E\n",
      error);
  ASSERT_EQ(table.size(), 5u) << error;
  EXPECT_EQ(table[1], u"plain text");
  EXPECT_EQ(table[2], u"  kept  ");
  EXPECT_EQ(table[3], u"\t\n\r\\\"");
  EXPECT_EQ(table[4], u"\u20ACA\u00E9\u20AC");
  EXPECT_EQ(table[5], u"\u00E9\u20AC\U0001D11E");
}

TEST(StringTableSource, FaultsNameTheirLine) {
  std::string error;
  for (const char* bad : {"x\ttext\n", "12\n", "12text\n", "70000\ttext\n", "1\t\\q\n", "1\t\\x4\n", "1\t\\uD800\n",
                          "1\t\xC3\n", "1\t\xC0\x80\n", "1\t\xED\xA0\x80\n", "1\t\"\"\n", "1\ta\n1\tb\n"}) {
    EXPECT_TRUE(strings(std::string("0\tfirst\n") + bad, error).empty()) << bad;
    EXPECT_NE(error.find("line "), std::string::npos) << bad;
  }
}

TEST(StringTableSource, BlocksHoldSixteenCountedStrings) {
  StringTable table{{1, u"ab"}, {17, u"c"}, {65535, u"z"}};
  auto blocks = stringBlocks(table);
  ASSERT_EQ(blocks.size(), 3u);
  std::vector<uint8_t> first = {0, 0, 2, 0, 'a', 0, 'b', 0};
  first.resize(8 + 14 * 2, 0);
  EXPECT_EQ(blocks[1], first);
  EXPECT_EQ(blocks[2].size(), 16u * 2 + 2);
  EXPECT_EQ(blocks[4096].size(), 16u * 2 + 2);
  EXPECT_EQ(blocks[4096][30], 1);  // slot 15: string 65535
}
