// Lists display 0's modes the way the saver sees them: SDL's enumeration order, one mode a
// line as "INDEX WIDTH HEIGHT BITS REFRESH". The tests pick a stored mode index from this, so
// the index means the same thing to them as to the program.
#include <SDL.h>

#include <cstdio>

int main(int, char**) {
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    std::fprintf(stderr, "sdl_modes: %s\n", SDL_GetError());
    return 1;
  }
  const int count = SDL_GetNumDisplayModes(0);
  if (count < 0) {
    std::fprintf(stderr, "sdl_modes: %s\n", SDL_GetError());
    SDL_Quit();
    return 1;
  }
  for (int i = 0; i < count; ++i) {
    SDL_DisplayMode mode{};
    if (SDL_GetDisplayMode(0, i, &mode) != 0) continue;
    std::printf("%d %d %d %u %d\n", i, mode.w, mode.h, SDL_BITSPERPIXEL(mode.format),
                mode.refresh_rate);
  }
  SDL_Quit();
  return 0;
}
