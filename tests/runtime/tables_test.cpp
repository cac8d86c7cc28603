#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/methods/names.h"
#include "runtime/archive/to_bytes.h"
#include "runtime/startup/init_data.h"
#include "runtime/tables/declarations.h"
#include "runtime/tables/header.h"
#include "runtime/values/list.h"
#include "runtime/values/make.h"
#include "runtime/values/value_ref.h"
#include "runtime_fixture.h"
#include "test_classes.h"

namespace {

int32_t compareNames(const char* a, const char* b) {
  RTNameBuffer x, y;
  x.name().SetName(a, static_cast<uint32_t>(std::string(a).size()));
  y.name().SetName(b, static_cast<uint32_t>(std::string(b).size()));
  return x.name().Compare(y.name());
}

std::string nameOf(const RTName* n) { return n ? std::string(n->chars, n->length) : "<none>"; }

}  // namespace

// Bytes above 0x7F sort after every letter, however far apart.
TEST(Names, OrderIsByUnsignedBytesWithPrefixesFirst) {
  const struct {
    const char *a, *b;
    int sign;
  } cases[] = {{"MDI?", "Main Documents", -1}, {"HWnd", "Has Menubar?", -1},   {"Get Window", "Get Window Record", -1},
               {"RGB To ColorRef", "Rect Height", -1}, {"Open", "Ope", 1}, {"Open", "Open", 0}, {"", "", 0},
               {"", "A", -1}, {"A", "", 1}, {"\xE9t\xE9", "A", 1}, {"A", "\xFF", -1}, {"Abcd\xFF", "Abcd\x01", 1}};
  for (const auto& c : cases) {
    int32_t order = compareNames(c.a, c.b);
    EXPECT_EQ((order > 0) - (order < 0), c.sign) << c.a << " against " << c.b;
  }
}

TEST(Names, RecordsArePaddedToFourBytesWithAtLeastOneZero) {
  EXPECT_EQ(RTName::SizeFor(0), 8u);
  EXPECT_EQ(RTName::SizeFor(3), 8u);
  EXPECT_EQ(RTName::SizeFor(4), 12u);
  EXPECT_EQ(RTName::SizeFor(300), RTName::SizeFor(255));
  RTNameBuffer b;
  std::string longName(300, 'x');
  b.name().SetName(longName.c_str(), 300);
  EXPECT_EQ(b.name().length, 255u);
  EXPECT_EQ(b.bytes[sizeof(uint32_t) + 255], '\0');  // the zero after the 255 characters
}

using Tables = TablesTest;

TEST_F(Tables, ClassesAreSortedAndNamedByPosition) {
  RTClassTable* classes = RTHeader::GetClassTable();
  for (uint32_t i = 1; i < classes->Count(); ++i)
    EXPECT_LT(classes->GetNthClass(i - 1)->name->Compare(*classes->GetNthClass(i)->name), 0);
  RTClass* square = nullptr;
  ASSERT_TRUE(classes->FindClassByName(RuntimeTest::Text("Square").get(), &square));
  EXPECT_EQ(classes->GetNthClass(classes->IndexOf(square)), square);
  EXPECT_EQ(RTClass::GetNthClass(classes->Count()), nullptr);
  RTClass* none = nullptr;
  EXPECT_FALSE(classes->FindClassByName(RuntimeTest::Text("").get(), &none));
  EXPECT_FALSE(classes->FindClassByName(RuntimeTest::Text("Squar").get(), &none));
  EXPECT_FALSE(classes->FindClassByName(gdDefaultZero, &none));
  EXPECT_EQ(none, nullptr);
}

