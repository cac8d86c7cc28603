// The clipboard. CF_TEXT is shared with the desktop through the backend;
// other formats stay within the process.
#pragma once

#define CF_TEXT 1

BOOL WINAPI OpenClipboard(HWND hWndNewOwner);
BOOL WINAPI CloseClipboard(void);
BOOL WINAPI EmptyClipboard(void);
// The clipboard takes over a global memory block; the caller must not use
// or free it afterwards.
HANDLE WINAPI SetClipboardData(UINT uFormat, HANDLE hMem);
// A block the clipboard keeps owning: read it, do not free it.
HANDLE WINAPI GetClipboardData(UINT uFormat);
BOOL WINAPI IsClipboardFormatAvailable(UINT format);
// Names compare without case; the same name always gets the same number,
// from 0xC000 up.
UINT WINAPI RegisterClipboardFormatA(LPCSTR lpszFormat);
HWND WINAPI GetClipboardOwner(void);
HWND WINAPI GetOpenClipboardWindow(void);
