// Handle types of the window manager and GDI. Every handle is a 32-bit
// number from the platform's handle table carried in a pointer-typed handle.
#pragma once

DECLARE_HANDLE(HMENU);
DECLARE_HANDLE(HACCEL);
DECLARE_HANDLE(HDC);
DECLARE_HANDLE(HPEN);
DECLARE_HANDLE(HBRUSH);
DECLARE_HANDLE(HFONT);
DECLARE_HANDLE(HRGN);
DECLARE_HANDLE(HBITMAP);
// Declared the same way as DECLARE_HANDLE(HICON), which may follow.
struct HICON__;
typedef struct HICON__* HICON;
typedef HICON HCURSOR;
typedef HANDLE HGDIOBJ;
typedef HANDLE HGLOBAL;

typedef DWORD COLORREF;
typedef LRESULT(CALLBACK* WNDPROC)(HWND, UINT, WPARAM, LPARAM);
typedef void(CALLBACK* TIMERPROC)(HWND, UINT, UINT_PTR, DWORD);
