// Dialog template sources, compiled into the binary template DialogBoxParamA
// reads (DLGTEMPLATE and DLGITEMTEMPLATE). One statement a line; blank lines
// and lines starting with '#' are ignored:
//
//   dialog x=40 y=50 width=175 height=81      first: place and client size
//   style WS_POPUP WS_VISIBLE DS_MODALFRAME   the dialog's styles
//   exstyle WS_EX_TOOLWINDOW                  its extended styles
//   font 8 "MS Sans Serif"                    point size and face (DS_SETFONT)
//   caption "Title"                           its title
//   control Button id=1 x=62 y=61 width=50 height=14 text="OK" style=BS_DEFPUSHBUTTON|WS_TABSTOP
//
// All measures are dialog units. A control names its class (Button, Edit
// and Static are stored as the built-in ordinals, any other name as text),
// needs id, x, y, width and height, and may give text, style and exstyle;
// it is always WS_CHILD and WS_VISIBLE. Styles are Win32 constant names or
// numbers joined by '|' (in style and exstyle lines, by spaces). Texts are
// double-quoted UTF-8 with the escapes of string tables.
#pragma once

#include <cstdint>
#include <istream>
#include <string>
#include <vector>

namespace platform::resources::compiler {

// Compiles a source; false with a message naming the line at the first fault.
bool compileDialog(std::istream& in, std::vector<uint8_t>& out, std::string& error);

}  // namespace platform::resources::compiler
