// Building the run-time tables from the declarations at start-up.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <string_view>

#include "runtime/tables/declarations.h"
#include "runtime/tables/header.h"
#include "runtime/tables/method_cache.h"

RTHeader* RTHeader::gRTHeader = nullptr;

namespace {

[[noreturn]] void declarationFault(const std::string& what) {
  std::fprintf(stderr, "orvane: the program's declarations are inconsistent: %s\n", what.c_str());
  std::exit(EXIT_FAILURE);
}

// Interns names into the header's name table. Records are placed once all
// names are known, because the table must not move afterwards.
class NameTable {
 public:
  void Add(std::string_view name) { offsets_.emplace(std::string(name), 0); }

  void Place(std::vector<uint32_t>& storage) {
    uint32_t words = 0;
    for (auto& [name, offset] : offsets_) {
      offset = words;
      words += RTName::SizeFor(static_cast<uint32_t>(name.size())) / 4;
    }
    storage.assign(words, 0);
    for (auto& [name, offset] : offsets_)
      reinterpret_cast<RTName*>(&storage[offset])->SetName(name.data(), static_cast<uint32_t>(name.size()));
    storage_ = &storage;
  }

  const RTName* Of(std::string_view name) const {
    return reinterpret_cast<const RTName*>(&(*storage_)[offsets_.at(std::string(name))]);
  }

 private:
  std::map<std::string, uint32_t> offsets_;
  const std::vector<uint32_t>* storage_ = nullptr;
};

template <typename Record>
void sortByName(std::vector<Record>& records) {
  std::sort(records.begin(), records.end(), [](const Record& a, const Record& b) { return a.name->Compare(*b.name) < 0; });
}

// The names of one kind, sorted and without repeats.
class SelectorNames {
 public:
  void Add(std::string_view name) { names_.insert(std::string(name)); }
  const std::set<std::string>& Names() const { return names_; }

 private:
  std::set<std::string> names_;
};

class Builder {
 public:
  explicit Builder(RTHeader& header) : h_(header), d_(ovAllDeclarations()) {}

  void Run() {
    CollectNames();
    names_.Place(h_.nameTable);
    BuildSelectorTable(methodNames_, h_.methodSelectors);
    BuildSelectorTable(attributeNames_, h_.attributeSelectors);
    BuildSelectorTable(getMethodNames_, h_.getMethodSelectors);
    BuildClasses();
    BuildMethodTables();
    BuildPersistents();
    BuildExternals();
    ResolveNamedConstants();
  }

 private:
  void CollectNames() {
    std::set<std::string> classNames;
    for (const auto* c : d_.classes) {
      const ovClassSpec& s = c->spec();
      if (!classNames.insert(s.name).second) declarationFault(std::string("class \"") + s.name + "\" is declared twice");
      names_.Add(s.name);
      for (const char* a : s.attributes) AddAttribute(a);
      for (const char* a : s.classAttributes) AddAttribute(a);
      for (const auto& m : s.methods) AddMethod(m.name);
      methodsOf_[s.name] = s.methods;
      for (const auto& m : s.getMethods) {
        names_.Add(m.name);
        getMethodNames_.Add(m.name);
      }
    }
    for (const auto* more : d_.classMethods) {
      auto found = methodsOf_.find(more->className);
      if (found == methodsOf_.end())
        declarationFault(std::string("methods are added to the undeclared class \"") + more->className + "\"");
      for (const auto& m : more->methods) {
        AddMethod(m.name);
        found->second.push_back(m);
      }
    }
    for (const auto* u : d_.universals) AddMethod(u->name);
    for (const auto* u : d_.universalNames) AddMethod(u->name());
    for (const auto* p : d_.primitives) {
      names_.Add(p->name);
      if (p->inLookupTable) methodNames_.Add(p->name);
    }
    for (const auto* p : d_.persistents) names_.Add(p->name);
    for (const auto* e : d_.externals) names_.Add(e->name);
    for (const auto* s : d_.methodSelectors) AddMethod(s->name());
    for (const auto* s : d_.attributeSelectors) AddAttribute(s->name());
  }

  void AddMethod(std::string_view name) {
    names_.Add(name);
    methodNames_.Add(name);
  }

  void AddAttribute(std::string_view name) {
    names_.Add(name);
    attributeNames_.Add(name);
  }

  // Numbers follow the name order of the records, which is the order of
  // RTName::Compare, not necessarily that of std::string.
  void BuildSelectorTable(const SelectorNames& names, RTSelectorTable& table) {
    for (const auto& name : names.Names()) table.records.push_back({names_.Of(name), 0});
    sortByName(table.records);
    for (uint32_t i = 0; i < table.Count(); ++i) table.records[i].number = i + 1;
  }

