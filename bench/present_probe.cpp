// Loaded into a measured program with LD_PRELOAD: each time the program
// hands a window's surface to the display (SDL_UpdateWindowSurface and
// SDL_UpdateWindowSurfaceRects, which return once the X server has the
// pixels), writes "present <CLOCK_MONOTONIC nanoseconds>" as a line on the
// program's standard output. A value the program prints before presenting
// it therefore comes before the present that shows it, in the same stream.
#include <SDL2/SDL_video.h>
#include <dlfcn.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>

namespace {

void reportPresent() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  char line[64];
  int length = std::snprintf(line, sizeof line, "present %lld\n",
                             static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
  if (write(STDOUT_FILENO, line, static_cast<size_t>(length)) < 0) return;
}

template <typename Function>
Function realFunction(const char* name) {
  return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" int SDL_UpdateWindowSurface(SDL_Window* window) {
  static auto real = realFunction<int (*)(SDL_Window*)>("SDL_UpdateWindowSurface");
  int result = real(window);
  reportPresent();
  return result;
}

extern "C" int SDL_UpdateWindowSurfaceRects(SDL_Window* window, const SDL_Rect* rects, int count) {
  static auto real = realFunction<int (*)(SDL_Window*, const SDL_Rect*, int)>("SDL_UpdateWindowSurfaceRects");
  int result = real(window, rects, count);
  reportPresent();
  return result;
}
