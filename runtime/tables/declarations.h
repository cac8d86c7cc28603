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

// A method name that code sends: its selector number once the tables exist.
class ovMethodSelector {
 public:
  explicit ovMethodSelector(const char* name);
  const char* name() const { return name_; }
  uint32_t number() const { return number_; }
  void Resolve(uint32_t number) { number_ = number; }

 private:
  const char* name_;
  uint32_t number_ = 0;
};

// An attribute name that code reads or writes.
class ovAttributeSelector {
 public:
  explicit ovAttributeSelector(const char* name);
  const char* name() const { return name_; }
  uint32_t number() const { return number_; }
  void Resolve(uint32_t number) { number_ = number; }

 private:
  const char* name_;
  uint32_t number_ = 0;
};

// A class that code names: its record once the tables exist.
class ovClassName {
 public:
  explicit ovClassName(const char* name);
  const char* name() const { return name_; }
  RTClass* record() const { return record_; }
  void Resolve(RTClass* record) { record_ = record; }

 private:
  const char* name_;
  RTClass* record_ = nullptr;
};

// A primitive that code calls by name: its routine once the tables exist.
class ovPrimitiveName {
 public:
  explicit ovPrimitiveName(const char* name);
  const char* name() const { return name_; }
  ovRoutine routine() const { return routine_; }
  void Resolve(ovRoutine routine) { routine_ = routine; }

 private:
  const char* name_;
  ovRoutine routine_ = nullptr;
};

// An external type that code names: its record and 0-based number.
class ovExternalName {
 public:
  explicit ovExternalName(const char* name);
  const char* name() const { return name_; }
  RTExternal* record() const { return record_; }
  uint32_t number() const { return number_; }
  void Resolve(RTExternal* record, uint32_t number) {
    record_ = record;
    number_ = number;
  }

 private:
  const char* name_;
  RTExternal* record_ = nullptr;
  uint32_t number_ = 0;
};

// Everything declared so far, in declaration order (which is not defined
// across files; the tables sort it).
struct ovDeclarations {
  std::vector<const ovClassDeclaration*> classes;
  std::vector<const ovUniversalDeclaration*> universals;
  std::vector<const ovPrimitiveDeclaration*> primitives;
  std::vector<const ovPersistentDeclaration*> persistents;
  std::vector<const ovExternalDeclaration*> externals;
  std::vector<ovMethodSelector*> methodSelectors;
  std::vector<ovAttributeSelector*> attributeSelectors;
  std::vector<ovClassName*> classNames;
  std::vector<ovPrimitiveName*> primitiveNames;
  std::vector<ovExternalName*> externalNames;
};

ovDeclarations& ovAllDeclarations();
