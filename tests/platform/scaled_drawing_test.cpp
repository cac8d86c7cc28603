// Drawing into a window presented at scale 2: its device picture has text
// rendered at the device's size, everything else magnified and raster
// operations applied to each device pixel, while what the program reads back
// is exactly what the same drawing gives at scale 1.
#include "canvas.h"

namespace {

using platform::gdi::Surface;

class ScaledDrawing : public CanvasTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(platform::headless::start());
    platform::headless::presentAtScale(2);
    CanvasTest::SetUp();
    platform::headless::presentAtScale(1);
    plain_ = topLevel(0, 60, 64, 48, WS_POPUP | WS_VISIBLE);
    settle();
    plainDC_ = GetDC(plain_);
    RECT all{0, 0, 64, 48};
    FillRect(plainDC_, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  }

  void TearDown() override {
    ReleaseDC(plain_, plainDC_);
    CanvasTest::TearDown();
  }

  template <typename Draw>
  void drawOnBoth(Draw draw) {
    draw(dc_);
    draw(plainDC_);
  }

  const Surface& device() const { return *platform::headless::surfaceOf(window_)->device(); }
  const Surface& pixels() const { return *platform::headless::surfaceOf(window_); }

  bool readsBackAsAtScaleOne() const {
    for (int y = 0; y < 48; ++y)
      for (int x = 0; x < 64; ++x)
        if (GetPixel(dc_, x, y) != GetPixel(plainDC_, x, y)) return false;
    return true;
  }

  // The 2 x 2 blocks of the device picture over r that are not one colour.
  int detailedBlocks(RECT r) const {
    int count = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) {
        uint32_t first = device().pixel(2 * x, 2 * y);
        for (POINT d : {POINT{1, 0}, POINT{0, 1}, POINT{1, 1}})
          if (device().pixel(2 * x + d.x, 2 * y + d.y) != first) {
            ++count;
            break;
          }
      }
    return count;
  }

  bool magnified() const {
    for (int y = 0; y < device().height(); ++y)
      for (int x = 0; x < device().width(); ++x)
        if (device().pixel(x, y) != pixels().pixel(x / 2, y / 2)) return false;
    return true;
  }

  HWND plain_ = nullptr;
  HDC plainDC_ = nullptr;
};

TEST_F(ScaledDrawing, TextHasTheDevicesDetailAndReadsBackAsDrawn) {
  ASSERT_EQ(device().width(), 128);
  drawOnBoth([](HDC dc) { TextOutA(dc, 2, 2, "Velmaro 42", 10); });
  EXPECT_GT(detailedBlocks({0, 0, 64, 24}), 10);
  EXPECT_TRUE(readsBackAsAtScaleOne());
}

TEST_F(ScaledDrawing, LinesFramesFillsAndBitmapsAreMagnified) {
  HDC memory = CreateCompatibleDC(dc_);
  HBITMAP bitmap = CreateCompatibleBitmap(dc_, 8, 8);
  HGDIOBJ old = SelectObject(memory, bitmap);
  for (int i = 0; i < 8; ++i) SetPixel(memory, i, (i * 3) % 8, RGB(0, 0, 255));
  drawOnBoth([&](HDC dc) {
    Rectangle(dc, 4, 4, 30, 20);
    MoveToEx(dc, 2, 40, nullptr);
    LineTo(dc, 60, 30);
    RECT focus{34, 4, 60, 20};
    DrawFocusRect(dc, &focus);
    BitBlt(dc, 40, 24, 8, 8, memory, 0, 0, SRCCOPY);
  });
  EXPECT_TRUE(magnified());
  EXPECT_TRUE(readsBackAsAtScaleOne());
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
}

TEST_F(ScaledDrawing, InversionAndXorActOnEachDevicePixel) {
  drawOnBoth([](HDC dc) { TextOutA(dc, 2, 2, "Go", 2); });
  std::vector<uint32_t> before;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) before.push_back(device().pixel(x, y));
  const COLORREF orange = RGB(255, 128, 0);
  HBRUSH brush = CreateSolidBrush(orange);
  drawOnBoth([&](HDC dc) {
    RECT r{0, 0, 20, 20};
    InvertRect(dc, &r);
    HGDIOBJ old = SelectObject(dc, brush);
    PatBlt(dc, 0, 0, 20, 20, PATINVERT);
    SelectObject(dc, old);
  });
  DeleteObject(brush);
  uint32_t mask = 0x00FFFFFFu ^ platform::gdi::pixelFromColorRef(orange);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x)
      ASSERT_EQ(device().pixel(x, y), before[y * 40 + x] ^ mask) << x << ',' << y;
  EXPECT_TRUE(readsBackAsAtScaleOne());
}

}  // namespace
