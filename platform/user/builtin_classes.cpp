// The window classes that exist before anything registers one: the
// built-in controls, dialogs and the windows of open menus.
#include "platform/controls/builtin_procs.h"
#include "platform/controls/control_support.h"
#include "platform/user/window_class.h"

namespace platform::user {
namespace {

struct BuiltInClass {
  const char* name;
  WORD atom;  // 0: the next free atom
  UINT style;
  WNDPROC proc;
  int extraBytes;
  LPCSTR cursor;
};

const BuiltInClass kBuiltInClasses[] = {
    {"Button", 0, CS_DBLCLKS, controls::buttonProc, controls::kStateBytes, IDC_ARROW},
    {"Edit", 0, CS_DBLCLKS, controls::editProc, controls::kStateBytes, IDC_IBEAM},
    {"Static", 0, 0, controls::staticProc, controls::kStateBytes, IDC_ARROW},
    {"#32770", static_cast<WORD>(reinterpret_cast<uintptr_t>(WC_DIALOG)), CS_DBLCLKS, dialogs::dialogProc,
     DLGWINDOWEXTRA + dialogs::kDialogStateBytes, IDC_ARROW},
    {menus::kPopupClassName, menus::kPopupClassAtom, CS_SAVEBITS, menus::popupProc, controls::kStateBytes, IDC_ARROW},
};

}  // namespace

void addBuiltInClasses(std::list<WindowClass>& classes, WORD (*nextAtom)()) {
  for (const BuiltInClass& c : kBuiltInClasses) {
    WindowClass& added = classes.emplace_back();
    added.name = c.name;
    added.atom = c.atom ? c.atom : nextAtom();
    added.info.style = c.style;
    added.info.lpfnWndProc = c.proc;
    added.info.cbWndExtra = c.extraBytes;
    added.info.hCursor = LoadCursorA(nullptr, c.cursor);
    added.info.lpszClassName = added.name.c_str();
  }
}

}  // namespace platform::user
