// The sdl backend: real windows through SDL2, without OpenGL (its
// framebuffer-acceleration hint off, so a window's surface is a plain memory
// blit), on X11; on a Wayland desktop through its Xwayland, never through
// SDL's Wayland driver (sdl_backend.cpp says why). One native window per
// shown top-level window, real mouse, keyboard, text, focus and
// window-manager events as input, the system clipboard, the system's
// pointer shapes.
//
// On a high-density display everything is shown magnified by a whole
// factor (display_scale.h); the platform sees a screen that much smaller.
//
// Waiting for input sleeps on the X connection and an event descriptor that
// wake() writes (on other displays, in SDL's own wait, which a pushed event
// ends).
#pragma once

#include <atomic>
#include <map>
#include <memory>
#include <string>

#include "platform/backend.h"
#include "platform/backends/sdl/cursor_shapes.h"
#include "platform/backends/sdl/display_scale.h"
#include "platform/backends/sdl/event_translation.h"
#include "platform/backends/sdl/native_window.h"

namespace platform::sdl {

class SdlBackend final : public Backend {
 public:
  // Opens the display; nullptr with the reason when there is none to open.
  static std::unique_ptr<Backend> open(std::string& whyNot);
  ~SdlBackend() override;

  SIZE screenSize() const override { return screen_; }
  int scale() const override { return scale_.factor(); }
  void windowDestroyed(HWND window) override;
  void windowShown(HWND window, bool visible) override;
  void windowPlaced(HWND window, const RECT& screenRect) override;
  void windowTitled(HWND window, const std::string& title) override;
  void windowBroughtForward(HWND window) override;
  void present(HWND window, const gdi::Surface& surface, const gdi::Region& changed) override;
  void pollInput() override;
  void waitForInput(DWORD milliseconds) override;
  void wake() override;
  void setCursorShape(int systemCursorId) override { cursors_.setShape(systemCursorId); }
  void setCursorVisible(bool visible) override { cursors_.setVisible(visible); }
  void setMouseCapture(bool captured) override;
  bool typesCharacters() const override { return true; }
  std::string clipboardText() override;
  void setClipboardText(const std::string& text) override;

  // The native window showing a top-level window, or nullptr while it has
  // none (before it is first shown).
  NativeWindow* nativeWindowOf(HWND window) const;

 private:
  // SDL stays open for as long as the backend: declared first, closed last.
  struct Session {
    Session() = default;
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
    ~Session();
  };

  SdlBackend(SIZE screen, DisplayScale scale, Uint32 wakeEvent);
  void handle(const SDL_Event& event);
  void showAgain(NativeWindow& native);
  void waitInSdl(int milliseconds);
  void clearWake();
  NativeWindow* byId(Uint32 windowId) const;

  Session session_;
  DisplayScale scale_;
  SIZE screen_;  // in the platform's pixels
  Uint32 wakeEvent_;
  int wakeDescriptor_;
  std::atomic<bool> wakeWritten_{false};
  std::atomic<bool> wakeQueued_{false};
  bool captureWanted_ = false;
  bool pumpedSinceWait_ = false;
  std::map<HWND, std::unique_ptr<NativeWindow>> windows_;
  EventTranslator translator_;
  CursorShapes cursors_;
};

}  // namespace platform::sdl
