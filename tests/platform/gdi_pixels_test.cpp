// Pixel-exact GDI: which pixels each call writes, and with what.
#include "canvas.h"

namespace {

using Points = std::vector<POINT>;

class GdiPixels : public CanvasTest {
 protected:
  Points line(POINT from, POINT to, HPEN pen = nullptr) {
    fill({0, 0, 64, 48}, kWhite);
    HGDIOBJ old = SelectObject(dc_, pen ? pen : GetStockObject(BLACK_PEN));
    MoveToEx(dc_, from.x, from.y, nullptr);
    LineTo(dc_, to.x, to.y);
    SelectObject(dc_, old);
    return inked({0, 0, 64, 48});
  }
};

TEST_F(GdiPixels, FillRectCoversLeftAndTopButNotRightAndBottom) {
  fill({2, 3, 6, 5}, kBlack);
  EXPECT_EQ(inked({0, 0, 64, 48}), (Points{{2, 3}, {3, 3}, {4, 3}, {5, 3}, {2, 4}, {3, 4}, {4, 4}, {5, 4}}));
}

TEST_F(GdiPixels, LinesLeaveOutTheirEndPoint) {
  EXPECT_EQ(line({2, 2}, {6, 2}), (Points{{2, 2}, {3, 2}, {4, 2}, {5, 2}}));
  EXPECT_EQ(line({6, 2}, {2, 2}), (Points{{3, 2}, {4, 2}, {5, 2}, {6, 2}}));
  EXPECT_EQ(line({1, 1}, {1, 4}), (Points{{1, 1}, {1, 2}, {1, 3}}));
  EXPECT_EQ(line({0, 0}, {3, 3}), (Points{{0, 0}, {1, 1}, {2, 2}}));
  EXPECT_EQ(line({5, 5}, {5, 5}), Points{});
}

// Half-way between two pixels a flat line lights the upper one and a steep
// line the left one, in whichever direction it is drawn.
TEST_F(GdiPixels, TiesGoUpForFlatLinesAndLeftForSteepOnes) {
  EXPECT_EQ(line({0, 0}, {4, 2}), (Points{{0, 0}, {1, 0}, {2, 1}, {3, 1}}));
  EXPECT_EQ(line({4, 2}, {0, 0}), (Points{{1, 0}, {2, 1}, {3, 1}, {4, 2}}));
  EXPECT_EQ(line({0, 0}, {2, 4}), (Points{{0, 0}, {0, 1}, {1, 2}, {1, 3}}));
  EXPECT_EQ(line({2, 4}, {0, 0}), (Points{{0, 1}, {1, 2}, {1, 3}, {2, 4}}));
}

TEST_F(GdiPixels, EveryMixModeCombinesPenAndPixelAsDocumented) {
  const COLORREF p = RGB(0x0F, 0xF0, 0x55), d = RGB(0x33, 0x99, 0xCC), all = 0xFFFFFF;
  const struct {
    int mode;
    COLORREF expected;
  } table[] = {
      {R2_BLACK, 0},           {R2_NOTMERGEPEN, ~(p | d) & all}, {R2_MASKNOTPEN, ~p & d & all},
      {R2_NOTCOPYPEN, ~p & all}, {R2_MASKPENNOT, p & ~d & all},  {R2_NOT, ~d & all},
      {R2_XORPEN, p ^ d},      {R2_NOTMASKPEN, ~(p & d) & all},  {R2_MASKPEN, p & d},
      {R2_NOTXORPEN, ~(p ^ d) & all}, {R2_NOP, d},               {R2_MERGENOTPEN, (~p | d) & all},
      {R2_COPYPEN, p},         {R2_MERGEPENNOT, (p | ~d) & all}, {R2_MERGEPEN, p | d},
      {R2_WHITE, all},
  };
  HPEN pen = CreatePen(PS_SOLID, 1, p);
  SelectObject(dc_, pen);
  for (const auto& row : table) {
    SCOPED_TRACE(row.mode);
    fill({0, 0, 8, 1}, d);
    EXPECT_EQ(SetROP2(dc_, row.mode) != 0, true);
    MoveToEx(dc_, 0, 0, nullptr);
    LineTo(dc_, 4, 0);
    EXPECT_EQ(at(2, 0), row.expected);
    EXPECT_EQ(at(4, 0), d);
  }
  SelectObject(dc_, GetStockObject(BLACK_PEN));
  DeleteObject(pen);
}

TEST_F(GdiPixels, StyledPensSkipGapsOrFillThemWithTheBackground) {
  HPEN dot = CreatePen(PS_DOT, 1, kBlack);
  SetBkColor(dc_, RGB(255, 0, 0));
  for (int mode : {TRANSPARENT, OPAQUE}) {
    SCOPED_TRACE(mode);
    SetBkMode(dc_, mode);
    line({0, 0}, {12, 0}, dot);
    COLORREF gap = mode == OPAQUE ? RGB(255, 0, 0) : kWhite;
    COLORREF expected[12] = {kBlack, kBlack, kBlack, gap, gap, gap, kBlack, kBlack, kBlack, gap, gap, gap};
    for (int x = 0; x < 12; ++x) EXPECT_EQ(at(x, 0), expected[x]) << x;
  }
  HPEN dash = CreatePen(PS_DASH, 1, kBlack);
  SetBkMode(dc_, TRANSPARENT);
  Points drawn = line({0, 5}, {30, 5}, dash);
  EXPECT_EQ(drawn.size(), 18u + 6u);
  EXPECT_EQ(drawn[17].x, 17);
  EXPECT_EQ(drawn[18].x, 24);
  const struct {
    int style;
    size_t drawn;
  } more[] = {{PS_DASHDOT, 9 + 3 + 6}, {PS_DASHDOTDOT, 9 + 3 + 3 + 6}};
  for (const auto& m : more) {
    HPEN pen = CreatePen(m.style, 1, kBlack);
    EXPECT_EQ(line({0, 5}, {30, 5}, pen).size(), m.drawn) << m.style;
    DeleteObject(pen);
  }
  DeleteObject(dot);
  DeleteObject(dash);
}

TEST_F(GdiPixels, WidePensCoverTheirWidthAndBothEnds) {
  HPEN pen = CreatePen(PS_SOLID, 3, kBlack);
  line({10, 10}, {20, 10}, pen);
  for (int x = 10; x <= 20; ++x)
    for (int y = 9; y <= 11; ++y) EXPECT_EQ(at(x, y), kBlack) << x << ',' << y;
  for (int x = 10; x <= 20; ++x) {
    EXPECT_EQ(at(x, 8), kWhite);
    EXPECT_EQ(at(x, 12), kWhite);
  }
  DeleteObject(pen);
}

TEST_F(GdiPixels, InvertRectTwiceRestoresEveryPixel) {
  for (int x = 0; x < 16; ++x) fill({x, 0, x + 1, 8}, RGB(x * 16, 255 - x * 9, x * 5));
  const std::vector<COLORREF> before = shownPixels(window_, window_);
  RECT area{0, 0, 16, 8};
  InvertRect(dc_, &area);
  EXPECT_EQ(at(3, 3), before[3 * 64 + 3] ^ 0xFFFFFF);
  InvertRect(dc_, &area);
  EXPECT_EQ(shownPixels(window_, window_), before);
}

TEST_F(GdiPixels, SelectedRegionClipsDrawing) {
  HRGN clip = CreateRectRgn(2, 2, 4, 3);
  SelectObject(dc_, clip);
  fill({0, 0, 64, 48}, kBlack);
  SelectClipRgn(dc_, nullptr);
  EXPECT_EQ(inked({0, 0, 64, 48}), (Points{{2, 2}, {3, 2}}));
  DeleteObject(clip);
}

TEST_F(GdiPixels, FrameRgnPaintsABandInsideTheRegionEdge) {
  HRGN region = CreateRectRgn(2, 2, 10, 8);
  EXPECT_TRUE(FrameRgn(dc_, region, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)), 2, 1));
  for (int y = 2; y < 8; ++y)
    for (int x = 2; x < 10; ++x) {
      bool band = x < 4 || x >= 8 || y == 2 || y == 7;
      EXPECT_EQ(at(x, y), band ? kBlack : kWhite) << x << ',' << y;
    }
  EXPECT_EQ(inked({0, 0, 64, 48}).size(), 8u * 6u - 4u * 4u);
  DeleteObject(region);
}

