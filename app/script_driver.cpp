// The scripted driver on Linux: the program runs on the headless backend,
// which calls the driver whenever the program is idle and takes its input.
#include "app/script_driver.h"

#include "app/script_runner.h"
#include "platform/backend.h"
#include "platform/backends/headless/headless.h"
#include "platform/backends/headless/png_writer.h"
#include "runtime/startup/entry.h"

namespace velmaro {
namespace {

// Saves the client area as the screen shows it: with the windows above it,
// such as an open menu, drawn over it.
bool saveClientAsShown(HWND window, const std::string& path) {
  RECT client{};
  if (!GetClientRect(window, &client)) return false;
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  platform::gdi::Surface shown = platform::headless::screen();
  shown.copy({origin.x, origin.y, origin.x + client.right, origin.y + client.bottom}, {0, 0});
  shown.resize(client.right, client.bottom);
  return platform::headless::writePng(shown, path);
}

class HeadlessInput : public ScriptInput {
 public:
  void Click(POINT screen) override { platform::headless::click(screen.x, screen.y); }
  void KeyDown(UINT virtualKey) override { platform::headless::keyDown(virtualKey); }
  void KeyUp(UINT virtualKey) override { platform::headless::keyUp(virtualKey); }
  void Type(char character) override { platform::headless::typeText(std::string(1, character)); }
  std::string Screenshot(HWND window, const std::string& path) override {
    return saveClientAsShown(window, path) ? "" : "cannot write \"" + path + "\"";
  }
};

}  // namespace

ScriptResult RunScript(std::istream& in, std::ostream& out, std::function<bool()> prelude) {
  platform::useBackend("headless");
  HeadlessInput input;
  ScriptRunner runner(in, out, input, std::move(prelude));
  platform::headless::onIdle([&runner] { runner.OnIdle(); });
  int status = WinMain(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWDEFAULT);
  platform::headless::onIdle(nullptr);
  ScriptResult result = runner.Result();
  if (result.status == 0) result.status = status;
  return result;
}

}  // namespace velmaro
