// The printer: the print-dialog record and the printer's device context.
#include "framework/persistents.h"
#include "runtime/tables/declarations.h"

ovPersistent gPrinterDc("Printer DC");

namespace {

const ovClassDeclaration kPrinterClass({
    .name = "Printer",
    .attributes = {"Print Record", "Print Port"},
});

}  // namespace
