// The program's method and attribute inventory. Code names methods and
// attributes by text, and a name that nothing defines silently does
// nothing, so a misspelt name shows up here: the only method names no class,
// universal or primitive answers are the two the framework sends on purpose
// to objects that may not answer them ("Get Active Child" of an MDI client
// view, "Make Dirty" of a document), and every attribute name code reads or
// writes is declared by a class.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "runtime/tables/header.h"
#include "runtime_fixture.h"

namespace {

std::string nameOf(const RTName* n) { return std::string(n->chars, n->length); }

bool answeredByAClass(uint32_t selector) {
  for (const RTClass* cls : RTHeader::GetClassTable()->classes)
    if (RTClass::FindMethodBySelector(cls->methodCount, cls->methods, selector)) return true;
  return false;
}

bool declaredByAClass(uint32_t selector) {
  for (const RTClass* cls : RTHeader::GetClassTable()->classes) {
    for (uint32_t i = 0; i < cls->instAttrCount; ++i)
      if (cls->instAttrs[i].selector == selector) return true;
    for (uint32_t i = 0; i < cls->classAttrCount; ++i)
      if (cls->classAttrs[i].selector == selector) return true;
  }
  return false;
}

}  // namespace

using Inventory = TablesTest;

TEST_F(Inventory, OnlyTheKnownMethodNamesHaveNoDefiner) {
  std::set<std::string> undefined;
  const RTMethod* found = nullptr;
  for (const RTSelector& s : RTHeader::GetMethodSelectorTable()->records) {
    if (answeredByAClass(s.number) || RTHeader::GetUniversalTable()->FindBySelector(s.number, &found) ||
        RTHeader::GetPrimitiveTable()->FindBySelector(s.number, &found))
      continue;
    undefined.insert(nameOf(s.name));
  }
  EXPECT_EQ(undefined, (std::set<std::string>{"Get Active Child", "Make Dirty"}));
}

TEST_F(Inventory, OnlyTheKnownAttributeNamesHaveNoDeclarer) {
  std::set<std::string> undeclared;
  for (const RTSelector& s : RTHeader::GetAttributeSelectorTable()->records)
    if (!declaredByAClass(s.number)) undeclared.insert(nameOf(s.name));
  EXPECT_TRUE(undeclared.empty()) << "undeclared: " << *undeclared.begin();
}
