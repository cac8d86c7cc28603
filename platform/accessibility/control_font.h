// The font a control shows its text in (WM_GETFONT; the system font when
// it was given none), as a screen reader describes it.
#pragma once

#include <memory>

#include "platform/accessibility/accessible_tree.h"
#include "platform/text/font.h"

namespace platform::accessibility {

std::shared_ptr<const text::Font> glyphsOf(HWND control);
TextFont textFontOf(HWND control);

}  // namespace platform::accessibility
