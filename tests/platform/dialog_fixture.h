// What the dialog tests share: templates compiled from their source text,
// and modeless dialogs worked as a program's own loop works them, through
// IsDialogMessageA.
#pragma once

#include <deque>
#include <sstream>
#include <vector>

#include "platform/resources/compiler/dialog_source.h"
#include "platform_fixture.h"

class DialogTest : public PlatformTest {
 protected:
  // The template a source compiles to, kept for the length of the test.
  LPCDLGTEMPLATEA compiled(const char* source) {
    std::istringstream in(source);
    std::string error;
    std::vector<uint8_t>& bytes = templates_.emplace_back();
    EXPECT_TRUE(platform::resources::compiler::compileDialog(in, bytes, error)) << error;
    return reinterpret_cast<LPCDLGTEMPLATEA>(bytes.data());
  }

  HWND modeless(const char* source, DLGPROC procedure = msglog::recordingDialogProc, HWND owner = nullptr,
                msglog::Role role = msglog::Role::Other) {
    msglog::announce(role);
    HWND dialog = CreateDialogIndirectParamA(nullptr, compiled(source), owner, procedure, 0);
    keep(dialog, role);
    return dialog;
  }

  // A key given to the focused control, with the caller's loop passing
  // each message to the dialog first.
  static void pressIn(HWND dialog, UINT key) {
    platform::headless::pressKey(key);
    msglog::pump([dialog](MSG& msg) { return IsDialogMessageA(dialog, &msg) != FALSE; });
  }

 private:
  std::deque<std::vector<uint8_t>> templates_;
};
