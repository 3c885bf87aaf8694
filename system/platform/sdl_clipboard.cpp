// The clipboard through SDL's video subsystem.
#include <SDL.h>

#include "runtime/error_report.h"
#include "system/internal/platform_clipboard.h"
#include "system/platform/sdl_video_start.h"

namespace tazmix {

namespace {

bool VideoReady() {
  if (StartSDLVideo()) return true;
  NoteFailure(SDLVideoFailure());
  return false;
}

}  // namespace

bool PlatformClipboardText(std::string& text) {
  text.clear();
  if (!VideoReady()) return false;
  // SDL answers "" for an empty clipboard as for one it cannot read.
  char* utf8 = SDL_GetClipboardText();
  if (utf8) {
    text = utf8;
    SDL_free(utf8);
  }
  return true;
}

bool PlatformSetClipboardText(const std::string& text) {
  if (!VideoReady()) return false;
  if (SDL_SetClipboardText(text.c_str()) == 0) return true;
  NoteFailure(String::FromUTF8String(SDL_GetError()));
  return false;
}

}  // namespace tazmix
