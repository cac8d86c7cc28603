// Writes a resource script for Windows' resource compilers (windres, rc):
// the same resources as the C++ source of source_writer.h, for a program
// whose resources Windows itself serves from its executable's resource
// section. Each distinct data is a file the script names; icons and bitmaps
// go through the script's ICON and BITMAP statements (which split an .ico
// into the RT_ICON images and the RT_GROUP_ICON directory), everything else
// is stored byte for byte under its type.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "platform/resources/compiler/source_writer.h"

namespace platform::resources::compiler {

// dataFiles[i] is the path of the file holding data i.
void writeResourceScript(std::ostream& out, const std::vector<std::string>& dataFiles,
                         const std::vector<CompiledResource>& resources);

}  // namespace platform::resources::compiler
