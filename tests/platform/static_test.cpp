// The Static control: its text set anew and shown, the font it answers,
// and its text drawn etched while disabled.
#include <algorithm>

#include "controls_fixture.h"

namespace {

class Statics : public ControlsTest {
 protected:
  // How many pixels of the control have this colour.
  int pixelsOf(HWND c, COLORREF color) const { return std::ranges::count(shownPixels(main_, c), color); }
};

constexpr COLORREF kBlack = RGB(0, 0, 0);
// Two box characters: 5 columns by 7 rows each.
constexpr int kTwoBoxes = 2 * 5 * 7;

TEST_F(Statics, NewTextIsShownWithTheFontItWasGiven) {
  HWND s = control("Static", "", SS_LEFT, 1, {10, 10, 110, 30}, 0, true);
  settle();
  EXPECT_EQ(pixelsOf(s, kBlack), 0);
  EXPECT_TRUE(SetWindowTextA(s, "ab"));
  settle();
  EXPECT_EQ(textOf(s), "ab");
  EXPECT_EQ(pixelsOf(s, kBlack), kTwoBoxes);
  EXPECT_EQ(SendMessageA(s, WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(boxFont_));
}

// Disabled, the text is drawn in the shadow colour over a highlight copy
// one pixel down and to the right.
TEST_F(Statics, DisabledTextIsDrawnEtched) {
  HWND s = control("Static", "ab", SS_LEFT, 1, {10, 10, 110, 30}, 0, true);
  settle();
  const int highlight = pixelsOf(s, GetSysColor(COLOR_3DHIGHLIGHT));
  EnableWindow(s, FALSE);
  settle();
  EXPECT_EQ(pixelsOf(s, kBlack), 0);
  EXPECT_EQ(pixelsOf(s, GetSysColor(COLOR_3DSHADOW)), kTwoBoxes);
  EXPECT_EQ(pixelsOf(s, GetSysColor(COLOR_3DHIGHLIGHT)) - highlight, 2 * (7 + 4));
  EnableWindow(s, TRUE);
  settle();
  EXPECT_EQ(pixelsOf(s, kBlack), kTwoBoxes);
}

}  // namespace
