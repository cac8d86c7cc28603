// Drawing off the screen: memory DCs, compatible bitmaps (in colour or
// monochrome, as Windows makes them), BitBlt with its raster operations and
// colour conversions, and reading pixels back with GetPixel.
#include "canvas.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);

class MemoryDC : public CanvasTest {
 protected:
  void TearDown() override {
    for (auto [dc, bitmap] : made_) {
      SelectObject(dc, defaultBitmap());
      DeleteObject(bitmap);
      DeleteDC(dc);
    }
    CanvasTest::TearDown();
  }

  // A memory DC holding a new bitmap compatible with like.
  HDC memoryDC(HDC like, int cx, int cy) {
    HDC dc = CreateCompatibleDC(like);
    HBITMAP bitmap = CreateCompatibleBitmap(like ? like : dc_, cx, cy);
    EXPECT_NE(SelectObject(dc, bitmap), nullptr);
    made_.push_back({dc, bitmap});
    return dc;
  }

  static HBITMAP defaultBitmap() { return CreateCompatibleBitmap(screenDC(), 0, 0); }
  static HDC screenDC() {
    static HDC screen = GetDC(nullptr);
    return screen;
  }

 private:
  std::vector<std::pair<HDC, HBITMAP>> made_;
};

TEST_F(MemoryDC, DrawsIntoItsBitmapWithoutAWindow) {
  HDC dc = CreateCompatibleDC(nullptr);
  ASSERT_NE(dc, nullptr);
  EXPECT_EQ(GetObjectType(dc), static_cast<DWORD>(OBJ_MEMDC));
  EXPECT_EQ(GetObjectType(dc_), static_cast<DWORD>(OBJ_DC));
  HBITMAP bitmap = CreateCompatibleBitmap(dc_, 8, 6);
  EXPECT_EQ(GetObjectType(bitmap), static_cast<DWORD>(OBJ_BITMAP));
  HGDIOBJ first = SelectObject(dc, bitmap);
  EXPECT_EQ(first, defaultBitmap());
  fillWith(dc, {2, 1, 5, 3}, kRed);
  EXPECT_EQ(GetPixel(dc, 2, 1), kRed);
  EXPECT_EQ(GetPixel(dc, 4, 2), kRed);
  EXPECT_EQ(GetPixel(dc, 5, 2), RGB(0, 0, 0));
  EXPECT_EQ(GetPixel(dc, 8, 0), CLR_INVALID);
  EXPECT_FALSE(DeleteObject(bitmap));
  EXPECT_EQ(SelectObject(dc, first), bitmap);
  EXPECT_TRUE(DeleteObject(bitmap));
  EXPECT_EQ(ReleaseDC(nullptr, dc), 0);
  EXPECT_TRUE(DeleteDC(dc));
}

TEST_F(MemoryDC, ABitmapIsSelectedIntoOneMemoryDCAtATime) {
  HDC one = memoryDC(dc_, 4, 4);
  HBITMAP held = static_cast<HBITMAP>(SelectObject(one, defaultBitmap()));
  SelectObject(one, held);
  HDC other = CreateCompatibleDC(dc_);
  EXPECT_EQ(SelectObject(other, held), nullptr);
  EXPECT_EQ(SelectObject(dc_, held), nullptr);
  EXPECT_EQ(SelectObject(other, defaultBitmap()), defaultBitmap());
  DeleteDC(other);
}

// A memory DC starts with a monochrome bitmap, so a bitmap made compatible
// with it is monochrome: colours become black or white, whichever is nearer.
TEST_F(MemoryDC, BitmapsCompatibleWithAFreshMemoryDCAreMonochrome) {
  HDC fresh = CreateCompatibleDC(dc_);
  HDC mono = memoryDC(fresh, 4, 2);
  DeleteDC(fresh);
  fillWith(mono, {0, 0, 2, 2}, RGB(200, 180, 190));
  fillWith(mono, {2, 0, 4, 2}, RGB(90, 0, 40));
  EXPECT_EQ(GetPixel(mono, 1, 1), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(mono, 3, 1), RGB(0, 0, 0));
  HDC color = memoryDC(dc_, 4, 2);
  fillWith(color, {0, 0, 4, 2}, RGB(90, 0, 40));
  EXPECT_EQ(GetPixel(color, 3, 1), RGB(90, 0, 40));
}

