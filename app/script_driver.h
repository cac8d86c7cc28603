// The scripted driver: runs the real program on the headless backend and
// carries out one command per line, each through real input (mouse and
// keys injected at the backend), letting the program settle after each.
//
//   click ITEM          left click at the centre of the named window item
//   set ITEM TEXT       focus the edit text as a click would, remove its
//                       text and type TEXT key by key (TEXT may be empty)
//   type TEXT           type TEXT into whatever has the focus
//   key KEY             one key or chord: a letter or digit, or Tab, Enter,
//                       Space, Escape, BackSpace, Delete, Home, End, Left,
//                       Right, Up, Down, F1-F12, Alt; with any of the
//                       prefixes Ctrl+, Alt+, Shift+
//   print ITEM          prints ITEM, a tab and what the item shows
//   screenshot FILE     a PNG of the main window's client area
//
// Blank lines and lines starting with "#" are ignored. When the script ends
// the program ends as File, Exit would.
#pragma once

#include <functional>
#include <istream>
#include <ostream>
#include <string>

namespace velmaro {

struct ScriptResult {
  int status = 0;     // the program's exit status: 0, or 2 for a bad script
  std::string error;  // "script line N: ..." when the script was refused
};

// Runs the program under the script read from in; what "print" prints goes
// to out. With a prelude, each moment the program is idle first goes to the
// prelude, which gives the program input of its own and answers true, until
// it answers false; the script's lines follow.
ScriptResult RunScript(std::istream& in, std::ostream& out, std::function<bool()> prelude = {});

}  // namespace velmaro
