// DrawTextA's layout and painting, read off the pixels of a box font.
#include "box_font.h"
#include "canvas.h"
#include "platform/text/font.h"

namespace {

class DrawText : public CanvasTest {
 protected:
  void SetUp() override {
    CanvasTest::SetUp();
    font_ = BoxFont::handle();
    SelectObject(dc_, font_);
    SetTextColor(dc_, kBlack);
    SetBkMode(dc_, TRANSPARENT);
  }
  void TearDown() override {
    SelectObject(dc_, GetStockObject(SYSTEM_FONT));
    DeleteObject(font_);
    CanvasTest::TearDown();
  }

  int draw(const char* text, RECT r, UINT format) { return DrawTextA(dc_, text, -1, &r, format); }

  // Left edge of the first inked column on row y, or -1.
  int firstInkOnRow(int y) const {
    for (int x = 0; x < 64; ++x)
      if (at(x, y) != kWhite) return x;
    return -1;
  }
  int firstInkedRow() const {
    for (int y = 0; y < 48; ++y)
      if (firstInkOnRow(y) >= 0) return y;
    return -1;
  }

  HFONT font_ = nullptr;
};

TEST_F(DrawText, PlacesASingleLineByItsAlignment) {
  const struct {
    UINT format;
    int left, top, answer;
  } cases[] = {{DT_LEFT | DT_TOP, 0, 0, 10}, {DT_CENTER, 21, 0, 10}, {DT_RIGHT, 42, 0, 10},
               {DT_VCENTER, 0, 5, 15},      {DT_BOTTOM, 0, 10, 20}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.format);
    fill({0, 0, 64, 48}, kWhite);
    EXPECT_EQ(draw("abc", {0, 0, 60, 20}, c.format | DT_SINGLELINE), c.answer);
    EXPECT_EQ(firstInkedRow(), c.top + 1);
    EXPECT_EQ(firstInkOnRow(c.top + 1), c.left);
    EXPECT_EQ(at(c.left + 16, c.top + 1), kBlack);
    EXPECT_EQ(at(c.left + 17, c.top + 1), kWhite);
  }
}

TEST_F(DrawText, BreaksBetweenWordsAndLinesAndKeepsLongWordsWhole) {
  RECT r{0, 0, 45, 40};
  EXPECT_EQ(DrawTextA(dc_, "aaa bbb ccc", -1, &r, DT_WORDBREAK | DT_CALCRECT), 20);
  EXPECT_EQ(r.right, 42);
  EXPECT_EQ(r.bottom, 20);
  r = {0, 0, 30, 40};
  EXPECT_EQ(DrawTextA(dc_, "aaaaaaaaaa", -1, &r, DT_WORDBREAK | DT_CALCRECT), 10);
  EXPECT_EQ(r.right, 60);
  r = {0, 0, 60, 40};
  EXPECT_EQ(DrawTextA(dc_, "a\r\nbb\nc\rd", -1, &r, DT_CALCRECT), 40);
  EXPECT_EQ(r.right, 12);
  EXPECT_EQ(draw("aaa bbb ccc", {0, 0, 45, 40}, DT_WORDBREAK), 20);
  EXPECT_EQ(firstInkOnRow(11), 0);
  EXPECT_EQ(at(17, 11), kWhite);
  EXPECT_EQ(at(16, 11), kBlack);
}

TEST_F(DrawText, OpaqueModeFillsTheTextCellsWithTheBackgroundColour) {
  SetBkColor(dc_, RGB(255, 0, 0));
  for (int mode : {OPAQUE, TRANSPARENT}) {
    SCOPED_TRACE(mode);
    fill({0, 0, 64, 48}, kWhite);
    SetBkMode(dc_, mode);
    draw("ab", {0, 0, 60, 20}, DT_SINGLELINE);
    COLORREF background = mode == OPAQUE ? RGB(255, 0, 0) : kWhite;
    EXPECT_EQ(at(5, 1), background);
    EXPECT_EQ(at(0, 0), background);
    EXPECT_EQ(at(11, 9), background);
    EXPECT_EQ(at(2, 2), kBlack);
    EXPECT_EQ(at(12, 1), kWhite);
    EXPECT_EQ(at(2, 10), kWhite);
  }
}

TEST_F(DrawText, ClipsToTheRectangleUnlessToldNotTo) {
  draw("aaaaa", {0, 0, 10, 20}, DT_SINGLELINE);
  EXPECT_EQ(at(9, 2), kBlack);
  EXPECT_EQ(at(10, 2), kWhite);
  draw("aaaaa", {0, 20, 10, 40}, DT_SINGLELINE | DT_NOCLIP);
  EXPECT_EQ(at(12, 22), kBlack);
}

TEST_F(DrawText, AmpersandUnderlinesTheNextCharacterUnlessNoPrefix) {
  draw("&File", {0, 0, 60, 20}, DT_SINGLELINE);
  EXPECT_EQ(at(0, 9), kBlack);
  EXPECT_EQ(at(5, 9), kBlack);
  EXPECT_EQ(at(6, 9), kWhite);
  EXPECT_EQ(firstInkOnRow(2), 0);
  EXPECT_EQ(at(23, 2), kWhite);
}

// A tab stop is eight average characters; an ampersand before a tab
// underlines nothing.
TEST_F(DrawText, ExpandsTabsToEightAverageCharacters) {
  draw("&\tb", {0, 0, 60, 20}, DT_SINGLELINE | DT_EXPANDTABS);
  EXPECT_EQ(at(48, 2), kBlack);
  EXPECT_EQ(at(47, 2), kWhite);
  for (int x = 0; x < 64; ++x) EXPECT_EQ(at(x, 9), kWhite) << x;
}

TEST_F(DrawText, CalcRectMeasuresPrefixesTabsAndTheCountGiven) {
  const struct {
    const char* text;
    int count;
    UINT format;
    int width;
  } cases[] = {
      {"a&&b", -1, 0, 18}, {"&File", -1, DT_NOPREFIX, 30}, {"a\tb", -1, DT_EXPANDTABS, 54}, {"abcdef", 2, 0, 12}};
  for (const auto& c : cases) {
    RECT r{0, 0, 60, 20};
    DrawTextA(dc_, c.text, c.count, &r, DT_CALCRECT | c.format);
    EXPECT_EQ(r.right, c.width) << c.text;
  }
}

TEST_F(DrawText, AWindowThatGotNoFontDrawsInTheSystemFont) {
  HDC fresh = GetDC(window_);
  HGDIOBJ selected = SelectObject(fresh, GetStockObject(ANSI_VAR_FONT));
  EXPECT_EQ(selected, GetStockObject(SYSTEM_FONT));
  SelectObject(fresh, selected);
  TEXTMETRICA tm{};
  ASSERT_TRUE(GetTextMetricsA(fresh, &tm));
  EXPECT_EQ(tm.tmHeight, platform::text::Font::system()->metrics().height);
  EXPECT_EQ(tm.tmWeight, FW_BOLD);
  ReleaseDC(window_, fresh);
}

}  // namespace
