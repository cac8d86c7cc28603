#include "runtime/startup/entry.h"

#include <cstdio>

#include "runtime/startup/runtime_startup.h"

namespace {

// The tables are readied here once they exist (issue 4), and the archive is
// decoded into them (issue 5).
void readyTablesAndData(HINSTANCE) {}

// The framework's Application universal runs here once the framework exists.
void runApplication() {
  std::puts("Velmaro: the calculator is not built yet; the run-time started and stopped cleanly.");
}

}  // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int) {
  ghDLLInstance = hInstance;
  Global = {hInstance, nullptr, 0};
  ovRunTimeStartup();
  readyTablesAndData(hInstance);
  runApplication();
  ovRunTimeShutdown();
  return 0;
}
