// The in-binary resource directory. The build turns a resource manifest into a
// C++ source (cmake/resources.cmake) that holds each resource's bytes and
// hands a table of them to registerResources during static initialisation;
// FindResourceA and the calls built on it search every table registered.
#pragma once

#include <cstddef>
#include <cstdint>

namespace platform::resources {

// A resource type or name: a 16-bit number when text is nullptr, else a name.
struct ResourceId {
  uint16_t number = 0;
  const char* text = nullptr;
};

struct EmbeddedResource {
  ResourceId type;
  ResourceId name;
  const unsigned char* data;
  uint32_t size;
};

// Adds a table of count resources, which must live for the whole process.
// Returns true, so a generated source can call it in a static initialiser.
bool registerResources(const EmbeddedResource* table, size_t count);

}  // namespace platform::resources
