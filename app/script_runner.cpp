#include "app/script_driver.h"

#include <cctype>
#include <map>
#include <sstream>
#include <vector>

#include "framework/persistents.h"
#include "platform/backend.h"
#include "platform/backends/headless/headless.h"
#include "platform/win32.h"
#include "runtime/methods/kit.h"
#include "runtime/methods/platform_values.h"
#include "runtime/startup/entry.h"

namespace velmaro {
namespace {

namespace sel {
const ovMethodSelector FindWindowItem("Find Window Item");
const ovMethodSelector GetFrame("Get Frame");
const ovMethodSelector GetMainWindow("Get Main Window");
const ovMethodSelector GetOrigin("Get Origin");
const ovMethodSelector GetOwner("Get Owner");
const ovMethodSelector GetTitle("Get Title");
const ovMethodSelector GetValue("Get Value");
const ovMethodSelector GetWindowRecord("Get Window Record");
const ovMethodSelector Quit("Quit");
}  // namespace sel

namespace attr {
const ovAttributeSelector Desktop("Desktop");
}  // namespace attr

namespace prim {
const ovPrimitiveName ToString("to-string");
}  // namespace prim

// A script refused at a line: what is wrong with it.
struct ScriptError {
  std::string what;
};

const std::map<std::string, UINT> kNamedKeys = {
    {"Tab", VK_TAB},     {"Enter", VK_RETURN}, {"Space", VK_SPACE}, {"Escape", VK_ESCAPE},
    {"BackSpace", VK_BACK}, {"Delete", VK_DELETE}, {"Home", VK_HOME},  {"End", VK_END},
    {"Left", VK_LEFT},   {"Right", VK_RIGHT},  {"Up", VK_UP},       {"Down", VK_DOWN},
    {"Alt", VK_MENU},
};

// The virtual key a key name stands for: a named key, F1-F12, a letter or
// a digit.
UINT virtualKeyOf(const std::string& name) {
  if (auto found = kNamedKeys.find(name); found != kNamedKeys.end()) return found->second;
  if (name.size() >= 2 && name.size() <= 3 && name[0] == 'F' && std::isdigit(static_cast<unsigned char>(name[1]))) {
    int n = std::stoi(name.substr(1));
    if (n >= 1 && n <= 12) return VK_F1 + static_cast<UINT>(n - 1);
  }
  if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0])))
    return static_cast<UINT>(std::toupper(static_cast<unsigned char>(name[0])));
  throw ScriptError{"unknown key \"" + name + "\""};
}

// A chord: modifiers held while the key is pressed.
struct Chord {
  std::vector<UINT> modifiers;
  UINT key = 0;
};

Chord chordOf(std::string text) {
  Chord chord;
  const std::pair<const char*, UINT> prefixes[] = {{"Ctrl+", VK_CONTROL}, {"Alt+", VK_MENU}, {"Shift+", VK_SHIFT}};
  for (bool found = true; found;) {
    found = false;
    for (const auto& [prefix, vk] : prefixes)
      if (text.starts_with(prefix) && text.size() > std::string_view(prefix).size()) {
        chord.modifiers.push_back(vk);
        text.erase(0, std::string_view(prefix).size());
        found = true;
      }
  }
  chord.key = virtualKeyOf(text);
  return chord;
}

// Carries out the script while the program runs: each time the program is
// idle (it waits for input with nothing queued, in its own loop or in a
// modal one such as an open menu's), the next lines are carried out until
// one gives input. When the lines run out, the program is asked to end as
// File, Exit would.
class Driver {
 public:
  Driver(std::istream& in, std::ostream& out, std::function<bool()> prelude) : out_(out), prelude_(std::move(prelude)) {
    std::string line;
    while (std::getline(in, line)) lines_.push_back(line);
  }

  void OnIdle() {
    if (ending_) return EndProgram();
    if (prelude_ && prelude_()) return;
    prelude_ = nullptr;
    while (next_ < lines_.size()) {
      size_t number = ++next_;
      std::string line = lines_[number - 1];
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (ignored(line)) continue;
      try {
        if (Do(line)) return;
      } catch (const ScriptError& e) {
        result_ = {2, "script line " + std::to_string(number) + ": " + e.what};
        break;
      }
    }
    ending_ = true;
    EndProgram();
  }

  // What came of the script once the program has ended.
  ScriptResult Result() const {
    for (size_t i = next_; i < lines_.size() && result_.status == 0; ++i)
      if (!ignored(lines_[i])) return {2, "script line " + std::to_string(i + 1) + ": the program ended before it"};
    return result_;
  }

 private:
  static bool ignored(const std::string& line) {
    size_t first = line.find_first_not_of(" \t\r");
    return first == std::string::npos || line[first] == '#';
  }

  // Carries out one line; true when it gave the program input.
  bool Do(const std::string& line) {
    std::istringstream words(line);
    std::string command;
    words >> command;
    std::string rest = Rest(words);
    if (command == "click") return Click(ItemCentre(Item(rest)));
    if (command == "set") return Set(rest);
    if (command == "type") return Type(rest);
    if (command == "key") return Key(rest);
    if (command == "print") return Print(rest);
    if (command == "screenshot") return Screenshot(rest);
    throw ScriptError{"unknown command \"" + command + "\""};
  }

