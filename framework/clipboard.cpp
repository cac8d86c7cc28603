// The application's clipboard: its private formats and the text on the
// platform clipboard.
//
// "Registered Format" holds, after "Open", the platform's number for each
// name in "Format String", in the same order. "Get Scrap" leaves the
// platform clipboard open for its caller when it answers; "Get Text" always
// closes it again.
#include <cstring>

#include "platform/win32.h"
#include "runtime/methods/kit.h"
#include "runtime/methods/platform_values.h"

namespace {

namespace clipboard {

ovRef registered(ovC_object* formatName) {
  return ov::integer(static_cast<int32_t>(RegisterClipboardFormatA(ov::cString(formatName).c_str())));
}

ovStatus Open(const ov::Args& a) {
  ovRef numbers = ov::emptyList();
  ov::forEach(ov::get("Format String"_attr, a.receiver()), [&](ovC_object* name) {
    numbers = ov::appended(numbers, registered(name));
    return ovSuccess;
  });
  ov::set("Registered Format"_attr, a.receiver(), numbers);
  return ovSuccess;
}

ovStatus Close(const ov::Args& a) {
  ov::set("Registered Format"_attr, a.receiver(), ov::emptyList());
  return ovSuccess;
}

// The window the clipboard is opened for: the main window's, or none.
HWND clipboardWindow(ovC_object* desktop) {
  auto main = ov::send("Get Main Window"_sel, desktop);
  if (main.failed()) return nullptr;
  return ov::toHandle<HWND>(ov::send("Get Window Record"_sel, main.get()).get());
}

// The block held in a format and its size; the clipboard stays open.
ovStatus GetScrap(const ov::Args& a) {
  auto desktop = ov::universal("Get Desktop"_uni);
  if (desktop.failed() || !desktop.get()) return ovFailure;
  if (!OpenClipboard(clipboardWindow(desktop.get()))) return ovFailure;
  HANDLE data = GetClipboardData(static_cast<UINT>(ov::toInt(a[1])));
  if (!data) {
    CloseClipboard();
    return ovFailure;
  }
  a.put(0, ov::addressHandleValue(data));
  a.put(1, ov::integer(static_cast<int32_t>(GlobalSize(data))));
  return ovSuccess;
}

// The block holds the text and its terminating NUL: the text ends at the
// first NUL within the block.
ovRef textOfBlock(HGLOBAL block, size_t size) {
  const auto* bytes = static_cast<const char*>(GlobalLock(block));
  if (!bytes) return nullptr;
  ovRef text = ov::text(std::string_view(bytes, strnlen(bytes, size)));
  GlobalUnlock(block);
  return text;
}

ovStatus GetText(const ov::Args& a) {
  auto scrap = ov::send<2>("Get Scrap"_sel, a.receiver(), {ov::integer(CF_TEXT)});
  if (scrap.failed()) return ovFailure;
  ovRef text = textOfBlock(ov::toHandle<HGLOBAL>(scrap.get(0)), static_cast<size_t>(ov::toInt(scrap.get(1))));
  CloseClipboard();
  if (!text) return ovFailure;
  a.put(0, std::move(text));
  return ovSuccess;
}

}  // namespace clipboard

const ovClassDeclaration kClipboardClass({
    .name = "Clipboard"_cls,
    .attributes = {"Format String"_attr, "Registered Format"_attr},
    .methods = {{"Open"_sel, ov::routine<clipboard::Open>},
                {"Close"_sel, ov::routine<clipboard::Close>},
                {"Get Scrap"_sel, ov::routine<clipboard::GetScrap>},
                {"Get Text"_sel, ov::routine<clipboard::GetText>}},
});

}  // namespace
