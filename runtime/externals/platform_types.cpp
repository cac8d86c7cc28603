// The platform's records as external types, each with its size on this
// platform: fields are read and written at their offsets in these structs.
#include "platform/win32.h"
#include "runtime/tables/declarations.h"

namespace {

const ovExternalDeclaration kAccel("ACCEL", sizeof(ACCEL));
const ovExternalDeclaration kMsg("MSG", sizeof(MSG));
const ovExternalDeclaration kPaintStruct("PAINTSTRUCT", sizeof(PAINTSTRUCT));
const ovExternalDeclaration kPoint("POINT", sizeof(POINT));
const ovExternalDeclaration kPrintDlg("PRINTDLG", sizeof(PRINTDLGA));
const ovExternalDeclaration kRect("RECT", sizeof(RECT));
const ovExternalDeclaration kWndClass("WNDCLASS", sizeof(WNDCLASSA));
const ovExternalDeclaration kWndProc("WNDPROC", sizeof(WNDPROC));
const ovExternalDeclaration kLogFont("LOGFONT", sizeof(LOGFONTA));

}  // namespace
