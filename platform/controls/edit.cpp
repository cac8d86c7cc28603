// The "Edit" class: a field of text the user types into. Single-line
// controls are complete; multi-line controls (ES_MULTILINE) wrap at the
// right edge unless ES_AUTOHSCROLL, and scroll to the caret line.
//
// The text, selection and undo live in an EditBuffer, the line breaks in
// edit_lines; this file is the window: keys, mouse, clipboard, messages,
// scrolling and painting. Invariants kept after every message:
// - the caret is inside the visible text area while the control has room
//   for a character (scrollX and firstLine follow it);
// - without ES_AUTOHSCROLL (single-line) or ES_AUTOVSCROLL (multi-line),
//   the text never grows past what the control shows: such a change is
//   refused as a whole;
// - text past the limit (EM_LIMITTEXT) is cut off, the part with room goes in;
// - ES_NUMBER admits digits only, typed or pasted; a refused character or
//   paste changes nothing and notifies nothing.
// The caret blinks while the control has the focus and rests, shown, once
// it has blinked for the system's caret timeout (SPI_GETCARETTIMEOUT)
// without input; input to the control or the focus coming back starts it
// blinking again. An idle program then has no timer left to wake it.
// A change sends EN_UPDATE and then EN_CHANGE to the parent; one the limit
// cut short or the control had no room for sends EN_MAXTEXT first, as
// Windows does. WM_SETTEXT sends EN_UPDATE and EN_CHANGE too, except for
// multi-line controls, which send EN_UPDATE only. EM_UNDO sends EN_CHANGE
// once more after the selection is back, as Windows does.
// A single-line control with ES_PASSWORD shows its password character ('*'
// unless EM_SETPASSWORDCHAR sets another) in place of each character, and
// is laid out and scrolled as what it shows; WM_COPY and WM_CUT do nothing
// on it. Multi-line controls take no password character, as Windows'.
//
// Not supported: ES_UPPERCASE, ES_LOWERCASE, ES_CENTER,
// ES_RIGHT, scroll bars, EM_SETMARGINS and word-break procedures.
#include <algorithm>
#include <cstring>

#include "platform/controls/builtin_procs.h"
#include "platform/controls/control_support.h"
#include "platform/controls/edit_buffer.h"
#include "platform/controls/edit_lines.h"
#include "platform/gdi/gdi_objects.h"

namespace platform::controls {
namespace {

constexpr int kMargin = 2;
constexpr UINT_PTR kCaretTimer = 1;
constexpr UINT kCaretBlinkMilliseconds = 530;

struct EditState {
  EditBuffer buffer;
  // 0, or the character shown for each of the text's; then masked holds
  // the text as shown.
  char passwordChar = 0;
  std::string masked;
  HFONT font = nullptr;
  std::shared_ptr<const text::Font> glyphs = text::Font::system();
  std::vector<EditLine> lines{{0, 0}};
  int scrollX = 0;
  size_t firstLine = 0;
  bool focused = false;
  bool caretShown = false;
  // Blink periods since the last input, in milliseconds; at the caret
  // timeout the blink timer stops and the caret rests, shown.
  DWORD blinkingFor = 0;
  bool caretResting = false;
  bool selecting = false;
  bool modified = false;
  // Where Up and Down aim: the caret's x when the vertical movement began.
  int goalX = -1;
};

DWORD styleOf(HWND hwnd) { return static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE)); }
bool isMultiline(HWND hwnd) { return styleOf(hwnd) & ES_MULTILINE; }
bool isReadOnly(HWND hwnd) { return styleOf(hwnd) & ES_READONLY; }

// What the control draws and measures its text as.
std::string_view shownText(const EditState& s) { return s.passwordChar ? s.masked : s.buffer.text(); }

std::string shownOf(const EditState& s, const std::string& text) {
  return s.passwordChar ? std::string(text.size(), s.passwordChar) : text;
}

// --- Geometry --------------------------------------------------------------

int lineHeight(const EditState& s) { return s.glyphs->metrics().height; }

// The area text is drawn in, in client coordinates.
RECT textArea(HWND hwnd, const EditState& s) {
  RECT r = clientRect(hwnd);
  r.left += kMargin;
  r.right = std::max(r.left, r.right - kMargin);
  if (isMultiline(hwnd)) return r;
  int height = r.bottom - r.top;
  r.top += std::max(0, (height - lineHeight(s)) / 2);
  return r;
}

