// The baseline of bench_sdl_display: a minimal SDL2 program that opens one
// window and draws one text (with the platform's text stack, fontconfig and
// FreeType, as the calculator does), the framebuffer-acceleration hint off. Each
// click counts: it prints the count on standard output and draws it.
#include <SDL2/SDL.h>

#include <cstdio>
#include <string>

#include "platform/text/font.h"

namespace {

void draw(SDL_Window* window, const platform::text::Font& font, const std::string& text) {
  SDL_Surface* surface = SDL_GetWindowSurface(window);
  SDL_FillRect(surface, nullptr, 0xC0C0C0);
  platform::text::PixelTarget target{static_cast<uint32_t*>(surface->pixels), surface->w, surface->h,
                                     surface->pitch / 4, 0, 0, surface->w, surface->h};
  font.draw(target, 12, 12, text, 0x000000);
  SDL_UpdateWindowSurface(window);
}

}  // namespace

int main() {
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    std::fprintf(stderr, "minimal_sdl_window: %s\n", SDL_GetError());
    return 1;
  }
  SDL_Window* window = SDL_CreateWindow("Minimal SDL window", 40, 40, 294, 115, 0);
  auto font = platform::text::Font::open({.face = "MS Sans Serif", .height = -13});
  draw(window, *font, "Velmaro");
  int clicks = 0;
  SDL_Event event;
  while (SDL_WaitEvent(&event) && event.type != SDL_QUIT) {
    if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_EXPOSED) draw(window, *font, "Velmaro");
    if (event.type != SDL_MOUSEBUTTONUP) continue;
    std::printf("%d\n", ++clicks);
    std::fflush(stdout);
    draw(window, *font, std::to_string(clicks));
  }
  SDL_Quit();
  return 0;
}
