// The system cursors, the cursor shape, its display count and position.
#include <map>

#include "platform/backend.h"
#include "platform/handle_table.h"
#include "platform/input.h"
#include "platform/user/cursor_state.h"

using namespace platform;

namespace {

constexpr DWORD kResourceNameNotFound = 1814;

struct Cursor {
  int id;
};

struct CursorState {
  HCURSOR current = nullptr;
  int displayCount = 0;
  POINT position{0, 0};
};

CursorState& state() {
  static CursorState s;
  return s;
}

bool isSystemCursor(uintptr_t id) {
  return (id >= 32512 && id <= 32516) || (id >= 32640 && id <= 32646) || (id >= 32648 && id <= 32651);
}

HCURSOR systemCursor(int id) {
  static auto* cursors = new std::map<int, HCURSOR>;
  auto found = cursors->find(id);
  if (found != cursors->end()) return found->second;
  HCURSOR h = handleToWin32<HCURSOR>(handleCreate(HandleKind::Cursor, new Cursor{id}));
  cursors->emplace(id, h);
  return h;
}

}  // namespace

namespace platform::user {

void moveCursor(POINT screen) { state().position = screen; }
POINT cursorPosition() { return state().position; }

}  // namespace platform::user

HCURSOR WINAPI LoadCursorA(HINSTANCE hInstance, LPCSTR lpCursorName) {
  auto id = reinterpret_cast<uintptr_t>(lpCursorName);
  if (hInstance || !isSystemCursor(id)) {
    SetLastError(kResourceNameNotFound);
    return nullptr;
  }
  return systemCursor(static_cast<int>(id));
}

HCURSOR WINAPI SetCursor(HCURSOR hCursor) {
  auto* cursor = static_cast<Cursor*>(handleObject(handleFromWin32(hCursor), HandleKind::Cursor));
  if (hCursor && !cursor) {
    SetLastError(ERROR_INVALID_CURSOR_HANDLE);
    return nullptr;
  }
  HCURSOR previous = state().current;
  if (previous != hCursor) backend().setCursorShape(cursor ? cursor->id : 0);
  state().current = hCursor;
  return previous;
}

HCURSOR WINAPI GetCursor(void) { return state().current; }

// The cursor shows while the display count is zero or more.
int WINAPI ShowCursor(BOOL bShow) {
  int before = state().displayCount;
  int after = before + (bShow ? 1 : -1);
  state().displayCount = after;
  if ((before >= 0) != (after >= 0)) backend().setCursorVisible(after >= 0);
  return after;
}

BOOL WINAPI GetCursorPos(LPPOINT lpPoint) {
  if (!lpPoint) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  *lpPoint = state().position;
  return TRUE;
}

BOOL WINAPI SetCursorPos(int X, int Y) {
  platform::input::mouseMove({X, Y});
  state().position = {X, Y};
  return TRUE;
}
