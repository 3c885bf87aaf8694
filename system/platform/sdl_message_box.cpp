#include "system/platform/sdl_message_box.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace tazmix {

namespace {

int32_t CautiousAnswer(MessageBoxButtons buttons) { return buttons == MessageBoxButtons::kYesNoCancel ? -1 : 0; }

bool Set(const char* name) {
  const char* value = std::getenv(name);
  return value && *value;
}

// Decided up front: some of SDL's fallbacks start helper programs that fail
// without a display yet look like a closed box.
bool HasDisplay() { return Set("DISPLAY") || Set("WAYLAND_DISPLAY"); }

int32_t WithoutDisplay(const std::string& text, MessageBoxButtons buttons) {
  std::fprintf(stderr, "%s\n", text.c_str());
  std::fflush(stderr);
  return CautiousAnswer(buttons);
}

}  // namespace

int32_t ShowMessageBox(const String& title, const String& text, int32_t serious, MessageBoxButtons buttons) {
  const std::string title8 = title.ToUTF8String();
  const std::string text8 = text.ToUTF8String();
  if (!HasDisplay()) return WithoutDisplay(text8, buttons);

  constexpr Uint32 kEnter = SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT;
  constexpr Uint32 kEscape = SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT;
  const SDL_MessageBoxButtonData ok[] = {{kEnter | kEscape, 0, "OK"}};
  const SDL_MessageBoxButtonData ok_cancel[] = {{kEnter, 1, "OK"}, {kEscape, 0, "Cancel"}};
  const SDL_MessageBoxButtonData yes_no_cancel[] = {{kEnter, 1, "Yes"}, {0, 0, "No"}, {kEscape, -1, "Cancel"}};

  SDL_MessageBoxData box{};
  box.flags = (serious ? SDL_MESSAGEBOX_WARNING : SDL_MESSAGEBOX_INFORMATION) |
              SDL_MESSAGEBOX_BUTTONS_LEFT_TO_RIGHT;
  box.window = SDL_WasInit(SDL_INIT_VIDEO) ? SDL_GetKeyboardFocus() : nullptr;
  box.title = title8.c_str();
  box.message = text8.c_str();
  switch (buttons) {
    case MessageBoxButtons::kOk: box.buttons = ok, box.numbuttons = 1; break;
    case MessageBoxButtons::kOkCancel: box.buttons = ok_cancel, box.numbuttons = 2; break;
    case MessageBoxButtons::kYesNoCancel: box.buttons = yes_no_cancel, box.numbuttons = 3; break;
  }

  // SDL remembers the window with the keyboard focus and raises it again
  // after the box.
  int pressed = -1;
  if (SDL_ShowMessageBox(&box, &pressed) != 0) return WithoutDisplay(text8, buttons);
  if (buttons == MessageBoxButtons::kOk) return 0;
  // Closing the box without a button reports -1.
  if (pressed < 0) return CautiousAnswer(buttons);
  return pressed;
}

void ShowCrashMessageBox(const char* name) {
  if (!HasDisplay()) return;
  SDL_Window* owner = SDL_WasInit(SDL_INIT_VIDEO) ? SDL_GetKeyboardFocus() : nullptr;
  SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Windows exception", name, owner);
}

}  // namespace tazmix
