#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/archive/named_resources.h"

namespace {

using Table = std::vector<unsigned char>;

void putWord(Table& table, uint32_t n) {
  for (int i = 0; i < 4; ++i) table.push_back(static_cast<unsigned char>(n >> (8 * i)));
}

// A record as the table stores it, with the length given or the right one.
void putRecord(Table& table, const std::string& name, uint32_t identifier, uint32_t type, uint32_t length = 0) {
  if (length == 0) length = ovNamedRecordLength(static_cast<uint32_t>(name.size()));
  putWord(table, length);
  putWord(table, identifier);
  putWord(table, type);
  table.insert(table.end(), name.begin(), name.end());
  table.resize(table.size() + length - 12 - name.size(), 0);
}

struct Found {
  uint32_t identifier = 99;
  uint32_t type = 99;
};

Found find(const Table& table, const char* name) {
  Found found;
  ovFindNamedResource(table.data(), table.size(), name, &found.identifier, &found.type);
  return found;
}

TEST(NamedResourceTable, RecordLengthsPadTheNameAndItsTerminatorToAWord) {
  EXPECT_EQ(ovNamedRecordLength(7), 24u) << "Checked: n = 8, pad 4";
  EXPECT_EQ(ovNamedRecordLength(2), 16u) << "OK: n = 3, pad 1";
  EXPECT_EQ(ovNamedRecordLength(0), 16u);
  EXPECT_EQ(ovNamedRecordLength(16), 32u) << "OVApplicationICO";
}

TEST(NamedResourceTable, FindsTheFirstRecordOfTheNameCaseSensitively) {
  Table table;
  putRecord(table, "OK", 1, kNamedResourceString, 20);  // a record of another length does not match
  putRecord(table, "OK", 23055, kNamedResourceString);
  putRecord(table, "Checked", 23007, kNamedResourceString);
  putRecord(table, "Checked", 1, kNamedResourceIcon);
  putRecord(table, "OVApplicationICO", 20000, kNamedResourceIcon);
  putWord(table, 0);
  EXPECT_EQ(find(table, "Checked").identifier, 23007u);
  EXPECT_EQ(find(table, "OK").identifier, 23055u);
  EXPECT_EQ(find(table, "OVApplicationICO").type, kNamedResourceIcon);
  EXPECT_EQ(find(table, "checked").identifier, 0u);
  EXPECT_EQ(find(table, "Check").identifier, 0u) << "a prefix is not the name";
  EXPECT_EQ(find(table, "").type, 0u);
}

// A damaged table ends the walk; nothing is read outside it.
TEST(NamedResourceTable, ADamagedTableEndsTheWalk) {
  Table table;
  putRecord(table, "First", 1, kNamedResourceString);
  Table unterminated = table;
  EXPECT_EQ(find(unterminated, "Missing").identifier, 0u);
  Table tooLong = table;
  putRecord(tooLong, "Late", 2, kNamedResourceString, 4096);
  tooLong.resize(tooLong.size() - 4000);
  EXPECT_EQ(find(tooLong, "Late").identifier, 0u);
  Table tooShort = table;
  putWord(tooShort, 8);
  putWord(tooShort, 3);
  EXPECT_EQ(find(tooShort, "Missing").identifier, 0u);
  Table cut = table;
  cut.push_back(0);
  EXPECT_EQ(find(cut, "First").identifier, 1u) << "a stray byte after the records";
}

}  // namespace
