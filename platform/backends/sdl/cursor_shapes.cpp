#include "platform/backends/sdl/cursor_shapes.h"

#include <SDL2/SDL_events.h>

#include "platform/win32.h"

namespace platform::sdl {

namespace {

int idOf(LPCSTR systemCursor) { return static_cast<int>(reinterpret_cast<uintptr_t>(systemCursor)); }

}  // namespace

SDL_SystemCursor sdlCursorOf(int systemCursorId) {
  static const std::map<int, SDL_SystemCursor> likeness = {
      {idOf(IDC_IBEAM), SDL_SYSTEM_CURSOR_IBEAM},         {idOf(IDC_WAIT), SDL_SYSTEM_CURSOR_WAIT},
      {idOf(IDC_CROSS), SDL_SYSTEM_CURSOR_CROSSHAIR},     {idOf(IDC_SIZE), SDL_SYSTEM_CURSOR_SIZEALL},
      {idOf(IDC_SIZENWSE), SDL_SYSTEM_CURSOR_SIZENWSE},   {idOf(IDC_SIZENESW), SDL_SYSTEM_CURSOR_SIZENESW},
      {idOf(IDC_SIZEWE), SDL_SYSTEM_CURSOR_SIZEWE},       {idOf(IDC_SIZENS), SDL_SYSTEM_CURSOR_SIZENS},
      {idOf(IDC_SIZEALL), SDL_SYSTEM_CURSOR_SIZEALL},     {idOf(IDC_NO), SDL_SYSTEM_CURSOR_NO},
      {idOf(IDC_HAND), SDL_SYSTEM_CURSOR_HAND},           {idOf(IDC_APPSTARTING), SDL_SYSTEM_CURSOR_WAITARROW},
  };
  auto found = likeness.find(systemCursorId);
  return found == likeness.end() ? SDL_SYSTEM_CURSOR_ARROW : found->second;
}

CursorShapes::~CursorShapes() {
  for (auto& [shape, cursor] : made_) SDL_FreeCursor(cursor);
}

void CursorShapes::setShape(int systemCursorId) {
  shape_ = systemCursorId;
  apply();
}

void CursorShapes::setVisible(bool visible) {
  visible_ = visible;
  apply();
}

// SetCursor(NULL) takes the pointer off the screen, as a negative display
// count does.
void CursorShapes::apply() {
  bool shown = visible_ && shape_ != 0;
  SDL_ShowCursor(shown ? SDL_ENABLE : SDL_DISABLE);
  if (!shown) return;
  SDL_SystemCursor wanted = sdlCursorOf(shape_);
  SDL_Cursor*& cursor = made_[wanted];
  if (!cursor) cursor = SDL_CreateSystemCursor(wanted);
  if (cursor) SDL_SetCursor(cursor);
}

}  // namespace platform::sdl
