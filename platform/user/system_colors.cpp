// System colours of the classic standard scheme.
#include "platform/win32.h"

DWORD WINAPI GetSysColor(int nIndex) {
  static const COLORREF colors[] = {
      RGB(192, 192, 192),  // COLOR_SCROLLBAR
      RGB(0, 128, 128),    // COLOR_BACKGROUND
      RGB(0, 0, 128),      // COLOR_ACTIVECAPTION
      RGB(128, 128, 128),  // COLOR_INACTIVECAPTION
      RGB(192, 192, 192),  // COLOR_MENU
      RGB(255, 255, 255),  // COLOR_WINDOW
      RGB(0, 0, 0),        // COLOR_WINDOWFRAME
      RGB(0, 0, 0),        // COLOR_MENUTEXT
      RGB(0, 0, 0),        // COLOR_WINDOWTEXT
      RGB(255, 255, 255),  // COLOR_CAPTIONTEXT
      RGB(192, 192, 192),  // COLOR_ACTIVEBORDER
      RGB(192, 192, 192),  // COLOR_INACTIVEBORDER
      RGB(128, 128, 128),  // COLOR_APPWORKSPACE
      RGB(0, 0, 128),      // COLOR_HIGHLIGHT
      RGB(255, 255, 255),  // COLOR_HIGHLIGHTTEXT
      RGB(192, 192, 192),  // COLOR_BTNFACE
      RGB(128, 128, 128),  // COLOR_BTNSHADOW
      RGB(128, 128, 128),  // COLOR_GRAYTEXT
      RGB(0, 0, 0),        // COLOR_BTNTEXT
      RGB(192, 192, 192),  // COLOR_INACTIVECAPTIONTEXT
      RGB(255, 255, 255),  // COLOR_BTNHIGHLIGHT
      RGB(0, 0, 0),        // COLOR_3DDKSHADOW
      RGB(192, 192, 192),  // COLOR_3DLIGHT
      RGB(0, 0, 0),        // COLOR_INFOTEXT
      RGB(255, 255, 225),  // COLOR_INFOBK
      RGB(192, 192, 192),  // unused index 25
      RGB(0, 0, 128),      // COLOR_HOTLIGHT
      RGB(16, 132, 208),   // COLOR_GRADIENTACTIVECAPTION
      RGB(181, 181, 181),  // COLOR_GRADIENTINACTIVECAPTION
  };
  if (nIndex < 0 || nIndex >= static_cast<int>(sizeof colors / sizeof colors[0])) return 0;
  return colors[nIndex];
}
