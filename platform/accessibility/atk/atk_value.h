// AtkValue for nodes holding a value in a range (scroll bars): both the
// current calls and the older ones, which the bus's bridge and AtkObject's
// "accessible-value" property still use.
#pragma once

#include <glib-object.h>

namespace platform::accessibility::atk {

void addValueInterface(GType type);

}  // namespace platform::accessibility::atk
