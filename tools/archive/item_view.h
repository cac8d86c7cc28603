// How the dumper prints each item of an archive block: in which form of the
// text form, chosen so that building the printed text gives the item's bytes
// back. What no other form reproduces exactly is printed as raw bytes.
#pragma once

#include <cstdint>
#include <string>

#include "runtime/archive/record_reader.h"
#include "runtime/tables/records.h"
#include "tools/archive/slot_names.h"

enum class ItemForm {
  Shared,      // TRUE, FALSE, NONE or UNDEFINED
  Plain,       // an integer, real, text, point, rect or colour
  List,        // ( ... )
  Instance,    // <<Class>> [ "Name": value ... ]
  Positional,  // <<Class>> slots ( ... )
  Bytes,       // external "TYPE" "HEX" or handle "TYPE" "HEX"
  Raw,         // raw TAG "HEX"
};

struct ItemView {
  DBRecord record;
  ItemForm form = ItemForm::Raw;
  int shared = -1;  // Shared: 0 TRUE, 1 FALSE, 2 NONE, 3 UNDEFINED
  const RTClass* cls = nullptr;
  const RTExternal* type = nullptr;
  uint32_t referenceCount = 0;  // List, Instance, Positional

  uint32_t Reference(uint32_t i) const;
};

// The view of a record in a block of itemCount items. *problem is set when
// the item is damaged or names a class or an external type the tables lack
// (it is then printed raw); it is left alone otherwise.
ItemView ovViewItem(const DBRecord& record, uint32_t itemCount, SlotNames& slotNames, std::string* problem);
