// The clipboard.

#include "runtime/tables/declarations.h"

namespace {

const ovClassDeclaration kClipboardClass({
    .name = "Clipboard",
    .attributes = {"Format String", "Registered Format"},
});

}  // namespace