  uint32_t SelectorOf(const RTSelectorTable& table, std::string_view name) const {
    const RTName* key = names_.Of(name);
    uint32_t index = 0;
    auto compare = [&](const RTName& k, uint32_t i) { return k.Compare(*table.records[i].name); };
    if (!RTTable::BinarySearch(compare, table.Count(), *key, &index)) declarationFault("unnumbered name");
    return table.records[index].number;
  }

  void BuildClasses() {
    std::vector<const ovClassSpec*> specs;
    for (const auto* c : d_.classes) specs.push_back(&c->spec());
    std::sort(specs.begin(), specs.end(),
              [&](const ovClassSpec* a, const ovClassSpec* b) { return names_.Of(a->name)->Compare(*names_.Of(b->name)) < 0; });
    h_.classRecords.assign(specs.size(), RTClass{});
    std::map<std::string, RTClass*> byName;
    for (size_t i = 0; i < specs.size(); ++i) {
      RTClass& cls = h_.classRecords[i];
      cls.kind = 1;
      cls.name = names_.Of(specs[i]->name);
      byName[specs[i]->name] = &cls;
      h_.classTable.classes.push_back(&cls);
    }
    for (size_t i = 0; i < specs.size(); ++i) LinkSuperclass(*specs[i], h_.classRecords[i], byName);
    ReserveRuns(specs);
    for (size_t i = 0; i < specs.size(); ++i) FillRuns(*specs[i], h_.classRecords[i]);
  }

  void LinkSuperclass(const ovClassSpec& spec, RTClass& cls, const std::map<std::string, RTClass*>& byName) {
    if (!spec.superclass) return;
    auto found = byName.find(spec.superclass);
    if (found == byName.end())
      declarationFault(std::string("class \"") + spec.name + "\" names the unknown superclass \"" + spec.superclass + "\"");
    cls.superclass = found->second;
    for (const RTClass* up = cls.superclass; up; up = up->superclass)
      if (up == &cls) declarationFault(std::string("class \"") + spec.name + "\" is its own ancestor");
  }

  // The record arrays must not move once classes point into them.
  void ReserveRuns(const std::vector<const ovClassSpec*>& specs) {
    size_t methods = 0, getMethods = 0, instAttrs = 0, classAttrs = 0;
    for (const auto* s : specs) {
      methods += methodsOf_.at(s->name).size() + (s->initMethod ? 1 : 0);
      getMethods += s->getMethods.size();
      instAttrs += s->attributes.size();
      classAttrs += s->classAttributes.size();
    }
    h_.methods.reserve(methods);
    h_.getMethods.reserve(getMethods);
    h_.instAttrs.reserve(instAttrs);
    h_.classAttrs.reserve(classAttrs);
    h_.classAttrValues.assign(classAttrs, nullptr);
  }

  void FillRuns(const ovClassSpec& spec, RTClass& cls) {
    uint32_t firstSlot = 0;
    for (const RTClass* up = cls.superclass; up; up = up->superclass) firstSlot += OwnAttributeCount(up);
    cls.slotCount = firstSlot + static_cast<uint32_t>(spec.attributes.size());

    size_t start = h_.instAttrs.size();
    for (size_t k = 0; k < spec.attributes.size(); ++k)
      h_.instAttrs.push_back({names_.Of(spec.attributes[k]), SelectorOf(h_.attributeSelectors, spec.attributes[k]),
                              firstSlot + static_cast<uint32_t>(k)});
    cls.instAttrs = SortedRun(h_.instAttrs, start, cls.instAttrCount, spec.name);

    start = h_.classAttrs.size();
    for (const char* a : spec.classAttributes)
      h_.classAttrs.push_back({names_.Of(a), SelectorOf(h_.attributeSelectors, a), &h_.classAttrValues[h_.classAttrs.size()]});
    cls.classAttrs = SortedRun(h_.classAttrs, start, cls.classAttrCount, spec.name);

    cls.methods = MethodRun(methodsOf_.at(spec.name), h_.methods, h_.methodSelectors, cls.methodCount, spec.name);
    cls.getMethods = MethodRun(spec.getMethods, h_.getMethods, h_.getMethodSelectors, cls.getMethodCount, spec.name);
    if (spec.initMethod) {
      h_.methods.push_back({cls.name, 0, spec.initMethod});
      cls.hasInitMethod = 1;
      cls.initMethod = &h_.methods.back();
    }
  }

  uint32_t OwnAttributeCount(const RTClass* cls) const {
    for (const auto* c : d_.classes)
      if (names_.Of(c->spec().name) == cls->name) return static_cast<uint32_t>(c->spec().attributes.size());
    return 0;
  }

