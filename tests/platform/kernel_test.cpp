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

TEST(Strings, CharUpperAHandlesStringsSingleCharactersAndWindows1252) {
  char text[] = "abc xyz \xE9\xF7\xFF\x9A";
  EXPECT_EQ(CharUpperA(text), text);
  EXPECT_STREQ(text, "ABC XYZ \xC9\xF7\x9F\x8A");
  EXPECT_EQ(reinterpret_cast<uintptr_t>(CharUpperA(reinterpret_cast<LPSTR>(uintptr_t{'q'}))), uintptr_t{'Q'});
  EXPECT_EQ(reinterpret_cast<uintptr_t>(CharUpperA(reinterpret_cast<LPSTR>(uintptr_t{0xE0}))), uintptr_t{0xC0});
  char lower[] = "MIXED \xC0";
  CharLowerA(lower);
  EXPECT_STREQ(lower, "mixed \xE0");
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
  chmod(file.c_str(), 0444);
  EXPECT_EQ(GetFileAttributesA(file.c_str()) & FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_READONLY);
  std::remove(file.c_str());
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
