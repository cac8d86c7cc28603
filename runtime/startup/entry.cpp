#include "runtime/startup/entry.h"

#include "runtime/startup/init_data.h"
#include "runtime/startup/runtime_startup.h"
#include "runtime/tables/header.h"
#include "runtime/values/make.h"
#include "runtime/values/value_ref.h"

namespace {

int gExitStatus = 0;

// Everything the program does happens inside this one call.
void runApplication(void*) {
  const RTMethod* application = nullptr;
  uint32_t context = 0;
  ovRef name = ovRef::adopt(ovMakeText("Application"));
  if (RTHeader::LookupPathTop(name.get(), &application, &context)) application->code(0, 0, nullptr, nullptr);
}

}  // namespace

void ovSetExitStatus(int status) { gExitStatus = status; }

int ovRunProgram(HINSTANCE instance, void (*body)(void* context), void* context) {
  gExitStatus = 0;
  ghDLLInstance = instance;
  Global = {instance, nullptr, 0};
  ovRunTimeStartup();
  RTHeader::Initialize();
  InitData(instance);
  body(context);
  ovRunTimeShutdown();
  return gExitStatus;
}

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int) { return ovRunProgram(hInstance, runApplication, nullptr); }
