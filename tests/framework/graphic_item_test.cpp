// Graphic items in a real window on the headless backend: texts, lines and
// borders as they show in the pixels, a new value shown at once, and the
// framework-drawn button's inverted look, capture and click under press,
// drag and release.
#include <algorithm>
#include <string>
#include <vector>

#include "archived_windows.h"
#include "framework_fixture.h"

namespace {

// The click behaviour of the button below calls this universal.
int gClicks = 0;
ovStatus CountClick(const ov::Args&) {
  ++gClicks;
  return ovSuccess;
}
const ovUniversalDeclaration kGraphicButtonClicked("Graphic Button Clicked", ov::routine<CountClick>);

// Centred on one line, as the program's numbers are shown.
constexpr UINT kJustification = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
constexpr uint32_t kBlack = 0x000000;

std::string FontText() {
  return R"(<<Font>> [ "Font Name": "MS Sans Serif" "Size": 8 "Style": ( 400 FALSE FALSE FALSE )
                   "Color": { 0 0 0 } "Justification": )" +
         std::to_string(kJustification) + " ]";
}

// A text item; the text drawn with a pen when one is given.
std::string TextItem(const char* name, const char* frame, const char* text, const std::string& more = "",
                     const std::string& pen = "") {
  return std::string("<<Graphic Item>> [ \"Name\": \"") + name + "\" \"Frame\": " + frame +
         R"( "Active?": TRUE "Visible?": TRUE "Capture?": FALSE "Inverted?": FALSE )" + more +
         " \"Graphic\": <<Text>> [ \"Text\": \"" + text + "\" \"Font\": " + FontText() + " " + pen + " ] ]";
}

const std::string kClickBehavior = R"("Click Behavior": <<Window Item Behavior>> [
    "Enabled?": TRUE "Undo?": FALSE "Method": "Graphic Button Clicked" "Specifiers": ( ) ])";

// Frames are (top left bottom right) in the root view, which fills the
// window's client area from its corner.
const RECT kShown{30, 20, 90, 40};
const RECT kBoxed{120, 20, 180, 40};
const RECT kButton{30, 90, 110, 110};
const RECT kFading{200, 100, 260, 120};
const RECT kSteady{300, 100, 360, 120};

std::string Content() {
  return TextItem("Shown", "{ 20 30 40 90 }", "38", R"("Transparent?": FALSE "Button?": FALSE)") +
         TextItem("Boxed", "{ 20 120 40 180 }", "62",
                  R"("Transparent?": FALSE "Button?": FALSE "Border": <<Regular Border>> [ "Pen": <<Pen>> [
                       "Size": { 1 1 } "Mode": 13 "ForeColor": { 0 0 0 } "BackColor": { 65535 65535 65535 }
                       "Style": 0 ] ])") +
         R"(<<Graphic Item>> [ "Name": "Rule" "Frame": { 60 20 61 200 } "Active?": TRUE "Visible?": TRUE
              "Transparent?": FALSE "Button?": FALSE "Capture?": FALSE "Inverted?": FALSE
              "Graphic": <<Line>> [ "End Points": ( { 60 20 } { 60 200 } ) ] ]
            <<Graphic Item>> [ "Name": "Red Rule" "Frame": { 64 20 65 200 } "Active?": TRUE "Visible?": TRUE
              "Transparent?": FALSE "Button?": FALSE "Capture?": FALSE "Inverted?": FALSE
              "Graphic": <<Line>> [ "End Points": ( { 64 20 } { 64 200 } ) "Pen": <<Pen>> [ "Size": { 1 1 }
                "Mode": 13 "ForeColor": { 65535 0 0 } "BackColor": { 65535 65535 65535 } "Style": 0 ] ] ])" +
         R"(<<Graphic Item>> [ "Name": "Thick" "Frame": { 150 200 151 290 } "Active?": TRUE "Visible?": TRUE
              "Transparent?": FALSE "Button?": FALSE "Capture?": FALSE "Inverted?": FALSE
              "Graphic": <<Line>> [ "End Points": ( { 150 200 } { 150 290 } ) "Pen": <<Pen>> [ "Size": { 3 3 }
                "Mode": 13 "ForeColor": { 0 0 0 } "BackColor": { 65535 65535 65535 } "Style": 0 ] ] ])" +
         TextItem("Fading", "{ 100 200 120 260 }", "100", R"("Transparent?": TRUE "Button?": FALSE)") +
         TextItem("Steady", "{ 100 300 120 360 }", "1", R"("Transparent?": TRUE "Button?": FALSE)") +
         TextItem("Press", "{ 90 30 110 110 }", "Go", R"("Transparent?": FALSE "Button?": TRUE )" + kClickBehavior) +
         TextItem("Label", "{ 140 30 160 110 }", "L", R"("Transparent?": FALSE "Button?": FALSE )" + kClickBehavior,
                  R"("Pen": <<Pen>> [ "Size": { 1 1 } "Mode": 13 "ForeColor": { 65535 0 0 }
                       "BackColor": { 65535 65535 65535 } "Style": 0 ])") +
         R"(<<Graphic Item>> [ "Name": "Dead" "Frame": { 140 120 160 190 } "Active?": FALSE "Visible?": TRUE
              "Transparent?": FALSE "Button?": TRUE "Capture?": FALSE "Inverted?": FALSE "Graphic": NONE )" +
         kClickBehavior + " ]";
}

