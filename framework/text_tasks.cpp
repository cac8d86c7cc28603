// Text tasks: the clipboard commands of edit texts, done and undone
// through the commander. Each sends one message to its item's edit
// control. The control keeps one level of undo, and undoing twice gives
// the text back, so undo and redo are the same message.
#include "platform/win32.h"
#include "runtime/methods/kit.h"
#include "runtime/methods/platform_values.h"

namespace {

namespace text_task {

// Sends the message to the edit control of the task's item, when there is
// one.
template <UINT Message>
ovStatus ToEditor(const ov::Args& a) {
  ovRef item = ov::get("Text Item"_attr, a.receiver());
  if (!item) return ovSuccess;
  HWND editor = ov::toHandle<HWND>(ov::send("Get Window Record"_sel, item).get());
  if (editor) SendMessageA(editor, Message, 0, 0);
  return ovSuccess;
}

}  // namespace text_task

const ovClassDeclaration kTextTaskClass({
    .name = "Text Task"_cls,
    .superclass = "Task"_cls,
    .attributes = {"Text Item"_attr, "Before"_attr, "Before Style"_attr, "Before Point"_attr, "After"_attr,
                   "After Style"_attr, "After Point"_attr},
    .methods = ov::methods({{"Set Edit Text"_sel, ov::writer<"Text Item"_attr>},
                            {"Undo"_sel, ov::routine<text_task::ToEditor<EM_UNDO>>},
                            {"Redo"_sel, ov::routine<text_task::ToEditor<EM_UNDO>>}},
                           ov::doingNothing<"Dispose">()),
});

// A text task that does one message to the editor.
template <UINT Message>
ovClassSpec editorTask(const char* name) {
  return {
      .name = name, .superclass = "Text Task"_cls, .methods = {{"Do"_sel, ov::routine<text_task::ToEditor<Message>>}}};
}

const ovClassDeclaration kCutTaskClass(editorTask<WM_CUT>("Cut Task"_cls));
const ovClassDeclaration kCopyTaskClass(editorTask<WM_COPY>("Copy Task"_cls));
const ovClassDeclaration kPasteTaskClass(editorTask<WM_PASTE>("Paste Task"_cls));
// Clearing deletes the selection without touching the clipboard.
const ovClassDeclaration kClearTaskClass(editorTask<WM_CLEAR>("Clear Task"_cls));

}  // namespace
