#include "runtime/startup/entry.h"

#include <cstdio>

#include "runtime/startup/init_data.h"
#include "runtime/startup/runtime_startup.h"
#include "runtime/tables/header.h"

namespace {

// The framework's Application universal runs here once the framework exists.
void runApplication() {
  std::puts("Velmaro: the calculator is not built yet; the run-time started and stopped cleanly.");
}

}  // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int) {
  ghDLLInstance = hInstance;
  Global = {hInstance, nullptr, 0};
  ovRunTimeStartup();
  RTHeader::Initialize();
  InitData(hInstance);
  runApplication();
  ovRunTimeShutdown();
  return 0;
}