class GraphicItems : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    gClicks = 0;
    SetDefault(MainWindowText({{"Size", "{ 193 455 }"}, {"View", ViewText(Content())}}));
  }

  void Open() {
    OpenApplication();
    RunUntilIdle();
    ASSERT_NE(MainWindowHandle(), nullptr);
  }

  // The pixels (0x00RRGGBB, row by row) of a rectangle of the main window's
  // client area.
  static std::vector<uint32_t> ClientPixels(RECT r) {
    std::vector<uint32_t> pixels;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) pixels.push_back(ClientPixel(x, y));
    return pixels;
  }

  // What the platform draws for the text in the items' font, black on
  // white, in a rectangle of the size given: drawn in the items' view
  // beside them, where nothing else is.
  static std::vector<uint32_t> Reference(const char* text, RECT size) {
    RECT beside{380, 0, 380 + size.right - size.left, size.bottom - size.top};
    HDC dc = GetDC(ViewHandle());
    FillRect(dc, &beside, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    HFONT font = CreateFontA(8, 0, 0, 0, 400, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, "MS Sans Serif");
    HGDIOBJ previous = SelectObject(dc, font);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    DrawTextA(dc, text, -1, &beside, kJustification);
    SelectObject(dc, previous);
    DeleteObject(font);
    ReleaseDC(ViewHandle(), dc);
    return ClientPixels(beside);
  }

  static std::vector<uint32_t> Inverted(std::vector<uint32_t> pixels) {
    for (uint32_t& p : pixels) p ^= 0xFFFFFF;
    return pixels;
  }

  static bool Pressed(const char* name) { return ov::isTrue(ov::get("Capture?"_attr, Item(name))); }

  // The platform window the items draw in: their view's.
  static HWND ViewHandle() {
    return ov::toHandle<HWND>(ov::send("Get Window Record"_sel, ov::get("Owner"_attr, Item("Press"))).get());
  }

  static POINT Middle(RECT r) { return OnScreen((r.left + r.right) / 2, (r.top + r.bottom) / 2); }
};

// A text item shows its text in its font on its own ground (white, or its
// pen's colour), and a new value at once.
TEST_F(GraphicItems, ATextItemShowsItsValueInItsFontOnItsOwnGround) {
  Open();
  EXPECT_EQ(ClientPixels(kShown), Reference("38", kShown));
  EXPECT_EQ(ClientPixel(31, 141), 0xFF0000u) << "the Label's pen is red";
  ov::tell(ov::send<0>("Set Value"_sel, Item("Shown"), {ov::integer(7)}));
  EXPECT_TRUE(ov::textEquals(ov::send("Get Value"_sel, Item("Shown")).get(), "7"));
  RunUntilIdle();
  EXPECT_EQ(ClientPixels(kShown), Reference("7", kShown));
}

TEST_F(GraphicItems, ATransparentTextGivenAShorterValueLeavesNoTraceOfTheOldOne) {
  Open();
  ov::tell(ov::send<0>("Set Value"_sel, Item("Fading"), {ov::text("1")}));
  RunUntilIdle();
  EXPECT_EQ(ClientPixels(kFading), ClientPixels(kSteady)) << "the same as an item that showed 1 from the start";
}

