#include "framework/deferred_due.h"

#include "runtime/methods/kit.h"

namespace vorn {
namespace {

}  // namespace

bool TickReached(int32_t when, int32_t now) { return static_cast<uint32_t>(when) <= static_cast<uint32_t>(now); }

DWORD TimeUntilFirstDue(ovC_object* commander, int32_t now) {
  ovRef list = ov::get("Deferred Commands"_attr, commander);
  ovC_object* first = ov::element(list, 0);
  if (!first) return INFINITE;
  int32_t when = ov::toInt(ov::get("When"_attr, first));
  return TickReached(when, now) ? 0 : static_cast<uint32_t>(when) - static_cast<uint32_t>(now);
}

bool FirstDue(ovC_object* commander, int32_t now) { return TimeUntilFirstDue(commander, now) == 0; }

}  // namespace vorn
