// The printer: the print-dialog record and the printer's device context.
// The record is prepared for the platform's print dialog; no print job is
// started here. "Printer DC" owns at most one device context at a time:
// replacing it deletes the one it held.
#include "framework/persistents.h"
#include "platform/win32.h"
#include "runtime/methods/kit.h"
#include "runtime/methods/platform_values.h"
#include "runtime/methods/records.h"

ovPersistent gPrinterDc("Printer DC");

namespace {

constexpr int32_t kReturnDc = 0x100;  // PD_RETURNDC: the dialog answers a device context
constexpr WORD kLastPage = 9999;

// The record as the print dialog is to start: pages 1 to 1 of at most
// 9999, one copy, no owner, device, hooks or templates.
PRINTDLGA startingRecord(DWORD flags) {
  return PRINTDLGA{.lStructSize = sizeof(PRINTDLGA),
                   .hwndOwner = nullptr,
                   .hDevMode = nullptr,
                   .hDevNames = nullptr,
                   .hDC = nullptr,
                   .Flags = flags,
                   .nFromPage = 1,
                   .nToPage = 1,
                   .nMinPage = 1,
                   .nMaxPage = kLastPage,
                   .nCopies = 1,
                   .hInstance = nullptr,
                   .lCustData = 0,
                   .lpfnPrintHook = nullptr,
                   .lpfnSetupHook = nullptr,
                   .lpPrintTemplateName = nullptr,
                   .lpSetupTemplateName = nullptr,
                   .hPrintTemplate = nullptr,
                   .hSetupTemplate = nullptr};
}

// The whole record at once; a record too small to hold it is left alone.
constexpr ovField kWholeRecord{0, sizeof(PRINTDLGA)};

namespace printer {

ovStatus Open(const ov::Args& a) {
  ovRef record = ov::get("Print Record"_attr, a.receiver());
  if (!record) {
    record = ov::newRecord("PRINTDLG"_ext);
    ov::set("Print Record"_attr, a.receiver(), record);
  }
  auto flags = static_cast<DWORD>(ov::toInt(ov::send("Get Flags"_sel, a.receiver()).get()));
  ov::setField(record, kWholeRecord, startingRecord(flags));
  return ovSuccess;
}

ovStatus Close(const ov::Args& a) {
  ov::tell("Set Printer DC"_sel, a.receiver(), {nullptr});
  if (ovRef record = ov::get("Print Record"_attr, a.receiver())) {
    ov::disposeRecord(record);
    ov::set("Print Record"_attr, a.receiver(), nullptr);
  }
  return ovSuccess;
}

// A new device context replaces the one held, which is deleted; the one
// already held changes nothing.
ovStatus SetPrinterDc(const ov::Args& a) {
  HDC held = ov::toHandle<HDC>(gPrinterDc.peek());
  HDC given = ov::toHandle<HDC>(a[1]);
  if (given == held) return ovSuccess;
  if (held) DeleteDC(held);
  gPrinterDc.set(given ? a[1] : nullptr);
  return ovSuccess;
}

ovStatus GetFlags(const ov::Args& a) {
  a.put(0, ov::integer(kReturnDc));
  return ovSuccess;
}

}  // namespace printer

const ovClassDeclaration kPrinterClass({
    .name = "Printer"_cls,
    .attributes = {"Print Record"_attr, "Print Port"_attr},
    .methods = ov::methods({{"Open"_sel, ov::routine<printer::Open>},
                            {"Close"_sel, ov::routine<printer::Close>},
                            {"Set Printer DC"_sel, ov::routine<printer::SetPrinterDc>},
                            {"Get Flags"_sel, ov::routine<printer::GetFlags>}},
                           ov::doingNothing<"Error">()),
});

}  // namespace
