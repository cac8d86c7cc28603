// The drawing universals (colours and rectangles), lines refitted to a new
// frame, and the values a text stores.
#include <vector>

#include "framework_fixture.h"

namespace {

class DrawingUniversals : public FrameworkTest {
 protected:
  static int32_t ColorRefOf(const char* rgb) {
    return ov::toInt(ov::universal("RGB To ColorRef"_uni, {Value(rgb)}).get());
  }
};

TEST_F(DrawingUniversals, AColourBecomesThePlatformColourOfItsHighBytes) {
  EXPECT_EQ(ColorRefOf("{ 65535 0 0 }"), 0x0000FF);
  EXPECT_EQ(ColorRefOf("{ 0 0 65535 }"), 0xFF0000);
  EXPECT_EQ(ColorRefOf("{ 16#1234 16#5678 16#9DEF }"), 0x9D5612);
  EXPECT_EQ(ColorRefOf("{ 65535 65535 65535 }"), 0xFFFFFF);
}

RECT Centred(RECT outer, RECT inner) {
  return ov::toRECT(ov::universal("Center Rect"_uni, {ov::rectFrom(outer), ov::rectFrom(inner)}).get());
}

TEST_F(DrawingUniversals, CenterRectMovesTheInnerRectangleIntoTheMiddleKeepingItsSize) {
  RECT r = Centred({20, 10, 60, 30}, {0, 0, 10, 4});  // left, top, right, bottom
  EXPECT_EQ(SidesOf(r), (Sides{35, 18, 45, 22}));
  r = Centred({0, 0, 50, 10}, {7, 3, 8, 4});
  EXPECT_EQ(SidesOf(r), (Sides{24, 4, 25, 5})) << "odd free space: the half is rounded down";
  r = Centred({0, 0, 10, 10}, {0, 0, 13, 13});
  EXPECT_EQ(SidesOf(r), (Sides{-1, -1, 12, 12}))
      << "a larger inner rectangle overhangs evenly, the half rounded toward zero";
}

TEST_F(DrawingUniversals, RectHeightAndWidthAreTheSidesLengths) {
  ovRef r = Value("{ 10 20 35 120 }");  // top left bottom right
  EXPECT_EQ(ov::toInt(ov::universal("Rect Height"_uni, {r}).get()), 25);
  EXPECT_EQ(ov::toInt(ov::universal("Rect Width"_uni, {r}).get()), 100);
}

class LineFrame : public FrameworkTest {
 protected:
  // The end points, as (v h) pairs, of a line from `from` to `to` set to
  // the frame (top left bottom right).
  static std::vector<int32_t> Refitted(POINT from, POINT to, RECT frame) {
    ovRef line = ov::make("Line"_cls).take();
    ov::set("End Points"_attr, line, ov::listOf({ov::pointFrom(from), ov::pointFrom(to)}));
    ov::tell(ov::send<0>("Set Frame"_sel, line, {ov::rectFrom(frame)}));
    ovRef ends = ov::get("End Points"_attr, line);
    POINT a = ov::toPOINT(ov::element(ends, 0));
    POINT b = ov::toPOINT(ov::element(ends, 1));
    return {a.y, a.x, b.y, b.x};
  }
};

TEST_F(LineFrame, AnOrthogonalLineRunsThroughTheCentreAlongTheLongerSide) {
  // A frame 10 high and 50 wide at left 200, top 100.
  RECT wide{200, 100, 250, 110};
  EXPECT_EQ(Refitted({0, 5}, {30, 5}, wide), (std::vector<int32_t>{104, 200, 104, 250}));
  EXPECT_EQ(Refitted({7, 0}, {7, 30}, wide), (std::vector<int32_t>{104, 200, 104, 250}))
      << "a vertical line turns horizontal in a wide frame";
  RECT tall{10, 0, 17, 40};
  EXPECT_EQ(Refitted({0, 5}, {30, 5}, tall), (std::vector<int32_t>{0, 13, 40, 13}));
  RECT square{0, 0, 20, 20};
  EXPECT_EQ(Refitted({0, 5}, {30, 5}, square), (std::vector<int32_t>{0, 9, 20, 9}))
      << "a square frame is not wider than high";
}

TEST_F(LineFrame, ADiagonalKeepsItsSlantAcrossTheFrame) {
  RECT frame{10, 20, 60, 40};
  EXPECT_EQ(Refitted({0, 0}, {5, 9}, frame), (std::vector<int32_t>{20, 10, 40, 60})) << "falling: top-left first";
  EXPECT_EQ(Refitted({0, 9}, {5, 0}, frame), (std::vector<int32_t>{40, 10, 20, 60})) << "rising: bottom-left first";
}

class PlatformObjects : public FrameworkTest {
 protected:
  // Opens the object twice and closes it: the kinds of the platform object
  // of each opening (0 once deleted) after each step, and what the handle
  // attribute holds at the end.
  static std::vector<DWORD> Lifecycle(const char* text, const ovAttributeSelector& handle) {
    ovRef object = Value(text);
    ov::tell(ov::send<0>("Open"_sel, object));
    HGDIOBJ first = ov::toHandle<HGDIOBJ>(ov::get(handle, object));
    ov::tell(ov::send<0>("Open"_sel, object));
    HGDIOBJ second = ov::toHandle<HGDIOBJ>(ov::get(handle, object));
    std::vector<DWORD> kinds{GetObjectType(first), GetObjectType(second)};
    ov::tell(ov::send<0>("Close"_sel, object));
    kinds.push_back(GetObjectType(second));
    kinds.push_back(ov::get(handle, object) ? 1 : 0);
    return kinds;
  }
};

TEST_F(PlatformObjects, AFontOrPenOwnsOnePlatformObjectFromOpenUntilClose) {
  EXPECT_EQ(Lifecycle(R"(<<Font>> [ "Font Name": "MS Sans Serif" "Size": 8 "Style": ( 700 TRUE FALSE FALSE ) ])",
                      "Font"_attr),
            (std::vector<DWORD>{0, OBJ_FONT, 0, 0}));
  EXPECT_EQ(Lifecycle(R"(<<Pen>> [ "Size": { 2 2 } "Mode": 13 "ForeColor": { 0 0 65535 } "Style": 0 "Pattern": NONE ])",
                      "Pen Handle"_attr),
            (std::vector<DWORD>{0, OBJ_PEN, 0, 0}));
}

using TextValue = FrameworkTest;

TEST_F(TextValue, SetValueStoresTextsAsTheyAreAndOtherValuesInTheirPrintedForm) {
  ovRef text = ov::make("Text"_cls).take();
  auto stored = [&](ovRef value) {
    ov::tell(ov::send<0>("Set Value"_sel, text, {value}));
    return std::string(ov::chars(ov::send("Get Text"_sel, text).get()));
  };
  EXPECT_EQ(stored(ov::integer(62)), "62");
  EXPECT_EQ(stored(ov::real(2.5)), "2.5");
  EXPECT_EQ(stored(ov::text("Go")), "Go");
  EXPECT_EQ(stored(nullptr), "");
  EXPECT_EQ(stored(Value("( 1 2 )")), "( 1 2 )");
}

}  // namespace
