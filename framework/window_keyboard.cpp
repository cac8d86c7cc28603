// A window's keyboard target and its accelerators.
#include "runtime/tables/declarations.h"

namespace {

const ovClassDeclaration kAcceleratorEntryClass({
    .name = "Accelerator Entry",
    .attributes = {"Control?", "Alt?", "Shift?", "Invert Menu?", "Case Sensitive?", "Character", "ID"},
});

}  // namespace
