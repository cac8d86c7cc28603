// Edit text items over the platform "Edit" control.
//
// The control holds the live text; "Text" keeps the last text written or
// read, and it is what a closed item answers and what a new control starts
// with. Clipboard commands are text tasks posted through the commander, so
// the last one can be undone. An item is editable unless "Editable?" is
// FALSE.
#include <string>

#include "framework/platform_context.h"
#include "framework/persistents.h"
#include "platform/win32.h"
#include "runtime/methods/kit.h"
#include "runtime/methods/platform_values.h"

namespace {

namespace sel {
const ovMethodSelector Activate("Activate");
const ovMethodSelector Close("Close");
const ovMethodSelector Do("Do");
const ovMethodSelector FilterText("Filter Text");
const ovMethodSelector GetEditable("Get Editable?");
const ovMethodSelector GetExtendedStyles("Get Extended Styles");
const ovMethodSelector GetFlags("Get Flags");
const ovMethodSelector GetFont("Get Font");
const ovMethodSelector GetNotifyCode("Get Notify Code");
const ovMethodSelector GetSelection("Get Selection");
const ovMethodSelector GetText("Get Text");
const ovMethodSelector GetWindow("Get Window");
const ovMethodSelector Hilite("Hilite");
const ovMethodSelector IsCommand("Is Command?");
const ovMethodSelector MakeDirty("Make Dirty");
const ovMethodSelector Open("Open");
const ovMethodSelector Post("Post");
const ovMethodSelector Prepare("Prepare");
const ovMethodSelector SelectAll("Select All");
const ovMethodSelector SetActive("Set Active?");
const ovMethodSelector SetEditText("Set Edit Text");
const ovMethodSelector SetFrame("Set Frame");
const ovMethodSelector SetItemEnabled("Set Item Enabled?");
const ovMethodSelector SetLocation("Set Location");
const ovMethodSelector SetTarget("Set Target");
const ovMethodSelector SetText("Set Text");
const ovMethodSelector SpecialKey("Special Key");
const ovMethodSelector Target("Target");
const ovMethodSelector UseFont("Use Font");
}  // namespace sel

namespace attr {
const ovAttributeSelector Active("Active?");
const ovAttributeSelector Border("Border");
const ovAttributeSelector AutoScroll("Auto Scroll?");
const ovAttributeSelector Color("Color");
const ovAttributeSelector Editable("Editable?");
const ovAttributeSelector EnterBehavior("Enter Behavior");
const ovAttributeSelector ExitBehavior("Exit Behavior");
const ovAttributeSelector Font("Font");
const ovAttributeSelector Text("Text");
const ovAttributeSelector TextEditor("Text Editor");
const ovAttributeSelector TextFilter("Text Filter");
const ovAttributeSelector Wrap("Wrap?");
}  // namespace attr

namespace cls {
const ovClassName ClearTask("Clear Task");
const ovClassName CopyTask("Copy Task");
const ovClassName CutTask("Cut Task");
const ovClassName Font("Font");
const ovClassName PasteTask("Paste Task");
const ovClassName WindowItem("Window Item");
}  // namespace cls

namespace uni {
const ovUniversalName GetDocument("Get Document");
const ovUniversalName GetTarget("Get Target");
const ovUniversalName Is3D("Is 3D?");
const ovUniversalName RgbToColorRef("RGB To ColorRef");
}  // namespace uni


// The accelerator notification code of WM_COMMAND.
constexpr int32_t kFromAccelerator = 1;

HWND editorOf(ovC_object* item) { return ov::toHandle<HWND>(ov::get(attr::TextEditor, item)); }

bool isEditable(ovC_object* item) { return !ov::isFalse(ov::send(sel::GetEditable, item).get()); }

bool isCurrentTarget(ovC_object* item) {
  auto target = ov::universal(uni::GetTarget);
  return target.succeeded() && target.get() == item;
}

// The item's window lets go of its target, the exit forced.
void releaseTarget(ovC_object* item) {
  ov::send<0>(sel::SetTarget, ov::send(sel::GetWindow, item).get(), {nullptr, gdDefaultTrue});
}

void postIfPresent(const ovAttributeSelector& behavior, ovC_object* item) {
  if (ovRef b = ov::get(behavior, item)) ov::send<0>(sel::Post, b);
}

// The control's whole text; the empty text without reading when it has none.
ovRef readText(HWND hwnd) {
  int length = GetWindowTextLengthA(hwnd);
  if (length <= 0) return ov::text("");
  std::string block(static_cast<size_t>(length) + 1, '\0');
  int read = GetWindowTextA(hwnd, block.data(), length + 1);
  return ov::text(std::string_view(block.data(), static_cast<size_t>(read > 0 ? read : 0)));
}

namespace edit_text {

// The whole stored text goes to the control, however long it is.
HWND createEditor(ovC_object* item, ovC_object* owner) {
  auto exStyle = static_cast<DWORD>(ov::toInt(ov::send(sel::GetExtendedStyles, item).get()));
  std::string text(ov::chars(ov::get(attr::Text, item)));
  auto style = static_cast<DWORD>(ov::toInt(ov::send(sel::GetFlags, item).get()));
  return vorn::CreateItemWindow(item, owner, exStyle, "Edit", text, style);
}

ovStatus Open(const ov::Args& a) {
  ovC_object* item = a.receiver();
  ov::sendAs<0>(cls::WindowItem, sel::Open, item, {a[1]});
  ov::set(attr::TextEditor, item, ov::handleValue(createEditor(item, a[1])));
  for (const ovAttributeSelector* behavior : {&attr::ExitBehavior, &attr::EnterBehavior})
    if (ovRef b = ov::get(*behavior, item)) ov::send<0>(sel::Open, b, {item});
  if (ovRef font = ov::get(attr::Font, item)) {
    ov::send<0>(sel::Open, font);
    ov::send<0>(sel::UseFont, item);
  }
  return ovSuccess;
}

// The control's text is kept in "Text" before the control goes.
ovStatus Close(const ov::Args& a) {
  ovC_object* item = a.receiver();
  if (isCurrentTarget(item)) releaseTarget(item);
  for (const ovAttributeSelector* part : {&attr::Font, &attr::EnterBehavior, &attr::TextFilter, &attr::ExitBehavior})
    if (ovRef object = ov::get(*part, item)) ov::send<0>(sel::Close, object);
  if (HWND hwnd = editorOf(item)) {
    ov::set(attr::Text, item, readText(hwnd));
    DestroyWindow(hwnd);
    ov::set(attr::TextEditor, item, nullptr);
  }
  return ov::sendAs<0>(cls::WindowItem, sel::Close, item).status;
}

ovStatus GetExtendedStyles(const ov::Args& a) {
  bool threeD = ov::universal<0>(uni::Is3D).status == ovSuccess;
  a.put(0, ov::integer(threeD ? WS_EX_CLIENTEDGE : 0));
  return ovSuccess;
}

ovStatus GetFlags(const ov::Args& a) {
  ovC_object* item = a.receiver();
  auto style = static_cast<uint32_t>(ov::toInt(ov::sendAs(cls::WindowItem, sel::GetFlags, item).get()));
  bool wrap = ov::isTrue(ov::get(attr::Wrap, item));
  bool autoScroll = ov::isTrue(ov::get(attr::AutoScroll, item));
  if (ov::isFalse(ov::get(attr::Editable, item))) style |= ES_READONLY;
  if (ov::get(attr::Border, item)) style |= WS_BORDER;
  if (!wrap && autoScroll) style |= ES_AUTOHSCROLL;
  if (autoScroll) style |= ES_AUTOVSCROLL;
  if (wrap) style |= ES_MULTILINE;
  style |= WS_TABSTOP;
  a.put(0, ov::integer(static_cast<int32_t>(style)));
  return ovSuccess;
}

// The control's text, stored in "Text"; a closed item answers "Text".
ovStatus GetText(const ov::Args& a) {
  ovC_object* item = a.receiver();
  if (HWND hwnd = editorOf(item)) ov::set(attr::Text, item, readText(hwnd));
  ovRef text = ov::get(attr::Text, item);
  a.put(0, ov::isText(text) ? std::move(text) : ov::text(""));
  return ovSuccess;
}

// The text is shown at once: WM_SETTEXT redraws the control.
ovStatus SetText(const ov::Args& a) {
  ov::set(attr::Text, a.receiver(), a[1]);
  if (HWND hwnd = editorOf(a.receiver())) {
    std::string text(ov::chars(a[1]));
    SendMessageA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  return ovSuccess;
}

ovStatus SetValue(const ov::Args& a) {
  ovRef value = a[1] ? ovRef::share(a[1]) : ov::text("");
  return ov::send<0>(sel::SetText, a.receiver(), {value}).status;
}

// (start, end) of the selection; (0, 0) when closed.
ovStatus GetSelection(const ov::Args& a) {
  HWND hwnd = editorOf(a.receiver());
  auto range = static_cast<DWORD>(hwnd ? SendMessageA(hwnd, EM_GETSEL, 0, 0) : 0);
  a.put(0, ov::point(LOWORD(range), HIWORD(range)));
  return ovSuccess;
}

ovStatus SelectAll(const ov::Args& a) {
  if (HWND hwnd = editorOf(a.receiver())) SendMessageA(hwnd, EM_SETSEL, 0, -1);
  return ovSuccess;
}

ovStatus Enter(const ov::Args& a) {
  ov::send<0>(sel::Prepare, a.receiver());
  SetFocus(editorOf(a.receiver()));
  postIfPresent(attr::EnterBehavior, a.receiver());
  return ovSuccess;
}

// The filter's "Do" (filter, text, item) fails to reject the text.
ovStatus FilterText(const ov::Args& a) {
  ovRef filter = ov::get(attr::TextFilter, a.receiver());
  if (!filter) return ovSuccess;
  ovRef text = ov::send(sel::GetText, a.receiver()).take();
  return ov::send<0>(sel::Do, filter, {text, a.receiver()}).failed() ? ovFailure : ovSuccess;
}

// Only an unforced exit can be refused; the text is stored either way, but
// the exit behaviour runs only for an accepted text.
ovStatus Exit(const ov::Args& a) {
  ovC_object* item = a.receiver();
  bool accepted = ov::send<0>(sel::FilterText, item).succeeded();
  if (!accepted && !ov::isTrue(a[1])) return ovFailure;
  if (accepted && ov::isTrue(ov::get(attr::Active, item))) postIfPresent(attr::ExitBehavior, item);
  ov::send<0>(sel::GetText, item);
  return ovSuccess;
}

// A read-only item fails, so tabbing passes it by; so does one that cannot
// take the target from the current one.
ovStatus Tab(const ov::Args& a) {
  if (!isEditable(a.receiver())) return ovFailure;
  if (ov::send<0>(sel::Target, a.receiver(), {gdDefaultFalse}).failed()) return ovFailure;
  return ov::send<0>(sel::SelectAll, a.receiver()).status;
}

ovStatus Activate(const ov::Args& a) {
  if (ov::isTrue(a[1]) && isCurrentTarget(a.receiver())) SetFocus(editorOf(a.receiver()));
  return ovSuccess;
}

ovStatus Hilite(const ov::Args& a) {
  ov::send<0>(sel::Activate, a.receiver(), {a[1]});
  return ov::sendAs<0>(cls::WindowItem, sel::Hilite, a.receiver(), {a[1]}).status;
}

ovStatus SetActive(const ov::Args& a) {
  ov::sendAs<0>(cls::WindowItem, sel::SetActive, a.receiver(), {a[1]});
  if (ov::isFalse(a[1]) && isCurrentTarget(a.receiver())) releaseTarget(a.receiver());
  return ovSuccess;
}

// The focus came to the control: it becomes the target. When the current
// target (an item) refuses to let go, the focus goes back to it.
void takeTarget(ovC_object* item) {
  if (isCurrentTarget(item)) return;
  if (ov::send<0>(sel::Target, item, {gdDefaultFalse}).succeeded()) return;
  auto target = ov::universal(uni::GetTarget);
  if (target.succeeded() && ov::isA(target.get(), cls::WindowItem))
    ov::send<0>(sel::Activate, target.get(), {gdDefaultTrue});
}

void markDocumentDirty() {
  auto document = ov::universal(uni::GetDocument);
  if (document.succeeded() && document.get()) ov::send<0>(sel::MakeDirty, document.get());
}

void colorText(ovC_object* item) {
  ovRef font = ov::send(sel::GetFont, item).take();
  ovRef color = ov::universal(uni::RgbToColorRef, {ov::get(attr::Color, font)}).take();
  HWND hwnd = editorOf(item);
  HDC dc = GetDC(hwnd);
  SetTextColor(dc, static_cast<COLORREF>(ov::toInt(color)));
  ReleaseDC(hwnd, dc);
}

// The control's notifications.
ovStatus OnCommand(const ov::Args& a) {
  int32_t code = ov::toInt(ov::send(sel::GetNotifyCode, a[1]).get());
  if (code == EN_SETFOCUS) takeTarget(a.receiver());
  if (code == EN_CHANGE) markDocumentDirty();
  if (code == EN_UPDATE) colorText(a.receiver());
  return ovSuccess;
}

// A command from an accelerator key: the control handles that key itself.
bool fromAccelerator() {
  ovRef event = gEvent.get();
  return ov::send<0>(sel::IsCommand, event).succeeded() &&
         ov::toInt(ov::send(sel::GetNotifyCode, event).get()) == kFromAccelerator;
}

// Posts a task of class Task on the item; a task that changes the text does
// nothing on a read-only item.
template <const ovClassName& Task, bool ChangesText>
ovStatus PostTextTask(const ov::Args& a) {
  if (fromAccelerator()) return ovTerminate;
  if (ChangesText && !isEditable(a.receiver())) return ovTerminate;
  ovRef task = ov::make(Task).take();
  ov::send<0>(sel::SetEditText, task, {a.receiver()});
  ov::send<0>(sel::Post, task);
  return ovSuccess;
}

// Claims the editing items: Cut, Copy, Paste, Clear, Select All.
ovStatus UpdateMenus(const ov::Args& a) {
  ovC_object* item = a.receiver();
  POINT selection = ov::toPOINT(ov::send(sel::GetSelection, item).get());
  bool selected = selection.y != selection.x;
  bool editable = isEditable(item);
  bool pasteable = IsClipboardFormatAvailable(CF_TEXT);
  bool hasText = !ov::chars(ov::send(sel::GetText, item).get()).empty();
  const struct {
    const char* name;
    bool enabled;
  } claims[] = {{"Cut", editable && selected},
                {"Copy", selected},
                {"Paste", editable && pasteable},
                {"Clear", editable && selected},
                {"Select All", hasText}};
  for (const auto& claim : claims)
    ov::send<0>(sel::SetItemEnabled, a[1], {ov::text(claim.name), item, ov::boolean(claim.enabled)});
  return ovSuccess;
}

// The font's handle, or the system font without one.
ovStatus UseFont(const ov::Args& a) {
  ovRef font = ov::get(attr::Font, a.receiver());
  ovRef handle = font ? ov::send(sel::GetFont, font).take() : nullptr;
  SendMessageA(editorOf(a.receiver()), WM_SETFONT, reinterpret_cast<WPARAM>(ov::toHandle<HFONT>(handle)), TRUE);
  return ovSuccess;
}

ovStatus GetFont(const ov::Args& a) {
  ovRef font = ov::get(attr::Font, a.receiver());
  a.put(0, font ? std::move(font) : ov::make(cls::Font).take());
  return ovSuccess;
}

// What the window item does; its failure is this method's.
template <const ovMethodSelector& Method>
ovStatus AsWindowItem(const ov::Args& a) {
  return ov::sendAs<0>(cls::WindowItem, Method, a.receiver(), {a[1], a[2], a[3]}).failed() ? ovFailure : ovSuccess;
}

}  // namespace edit_text

const ovClassDeclaration kEditTextClass({
    .name = "Edit Text",
    .superclass = "Window Item",
    .attributes = {"Text Editor", "Wrap?", "Auto Scroll?", "Font", "Enter Behavior", "Exit Behavior", "Text Filter",
                   "Text", "Style Record", "Style?", "Editable?"},
    .methods = {{"Open", ov::routine<edit_text::Open>},
                {"Close", ov::routine<edit_text::Close>},
                {"Get Flags", ov::routine<edit_text::GetFlags>},
                {"Get Extended Styles", ov::routine<edit_text::GetExtendedStyles>},
                {"Get Text", ov::routine<edit_text::GetText>},
                {"Set Text", ov::routine<edit_text::SetText>},
                {"Get Value", ov::routine<edit_text::GetText>},
                {"Set Value", ov::routine<edit_text::SetValue>},
                {"Get Selection", ov::routine<edit_text::GetSelection>},
                {"Select All", ov::routine<edit_text::SelectAll>},
                {"Enter", ov::routine<edit_text::Enter>},
                {"Exit", ov::routine<edit_text::Exit>},
                {"Filter Text", ov::routine<edit_text::FilterText>},
                {"Tab", ov::routine<edit_text::Tab>},
                {"Activate", ov::routine<edit_text::Activate>},
                {"Hilite", ov::routine<edit_text::Hilite>},
                {"Set Active?", ov::routine<edit_text::SetActive>},
                {"On Command", ov::routine<edit_text::OnCommand>},
                {"Cut", ov::routine<edit_text::PostTextTask<cls::CutTask, true>>},
                {"Copy", ov::routine<edit_text::PostTextTask<cls::CopyTask, false>>},
                {"Paste", ov::routine<edit_text::PostTextTask<cls::PasteTask, true>>},
                {"Clear", ov::routine<edit_text::PostTextTask<cls::ClearTask, true>>},
                {"Update Menus", ov::routine<edit_text::UpdateMenus>},
                {"Use Font", ov::routine<edit_text::UseFont>},
                {"Get Font", ov::routine<edit_text::GetFont>},
                {"Special Key", ov::routine<edit_text::AsWindowItem<sel::SpecialKey>>},
                {"Get Editable?", ov::reader<attr::Editable>},
                {"Get Window Record", ov::reader<attr::TextEditor>},
                {"Set Frame", ov::routine<edit_text::AsWindowItem<sel::SetFrame>>},
                {"Set Location", ov::routine<edit_text::AsWindowItem<sel::SetLocation>>},
                {"Change Cursor", ov::nothing},
                {"Draw", ov::nothing},
                {"Idle", ov::nothing},
                {"Has Font?", ov::nothing},
                {"Targetable?", ov::nothing},
                {"Process Key", ov::failing}},
});

}  // namespace
