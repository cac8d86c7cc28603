// The run-time's own external types: "ABlock", a plain block of bytes (the
// type of pointers made without one), and "Boolean", a Windows BOOL.
#include "platform/win32.h"
#include "runtime/tables/declarations.h"

namespace {

const ovExternalDeclaration kABlock("ABlock", 0);
const ovExternalDeclaration kBoolean("Boolean", sizeof(BOOL));

}  // namespace
