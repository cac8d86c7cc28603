// The order the dialog manager moves through a dialog's controls in:
// GetNextDlgTabItem (the tab stops) and GetNextDlgGroupItem (the controls
// of a group, for the arrow keys).
//
// The controls are the dialog's descendants in creation order, depth
// first, where a visible, enabled child with WS_EX_CONTROLPARENT is not a
// control of its own: its controls take its place, at any depth. A control
// given as the starting point counts as reachable even inside a child
// without that style.
//
// A group runs from a control with WS_GROUP to the next one, around the
// end of the list: the controls before the first WS_GROUP belong to the
// last group. Only visible and enabled controls are found; the tab order
// also wants WS_TABSTOP. When nothing else qualifies, both answer the
// control they started from. Neither goes backwards from no control: that
// answers null, as Windows does (its documentation says otherwise).
#include <algorithm>
#include <optional>
#include <vector>

#include "platform/dialogs/dialog_state.h"

namespace platform::dialogs {
namespace {

DWORD styleOf(HWND w) { return static_cast<DWORD>(GetWindowLongPtrA(w, GWL_STYLE)); }

bool isUsable(HWND w) { return (styleOf(w) & (WS_VISIBLE | WS_DISABLED)) == WS_VISIBLE; }
bool isTabStop(HWND w) { return (styleOf(w) & WS_TABSTOP) && isUsable(w); }
bool startsGroup(HWND w) { return (styleOf(w) & WS_GROUP) != 0; }

// The controls of parent in order, seen from start (see above).
void addControls(HWND parent, HWND start, std::vector<HWND>& controls) {
  for (HWND w = GetWindow(parent, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
    bool holdsStart = start && IsChild(w, start);
    if (holdsControls(w) || holdsStart) addControls(w, start, controls);
    else controls.push_back(w);
  }
}

std::vector<HWND> controlsOf(HWND dialog, HWND start) {
  std::vector<HWND> controls;
  addControls(dialog, start, controls);
  return controls;
}

bool within(HWND ancestor, HWND w) { return w == ancestor || IsChild(ancestor, w); }

// Where the search for the next (or previous) tab stop starts from: the
// place of control, or, for a window holding controls, of its last (or
// first) control. None when control is not in the dialog.
std::optional<size_t> placeOf(const std::vector<HWND>& controls, HWND control, bool previous) {
  std::optional<size_t> place;
  for (size_t i = 0; i < controls.size(); ++i) {
    if (controls[i] == control) return i;
    if (within(control, controls[i]) && (!place || !previous)) place = i;
  }
  return place;
}

size_t stepFrom(size_t place, size_t step, size_t count, bool previous) {
  return (place + (previous ? count - step % count : step)) % count;
}

HWND nextTabStop(HWND dialog, HWND control, bool previous) {
  std::vector<HWND> controls = controlsOf(dialog, control);
  size_t count = controls.size();
  std::optional<size_t> place = control ? placeOf(controls, control, previous) : std::nullopt;
  size_t start = place.value_or(count - 1);
  for (size_t step = 1; step <= count; ++step) {
    HWND w = controls[stepFrom(start, step, count, previous)];
    if (isTabStop(w)) return w;
  }
  return control;
}

// The place of the control that starts the group of controls[place], and
// how many controls the group holds; without any WS_GROUP, every control
// is in one group.
std::pair<size_t, size_t> groupAround(const std::vector<HWND>& controls, size_t place) {
  size_t count = controls.size();
  size_t first = (place + 1) % count;
  for (size_t step = 0; step < count; ++step) {
    size_t at = stepFrom(place, step, count, true);
    if (!startsGroup(controls[at])) continue;
    first = at;
    break;
  }
  size_t size = 1;
  while (size < count && !startsGroup(controls[(first + size) % count])) ++size;
  return {first, size};
}

HWND nextInGroup(HWND dialog, HWND control, bool previous) {
  std::vector<HWND> controls = controlsOf(dialog, control);
  auto found = std::find(controls.begin(), controls.end(), control);
  if (found == controls.end()) return control;
  size_t count = controls.size();
  auto [first, size] = groupAround(controls, static_cast<size_t>(found - controls.begin()));
  size_t place = (static_cast<size_t>(found - controls.begin()) + count - first) % count;
  for (size_t step = 1; step < size; ++step) {
    HWND w = controls[(first + stepFrom(place, step, size, previous)) % count];
    if (isUsable(w)) return w;
  }
  return control;
}

}  // namespace

bool holdsControls(HWND w) { return (GetWindowLongPtrA(w, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) && isUsable(w); }

}  // namespace platform::dialogs

using namespace platform::dialogs;

HWND WINAPI GetNextDlgTabItem(HWND hDlg, HWND hCtl, BOOL bPrevious) {
  if (!IsWindow(hDlg)) return nullptr;
  if (hCtl == hDlg) hCtl = nullptr;
  if (!hCtl && bPrevious) return nullptr;
  return nextTabStop(hDlg, hCtl, bPrevious != FALSE);
}

HWND WINAPI GetNextDlgGroupItem(HWND hDlg, HWND hCtl, BOOL bPrevious) {
  if (!IsWindow(hDlg)) return nullptr;
  if (hCtl == hDlg) hCtl = nullptr;
  if (!hCtl && bPrevious) return nullptr;
  if (hCtl && !IsChild(hDlg, hCtl)) return nullptr;
  if (!hCtl) {
    hCtl = GetWindow(hDlg, GW_CHILD);
    if (!hCtl || isUsable(hCtl)) return hCtl;
  }
  return nextInGroup(hDlg, hCtl, bPrevious != FALSE);
}