int areaWidth(HWND hwnd, const EditState& s) {
  RECT r = textArea(hwnd, s);
  return r.right - r.left;
}

size_t visibleLines(HWND hwnd, const EditState& s) {
  RECT r = textArea(hwnd, s);
  return std::max<size_t>(1, static_cast<size_t>((r.bottom - r.top) / std::max(1, lineHeight(s))));
}

bool wraps(HWND hwnd) { return isMultiline(hwnd) && !(styleOf(hwnd) & ES_AUTOHSCROLL); }

std::vector<EditLine> layoutOf(HWND hwnd, const EditState& s, std::string_view text) {
  return layoutLines(text, *s.glyphs, wraps(hwnd) ? std::max(1, areaWidth(hwnd, s)) : 0, isMultiline(hwnd));
}

void relayout(HWND hwnd, EditState& s) {
  if (s.passwordChar) s.masked.assign(s.buffer.size(), s.passwordChar);
  s.lines = layoutOf(hwnd, s, shownText(s));
}

// Whether a candidate text stays within what a control that may not
// scroll shows.
bool fits(HWND hwnd, const EditState& s, const std::string& candidate) {
  DWORD style = styleOf(hwnd);
  if (!(style & ES_MULTILINE))
    return (style & ES_AUTOHSCROLL) || s.glyphs->textWidth(shownOf(s, candidate)) < areaWidth(hwnd, s);
  if (style & ES_AUTOVSCROLL) return true;
  return layoutOf(hwnd, s, candidate).size() <= visibleLines(hwnd, s);
}

POINT pointOf(HWND hwnd, const EditState& s, size_t pos) {
  RECT area = textArea(hwnd, s);
  size_t line = lineOf(s.lines, pos);
  int x = offsetOf(shownText(s), s.lines[line], pos, *s.glyphs);
  int y = static_cast<int>(line) - static_cast<int>(s.firstLine);
  return {area.left + x - s.scrollX, area.top + y * lineHeight(s)};
}

size_t positionAtPoint(HWND hwnd, const EditState& s, POINT p) {
  RECT area = textArea(hwnd, s);
  int row = (p.y - area.top) / std::max(1, lineHeight(s)) + static_cast<int>(s.firstLine);
  if (p.y < area.top) row = static_cast<int>(s.firstLine) - 1;
  size_t line = static_cast<size_t>(std::clamp(row, 0, static_cast<int>(s.lines.size()) - 1));
  return positionAt(shownText(s), s.lines[line], p.x - area.left + s.scrollX, *s.glyphs);
}

// --- Scrolling and redrawing -----------------------------------------------

void redraw(HWND hwnd) { InvalidateRect(hwnd, nullptr, FALSE); }

int widestLine(const EditState& s) {
  int widest = 0;
  for (const EditLine& line : s.lines)
    widest = std::max(widest, offsetOf(shownText(s), line, line.end(), *s.glyphs));
  return widest;
}

void scrollHorizontally(HWND hwnd, EditState& s) {
  int width = areaWidth(hwnd, s);
  size_t caret = s.buffer.caret();
  int x = offsetOf(shownText(s), s.lines[lineOf(s.lines, caret)], caret, *s.glyphs);
  s.scrollX = std::min(s.scrollX, std::max(0, widestLine(s) + 1 - width));
  if (x < s.scrollX) s.scrollX = x;
  if (x >= s.scrollX + width) s.scrollX = x - width + 1;
}

void scrollVertically(HWND hwnd, EditState& s) {
  size_t rows = visibleLines(hwnd, s);
  size_t line = lineOf(s.lines, s.buffer.caret());
  s.firstLine = std::min(s.firstLine, s.lines.size() > rows ? s.lines.size() - rows : 0);
  if (line < s.firstLine) s.firstLine = line;
  if (line >= s.firstLine + rows) s.firstLine = line - rows + 1;
}

// Shows the caret at once and starts its blink afresh.
void startBlinking(HWND hwnd, EditState& s) {
  s.caretShown = true;
  s.blinkingFor = 0;
  s.caretResting = false;
  SetTimer(hwnd, kCaretTimer, kCaretBlinkMilliseconds, nullptr);
}

// Input keeps a blinking caret blinking and wakes a resting one; the
// caret's phase is left alone, so typing does not make it flicker.
void wakeCaret(HWND hwnd, EditState& s) {
  if (!s.focused) return;
  s.blinkingFor = 0;
  if (s.caretResting) startBlinking(hwnd, s);
}

