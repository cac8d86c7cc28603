// Commands posted to the commander: one level of undo and redo, and the
// text of the Undo item.
#include <string>

#include "edit_window.h"

namespace {

const ovUniversalDeclaration kFailing("Fail As Command", ov::failing);

class Commands : public EditWindowTest {
 protected:
  void OpenWithoutWindow() {
    ov::set("Main Window"_attr, Application(), ov::text(""));
    OpenApplication();
  }

  static ovRef Commander() { return ov::get("Commander"_attr, Application()); }

  // A behaviour calling a method that does nothing, or the one that fails.
  static ovRef Command(bool undoable, const char* method = "Get Application", const char* name = "") {
    return Value(std::string(R"(<<Behavior>> [ "Enabled?": TRUE "Name": ")") + name + R"(" "Method": ")" + method +
                 R"(" "Specifiers": ( ) "Undo?": )" + (undoable ? "TRUE" : "FALSE") + " ]");
  }

  static std::string UndoItem() { return std::string(ov::chars(ov::send("Undo Item"_sel, Commander()).get())); }
  static void Undo() { ov::tell(ov::send<0>("Undo"_sel, Commander())); }
};

// The command clears an edit text's selected text; the text task's Undo
// and Redo go to the edit control.
TEST_F(Commands, UndoRestoresWhatTheCommandChangedAndUndoAgainRedoesIt) {
  OpenWindow(EditText("A", "10 10 32 200", R"("Text": "hello")"));
  ClickItem("A");
  SelectAllByKeys();
  EXPECT_EQ(UndoItem(), "Undo") << "nothing to undo";
  ovRef command = ov::make("Clear Task"_cls).take();
  ov::tell(ov::send<0>("Set Edit Text"_sel, command, {Item("A")}));
  ov::tell(ov::send<0>("Post"_sel, command));
  EXPECT_EQ(ValueOf("A"), "");
  EXPECT_EQ(ov::get("Undo Command"_attr, Commander()), command);
  EXPECT_EQ(UndoItem(), "Undo");
  Undo();
  EXPECT_EQ(ValueOf("A"), "hello");
  EXPECT_TRUE(ov::isTrue(ov::get("Redo?"_attr, Commander())));
  EXPECT_EQ(UndoItem(), "Redo");
  Undo();
  EXPECT_EQ(ValueOf("A"), "");
  EXPECT_TRUE(ov::isFalse(ov::get("Redo?"_attr, Commander())));
  EXPECT_EQ(UndoItem(), "Undo");
  EXPECT_EQ(ov::get("Undo Command"_attr, Commander()), command) << "one command toggles; there is no deeper history";
  ov::tell(ov::send<0>("Close"_sel, Item("A")));
  Undo();
  ov::tell(ov::send<0>("Post"_sel, ov::make("Clear Task"_cls).get()));
  EXPECT_EQ(ValueOf("A"), "") << "a task of a closed item, or of none, changes no text";
}

// A named command's item is the "Undo Task" template filled with the verb
// and the name; this program's named strings leave it without placeholders.
TEST_F(Commands, UndoAfterACommandThatCannotBeUndoneUndoesTheOneBefore) {
  OpenWithoutWindow();
  ovRef undoable = Command(true);
  ov::tell(ov::send<0>("Post"_sel, undoable));
  ov::tell(ov::send<0>("Post"_sel, Command(false)));
  EXPECT_EQ(ov::get("Undo Command"_attr, Commander()), undoable);
  Undo();
  EXPECT_TRUE(ov::isTrue(ov::get("Redo?"_attr, Commander())));
  EXPECT_EQ(UndoItem(), "Redo");
  ov::tell(ov::send<0>("Post"_sel, Command(true, "Get Application", "Golden")));
  EXPECT_EQ(UndoItem(), "Undo Task");
}

TEST_F(Commands, AnUndoableCommandThatFailsLeavesNothingToUndo) {
  OpenWithoutWindow();
  ov::tell(ov::send<0>("Post"_sel, Command(true)));
  ov::tell(ov::send<0>("Post"_sel, Command(true, "Fail As Command")));
  EXPECT_EQ(ov::get("Undo Command"_attr, Commander()).get(), nullptr);
  Undo();
  EXPECT_EQ(UndoItem(), "Undo") << "Undo with nothing to undo changes nothing";
}

}  // namespace
