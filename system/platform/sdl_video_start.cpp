#include "system/platform/sdl_video_start.h"

#include <SDL.h>
#include <sys/stat.h>

#include <cstdlib>
#include <string>

#include "system/user_data.h"

namespace tazmix {

namespace {

struct VideoStart {
  bool up = false;
  String failure;
};

VideoStart video;

// Without a runtime folder no Wayland compositor can be reached, and the
// Wayland client library says so on standard error when SDL tries it. Then
// every other window system is tried as usual, in SDL's order; a driver
// the user names stands (an empty SDL_VIDEODRIVER names none).
void PassOverUnreachableWayland() {
  const char* asked = SDL_GetHint(SDL_HINT_VIDEODRIVER);
  if ((asked && *asked) || std::getenv("WAYLAND_SOCKET")) return;
  const char* display = std::getenv("WAYLAND_DISPLAY");
  if (display && display[0] == '/') return;
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  struct stat st;
  if (runtime && runtime[0] == '/' && stat(runtime, &st) == 0 && S_ISDIR(st.st_mode)) return;
  std::string others;
  for (int i = 0; i < SDL_GetNumVideoDrivers(); ++i) {
    const char* name = SDL_GetVideoDriver(i);
    // Drawing without a display is never chosen unasked (see below).
    if (!name || SDL_strcmp(name, "wayland") == 0 || SDL_strcmp(name, "offscreen") == 0 ||
        SDL_strcmp(name, "dummy") == 0) {
      continue;
    }
    others += others.empty() ? name : std::string(",") + name;
  }
  // Above an empty SDL_VIDEODRIVER, which a plain hint would leave standing.
  if (!others.empty()) SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, others.c_str(), SDL_HINT_OVERRIDE);
}

// The windows' class is the program's name, so that a desktop ties them to
// the program's menu entry. SDL reads it from the environment when the video
// subsystem starts; programs this one starts (its message-box helper) take
// the same class and are grouped with it.
void NameTheWindows() {
  const std::string name = ApplicationNameInUse().ToUTF8String();
  if (name.empty()) return;
  setenv("SDL_VIDEO_X11_WMCLASS", name.c_str(), 1);
  setenv("SDL_VIDEO_WAYLAND_WMCLASS", name.c_str(), 1);
}

String Variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? String(name) + "=" + String::FromUTF8String(value) : String(name) + " is not set";
}

bool Fail(const String& detail) {
  video.failure = "no display to open a window on (" + Variable("DISPLAY") + ", " + Variable("WAYLAND_DISPLAY") +
                  "; " + detail + ")";
  return false;
}

}  // namespace

bool StartSDLVideo() {
  if (video.up) return true;
  NameTheWindows();
  PassOverUnreachableWayland();
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return Fail(String::FromUTF8String(SDL_GetError()));
  // Without a display SDL falls back to drawing offscreen. A window nobody
  // can see is no window, unless offscreen drawing was asked for by name.
  const char* chosen = SDL_GetCurrentVideoDriver();
  const char* asked = SDL_GetHint(SDL_HINT_VIDEODRIVER);
  if (chosen && SDL_strcmp(chosen, "offscreen") == 0 && !(asked && SDL_strstr(asked, "offscreen"))) {
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return Fail("no window system answered");
  }
  video.up = true;
  return true;
}

String SDLVideoFailure() { return video.failure; }

}  // namespace tazmix
