#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/win32.h"

namespace {

// Loads into a buffer of size bytes followed by guard bytes that must stay.
struct Loaded {
  int result;
  std::string text;
  DWORD error;
  bool guardIntact;
};

Loaded load(UINT id, int size) {
  char buffer[64 + 8];
  std::memset(buffer, '#', sizeof buffer);
  SetLastError(ERROR_SUCCESS);
  int result = LoadStringA(GetModuleHandleA(nullptr), id, buffer, size);
  DWORD error = GetLastError();
  bool guard = true;
  for (size_t i = static_cast<size_t>(size); i < sizeof buffer; ++i) guard = guard && buffer[i] == '#';
  return {result, std::string(buffer, strnlen(buffer, static_cast<size_t>(size))), error, guard};
}

}  // namespace

// A short buffer takes what fits and stays terminated.
TEST(LoadString, LoadsTheTextsOfTheTableIntoTheRoomGiven) {
  struct Case {
    UINT id;
    int size;
    const char* text;
  } cases[] = {
      {23135, 64, "Untitled"},  {23134, 64, "- untitled -"}, {23027, 64, "^0 of '^1'"}, {23042, 64, "^0 ^1 to ^2"},
      {100, 64, "  padded  "},
      {101, 64, "Tab\there\nline two \"quoted\" back\\slash"},
      {102, 64, "Euro \x80 and \xE9 and \xE9"},
      {103, 64, "Snowman ? and clef ?"},  // no Windows-1252 form: one '?' per character
      {15, 64, "last of the first block"},
      {16, 64, "first of the second block"},
      {23135, 9, "Untitled"}, {23135, 8, "Untitle"}, {23135, 5, "Unti"}, {23135, 2, "U"}, {23135, 1, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.id << " into " << c.size);
    Loaded loaded = load(c.id, c.size);
    EXPECT_EQ(loaded.text, c.text);
    EXPECT_EQ(loaded.result, static_cast<int>(std::strlen(c.text)));
    EXPECT_TRUE(loaded.guardIntact);
  }
}

TEST(LoadString, MissingStringsGiveZeroAndAnEmptyBuffer) {
  for (UINT id : {23133u, 17u, 5000u, 0u, 65535u, 0x10000u + 23135u}) {
    Loaded loaded = load(id, 16);
    EXPECT_EQ(loaded.result, 0) << id;
    EXPECT_EQ(loaded.text, "") << id;
    EXPECT_EQ(loaded.error, ERROR_RESOURCE_NAME_NOT_FOUND) << id;
  }
}

TEST(LoadString, RefusesAMissingOrEmptyBufferAndABadModule) {
  char buffer[4] = {'#', '#', '#', '#'};
  for (int size : {0, -1}) {
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(LoadStringA(nullptr, 23135, buffer, size), 0);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(buffer[0], '#');  // nothing written
  }
  EXPECT_EQ(LoadStringA(nullptr, 23135, nullptr, 10), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(LoadStringA(reinterpret_cast<HINSTANCE>(uintptr_t{77}), 23135, buffer, 4), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  EXPECT_EQ(LoadStringA(nullptr, 23135, buffer, 4), 3);  // NULL is this program
}

TEST(LoadString, TableIsStoredInWindowsBlocks) {
  // Strings 0-15 are resource 1, 16-31 resource 2: sixteen counted UTF-16 strings each.
  HRSRC first = FindResourceA(nullptr, MAKEINTRESOURCE(1), RT_STRING);
  ASSERT_NE(first, nullptr);
  auto* words = static_cast<const uint16_t*>(LockResource(LoadResource(nullptr, first)));
  for (int slot = 0; slot < 15; ++slot) EXPECT_EQ(words[slot], 0) << slot;
  EXPECT_EQ(words[15], std::strlen("last of the first block"));
  EXPECT_EQ(words[16], u'l');
  EXPECT_EQ(SizeofResource(nullptr, first), 2u * (16 + std::strlen("last of the first block")));
  EXPECT_NE(FindResourceA(nullptr, MAKEINTRESOURCE(2), RT_STRING), nullptr);
  EXPECT_NE(FindResourceA(nullptr, MAKEINTRESOURCE(23135 / 16 + 1), RT_STRING), nullptr);
}
