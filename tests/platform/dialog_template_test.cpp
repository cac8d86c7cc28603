// Dialog templates: the source compiler and the binary reader agree, the
// compiler names the line of a fault, and the reader refuses what is cut
// short or not a standard template.
#include <gtest/gtest.h>

#include <sstream>

#include "platform/dialogs/dialog_template.h"
#include "platform/resources/compiler/dialog_source.h"

using platform::dialogs::readDialogTemplate;
using platform::resources::compiler::compileDialog;

namespace {

std::vector<uint8_t> compiled(const std::string& source) {
  std::istringstream in(source);
  std::vector<uint8_t> bytes;
  std::string error;
  EXPECT_TRUE(compileDialog(in, bytes, error)) << error;
  return bytes;
}

const char kSource[] =
    "# comment\n"
    "dialog x=40 y=-5 width=175 height=81\n"
    "style WS_POPUP DS_MODALFRAME 0x4\n"
    "font 8 \"MS Sans Serif\"\n"
    "caption \"Caf\\u00e9 \\\"x\\\"\"\n"
    "\n"
    "control Static id=25011 x=5 y=4 width=164 height=50 text=\"\"\n"
    "control Button id=1 x=62 y=61 width=50 height=14 text=\"OK\" style=BS_DEFPUSHBUTTON|WS_TABSTOP\n"
    "control Gadget id=7 x=1 y=2 width=3 height=4 exstyle=WS_EX_CLIENTEDGE\n";

TEST(DialogTemplate, CompiledSourceReadsBack) {
  std::vector<uint8_t> bytes = compiled(kSource);
  auto t = readDialogTemplate(bytes.data(), bytes.size());
  ASSERT_TRUE(t);
  EXPECT_EQ(t->style, static_cast<DWORD>(WS_POPUP | DS_MODALFRAME | DS_SETFONT | 0x4));
  EXPECT_TRUE((t->units.left == 40 && t->units.top == -5 && t->units.right == 215 && t->units.bottom == 76));
  EXPECT_EQ(t->pointSize, 8);
  EXPECT_EQ(t->face, "MS Sans Serif");
  EXPECT_EQ(t->title, "Caf\xE9 \"x\"");
  EXPECT_TRUE(t->className.empty());
  EXPECT_FALSE(t->hasMenu);
  ASSERT_EQ(t->items.size(), 3u);
  EXPECT_EQ(t->items[0].className, "Static");
  EXPECT_EQ(t->items[0].id, 25011);
  EXPECT_EQ(t->items[0].style, static_cast<DWORD>(WS_CHILD | WS_VISIBLE));
  EXPECT_EQ(t->items[1].className, "Button");
  EXPECT_EQ(t->items[1].text, "OK");
  EXPECT_EQ(t->items[1].style, static_cast<DWORD>(WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON | WS_TABSTOP));
  EXPECT_TRUE((t->items[1].units.left == 62 && t->items[1].units.bottom == 75));
  EXPECT_EQ(t->items[2].className, "Gadget");
  EXPECT_EQ(t->items[2].exStyle, static_cast<DWORD>(WS_EX_CLIENTEDGE));
  // Items start on four-byte boundaries. Header (18) + menu and class words (4) + the caption's 8 units and NUL
  // (18) + point size (2) + "MS Sans Serif" and NUL (28) = 70, padded to 72.
  ASSERT_GT(bytes.size(), 76u);
  EXPECT_EQ(bytes[70], 0);
  EXPECT_EQ(bytes[71], 0);
  DWORD firstStyle = bytes[72] | bytes[73] << 8 | bytes[74] << 16 | static_cast<DWORD>(bytes[75]) << 24;
  EXPECT_EQ(firstStyle, static_cast<DWORD>(WS_CHILD | WS_VISIBLE));
}

TEST(DialogTemplate, EveryShortenedTemplateAndExtendedTemplatesAreRefused) {
  std::vector<uint8_t> bytes = compiled(kSource);
  for (size_t size = 0; size < bytes.size(); ++size)
    EXPECT_FALSE(readDialogTemplate(bytes.data(), size)) << size;
  EXPECT_TRUE(readDialogTemplate(bytes.data(), bytes.size()));
  const uint8_t extended[64] = {0x01, 0x00, 0xFF, 0xFF};
  EXPECT_FALSE(readDialogTemplate(extended, sizeof extended));
  EXPECT_FALSE(readDialogTemplate(nullptr, 10));
}

TEST(DialogTemplate, CreationDataIsKeptWithoutItsSizeWord) {
  std::vector<uint8_t> bytes = compiled("dialog x=0 y=0 width=1 height=1\ncontrol Edit id=1 x=0 y=0 width=1 height=1\n");
  bytes.pop_back();
  bytes.pop_back();
  for (uint8_t b : {6, 0, 0xAB, 0xCD, 0xEF, 0x01}) bytes.push_back(b);
  auto t = readDialogTemplate(bytes.data(), bytes.size());
  ASSERT_TRUE(t);
  EXPECT_EQ(t->items[0].creationData, (std::vector<uint8_t>{0xAB, 0xCD, 0xEF, 0x01}));
}

TEST(DialogTemplate, FaultsNameTheirLine) {
  const struct {
    const char* source;
    const char* message;
  } cases[] = {
      {"style WS_POPUP\n", "line 1: the dialog line comes first"},
      {"dialog x=0 y=0 width=1\n", "line 1: missing height"},
      {"dialog x=0 y=0 width=1 height=1 depth=2\n", "line 1: unknown key 'depth'"},
      {"dialog x=0 y=0 width=1 height=1\nstyle WS_NOTHING\n", "line 2: unknown style 'WS_NOTHING'"},
      {"dialog x=0 y=0 width=1 height=1\ncontrol Button x=0 y=0 width=1 height=1\n", "line 2: missing id"},
      {"dialog x=0 y=0 width=1 height=1\ncontrol Button id=70000 x=0 y=0 width=1 height=1\n",
       "line 2: '70000' is not a number from 0 to 65535"},
      {"dialog x=0 y=0 width=1 height=1\ncaption \"open\n", "line 2: a text is not closed with a double quote"},
      {"dialog x=0 y=0 width=1 height=1\nfont 8 Arial\n", "line 2: expected a double-quoted text, not 'Arial'"},
      {"dialog x=0 y=0 width=1 height=1\ndialog x=0 y=0 width=1 height=1\n", "line 2: a second dialog line"},
      {"# nothing\n", "no dialog line"},
  };
  for (const auto& c : cases) {
    std::istringstream in(c.source);
    std::vector<uint8_t> bytes;
    std::string error;
    EXPECT_FALSE(compileDialog(in, bytes, error)) << c.source;
    EXPECT_EQ(error, c.message);
  }
}

}  // namespace
