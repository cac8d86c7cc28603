// Global memory, single-byte strings, file attributes.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

#include "platform/win32.h"

namespace {

TEST(GlobalMemory, MoveableBlocksLockUnlockAndKeepTheirSize) {
  HGLOBAL h = GlobalAlloc(GHND, 10);
  ASSERT_NE(h, nullptr);
  EXPECT_EQ(GlobalSize(h), 10u);
  auto* p = static_cast<char*>(GlobalLock(h));
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(std::memcmp(p, "\0\0\0\0\0\0\0\0\0\0", 10), 0);
  std::strcpy(p, "clip");
  EXPECT_EQ(GlobalLock(h), p);
  EXPECT_TRUE(GlobalUnlock(h));
  SetLastError(99);
  EXPECT_FALSE(GlobalUnlock(h));
  EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
  EXPECT_FALSE(GlobalUnlock(h));
  EXPECT_EQ(GetLastError(), ERROR_NOT_LOCKED);
  h = GlobalReAlloc(h, 100, GMEM_ZEROINIT);
  ASSERT_NE(h, nullptr);
  EXPECT_EQ(GlobalSize(h), 100u);
  p = static_cast<char*>(GlobalLock(h));
  EXPECT_STREQ(p, "clip");
  EXPECT_EQ(p[99], 0);
  GlobalUnlock(h);
  EXPECT_EQ(GlobalFree(h), nullptr);
}

TEST(GlobalMemory, FixedBlocksAreTheirOwnAddress) {
  HGLOBAL h = GlobalAlloc(GPTR, 4);
  EXPECT_EQ(GlobalLock(h), h);
  EXPECT_TRUE(GlobalUnlock(h));
  EXPECT_EQ(GlobalSize(h), 4u);
  EXPECT_EQ(GlobalReAlloc(h, 400, 0), nullptr);
  HGLOBAL moved = GlobalReAlloc(h, 400, GMEM_MOVEABLE);
  ASSERT_NE(moved, nullptr);
  EXPECT_EQ(GlobalSize(moved), 400u);
  EXPECT_EQ(GlobalFree(moved), nullptr);
}

TEST(LocalMemory, FreeTakesBackOnlyItsOwnBlocksOnce) {
  HLOCAL block = LocalAlloc(LPTR, 16);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(static_cast<char*>(block)[15], 0);
  EXPECT_EQ(LocalFree(block), nullptr);
  SetLastError(0);
  EXPECT_EQ(LocalFree(block), block);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  char onTheStack[8] = "kept";
  SetLastError(0);
  EXPECT_EQ(LocalFree(onTheStack), static_cast<HLOCAL>(onTheStack));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  EXPECT_STREQ(onTheStack, "kept");
  EXPECT_EQ(LocalFree(nullptr), nullptr);
}

// Windows-1252's letters change case both ways, its signs among them
// (multiplication, division) and the rest stay.
TEST(Strings, CharUpperAAndCharLowerAMapWindows1252BothWays) {
  const char lower[] = "abz \xE0\xE9\xFE\x9A\x9C\x9E\xFF \xD7\xF7\xDF 1-";
  const char upper[] = "ABZ \xC0\xC9\xDE\x8A\x8C\x8E\x9F \xD7\xF7\xDF 1-";
  char text[sizeof lower];
  std::memcpy(text, lower, sizeof lower);
  EXPECT_EQ(CharUpperA(text), text);
  EXPECT_STREQ(text, upper);
  EXPECT_EQ(CharLowerA(text), text);
  EXPECT_STREQ(text, lower);
  const auto single = [](LPSTR (*map)(LPSTR), unsigned c) {
    return reinterpret_cast<uintptr_t>(map(reinterpret_cast<LPSTR>(uintptr_t{c})));
  };
  EXPECT_EQ(single(CharUpperA, 'q'), uintptr_t{'Q'});
  EXPECT_EQ(single(CharUpperA, 0xE0), uintptr_t{0xC0});
  EXPECT_EQ(single(CharLowerA, 0x9F), uintptr_t{0xFF});
}

TEST(Strings, CharNextStopsAtTheEnd) {
  const char* s = "ab";
  EXPECT_EQ(CharNextA(s), s + 1);
  EXPECT_EQ(CharNextA(s + 2), s + 2);
  EXPECT_EQ(CharPrevA(s, s), s);
  EXPECT_EQ(lstrlenA("four"), 4);
  EXPECT_EQ(lstrlenA(nullptr), 0);
}

TEST(Strings, LstrcmpSortsWordsTheWindowsWay) {
  EXPECT_EQ(lstrcmpA("abc", "abc"), 0);
  EXPECT_LT(lstrcmpA("apple", "Banana"), 0);
  EXPECT_LT(lstrcmpA("a", "A"), 0);
  EXPECT_GT(lstrcmpA("B", "a"), 0);
  EXPECT_LT(lstrcmpA("1", "a"), 0);
  EXPECT_LT(lstrcmpA("ab", "abc"), 0);
  EXPECT_LT(lstrcmpA("coop", "cop"), 0);
  EXPECT_LT(lstrcmpA("co-op", "cop"), 0);
  EXPECT_NE(lstrcmpA("co-op", "coop"), 0);
  EXPECT_EQ(lstrcmpiA("HeLLo", "hello"), 0);
  char buffer[4];
  EXPECT_STREQ(lstrcpynA(buffer, "truncated", 4), "tru");
}

TEST(FileAttributes, DirectoriesReadOnlyFilesAndMissingPaths) {
  std::string dir = ::testing::TempDir();
  EXPECT_EQ(GetFileAttributesA(dir.c_str()) & FILE_ATTRIBUTE_DIRECTORY, FILE_ATTRIBUTE_DIRECTORY);
  std::string file = dir + "velmaro_attributes.txt";
  std::ofstream(file) << "x";
  EXPECT_EQ(GetFileAttributesA(file.c_str()), FILE_ATTRIBUTE_NORMAL);
  SetLastError(0);
  EXPECT_EQ(GetFileAttributesA((file + "/below").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
  chmod(file.c_str(), 0444);
  EXPECT_EQ(GetFileAttributesA(file.c_str()) & FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_READONLY);
  std::remove(file.c_str());
  std::string hidden = dir + ".velmaro_hidden";
  std::ofstream(hidden) << "x";
  EXPECT_EQ(GetFileAttributesA(hidden.c_str()), FILE_ATTRIBUTE_HIDDEN);
  std::remove(hidden.c_str());
  EXPECT_EQ(GetFileAttributesA((dir + ".").c_str()), FILE_ATTRIBUTE_DIRECTORY);
  SetLastError(0);
  EXPECT_EQ(GetFileAttributesA(file.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(GetFileAttributesA((file + "/below").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
  EXPECT_EQ(GetFileAttributesA(""), INVALID_FILE_ATTRIBUTES);
}

TEST(Ticks, TheTickCountAdvancesInMilliseconds) {
  DWORD start = GetTickCount();
  Sleep(15);
  DWORD elapsed = GetTickCount() - start;
  EXPECT_GE(elapsed, 14u);
  EXPECT_LT(elapsed, 5000u);
}

}  // namespace