bool isInput(UINT message) {
  return (message >= WM_KEYFIRST && message <= WM_KEYLAST) || (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST);
}

// Scrolls the caret into view and shows it at once, restarting the blink.
void followCaret(HWND hwnd, EditState& s) {
  if (wraps(hwnd)) s.scrollX = 0;
  else scrollHorizontally(hwnd, s);
  if (isMultiline(hwnd)) scrollVertically(hwnd, s);
  if (s.focused) startBlinking(hwnd, s);
}

void showCaret(HWND hwnd, EditState& s) {
  followCaret(hwnd, s);
  redraw(hwnd);
  NotifyWinEvent(EVENT_OBJECT_LOCATIONCHANGE, hwnd, OBJID_CARET, CHILDID_SELF);
}

// --- Changes ---------------------------------------------------------------

void changed(HWND hwnd, EditState& s) {
  s.modified = true;
  s.goalX = -1;
  relayout(hwnd, s);
  showCaret(hwnd, s);
  notifyParent(hwnd, EN_UPDATE);
  NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, hwnd, OBJID_CLIENT, CHILDID_SELF);
  if (IsWindow(hwnd)) notifyParent(hwnd, EN_CHANGE);
}

void prepareRules(HWND hwnd, EditState& s) {
  s.buffer.setDigitsOnly(styleOf(hwnd) & ES_NUMBER);
  s.buffer.setFitTest([hwnd, &s](const std::string& candidate) { return fits(hwnd, s, candidate); });
}

// The user's changes obey ES_READONLY and ES_NUMBER; the program's
// (EM_REPLACESEL) do not.
enum class Source { User, Program };

void insertText(HWND hwnd, EditState& s, std::string_view text, EditBuffer::Kind kind, Source source = Source::User) {
  bool byUser = source == Source::User;
  if (byUser && isReadOnly(hwnd)) return;
  prepareRules(hwnd, s);
  EditBuffer::Outcome outcome = s.buffer.replaceSelection(text, kind, byUser);
  if (outcome == EditBuffer::Outcome::Unchanged) return;
  if (outcome == EditBuffer::Outcome::Full) notifyParent(hwnd, EN_MAXTEXT);
  if (IsWindow(hwnd)) changed(hwnd, s);
}

void eraseText(HWND hwnd, EditState& s, bool backward) {
  if (isReadOnly(hwnd)) return;
  prepareRules(hwnd, s);
  if (s.buffer.erase(backward)) changed(hwnd, s);
}

void moveCaret(HWND hwnd, EditState& s, size_t pos, bool extend) {
  s.buffer.moveCaret(pos, extend);
  showCaret(hwnd, s);
}

LRESULT setText(HWND hwnd, EditState& s, LPARAM lParam) {
  s.buffer.reset(lParam ? reinterpret_cast<LPCSTR>(lParam) : "");
  s.modified = false;
  s.scrollX = 0;
  s.firstLine = 0;
  relayout(hwnd, s);
  showCaret(hwnd, s);
  notifyParent(hwnd, EN_UPDATE);
  NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, hwnd, OBJID_CLIENT, CHILDID_SELF);
  if (IsWindow(hwnd) && !isMultiline(hwnd)) notifyParent(hwnd, EN_CHANGE);
  return TRUE;
}

// --- Clipboard -------------------------------------------------------------

