// The scripted driver's commands (script_driver.h lists them), carried out
// the same way on every system: a ScriptRunner reads the script and, each
// time the program is idle, carries out the next lines through a
// ScriptInput, which gives the input as the system would give a person's.
#pragma once

#include <functional>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "app/script_driver.h"
#include "platform/win32.h"

namespace velmaro {

// Real input for the program, as the system's display would deliver it.
class ScriptInput {
 public:
  virtual ~ScriptInput() = default;
  // A left click at a point on the screen.
  virtual void Click(POINT screen) = 0;
  virtual void KeyDown(UINT virtualKey) = 0;
  virtual void KeyUp(UINT virtualKey) = 0;
  // One character typed, as the keyboard types it.
  virtual void Type(char character) = 0;
  // Hands over the input given since the last call; called once a line
  // that gave input is done.
  virtual void Deliver() {}
  // Saves the window's client area as a PNG; what went wrong, or "".
  virtual std::string Screenshot(HWND window, const std::string& path) = 0;
};

// The program's main window, or nullptr while the program has none.
HWND MainWindowHandle();

// The program's main window once the program has shown it, else nullptr.
// Only the Windows driver asks (script_runner_windows.cpp): there the
// script waits for the window, whose input goes to the foreground.
HWND ShownMainWindow();

// Carries out the script while the program runs: each time the program is
// idle (it waits for input with nothing queued, in its own loop or in a
// modal one such as an open menu's), the next lines are carried out until
// one gives input. When the lines run out, the program is asked to end as
// File, Exit would.
class ScriptRunner {
 public:
  // With a prelude, each idle moment first goes to the prelude, which gives
  // the program input of its own and answers true, until it answers false.
  ScriptRunner(std::istream& in, std::ostream& out, ScriptInput& input, std::function<bool()> prelude = {});

  void OnIdle();

  // Gives up the script at the line being carried out, for why, and ends
  // the program as File, Exit would. Only the Windows driver gives input
  // that can be lost on its way (script_runner_windows.cpp).
  void Abandon(const std::string& why);

  // What came of the script once the program has ended.
  ScriptResult Result() const;

 private:
  bool Do(const std::string& line);
  void EndProgram();
  bool Set(const std::string& rest);
  bool Type(const std::string& text);
  void Press(UINT key, const std::vector<UINT>& modifiers = {});
  bool Key(const std::string& rest);
  bool Print(const std::string& name);
  bool Screenshot(const std::string& path);

  std::ostream& out_;
  ScriptInput& input_;
  std::function<bool()> prelude_;
  std::vector<std::string> lines_;
  size_t next_ = 0;
  bool ending_ = false;
  bool quitAsked_ = false;
  ScriptResult result_;
};

}  // namespace velmaro
