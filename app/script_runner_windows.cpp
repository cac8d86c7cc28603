// What only the Windows driver asks of the script runner: its input goes
// through the system to the window in the foreground, so the script waits
// until the main window is shown and is given up when input is lost.
#include "app/script_runner.h"

namespace velmaro {

HWND ShownMainWindow() {
  HWND handle = MainWindowHandle();
  return handle && IsWindowVisible(handle) ? handle : nullptr;
}

void ScriptRunner::Abandon(const std::string& why) {
  result_ = {2, "script line " + std::to_string(next_) + ": " + why};
  next_ = lines_.size();
  ending_ = true;
  EndProgram();
}

}  // namespace velmaro