void copySelection(HWND hwnd, const EditState& s) {
  if (s.passwordChar || !s.buffer.hasSelection() || !OpenClipboard(hwnd)) return;
  std::string text = s.buffer.selectedText();
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  if (auto* bytes = static_cast<char*>(GlobalLock(block))) {
    std::memcpy(bytes, text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    EmptyClipboard();
    SetClipboardData(CF_TEXT, block);
  }
  CloseClipboard();
}

std::string clipboardText() {
  if (!OpenClipboard(nullptr)) return {};
  std::string text;
  HGLOBAL block = GetClipboardData(CF_TEXT);
  if (const auto* bytes = static_cast<const char*>(GlobalLock(block))) {
    text.assign(bytes, strnlen(bytes, GlobalSize(block)));
    GlobalUnlock(block);
  }
  CloseClipboard();
  return text;
}

void paste(HWND hwnd, EditState& s) {
  std::string text = clipboardText();
  if (!isMultiline(hwnd)) text = text.substr(0, text.find_first_of("\r\n"));
  insertText(hwnd, s, text, EditBuffer::Kind::Other);
}

void cut(HWND hwnd, EditState& s) {
  if (isReadOnly(hwnd) || s.passwordChar || !s.buffer.hasSelection()) return;
  copySelection(hwnd, s);
  eraseText(hwnd, s, false);
}

void clear(HWND hwnd, EditState& s) {
  if (s.buffer.hasSelection()) eraseText(hwnd, s, false);
}

// For a single-line control the answer is always TRUE; for a multi-line
// one, whether there was a change to undo.
LRESULT undo(HWND hwnd, EditState& s) {
  if (isReadOnly(hwnd) || !s.buffer.undo()) return !isMultiline(hwnd);
  changed(hwnd, s);
  if (IsWindow(hwnd)) notifyParent(hwnd, EN_CHANGE);
  return TRUE;
}

// --- Keyboard --------------------------------------------------------------

bool keyDown(int key) { return GetKeyState(key) & 0x8000; }

size_t lineHome(const EditState& s, size_t pos) { return s.lines[lineOf(s.lines, pos)].start; }
size_t lineEnd(const EditState& s, size_t pos) { return s.lines[lineOf(s.lines, pos)].end(); }

// One character left or right, a CR LF counting as one.
size_t stepLeft(const EditState& s, size_t pos) {
  const std::string& t = s.buffer.text();
  if (pos >= 2 && t.compare(pos - 2, 2, "\r\n") == 0) return pos - 2;
  return pos > 0 ? pos - 1 : 0;
}

size_t stepRight(const EditState& s, size_t pos) {
  const std::string& t = s.buffer.text();
  if (pos + 2 <= t.size() && t.compare(pos, 2, "\r\n") == 0) return pos + 2;
  return std::min(pos + 1, t.size());
}

// Up and Down: to the line rows away, as near the goal x as it has; in a
// single-line control, one character left or right.
size_t lineStep(HWND hwnd, EditState& s, int rows) {
  size_t caret = s.buffer.caret();
  if (!isMultiline(hwnd)) return rows < 0 ? stepLeft(s, caret) : stepRight(s, caret);
  size_t line = lineOf(s.lines, caret);
  if (s.goalX < 0) s.goalX = offsetOf(s.buffer.text(), s.lines[line], caret, *s.glyphs);
  int target = std::clamp(static_cast<int>(line) + rows, 0, static_cast<int>(s.lines.size()) - 1);
  return positionAt(s.buffer.text(), s.lines[static_cast<size_t>(target)], s.goalX, *s.glyphs);
}

// Where a movement key takes the caret; npos for other keys.
size_t destination(HWND hwnd, EditState& s, WPARAM key, bool ctrl) {
  size_t caret = s.buffer.caret();
  int page = static_cast<int>(visibleLines(hwnd, s));
  switch (key) {
    case VK_LEFT: return ctrl ? s.buffer.previousWordStart(caret) : stepLeft(s, caret);
    case VK_RIGHT: return ctrl ? s.buffer.nextWordStart(caret) : stepRight(s, caret);
    case VK_HOME: return ctrl ? 0 : lineHome(s, caret);
    case VK_END: return ctrl ? s.buffer.size() : lineEnd(s, caret);
    case VK_UP: return lineStep(hwnd, s, -1);
    case VK_DOWN: return lineStep(hwnd, s, 1);
    case VK_PRIOR: return lineStep(hwnd, s, -page);
    case VK_NEXT: return lineStep(hwnd, s, page);
    default: return std::string::npos;
  }
}

bool isVertical(WPARAM key) { return key == VK_UP || key == VK_DOWN || key == VK_PRIOR || key == VK_NEXT; }

LRESULT onKeyDown(HWND hwnd, EditState& s, WPARAM key) {
  bool shift = keyDown(VK_SHIFT), ctrl = keyDown(VK_CONTROL);
  if (!isVertical(key)) s.goalX = -1;
  size_t to = destination(hwnd, s, key, ctrl);
  if (to != std::string::npos) {
    int goal = s.goalX;
    moveCaret(hwnd, s, to, shift);
    s.goalX = goal;
    return 0;
  }
  if (key == VK_DELETE) shift ? cut(hwnd, s) : eraseText(hwnd, s, false);
  if (key == VK_INSERT && ctrl) copySelection(hwnd, s);
  if (key == VK_INSERT && shift) paste(hwnd, s);
  return 0;
}

void typeCharacter(HWND hwnd, EditState& s, char c) {
  bool multiline = isMultiline(hwnd);
  if (c == '\r' && multiline) insertText(hwnd, s, "\r\n", EditBuffer::Kind::Other);
  else if (c == '\t' && multiline) insertText(hwnd, s, "\t", EditBuffer::Kind::Typing);
  else if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) insertText(hwnd, s, std::string_view(&c, 1), EditBuffer::Kind::Typing);
}

