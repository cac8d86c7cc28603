// The start-up archive embedded in the program: what InitData installs from
// it, and the named-resource table and strings that come with it. This test
// program embeds the program's own resources.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "framework/persistents.h"
#include "platform/win32.h"
#include "runtime/archive/named_resources.h"
#include "runtime/archive/to_bytes.h"
#include "runtime/methods/kit.h"
#include "runtime/startup/init_data.h"
#include "runtime/values/instance.h"
#include "runtime/values/read.h"
#include "runtime/values/text.h"
#include "runtime_fixture.h"
#include "tools/archive/archive_text.h"

namespace {

class StartUpArchiveTest : public TablesTest {
 protected:
  static RTClass* ClassNamed(const char* name) {
    RTClass* cls = nullptr;
    RTHeader::GetClassTable()->FindClassByName(Text(name).get(), &cls);
    return cls;
  }

  static std::string EmbeddedArchive() {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCE(kArchiveResourceId), MAKEINTRESOURCE(kArchiveResourceType));
    const char* bytes = found ? static_cast<const char*>(LockResource(LoadResource(module, found))) : nullptr;
    return bytes ? std::string(bytes, SizeofResource(module, found)) : std::string();
  }

  static void InstallBlock(const std::vector<unsigned char>& block) { InitDataFromBlock(block.data(), block.size()); }
};

TEST_F(StartUpArchiveTest, InstallsThePersistents) {
  InitData(GetModuleHandleA(nullptr));
  ASSERT_TRUE(ov::isA(gTheApplication.peek(), "Starter Application"_cls));
  EXPECT_EQ(ov::chars(ov::get("Name"_attr, gTheApplication.peek())), "Velmaro");
  EXPECT_EQ(ov::chars(ov::get("Main Window"_attr, gTheApplication.peek())), "Main Window");
  EXPECT_EQ(ov::chars(ovListGetSlot(ov::get("Initial Menus"_attr, gTheApplication.peek()).get(), 0, 0)),
            "Basic File Menu");
  EXPECT_EQ(ov::get("3D Interface?"_attr, gTheApplication.peek()).get(), gdDefaultTrue);
  EXPECT_TRUE(ov::isA(gEvent.peek(), "Event"_cls));
  ASSERT_TRUE(ovIsKind(gCurrentDevice.peek(), ovKindList));
  EXPECT_EQ(ovGetInteger(ovListGetSlot(gCurrentDevice.peek(), 0, 0)), 16842838);
  EXPECT_EQ(ovListGetSlot(gCurrentDevice.peek(), 1, 0), nullptr);
  EXPECT_EQ(gReturnValue.peek(), gdDefaultZero);
  EXPECT_EQ(gPrinterDc.peek(), nullptr);
  EXPECT_EQ(gTheFrontApplication.peek(), nullptr);
  ASSERT_TRUE(ovIsKind(gTheProcesses.peek(), ovKindList));
  EXPECT_EQ(ovListGetLength(gTheProcesses.peek()), 0u);
  EXPECT_EQ(gTheApplication.peek()->useCount, 1u) << "the persistent's slot is its only owner";
}

TEST_F(StartUpArchiveTest, InstallsADefaultInstanceOfEveryClassAndTheClassAttributes) {
  InitData(GetModuleHandleA(nullptr));
  for (RTClass* cls : RTHeader::GetClassTable()->classes) {
    ovC_object* instance = cls->defaultInstance;
    ASSERT_TRUE(ovIsKind(instance, ovKindInstance)) << std::string(cls->name->chars, cls->name->length);
    EXPECT_EQ(ovAs<ovC_instance>(instance)->cls, cls);
    EXPECT_EQ(instance->useCount, 1u);
  }
  for (const char* name : {"Control", "Push Button"}) {
    RTClass* cls = ClassNamed(name);
    ASSERT_EQ(cls->classAttrCount, 1u);
    EXPECT_EQ(*cls->classAttrs[0].slot, gdDefaultZero) << name << " ProcID";
  }
}

TEST_F(StartUpArchiveTest, NewInstancesCarryTheArchivedDefaults) {
  InitData(GetModuleHandleA(nullptr));
  ovRef desktop = ovRef::adopt(ClassNamed("Desktop")->MakeInstance());
  EXPECT_EQ(ovGetInteger(ov::get("Current ID"_attr, desktop.get()).get()), 3);
  ovC_object* bounds = ov::get("Bounds"_attr, desktop.get()).get();
  EXPECT_EQ(ovGetRectTop(bounds), 20);
  EXPECT_EQ(ovGetRectBottom(bounds), 600);
  EXPECT_EQ(ovGetRectRight(bounds), 500);
  ovRef handler = ovRef::adopt(ClassNamed("Event Handler")->MakeInstance());
  EXPECT_EQ(ovGetInteger(ov::get("Background Sleep"_attr, handler.get()).get()), 600);
  ovRef menu = ovRef::adopt(ClassNamed("Basic File Menu")->MakeInstance());
  EXPECT_EQ(ov::chars(ov::get("Character"_attr, menu.get())), "F");
  ovC_object* exit = ovListGetSlot(ov::get("Menu Items"_attr, menu.get()).get(), 0, 0);
  EXPECT_EQ(ov::chars(ov::get("Title"_attr, exit)), "Exit");
  ovC_object* behavior = ov::get("Behavior"_attr, exit).get();
  EXPECT_EQ(ov::chars(ov::get("Method"_attr, behavior)), "/Quit");
  ovC_object* specifier = ovListGetSlot(ov::get("Specifiers"_attr, behavior).get(), 0, 0);
  EXPECT_TRUE(ov::isA(specifier, "Persistent Specifier"_cls));
  EXPECT_EQ(ov::chars(ov::get("Value"_attr, specifier)), "The Front Application");
  ovRef task = ovRef::adopt(ClassNamed("Cut Task")->MakeInstance());
  EXPECT_EQ(ov::get("Undo?"_attr, task.get()).get(), gdDefaultTrue);
}

