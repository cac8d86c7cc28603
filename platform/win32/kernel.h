// Kernel services beyond mutexes and local memory: global memory, time,
// threads, single-byte strings and file attributes.
#pragma once

// Global memory. Moveable blocks are locked to get their address.
#define GMEM_FIXED 0x0000u
#define GMEM_MOVEABLE 0x0002u
#define GMEM_ZEROINIT 0x0040u
#define GMEM_DDESHARE 0x2000u
#define GMEM_SHARE GMEM_DDESHARE
#define GHND (GMEM_MOVEABLE | GMEM_ZEROINIT)
#define GPTR (GMEM_FIXED | GMEM_ZEROINIT)
#define ERROR_NOT_LOCKED 158u
HGLOBAL WINAPI GlobalAlloc(UINT uFlags, size_t dwBytes);
HGLOBAL WINAPI GlobalReAlloc(HGLOBAL hMem, size_t dwBytes, UINT uFlags);
HGLOBAL WINAPI GlobalFree(HGLOBAL hMem);
LPVOID WINAPI GlobalLock(HGLOBAL hMem);
BOOL WINAPI GlobalUnlock(HGLOBAL hMem);
size_t WINAPI GlobalSize(HGLOBAL hMem);

// Time and threads.
DWORD WINAPI GetTickCount(void);
void WINAPI Sleep(DWORD dwMilliseconds);
DWORD WINAPI GetCurrentThreadId(void);

// Single-byte (Windows-1252) strings.
LPSTR WINAPI CharUpperA(LPSTR lpsz);
LPSTR WINAPI CharLowerA(LPSTR lpsz);
LPSTR WINAPI CharNextA(LPCSTR lpsz);
LPSTR WINAPI CharPrevA(LPCSTR lpszStart, LPCSTR lpszCurrent);
int WINAPI lstrlenA(LPCSTR lpString);
int WINAPI lstrcmpA(LPCSTR lpString1, LPCSTR lpString2);
int WINAPI lstrcmpiA(LPCSTR lpString1, LPCSTR lpString2);
LPSTR WINAPI lstrcpynA(LPSTR lpString1, LPCSTR lpString2, int iMaxLength);

// File attributes.
#define FILE_ATTRIBUTE_READONLY 0x00000001u
#define FILE_ATTRIBUTE_HIDDEN 0x00000002u
#define FILE_ATTRIBUTE_SYSTEM 0x00000004u
#define FILE_ATTRIBUTE_DIRECTORY 0x00000010u
#define FILE_ATTRIBUTE_ARCHIVE 0x00000020u
#define FILE_ATTRIBUTE_NORMAL 0x00000080u
#define INVALID_FILE_ATTRIBUTES ((DWORD)-1)
#define ERROR_FILE_NOT_FOUND 2u
#define ERROR_PATH_NOT_FOUND 3u
#define ERROR_ACCESS_DENIED 5u
DWORD WINAPI GetFileAttributesA(LPCSTR lpFileName);
