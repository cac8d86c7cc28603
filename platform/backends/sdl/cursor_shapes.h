// The mouse pointer over the program's windows: the shape SetCursor chose
// (a system cursor id, 0 for none) and whether ShowCursor leaves it shown.
#pragma once

#include <map>

#include <SDL2/SDL_mouse.h>

namespace platform::sdl {

class CursorShapes {
 public:
  CursorShapes() = default;
  CursorShapes(const CursorShapes&) = delete;
  CursorShapes& operator=(const CursorShapes&) = delete;
  ~CursorShapes();

  void setShape(int systemCursorId);
  void setVisible(bool visible);

 private:
  void apply();

  std::map<SDL_SystemCursor, SDL_Cursor*> made_;
  int shape_ = 0;
  bool visible_ = true;
};

// The SDL cursor that looks like a system cursor (IDC_ARROW ...); the arrow
// for ids SDL has no likeness of.
SDL_SystemCursor sdlCursorOf(int systemCursorId);

}  // namespace platform::sdl
