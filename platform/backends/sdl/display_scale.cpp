#include "platform/backends/sdl/display_scale.h"

#include <charconv>
#include <cstring>

namespace platform::sdl {
namespace {

constexpr int kDpiPerFactor = 96;
constexpr SIZE kSmallestScreen{800, 600};

// A whole number from 1 to kLargestScale, the whole text; 0 otherwise.
int factorIn(const char* text) {
  if (!text) return 0;
  int value = 0;
  const char* end = text + std::strlen(text);
  auto [stop, error] = std::from_chars(text, end, value);
  return error == std::errc() && stop == end && value >= 1 && value <= kLargestScale ? value : 0;
}

int factorOfDpi(int dpi) {
  int factor = (dpi + kDpiPerFactor / 2) / kDpiPerFactor;
  return factor < 1 ? 1 : factor > kLargestScale ? kLargestScale : factor;
}

// The largest factor up to wanted that leaves the platform a usable screen.
int fittingFactor(int wanted, SIZE screen) {
  int factor = wanted;
  while (factor > 1 && (screen.cx / factor < kSmallestScreen.cx || screen.cy / factor < kSmallestScreen.cy)) --factor;
  return factor;
}

}  // namespace

int chooseScale(const ScaleSettings& settings, std::string& complaint) {
  if (settings.velmaroScale && *settings.velmaroScale) {
    if (int chosen = factorIn(settings.velmaroScale)) return chosen;
    complaint = std::string("VELMARO_SCALE must be a whole number from 1 to ") + std::to_string(kLargestScale) +
                "; \"" + settings.velmaroScale + "\" is ignored";
  }
  if (int desktop = factorIn(settings.gdkScale)) return fittingFactor(desktop, settings.screen);
  int dpi = settings.resourceDpi ? settings.resourceDpi() : 0;
  return dpi > 0 ? fittingFactor(factorOfDpi(dpi), settings.screen) : 1;
}

int DisplayScale::toPlatform(int screenPixels) const {
  int quotient = screenPixels / factor_;
  return screenPixels % factor_ < 0 ? quotient - 1 : quotient;
}

RECT DisplayScale::toScreen(const RECT& r) const {
  return {toScreen(r.left), toScreen(r.top), toScreen(r.right), toScreen(r.bottom)};
}

}  // namespace platform::sdl
