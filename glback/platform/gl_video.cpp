#include "glback/platform/gl_video.h"

#include "system/platform/sdl_video_start.h"

namespace tazmix {

namespace {
bool Fail(GLVideoStart& video, const String& reason) {
  video.failure = reason;
  return false;
}
}  // namespace

bool EnsureGLVideo(GLVideoStart& video) {
  if (video.up) return true;
  // A full-screen window gives the desktop its mode back when it loses focus.
  SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "1");
  if (!StartSDLVideo()) return Fail(video, SDLVideoFailure());
  // SDL unloads the GL library with the last GL window and loads it again
  // with the next; held here, it stays for the life of the process.
  if (SDL_GL_LoadLibrary(nullptr) != 0) {
    return Fail(video, "can't load the OpenGL library: " + String::FromUTF8String(SDL_GetError()));
  }
  video.up = true;
  return true;
}

int32_t DisplayModeDepth(Uint32 format) {
  if (format == SDL_PIXELFORMAT_UNKNOWN) return 0;
  if (SDL_ISPIXELFORMAT_INDEXED(format)) return SDL_BITSPERPIXEL(format);
  const int32_t bytes = SDL_BYTESPERPIXEL(format);
  return bytes >= 2 ? bytes * 8 : SDL_BITSPERPIXEL(format);
}

std::vector<DisplayModeRecord> ListDisplayModes(GLVideoStart& video) {
  std::vector<DisplayModeRecord> modes;
  if (!EnsureGLVideo(video)) return modes;
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
