// A platform drawing object (a font, pen or brush) that a framework object
// holds in an attribute while it is open.
#pragma once

#include "platform/win32.h"
#include "runtime/methods/kit.h"
#include "runtime/methods/platform_values.h"

namespace vorn {

// Deletes the drawing object attribute A holds, if any, and empties A.
template <const auto& A>
ovStatus DeleteHeldObject(const ov::Args& a) {
  if (auto object = ov::toHandle<HGDIOBJ>(ov::get(A, a.receiver()))) DeleteObject(object);
  ov::set(A, a.receiver(), nullptr);
  return ovSuccess;
}

}  // namespace vorn
