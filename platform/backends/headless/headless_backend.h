// The headless backend: a screen of configurable size that exists only in
// memory, each top-level window's surface kept as it is drawn, input that
// tests inject, a clipboard of its own. It presents at scale 1 unless
// VELMARO_SCALE asks for more.
#pragma once

#include <functional>

#include "platform/backend.h"
#include "platform/backends/wake_signal.h"

namespace platform::headless {

class HeadlessBackend : public Backend {
 public:
  explicit HeadlessBackend(SIZE screen = {1024, 768});

  SIZE screenSize() const override { return screen_; }
  int scale() const override { return scale_; }
  void setScale(int scale) { scale_ = scale; }
  void present(HWND, const gdi::Surface&, const gdi::Region& changed) override {
    ++presents_;
    lastPresented_ = changed;
  }
  void waitForInput(DWORD milliseconds) override;
  void wake() override { signal_.wake(); }
  void setCursorShape(int id) override { cursorShape_ = id; }
  void setCursorVisible(bool visible) override { cursorVisible_ = visible; }
  std::string clipboardText() override { return clipboard_; }
  void setClipboardText(const std::string& text) override { clipboard_ = text; }

  void setIdleHook(std::function<void()> hook) { idleHook_ = std::move(hook); }

  unsigned presents() const { return presents_; }
  const gdi::Region& lastPresented() const { return lastPresented_; }
  int cursorShape() const { return cursorShape_; }
  bool cursorVisible() const { return cursorVisible_; }

 private:
  SIZE screen_;
  int scale_;
  WakeSignal signal_;
  unsigned presents_ = 0;
  gdi::Region lastPresented_;
  int cursorShape_ = 0;
  bool cursorVisible_ = true;
  std::string clipboard_;
  std::function<void()> idleHook_;
  bool inIdleHook_ = false;
};

}  // namespace platform::headless
