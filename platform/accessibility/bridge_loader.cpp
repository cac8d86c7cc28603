#include "platform/accessibility/bridge_loader.h"

#include <dlfcn.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "platform/accessibility/bridge_module.h"

namespace platform::accessibility {
namespace {

BridgeCalls gCalls;
bool gStartDue = false;
bool gRunning = false;

// Events wait here until the program waits, as Windows delivers them to a
// hook outside the program's own calls: telling the bus asks the windows
// again (their texts, the names their procedures give), which must not
// happen in the middle of the call that changed them.
struct PendingEvent {
  DWORD event;
  HWND window;
  LONG idObject;
  LONG idChild;
};
std::vector<PendingEvent> gPending;

void keepForLater(DWORD event, HWND window, LONG idObject, LONG idChild) {
  gPending.push_back({event, window, idObject, idChild});
}

void tellPending() {
  std::vector<PendingEvent> events;
  events.swap(gPending);
  for (const PendingEvent& e : events) gCalls.winEvent(e.event, e.window, e.idObject, e.idChild);
}

bool busReachable(const std::function<bool()>& displayCarriesBus) {
  const char* off = std::getenv("NO_AT_BRIDGE");
  if (off && std::string_view(off) == "1") return false;
  const char* address = std::getenv("AT_SPI_BUS_ADDRESS");
  return (address && *address) || displayCarriesBus();
}

// The module sits beside the program, or in the library folder of its
// installation.
std::string programFolder() {
  char path[PATH_MAX];
  ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) return {};
  std::string exe(path, static_cast<size_t>(length));
  return exe.substr(0, exe.rfind('/') + 1);
}

// The application's name: the program's file name with a capital, as the
// desktop's menus show it.
std::string applicationName() {
  std::string name = program_invocation_short_name;
  if (!name.empty()) name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
  return name;
}

void* openModule() {
  std::string folder = programFolder();
  for (const char* place : {"velmaro-accessibility.so", "../lib/velmaro/velmaro-accessibility.so"})
    if (void* module = dlopen((folder + place).c_str(), RTLD_NOW | RTLD_LOCAL)) return module;
  return nullptr;
}

}  // namespace

void startBridgeIfBusReachable(const std::function<bool()>& displayCarriesBus) {
  static bool asked = false;
  if (asked) return;
  asked = true;
  gStartDue = busReachable(displayCarriesBus);
}

void startDueBridge() {
  if (!gStartDue) return;
  gStartDue = false;
  void* module = openModule();
  if (!module) return;
  auto start = reinterpret_cast<BridgeEntry>(dlsym(module, kBridgeEntry));
  if (!start) {
    dlclose(module);
    return;
  }
  // A module that has started GLib's type system cannot be unloaded: one
  // that failed to reach the bus stays loaded, unused.
  if (!start(&windowTree(), applicationName().c_str(), &gCalls)) return;
  gRunning = true;
  listenToWinEvents(keepForLater);
}

int bridgeDescriptor() { return gRunning ? gCalls.descriptor() : -1; }

DWORD bridgeWaitLimit(DWORD milliseconds) {
  if (!gRunning) return milliseconds;
  if (!gPending.empty()) return 0;
  DWORD next = gCalls.timeToNextWork();
  return next < milliseconds ? next : milliseconds;
}

void runBridgeWork() {
  if (!gRunning) return;
  tellPending();
  gCalls.runReadyWork();
}

}  // namespace platform::accessibility
