#include "message_log.h"

#include <algorithm>
#include <cstdio>
#include <deque>
#include <sstream>

#include "platform/backends/headless/headless.h"
#include "platform/user/message_names.h"

namespace msglog {
namespace {

std::vector<Recorded> log;
std::map<HWND, Role> roles;
std::map<UINT, LRESULT> answers;
std::vector<UINT> kept;
std::deque<std::function<void()>> idleActions;
Role pendingRole = Role::Unknown;
HRGN ncPaintRegion = nullptr;
const MSG* dispatching = nullptr;
int depth = 0;

// A window being created is not known before CreateWindowExA returns: the
// first unknown window to speak takes the role announced for it.
Role roleOf(HWND hwnd) {
  auto found = roles.find(hwnd);
  if (found != roles.end()) return found->second;
  if (pendingRole == Role::Unknown) return Role::Unknown;
  roles[hwnd] = pendingRole;
  pendingRole = Role::Unknown;
  return roles[hwnd];
}

bool isDispatched(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return dispatching && depth == 0 && dispatching->hwnd == hwnd && dispatching->message == message &&
         dispatching->wParam == wParam && dispatching->lParam == lParam;
}

// The region is the system's and goes when the message returns.
void keepNcPaintRegion(WPARAM wParam) {
  if (ncPaintRegion) DeleteObject(ncPaintRegion);
  ncPaintRegion = nullptr;
  if (wParam <= 1) return;
  ncPaintRegion = CreateRectRgn(0, 0, 0, 0);
  CombineRgn(ncPaintRegion, reinterpret_cast<HRGN>(wParam), nullptr, RGN_COPY);
}

void nextIdleAction() {
  if (idleActions.empty()) {
    ADD_FAILURE() << "a modal loop went idle with no input left to give it";
    platform::headless::pressKey(VK_ESCAPE);
    return;
  }
  auto action = std::move(idleActions.front());
  idleActions.pop_front();
  action();
}

bool isKept(UINT message) { return kept.empty() || std::find(kept.begin(), kept.end(), message) != kept.end(); }

LRESULT CALLBACK recordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Role role = roleOf(hwnd);
  if (isKept(message)) log.push_back({role, message, wParam, lParam, isDispatched(hwnd, message, wParam, lParam)});
  if (message == WM_ENTERIDLE) nextIdleAction();
  if (message == WM_NCPAINT) keepNcPaintRegion(wParam);
  ++depth;
  auto answered = answers.find(message);
  LRESULT result = answered != answers.end() ? answered->second : DefWindowProcA(hwnd, message, wParam, lParam);
  --depth;
  return result;
}

}  // namespace

INT_PTR CALLBACK recordingDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Role role = roleOf(hwnd);
  if (isKept(message)) log.push_back({role, message, wParam, lParam, isDispatched(hwnd, message, wParam, lParam)});
  if (message == WM_INITDIALOG) return TRUE;
  bool ends = message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL);
  if (ends) EndDialog(hwnd, LOWORD(wParam));
  return ends;
}

namespace {

const char* roleName(Role role) {
  switch (role) {
    case Role::Main: return "main";
    case Role::Child: return "child";
    case Role::Other: return "other";
    default: return "?";
  }
}

std::string describe(const Expected& e) {
  std::ostringstream out;
  out << roleName(e.role) << ' ' << messageName(e.message) << ((e.flags & Posted) ? " posted" : " sent");
  if (e.flags & WParam) out << " w=" << std::hex << e.wParam;
  if (e.flags & LParam) out << " l=" << std::hex << e.lParam;
  if (e.flags & Optional) out << " (optional)";
  return out.str();
}

std::string describe(const Recorded& r) {
  std::ostringstream out;
  out << roleName(r.role) << ' ' << messageName(r.message) << (r.posted ? " posted" : " sent") << " w=" << std::hex
      << r.wParam << " l=" << std::hex << r.lParam;
  return out.str();
}

bool same(const Expected& e, const Recorded& r) {
  if (e.message != r.message || e.role != r.role) return false;
  if (((e.flags & Posted) != 0) != r.posted) return false;
  if ((e.flags & WParam) && e.wParam != r.wParam) return false;
  if ((e.flags & LParam) && e.lParam != r.lParam) return false;
  return true;
}

std::string sideBySide(const std::vector<Expected>& expected, size_t failedAt) {
  std::ostringstream out;
  out << "message sequence differs at expected entry " << failedAt << "\n";
  size_t rows = std::max(expected.size(), log.size());
  for (size_t i = 0; i < rows; ++i) {
    std::string left = i < expected.size() ? describe(expected[i]) : "";
    std::string right = i < log.size() ? describe(log[i]) : "";
    char line[256];
    std::snprintf(line, sizeof line, "%3zu  %-48s | %s\n", i, left.c_str(), right.c_str());
    out << line;
  }
  return out.str();
}

}  // namespace

WORD registerClass(const char* name, WNDPROC procedure, HBRUSH background, UINT style) {
  WNDCLASSA wc{};
  wc.style = style;
  wc.lpfnWndProc = procedure;
  wc.hbrBackground = background;
  wc.lpszClassName = name;
  return RegisterClassA(&wc);
}

const char* recorderClass(bool doubleClicks) {
  static bool registered[2] = {false, false};
  const char* name = doubleClicks ? "RecorderDbl" : "Recorder";
  if (!registered[doubleClicks])
    registered[doubleClicks] = registerClass(name, recordingProc, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)),
                                             doubleClicks ? CS_DBLCLKS : 0) != 0;
  return name;
}

void keepOnly(std::vector<UINT> messages) { kept = std::move(messages); }
void keepAll() { kept.clear(); }
void setRole(HWND hwnd, Role role) { roles[hwnd] = role; }
void announce(Role role) { pendingRole = role; }
void clear() {
  log.clear();
  keepNcPaintRegion(0);
}
HRGN lastNcPaintRegion() { return ncPaintRegion; }
const std::vector<Recorded>& recorded() { return log; }
std::vector<WPARAM> wParamsOf(UINT message) {
  std::vector<WPARAM> found;
  for (const Recorded& r : log)
    if (r.message == message) found.push_back(r.wParam);
  return found;
}
void answer(UINT message, LRESULT result) { answers[message] = result; }
void clearAnswers() {
  answers.clear();
  idleActions.clear();
}
void whenIdle(std::function<void()> action) { idleActions.push_back(std::move(action)); }

void pump(const std::function<bool(MSG&)>& pretranslate) {
  MSG msg;
  for (int i = 0; i < 10000; ++i) {
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) break;
    if (pretranslate && pretranslate(msg)) continue;
    TranslateMessage(&msg);
    dispatching = &msg;
    DispatchMessageA(&msg);
    dispatching = nullptr;
  }
}

::testing::AssertionResult matches(const std::vector<Expected>& expected) {
  size_t e = 0, r = 0;
  while (e < expected.size() || r < log.size()) {
    if (e < expected.size() && r < log.size() && same(expected[e], log[r])) {
      ++e;
      ++r;
    } else if (e < expected.size() && (expected[e].flags & Optional)) {
      ++e;
    } else {
      return ::testing::AssertionFailure() << sideBySide(expected, e);
    }
  }
  return ::testing::AssertionSuccess();
}

std::string messageName(UINT message) { return platform::user::messageName(message); }

}  // namespace msglog
