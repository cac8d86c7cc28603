// Commands posted to the commander: one level of undo and redo, and the
// text of the Undo item.
#include <string>

#include "edit_window.h"

namespace {

const ovMethodSelector kPost("Post");
const ovMethodSelector kSetEditText("Set Edit Text");
const ovMethodSelector kUndo("Undo");
const ovMethodSelector kUndoItem("Undo Item");
const ovAttributeSelector kCommander("Commander");
const ovAttributeSelector kMainWindow("Main Window");
const ovAttributeSelector kRedo("Redo?");
const ovAttributeSelector kUndoCommand("Undo Command");
const ovClassName kClearTask("Clear Task");

ovStatus Failing(const ov::Args&) { return ovFailure; }
const ovUniversalDeclaration kFailing("Fail As Command", ov::routine<Failing>);

class Commands : public EditWindowTest {
 protected:
  void OpenWithoutWindow() {
    ov::set(kMainWindow, Application(), ov::text(""));
    OpenApplication();
  }

  static ovRef Commander() { return ov::get(kCommander, Application()); }

  // A behaviour calling a method that does nothing, or the one that fails.
  static ovRef Command(bool undoable, const char* method = "Get Application") {
    return Value(std::string(R"(<<Behavior>> [ "Enabled?": TRUE "Name": "" "Method": ")") + method +
                 R"(" "Specifiers": ( ) "Undo?": )" + (undoable ? "TRUE" : "FALSE") + " ]");
  }

  static std::string UndoItem() { return std::string(ov::chars(ov::send(kUndoItem, Commander()).get())); }
  static void Undo() { ov::tell(ov::send<0>(kUndo, Commander())); }
};

// The command clears an edit text's selected text; the text task's Undo
// and Redo go to the edit control.
TEST_F(Commands, UndoRestoresWhatTheCommandChangedAndUndoAgainRedoesIt) {
  InstallMainWindow(EditText("A", "10 10 32 200", R"("Text": "hello")"));
  OpenApplication();
  RunUntilIdle();
  ClickItem("A");
  SelectAllByKeys();
  EXPECT_EQ(UndoItem(), "Undo") << "nothing to undo";
  ovRef command = ov::make(kClearTask).take();
  ov::tell(ov::send<0>(kSetEditText, command, {Item("A")}));
  ov::tell(ov::send<0>(kPost, command));
  EXPECT_EQ(ValueOf("A"), "");
  EXPECT_EQ(ov::get(kUndoCommand, Commander()), command);
  EXPECT_EQ(UndoItem(), "Undo");
  Undo();
  EXPECT_EQ(ValueOf("A"), "hello");
  EXPECT_TRUE(ov::isTrue(ov::get(kRedo, Commander())));
  EXPECT_EQ(UndoItem(), "Redo");
  Undo();
  EXPECT_EQ(ValueOf("A"), "");
  EXPECT_TRUE(ov::isFalse(ov::get(kRedo, Commander())));
  EXPECT_EQ(UndoItem(), "Undo");
  EXPECT_EQ(ov::get(kUndoCommand, Commander()), command) << "one command toggles; there is no deeper history";
}

TEST_F(Commands, UndoAfterACommandThatCannotBeUndoneUndoesTheOneBefore) {
  OpenWithoutWindow();
  ovRef undoable = Command(true);
  ov::tell(ov::send<0>(kPost, undoable));
  ov::tell(ov::send<0>(kPost, Command(false)));
  EXPECT_EQ(ov::get(kUndoCommand, Commander()), undoable);
  Undo();
  EXPECT_TRUE(ov::isTrue(ov::get(kRedo, Commander())));
  EXPECT_EQ(UndoItem(), "Redo");
}

TEST_F(Commands, AnUndoableCommandThatFailsLeavesNothingToUndo) {
  OpenWithoutWindow();
  ov::tell(ov::send<0>(kPost, Command(true)));
  ov::tell(ov::send<0>(kPost, Command(true, "Fail As Command")));
  EXPECT_EQ(ov::get(kUndoCommand, Commander()).get(), nullptr);
  EXPECT_EQ(UndoItem(), "Undo");
}

}  // namespace
