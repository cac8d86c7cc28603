// Window records and the window tree.
//
// Every window, the desktop included, is a Window. The desktop is the root:
// top-level windows are its children, child windows are children of their
// parent. Children are kept front to back. A window's rectangles are in its
// parent's client coordinates (screen coordinates for top-level windows,
// since the desktop's client area is the screen).
//
// A record outlives its handle while a window procedure of it is running:
// callers of a procedure hold a shared reference for the call, so a window
// destroyed from inside its own procedure is freed when that call returns.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/gdi/region.h"
#include "platform/gdi/surface.h"
#include "platform/user/scroll_bar_state.h"
#include "platform/win32.h"

namespace platform::user {

struct WindowClass;
class MessageQueue;

struct Window : std::enable_shared_from_this<Window> {
  HWND hwnd = nullptr;
  WindowClass* windowClass = nullptr;
  WNDPROC proc = nullptr;
  DWORD style = 0;
  DWORD exStyle = 0;
  Window* parent = nullptr;
  Window* owner = nullptr;
  std::vector<Window*> children;
  std::string text;
  RECT rect{};
  RECT client{};
  HMENU menu = nullptr;  // the menu bar of a top-level window, the id of a child
  HINSTANCE instance = nullptr;
  LONG_PTR userData = 0;
  std::vector<uint8_t> extra;  // cbWndExtra bytes
  // Painting: the invalid part of the client area (client coordinates),
  // whether it needs erasing first, whether an erase the window was sent
  // went undone (BeginPaint then reports fErase), and whether the frame
  // needs drawing.
  gdi::Region update;
  bool erase = false;
  bool eraseRefused = false;
  bool frame = false;
  bool captionActive = false;
  bool destroying = false;
  // An overlapped window not yet shown owes its first WM_SIZE and WM_MOVE.
  bool sizePending = false;
  // Where the window goes when restored (parent client coordinates), and
  // whether a minimised window was maximised before, so that restoring
  // maximises it again.
  RECT normalRect{};
  bool restoresMaximized = false;
  // The queue of the thread that created the window.
  MessageQueue* queue = nullptr;
  // The standard scroll bars' state, once the window has them.
  std::unique_ptr<ScrollBars> scrollBars;
  // The pixels of a top-level window and everything in it.
  std::shared_ptr<gdi::Surface> surface;

  bool isChild() const { return (style & WS_CHILD) != 0; }
  bool isVisible() const { return (style & WS_VISIBLE) != 0; }
  bool isEnabled() const { return (style & WS_DISABLED) == 0; }
  bool isMinimized() const { return (style & WS_MINIMIZE) != 0; }
  bool isMaximized() const { return (style & WS_MAXIMIZE) != 0; }
  bool isTopLevel() const;
  bool hasMenuBar() const { return !isChild() && menu != nullptr; }
};

// The desktop covers the screen; a new backend's screen size applies.
Window& desktop();
void fitDesktopToScreen();
// The record of a live window handle (the desktop's included), or nullptr.
Window* windowFrom(HWND hwnd);
// The same, setting ERROR_INVALID_WINDOW_HANDLE when there is none.
Window* windowOrFail(HWND hwnd);
// A new record with a handle, linked in front of the top-level windows or
// behind parent's other children.
Window* newWindow(Window* parent);
// Unlinks a record and frees its handle; the record goes when the last
// reference does.
void releaseWindow(Window* window);
std::shared_ptr<Window> keepAlive(Window* window);
// Every live window of the process, the desktop excluded, in no order.
std::vector<Window*> allWindows();

Window* topLevelOf(Window* window);
bool isDescendant(Window* ancestor, Window* window);
// Visible itself and all its ancestors.
bool isShowing(const Window* window);

// Screen positions of a window's top-left corner and its client area's,
// and its rectangle on the screen.
POINT windowOrigin(const Window* window);
POINT clientOrigin(const Window* window);
RECT screenRect(const Window* window);
// The window under a screen point, as Windows finds it: depth first, front
// to back, a window's children (under its client area) before the window
// itself; a hidden or disabled window, and one answering WM_NCHITTEST with
// HTTRANSPARENT (static controls, group boxes), leaves the point to the
// windows behind it, its parent last. A disabled top-level window stops
// the point (hit HTERROR: it takes no input). The desktop (hit HTNOWHERE)
// when no window takes the point; hit is the window's WM_NCHITTEST answer.
Window* windowUnder(POINT screen, int& hit);
// Where a window's top-left corner is in its top-level window's surface.
POINT surfaceOffset(const Window* window);

LRESULT callWindowProc(Window* window, UINT message, WPARAM wParam, LPARAM lParam);
// The same for a message taken from the queue (DispatchMessageA).
LRESULT dispatchToWindowProc(Window* window, const MSG& msg);

// WM_PARENTNOTIFY about a child's creation or destruction (event is
// WM_CREATE or WM_DESTROY), up the chain of parents for as long as the
// windows on the way are children without WS_EX_NOPARENTNOTIFY.
void notifyParents(Window* child, UINT event);
// WM_PARENTNOTIFY about a mouse button (message is its WM_*BUTTONDOWN)
// pressed over a child's client area, the point in each parent's client
// coordinates.
void notifyParentsOfPress(Window* child, UINT message, POINT screen);

}  // namespace platform::user
