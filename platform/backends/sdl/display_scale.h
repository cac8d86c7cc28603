// How many screen pixels one of the platform's pixels takes on the sdl
// backend. On a high-density display a window drawn pixel for pixel is too
// small to use, so windows, what they show and the pointer are scaled
// together by a whole factor: the platform and its programs keep working in
// their own pixels (the screen they see is the real one divided by the
// factor), and only the native windows and the events from them are in the
// screen's pixels. What a window shows is its device picture at the factor
// (gdi/surface.h): text and lines at the screen's resolution, while what a
// program reads back from its own drawing is what it drew.
#pragma once

#include <functional>
#include <string>

#include "platform/win32.h"

namespace platform::sdl {

// Where the factor comes from, first to last: VELMARO_SCALE (a person's
// choice, honoured as given), GDK_SCALE (the desktop's), the X resource
// Xft.dpi (96 per factor, rounded: 144 is 2). A factor found in the
// desktop's settings never leaves the platform a screen smaller than
// 800 x 600.
struct ScaleSettings {
  const char* velmaroScale = nullptr;  // unset: nullptr
  const char* gdkScale = nullptr;
  // Asked only when the variables decide nothing; 0 when the display has
  // no such resource.
  std::function<int()> resourceDpi;
  SIZE screen{};  // in the screen's pixels
};

constexpr int kLargestScale = 4;

// The factor, 1 to kLargestScale. A VELMARO_SCALE that is no such number is
// ignored, with the reason in complaint.
int chooseScale(const ScaleSettings& settings, std::string& complaint);

// Between the platform's pixels and the screen's.
class DisplayScale {
 public:
  explicit DisplayScale(int factor = 1) : factor_(factor) {}

  int factor() const { return factor_; }
  int toScreen(int platformPixels) const { return platformPixels * factor_; }
  // Rounded down, negative positions too, so that each platform pixel
  // covers exactly its factor x factor block of screen pixels.
  int toPlatform(int screenPixels) const;
  RECT toScreen(const RECT& r) const;
  SIZE toPlatform(const SIZE& s) const { return {toPlatform(s.cx), toPlatform(s.cy)}; }

 private:
  int factor_;
};

}  // namespace platform::sdl
