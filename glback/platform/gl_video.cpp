#include "glback/platform/gl_video.h"

#include <sys/stat.h>

#include <cstdlib>
#include <string>

namespace tazmix {

namespace {
// The window-system class of every graphics window.
constexpr const char* kWindowClass = "Tazmix GLGraphics";
bool video_up = false;
String failure;

bool Fail(const String& reason) {
  failure = reason;
  return false;
}

// Without a runtime folder no Wayland compositor can be reached, and the
// Wayland client library says so on standard error when SDL tries it. Then
// every other window system is tried as usual, in SDL's order; a driver
// the user names stands.
void PassOverUnreachableWayland() {
  if (SDL_GetHint(SDL_HINT_VIDEODRIVER) || std::getenv("WAYLAND_SOCKET")) return;
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
  if (!others.empty()) SDL_SetHint(SDL_HINT_VIDEODRIVER, others.c_str());
}
}  // namespace

bool EnsureGLVideo() {
  if (video_up) return true;
  // X11 takes the class name when the video subsystem starts (older SDL reads
  // only the environment), so both must be in place before it does.
  SDL_SetHint("SDL_VIDEO_X11_WMCLASS", kWindowClass);
  setenv("SDL_VIDEO_X11_WMCLASS", kWindowClass, 1);
  // A full-screen window gives the desktop its mode back when it loses focus.
  SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "1");
  PassOverUnreachableWayland();
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    return Fail("no display (" + String::FromUTF8String(SDL_GetError()) + ")");
  }
  // Without a display SDL falls back to drawing offscreen. A window nobody
  // can see is no window, unless offscreen drawing was asked for by name.
  const char* chosen = SDL_GetCurrentVideoDriver();
  const char* asked = SDL_GetHint(SDL_HINT_VIDEODRIVER);
  if (chosen && SDL_strcmp(chosen, "offscreen") == 0 && !(asked && SDL_strstr(asked, "offscreen"))) {
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return Fail("no display (SDL_VIDEODRIVER=offscreen draws without one)");
  }
  // SDL unloads the GL library with the last GL window and loads it again
  // with the next; held here, it stays for the life of the process.
  if (SDL_GL_LoadLibrary(nullptr) != 0) {
    const String reason = "can't load OpenGL: " + String::FromUTF8String(SDL_GetError());
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return Fail(reason);
  }
  video_up = true;
  return true;
}

String GLVideoFailure() { return failure; }

int32_t DisplayModeDepth(Uint32 format) {
  if (format == SDL_PIXELFORMAT_UNKNOWN) return 0;
  if (SDL_ISPIXELFORMAT_INDEXED(format)) return SDL_BITSPERPIXEL(format);
  const int32_t bytes = SDL_BYTESPERPIXEL(format);
  return bytes >= 2 ? bytes * 8 : SDL_BITSPERPIXEL(format);
}

std::vector<DisplayModeRecord> ListDisplayModes() {
  std::vector<DisplayModeRecord> modes;
  if (!EnsureGLVideo()) return modes;
  const int count = SDL_GetNumDisplayModes(0);
  for (int i = 0; i < count; ++i) {
    SDL_DisplayMode m{};
    if (SDL_GetDisplayMode(0, i, &m) != 0) {
      modes.push_back({});
      continue;
    }
    modes.push_back({m.w, m.h, DisplayModeDepth(m.format), m.refresh_rate});
  }
  return modes;
}

}  // namespace tazmix
