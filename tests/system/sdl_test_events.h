// Real SDL events pushed onto the queue the system driver drains.
#pragma once

#include <SDL.h>

#include <cstring>

namespace tazmix::test {

inline void Push(SDL_Event event) { SDL_PushEvent(&event); }

inline void PushKey(Uint32 type, SDL_Scancode scancode, SDL_Keycode keycode, Uint16 mod = KMOD_NUM,
                    bool repeat = false, Uint32 window = 0) {
  SDL_Event e{};
  e.key.type = type;
  e.key.windowID = window;
  e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
  e.key.repeat = repeat ? 1 : 0;
  e.key.keysym.scancode = scancode;
  e.key.keysym.sym = keycode;
  e.key.keysym.mod = mod;
  Push(e);
}

// A press and a release of one key.
inline void PushTap(SDL_Scancode scancode, SDL_Keycode keycode, Uint32 window = 0) {
  PushKey(SDL_KEYDOWN, scancode, keycode, KMOD_NUM, false, window);
  PushKey(SDL_KEYUP, scancode, keycode, KMOD_NUM, false, window);
}

inline void PushText(const char* utf8, Uint32 window = 0) {
  SDL_Event e{};
  e.text.type = SDL_TEXTINPUT;
  e.text.windowID = window;
  std::strncpy(e.text.text, utf8, sizeof e.text.text - 1);
  Push(e);
}

inline void PushMotion(int x, int y, Uint32 state = 0, Uint32 window = 0) {
  SDL_Event e{};
  e.motion.type = SDL_MOUSEMOTION;
  e.motion.windowID = window;
  e.motion.state = state;
  e.motion.x = x;
  e.motion.y = y;
  Push(e);
}

inline void PushButton(Uint32 type, Uint8 button, int x, int y, Uint32 window = 0) {
  SDL_Event e{};
  e.button.type = type;
  e.button.windowID = window;
  e.button.button = button;
  e.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
  e.button.clicks = 1;
  e.button.x = x;
  e.button.y = y;
  Push(e);
}

inline void PushWheel(int notches, int x = 0, int y = 0, Uint32 window = 0) {
  SDL_Event e{};
  e.wheel.type = SDL_MOUSEWHEEL;
  e.wheel.windowID = window;
  e.wheel.y = notches;
  e.wheel.preciseY = static_cast<float>(notches);
  e.wheel.mouseX = x;
  e.wheel.mouseY = y;
  Push(e);
}

inline void PushWindowEvent(Uint8 what, Uint32 window) {
  SDL_Event e{};
  e.window.type = SDL_WINDOWEVENT;
  e.window.windowID = window;
  e.window.event = what;
  Push(e);
}

inline void PushQuit() {
  SDL_Event e{};
  e.type = SDL_QUIT;
  Push(e);
}

}  // namespace tazmix::test
