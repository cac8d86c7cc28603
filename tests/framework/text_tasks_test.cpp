// The clipboard commands of an edit text, chosen from the Edit menu: each
// runs through the commander, and Undo (then Redo) from the same menu
// reverses it. What the clipboard holds afterwards is checked each time.
#include "edit_window.h"

namespace {

class TextTasks : public EditWindowTest {
 protected:
  // An item A holding text, the Edit menu, and A's text selected.
  void OpenWithSelectedText(const char* text, bool editable = true) {
    InstallEditMenu();
    InstallMainWindow(EditText("A", "10 10 32 200", std::string("\"Text\": \"") + text + "\"", editable));
    OpenApplication();
    RunUntilIdle();
    ClickItem("A");
    SelectAllByKeys();
  }
};

TEST_F(TextTasks, CutMovesTheSelectionToTheClipboardAndUndoBringsItBack) {
  SetClipboardText("before");
  OpenWithSelectedText("hello");
  Choose("Cut");
  EXPECT_EQ(ValueOf("A"), "");
  EXPECT_EQ(ClipboardText(), "hello");
  Choose("Undo");
  EXPECT_EQ(ValueOf("A"), "hello");
}

TEST_F(TextTasks, CopyFillsTheClipboardAndLeavesTheText) {
  SetClipboardText("before");
  OpenWithSelectedText("hello");
  Choose("Copy");
  EXPECT_EQ(ValueOf("A"), "hello");
  EXPECT_EQ(ClipboardText(), "hello");
}

TEST_F(TextTasks, PasteReplacesTheSelectionAndUndoRestoresIt) {
  SetClipboardText("XY");
  OpenWithSelectedText("hello");
  Choose("Paste");
  EXPECT_EQ(ValueOf("A"), "XY");
  Choose("Undo");
  EXPECT_EQ(ValueOf("A"), "hello");
  EXPECT_EQ(ClipboardText(), "XY");
}

TEST_F(TextTasks, ClearDeletesTheSelectionAndKeepsTheClipboard) {
  SetClipboardText("keep");
  OpenWithSelectedText("hello");
  Choose("Clear");
  EXPECT_EQ(ValueOf("A"), "");
  EXPECT_EQ(ClipboardText(), "keep");
  Choose("Undo");
  EXPECT_EQ(ValueOf("A"), "hello");
  Choose("Undo");
  EXPECT_EQ(ValueOf("A"), "") << "the second Undo redoes the clearing";
  EXPECT_EQ(ClipboardText(), "keep");
}

TEST_F(TextTasks, ACommandFromAnAcceleratorKeyIsLeftToTheControl) {
  SetClipboardText("keep");
  OpenWithSelectedText("hello");
  Choose("Cut", 1);
  Choose("Clear", 1);
  EXPECT_EQ(ValueOf("A"), "hello");
  EXPECT_EQ(ClipboardText(), "keep");
}

// On a read-only item the commands that change the text change nothing,
// even when a command arrives while its menu item is grayed.
TEST_F(TextTasks, AReadOnlyItemsTextIsNeitherCutPastedNorCleared) {
  SetClipboardText("keep");
  OpenWithSelectedText("fixed", false);
  for (const char* command : {"Cut", "Paste", "Clear"}) Choose(command);
  EXPECT_EQ(ValueOf("A"), "fixed");
  EXPECT_EQ(ClipboardText(), "keep");
}

}  // namespace