TEST_F(Tables, SlotsFollowTheSuperclassesInDeclaredOrder) {
  RTClass* square = nullptr;
  RTHeader::GetClassTable()->FindClassByName(RuntimeTest::Text("Square").get(), &square);
  EXPECT_EQ(square->slotCount, 4u);  // Name, Sides, Points, Side
  const RTInstAttr* attr = nullptr;
  for (auto [name, slot] : {std::pair{"Side", 3u}, std::pair{"Name", 0u}, std::pair{"Points", 2u}}) {
    ASSERT_TRUE(square->FindInstAttrByName(Text(name).get(), &attr)) << name;
    EXPECT_EQ(attr->slot, slot) << name;
  }
  const RTClassAttr* shared = nullptr;
  EXPECT_TRUE(square->FindClassAttrByName(RuntimeTest::Text("Made").get(), &shared));
  EXPECT_FALSE(square->FindInstAttrByName(RuntimeTest::Text("Made").get(), &attr));
}

TEST_F(Tables, SelectorsAreOneBasedPositionsOfSortedNames) {
  RTSelectorTable* methods = RTHeader::GetMethodSelectorTable();
  for (uint32_t n = 1; n <= methods->Count(); ++n) {
    EXPECT_EQ(methods->records[n - 1].number, n);
    if (n > 1) {
      EXPECT_LT(methods->NameOf(n - 1)->Compare(*methods->NameOf(n)), 0);
    }
  }
  uint32_t number = 99;
  ASSERT_TRUE(methods->FindSelectorByName(RuntimeTest::Text("Describe").get(), &number));
  EXPECT_EQ(nameOf(methods->NameOf(number)), "Describe");
  EXPECT_FALSE(methods->FindSelectorByName(RuntimeTest::Text("Nothing Defines This").get(), &number));
  EXPECT_EQ(number, 0u);
  EXPECT_FALSE(methods->FindSelectorByName(gdDefaultZero, &number)) << "a name that is no text";
  // Names that only code uses get numbers too.
  EXPECT_TRUE(methods->FindSelectorByName(RuntimeTest::Text("Called But Never Defined").get(), &number));
  EXPECT_EQ("Called But Never Defined"_sel.number(), number);
}

TEST_F(Tables, UniversalsPrimitivesAndPersistentsAreFoundByName) {
  const RTMethod* method = nullptr;
  EXPECT_TRUE(RTHeader::GetUniversalTable()->FindByName(RuntimeTest::Text("Double It").get(), &method));
  EXPECT_TRUE(RTHeader::GetPrimitiveTable()->FindByName(RuntimeTest::Text("test-add").get(), &method));
  EXPECT_NE(ovFindPrimitive("test-add"), nullptr);
  EXPECT_EQ(ovFindPrimitive("no-such-primitive"), nullptr);
  const RTPersistent* persistent = nullptr;
  ASSERT_TRUE(RTHeader::GetPersistentTable()->FindByName(RuntimeTest::Text("Test Counter").get(), &persistent));
  EXPECT_EQ(persistent->slot, &gTestCounter);
  EXPECT_FALSE(RTHeader::GetPersistentTable()->FindByName(gdDefaultZero, &persistent));
  const RTExternal* external = nullptr;
  EXPECT_FALSE(RTHeader::GetExternalTable()->FindByName(nullptr, &external));
  EXPECT_EQ(RTHeader::GetExternalTable()->IndexOf(nullptr), -1);
}

TEST_F(Tables, ExternalTypesHaveTheirSizesAndPositions) {
  const RTExternal* rect = nullptr;
  ASSERT_TRUE(RTHeader::GetExternalTable()->FindByName("Test RECT", &rect));
  EXPECT_EQ(rect->size, 16u);
  int32_t n = RTHeader::GetExternalTable()->IndexOf(rect);
  EXPECT_EQ(RTHeader::GetExternalTable()->GetNthType(static_cast<uint32_t>(n)), rect);
  EXPECT_EQ(RTHeader::GetExternalTable()->GetNthType(9999), nullptr);
  EXPECT_EQ(ovGetExternalTypeFromName(RuntimeTest::Text("Test RECT").get()), rect);
  ASSERT_NE(ovGetABlockType(), nullptr);
  ovRef pointer = ovRef::adopt(ovMakePtr(nullptr, nullptr));
  EXPECT_EQ(pointer.as<ovC_pointer>()->pointeeType, ovGetABlockType());
  const unsigned char pname[] = {9, 'T', 'e', 's', 't', ' ', 'R', 'E', 'C', 'T'};
  EXPECT_EQ(ovFindExternalByPStringName(pname), rect);
}