  template <typename Record>
  const Record* SortedRun(std::vector<Record>& array, size_t start, uint32_t& count, const char* className) {
    count = static_cast<uint32_t>(array.size() - start);
    std::sort(array.begin() + static_cast<ptrdiff_t>(start), array.end(),
              [](const Record& a, const Record& b) { return a.name->Compare(*b.name) < 0; });
    for (size_t k = start + 1; k < array.size(); ++k)
      if (array[k - 1].name == array[k].name)
        declarationFault(std::string("class \"") + className + "\" declares \"" +
                         std::string(array[k].name->chars, array[k].name->length) + "\" twice");
    return count ? &array[start] : nullptr;
  }

  const RTMethod* MethodRun(const std::vector<ovMethodDeclaration>& declared, std::vector<RTMethod>& array,
                            const RTSelectorTable& selectors, uint32_t& count, const char* className) {
    size_t start = array.size();
    for (const auto& m : declared) array.push_back({names_.Of(m.name), SelectorOf(selectors, m.name), m.code});
    return SortedRun(array, start, count, className);
  }

  void BuildMethodTables() {
    for (const auto* u : d_.universals)
      h_.universalTable.records.push_back({names_.Of(u->name), SelectorOf(h_.methodSelectors, u->name), u->code});
    for (const auto* p : d_.primitives) {
      h_.allPrimitives.records.push_back({names_.Of(p->name), 0, p->code});
      if (p->inLookupTable)
        h_.primitiveTable.records.push_back({names_.Of(p->name), SelectorOf(h_.methodSelectors, p->name), p->code});
    }
    CheckedSort(h_.universalTable.records, "universal method");
    CheckedSort(h_.primitiveTable.records, "primitive");
    CheckedSort(h_.allPrimitives.records, "primitive");
    for (RTClass* cls : h_.classTable.classes) cls->context = h_.universalTable.context;
  }

  template <typename Record>
  void CheckedSort(std::vector<Record>& records, const char* what) {
    uint32_t count = 0;
    SortedRun(records, 0, count, what);
  }

  void BuildPersistents() {
    for (const auto* p : d_.persistents) h_.persistentTable.records.push_back({names_.Of(p->name), p->slot});
    CheckedSort(h_.persistentTable.records, "persistent");
  }

  void BuildExternals() {
    for (const auto* e : d_.externals) h_.externalTable.records.push_back({names_.Of(e->name), e->size});
    CheckedSort(h_.externalTable.records, "external type");
    h_.externalTable.FindByName("ABlock", const_cast<const RTExternal**>(&h_.aBlockType));
  }

  void ResolveNamedConstants() {
    for (auto* s : d_.methodSelectors) s->Resolve(SelectorOf(h_.methodSelectors, s->name()));
    for (auto* s : d_.attributeSelectors) s->Resolve(SelectorOf(h_.attributeSelectors, s->name()));
    for (auto* c : d_.classNames) c->Resolve(Required(FindClass(c->name()), "class", c->name()));
    // A universal nothing declares does nothing, as a send of it would; the
    // framework's inventory test reports such a name.
    for (auto* u : d_.universalNames) u->Resolve(FindUniversal(u->name()));
    for (auto* p : d_.primitiveNames) p->Resolve(Required(ovFindPrimitive(p->name()), "primitive", p->name()));
    for (auto* e : d_.externalNames) {
      const RTExternal* record = nullptr;
      h_.externalTable.FindByName(e->name(), &record);
      Required(record, "external type", e->name());
      e->Resolve({const_cast<RTExternal*>(record), static_cast<uint32_t>(h_.externalTable.IndexOf(record))});
    }
  }

  ovRoutine FindUniversal(const char* name) const {
    for (const RTMethod& m : h_.universalTable.records)
      if (std::string_view(m.name->chars, m.name->length) == name) return m.code;
    return UCDoNothing;
  }

  RTClass* FindClass(const char* name) {
    for (RTClass* cls : h_.classTable.classes)
      if (std::string_view(cls->name->chars, cls->name->length) == name) return cls;
    return nullptr;
  }

  template <typename T>
  static T Required(T found, const char* what, const char* name) {
    if (!found) declarationFault(std::string("code names the undeclared ") + what + " \"" + name + "\"");
    return found;
  }

  RTHeader& h_;
  ovDeclarations& d_;
  NameTable names_;
  // Each class's methods: its own declaration's and those added elsewhere.
  std::map<std::string, std::vector<ovMethodDeclaration>> methodsOf_;
  SelectorNames methodNames_;
  SelectorNames attributeNames_;
  SelectorNames getMethodNames_;
};

}  // namespace

void RTHeader::Initialize() {
  Release();
  gRTHeader = new RTHeader;
  Builder(*gRTHeader).Run();
}

void RTHeader::Release() {
  delete gRTHeader;
  gRTHeader = nullptr;
  ovMethodCacheInvalidate();
}
