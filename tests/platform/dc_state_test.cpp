// The drawing state a device context keeps: settings read back as set,
// SaveDC's numbered stack, the clip box in logical coordinates, and what a
// bad argument or a handle that is no device context answers.
#include "canvas.h"

namespace {

class DcState : public CanvasTest {};

const auto kNoDC = reinterpret_cast<HDC>(0x12345678);

// Colours are kept whole, their high byte too (drawing ignores it).
TEST_F(DcState, EachSettingAnswersItsOldValueAndReadsBackTheNew) {
  const struct {
    const char* name;
    DWORD (*set)(HDC, DWORD);
    DWORD (*get)(HDC);
    DWORD initial, value;
  } settings[] = {
      {"text colour", [](HDC d, DWORD v) -> DWORD { return SetTextColor(d, v); },
       [](HDC d) -> DWORD { return GetTextColor(d); }, 0, 0xFFEEDDCC},
      {"background colour", [](HDC d, DWORD v) -> DWORD { return SetBkColor(d, v); },
       [](HDC d) -> DWORD { return GetBkColor(d); }, 0xFFFFFF, 0x12345678},
      {"background mode", [](HDC d, DWORD v) -> DWORD { return SetBkMode(d, static_cast<int>(v)); },
       [](HDC d) -> DWORD { return GetBkMode(d); }, OPAQUE, TRANSPARENT},
      {"mix mode", [](HDC d, DWORD v) -> DWORD { return SetROP2(d, static_cast<int>(v)); },
       [](HDC d) -> DWORD { return GetROP2(d); }, R2_COPYPEN, R2_XORPEN},
  };
  for (const auto& s : settings) {
    SCOPED_TRACE(s.name);
    EXPECT_EQ(s.set(dc_, s.value), s.initial);
    EXPECT_EQ(s.get(dc_), s.value);
    EXPECT_EQ(s.set(dc_, s.initial), s.value);
  }
}

TEST_F(DcState, ModesOutOfRangeAreRefusedAndLeaveTheModeAlone) {
  const struct {
    int (*set)(HDC, int);
    int value;
  } calls[] = {{SetBkMode, 0}, {SetBkMode, OPAQUE + 1}, {SetROP2, R2_BLACK - 1}, {SetROP2, R2_WHITE + 1}};
  for (const auto& c : calls) {
    SCOPED_TRACE(c.value);
    SetLastError(0);
    EXPECT_EQ(c.set(dc_, c.value), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  }
  EXPECT_EQ(GetBkMode(dc_), OPAQUE);
  EXPECT_EQ(GetROP2(dc_), R2_COPYPEN);
}

TEST_F(DcState, AHandleThatIsNoDeviceContextFailsEveryCall) {
  RECT box;
  POINT origin;
  const struct {
    const char* call;
    bool failed;
  } calls[] = {
      {"SetTextColor", (SetLastError(0), SetTextColor(kNoDC, 0) == CLR_INVALID)},
      {"GetTextColor", GetTextColor(kNoDC) == CLR_INVALID},
      {"GetBkColor", GetBkColor(kNoDC) == CLR_INVALID},
      {"SetBkMode", SetBkMode(kNoDC, OPAQUE) == 0},
      {"GetBkMode", GetBkMode(kNoDC) == 0},
      {"SetROP2", SetROP2(kNoDC, R2_COPYPEN) == 0},
      {"GetROP2", GetROP2(kNoDC) == 0},
      {"SetWindowOrgEx", !SetWindowOrgEx(kNoDC, 1, 1, nullptr)},
      {"GetWindowOrgEx", !GetWindowOrgEx(kNoDC, &origin)},
      {"GetClipBox", GetClipBox(kNoDC, &box) == ERROR},
      {"IntersectClipRect", IntersectClipRect(kNoDC, 0, 0, 1, 1) == ERROR},
      {"ExcludeClipRect", ExcludeClipRect(kNoDC, 0, 0, 1, 1) == ERROR},
      {"SelectClipRgn", SelectClipRgn(kNoDC, nullptr) == ERROR},
      {"SaveDC", SaveDC(kNoDC) == 0},
      {"RestoreDC", !RestoreDC(kNoDC, -1)},
      {"DeleteDC", !DeleteDC(kNoDC)},
      {"error", GetLastError() == ERROR_INVALID_HANDLE},
  };
  for (const auto& c : calls) EXPECT_TRUE(c.failed) << c.call;
}

// SaveDC numbers its states from 1; RestoreDC takes a number or a count
// back from the top, drops every state above the one it restores, and
// refuses 0 and anything past the stack.
TEST_F(DcState, SavedStatesAreNumberedAndRestoredFromTheStack) {
  for (int expected : {1, 2, 3}) EXPECT_EQ(SaveDC(dc_), expected);
  EXPECT_TRUE(RestoreDC(dc_, -1));
  EXPECT_EQ(SaveDC(dc_), 3);
  EXPECT_TRUE(RestoreDC(dc_, 1));
  EXPECT_EQ(SaveDC(dc_), 1);
  EXPECT_EQ(SaveDC(dc_), 2);
  SetLastError(0);
  for (int level : {0, 3, -3}) EXPECT_FALSE(RestoreDC(dc_, level)) << level;
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  EXPECT_TRUE(RestoreDC(dc_, -2));
  EXPECT_FALSE(RestoreDC(dc_, -1));
}

TEST_F(DcState, RestoringASavedStateBringsBackColoursOriginAndClip) {
  SaveDC(dc_);
  SetTextColor(dc_, RGB(1, 2, 3));
  SetWindowOrgEx(dc_, 5, 6, nullptr);
  IntersectClipRect(dc_, 10, 10, 20, 20);
  ASSERT_TRUE(RestoreDC(dc_, -1));
  POINT origin{-1, -1};
  RECT box, whole{0, 0, 64, 48};
  EXPECT_TRUE(GetWindowOrgEx(dc_, &origin));
  EXPECT_EQ(origin, (POINT{0, 0}));
  EXPECT_EQ(GetTextColor(dc_), kBlack);
  EXPECT_EQ(GetClipBox(dc_, &box), SIMPLEREGION);
  EXPECT_TRUE(EqualRect(&box, &whole));
}

// The clip box is the bounds of what can be drawn, in logical coordinates.
TEST_F(DcState, TheClipBoxFollowsTheClipAndTheWindowOrigin) {
  RECT box;
  const auto boxIs = [&](int kind, RECT expected) {
    EXPECT_EQ(GetClipBox(dc_, &box), kind);
    EXPECT_TRUE(EqualRect(&box, &expected)) << box.left << ',' << box.top << ',' << box.right << ',' << box.bottom;
  };
  boxIs(SIMPLEREGION, {0, 0, 64, 48});
  EXPECT_EQ(IntersectClipRect(dc_, 0, 0, 50, 40), SIMPLEREGION);
  boxIs(SIMPLEREGION, {0, 0, 50, 40});
  EXPECT_EQ(ExcludeClipRect(dc_, 10, 10, 20, 20), COMPLEXREGION);
  boxIs(COMPLEXREGION, {0, 0, 50, 40});
  SetWindowOrgEx(dc_, 5, 5, nullptr);
  boxIs(COMPLEXREGION, {5, 5, 55, 45});
  EXPECT_EQ(SelectClipRgn(dc_, nullptr), SIMPLEREGION);
  boxIs(SIMPLEREGION, {5, 5, 69, 53});
}

}  // namespace
