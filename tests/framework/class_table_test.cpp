// The framework's and the application's classes as the tables hold them:
// the archive names classes by their position in this table, so their
// names, superclasses and slot counts must be exactly these; and each
// class's own methods, so that a method lost from a declaration shows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32.h"
#include "runtime/tables/header.h"
#include "runtime/values/list.h"
#include "runtime/values/make.h"
#include "runtime/values/text.h"
#include "runtime/values/value_ref.h"
#include "runtime_fixture.h"

namespace {

struct ExpectedClass {
  const char* name;
  const char* superclass;
  uint32_t slots;
  uint32_t methods;  // the class's own
};

const ExpectedClass kExpected[] = {
    {"Accelerator Entry", "", 7, 2},
    {"Application", "", 22, 27},
    {"Attribute Specifier", "Behavior Specifier", 1, 2},
    {"Background", "", 3, 4},
    {"Basic File Menu", "Menu", 13, 0},
    {"Behavior", "Command", 7, 3},
    {"Behavior Specifier", "", 1, 4},
    {"Clear Task", "Text Task", 12, 1},
    {"Clipboard", "", 2, 4},
    {"Command", "", 4, 8},
    {"Commander", "", 6, 11},
    {"Control", "Window Item", 21, 27},
    {"Control Behavior", "Window Item Behavior", 11, 0},
    {"Copy Task", "Text Task", 12, 1},
    {"Cursors", "", 5, 1},
    {"Cut Task", "Text Task", 12, 1},
    {"Deferred Task", "Task", 6, 1},
    {"Desktop", "", 10, 36},
    {"Edit Text", "Window Item", 24, 36},
    {"Event", "", 5, 19},
    {"Event Handler", "", 7, 20},
    {"File", "", 7, 9},
    {"Font", "", 7, 11},
    {"Graphic", "", 1, 11},
    {"Graphic Item", "Window Item", 17, 21},
    {"Line", "Graphic", 3, 9},
    {"Main Window", "Window", 35, 1},
    {"Menu", "", 13, 26},
    {"Menu Behavior", "Behavior", 10, 6},
    {"Menu Item", "", 11, 15},
    {"Menu Task", "Deferred Task", 6, 1},
    {"Menubar", "", 6, 22},
    {"Method Specifier", "Behavior Specifier", 1, 2},
    {"Multiple View", "View", 27, 7},
    {"Paste Task", "Text Task", 12, 1},
    {"Pen", "", 8, 8},
    {"Persistent Specifier", "Behavior Specifier", 1, 2},
    {"Platform Event", "", 5, 11},
    {"Printer", "", 2, 5},
    {"Push Button", "Control", 21, 5},
    {"Regular Border", "", 2, 7},
    {"Screen", "", 1, 1},
    {"Scroll Bar", "Control", 21, 9},
    {"Special Keys", "", 1, 4},
    {"Starter Application", "Application", 22, 0},
    {"Task", "Command", 5, 3},
    {"Text", "Graphic", 3, 11},
    {"Text Task", "Task", 12, 4},
    {"Value Specifier", "Window Item Specifier", 1, 2},
    {"View", "Window Item", 23, 55},
    {"Window", "", 35, 87},
    {"Window Border", "", 5, 1},
    {"Window Item", "", 13, 69},
    {"Window Item Behavior", "Behavior", 10, 4},
    {"Window Item Specifier", "Behavior Specifier", 1, 2},
};

std::string nameOf(const RTName* n) { return n ? std::string(n->chars, n->length) : ""; }

ovRef text(const char* s) { return ovRef::adopt(ovMakeText(s)); }

}  // namespace

using FrameworkClasses = TablesTest;