TEST_F(Tables, MethodPathsResolveByKind) {
  const RTMethod* m = nullptr;
  uint32_t context = 7;
  EXPECT_TRUE(RTHeader::LookupPathTop(RuntimeTest::Text("Double It").get(), &m, &context));
  EXPECT_EQ(context, 0u);
  EXPECT_TRUE(RTHeader::LookupPathTop(RuntimeTest::Text("test-add").get(), &m, &context));
  EXPECT_FALSE(RTHeader::LookupPathTop(RuntimeTest::Text("Describe").get(), &m, &context));
  ASSERT_TRUE(RTHeader::LookupPathName(RuntimeTest::Text("Square").get(), RuntimeTest::Text("Sides Of").get(), &m, &context));
  EXPECT_EQ(nameOf(m->name), "Sides Of");  // found in Shape
  EXPECT_FALSE(RTHeader::LookupPathName(RuntimeTest::Text("Nowhere").get(), RuntimeTest::Text("Describe").get(), &m, &context));
  m = nullptr;
  EXPECT_FALSE(RTHeader::LookupPathName(RuntimeTest::Text("Square").get(), RuntimeTest::Text("Unknown").get(), &m, &context));
  EXPECT_EQ(m, nullptr);  // untouched on failure
}

TEST_F(Tables, InstalledDataTakesUsesAndWrongLengthsInstallNothing) {
  RTHeader* h = RTHeader::gRTHeader;
  uint32_t persistents = h->persistentTable.Count();
  ovRef values = ovRef::adopt(ovMakeList(0));
  for (uint32_t i = 0; i < persistents; ++i) ovListAppend(values.get(), ovMakeInteger(100 + i), 0);
  ovRef defaults = ovRef::adopt(ovMakeList(h->classTable.Count()));
  ovRef classValues = ovRef::adopt(ovMakeList(0));  // shorter than the records
  RTHeader::InitializeData(values.get(), classValues.get(), defaults.get());
  ASSERT_NE(gTestCounter, nullptr);
  EXPECT_EQ(gTestCounter->useCount, 2u);  // the list's and the table's
  for (ovC_object* v : h->classAttrValues) EXPECT_EQ(v, nullptr);

  DropTableData();
  ovListDeleteItem(values.get(), 0, 1);  // one element short
  RTHeader::InitializeData(values.get(), classValues.get(), defaults.get());
  for (const RTPersistent& p : h->persistentTable.records) EXPECT_EQ(*p.slot, nullptr);
}

// The archive's root must be a list of exactly three lists: persistent
// values, class attribute values, default instances.
TEST_F(Tables, StartUpInstallsOnlyAListOfThreeLists) {
  auto install = [](const ovRef& root) {
    std::vector<unsigned char> block;
    ASSERT_EQ(DBToBytes(root.get(), 0, &block), DBEncoded);
    InitDataFromBlock(block.data(), block.size());
  };
  ovRef values = RuntimeTest::List();
  for (uint32_t i = 0; i < RTHeader::GetPersistentTable()->Count(); ++i)
    ovListAppend(values.get(), RuntimeTest::Int(100 + i).get(), 1);
  for (const ovRef& root : {values, RuntimeTest::List(values, values),
                            RuntimeTest::List(values, values, values, values),
                            RuntimeTest::List(values, values, RuntimeTest::Int(3))})
    install(root);
  EXPECT_EQ(gTestCounter, nullptr);
  install(RuntimeTest::List(values, RuntimeTest::List(), RuntimeTest::List()));
  EXPECT_TRUE(ovIsKind(gTestCounter, ovKindInteger));
}
