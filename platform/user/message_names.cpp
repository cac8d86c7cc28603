#include "platform/user/message_names.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace platform::user {
namespace {

struct Named {
  UINT message;
  const char* name;
};

// Every message the platform defines, in the order of their numbers.
constexpr Named kNames[] = {{WM_NULL, "WM_NULL"},
                            {WM_CREATE, "WM_CREATE"},
                            {WM_DESTROY, "WM_DESTROY"},
                            {WM_MOVE, "WM_MOVE"},
                            {WM_SIZE, "WM_SIZE"},
                            {WM_ACTIVATE, "WM_ACTIVATE"},
                            {WM_SETFOCUS, "WM_SETFOCUS"},
                            {WM_KILLFOCUS, "WM_KILLFOCUS"},
                            {WM_ENABLE, "WM_ENABLE"},
                            {WM_SETREDRAW, "WM_SETREDRAW"},
                            {WM_SETTEXT, "WM_SETTEXT"},
                            {WM_GETTEXT, "WM_GETTEXT"},
                            {WM_GETTEXTLENGTH, "WM_GETTEXTLENGTH"},
                            {WM_PAINT, "WM_PAINT"},
                            {WM_CLOSE, "WM_CLOSE"},
                            {WM_QUIT, "WM_QUIT"},
                            {WM_QUERYOPEN, "WM_QUERYOPEN"},
                            {WM_ERASEBKGND, "WM_ERASEBKGND"},
                            {WM_SYSCOLORCHANGE, "WM_SYSCOLORCHANGE"},
                            {WM_SHOWWINDOW, "WM_SHOWWINDOW"},
                            {WM_ACTIVATEAPP, "WM_ACTIVATEAPP"},
                            {WM_CANCELMODE, "WM_CANCELMODE"},
                            {WM_SETCURSOR, "WM_SETCURSOR"},
                            {WM_MOUSEACTIVATE, "WM_MOUSEACTIVATE"},
                            {WM_CHILDACTIVATE, "WM_CHILDACTIVATE"},
                            {WM_GETMINMAXINFO, "WM_GETMINMAXINFO"},
                            {WM_NEXTDLGCTL, "WM_NEXTDLGCTL"},
                            {WM_SETFONT, "WM_SETFONT"},
                            {WM_GETFONT, "WM_GETFONT"},
                            {WM_WINDOWPOSCHANGING, "WM_WINDOWPOSCHANGING"},
                            {WM_WINDOWPOSCHANGED, "WM_WINDOWPOSCHANGED"},
                            {WM_NOTIFY, "WM_NOTIFY"},
                            {WM_GETICON, "WM_GETICON"},
                            {WM_SETICON, "WM_SETICON"},
                            {WM_NCCREATE, "WM_NCCREATE"},
                            {WM_NCDESTROY, "WM_NCDESTROY"},
                            {WM_NCCALCSIZE, "WM_NCCALCSIZE"},
                            {WM_NCHITTEST, "WM_NCHITTEST"},
                            {WM_NCPAINT, "WM_NCPAINT"},
                            {WM_NCACTIVATE, "WM_NCACTIVATE"},
                            {WM_GETDLGCODE, "WM_GETDLGCODE"},
                            {WM_NCMOUSEMOVE, "WM_NCMOUSEMOVE"},
                            {WM_NCLBUTTONDOWN, "WM_NCLBUTTONDOWN"},
                            {WM_NCLBUTTONUP, "WM_NCLBUTTONUP"},
                            {WM_NCLBUTTONDBLCLK, "WM_NCLBUTTONDBLCLK"},
                            {WM_NCRBUTTONDOWN, "WM_NCRBUTTONDOWN"},
                            {WM_NCRBUTTONUP, "WM_NCRBUTTONUP"},
                            {WM_NCRBUTTONDBLCLK, "WM_NCRBUTTONDBLCLK"},
                            {WM_NCMBUTTONDOWN, "WM_NCMBUTTONDOWN"},
                            {WM_NCMBUTTONUP, "WM_NCMBUTTONUP"},
                            {WM_NCMBUTTONDBLCLK, "WM_NCMBUTTONDBLCLK"},
                            {EM_GETSEL, "EM_GETSEL"},
                            {EM_SETSEL, "EM_SETSEL"},
                            {EM_SCROLLCARET, "EM_SCROLLCARET"},
                            {EM_GETMODIFY, "EM_GETMODIFY"},
                            {EM_SETMODIFY, "EM_SETMODIFY"},
                            {EM_GETLINECOUNT, "EM_GETLINECOUNT"},
                            {EM_REPLACESEL, "EM_REPLACESEL"},
                            {EM_LIMITTEXT, "EM_LIMITTEXT"},
                            {EM_CANUNDO, "EM_CANUNDO"},
                            {EM_UNDO, "EM_UNDO"},
                            {EM_EMPTYUNDOBUFFER, "EM_EMPTYUNDOBUFFER"},
                            {EM_GETFIRSTVISIBLELINE, "EM_GETFIRSTVISIBLELINE"},
                            {EM_SETREADONLY, "EM_SETREADONLY"},
                            {EM_GETLIMITTEXT, "EM_GETLIMITTEXT"},
                            {EM_POSFROMCHAR, "EM_POSFROMCHAR"},
                            {EM_CHARFROMPOS, "EM_CHARFROMPOS"},
                            {BM_GETCHECK, "BM_GETCHECK"},
                            {BM_SETCHECK, "BM_SETCHECK"},
                            {BM_GETSTATE, "BM_GETSTATE"},
                            {BM_SETSTATE, "BM_SETSTATE"},
                            {BM_SETSTYLE, "BM_SETSTYLE"},
                            {BM_CLICK, "BM_CLICK"},
                            {WM_KEYDOWN, "WM_KEYDOWN"},
                            {WM_KEYUP, "WM_KEYUP"},
                            {WM_CHAR, "WM_CHAR"},
                            {WM_DEADCHAR, "WM_DEADCHAR"},
                            {WM_SYSKEYDOWN, "WM_SYSKEYDOWN"},
                            {WM_SYSKEYUP, "WM_SYSKEYUP"},
                            {WM_SYSCHAR, "WM_SYSCHAR"},
                            {WM_INITDIALOG, "WM_INITDIALOG"},
                            {WM_COMMAND, "WM_COMMAND"},
                            {WM_SYSCOMMAND, "WM_SYSCOMMAND"},
                            {WM_TIMER, "WM_TIMER"},
                            {WM_HSCROLL, "WM_HSCROLL"},
                            {WM_VSCROLL, "WM_VSCROLL"},
                            {WM_INITMENU, "WM_INITMENU"},
                            {WM_INITMENUPOPUP, "WM_INITMENUPOPUP"},
                            {WM_MENUSELECT, "WM_MENUSELECT"},
                            {WM_MENUCHAR, "WM_MENUCHAR"},
                            {WM_ENTERIDLE, "WM_ENTERIDLE"},
                            {WM_CTLCOLORMSGBOX, "WM_CTLCOLORMSGBOX"},
                            {WM_CTLCOLOREDIT, "WM_CTLCOLOREDIT"},
                            {WM_CTLCOLORLISTBOX, "WM_CTLCOLORLISTBOX"},
                            {WM_CTLCOLORBTN, "WM_CTLCOLORBTN"},
                            {WM_CTLCOLORDLG, "WM_CTLCOLORDLG"},
                            {WM_CTLCOLORSCROLLBAR, "WM_CTLCOLORSCROLLBAR"},
                            {WM_CTLCOLORSTATIC, "WM_CTLCOLORSTATIC"},
                            {WM_MOUSEMOVE, "WM_MOUSEMOVE"},
                            {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"},
                            {WM_LBUTTONUP, "WM_LBUTTONUP"},
                            {WM_LBUTTONDBLCLK, "WM_LBUTTONDBLCLK"},
                            {WM_RBUTTONDOWN, "WM_RBUTTONDOWN"},
                            {WM_RBUTTONUP, "WM_RBUTTONUP"},
                            {WM_RBUTTONDBLCLK, "WM_RBUTTONDBLCLK"},
                            {WM_MBUTTONDOWN, "WM_MBUTTONDOWN"},
                            {WM_MBUTTONUP, "WM_MBUTTONUP"},
                            {WM_MBUTTONDBLCLK, "WM_MBUTTONDBLCLK"},
                            {WM_PARENTNOTIFY, "WM_PARENTNOTIFY"},
                            {WM_ENTERMENULOOP, "WM_ENTERMENULOOP"},
                            {WM_EXITMENULOOP, "WM_EXITMENULOOP"},
                            {WM_CAPTURECHANGED, "WM_CAPTURECHANGED"},
                            {WM_MDICREATE, "WM_MDICREATE"},
                            {WM_MDIDESTROY, "WM_MDIDESTROY"},
                            {WM_MDIACTIVATE, "WM_MDIACTIVATE"},
                            {WM_CUT, "WM_CUT"},
                            {WM_COPY, "WM_COPY"},
                            {WM_PASTE, "WM_PASTE"},
                            {WM_CLEAR, "WM_CLEAR"},
                            {WM_UNDO, "WM_UNDO"},
                            {WM_DESTROYCLIPBOARD, "WM_DESTROYCLIPBOARD"},
                            {WM_GETDRAWNITEMS, "WM_GETDRAWNITEMS"},
                            {WM_USER, "WM_USER"},
                            {WM_APP, "WM_APP"}};

constexpr bool ordered() {
  for (size_t i = 1; i < std::size(kNames); ++i)
    if (kNames[i - 1].message >= kNames[i].message) return false;
  return true;
}
static_assert(ordered(), "kNames is searched by halves: keep it in the order of the numbers, one row each");

std::string numbered(const char* format, UINT number) {
  char buffer[24];
  std::snprintf(buffer, sizeof buffer, format, number);
  return buffer;
}

}  // namespace

std::string messageName(UINT message) {
  auto found = std::lower_bound(std::begin(kNames), std::end(kNames), message,
                                [](const Named& named, UINT m) { return named.message < m; });
  if (found != std::end(kNames) && found->message == message) return found->name;
  if (message >= WM_APP && message <= 0xBFFF) return numbered("WM_APP+%u", message - WM_APP);
  if (message >= WM_USER && message < WM_APP) return numbered("WM_USER+%u", message - WM_USER);
  return numbered("0x%04x", message);
}

}  // namespace platform::user
