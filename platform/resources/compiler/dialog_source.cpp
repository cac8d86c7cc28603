#include "platform/resources/compiler/dialog_source.h"

#include <cctype>
#include <map>
#include <optional>
#include <sstream>

#include "platform/resources/compiler/string_table.h"
#include "platform/win32.h"

namespace platform::resources::compiler {
namespace {

struct Control {
  std::u16string className;  // empty when ordinal is set
  WORD ordinal = 0;
  WORD id = 0;
  short x = 0, y = 0, cx = 0, cy = 0;
  std::u16string text;
  DWORD style = WS_CHILD | WS_VISIBLE;
  DWORD exStyle = 0;
};

struct Dialog {
  bool started = false;
  DWORD style = 0;
  DWORD exStyle = 0;
  short x = 0, y = 0, cx = 0, cy = 0;
  bool hasFont = false;
  WORD points = 0;
  std::u16string face;
  std::u16string caption;
  std::vector<Control> controls;
};

// The style names a source may use.
const std::map<std::string, DWORD>& styleNames() {
  static const std::map<std::string, DWORD> names = {
      {"WS_POPUP", WS_POPUP}, {"WS_CHILD", WS_CHILD}, {"WS_VISIBLE", WS_VISIBLE}, {"WS_DISABLED", WS_DISABLED},
      {"WS_CLIPSIBLINGS", WS_CLIPSIBLINGS}, {"WS_CLIPCHILDREN", WS_CLIPCHILDREN}, {"WS_CAPTION", WS_CAPTION},
      {"WS_BORDER", WS_BORDER}, {"WS_DLGFRAME", WS_DLGFRAME}, {"WS_VSCROLL", WS_VSCROLL},
      {"WS_HSCROLL", WS_HSCROLL}, {"WS_SYSMENU", WS_SYSMENU}, {"WS_THICKFRAME", WS_THICKFRAME},
      {"WS_GROUP", WS_GROUP}, {"WS_TABSTOP", WS_TABSTOP}, {"WS_MINIMIZEBOX", WS_MINIMIZEBOX},
      {"WS_MAXIMIZEBOX", WS_MAXIMIZEBOX}, {"DS_ABSALIGN", DS_ABSALIGN}, {"DS_MODALFRAME", DS_MODALFRAME},
      {"DS_NOIDLEMSG", DS_NOIDLEMSG}, {"DS_CENTER", DS_CENTER}, {"BS_PUSHBUTTON", BS_PUSHBUTTON},
      {"BS_DEFPUSHBUTTON", BS_DEFPUSHBUTTON}, {"BS_CHECKBOX", BS_CHECKBOX}, {"BS_AUTOCHECKBOX", BS_AUTOCHECKBOX},
      {"BS_RADIOBUTTON", BS_RADIOBUTTON}, {"BS_3STATE", BS_3STATE}, {"BS_AUTO3STATE", BS_AUTO3STATE},
      {"BS_GROUPBOX", BS_GROUPBOX}, {"BS_AUTORADIOBUTTON", BS_AUTORADIOBUTTON}, {"BS_NOTIFY", BS_NOTIFY},
      {"ES_LEFT", ES_LEFT}, {"ES_MULTILINE", ES_MULTILINE}, {"ES_AUTOVSCROLL", ES_AUTOVSCROLL},
      {"ES_AUTOHSCROLL", ES_AUTOHSCROLL}, {"ES_NOHIDESEL", ES_NOHIDESEL}, {"ES_READONLY", ES_READONLY},
      {"ES_WANTRETURN", ES_WANTRETURN}, {"ES_NUMBER", ES_NUMBER}, {"SS_LEFT", SS_LEFT}, {"SS_CENTER", SS_CENTER},
      {"SS_RIGHT", SS_RIGHT}, {"SS_SIMPLE", SS_SIMPLE}, {"SS_LEFTNOWORDWRAP", SS_LEFTNOWORDWRAP},
      {"SS_NOPREFIX", SS_NOPREFIX}, {"WS_EX_DLGMODALFRAME", WS_EX_DLGMODALFRAME},
      {"WS_EX_CLIENTEDGE", WS_EX_CLIENTEDGE}, {"WS_EX_STATICEDGE", WS_EX_STATICEDGE},
      {"WS_EX_TOOLWINDOW", WS_EX_TOOLWINDOW}, {"WS_EX_WINDOWEDGE", WS_EX_WINDOWEDGE},
      {"WS_EX_TOPMOST", WS_EX_TOPMOST}, {"WS_EX_NOPARENTNOTIFY", WS_EX_NOPARENTNOTIFY}};
  return names;
}

// Splits a line into words; a double-quoted text (with its escapes) stays
// one word, quotes included, also after "key=".
bool splitWords(const std::string& line, std::vector<std::string>& words, std::string& error) {
  std::string word;
  bool quoted = false;
  for (size_t i = 0; i < line.size(); ++i) {
    char c = line[i];
    if (!quoted && std::isspace(static_cast<unsigned char>(c))) {
      if (!word.empty()) words.push_back(word);
      word.clear();
      continue;
    }
    if (c == '"') {
      quoted = !quoted;
    } else if (quoted && c == '\\' && i + 1 < line.size()) {
      word += c;
      c = line[++i];
    }
    word += c;
  }
  if (quoted) error = "a text is not closed with a double quote";
  if (!word.empty()) words.push_back(word);
  return !quoted;
}

bool textOf(const std::string& word, std::u16string& out, std::string& error) {
  if (word.size() < 2 || word.front() != '"' || word.back() != '"') {
    error = "expected a double-quoted text, not '" + word + "'";
    return false;
  }
  return decodeEscapedText(word.substr(1, word.size() - 2), out, error);
}

std::optional<long> numberOf(const std::string& word) {
  if (word.empty()) return std::nullopt;
  size_t used = 0;
  try {
    long value = std::stol(word, &used, 0);
    if (used == word.size()) return value;
  } catch (const std::exception&) {
  }
  return std::nullopt;
}

bool inRange(const std::string& word, long low, long high, long& value, std::string& error) {
  std::optional<long> number = numberOf(word);
  if (number && *number >= low && *number <= high) {
    value = *number;
    return true;
  }
  error = "'" + word + "' is not a number from " + std::to_string(low) + " to " + std::to_string(high);
  return false;
}

bool styleOf(const std::string& word, DWORD& style, std::string& error) {
  auto named = styleNames().find(word);
  std::optional<long> number = numberOf(word);
  if (named != styleNames().end()) style |= named->second;
  else if (number && *number >= 0 && *number <= 0xFFFFFFFFL) style |= static_cast<DWORD>(*number);
  else error = "unknown style '" + word + "'";
  return error.empty();
}

bool stylesJoined(const std::string& value, DWORD& style, std::string& error) {
  std::istringstream parts(value);
  std::string part;
  while (std::getline(parts, part, '|'))
    if (!styleOf(part, style, error)) return false;
  return true;
}

// key=value words into a map; false at a word without '=' or a key given
// twice.
bool keyValues(const std::vector<std::string>& words, size_t from, std::map<std::string, std::string>& out,
               std::string& error) {
  for (size_t i = from; i < words.size(); ++i) {
    size_t equals = words[i].find('=');
    if (equals == std::string::npos || equals == 0) error = "expected key=value, not '" + words[i] + "'";
    else if (!out.emplace(words[i].substr(0, equals), words[i].substr(equals + 1)).second)
      error = "'" + words[i].substr(0, equals) + "' given twice";
    if (!error.empty()) return false;
  }
  return true;
}

// Reads x, y, width and height (all required) from values.
bool placeOf(std::map<std::string, std::string>& values, short& x, short& y, short& cx, short& cy, std::string& error) {
  struct Field {
    const char* key;
    short* target;
    long low;
  } fields[] = {{"x", &x, -32768}, {"y", &y, -32768}, {"width", &cx, 0}, {"height", &cy, 0}};
  for (const Field& f : fields) {
    auto found = values.find(f.key);
    long value = 0;
    if (found == values.end()) error = std::string("missing ") + f.key;
    else if (inRange(found->second, f.low, 32767, value, error)) *f.target = static_cast<short>(value);
    if (!error.empty()) return false;
    values.erase(found);
  }
  return true;
}

bool noneLeft(const std::map<std::string, std::string>& values, std::string& error) {
  if (!values.empty()) error = "unknown key '" + values.begin()->first + "'";
  return values.empty();
}

bool dialogLine(const std::vector<std::string>& words, Dialog& d, std::string& error) {
  std::map<std::string, std::string> values;
  if (d.started) error = "a second dialog line";
  else if (keyValues(words, 1, values, error) && placeOf(values, d.x, d.y, d.cx, d.cy, error)) noneLeft(values, error);
  d.started = true;
  return error.empty();
}

bool stylesLine(const std::vector<std::string>& words, DWORD& style, std::string& error) {
  for (size_t i = 1; i < words.size(); ++i)
    if (!styleOf(words[i], style, error)) return false;
  return true;
}

bool fontLine(const std::vector<std::string>& words, Dialog& d, std::string& error) {
  long points = 0;
  if (words.size() != 3) error = "expected font POINTS \"FACE\"";
  else if (inRange(words[1], 1, 0x7FFF, points, error) && textOf(words[2], d.face, error)) d.points = static_cast<WORD>(points);
  d.hasFont = error.empty();
  return d.hasFont;
}

bool captionLine(const std::vector<std::string>& words, Dialog& d, std::string& error) {
  if (words.size() != 2) error = "expected caption \"TEXT\"";
  return error.empty() && textOf(words[1], d.caption, error);
}

void classOf(const std::string& name, Control& c) {
  static const std::map<std::string, WORD> ordinals = {{"Button", 0x80}, {"Edit", 0x81}, {"Static", 0x82}};
  auto found = ordinals.find(name);
  if (found != ordinals.end()) c.ordinal = found->second;
  else c.className.assign(name.begin(), name.end());
}

bool controlValues(std::map<std::string, std::string>& values, Control& c, std::string& error) {
  long id = 0;
  auto take = [&values](const char* key) {
    auto found = values.find(key);
    if (found == values.end()) return std::optional<std::string>();
    std::optional<std::string> value = found->second;
    values.erase(found);
    return value;
  };
  std::optional<std::string> idText = take("id"), text = take("text"), style = take("style"), exStyle = take("exstyle");
  if (!idText) error = "missing id";
  else if (inRange(*idText, 0, 0xFFFF, id, error)) c.id = static_cast<WORD>(id);
  if (error.empty() && text) textOf(*text, c.text, error);
  if (error.empty() && style) stylesJoined(*style, c.style, error);
  if (error.empty() && exStyle) stylesJoined(*exStyle, c.exStyle, error);
  return error.empty() && noneLeft(values, error);
}

bool controlLine(const std::vector<std::string>& words, Dialog& d, std::string& error) {
  if (words.size() < 2) {
    error = "expected control CLASS key=value...";
    return false;
  }
  Control c;
  classOf(words[1], c);
  std::map<std::string, std::string> values;
  if (!keyValues(words, 2, values, error) || !placeOf(values, c.x, c.y, c.cx, c.cy, error)) return false;
  if (!controlValues(values, c, error)) return false;
  d.controls.push_back(std::move(c));
  return true;
}

bool statement(const std::vector<std::string>& words, Dialog& d, std::string& error) {
  const std::string& verb = words[0];
  if (verb != "dialog" && !d.started) error = "the dialog line comes first";
  else if (verb == "dialog") dialogLine(words, d, error);
  else if (verb == "style") stylesLine(words, d.style, error);
  else if (verb == "exstyle") stylesLine(words, d.exStyle, error);
  else if (verb == "font") fontLine(words, d, error);
  else if (verb == "caption") captionLine(words, d, error);
  else if (verb == "control") controlLine(words, d, error);
  else error = "unknown statement '" + verb + "'";
  return error.empty();
}

// --- The binary template ---------------------------------------------------

class Writer {
 public:
  explicit Writer(std::vector<uint8_t>& out) : out_(out) {}
  void word(uint32_t value) { bytes(value, 2); }
  void dword(uint32_t value) { bytes(value, 4); }
  void text(const std::u16string& s) {
    for (char16_t unit : s) word(unit);
    word(0);
  }
  void alignTo(size_t boundary) {
    while (out_.size() % boundary) out_.push_back(0);
  }