LRESULT onChar(HWND hwnd, EditState& s, WPARAM wParam) {
  auto c = static_cast<char>(wParam);
  switch (c) {
    case 0x01: s.buffer.select(0, s.buffer.size()); showCaret(hwnd, s); break;
    case 0x03: copySelection(hwnd, s); break;
    case 0x08: eraseText(hwnd, s, true); break;
    case 0x16: paste(hwnd, s); break;
    case 0x18: cut(hwnd, s); break;
    case 0x1A: undo(hwnd, s); break;
    default: typeCharacter(hwnd, s, c); break;
  }
  return 0;
}

// --- Mouse -----------------------------------------------------------------

POINT pointFrom(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

LRESULT onButtonDown(HWND hwnd, EditState& s, LPARAM lParam) {
  if (GetFocus() != hwnd) SetFocus(hwnd);
  if (!IsWindow(hwnd) || GetFocus() != hwnd) return 0;
  s.goalX = -1;
  moveCaret(hwnd, s, positionAtPoint(hwnd, s, pointFrom(lParam)), keyDown(VK_SHIFT));
  s.selecting = true;
  SetCapture(hwnd);
  return 0;
}

LRESULT onMouseMove(HWND hwnd, EditState& s, LPARAM lParam) {
  if (s.selecting) moveCaret(hwnd, s, positionAtPoint(hwnd, s, pointFrom(lParam)), true);
  return 0;
}

LRESULT onButtonUp(EditState& s) {
  if (!s.selecting) return 0;
  s.selecting = false;
  ReleaseCapture();
  return 0;
}

LRESULT onDoubleClick(HWND hwnd, EditState& s, LPARAM lParam) {
  auto [first, last] = s.buffer.wordAround(positionAtPoint(hwnd, s, pointFrom(lParam)));
  s.buffer.select(first, last);
  showCaret(hwnd, s);
  return 0;
}

// --- Focus and the caret ---------------------------------------------------

void draw(HWND hwnd, const EditState& s, HDC hdc);
void invertCaret(HWND hwnd, const EditState& s, HDC hdc);

// As Windows' edit: gaining the focus draws the edit at once, caret
// included; losing it takes the caret away by inverting it again, as a
// system caret goes. A selection that shows only with the focus is drawn
// anew at the next WM_PAINT.
LRESULT onFocus(HWND hwnd, EditState& s, bool focused) {
  if (!focused && s.caretShown) drawNow(hwnd, [&](HDC hdc) { invertCaret(hwnd, s, hdc); });
  s.focused = focused;
  s.caretShown = focused;
  if (focused) startBlinking(hwnd, s);
  else KillTimer(hwnd, kCaretTimer);
  if (!focused && s.selecting) onButtonUp(s);
  if (s.buffer.start() != s.buffer.end() && !(styleOf(hwnd) & ES_NOHIDESEL)) redraw(hwnd);
  if (focused) drawNow(hwnd, [&](HDC hdc) { draw(hwnd, s, hdc); });
  notifyParent(hwnd, focused ? EN_SETFOCUS : EN_KILLFOCUS);
  return 0;
}

RECT caretRect(HWND hwnd, const EditState& s) {
  POINT at = pointOf(hwnd, s, s.buffer.caret());
  return {at.x, at.y, at.x + 1, at.y + lineHeight(s)};
}

DWORD caretTimeout() {
  DWORD timeout = INFINITE;
  SystemParametersInfoA(SPI_GETCARETTIMEOUT, 0, &timeout, 0);
  return timeout;
}

// Each tick inverts the caret; the tick that reaches the timeout leaves
// it shown and stops the timer.
LRESULT onTimer(HWND hwnd, EditState& s, WPARAM id) {
  if (id != kCaretTimer || !s.focused || s.caretResting) return 0;
  s.blinkingFor += kCaretBlinkMilliseconds;
  DWORD timeout = caretTimeout();
  s.caretResting = timeout != INFINITE && s.blinkingFor >= timeout;
  if (s.caretResting) KillTimer(hwnd, kCaretTimer);
  if (s.caretResting && s.caretShown) return 0;
  s.caretShown = !s.caretShown;
  RECT caret = caretRect(hwnd, s);
  InvalidateRect(hwnd, &caret, FALSE);
  return 0;
}

// --- Painting --------------------------------------------------------------

struct Painter {
  HWND hwnd;
  HDC hdc;
  const EditState& s;
  RECT area;
  bool showSelection;
};

void drawRun(const Painter& p, int x, int y, size_t from, size_t to, bool selected) {
  if (to <= from) return;
  std::string_view text = shownText(p.s);
  if (selected) {
    SetBkMode(p.hdc, OPAQUE);
    SetBkColor(p.hdc, GetSysColor(COLOR_HIGHLIGHT));
    SetTextColor(p.hdc, GetSysColor(COLOR_HIGHLIGHTTEXT));
  }
  TextOutA(p.hdc, x, y, text.data() + from, static_cast<int>(to - from));
  SetBkMode(p.hdc, TRANSPARENT);
}

void drawLine(const Painter& p, const EditLine& line, int y, COLORREF textColor) {
  size_t from = line.start, to = line.end();
  size_t selFrom = p.showSelection ? std::clamp(p.s.buffer.start(), from, to) : to;
  size_t selTo = p.showSelection ? std::clamp(p.s.buffer.end(), from, to) : to;
  std::string_view text = shownText(p.s);
  auto xOf = [&](size_t pos) { return p.area.left - p.s.scrollX + offsetOf(text, line, pos, *p.s.glyphs); };
  SetTextColor(p.hdc, textColor);
  drawRun(p, xOf(from), y, from, selFrom, false);
  drawRun(p, xOf(selFrom), y, selFrom, selTo, true);
  SetTextColor(p.hdc, textColor);
  drawRun(p, xOf(selTo), y, selTo, to, false);
}

void drawText(const Painter& p, COLORREF textColor) {
  int height = lineHeight(p.s);
  for (size_t line = p.s.firstLine; line < p.s.lines.size(); ++line) {
    int y = p.area.top + static_cast<int>(line - p.s.firstLine) * height;
    if (y >= p.area.bottom) break;
    drawLine(p, p.s.lines[line], y, textColor);
  }
}

void draw(HWND hwnd, const EditState& s, HDC hdc) {
  bool enabled = IsWindowEnabled(hwnd);
  bool plain = enabled && !isReadOnly(hwnd);
  HBRUSH brush = parentColors(hwnd, hdc, plain ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC);
  RECT client = clientRect(hwnd);
  FillRect(hdc, &client, brush);
  COLORREF textColor = enabled ? GetTextColor(hdc) : GetSysColor(COLOR_GRAYTEXT);
  HGDIOBJ oldFont = SelectObject(hdc, fontOrSystem(s.font));
  Painter painter{hwnd, hdc, s, textArea(hwnd, s), s.focused || (styleOf(hwnd) & ES_NOHIDESEL)};
  IntersectClipRect(hdc, painter.area.left, client.top, painter.area.right, client.bottom);
  SetBkMode(hdc, TRANSPARENT);
  drawText(painter, textColor);
  SelectObject(hdc, oldFont);
  if (s.focused && s.caretShown) invertCaret(hwnd, s, hdc);
}

// The caret is drawn by inverting it, within the text area.
void invertCaret(HWND hwnd, const EditState& s, HDC hdc) {
  RECT area = textArea(hwnd, s), client = clientRect(hwnd);
  IntersectClipRect(hdc, area.left, client.top, area.right, client.bottom);
  RECT caret = caretRect(hwnd, s);
  InvertRect(hdc, &caret);
}

LRESULT onPaint(HWND hwnd, EditState& s) {
  PAINTSTRUCT ps;
  HDC hdc = BeginPaint(hwnd, &ps);
  if (!hdc) return 0;
  draw(hwnd, s, hdc);
  EndPaint(hwnd, &ps);
  return 0;
}

// --- Messages --------------------------------------------------------------

LRESULT onCreate(HWND hwnd, EditState& s, LPARAM lParam) {
  auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
  if ((styleOf(hwnd) & ES_PASSWORD) && !isMultiline(hwnd)) s.passwordChar = '*';
  s.buffer.reset(cs && cs->lpszName ? cs->lpszName : "");
  relayout(hwnd, s);
  return 0;
}

LRESULT getText(const EditState& s, WPARAM size, LPARAM lParam) {
  auto* out = reinterpret_cast<char*>(lParam);
  if (!out || size == 0) return 0;
  size_t count = std::min<size_t>(s.buffer.size(), size - 1);
  std::memcpy(out, s.buffer.text().data(), count);
  out[count] = '\0';
  return static_cast<LRESULT>(count);
}

LRESULT getSelection(const EditState& s, WPARAM startOut, LPARAM endOut) {
  auto start = static_cast<DWORD>(s.buffer.start()), end = static_cast<DWORD>(s.buffer.end());
  if (startOut) *reinterpret_cast<DWORD*>(startOut) = start;
  if (endOut) *reinterpret_cast<DWORD*>(endOut) = end;
  return start > 0xFFFF || end > 0xFFFF ? -1 : MAKELRESULT(start, end);
}

// EM_SETSEL: (0, -1) selects everything, a start of -1 only drops the
// selection, a negative end means the end of the text.
LRESULT setSelection(HWND hwnd, EditState& s, WPARAM startParam, LPARAM endParam) {
  auto start = static_cast<INT_PTR>(static_cast<int>(startParam));
  auto end = static_cast<INT_PTR>(static_cast<int>(endParam));
  if (start < 0) s.buffer.select(s.buffer.caret(), s.buffer.caret());
  else s.buffer.select(static_cast<size_t>(start), end < 0 ? s.buffer.size() : static_cast<size_t>(end));
  showCaret(hwnd, s);
  return 0;
}

LRESULT replaceSelection(HWND hwnd, EditState& s, WPARAM canUndo, LPARAM lParam) {
  insertText(hwnd, s, lParam ? reinterpret_cast<LPCSTR>(lParam) : "", EditBuffer::Kind::Other, Source::Program);
  if (!canUndo) s.buffer.forgetUndo();
  return 0;
}

LRESULT setFont(HWND hwnd, EditState& s, WPARAM font, LPARAM redrawNow) {
  s.font = reinterpret_cast<HFONT>(font);
  auto data = gdi::objectFrom<gdi::FontData>(fontOrSystem(s.font));
  s.glyphs = data && data->font ? data->font : text::Font::system();
  relayout(hwnd, s);
  followCaret(hwnd, s);
  if (redrawNow) redraw(hwnd);
  return 0;
}

LRESULT setReadOnly(HWND hwnd, WPARAM readOnly) {
  DWORD style = styleOf(hwnd);
  SetWindowLongPtrA(hwnd, GWL_STYLE, readOnly ? style | ES_READONLY : style & ~ES_READONLY);
  redraw(hwnd);
  return TRUE;
}

// A character sets ES_PASSWORD, none takes it away.
LRESULT setPasswordChar(HWND hwnd, EditState& s, WPARAM c) {
  if (isMultiline(hwnd)) return 0;
  s.passwordChar = static_cast<char>(c);
  DWORD style = styleOf(hwnd);
  SetWindowLongPtrA(hwnd, GWL_STYLE, s.passwordChar ? style | ES_PASSWORD : style & ~ES_PASSWORD);
  relayout(hwnd, s);
  followCaret(hwnd, s);
  redraw(hwnd);
  return 0;
}

LRESULT positionFromChar(HWND hwnd, const EditState& s, WPARAM index) {
  if (index > s.buffer.size()) return -1;
  POINT p = pointOf(hwnd, s, index);
  return MAKELRESULT(p.x, p.y);
}

LRESULT charFromPosition(HWND hwnd, const EditState& s, LPARAM lParam) {
  size_t pos = positionAtPoint(hwnd, s, pointFrom(lParam));
  return MAKELRESULT(pos, lineOf(s.lines, pos));
}

LRESULT dialogCode(HWND hwnd, LPARAM lParam) {
  LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
  auto* msg = reinterpret_cast<const MSG*>(lParam);
  bool enter = msg && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN;
  if (enter && isMultiline(hwnd) && (styleOf(hwnd) & ES_WANTRETURN)) code |= DLGC_WANTMESSAGE;
  return code;
}

LRESULT firstVisible(HWND hwnd, const EditState& s) {
  if (isMultiline(hwnd)) return static_cast<LRESULT>(s.firstLine);
  return static_cast<LRESULT>(positionAt(shownText(s), s.lines[0], s.scrollX, *s.glyphs));
}

LRESULT limitText(EditState& s, WPARAM limit) {
  s.buffer.setLimit(limit ? limit : 0x7FFFFFFE);
  return 0;
}

LRESULT handleEditMessage(HWND hwnd, EditState& s, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case EM_GETSEL: return getSelection(s, wParam, lParam);
    case EM_SETSEL: return setSelection(hwnd, s, wParam, lParam);
    case EM_REPLACESEL: return replaceSelection(hwnd, s, wParam, lParam);
    case EM_UNDO: return undo(hwnd, s);
    case EM_CANUNDO: return s.buffer.canUndo();
    case EM_EMPTYUNDOBUFFER: s.buffer.forgetUndo(); return 0;
    case EM_GETMODIFY: return s.modified;
    case EM_SETMODIFY: s.modified = wParam != 0; return 0;
    case EM_LIMITTEXT: return limitText(s, wParam);
    case EM_GETLIMITTEXT: return static_cast<LRESULT>(s.buffer.limit());
    case EM_SETREADONLY: return setReadOnly(hwnd, wParam);
    case EM_SETPASSWORDCHAR: return setPasswordChar(hwnd, s, wParam);
    case EM_GETPASSWORDCHAR: return static_cast<unsigned char>(s.passwordChar);
    case EM_GETLINECOUNT: return static_cast<LRESULT>(s.lines.size());
    case EM_GETFIRSTVISIBLELINE: return firstVisible(hwnd, s);
    case EM_SCROLLCARET: showCaret(hwnd, s); return TRUE;
    case EM_POSFROMCHAR: return positionFromChar(hwnd, s, wParam);
    case EM_CHARFROMPOS: return charFromPosition(hwnd, s, lParam);
    default: return DefWindowProcA(hwnd, message, wParam, lParam);
  }
}

