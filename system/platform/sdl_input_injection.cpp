#include "system/input_injection.h"

#include <SDL.h>

#include "system/platform/sdl_key_codes.h"

namespace tazmix {

namespace {

// Events name the window they belong to: the one drawn into, if any.
Uint32 TargetWindow() {
  SDL_Window* window = SDL_WasInit(SDL_INIT_VIDEO) ? SDL_GL_GetCurrentWindow() : nullptr;
  return window ? SDL_GetWindowID(window) : 0;
}

Uint8 ButtonToSDL(int32_t button) {
  switch (button) {
    case 1: return SDL_BUTTON_LEFT;
    case 2: return SDL_BUTTON_RIGHT;
    case 3: return SDL_BUTTON_MIDDLE;
    default: return 0;
  }
}

// The key whose translation gives `key`; the scancode is searched, since the
// mapping goes the other way.
bool FindKey(int32_t key, SDL_Scancode& scancode, SDL_Keycode& keycode) {
  for (int i = SDL_SCANCODE_UNKNOWN + 1; i < SDL_NUM_SCANCODES; ++i) {
    const auto sc = static_cast<SDL_Scancode>(i);
    const SDL_Keycode kc = SDL_GetKeyFromScancode(sc);
    if (VirtualKeyFromSDL(sc, kc, KMOD_NONE) == key) {
      scancode = sc;
      keycode = kc;
      return true;
    }
  }
  return false;
}

}  // namespace

void InjectMouseMove(int32_t x, int32_t y) {
  SDL_Event e{};
  e.motion.type = SDL_MOUSEMOTION;
  e.motion.timestamp = SDL_GetTicks();
  e.motion.windowID = TargetWindow();
  e.motion.x = x;
  e.motion.y = y;
  SDL_PushEvent(&e);
}

void InjectMouseButton(int32_t button, int32_t down, int32_t x, int32_t y) {
  const Uint8 sdl_button = ButtonToSDL(button);
  if (!sdl_button) return;
  SDL_Event e{};
  e.button.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
  e.button.timestamp = SDL_GetTicks();
  e.button.windowID = TargetWindow();
  e.button.button = sdl_button;
  e.button.state = down ? SDL_PRESSED : SDL_RELEASED;
  e.button.clicks = 1;
  e.button.x = x;
  e.button.y = y;
  SDL_PushEvent(&e);
}

void InjectMouseClick(int32_t button, int32_t x, int32_t y) {
  InjectMouseMove(x, y);
  InjectMouseButton(button, 1, x, y);
  InjectMouseButton(button, 0, x, y);
}

void InjectKey(int32_t key, int32_t down) {
  SDL_Scancode scancode = SDL_SCANCODE_UNKNOWN;
  SDL_Keycode keycode = SDLK_UNKNOWN;
  if (!FindKey(key, scancode, keycode)) return;
  SDL_Event e{};
  e.key.type = down ? SDL_KEYDOWN : SDL_KEYUP;
  e.key.timestamp = SDL_GetTicks();
  e.key.windowID = TargetWindow();
  e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
  e.key.keysym.scancode = scancode;
  e.key.keysym.sym = keycode;
  e.key.keysym.mod = KMOD_NONE;
  SDL_PushEvent(&e);
}

void InjectKeyHit(int32_t key) {
  InjectKey(key, 1);
  InjectKey(key, 0);
}

}  // namespace tazmix
