// The program as a person starts and ends it on Windows: its window, captioned
// "Velmaro", comes up, and File, Exit chosen with the keyboard ends it with
// status 0.
#include <gtest/gtest.h>

#include <vector>

#include "program_process.h"

namespace {

// The program's shown top-level window captioned caption, waiting while the
// program starts; nullptr when the program ends without one.
HWND shownWindow(const PROCESS_INFORMATION& process, const char* caption) {
  WaitForInputIdle(process.hProcess, INFINITE);
  for (;;) {
    HWND window = FindWindowA(nullptr, caption);
    DWORD owner = 0;
    if (window) GetWindowThreadProcessId(window, &owner);
    if (window && owner == process.dwProcessId && IsWindowVisible(window)) return window;
    if (WaitForSingleObject(process.hProcess, 10) == WAIT_OBJECT_0) return nullptr;
  }
}

INPUT key(WORD virtualKey, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

TEST(ProgramOnWindows, ItsWindowIsCaptionedVelmaroAndFileExitEndsIt) {
  PROCESS_INFORMATION process = StartVelmaro("");
  ASSERT_TRUE(process.hProcess);
  HWND window = shownWindow(process, "Velmaro");
  ASSERT_TRUE(window);
  SetForegroundWindow(window);
  std::vector<INPUT> fileExit = {key(VK_MENU, false), key('F', false), key('F', true),
                                 key(VK_MENU, true),  key('X', false), key('X', true)};
  SendInput(static_cast<UINT>(fileExit.size()), fileExit.data(), sizeof(INPUT));
  EXPECT_EQ(WaitForExit(process), 0);
}

}  // namespace
