// The run-time header and its tables: classes, persistents, universal
// methods, primitives, the four selector tables and external types, with
// their lookups by name, by number and by method path.
//
// Every table is sorted by the name order of RTName::Compare. A selector
// number is the 1-based position of a name in its selector table; an
// external type's number is its 0-based position in the external table; a
// class's position in the class table is 0-based too, but the archive names
// a class by its position plus one.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "runtime/tables/records.h"

struct ovC_object;

class RTClassTable {
 public:
  uint32_t Count() const { return static_cast<uint32_t>(classes.size()); }
  int FindClassByName(const ovC_object* text, RTClass** record) const;
  RTClass* GetNthClass(uint32_t n) const { return n < Count() ? classes[n] : nullptr; }
  // Position of a record in the table, or -1.
  int32_t IndexOf(const RTClass* record) const;
  // Names of every class that has cls as an ancestor, in table order.
  ovC_object* MakeDescendantNameList(const RTClass* cls) const;

  std::vector<RTClass*> classes;
};

// The universal and the primitive table share one layout and one search.
class RTMethodTable {
 public:
  uint32_t Count() const { return static_cast<uint32_t>(records.size()); }
  int FindByName(const ovC_object* text, const RTMethod** method) const;
  // First record of that selector, by a linear scan.
  int FindBySelector(uint32_t selector, const RTMethod** method) const;

  uint32_t context = 0;
  std::vector<RTMethod> records;
};
using RTUniversalTable = RTMethodTable;
using RTPrimitiveTable = RTMethodTable;

class RTPersistentTable {
 public:
  uint32_t Count() const { return static_cast<uint32_t>(records.size()); }
  int FindByName(const ovC_object* text, const RTPersistent** persistent) const;

  std::vector<RTPersistent> records;
};

class RTSelectorTable {
 public:
  uint32_t Count() const { return static_cast<uint32_t>(records.size()); }
  // Sets *number to 0 first; 1 with the number when found.
  int FindSelectorByName(const ovC_object* text, uint32_t* number) const;
  // The name of a selector number, or nullptr.
  const RTName* NameOf(uint32_t number) const { return number >= 1 && number <= Count() ? records[number - 1].name : nullptr; }

  std::vector<RTSelector> records;
};

class RTExternalTable {
 public:
  uint32_t Count() const { return static_cast<uint32_t>(records.size()); }
  int FindByName(const char* name, const RTExternal** external) const;
  RTExternal* GetNthType(uint32_t n) { return n < Count() ? &records[n] : nullptr; }
  int32_t IndexOf(const RTExternal* record) const;

  std::vector<RTExternal> records;
};

class RTHeader {
 public:
  RTClassTable classTable;
  RTPersistentTable persistentTable;
  RTUniversalTable universalTable;
  RTPrimitiveTable primitiveTable;
  RTSelectorTable attributeSelectors;
  RTSelectorTable methodSelectors;
  RTSelectorTable getMethodSelectors;
  RTSelectorTable setMethodSelectors;
  RTExternalTable externalTable;
  std::vector<uint32_t> nameTable;  // the name records, back to back
  std::vector<RTClassAttr> classAttrs;
  std::vector<RTInstAttr> instAttrs;
  std::vector<RTMethod> methods;
  std::vector<RTMethod> getMethods;
  std::vector<RTMethod> setMethods;

  // Storage behind the records above.
  std::vector<RTClass> classRecords;
  std::vector<ovC_object*> classAttrValues;
  // Every primitive by name (the primitive table holds only those that
  // method lookup may find).
  RTMethodTable allPrimitives;
  RTExternal* aBlockType = nullptr;

  static RTHeader* gRTHeader;

  // Builds the header and its tables from every declaration. A declaration
  // that cannot be honoured (an unknown superclass, a name declared twice)
  // ends the process with a message: it is a fault of the program itself.
  static void Initialize();
  // Installs the archived data: persistent values, class attribute values
  // (class by class in table order) and default instances, each taking one
  // use of what it keeps; a list of the wrong length installs nothing.
  static void InitializeData(ovC_object* persistents, ovC_object* classAttributes, ovC_object* defaults);
  // Forgets the header; the values it held die with the heap.
  static void Release();

  static RTClassTable* GetClassTable() { return &gRTHeader->classTable; }
  static RTPersistentTable* GetPersistentTable() { return &gRTHeader->persistentTable; }
  static RTUniversalTable* GetUniversalTable() { return &gRTHeader->universalTable; }
  static RTPrimitiveTable* GetPrimitiveTable() { return &gRTHeader->primitiveTable; }
  static RTSelectorTable* GetAttributeSelectorTable() { return &gRTHeader->attributeSelectors; }
  static RTSelectorTable* GetMethodSelectorTable() { return &gRTHeader->methodSelectors; }
  static RTSelectorTable* GetGetMethodSelectorTable() { return &gRTHeader->getMethodSelectors; }
  static RTExternalTable* GetExternalTable() { return &gRTHeader->externalTable; }

  // Method paths: each answers 1 with the method and its context word, or 0
  // with the outputs untouched.
  static int LookupPathTop(const ovC_object* name, const RTMethod** method, uint32_t* context);
  static int LookupPathCurrent(const RTClass* cls, const ovC_object* name, const RTMethod** method, uint32_t* context);
  static int LookupPathName(const ovC_object* className, const ovC_object* name, const RTMethod** method,
                            uint32_t* context);
  static int LookupPathInstance(const ovC_object* receiver, const ovC_object* name, const RTMethod** method,
                                uint32_t* context);
};

// The routine of a primitive by name, or nullptr.
ovRoutine ovFindPrimitive(const char* name);
// The external type of a name (a text), or nullptr.
RTExternal* ovGetExternalTypeFromName(const ovC_object* text);
// The "ABlock" type, looked up once: the type of pointers made without one.
RTExternal* ovGetABlockType();
// The class an input names: an instance's class, or the class a text names.
RTClass* ovCheckInputClass(const ovC_object* v);
RTClass* ovFindClassByPStringName(const unsigned char* p);
RTExternal* ovFindExternalByPStringName(const unsigned char* p);
