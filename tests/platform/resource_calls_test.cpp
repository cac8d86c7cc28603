#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/handle_table.h"
#include "platform/win32.h"

namespace {

std::vector<unsigned char> fileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in) << path;
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<unsigned char> resourceBytes(HMODULE module, LPCSTR name, LPCSTR type) {
  HRSRC found = FindResourceA(module, name, type);
  EXPECT_NE(found, nullptr);
  HGLOBAL loaded = LoadResource(module, found);
  EXPECT_NE(loaded, nullptr);
  auto* bytes = static_cast<unsigned char*>(LockResource(loaded));
  EXPECT_NE(bytes, nullptr);
  if (!bytes) return {};
  return {bytes, bytes + SizeofResource(module, found)};
}

// Runs call and checks that it failed with the error code.
template <typename Call>
void expectFailure(Call call, DWORD error) {
  SetLastError(ERROR_SUCCESS);
  EXPECT_FALSE(call());
  EXPECT_EQ(GetLastError(), error);
}

const std::string kTestResources = VELMARO_TEST_RESOURCES;

}  // namespace

TEST(Resources, BytesAndSizesAreTheSourceFiles) {
  HMODULE self = GetModuleHandleA(nullptr);
  for (HMODULE module : {self, static_cast<HMODULE>(nullptr)}) {
    EXPECT_EQ(resourceBytes(module, MAKEINTRESOURCE(29999), RT_RCDATA), fileBytes(kTestResources + "/named_table.bin"));
    EXPECT_EQ(resourceBytes(module, "Sample", RT_RCDATA), fileBytes(kTestResources + "/sample.txt"));
    EXPECT_EQ(resourceBytes(module, MAKEINTRESOURCE(24991), RT_DIALOG), fileBytes(kTestResources + "/sample.txt"));
  }
  // Made by a build step before the resources were compiled.
  EXPECT_EQ(resourceBytes(self, MAKEINTRESOURCE(136), MAKEINTRESOURCE(136)), fileBytes(kTestResources + "/archive_source.bin"));
  EXPECT_EQ(resourceBytes(self, MAKEINTRESOURCE(20000), RT_GROUP_ICON), fileBytes(VELMARO_APP_RESOURCES "/velmaro.ico"));
}

// FreeResource has nothing to free: the data stays.
TEST(Resources, DataIsAlignedForRecordsAndNeverFreed) {
  HGLOBAL loaded = LoadResource(nullptr, FindResourceA(nullptr, "Sample", RT_RCDATA));
  EXPECT_EQ(reinterpret_cast<uintptr_t>(LockResource(loaded)) % 8, 0u);
  EXPECT_FALSE(FreeResource(loaded));
  EXPECT_NE(LockResource(loaded), nullptr);
}

TEST(Resources, NamesIgnoreCaseAndNumbersMayBeWrittenWithHash) {
  HRSRC byId = FindResourceA(nullptr, MAKEINTRESOURCE(29999), RT_RCDATA);
  ASSERT_NE(byId, nullptr);
  EXPECT_EQ(FindResourceA(nullptr, "#29999", RT_RCDATA), byId);
  EXPECT_EQ(FindResourceA(nullptr, "#29999", "#10"), byId);
  EXPECT_EQ(FindResourceA(nullptr, MAKEINTRESOURCE(29999), RT_RCDATA), byId);  // the same handle every time
  HRSRC byName = FindResourceA(nullptr, "Sample", RT_RCDATA);
  ASSERT_NE(byName, nullptr);
  EXPECT_EQ(FindResourceA(nullptr, "SAMPLE", RT_RCDATA), byName);
  EXPECT_EQ(FindResourceA(nullptr, "sample", RT_RCDATA), byName);
  HRSRC named = FindResourceA(nullptr, "empty", "BLOB");
  ASSERT_NE(named, nullptr);
  EXPECT_EQ(SizeofResource(nullptr, named), 0u);
  EXPECT_NE(LockResource(LoadResource(nullptr, named)), nullptr);
}

TEST(Resources, UnknownTypesAndNamesFailWithTheirCodes) {
  expectFailure([] { return FindResourceA(nullptr, MAKEINTRESOURCE(29999), MAKEINTRESOURCE(99)); },
                ERROR_RESOURCE_TYPE_NOT_FOUND);
  expectFailure([] { return FindResourceA(nullptr, "Sample", "RCDATA"); }, ERROR_RESOURCE_TYPE_NOT_FOUND);
  expectFailure([] { return FindResourceA(nullptr, MAKEINTRESOURCE(29998), RT_RCDATA); }, ERROR_RESOURCE_NAME_NOT_FOUND);
  expectFailure([] { return FindResourceA(nullptr, "Sampl", RT_RCDATA); }, ERROR_RESOURCE_NAME_NOT_FOUND);
  for (const char* notANumber : {"#", "#29999x", "#-1", "#99999999999"}) {
    expectFailure([&] { return FindResourceA(nullptr, notANumber, RT_RCDATA); }, ERROR_RESOURCE_NAME_NOT_FOUND);
  }
  expectFailure([] { return FindResourceA(nullptr, nullptr, RT_RCDATA); }, ERROR_RESOURCE_NAME_NOT_FOUND);
}

TEST(Resources, HandlesOfOtherKindsAndStaleHandlesAreRefused) {
  HANDLE mutex = CreateMutexA(nullptr, FALSE, nullptr);
  auto asModule = reinterpret_cast<HMODULE>(mutex);
  auto asResource = reinterpret_cast<HRSRC>(mutex);
  expectFailure([&] { return FindResourceA(asModule, "Sample", RT_RCDATA); }, ERROR_INVALID_HANDLE);
  expectFailure([&] { return LoadResource(nullptr, asResource); }, ERROR_INVALID_HANDLE);
  expectFailure([&] { return LockResource(mutex); }, ERROR_INVALID_HANDLE);
  expectFailure([&] { return SizeofResource(nullptr, asResource); }, ERROR_INVALID_HANDLE);
  HRSRC sample = FindResourceA(nullptr, "Sample", RT_RCDATA);
  expectFailure([&] { return LoadResource(asModule, sample); }, ERROR_INVALID_HANDLE);
  expectFailure([&] { return SizeofResource(asModule, sample); }, ERROR_INVALID_HANDLE);
  EXPECT_TRUE(CloseHandle(mutex));

  int object = 0;
  platform::HandleValue stale = platform::handleCreate(platform::HandleKind::Resource, &object);
  ASSERT_TRUE(platform::handleRelease(stale, platform::HandleKind::Resource));
  expectFailure([&] { return LockResource(platform::handleToWin32<HGLOBAL>(stale)); }, ERROR_INVALID_HANDLE);
  expectFailure([] { return LockResource(nullptr); }, ERROR_INVALID_HANDLE);
  expectFailure([] { return LoadResource(nullptr, reinterpret_cast<HRSRC>(uintptr_t{0x1234567890})); }, ERROR_INVALID_HANDLE);
}
