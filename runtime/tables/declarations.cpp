#include "runtime/tables/declarations.h"

#include <utility>

ovDeclarations& ovAllDeclarations() {
  // Built on first use, so declarations in any file can register during
  // static initialisation whatever the order of the files.
  static ovDeclarations declarations;
  return declarations;
}

ovClassDeclaration::ovClassDeclaration(ovClassSpec spec) : spec_(std::move(spec)) {
  ovAllDeclarations().classes.push_back(this);
}

ovClassMethods::ovClassMethods(const char* className, std::vector<ovMethodDeclaration> methods)
    : className(className), methods(std::move(methods)) {
  ovAllDeclarations().classMethods.push_back(this);
}

ovUniversalDeclaration::ovUniversalDeclaration(const char* name, ovRoutine code) : name(name), code(code) {
  ovAllDeclarations().universals.push_back(this);
}

ovPrimitiveDeclaration::ovPrimitiveDeclaration(const char* name, ovRoutine code, bool inLookupTable)
    : name(name), code(code), inLookupTable(inLookupTable) {
  ovAllDeclarations().primitives.push_back(this);
}

ovPersistentDeclaration::ovPersistentDeclaration(const char* name, ovC_object** slot) : name(name), slot(slot) {
  ovAllDeclarations().persistents.push_back(this);
}

ovExternalDeclaration::ovExternalDeclaration(const char* name, uint32_t size) : name(name), size(size) {
  ovAllDeclarations().externals.push_back(this);
}

ovMethodSelector::ovMethodSelector(const char* name) : ovNamedConstant(name) {
  ovAllDeclarations().methodSelectors.push_back(this);
}

ovAttributeSelector::ovAttributeSelector(const char* name) : ovNamedConstant(name) {
  ovAllDeclarations().attributeSelectors.push_back(this);
}

ovClassName::ovClassName(const char* name) : ovNamedConstant(name) { ovAllDeclarations().classNames.push_back(this); }

ovUniversalName::ovUniversalName(const char* name) : ovNamedConstant(name) {
  ovAllDeclarations().universalNames.push_back(this);
}

ovPrimitiveName::ovPrimitiveName(const char* name) : ovNamedConstant(name) {
  ovAllDeclarations().primitiveNames.push_back(this);
}

ovExternalName::ovExternalName(const char* name) : ovNamedConstant(name) {
  ovAllDeclarations().externalNames.push_back(this);
}