TEST_F(GdiPixels, FocusRectangleDrawnTwiceVanishes) {
  RECT r{3, 3, 13, 9};
  DrawFocusRect(dc_, &r);
  EXPECT_FALSE(inked({0, 0, 64, 48}).empty());
  EXPECT_EQ(at(6, 6), kWhite);
  DrawFocusRect(dc_, &r);
  EXPECT_TRUE(inked({0, 0, 64, 48}).empty());
}

TEST_F(GdiPixels, RectangleOutlinesWithThePenAndFillsWithTheBrush) {
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  SelectObject(dc_, red);
  Rectangle(dc_, 2, 2, 6, 5);
  SelectObject(dc_, GetStockObject(WHITE_BRUSH));
  EXPECT_EQ(at(2, 2), kBlack);
  EXPECT_EQ(at(5, 4), kBlack);
  EXPECT_EQ(at(3, 3), RGB(255, 0, 0));
  EXPECT_EQ(at(6, 2), kWhite);
  EXPECT_EQ(at(2, 5), kWhite);
  DeleteObject(red);
}

TEST_F(GdiPixels, PatBltCombinesTheSelectedBrushWithTheDestination) {
  const COLORREF b = RGB(0x10, 0x20, 0x30), d = RGB(0x33, 0x99, 0xCC);
  const struct {
    DWORD rop;
    COLORREF expected;
  } table[] = {{PATCOPY, b}, {PATINVERT, b ^ d}, {DSTINVERT, ~d & 0xFFFFFF}, {BLACKNESS, 0}, {WHITENESS, 0xFFFFFF}};
  HBRUSH brush = CreateSolidBrush(b);
  SelectObject(dc_, brush);
  for (const auto& row : table) {
    SCOPED_TRACE(row.rop);
    fill({0, 0, 8, 4}, d);
    EXPECT_TRUE(PatBlt(dc_, 1, 1, 3, 2, row.rop));
    EXPECT_EQ(at(1, 1), row.expected);
    EXPECT_EQ(at(3, 2), row.expected);
    EXPECT_EQ(at(4, 1), d);
    EXPECT_EQ(at(1, 3), d);
  }
  EXPECT_FALSE(PatBlt(dc_, 1, 1, 3, 2, SRCCOPY)) << "an operation that needs a source";
  SelectObject(dc_, GetStockObject(NULL_BRUSH));
  EXPECT_TRUE(PatBlt(dc_, 1, 1, 3, 2, PATCOPY));
  EXPECT_EQ(at(1, 1), 0xFFFFFFu);
  SelectObject(dc_, GetStockObject(WHITE_BRUSH));
  DeleteObject(brush);
}

