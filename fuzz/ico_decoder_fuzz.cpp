// Feeds arbitrary bytes to the .ico decoder: it must never read outside them,
// and every image it gives must hold exactly width * height pixels.
#include <cstdlib>

#include "platform/resources/ico_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  for (const auto& image : platform::resources::decodeIco(data, size)) {
    if (image.pixels.size() != static_cast<size_t>(image.width) * image.height) std::abort();
  }
  return 0;
}
