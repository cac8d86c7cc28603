#include "app/script_runner.h"

#include <cctype>
#include <map>
#include <sstream>
#include <vector>

#include "framework/persistents.h"
#include "runtime/methods/kit.h"
#include "runtime/methods/platform_values.h"

namespace velmaro {
namespace {

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

bool ignored(const std::string& line) {
  size_t first = line.find_first_not_of(" \t\r");
  return first == std::string::npos || line[first] == '#';
}

std::string rest(std::istringstream& words) {
  std::string text;
  std::getline(words >> std::ws, text);
  return text;
}

ovRef mainWindow() {
  return ov::send("Get Main Window"_sel, ov::get("Desktop"_attr, gTheFrontApplication.get())).take();
}

ovRef item(const std::string& name) {
  if (name.empty()) throw ScriptError{"an item name is missing"};
  ovRef found = ov::send("Find Window Item"_sel, mainWindow(), {ov::text(name)}).take();
  if (!found) throw ScriptError{"no item is named \"" + name + "\""};
  return found;
}

// The centre of an item in screen coordinates: of its own platform window
// when it has one, else of its frame in its view's window.
POINT itemCentre(const ovRef& item) {
  HWND own = ov::toHandle<HWND>(ov::send("Get Window Record"_sel, item).get());
  RECT r{};
  if (own) {
    GetWindowRect(own, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  ovRef owner = ov::send("Get Owner"_sel, item).take();
  r = ov::toRECT(ov::send("Get Frame"_sel, item).get());
  POINT origin = ov::toPOINT(ov::send("Get Origin"_sel, owner).get());
  POINT centre{(r.left + r.right) / 2 - origin.x, (r.top + r.bottom) / 2 - origin.y};
  ClientToScreen(ov::toHandle<HWND>(ov::send("Get Window Record"_sel, owner).get()), &centre);
  return centre;
}

// What an item shows: its text value, or else its title, or else its
// value in the run-time's printed form.
std::string shown(const ovRef& item) {
  ovRef value = ov::send("Get Value"_sel, item).take();
  if (!ov::isText(value)) {
    ovRef title = ov::send("Get Title"_sel, item).take();
    value = ov::isText(title) ? title : ov::primitive("to-string"_prim, {value}).take();
  }
  return std::string(ov::chars(value));
}

}  // namespace

HWND MainWindowHandle() {
  if (!gTheFrontApplication.peek()) return nullptr;
  ovRef window = mainWindow();
  return window ? ov::toHandle<HWND>(ov::send("Get Window Record"_sel, window).get()) : nullptr;
}

ScriptRunner::ScriptRunner(std::istream& in, std::ostream& out, ScriptInput& input, std::function<bool()> prelude)
    : out_(out), input_(input), prelude_(std::move(prelude)) {
  std::string line;
  while (std::getline(in, line)) lines_.push_back(line);
}

void ScriptRunner::OnIdle() {
  if (ending_) return EndProgram();
  if (prelude_ && prelude_()) return;
  prelude_ = nullptr;
  while (next_ < lines_.size()) {
    size_t number = ++next_;
    std::string line = lines_[number - 1];
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (ignored(line)) continue;
    try {
      if (Do(line)) return input_.Deliver();
    } catch (const ScriptError& e) {
      result_ = {2, "script line " + std::to_string(number) + ": " + e.what};
      break;
    }
  }
  ending_ = true;
  EndProgram();
}

ScriptResult ScriptRunner::Result() const {
  for (size_t i = next_; i < lines_.size() && result_.status == 0; ++i)
    if (!ignored(lines_[i])) return {2, "script line " + std::to_string(i + 1) + ": the program ended before it"};
  return result_;
}

// Carries out one line; true when it gave the program input.
bool ScriptRunner::Do(const std::string& line) {
  std::istringstream words(line);
  std::string command;
  words >> command;
  std::string arguments = rest(words);
  if (command == "click") {
    input_.Click(itemCentre(item(arguments)));
    return true;
  }
  if (command == "set") return Set(arguments);
  if (command == "type") return Type(arguments);
  if (command == "key") return Key(arguments);
  if (command == "print") return Print(arguments);
  if (command == "screenshot") return Screenshot(arguments);
  throw ScriptError{"unknown command \"" + command + "\""};
}

// Asks the application to quit; when it is held in a modal loop (an open
// menu), Escape leaves that loop first.
void ScriptRunner::EndProgram() {
  if (quitAsked_) {
    Press(VK_ESCAPE);
    return input_.Deliver();
  }
  quitAsked_ = true;
  ov::tell("Quit"_sel, gTheFrontApplication.get());
  PostMessageA(nullptr, WM_NULL, 0, 0);
}

// A click into the edit text, then its text selected and deleted, then
// the new text typed.
bool ScriptRunner::Set(const std::string& arguments) {
  std::string name = arguments.substr(0, arguments.find(' '));
  std::string text = name.size() < arguments.size() ? arguments.substr(name.size() + 1) : std::string();
  input_.Click(itemCentre(item(name)));
  Press(VK_HOME);
  Press(VK_END, {VK_SHIFT});
  Press(VK_DELETE);
  return Type(text);
}

bool ScriptRunner::Type(const std::string& text) {
  for (char c : text) input_.Type(c);
  return true;
}

void ScriptRunner::Press(UINT key, const std::vector<UINT>& modifiers) {
  for (UINT vk : modifiers) input_.KeyDown(vk);
  input_.KeyDown(key);
  input_.KeyUp(key);
  for (auto vk = modifiers.rbegin(); vk != modifiers.rend(); ++vk) input_.KeyUp(*vk);
}

bool ScriptRunner::Key(const std::string& arguments) {
  if (arguments.empty() || arguments.find(' ') != std::string::npos) throw ScriptError{"key takes one key or chord"};
  Chord chord = chordOf(arguments);
  Press(chord.key, chord.modifiers);
  return true;
}

bool ScriptRunner::Print(const std::string& name) {
  std::string text = shown(item(name));
  out_ << name << '\t' << text << '\n';
  return false;
}

bool ScriptRunner::Screenshot(const std::string& path) {
  if (path.empty()) throw ScriptError{"screenshot takes a file name"};
  std::string error = input_.Screenshot(MainWindowHandle(), path);
  if (!error.empty()) throw ScriptError{error};
  return false;
}

}  // namespace velmaro