TEST_F(GdiPixels, FillsAndInvertRgnCoverTheirAreaInLogicalCoordinates) {
  HRGN region = CreateRectRgn(2, 2, 5, 4);
  POINT old{-1, -1};
  SetWindowOrgEx(dc_, 1, 1, &old);
  EXPECT_EQ(old, (POINT{0, 0}));
  RECT r{1, 1, 3, 3};
  FillRect(dc_, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  EXPECT_EQ(inked({0, 0, 64, 48}), (Points{{0, 0}, {1, 0}, {0, 1}, {1, 1}}));
  fill({0, 0, 64, 48}, kWhite);
  EXPECT_TRUE(FillRgn(dc_, region, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))));
  EXPECT_EQ(inked({0, 0, 64, 48}), (Points{{1, 1}, {2, 1}, {3, 1}, {1, 2}, {2, 2}, {3, 2}}));
  EXPECT_TRUE(InvertRgn(dc_, region));
  EXPECT_TRUE(inked({0, 0, 64, 48}).empty());
  SetLastError(0);
  EXPECT_FALSE(FillRgn(dc_, region, reinterpret_cast<HBRUSH>(region)));
  EXPECT_FALSE(InvertRgn(dc_, reinterpret_cast<HRGN>(dc_)));
  EXPECT_FALSE(FrameRgn(dc_, reinterpret_cast<HRGN>(dc_), static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)), 1, 1));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
  DeleteObject(region);
}

// Polyline joins its points without the last one and leaves the current
// position where it was.
TEST_F(GdiPixels, PolylineDrawsEachSegmentAndKeepsTheCurrentPosition) {
  const POINT corner[] = {{1, 1}, {4, 1}, {4, 4}};
  MoveToEx(dc_, 20, 30, nullptr);
  EXPECT_TRUE(Polyline(dc_, corner, 3));
  EXPECT_EQ(inked({0, 0, 64, 48}), (Points{{1, 1}, {2, 1}, {3, 1}, {4, 1}, {4, 2}, {4, 3}}));
  POINT position{};
  EXPECT_TRUE(GetCurrentPositionEx(dc_, &position));
  EXPECT_EQ(position, (POINT{20, 30}));
}

// Stock brushes fill with their grey, stock pens draw in their colour or
// not at all, and each stock object is of its kind.
TEST_F(GdiPixels, StockObjectsAreOfTheirKindAndColour) {
  const struct {
    int stock;
    DWORD kind;
    COLORREF color;
  } brushes[] = {{LTGRAY_BRUSH, OBJ_BRUSH, RGB(192, 192, 192)},
                 {GRAY_BRUSH, OBJ_BRUSH, RGB(128, 128, 128)},
                 {DKGRAY_BRUSH, OBJ_BRUSH, RGB(64, 64, 64)}};
  for (const auto& b : brushes) {
    RECT r{0, 0, 4, 4};
    EXPECT_EQ(GetObjectType(GetStockObject(b.stock)), b.kind) << b.stock;
    FillRect(dc_, &r, static_cast<HBRUSH>(GetStockObject(b.stock)));
    EXPECT_EQ(at(2, 2), b.color) << b.stock;
  }
  fill({0, 0, 64, 48}, kBlack);
  for (int pen : {WHITE_PEN, NULL_PEN}) {
    SelectObject(dc_, GetStockObject(pen));
    MoveToEx(dc_, 0, pen, nullptr);
    LineTo(dc_, 9, pen);
  }
  SelectObject(dc_, GetStockObject(BLACK_PEN));
  EXPECT_EQ(at(4, WHITE_PEN), kWhite);
  EXPECT_EQ(at(4, NULL_PEN), kBlack);
  for (int font : {OEM_FIXED_FONT, ANSI_FIXED_FONT, SYSTEM_FIXED_FONT})
    EXPECT_EQ(GetObjectType(GetStockObject(font)), static_cast<DWORD>(OBJ_FONT)) << font;
  EXPECT_EQ(GetObjectType(GetStockObject(WHITE_PEN)), static_cast<DWORD>(OBJ_PEN));
  HRGN region = CreateRectRgn(0, 0, 1, 1);
  EXPECT_EQ(GetObjectType(region), static_cast<DWORD>(OBJ_REGION));
  DeleteObject(region);
}

}  // namespace
