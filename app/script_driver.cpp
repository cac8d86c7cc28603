#include "app/script_driver.h"

#include <cctype>
#include <map>
#include <sstream>
#include <vector>

#include "framework/loop_driver.h"
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
const ovMethodSelector Open("Open");
const ovMethodSelector Quit("Quit");
const ovMethodSelector Close("Close");
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

class Driver {
 public:
  explicit Driver(std::ostream& out) : out_(out) {}

  void Open() {
    app_ = gTheApplication.get();
    ov::send<0>(sel::Open, app_);
    Settle();
  }

  // Carries out one line.
  void Do(const std::string& line) {
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

  bool Ended() const { return ended_; }

  // The end of the script: the program ends as File, Exit would.
  void Finish() {
    if (!ended_) {
      ov::send<0>(sel::Quit, app_);
      Settle();
    }
    ov::send<0>(sel::Close, app_);
  }

 private:
  static std::string Rest(std::istringstream& words) {
    std::string rest;
    std::getline(words >> std::ws, rest);
    return rest;
  }

  void Settle() {
    if (vorn::RunUntilIdle(app_.get()) == vorn::LoopOutcome::Stopped) ended_ = true;
  }

  ovRef MainWindow() {
    return ov::send(sel::GetMainWindow, ov::get(attr::Desktop, app_)).take();
  }

  ovRef Item(const std::string& name) {
    if (name.empty()) throw ScriptError{"an item name is missing"};
    ovRef item = ov::send(sel::FindWindowItem, MainWindow(), {ov::text(name)}).take();
    if (!item) throw ScriptError{"no item is named \"" + name + "\""};
    return item;
  }

  // The centre of an item in screen coordinates: of its own platform window
  // when it has one, else of its frame in its view's window.
  POINT ItemCentre(const ovRef& item) {
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

  void Click(POINT screen) {
    platform::headless::click(screen.x, screen.y);
    Settle();
  }

  void Set(const std::string& rest) {
    std::string name = rest.substr(0, rest.find(' '));
    std::string text = name.size() < rest.size() ? rest.substr(name.size() + 1) : std::string();
    Click(ItemCentre(Item(name)));
    Press({{}, VK_HOME});
    Press({{VK_SHIFT}, VK_END});
    Press({{}, VK_DELETE});
    Type(text);
  }

  void Type(const std::string& text) {
    for (char c : text) {
      platform::headless::typeText(std::string(1, c));
      Settle();
    }
  }

  void Press(const Chord& chord) {
    for (UINT vk : chord.modifiers) platform::headless::keyDown(vk);
    platform::headless::pressKey(chord.key);
    for (auto vk = chord.modifiers.rbegin(); vk != chord.modifiers.rend(); ++vk) platform::headless::keyUp(*vk);
    Settle();
  }

  void Key(const std::string& rest) {
    if (rest.empty() || rest.find(' ') != std::string::npos) throw ScriptError{"key takes one key or chord"};
    Press(chordOf(rest));
  }

  // What an item shows: its text value, or else its title, or else its
  // value in the run-time's printed form.
  std::string Shown(const ovRef& item) {
    ovRef value = ov::send(sel::GetValue, item).take();
    if (!ov::isText(value)) {
      ovRef title = ov::send(sel::GetTitle, item).take();
      value = ov::isText(title) ? title : ov::primitive(prim::ToString, {value}).take();
    }
    return std::string(ov::chars(value));
  }

  void Print(const std::string& name) { out_ << name << '\t' << Shown(Item(name)) << '\n'; }

  void Screenshot(const std::string& path) {
    if (path.empty()) throw ScriptError{"screenshot takes a file name"};
    HWND main = ov::toHandle<HWND>(ov::send(sel::GetWindowRecord, MainWindow()).get());
    if (!platform::headless::saveClientPng(main, path)) throw ScriptError{"cannot write \"" + path + "\""};
  }

  std::ostream& out_;
  ovRef app_;
  bool ended_ = false;
};

bool ignored(const std::string& line) {
  size_t first = line.find_first_not_of(" \t\r");
  return first == std::string::npos || line[first] == '#';
}

struct Run {
  std::istream& in;
  std::ostream& out;
  ScriptResult result;
};

void runScript(void* context) {
  Run& run = *static_cast<Run*>(context);
  Driver driver(run.out);
  driver.Open();
  std::string line;
  for (int number = 1; std::getline(run.in, line); ++number) {
    if (ignored(line)) continue;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    try {
      if (driver.Ended()) throw ScriptError{"the program has already ended"};
      driver.Do(line);
    } catch (const ScriptError& e) {
      run.result = {2, "script line " + std::to_string(number) + ": " + e.what};
      break;
    }
  }
  driver.Finish();
}

}  // namespace

ScriptResult RunScript(std::istream& in, std::ostream& out) {
  platform::useBackend("headless");
  Run run{in, out, {}};
  int status = ovRunProgram(GetModuleHandleA(nullptr), runScript, &run);
  if (run.result.status == 0) run.result.status = status;
  return run.result;
}

}  // namespace velmaro
