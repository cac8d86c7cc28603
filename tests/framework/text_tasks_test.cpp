// The clipboard commands of an edit text, chosen from the Edit menu: each
// runs through the commander, and Undo (then Redo) from the same menu
// reverses it. What the clipboard holds afterwards is checked each time.
#include <vector>

#include "edit_window.h"

namespace {

class TextTasks : public EditWindowTest {
 protected:
  // An item A holding text, the Edit menu, and A's text selected.
  void OpenWithSelectedText(const char* text, bool editable = true) {
    InstallEditMenu();
    OpenWindow(EditText("A", "10 10 32 200", std::string("\"Text\": \"") + text + "\"", editable));
    ClickItem("A");
    SelectAllByKeys();
  }
};

// Each step: an Edit menu command, chosen as the menu does (notify code 0)
// or as its accelerator key would (1), then the item's text and the
// clipboard's.
struct Step {
  const char* command;
  const char* text;
  const char* clipboard;
  WORD notifyCode = 0;
};

// On a read-only item the commands that change the text change nothing,
// even when a command arrives while its menu item is grayed.
TEST_F(TextTasks, EachCommandChangesTheTextAndTheClipboardAndUndoReversesIt) {
  const struct {
    const char* behaviour;
    const char* clipboard;
    const char* text;
    bool editable;
    std::vector<Step> steps;
  } cases[] = {
      {"Cut moves the selection to the clipboard",
       "before",
       "hello",
       true,
       {{"Cut", "", "hello"}, {"Undo", "hello", "hello"}}},
      {"Copy fills the clipboard and leaves the text", "before", "hello", true, {{"Copy", "hello", "hello"}}},
      {"Paste replaces the selection", "XY", "hello", true, {{"Paste", "XY", "XY"}, {"Undo", "hello", "XY"}}},
      {"Clear keeps the clipboard; the second Undo redoes the clearing",
       "keep",
       "hello",
       true,
       {{"Clear", "", "keep"}, {"Undo", "hello", "keep"}, {"Undo", "", "keep"}}},
      {"a command from an accelerator key is left to the control",
       "keep",
       "hello",
       true,
       {{"Cut", "hello", "keep", 1},
        {"Copy", "hello", "keep", 1},
        {"Paste", "hello", "keep", 1},
        {"Clear", "hello", "keep", 1}}},
      {"a read-only item's text is neither cut, pasted nor cleared",
       "keep",
       "fixed",
       false,
       {{"Cut", "fixed", "keep"}, {"Paste", "fixed", "keep"}, {"Clear", "fixed", "keep"}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.behaviour);
    SetClipboardText(c.clipboard);
    OpenWithSelectedText(c.text, c.editable);
    for (const Step& step : c.steps) {
      Choose(step.command, step.notifyCode);
      EXPECT_EQ(ValueOf("A"), step.text) << step.command;
      EXPECT_EQ(ClipboardText(), step.clipboard) << step.command;
    }
    CloseApplication();
  }
}

}  // namespace
