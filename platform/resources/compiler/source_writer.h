// Writes the C++ source that embeds compiled resources in a program: one
// byte array per distinct data, a table naming each resource, and a static
// initialiser that registers the table with the platform.
#pragma once

#include <cstdint>
#include <ostream>
#include <vector>

#include "platform/resources/compiler/manifest.h"

namespace platform::resources::compiler {

struct CompiledResource {
  Identifier type;
  Identifier name;
  size_t data = 0;  // index into the data list, so equal files are stored once
};

void writeSource(std::ostream& out, const std::vector<std::vector<uint8_t>>& data,
                 const std::vector<CompiledResource>& resources);

}  // namespace platform::resources::compiler