// A line is drawn with its graphic's pen, black without one.
TEST_F(GraphicItems, ALineRunsFromItsFirstEndPointUpToItsLastInItsPensColor) {
  Open();
  const struct {
    int row;
    uint32_t color;
  } rules[] = {{60, kBlack}, {64, 0xFF0000}};
  for (const auto& r : rules) {
    SCOPED_TRACE(r.row);
    std::vector<uint32_t> rule = ClientPixels({20, r.row, 200, r.row + 1});
    EXPECT_EQ(rule, std::vector<uint32_t>(rule.size(), r.color));
    EXPECT_NE(ClientPixel(19, r.row), r.color);
    EXPECT_NE(ClientPixel(200, r.row), r.color) << "the last point is not drawn";
    for (int y : {r.row - 1, r.row + 1}) {
      std::vector<uint32_t> beside = ClientPixels({20, y, 200, y + 1});
      EXPECT_EQ(std::count(beside.begin(), beside.end(), r.color), 0) << "row " << y;
    }
  }
}

TEST_F(GraphicItems, ABorderFramesTheItemJustOutsideItsFrame) {
  Open();
  RECT ring{kBoxed.left - 1, kBoxed.top - 1, kBoxed.right + 1, kBoxed.bottom + 1};
  for (RECT side : {RECT{ring.left, ring.top, ring.right, ring.top + 1},
                    {ring.left, ring.bottom - 1, ring.right, ring.bottom},
                    {ring.left, ring.top, ring.left + 1, ring.bottom},
                    {ring.right - 1, ring.top, ring.right, ring.bottom}}) {
    std::vector<uint32_t> pixels = ClientPixels(side);
    EXPECT_EQ(pixels, std::vector<uint32_t>(pixels.size(), kBlack)) << side.left << "," << side.top;
  }
  EXPECT_EQ(ClientPixel(kBoxed.left, kBoxed.top), 0xFFFFFFu) << "inside, the text's own white";
}

// Inverting shows at once on screen; a graphic without a region (a text)
// has its frame repainted plain afterwards, one with a region (a line)
// keeps the inverted pixels.
TEST_F(GraphicItems, InvertingShowsAtOnceAndOnlyAGraphicWithoutARegionIsRepainted) {
  struct Case {
    const char* item;
    RECT frame;
    bool repainted;
  };
  for (const Case& c : {Case{"Press", kButton, true}, Case{"Rule", {20, 60, 200, 61}, false}}) {
    SCOPED_TRACE(c.item);
    Open();
    std::vector<uint32_t> normal = ClientPixels(c.frame);
    ov::tell(ov::send<0>("Invert"_sel, Item(c.item)));
    EXPECT_EQ(ClientPixels(c.frame), Inverted(normal));
    EXPECT_TRUE(ov::isTrue(ov::get("Inverted?"_attr, Item(c.item))));
    EXPECT_EQ(GetUpdateRect(ViewHandle(), nullptr, FALSE), c.repainted);
    RunUntilIdle();
    EXPECT_EQ(ClientPixels(c.frame), c.repainted ? normal : Inverted(normal));
    CloseApplication();
  }
}

// The area repainted takes in the border around the item and the part of a
// line's pen that overhangs its frame; a closed item asks for nothing.
TEST_F(GraphicItems, ARedrawTakesInTheBorderAndTheOverhangOfALinesPen) {
  Open();
  const struct {
    const char* item;
    RECT area;
  } cases[] = {
      {"Boxed", {119, 19, 181, 41}},
      {"Thick", {200, 150, 292, 153}},
      {"Dead", {120, 140, 190, 160}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.item);
    ov::tell(ov::send<0>("Redraw"_sel, Item(c.item), {gdDefaultTrue}));
    RECT asked{};
    ASSERT_TRUE(GetUpdateRect(ViewHandle(), &asked, FALSE));
    EXPECT_EQ(SidesOf(asked), SidesOf(c.area));
    RunUntilIdle();
  }
  ov::tell(ov::send<0>("Close"_sel, Item("Shown")));
  ov::tell(ov::send<0>("Redraw"_sel, Item("Shown"), {gdDefaultTrue}));
  ov::tell(ov::send<0>("Invert"_sel, Item("Shown")));
  EXPECT_TRUE(ov::isTrue(ov::get("Inverted?"_attr, Item("Shown"))));
  EXPECT_FALSE(GetUpdateRect(ViewHandle(), nullptr, FALSE)) << "closed, it has no owner to repaint it";
}

