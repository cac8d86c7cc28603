// Reading a binary dialog template (DLGTEMPLATE and its items) into plain
// values, every length checked against the bytes there are. Texts come out
// in Windows-1252; class ordinals of the built-in controls come out as their
// class names.
//
// Not supported: the extended template (DLGTEMPLATEEX); a template naming a
// menu reads, but the menu is not used.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace platform::dialogs {

struct DialogItem {
  DWORD style = 0;
  DWORD exStyle = 0;
  RECT units{};  // dialog units: left, top, right, bottom
  WORD id = 0;
  std::string className;
  std::string text;
  std::vector<uint8_t> creationData;
};

struct DialogTemplate {
  DWORD style = 0;
  DWORD exStyle = 0;
  RECT units{};
  bool hasMenu = false;
  std::string className;  // empty: the dialog class
  std::string title;
  WORD pointSize = 0;  // with DS_SETFONT
  std::string face;
  std::vector<DialogItem> items;
};

// The template in size bytes at bytes; none when it is cut short or not a
// standard template.
std::optional<DialogTemplate> readDialogTemplate(const void* bytes, size_t size);

// The template of an RT_DIALOG resource, or of one in memory whose size is
// not given (as the indirect functions take it); none, with the last error
// set, when it is missing or cannot be read.
std::optional<DialogTemplate> dialogTemplateResource(HINSTANCE instance, LPCSTR name);
std::optional<DialogTemplate> dialogTemplateAt(const void* bytes);

}  // namespace platform::dialogs
