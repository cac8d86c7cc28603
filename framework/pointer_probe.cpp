#include "framework/pointer_probe.h"

namespace vorn {
namespace {

bool gProbing = false;

}  // namespace

HWND WindowUnderPointer(POINT screen) {
  gProbing = true;
  HWND under = WindowFromPoint(screen);
  gProbing = false;
  return under;
}

bool ProbingPointer() { return gProbing; }

}  // namespace vorn