// In a three-dimensional interface every item shows its owner's background;
// otherwise only a transparent one does.
TEST_F(GraphicItems, OnlyATransparentItemIsTransparentOutsideAThreeDimensionalInterface) {
  Open();
  ovRef opaque = Value(TextItem("Opaque", "{ 0 0 10 10 }", "1", R"("Transparent?": FALSE)"));
  ovRef clear = Value(TextItem("Clear", "{ 0 0 10 10 }", "1", R"("Transparent?": TRUE)"));
  for (bool threeD : {true, false}) {
    ov::set("3D Interface?"_attr, Application(), ov::boolean(threeD));
    EXPECT_EQ(ov::isTrue(ov::send("Get Transparent?"_sel, opaque).get()), threeD);
    EXPECT_TRUE(ov::isTrue(ov::send("Get Transparent?"_sel, clear).get())) << threeD;
  }
}

// A point is in a graphic with a region when it is in the region, whatever
// the item's frame; in one without, when it is in the frame.
TEST_F(GraphicItems, APointIsInAGraphicByItsRegionOrElseByTheItemsFrame) {
  Open();
  auto in = [](const char* name, int x, int y) {
    return ov::toInt(ov::send("Point In Graphic?"_sel, Item(name), {ov::point(y, x), nullptr}).get()) != 0;
  };
  EXPECT_TRUE(in("Rule", 100, 60));
  EXPECT_FALSE(in("Rule", 100, 65));
  HRGN region = CreateRectRgn(20, 50, 200, 70);
  ov::set("Region"_attr, ov::get("Graphic"_attr, Item("Rule")), ov::handleValue(region));
  EXPECT_TRUE(in("Rule", 100, 65));
  EXPECT_FALSE(in("Rule", 100, 75));
  DeleteObject(region);
}

// A line refits to its item's new frame: an orthogonal line in a frame
// wider than high runs across its middle row. New end points show at once.
TEST_F(GraphicItems, AMovedOrResizedLineRunsAcrossTheMiddleOfItsNewFrame) {
  Open();
  ov::tell(ov::send<0>("Set Frame"_sel, Item("Rule"), {ov::rect(100, 20, 121, 200)}));
  ovRef ends = ov::send("Get Value"_sel, Item("Rule")).take();
  EXPECT_EQ(ov::toPOINT(ov::element(ends, 0)).y, 110);
  EXPECT_EQ(ov::toPOINT(ov::element(ends, 1)).x, 200);
  ov::tell(ov::send<0>("Set Location"_sel, Item("Rule"), {ov::point(140, 20)}));
  RunUntilIdle();
  std::vector<uint32_t> rule = ClientPixels({20, 150, 200, 151});
  EXPECT_EQ(rule, std::vector<uint32_t>(rule.size(), kBlack));
  EXPECT_NE(ClientPixel(30, 60), kBlack) << "gone from where it was";
  ov::tell(ov::send<0>("Set Value"_sel, Item("Rule"), {Value("( { 150 20 } { 150 100 } )")}));
  RunUntilIdle();
  EXPECT_EQ(ClientPixel(50, 150), kBlack);
  EXPECT_NE(ClientPixel(150, 150), kBlack) << "new end points: the old line is erased beyond them";
}

