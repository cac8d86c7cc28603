// The names of window messages, for traces and test reports.
#pragma once

#include <string>

#include "platform/win32.h"

namespace platform::user {

// The message's name as the Win32 headers spell it ("WM_PAINT"); a private
// message as "WM_USER+n" or "WM_APP+n"; any other as its number in
// hexadecimal ("0x0093").
std::string messageName(UINT message);

}  // namespace platform::user
