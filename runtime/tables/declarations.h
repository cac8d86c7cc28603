// Declarations: how the code that implements a class, a universal method, a
// primitive, a persistent or an external type makes it known to the run-time
// tables. Each is declared once, as a static object next to its code; at
// start-up RTHeader::Initialize gathers every declaration, sorts the tables
// and numbers the selectors.
//
// Method bodies name selectors and classes through constants of the same
// kind (ovMethodSelector, ovAttributeSelector, ovClassName, ...); these also
// register their names, so a name that code calls but no class defines
// still gets a selector number, and they hold the number (or record) once
// the tables exist.
#pragma once

#include <cstdint>
#include <vector>

#include "runtime/methods/protocol.h"
#include "runtime/tables/records.h"

struct ovMethodDeclaration {
  const char* name;
  ovRoutine code;
};

// Everything a class declares. Own instance attributes are listed in slot
// order; they follow the superclass's slots.
struct ovClassSpec {
  const char* name = nullptr;
  const char* superclass = nullptr;  // nullptr for a root class
  std::vector<const char*> attributes;
  std::vector<const char*> classAttributes;
  std::vector<ovMethodDeclaration> methods;
  std::vector<ovMethodDeclaration> getMethods;
  ovRoutine initMethod = nullptr;  // called on every new instance
};

class ovClassDeclaration {
 public:
  explicit ovClassDeclaration(ovClassSpec spec);
  const ovClassSpec& spec() const { return spec_; }

 private:
  ovClassSpec spec_;
};

// More methods of a class declared elsewhere: a class too big for one file
// declares itself once and each further file adds its methods with one of
// these. The tables merge them into the class's one run of methods.
class ovClassMethods {
 public:
  ovClassMethods(const char* className, std::vector<ovMethodDeclaration> methods);
  const char* className;
  std::vector<ovMethodDeclaration> methods;
};

class ovUniversalDeclaration {
 public:
  ovUniversalDeclaration(const char* name, ovRoutine code);
  const char* name;
  ovRoutine code;
};

// A primitive: a routine compiled bodies call directly by its name. Only a
// primitive that stands in the lookup table (for example "+") is also found
// when a method name is sent to a value that is not an instance.
class ovPrimitiveDeclaration {
 public:
  ovPrimitiveDeclaration(const char* name, ovRoutine code, bool inLookupTable = false);
  const char* name;
  ovRoutine code;
  bool inLookupTable;
};

class ovPersistentDeclaration {
 public:
  ovPersistentDeclaration(const char* name, ovC_object** slot);
  const char* name;
  ovC_object** slot;
};

class ovExternalDeclaration {
 public:
  ovExternalDeclaration(const char* name, uint32_t size);
  const char* name;
  uint32_t size;
};

// A name that code uses, and what the tables resolve it to once they exist.
// Objects of these kinds must live at namespace scope: they register their
// names while the program starts, before the tables are built.
//
// Constants are declared const, so what the tables resolve is a mutable
// member: writing it is then defined behaviour.
template <typename Value>
class ovNamedConstant {
 public:
  const char* name() const { return name_; }
  void Resolve(Value value) const { value_ = value; }

 protected:
  explicit ovNamedConstant(const char* name) : name_(name) {}
  mutable Value value_{};

 private:
  const char* name_;
};

// A method name that code sends: its selector number.
class ovMethodSelector : public ovNamedConstant<uint32_t> {
 public:
  explicit ovMethodSelector(const char* name);
  uint32_t number() const { return value_; }
};

// An attribute name that code reads or writes: its selector number.
class ovAttributeSelector : public ovNamedConstant<uint32_t> {
 public:
  explicit ovAttributeSelector(const char* name);
  uint32_t number() const { return value_; }
};

// A class that code names: its record.
class ovClassName : public ovNamedConstant<RTClass*> {
 public:
  explicit ovClassName(const char* name);
  RTClass* record() const { return value_; }
};

// A universal method that code calls directly, whatever its inputs are: its
// routine. (A send with an instance as first input would reach the
// instance's class instead.)
class ovUniversalName : public ovNamedConstant<ovRoutine> {
 public:
  explicit ovUniversalName(const char* name);
  ovRoutine routine() const { return value_; }
};

// A primitive that code calls by name: its routine.
class ovPrimitiveName : public ovNamedConstant<ovRoutine> {
 public:
  explicit ovPrimitiveName(const char* name);
  ovRoutine routine() const { return value_; }
};

// An external type that code names: its record and 0-based number.
struct ovExternalRef {
  RTExternal* record = nullptr;
  uint32_t number = 0;
};
class ovExternalName : public ovNamedConstant<ovExternalRef> {
 public:
  explicit ovExternalName(const char* name);
  RTExternal* record() const { return value_.record; }
  uint32_t number() const { return value_.number; }
};

// Everything declared so far, in declaration order (which is not defined
// across files; the tables sort it).
struct ovDeclarations {
  std::vector<const ovClassDeclaration*> classes;
  std::vector<const ovClassMethods*> classMethods;
  std::vector<const ovUniversalDeclaration*> universals;
  std::vector<const ovPrimitiveDeclaration*> primitives;
  std::vector<const ovPersistentDeclaration*> persistents;
  std::vector<const ovExternalDeclaration*> externals;
  std::vector<const ovMethodSelector*> methodSelectors;
  std::vector<const ovAttributeSelector*> attributeSelectors;
  std::vector<const ovClassName*> classNames;
  std::vector<const ovUniversalName*> universalNames;
  std::vector<const ovPrimitiveName*> primitiveNames;
  std::vector<const ovExternalName*> externalNames;
};

ovDeclarations& ovAllDeclarations();