TEST_F(FrameworkClasses, EveryClassHasItsSuperclassSlotsAndMethodsInNameOrder) {
  RTClassTable* table = RTHeader::GetClassTable();
  ASSERT_EQ(table->Count(), std::size(kExpected));
  for (uint32_t i = 0; i < table->Count(); ++i) {
    const RTClass* cls = table->GetNthClass(i);
    SCOPED_TRACE(kExpected[i].name);
    EXPECT_EQ(nameOf(cls->name), kExpected[i].name);
    EXPECT_EQ(nameOf(cls->superclass ? cls->superclass->name : nullptr), kExpected[i].superclass);
    EXPECT_EQ(cls->slotCount, kExpected[i].slots);
    EXPECT_EQ(cls->methodCount, kExpected[i].methods);
  }
}

TEST_F(FrameworkClasses, OwnAttributesTakeTheSlotsAfterTheSuperclasses) {
  RTClass* control = nullptr;
  ASSERT_TRUE(RTHeader::GetClassTable()->FindClassByName(text("Control").get(), &control));
  const RTInstAttr* attr = nullptr;
  ASSERT_TRUE(control->FindInstAttrByName(text("Title").get(), &attr));
  EXPECT_EQ(attr->slot, 13u);
  ASSERT_TRUE(control->FindInstAttrByName(text("Type").get(), &attr));
  EXPECT_EQ(attr->slot, 20u);
  ASSERT_TRUE(control->FindInstAttrByName(text("Flags").get(), &attr));  // inherited
  EXPECT_EQ(attr->slot, 12u);
}

TEST_F(FrameworkClasses, OnlyControlAndPushButtonHaveAClassAttribute) {
  for (const RTClass* cls : RTHeader::GetClassTable()->classes) {
    std::string name = nameOf(cls->name);
    bool expected = name == "Control" || name == "Push Button";
    EXPECT_EQ(cls->classAttrCount, expected ? 1u : 0u) << name;
    if (expected) {
      EXPECT_EQ(nameOf(cls->classAttrs[0].name), "ProcID");
    }
  }
  EXPECT_EQ(RTHeader::gRTHeader->classAttrValues.size(), 2u);
}

TEST_F(FrameworkClasses, ThePersistentTableHoldsSevenNamesInOrder) {
  std::vector<std::string> names;
  for (const RTPersistent& p : RTHeader::GetPersistentTable()->records) names.push_back(nameOf(p.name));
  EXPECT_EQ(names, (std::vector<std::string>{"Current Device", "Event", "Printer DC", "Return Value", "The Application",
                                             "The Front Application", "The Processes"}));
}

TEST_F(FrameworkClasses, DescendantsOfWindowItemInTableOrder) {
  RTClass* item = nullptr;
  ASSERT_TRUE(RTHeader::GetClassTable()->FindClassByName(text("Window Item").get(), &item));
  ovRef names = ovRef::adopt(item->MakeDescendantNameList());
  std::vector<std::string> got;
  for (uint32_t i = 0; i < ovListGetLength(names.get()); ++i) {
    ovC_object* n = ovListGetSlot(names.get(), i, 0);
    got.emplace_back(ovStringGetPtr(n), ovStringGetLength(n));
  }
  EXPECT_EQ(got, (std::vector<std::string>{"Control", "Edit Text", "Graphic Item", "Multiple View", "Push Button",
                                           "Scroll Bar", "View"}));
}

TEST_F(FrameworkClasses, AttributeSelectorsFollowTheNameOrder) {
  RTSelectorTable* attributes = RTHeader::GetAttributeSelectorTable();
  uint32_t mdi = 0, mainDocuments = 0, hwnd = 0, hasMenubar = 0;
  ASSERT_TRUE(attributes->FindSelectorByName(text("MDI?").get(), &mdi));
  ASSERT_TRUE(attributes->FindSelectorByName(text("Main Documents").get(), &mainDocuments));
  ASSERT_TRUE(attributes->FindSelectorByName(text("HWnd").get(), &hwnd));
  ASSERT_TRUE(attributes->FindSelectorByName(text("Has Menubar?").get(), &hasMenubar));
  EXPECT_LT(mdi, mainDocuments);
  EXPECT_LT(hwnd, hasMenubar);
}