LRESULT handle(HWND hwnd, EditState& s, UINT message, WPARAM wParam, LPARAM lParam) {
  if (isInput(message)) wakeCaret(hwnd, s);
  switch (message) {
    case WM_CREATE: return onCreate(hwnd, s, lParam);
    case WM_PAINT: return onPaint(hwnd, s);
    case WM_ERASEBKGND: return 1;
    case WM_SIZE: relayout(hwnd, s); showCaret(hwnd, s); return 0;
    case WM_SETTEXT: return setText(hwnd, s, lParam);
    case WM_GETTEXT: return getText(s, wParam, lParam);
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(s.buffer.size());
    case WM_SETFONT: return setFont(hwnd, s, wParam, lParam);
    case WM_GETFONT: return reinterpret_cast<LRESULT>(s.font);
    case WM_SETFOCUS: return onFocus(hwnd, s, true);
    case WM_KILLFOCUS: return onFocus(hwnd, s, false);
    case WM_TIMER: return onTimer(hwnd, s, wParam);
    case WM_KEYDOWN: return onKeyDown(hwnd, s, wParam);
    case WM_CHAR: return onChar(hwnd, s, wParam);
    case WM_LBUTTONDOWN: return onButtonDown(hwnd, s, lParam);
    case WM_LBUTTONDBLCLK: return onDoubleClick(hwnd, s, lParam);
    case WM_MOUSEMOVE: return onMouseMove(hwnd, s, lParam);
    case WM_LBUTTONUP: return onButtonUp(s);
    case WM_CAPTURECHANGED: s.selecting = s.selecting && reinterpret_cast<HWND>(lParam) == hwnd; return 0;
    case WM_ENABLE: redraw(hwnd); return 0;
    case WM_GETDLGCODE: return dialogCode(hwnd, lParam);
    case WM_CUT: cut(hwnd, s); return 0;
    case WM_COPY: copySelection(hwnd, s); return 0;
    case WM_PASTE: paste(hwnd, s); return 0;
    case WM_CLEAR: clear(hwnd, s); return 0;
    case WM_UNDO: return undo(hwnd, s);
    default: return handleEditMessage(hwnd, s, message, wParam, lParam);
  }
}

}  // namespace

LRESULT CALLBACK editProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return withState<EditState>(hwnd, message, wParam, lParam, handle);
}

}  // namespace platform::controls
