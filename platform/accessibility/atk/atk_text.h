// AtkText for nodes holding text (edits, labels), and AtkEditableText for
// edits. The program's texts are Windows-1252; ATK's are UTF-8, its
// offsets counted in characters, which is one byte each on the program's
// side.
#pragma once

#include <glib-object.h>

#include <string>

namespace platform::accessibility::atk {

void addTextInterfaces(GType type, bool editable);
std::string toUtf8(const std::string& text);

}  // namespace platform::accessibility::atk