TEST_F(MemoryDC, BitBltCombinesSourcePatternAndDestinationByItsRasterOperation) {
  const COLORREF s = RGB(0x0F, 0xF0, 0x55), d = RGB(0x33, 0x99, 0xCC), p = RGB(0xA0, 0x0A, 0x66), all = 0xFFFFFF;
  const struct {
    DWORD rop;
    COLORREF expected;
  } table[] = {
      {SRCCOPY, s},          {SRCPAINT, s | d},       {SRCAND, s & d},         {SRCINVERT, s ^ d},
      {SRCERASE, s & ~d & all}, {NOTSRCCOPY, ~s & all}, {NOTSRCERASE, ~(s | d) & all}, {MERGECOPY, p & s},
      {MERGEPAINT, (~s | d) & all}, {PATCOPY, p},      {PATPAINT, (p | ~s | d) & all}, {PATINVERT, p ^ d},
      {DSTINVERT, ~d & all}, {BLACKNESS, 0},          {WHITENESS, all},
  };
  HDC source = memoryDC(dc_, 4, 4);
  fillWith(source, {0, 0, 4, 4}, s);
  HBRUSH pattern = CreateSolidBrush(p);
  HGDIOBJ oldBrush = SelectObject(dc_, pattern);
  for (const auto& row : table) {
    SCOPED_TRACE(testing::Message() << std::hex << row.rop);
    fill({0, 0, 8, 8}, d);
    EXPECT_TRUE(BitBlt(dc_, 2, 3, 2, 2, source, 1, 1, row.rop));
    EXPECT_EQ(at(2, 3), row.expected);
    EXPECT_EQ(at(3, 4), row.expected);
    EXPECT_EQ(at(4, 3), d);
    EXPECT_EQ(at(2, 5), d);
  }
  SelectObject(dc_, oldBrush);
  DeleteObject(pattern);
  EXPECT_TRUE(BitBlt(dc_, 0, 0, 2, 2, nullptr, 0, 0, WHITENESS));
  EXPECT_FALSE(BitBlt(dc_, 0, 0, 2, 2, nullptr, 0, 0, SRCCOPY));
}

TEST_F(MemoryDC, BitBltReadsAWindowBackIntoABitmap) {
  fill({0, 0, 64, 48}, kWhite);
  fill({10, 10, 12, 11}, kRed);
  HDC copy = memoryDC(dc_, 4, 4);
  EXPECT_TRUE(BitBlt(copy, 0, 0, 4, 4, dc_, 9, 10, SRCCOPY));
  EXPECT_EQ(GetPixel(copy, 0, 0), kWhite);
  EXPECT_EQ(GetPixel(copy, 1, 0), kRed);
  EXPECT_EQ(GetPixel(copy, 2, 0), kRed);
  EXPECT_EQ(GetPixel(copy, 1, 1), kWhite);
}

// Colour to monochrome: the source's background colour is white, the rest
// black; monochrome to colour: black is the text colour, white the
// background colour of the destination.
TEST_F(MemoryDC, BitBltConvertsBetweenColourAndMonochrome) {
  HDC color = memoryDC(dc_, 2, 1);
  SetPixel(color, 0, 0, RGB(10, 200, 30));
  SetPixel(color, 1, 0, RGB(250, 250, 250));
  SetBkColor(color, RGB(10, 200, 30));
  HDC fresh = CreateCompatibleDC(dc_);
  HDC mono = memoryDC(fresh, 2, 1);
  DeleteDC(fresh);
  EXPECT_TRUE(BitBlt(mono, 0, 0, 2, 1, color, 0, 0, SRCCOPY));
  EXPECT_EQ(GetPixel(mono, 0, 0), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(mono, 1, 0), RGB(0, 0, 0));
  SetTextColor(dc_, RGB(0, 0, 200));
  SetBkColor(dc_, RGB(200, 0, 0));
  EXPECT_TRUE(BitBlt(dc_, 5, 5, 2, 1, mono, 0, 0, SRCCOPY));
  EXPECT_EQ(at(5, 5), RGB(200, 0, 0));
  EXPECT_EQ(at(6, 5), RGB(0, 0, 200));
}

}  // namespace
