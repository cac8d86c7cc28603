// Edit text items over the platform "Edit" control.
//
// The control holds the live text; "Text" keeps the last text written or
// read, and it is what a closed item answers and what a new control starts
// with. Clipboard commands are text tasks posted through the commander, so
// the last one can be undone. An item is editable unless "Editable?" is
// FALSE.
#include <string>

#include "framework/event_message.h"
#include "framework/persistents.h"
#include "framework/platform_context.h"
#include "platform/win32.h"
#include "runtime/methods/kit.h"
#include "runtime/methods/platform_values.h"

namespace {

// The accelerator notification code of WM_COMMAND.
constexpr int32_t kFromAccelerator = 1;

HWND editorOf(ovC_object* item) { return ov::toHandle<HWND>(ov::get("Text Editor"_attr, item)); }

bool isEditable(ovC_object* item) { return !ov::isFalse(ov::send("Get Editable?"_sel, item).get()); }

bool isCurrentTarget(ovC_object* item) {
  auto target = ov::universal("Get Target"_uni);
  return target.succeeded() && target.get() == item;
}

// The item's window lets go of its target, the exit forced.
void releaseTarget(ovC_object* item) {
  ov::tell("Set Target"_sel, ov::send("Get Window"_sel, item).get(), {nullptr, gdDefaultTrue});
}

void postIfPresent(const ovAttributeSelector& behavior, ovC_object* item) {
  if (ovRef b = ov::get(behavior, item)) ov::tell("Post"_sel, b);
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
  auto exStyle = static_cast<DWORD>(ov::toInt(ov::send("Get Extended Styles"_sel, item).get()));
  std::string text(ov::chars(ov::get("Text"_attr, item)));
  auto style = static_cast<DWORD>(ov::toInt(ov::send("Get Flags"_sel, item).get()));
  return vorn::CreateItemWindow(item, owner, exStyle, "Edit", text, style);
}

ovStatus Open(const ov::Args& a) {
  ovC_object* item = a.receiver();
  ov::tell(ov::sendAs<0>("Window Item"_cls, "Open"_sel, item, {a[1]}));
  ov::set("Text Editor"_attr, item, ov::handleValue(createEditor(item, a[1])));
  for (const ovAttributeSelector* behavior : ov::Attributes{&"Exit Behavior"_attr, &"Enter Behavior"_attr})
    if (ovRef b = ov::get(*behavior, item)) ov::tell("Open"_sel, b, {item});
  if (ovRef font = ov::get("Font"_attr, item)) {
    ov::tell("Open"_sel, font);
    ov::tell("Use Font"_sel, item);
  }
  return ovSuccess;
}

// The control's text is kept in "Text" before the control goes.
ovStatus Close(const ov::Args& a) {
  ovC_object* item = a.receiver();
  if (isCurrentTarget(item)) releaseTarget(item);
  for (const ovAttributeSelector* part :
       ov::Attributes{&"Font"_attr, &"Enter Behavior"_attr, &"Text Filter"_attr, &"Exit Behavior"_attr})
    if (ovRef object = ov::get(*part, item)) ov::tell("Close"_sel, object);
  if (HWND hwnd = editorOf(item)) {
    ov::set("Text"_attr, item, readText(hwnd));
    DestroyWindow(hwnd);
    ov::set("Text Editor"_attr, item, nullptr);
  }
  return ov::sendAs<0>("Window Item"_cls, "Close"_sel, item).status;
}

ovStatus GetExtendedStyles(const ov::Args& a) {
  bool threeD = ov::universal<0>("Is 3D?"_uni).status == ovSuccess;
  a.put(0, ov::integer(threeD ? WS_EX_CLIENTEDGE : 0));
  return ovSuccess;
}

ovStatus GetFlags(const ov::Args& a) {
  ovC_object* item = a.receiver();
  auto style = static_cast<uint32_t>(ov::toInt(ov::sendAs("Window Item"_cls, "Get Flags"_sel, item).get()));
  bool wrap = ov::isTrue(ov::get("Wrap?"_attr, item));
  bool autoScroll = ov::isTrue(ov::get("Auto Scroll?"_attr, item));
  if (ov::isFalse(ov::get("Editable?"_attr, item))) style |= ES_READONLY;
  if (ov::get("Border"_attr, item)) style |= WS_BORDER;
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
  if (HWND hwnd = editorOf(item)) ov::set("Text"_attr, item, readText(hwnd));
  ovRef text = ov::get("Text"_attr, item);
  a.put(0, ov::isText(text) ? std::move(text) : ov::text(""));
  return ovSuccess;
}

// The text is shown at once: WM_SETTEXT redraws the control.
ovStatus SetText(const ov::Args& a) {
  ov::set("Text"_attr, a.receiver(), a[1]);
  if (HWND hwnd = editorOf(a.receiver())) {
    std::string text(ov::chars(a[1]));
    SendMessageA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  return ovSuccess;
}

ovStatus SetValue(const ov::Args& a) {
  ovRef value = a[1] ? ovRef::share(a[1]) : ov::text("");
  return ov::send<0>("Set Text"_sel, a.receiver(), {value}).status;
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
  ov::tell("Prepare"_sel, a.receiver());
  SetFocus(editorOf(a.receiver()));
  postIfPresent("Enter Behavior"_attr, a.receiver());
  return ovSuccess;
}

// The filter's "Do" (filter, text, item) fails to reject the text.
ovStatus FilterText(const ov::Args& a) {
  ovRef filter = ov::get("Text Filter"_attr, a.receiver());
  if (!filter) return ovSuccess;
  ovRef text = ov::send("Get Text"_sel, a.receiver()).take();
  return ov::send<0>("Do"_sel, filter, {text, a.receiver()}).failed() ? ovFailure : ovSuccess;
}

// Only an unforced exit can be refused; the text is stored either way, but
// the exit behaviour runs only for an accepted text.
ovStatus Exit(const ov::Args& a) {
  ovC_object* item = a.receiver();
  bool accepted = ov::send<0>("Filter Text"_sel, item).succeeded();
  if (!accepted && !ov::isTrue(a[1])) return ovFailure;
  if (accepted && ov::isTrue(ov::get("Active?"_attr, item))) postIfPresent("Exit Behavior"_attr, item);
  ov::tell("Get Text"_sel, item);
  return ovSuccess;
}

// A read-only item fails, so tabbing passes it by; so does one that cannot
// take the target from the current one.
ovStatus Tab(const ov::Args& a) {
  if (!isEditable(a.receiver())) return ovFailure;
  if (ov::send<0>("Target"_sel, a.receiver(), {gdDefaultFalse}).failed()) return ovFailure;
  return ov::send<0>("Select All"_sel, a.receiver()).status;
}

ovStatus Activate(const ov::Args& a) {
  if (ov::isTrue(a[1]) && isCurrentTarget(a.receiver())) SetFocus(editorOf(a.receiver()));
  return ovSuccess;
}

ovStatus Hilite(const ov::Args& a) {
  ov::tell("Activate"_sel, a.receiver(), {a[1]});
  return ov::sendAs<0>("Window Item"_cls, "Hilite"_sel, a.receiver(), {a[1]}).status;
}

ovStatus SetActive(const ov::Args& a) {
  ov::tell(ov::sendAs<0>("Window Item"_cls, "Set Active?"_sel, a.receiver(), {a[1]}));
  if (ov::isFalse(a[1]) && isCurrentTarget(a.receiver())) releaseTarget(a.receiver());
  return ovSuccess;
}

// The focus came to the control: it becomes the target. When the current
// target (an item) refuses to let go, the focus goes back to it.
void takeTarget(ovC_object* item) {
  if (isCurrentTarget(item)) return;
  if (ov::send<0>("Target"_sel, item, {gdDefaultFalse}).succeeded()) return;
  auto target = ov::universal("Get Target"_uni);
  if (target.succeeded() && ov::isA(target.get(), "Window Item"_cls))
    ov::tell("Activate"_sel, target.get(), {gdDefaultTrue});
}

void markDocumentDirty() {
  auto document = ov::universal("Get Document"_uni);
  if (document.succeeded() && document.get()) ov::tell("Make Dirty"_sel, document.get());
}

void colorText(ovC_object* item) {
  ovRef font = ov::send("Get Font"_sel, item).take();
  ovRef color = ov::universal("RGB To ColorRef"_uni, {ov::get("Color"_attr, font)}).take();
  HWND hwnd = editorOf(item);
  HDC dc = GetDC(hwnd);
  SetTextColor(dc, static_cast<COLORREF>(ov::toInt(color)));
  ReleaseDC(hwnd, dc);
}

// The control's notifications.
ovStatus OnCommand(const ov::Args& a) {
  int32_t code = vorn::MessageOf(a[1]).wParamHi();
  if (code == EN_SETFOCUS) takeTarget(a.receiver());
  if (code == EN_CHANGE) markDocumentDirty();
  if (code == EN_UPDATE) colorText(a.receiver());
  return ovSuccess;
}

// A command from an accelerator key: the control handles that key itself.
bool fromAccelerator() {
  const vorn::EventMessage m = vorn::MessageOf(gEvent.get());
  return m.message == WM_COMMAND && m.wParamHi() == kFromAccelerator;
}

// Posts a task of class Task on the item; a task that changes the text does
// nothing on a read-only item.
template <const auto& Task, bool ChangesText>
ovStatus PostTextTask(const ov::Args& a) {
  if (fromAccelerator()) return ovTerminate;
  if constexpr (ChangesText)
    if (!isEditable(a.receiver())) return ovTerminate;
  ovRef task = ov::make(Task).take();
  ov::tell("Set Edit Text"_sel, task, {a.receiver()});
  ov::tell("Post"_sel, task);
  return ovSuccess;
}

// Claims the editing items: Cut, Copy, Paste, Clear, Select All.
ovStatus UpdateMenus(const ov::Args& a) {
  ovC_object* item = a.receiver();
  POINT selection = ov::toPOINT(ov::send("Get Selection"_sel, item).get());
  bool selected = selection.y != selection.x;
  bool editable = isEditable(item);
  bool pasteable = IsClipboardFormatAvailable(CF_TEXT);
  bool hasText = !ov::chars(ov::send("Get Text"_sel, item).get()).empty();
  const struct {
    const char* name;
    bool enabled;
  } claims[] = {{"Cut", editable && selected},
                {"Copy", selected},
                {"Paste", editable && pasteable},
                {"Clear", editable && selected},
                {"Select All", hasText}};
  for (const auto& claim : claims)
    ov::tell("Set Item Enabled?"_sel, a[1], {ov::text(claim.name), item, ov::boolean(claim.enabled)});
  return ovSuccess;
}

// The font's handle, or the system font without one.
ovStatus UseFont(const ov::Args& a) {
  ovRef font = ov::get("Font"_attr, a.receiver());
  ovRef handle = font ? ov::send("Get Font"_sel, font).take() : nullptr;
  SendMessageA(editorOf(a.receiver()), WM_SETFONT, reinterpret_cast<WPARAM>(ov::toHandle<HFONT>(handle)), TRUE);
  return ovSuccess;
}

ovStatus GetFont(const ov::Args& a) {
  ovRef font = ov::get("Font"_attr, a.receiver());
  a.put(0, font ? std::move(font) : ov::make("Font"_cls).take());
  return ovSuccess;
}

// What the window item does; its failure is this method's.
ovStatus AsWindowItem(const ovMethodSelector& method, const ov::Args& a) {
  return ov::sendAs<0>("Window Item"_cls, method, a.receiver(), {a[1], a[2], a[3]}).failed() ? ovFailure : ovSuccess;
}

}  // namespace edit_text

const ovClassDeclaration kEditTextClass({
    .name = "Edit Text"_cls,
    .superclass = "Window Item"_cls,
    .attributes = {"Text Editor"_attr, "Wrap?"_attr, "Auto Scroll?"_attr, "Font"_attr, "Enter Behavior"_attr,
                   "Exit Behavior"_attr, "Text Filter"_attr, "Text"_attr, "Style Record"_attr, "Style?"_attr,
                   "Editable?"_attr},
    .methods = ov::methods({{"Open"_sel, ov::routine<edit_text::Open>},
                            {"Close"_sel, ov::routine<edit_text::Close>},
                            {"Get Flags"_sel, ov::routine<edit_text::GetFlags>},
                            {"Get Extended Styles"_sel, ov::routine<edit_text::GetExtendedStyles>},
                            {"Get Text"_sel, ov::routine<edit_text::GetText>},
                            {"Set Text"_sel, ov::routine<edit_text::SetText>},
                            {"Get Value"_sel, ov::routine<edit_text::GetText>},
                            {"Set Value"_sel, ov::routine<edit_text::SetValue>},
                            {"Get Selection"_sel, ov::routine<edit_text::GetSelection>},
                            {"Select All"_sel, ov::routine<edit_text::SelectAll>},
                            {"Enter"_sel, ov::routine<edit_text::Enter>},
                            {"Exit"_sel, ov::routine<edit_text::Exit>},
                            {"Filter Text"_sel, ov::routine<edit_text::FilterText>},
                            {"Tab"_sel, ov::routine<edit_text::Tab>},
                            {"Activate"_sel, ov::routine<edit_text::Activate>},
                            {"Hilite"_sel, ov::routine<edit_text::Hilite>},
                            {"Set Active?"_sel, ov::routine<edit_text::SetActive>},
                            {"On Command"_sel, ov::routine<edit_text::OnCommand>},
                            {"Cut"_sel, ov::routine<edit_text::PostTextTask<"Cut Task"_cls, true>>},
                            {"Copy"_sel, ov::routine<edit_text::PostTextTask<"Copy Task"_cls, false>>},
                            {"Paste"_sel, ov::routine<edit_text::PostTextTask<"Paste Task"_cls, true>>},
                            {"Clear"_sel, ov::routine<edit_text::PostTextTask<"Clear Task"_cls, true>>},
                            {"Update Menus"_sel, ov::routine<edit_text::UpdateMenus>},
                            {"Use Font"_sel, ov::routine<edit_text::UseFont>},
                            {"Get Font"_sel, ov::routine<edit_text::GetFont>},
                            {"Get Window Record"_sel, ov::reader<"Text Editor"_attr>},
                            {"Process Key"_sel, ov::failing}},
                           ov::forwarding<edit_text::AsWindowItem, "Special Key", "Set Frame", "Set Location">(),
                           ov::getters<"Editable?">(),
                           ov::doingNothing<"Change Cursor", "Draw", "Idle", "Has Font?", "Targetable?">()),
});

}  // namespace
