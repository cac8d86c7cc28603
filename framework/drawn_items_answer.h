// The window procedure's answer to WM_GETDRAWNITEMS: what a screen reader
// needs of a framework window beyond its controls. Every visible item of
// the window's views (nested views included) that shows a text of its own
// drawing (a graphic item's text) is reported with that text and its
// place on the screen; every item, drawn or a control, is named by the
// help text of its "Balloon Help" when that is a text. The platform's
// bridge puts them in reading order.
#pragma once

#include "platform/win32.h"

namespace vorn {

// The number of items the window has; at most cMax of them written.
LRESULT AnswerDrawnItems(HWND hwnd, const DRAWNITEMS* ask);

}  // namespace vorn
