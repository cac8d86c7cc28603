// The system icons LoadIconA gives for IDI_ ids with no module: our own
// drawings, made at 16 and 32 pixels the first time they are asked for.
#pragma once

#include <vector>

#include "platform/resources/icon_image.h"

namespace platform::resources {

// The images of system icon id (IDI_APPLICATION ... IDI_SHIELD); empty for
// any other id.
std::vector<IconImage> drawSystemIcon(WORD id);

}  // namespace platform::resources
