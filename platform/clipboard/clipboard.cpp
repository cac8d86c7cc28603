// The clipboard: opened by one window at a time, holding one global memory
// block per format, which it owns from SetClipboardData until it is
// emptied or the format is set again. Emptying it tells the owner so far
// with WM_DESTROYCLIPBOARD; the window that emptied it is the owner after.
//
// CF_TEXT lives on the desktop, through the backend: setting it hands the
// text over (as UTF-8), and reading it asks the backend each time, so text
// another program copied is seen. The block GetClipboardData answers for
// it is made afresh only when the desktop's text changed.
//
// Not supported: delayed rendering (SetClipboardData with no block), the
// formats Windows synthesises from others, and clipboard viewers.
#include <strings.h>

#include <cstring>
#include <map>
#include <string>

#include "platform/backend.h"
#include "platform/clipboard/clipboard_text.h"

using namespace platform;

namespace {

constexpr DWORD kErrorClipboardNotOpen = 1418;

struct ClipboardState {
  bool open = false;
  HWND openedBy = nullptr;
  HWND owner = nullptr;
  std::map<UINT, HGLOBAL> blocks;
  // The desktop text the CF_TEXT block was made from or handed over as.
  std::string desktopText;
};

ClipboardState& state() {
  static ClipboardState s;
  return s;
}

bool openOrFail() {
  if (state().open) return true;
  SetLastError(kErrorClipboardNotOpen);
  return false;
}

void replaceBlock(UINT format, HGLOBAL block) {
  auto found = state().blocks.find(format);
  if (found != state().blocks.end() && found->second != block) GlobalFree(found->second);
  if (block) state().blocks[format] = block;
  else state().blocks.erase(format);
}

std::string blockText(HGLOBAL block) {
  auto* bytes = static_cast<const char*>(GlobalLock(block));
  if (!bytes) return {};
  std::string text(bytes, strnlen(bytes, GlobalSize(block)));
  GlobalUnlock(block);
  return text;
}

HGLOBAL textBlock(const std::string& ansi) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, ansi.size() + 1);
  auto* bytes = static_cast<char*>(GlobalLock(block));
  if (!bytes) return nullptr;
  std::memcpy(bytes, ansi.c_str(), ansi.size() + 1);
  GlobalUnlock(block);
  return block;
}

HGLOBAL currentText() {
  std::string desktop = backend().clipboardText();
  if (desktop.empty()) {
    replaceBlock(CF_TEXT, nullptr);
    return nullptr;
  }
  auto held = state().blocks.find(CF_TEXT);
  if (held != state().blocks.end() && desktop == state().desktopText) return held->second;
  replaceBlock(CF_TEXT, textBlock(clipboard::ansiTextOf(desktop)));
  state().desktopText = desktop;
  auto made = state().blocks.find(CF_TEXT);
  return made == state().blocks.end() ? nullptr : made->second;
}

void publishText(HGLOBAL block) {
  state().desktopText = clipboard::desktopTextOf(blockText(block));
  backend().setClipboardText(state().desktopText);
}

}  // namespace

BOOL WINAPI OpenClipboard(HWND hWndNewOwner) {
  if (state().open && state().openedBy != hWndNewOwner) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  state().open = true;
  state().openedBy = hWndNewOwner;
  return TRUE;
}

BOOL WINAPI CloseClipboard(void) {
  if (!openOrFail()) return FALSE;
  state().open = false;
  state().openedBy = nullptr;
  return TRUE;
}

BOOL WINAPI EmptyClipboard(void) {
  if (!openOrFail()) return FALSE;
  if (HWND previousOwner = GetClipboardOwner()) SendMessageA(previousOwner, WM_DESTROYCLIPBOARD, 0, 0);
  for (auto& [format, block] : state().blocks) GlobalFree(block);
  state().blocks.clear();
  state().desktopText.clear();
  backend().setClipboardText("");
  state().owner = state().openedBy;
  return TRUE;
}

HANDLE WINAPI SetClipboardData(UINT uFormat, HANDLE hMem) {
  if (!openOrFail()) return nullptr;
  if (uFormat == 0 || !hMem || GlobalSize(hMem) == 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  replaceBlock(uFormat, hMem);
  if (uFormat == CF_TEXT) publishText(hMem);
  return hMem;
}

HANDLE WINAPI GetClipboardData(UINT uFormat) {
  if (!openOrFail()) return nullptr;
  if (uFormat == CF_TEXT) return currentText();
  auto found = state().blocks.find(uFormat);
  return found == state().blocks.end() ? nullptr : found->second;
}

BOOL WINAPI IsClipboardFormatAvailable(UINT format) {
  if (format == CF_TEXT) return !backend().clipboardText().empty();
  return state().blocks.count(format) != 0;
}

UINT WINAPI RegisterClipboardFormatA(LPCSTR lpszFormat) {
  static auto* formats = new std::map<std::string, UINT, decltype([](const std::string& a, const std::string& b) {
    return strcasecmp(a.c_str(), b.c_str()) < 0;
  })>;
  if (!lpszFormat || !*lpszFormat) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return formats->emplace(lpszFormat, static_cast<UINT>(0xC000 + formats->size())).first->second;
}

HWND WINAPI GetClipboardOwner(void) { return IsWindow(state().owner) ? state().owner : nullptr; }

HWND WINAPI GetOpenClipboardWindow(void) { return state().open ? state().openedBy : nullptr; }