  // Asks the application to quit; when it is held in a modal loop (an open
  // menu), Escape leaves that loop first.
  void EndProgram() {
    if (quitAsked_) {
      platform::headless::pressKey(VK_ESCAPE);
      return;
    }
    quitAsked_ = true;
    ov::send<0>(sel::Quit, gTheFrontApplication.get());
    PostMessageA(nullptr, WM_NULL, 0, 0);
  }

  static std::string Rest(std::istringstream& words) {
    std::string rest;
    std::getline(words >> std::ws, rest);
    return rest;
  }

  static ovRef MainWindow() {
    return ov::send(sel::GetMainWindow, ov::get(attr::Desktop, gTheFrontApplication.get())).take();
  }

  static ovRef Item(const std::string& name) {
    if (name.empty()) throw ScriptError{"an item name is missing"};
    ovRef item = ov::send(sel::FindWindowItem, MainWindow(), {ov::text(name)}).take();
    if (!item) throw ScriptError{"no item is named \"" + name + "\""};
    return item;
  }

  // The centre of an item in screen coordinates: of its own platform window
  // when it has one, else of its frame in its view's window.
  static POINT ItemCentre(const ovRef& item) {
    HWND own = ov::toHandle<HWND>(ov::send(sel::GetWindowRecord, item).get());
    RECT r{};
    if (own) {
      GetWindowRect(own, &r);
      return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    ovRef owner = ov::send(sel::GetOwner, item).take();
    r = ov::toRECT(ov::send(sel::GetFrame, item).get());
    POINT origin = ov::toPOINT(ov::send(sel::GetOrigin, owner).get());
    POINT centre{(r.left + r.right) / 2 - origin.x, (r.top + r.bottom) / 2 - origin.y};
    ClientToScreen(ov::toHandle<HWND>(ov::send(sel::GetWindowRecord, owner).get()), &centre);
    return centre;
  }

  static bool Click(POINT screen) {
    platform::headless::click(screen.x, screen.y);
    return true;
  }

  // A click into the edit text, then its text selected and deleted, then
  // the new text typed.
  static bool Set(const std::string& rest) {
    std::string name = rest.substr(0, rest.find(' '));
    std::string text = name.size() < rest.size() ? rest.substr(name.size() + 1) : std::string();
    Click(ItemCentre(Item(name)));
    Press({{}, VK_HOME});
    Press({{VK_SHIFT}, VK_END});
    Press({{}, VK_DELETE});
    Type(text);
    return true;
  }

  static bool Type(const std::string& text) {
    for (char c : text) platform::headless::typeText(std::string(1, c));
    return true;
  }

  static void Press(const Chord& chord) {
    for (UINT vk : chord.modifiers) platform::headless::keyDown(vk);
    platform::headless::pressKey(chord.key);
    for (auto vk = chord.modifiers.rbegin(); vk != chord.modifiers.rend(); ++vk) platform::headless::keyUp(*vk);
  }

  static bool Key(const std::string& rest) {
    if (rest.empty() || rest.find(' ') != std::string::npos) throw ScriptError{"key takes one key or chord"};
    Press(chordOf(rest));
    return true;
  }

  // What an item shows: its text value, or else its title, or else its
  // value in the run-time's printed form.
  static std::string Shown(const ovRef& item) {
    ovRef value = ov::send(sel::GetValue, item).take();
    if (!ov::isText(value)) {
      ovRef title = ov::send(sel::GetTitle, item).take();
      value = ov::isText(title) ? title : ov::primitive(prim::ToString, {value}).take();
    }
    return std::string(ov::chars(value));
  }

  bool Print(const std::string& name) {
    std::string shown = Shown(Item(name));
    out_ << name << '\t' << shown << '\n';
    return false;
  }

  static bool Screenshot(const std::string& path) {
    if (path.empty()) throw ScriptError{"screenshot takes a file name"};
    HWND main = ov::toHandle<HWND>(ov::send(sel::GetWindowRecord, MainWindow()).get());
    if (!platform::headless::saveClientPng(main, path)) throw ScriptError{"cannot write \"" + path + "\""};
    return false;
  }

  std::ostream& out_;
  std::function<bool()> prelude_;
  std::vector<std::string> lines_;
  size_t next_ = 0;
  bool ending_ = false;
  bool quitAsked_ = false;
  ScriptResult result_;
};

}  // namespace

ScriptResult RunScript(std::istream& in, std::ostream& out, std::function<bool()> prelude) {
  platform::useBackend("headless");
  Driver driver(in, out, std::move(prelude));
  platform::headless::onIdle([&driver] { driver.OnIdle(); });
  int status = WinMain(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWDEFAULT);
  platform::headless::onIdle(nullptr);
  ScriptResult result = driver.Result();
  if (result.status == 0) result.status = status;
  return result;
}

}  // namespace velmaro