// A text has a font and no pen; a line has neither. Without a graphic an
// item has no value and no font, and a new value changes nothing; it still
// moves.
TEST_F(GraphicItems, TheItemAnswersThePenAndFontQuestionsAsItsGraphicDoes) {
  Open();
  ov::tell(ov::send<0>("Set Value"_sel, Item("Dead"), {ov::integer(7)}));
  EXPECT_EQ(ov::send("Get Value"_sel, Item("Dead")).get(), nullptr);
  ov::tell(ov::send<0>("Set Location"_sel, Item("Dead"), {ov::point(150, 130)}));
  EXPECT_EQ(SidesOf(ov::toRECT(ov::get("Frame"_attr, Item("Dead")))), (Sides{130, 150, 200, 170}))
      << "moved all the same";
  EXPECT_TRUE(ov::isA(ov::send("Get Font"_sel, Item("Shown")).get(), "Font"_cls));
  EXPECT_EQ(ov::send("Get Font"_sel, Item("Dead")).get(), nullptr);
  for (const auto& [name, hasFont] : {std::pair{"Shown", true}, std::pair{"Rule", false}, std::pair{"Dead", false}}) {
    EXPECT_EQ(ov::send<0>("Has Font?"_sel, Item(name)).succeeded(), hasFont) << name;
    EXPECT_EQ(ov::send("Get Pen"_sel, Item(name)).get(), nullptr) << name;
  }
}

using GraphicButton = GraphicItems;

// Gestures of the pointer on the button ("Press") and away from it, each
// followed by what the button shows then: inverted, pressed (holding the
// capture) and the clicks so far; -1 where a step does not say. The
// pointer over the button inverts it, pressed or not.
enum Gesture { kPress, kMove, kRelease };
struct Step {
  Gesture gesture;
  bool onButton;
  int inverted, pressed, clicks;
};

TEST_F(GraphicButton, TheButtonFollowsThePointerAndClicksOnAReleaseOnItAfterAPressOnIt) {
  const struct {
    const char* behaviour;
    std::vector<Step> steps;
  } cases[] = {
      {"a press captures and inverts it, a release on it clicks",
       {{kPress, true, -1, 1, 0}, {kRelease, true, 0, 0, 1}}},
      {"the inverted look follows the pointer out and back in",
       {{kPress, true, -1, 1, 0}, {kMove, false, 0, 1, 0}, {kMove, true, 1, 1, 0}, {kRelease, true, 0, 0, 1}}},
      {"a release away clicks nothing, and the press is over: the next click counts",
       {{kPress, true, -1, 1, 0},
        {kMove, false, 0, 1, 0},
        {kRelease, false, 0, 0, 0},
        {kPress, true, -1, 1, 0},
        {kRelease, true, 0, 0, 1}}},
      {"a press begun elsewhere and released on it clicks nothing",
       {{kMove, true, 1, 0, 0}, {kPress, false, -1, -1, 0}, {kMove, true, -1, -1, 0}, {kRelease, true, 0, 0, 0}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.behaviour);
    gClicks = 0;
    Open();
    for (size_t i = 0; i < c.steps.size(); ++i) {
      const Step& step = c.steps[i];
      POINT at = step.onButton ? Middle(kButton) : OnScreen(kButton.right + 40, kButton.bottom + 20);
      if (step.gesture == kPress) platform::headless::pressButton(at.x, at.y);
      if (step.gesture == kMove) platform::headless::moveMouse(at.x, at.y);
      if (step.gesture == kRelease) platform::headless::releaseButton(at.x, at.y);
      RunUntilIdle();
      SCOPED_TRACE("step " + std::to_string(i));
      if (step.inverted >= 0) {
        EXPECT_EQ(ov::isTrue(ov::get("Inverted?"_attr, Item("Press"))), step.inverted == 1);
      }
      if (step.pressed >= 0) {
        EXPECT_EQ(Pressed("Press"), step.pressed == 1);
        EXPECT_EQ(GetCapture(), step.pressed == 1 ? ViewHandle() : nullptr);
      }
      EXPECT_EQ(gClicks, step.clicks);
    }
    CloseApplication();
  }
}

// An item that is no button clicks at the press; an inactive one never.
TEST_F(GraphicButton, APlainItemClicksAtThePressAndAnInactiveOneNever) {
  Open();
  POINT label = Middle({30, 140, 110, 160});
  POINT dead = Middle({120, 140, 190, 160});
  platform::headless::pressButton(label.x, label.y);
  RunUntilIdle();
  EXPECT_EQ(gClicks, 1);
  EXPECT_EQ(GetCapture(), nullptr);
  platform::headless::releaseButton(label.x, label.y);
  platform::headless::click(dead.x, dead.y);
  RunUntilIdle();
  EXPECT_EQ(gClicks, 1);
  EXPECT_FALSE(Pressed("Dead"));
}

}  // namespace
