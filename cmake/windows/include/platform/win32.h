// The Windows build's platform/win32.h: Windows' own API in place of the
// Win32 subset in platform/, so the run-time, the framework and the
// application call Windows itself by the same names.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <commdlg.h>

// The layers call the single-byte ("A") functions by their full names; the
// generic names windows.h maps to them would rename methods of ours that
// share them.
#undef CreateFont
#undef CreateWindow
#undef GetClassName
#undef GetObject
