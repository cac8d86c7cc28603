#include "program_process.h"

namespace {

std::string programPath() {
  char self[MAX_PATH];
  DWORD length = GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string folder(self, length);
  return folder.substr(0, folder.find_last_of("\\/") + 1) + VELMARO_PROGRAM;
}

}  // namespace

PROCESS_INFORMATION StartVelmaro(const std::string& arguments, StandardHandles handles) {
  std::string commandLine = "\"" + programPath() + "\" " + arguments;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  bool redirected = handles.input || handles.output || handles.error;
  if (redirected) {
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = handles.input;
    startup.hStdOutput = handles.output;
    startup.hStdError = handles.error;
  }
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, redirected, 0, nullptr, nullptr, &startup,
                      &process))
    return {};
  return process;
}

int WaitForExit(PROCESS_INFORMATION& process) {
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD status = 0;
  GetExitCodeProcess(process.hProcess, &status);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  process = {};
  return static_cast<int>(status);
}
