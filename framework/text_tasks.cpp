// Text tasks: the clipboard commands of edit texts, done and undone
// through the commander. Each sends one message to its item's edit
// control. The control keeps one level of undo, and undoing twice gives
// the text back, so undo and redo are the same message.
#include "platform/win32.h"
#include "runtime/methods/kit.h"
#include "runtime/methods/platform_values.h"

namespace {

namespace sel {
const ovMethodSelector GetWindowRecord("Get Window Record");
}  // namespace sel

namespace attr {
const ovAttributeSelector TextItem("Text Item");
}  // namespace attr

namespace text_task {

// Sends the message to the edit control of the task's item, when there is
// one.
template <UINT Message>
ovStatus ToEditor(const ov::Args& a) {
  ovRef item = ov::get(attr::TextItem, a.receiver());
  if (!item) return ovSuccess;
  HWND editor = ov::toHandle<HWND>(ov::send(sel::GetWindowRecord, item).get());
  if (editor) SendMessageA(editor, Message, 0, 0);
  return ovSuccess;
}

}  // namespace text_task

const ovClassDeclaration kTextTaskClass({
    .name = "Text Task",
    .superclass = "Task",
    .attributes = {"Text Item", "Before", "Before Style", "Before Point", "After", "After Style", "After Point"},
    .methods = {{"Set Edit Text", ov::writer<attr::TextItem>},
                {"Undo", ov::routine<text_task::ToEditor<EM_UNDO>>},
                {"Redo", ov::routine<text_task::ToEditor<EM_UNDO>>},
                {"Dispose", ov::nothing}},
});

const ovClassDeclaration kCutTaskClass({
    .name = "Cut Task",
    .superclass = "Text Task",
    .methods = {{"Do", ov::routine<text_task::ToEditor<WM_CUT>>}},
});

const ovClassDeclaration kCopyTaskClass({
    .name = "Copy Task",
    .superclass = "Text Task",
    .methods = {{"Do", ov::routine<text_task::ToEditor<WM_COPY>>}},
});

const ovClassDeclaration kPasteTaskClass({
    .name = "Paste Task",
    .superclass = "Text Task",
    .methods = {{"Do", ov::routine<text_task::ToEditor<WM_PASTE>>}},
});

// Clearing deletes the selection without touching the clipboard.
const ovClassDeclaration kClearTaskClass({
    .name = "Clear Task",
    .superclass = "Text Task",
    .methods = {{"Do", ov::routine<text_task::ToEditor<WM_CLEAR>>}},
});

}  // namespace
