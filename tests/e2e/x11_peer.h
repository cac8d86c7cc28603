// Another client of the X display the tests run on: what a person, a window
// manager or another program does to the program's windows from outside.
// Each peer has its own connection; use one peer per thread. No Xlib types
// here: Xlib's names clash with the platform's.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

struct SDL_Window;
struct _XDisplay;  // Xlib's Display

namespace x11 {

struct Box {
  int x = 0, y = 0, width = 0, height = 0;
};

class Peer {
 public:
  Peer();  // connects to $DISPLAY
  ~Peer();
  Peer(const Peer&) = delete;
  Peer& operator=(const Peer&) = delete;

  bool connected() const { return display_ != nullptr; }
  // The X window of an SDL window of this process.
  static unsigned long windowOf(SDL_Window* window);

  // A person, through the XTEST extension. Keys are named as keysyms
  // ("a", "exclam", "Alt_L", "BackSpace"); every call waits until the
  // server has taken it.
  void moveTo(int x, int y);
  void button(int button, bool down);
  void click(int x, int y);
  void key(const char* keysym, bool down);
  void tap(const char* keysym);

  // A window manager.
  void askToClose(unsigned long window);
  void moveResize(unsigned long window, const Box& box);
  void focus(unsigned long window);
  // Tells the window which states it is shown in, as a window manager that
  // maximised it ("_NET_WM_STATE_MAXIMIZED_VERT" and "..._HORZ"),
  // minimised it ("_NET_WM_STATE_HIDDEN") or restored it (none) does.
  void setStates(unsigned long window, const std::vector<const char*>& states);
  // A window of the peer's own, mapped and given the focus.
  void focusOwnWindow();

  // What the server shows: a window's title (UTF-8) and place on the
  // screen, the window with a title (searched through the whole tree, so a
  // window manager's frames do not hide it; 0 for none), the screen and its
  // pixels (0x00RRGGBB; on a rootless server, such as Xwayland on a Wayland
  // desktop, the screen is what its top-level windows show).
  std::string title(unsigned long window);
  // The window with the keyboard focus, and whether one window is stacked
  // above another (both children of the root window).
  unsigned long focused();
  bool stackedAbove(unsigned long upper, unsigned long lower);
  Box placeOf(unsigned long window);
  unsigned long windowTitled(const std::string& title);
  Box screen();
  std::vector<uint32_t> pixels(const Box& area);

  // Another program on the clipboard. readClipboard asks for the text and
  // waits for it (or answers "<none>" after the time-out);
  // askForClipboardAndLeave asks and closes the connection at once;
  // offerClipboard owns it and answers requests until stop is set.
  std::string readClipboard(int timeoutMilliseconds);
  void askForClipboardAndLeave();
  void offerClipboard(const std::string& utf8, const std::atomic<bool>& stop);

 private:
  std::vector<uint32_t> composedScreen(const Box& area);
  bool copyInto(std::vector<uint32_t>& out, const Box& area, unsigned long drawable, const Box& place);

  _XDisplay* display_;
  unsigned long ownWindow_ = 0;
};

}  // namespace x11
