// The printer.

#include "framework/persistents.h"
#include "runtime/tables/declarations.h"

ovC_object* gPrinterDc = nullptr;

namespace {

const ovPersistentDeclaration kPrinterDcPersistent("Printer DC", &gPrinterDc);

const ovClassDeclaration kPrinterClass({
    .name = "Printer",
    .attributes = {"Print Record", "Print Port"},
});

}  // namespace
