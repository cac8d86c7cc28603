#include <windows.h>

#include <cstdio>

#include "test_system.h"

// Windows is the display.
bool StartTestDisplay() { return true; }

bool UnderValgrind() { return false; }

std::vector<std::string> WritableExecutableRegions() {
  std::vector<std::string> found;
  MEMORY_BASIC_INFORMATION region;
  for (char* at = nullptr; VirtualQuery(at, &region, sizeof region) == sizeof region;
       at = static_cast<char*>(region.BaseAddress) + region.RegionSize) {
    DWORD access = region.Protect & 0xFF;
    if (region.State != MEM_COMMIT || (access != PAGE_EXECUTE_READWRITE && access != PAGE_EXECUTE_WRITECOPY)) continue;
    char line[64];
    std::snprintf(line, sizeof line, "%p, %zu bytes", region.BaseAddress, region.RegionSize);
    found.push_back(line);
  }
  return found;
}
