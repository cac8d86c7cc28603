// Files: the base class and its error report.
#include "runtime/tables/declarations.h"

namespace {

const ovClassDeclaration kFileClass({
    .name = "File",
    .attributes = {"File Specification", "File Type", "Read Only?", "Report Errors?", "File Reference", "Last Error",
                   "Filters"},
});

}  // namespace
