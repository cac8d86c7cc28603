#include <fstream>
#include <sstream>

#include "platform/backends/headless/headless.h"
#include "test_system.h"

namespace {

std::vector<std::string> mapLines() {
  std::ifstream maps("/proc/self/maps");
  std::vector<std::string> lines;
  for (std::string line; std::getline(maps, line);) lines.push_back(line);
  return lines;
}

}  // namespace

bool StartTestDisplay() { return platform::headless::start(); }

bool UnderValgrind() {
  for (const std::string& line : mapLines())
    if (line.find("/valgrind/") != std::string::npos) return true;
  return false;
}

std::vector<std::string> WritableExecutableRegions() {
  std::vector<std::string> found;
  for (const std::string& line : mapLines()) {
    std::istringstream fields(line);
    std::string range, permissions;
    fields >> range >> permissions;
    if (permissions.find('w') != std::string::npos && permissions.find('x') != std::string::npos)
      found.push_back(line);
  }
  return found;
}
