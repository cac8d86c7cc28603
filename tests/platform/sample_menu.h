// The menu bar tests open: File (Open, Save, a separator, grayed Print,
// Exit) and Edit (Undo).
#pragma once

#include "platform/win32.h"

constexpr UINT kOpen = 10, kSave = 11, kPrint = 12, kExit = 13, kUndo = 30;

inline HMENU makeMenuBar(HMENU* fileOut = nullptr) {
  HMENU bar = CreateMenu();
  HMENU file = CreatePopupMenu();
  AppendMenuA(file, MF_STRING, kOpen, "&Open...\tCtrl+O");
  AppendMenuA(file, MF_STRING, kSave, "&Save");
  AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(file, MF_STRING | MF_GRAYED, kPrint, "&Print");
  AppendMenuA(file, MF_STRING, kExit, "E&xit");
  HMENU edit = CreatePopupMenu();
  AppendMenuA(edit, MF_STRING, kUndo, "&Undo");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), "&Edit");
  if (fileOut) *fileOut = file;
  return bar;
}