TEST_F(StartUpArchiveTest, AnArchiveOfAnotherShapeInstallsNothing) {
  ovRef twoLists = List(List(), List());
  ovRef oneNotAList = List(List(), Int(5), List());
  for (const ovRef& root : {twoLists, oneNotAList}) {
    std::vector<unsigned char> block;
    ASSERT_EQ(DBToBytes(root.get(), 0, &block), DBEncoded);
    InstallBlock(block);
    EXPECT_EQ(gTheApplication.peek(), nullptr);
    EXPECT_EQ(ClassNamed("Window")->defaultInstance, nullptr);
  }
}

TEST_F(StartUpArchiveTest, TheEmbeddedArchiveIsTheSourceCompiledAndRoundTrips) {
  std::string embedded = EmbeddedArchive();
  ASSERT_FALSE(embedded.empty());
  std::ifstream in(VELMARO_SOURCE_DIR "/resources/velmaro.archive");
  std::string source((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::vector<unsigned char> built, rebuilt;
  std::string error, dumped;
  ASSERT_TRUE(ovBuildArchive(source, &built, &error)) << error;
  EXPECT_EQ(std::string(built.begin(), built.end()), embedded);
  ASSERT_TRUE(ovDumpArchive(built.data(), built.size(), &dumped, &error)) << error;
  ASSERT_TRUE(ovBuildArchive(dumped, &rebuilt, &error)) << error;
  EXPECT_EQ(rebuilt, built);
}

TEST(NamedResources, TheTableFindsNamesCaseSensitively) {
  HINSTANCE module = GetModuleHandleA(nullptr);
  uint32_t identifier = 1, type = 1;
  ovLocateResource(module, "Checked", &identifier, &type);
  EXPECT_EQ(identifier, 23007u);
  EXPECT_EQ(type, kNamedResourceString);
  ovLocateResource(module, "OK", &identifier, &type);
  EXPECT_EQ(identifier, 23055u);
  ovLocateResource(module, "OVApplicationICO", &identifier, &type);
  EXPECT_EQ(identifier, 20000u);
  EXPECT_EQ(type, kNamedResourceIcon);
  ovLocateResource(module, "OVPQMarkBMP", &identifier, &type);
  EXPECT_EQ(type, kNamedResourceBitmap);
  ovLocateResource(module, "checked", &identifier, &type);
  EXPECT_EQ(identifier, 0u);
  EXPECT_EQ(type, 0u);
  EXPECT_NE(LoadIconA(module, MAKEINTRESOURCE(20000)), nullptr);
}

// Walks the embedded table itself: 145 records, every string one present in
// the string table, the stated examples word for word.
TEST(NamedResources, EveryStringTheTableNamesIsInTheStringTable) {
  HINSTANCE module = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(module, MAKEINTRESOURCE(kNamedResourceTableId), RT_RCDATA);
  ASSERT_NE(found, nullptr);
  const auto* table = static_cast<const unsigned char*>(LockResource(LoadResource(module, found)));
  auto word = [&](size_t at) {
    return table[at] | table[at + 1] << 8 | table[at + 2] << 16 | uint32_t{table[at + 3]} << 24;
  };
  int records = 0, strings = 0;
  for (size_t at = 0; word(at) != 0; at += word(at), ++records) {
    if (word(at + 8) != kNamedResourceString) continue;
    char text[256] = {};
    EXPECT_GT(LoadStringA(module, word(at + 4), text, sizeof text), 0)
        << reinterpret_cast<const char*>(table + at + 12);
    ++strings;
  }
  EXPECT_EQ(records, 145);
  EXPECT_EQ(strings, 82);
  const std::pair<UINT, const char*> examples[] = {
      {23135, "Untitled"}, {23134, "- untitled -"}, {23027, "^0 of '^1'"}, {23042, "^0 ^1 to ^2"}};
  for (const auto& [id, expected] : examples) {
    char text[256] = {};
    LoadStringA(module, id, text, sizeof text);
    EXPECT_STREQ(text, expected);
  }
}

}  // namespace

// Everything the archive brought to life is held by the tables, and nothing
// else is left in the heap: the live allocations are the shared constants
// and the objects the tables reach.
TEST_F(StartUpArchiveTest, TheHeapHoldsExactlyWhatTheTablesReach) {
  InitData(GetModuleHandleA(nullptr));
  std::set<ovC_object*> reached{gdDefaultNone, gdDefaultUndefined, gdDefaultTrue, gdDefaultFalse,
                                gdDefaultZero, gdDefaultPOne,      gdDefaultMOne};
  std::vector<ovC_object*> pending;
  for (RTClass* cls : RTHeader::GetClassTable()->classes) pending.push_back(cls->defaultInstance);
  for (ovC_object* v : RTHeader::gRTHeader->classAttrValues) pending.push_back(v);
  for (const RTPersistent& p : RTHeader::GetPersistentTable()->records) pending.push_back(*p.slot);
  while (!pending.empty()) {
    ovC_object* v = pending.back();
    pending.pop_back();
    if (!v || !reached.insert(v).second) continue;
    if (ovIsKind(v, ovKindList))
      for (uint32_t i = 0; i < ovListGetLength(v); ++i) pending.push_back(ovListGetSlot(v, i, 0));
    if (ovIsKind(v, ovKindInstance))
      for (uint32_t i = 0; i < ovInstanceGetLength(v); ++i) pending.push_back(ovInstanceGetSlot(v, i, 0));
  }
  EXPECT_EQ(ovRunTimeHeap->LiveCount(), reached.size());
}
