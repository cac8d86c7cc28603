// The application's clipboard: its private formats and the text on the
// platform clipboard.
#include "runtime/tables/declarations.h"

namespace {

const ovClassDeclaration kClipboardClass({
    .name = "Clipboard",
    .attributes = {"Format String", "Registered Format"},
});

}  // namespace