 private:
  void bytes(uint32_t value, int count) {
    for (int i = 0; i < count; ++i) out_.push_back(static_cast<uint8_t>(value >> (8 * i)));
  }
  std::vector<uint8_t>& out_;
};

void writePlace(Writer& w, short x, short y, short cx, short cy) {
  for (short v : {x, y, cx, cy}) w.word(static_cast<uint16_t>(v));
}

void writeControl(Writer& w, const Control& c) {
  w.alignTo(4);
  w.dword(c.style);
  w.dword(c.exStyle);
  writePlace(w, c.x, c.y, c.cx, c.cy);
  w.word(c.id);
  if (c.ordinal) {
    w.word(0xFFFF);
    w.word(c.ordinal);
  } else {
    w.text(c.className);
  }
  w.text(c.text);
  w.word(0);
}

std::vector<uint8_t> binaryOf(const Dialog& d) {
  std::vector<uint8_t> out;
  Writer w(out);
  w.dword(d.style | (d.hasFont ? DS_SETFONT : 0));
  w.dword(d.exStyle);
  w.word(static_cast<uint16_t>(d.controls.size()));
  writePlace(w, d.x, d.y, d.cx, d.cy);
  w.word(0);
  w.word(0);
  w.text(d.caption);
  if (d.hasFont) {
    w.word(d.points);
    w.text(d.face);
  }
  for (const Control& c : d.controls) writeControl(w, c);
  return out;
}

}  // namespace

bool compileDialog(std::istream& in, std::vector<uint8_t>& out, std::string& error) {
  Dialog d;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    std::vector<std::string> words;
    bool ok = splitWords(line, words, error) && (words.empty() || words[0][0] == '#' || statement(words, d, error));
    if (!ok) {
      error = "line " + std::to_string(number) + ": " + error;
      return false;
    }
  }
  if (!d.started) error = "no dialog line";
  else if (d.controls.size() > 0xFFFF) error = "more than 65535 controls";
  if (!error.empty()) return false;
  out = binaryOf(d);
  return true;
}

}  // namespace platform::resources::compiler
