// The native GL layer on SDL2: every context is an SDL_GLContext on an
// SDL_Window; the hidden shared context's objects are visible in every
// context made after it.
#include "glback/platform/gl_native.h"

#include <GL/gl.h>
#include <SDL.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "glback/internal/gl_pixel_format.h"
#include "glback/internal/gl_state.h"
#include "glback/internal/gl_swap_interval.h"
#include "glback/internal/window_placement.h"
#include "glback/platform/gl_video.h"
#include "graphics/graphics_flags.h"
#include "graphics/graphics_icon.h"
#include "graphics/internal/icon_listener.h"
#include "runtime/error_report.h"
#include "runtime/exception.h"
#include "system/platform/sdl_window_registry.h"

namespace tazmix {

namespace {

// SDL refuses larger windows (in its words, "Window is too large.").
constexpr int32_t kLargestWindowSide = 16384;

struct NativeContext {
  int32_t kind = GL_CONTEXT_SHARED;
  int32_t width = 0;
  int32_t height = 0;
  int32_t depth = 0;
  int32_t hertz = 0;
  int32_t flags = 0;
  SDL_Window* window = nullptr;
  // Our own windows, and our wrappers of the window system's windows (which
  // SDL never destroys underneath), go when the context does.
  bool destroys_window = false;
  SDL_GLContext context = nullptr;
  // Full screen: the display mode matched the requested refresh rate too.
  bool mode_with_rate = false;
  // Counts the times the window lost what it showed.
  int32_t window_epoch = 0;
};

}  // namespace

// The native layer's state, kept in the back end's one object.
struct GLNativeState {
  std::map<int32_t, std::unique_ptr<NativeContext>> contexts;
  int32_t next_handle = 1;
  NativeContext* current = nullptr;
  std::unique_ptr<NativeContext> shared;
  // The full-screen window that holds a changed display mode while focused.
  SDL_Window* mode_owner = nullptr;
  RememberedSwapInterval flip_interval;
  bool listening = false;  // to the window events
  GLVideoStart video;
};

GLNativeState* MakeGLNativeState() { return new GLNativeState(); }

namespace {

NativeContext* Find(int32_t handle) {
  GLNativeState& native = GLNative();
  const auto it = native.contexts.find(handle);
  return it == native.contexts.end() ? nullptr : it->second.get();
}

NativeContext* FindFullScreen(SDL_Window* window) {
  for (auto& [handle, rec] : GLNative().contexts) {
    if (rec->window == window && rec->kind == GL_CONTEXT_FULLSCREEN) return rec.get();
  }
  return nullptr;
}

int32_t Register(std::unique_ptr<NativeContext> rec) {
  GLNativeState& native = GLNative();
  while (native.next_handle <= 0 || native.contexts.count(native.next_handle) != 0) {
    native.next_handle = native.next_handle <= 0 ? 1 : native.next_handle + 1;
  }
  const int32_t handle = native.next_handle++;
  native.contexts.emplace(handle, std::move(rec));
  return handle;
}

void ApplyPixelFormat(const GLPixelFormatRequest& r) {
  SDL_GL_ResetAttributes();
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, r.double_buffer ? 1 : 0);
  SDL_GL_SetAttribute(SDL_GL_RED_SIZE, r.color_bits);
  SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, r.color_bits);
  SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, r.color_bits);
  SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, r.alpha_bits);
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, r.depth_bits);
  SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, r.stencil_bits);
  SDL_GL_SetAttribute(SDL_GL_ACCUM_RED_SIZE, r.accum_bits);
  SDL_GL_SetAttribute(SDL_GL_ACCUM_GREEN_SIZE, r.accum_bits);
  SDL_GL_SetAttribute(SDL_GL_ACCUM_BLUE_SIZE, r.accum_bits);
  // The back end draws with the fixed-function pipeline of GL 1.x.
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 1);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
}

// SDL makes a new context current; the layer's own idea of the current
// context is put back afterwards.
void RestoreCurrent() {
  GLNativeState& native = GLNative();
  if (native.current) {
    SDL_GL_MakeCurrent(native.current->window, native.current->context);
  } else {
    SDL_GL_MakeCurrent(nullptr, nullptr);
  }
}

SDL_GLContext MakeContext(SDL_Window* window) {
  GLNativeState& native = GLNative();
  if (native.shared) {
    SDL_GL_MakeCurrent(native.shared->window, native.shared->context);
    SDL_GL_SetAttribute(SDL_GL_SHARE_WITH_CURRENT_CONTEXT, 1);
  }
  SDL_GLContext context = SDL_GL_CreateContext(window);
  SDL_GL_SetAttribute(SDL_GL_SHARE_WITH_CURRENT_CONTEXT, 0);
  RestoreCurrent();
  return context;
}

void ReadClientSize(NativeContext& rec) {
  int w = 0, h = 0;
  SDL_GL_GetDrawableSize(rec.window, &w, &h);
  rec.width = w;
  rec.height = h;
}

// The focus rules of a full-screen window. SDL itself changes the display
// mode when the window is shown or regains focus and restores the desktop's
// mode (minimising the window) when it loses focus; what is left here is the
// swap interval that goes with the mode. These changes leave the interval
// remembered by flips alone.
// Whether the window may no longer show its last frame.
bool LosesPicture(Uint8 event) {
  switch (event) {
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_SHOWN:
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_MAXIMIZED:
    case SDL_WINDOWEVENT_SIZE_CHANGED: return true;
    default: return false;
  }
}

void OnWindowEvent(const SDL_Event& event, void*) {
  if (event.type != SDL_WINDOWEVENT) return;
  GLNativeState& native = GLNative();
  SDL_Window* window = SDL_GetWindowFromID(event.window.windowID);
  for (auto& [handle, rec] : native.contexts) {
    if (!window || rec->window != window) continue;
    // Before the system driver reports the new size, so that whoever hears
    // of it reads the new size here.
    if (event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) ReadClientSize(*rec);
    if (LosesPicture(event.window.event)) ++rec->window_epoch;
  }
  const NativeContext* rec = window ? FindFullScreen(window) : nullptr;
  if (!rec) return;
  if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED && native.mode_owner != window) {
    native.mode_owner = window;
    SDL_GL_SetSwapInterval(rec->mode_with_rate ? 1 : 0);
  } else if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST && native.mode_owner == window) {
    native.mode_owner = nullptr;
    SDL_GL_SetSwapInterval(0);
  }
}

// The program's icon on one of its own windows (a window of the caller's
// keeps the icon it has).
void ShowIcon(SDL_Window* window, const Ref<TPixmap>& icon) {
  if (!icon) return;
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(icon->pixels, icon->width, icon->height, 32,
                                                            icon->pitch, SDL_PIXELFORMAT_RGBA32);
  if (!surface) return;
  SDL_SetWindowIcon(window, surface);
  SDL_FreeSurface(surface);
}

void ShowIconOnOwnWindows(const Ref<TPixmap>& icon) {
  for (auto& [handle, rec] : GLNative().contexts) {
    if (rec->kind == GL_CONTEXT_WINDOWED || rec->kind == GL_CONTEXT_FULLSCREEN) ShowIcon(rec->window, icon);
  }
}

// SDL's own words for what just failed.
String SDLError() { return String::FromUTF8String(SDL_GetError()); }

bool BringUp() {
  GLNativeState& native = GLNative();
  if (!EnsureGLVideo(native.video)) return false;
  if (!native.listening) {
    AddSDLEventListener(OnWindowEvent, nullptr);
    SetGraphicsIconListener(ShowIconOnOwnWindows);
    native.listening = true;
  }
  return true;
}

void DestroyWindow(SDL_Window* window) {
  GLNativeState& native = GLNative();
  if (native.mode_owner == window) native.mode_owner = nullptr;
  ForgetSDLWindow(SDL_GetWindowID(window));
  SDL_DestroyWindow(window);
}

[[noreturn]] void FailDisplayMode() { Throw(String("GLGraphicsDriver failed to set display mode")); }

}  // namespace

int32_t GLNativeCreate(int32_t width, int32_t height, int32_t depth, int32_t hertz,
                       int32_t flags, const String& title) {
  if (width <= 0 || height <= 0) {
    NoteFailure("the size must be at least 1 x 1");
    return 0;
  }
  if (width > kLargestWindowSide || height > kLargestWindowSide) {
    NoteFailure("the size must be at most " + String::FromInt(kLargestWindowSide) + " x " +
                String::FromInt(kLargestWindowSide));
    return 0;
  }
  if (!BringUp()) {
    NoteFailure(GLNative().video.failure);
    return 0;
  }

  SDL_DisplayMode mode{};
  bool with_rate = false;
  if (depth != 0) {
    const FullScreenModeChoice choice = ChooseFullScreenMode(ListDisplayModes(GLNative().video), width, height, depth,
                                                             hertz);
    if (choice.index < 0 || SDL_GetDisplayMode(0, choice.index, &mode) != 0) {
      NoteFailure("the display has no mode of " + String::FromInt(width) + " x " + String::FromInt(height) +
                  " at depth " + String::FromInt(depth) + " (GraphicsModes() lists those it has)");
      FailDisplayMode();
    }
    with_rate = choice.with_rate;
  }

  ApplyPixelFormat(PixelFormatRequestFromFlags(flags));
  Uint32 window_flags = SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN;
  WindowPosition pos;
  if (depth == 0) {
    SDL_Rect desktop{0, 0, 0, 0};
    SDL_GetDisplayBounds(0, &desktop);
    pos = CentredWindowPosition(desktop.x + desktop.w, desktop.y + desktop.h, width, height);
    if (flags & GRAPHICS_RESIZABLE) window_flags |= SDL_WINDOW_RESIZABLE;
  } else {
    window_flags |= SDL_WINDOW_BORDERLESS;
  }
  const std::string caption = title.ToUTF8String();
  SDL_Window* window =
      SDL_CreateWindow(caption.c_str(), pos.left, pos.top, width, height, window_flags);
  if (!window) {
    NoteFailure("can't create the window: " + SDLError());
    return 0;
  }

  if (depth != 0) {
    // The mode is taken when the window shows and whenever it regains focus.
    if (SDL_SetWindowDisplayMode(window, &mode) != 0 ||
        SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN) != 0) {
      NoteFailure("can't switch the display mode: " + SDLError());
      DestroyWindow(window);
      FailDisplayMode();
    }
  }

  SDL_GLContext context = MakeContext(window);
  if (!context) {
    NoteFailure("can't create the GL context: " + SDLError());
    DestroyWindow(window);
    return 0;
  }

  auto rec = std::make_unique<NativeContext>();
  rec->kind = depth == 0 ? GL_CONTEXT_WINDOWED : GL_CONTEXT_FULLSCREEN;
  rec->depth = depth;
  rec->hertz = hertz;
  rec->flags = flags;
  rec->window = window;
  rec->destroys_window = true;
  rec->context = context;
  rec->mode_with_rate = with_rate;
  ReadClientSize(*rec);
  const int32_t handle = Register(std::move(rec));
  ShowIcon(window, GraphicsIcon());
  SDL_ShowWindow(window);
  return handle;
}

int32_t GLNativeAttach(int32_t widget, int32_t flags) {
  if (widget == 0) {
    NoteFailure("widget 0 is no window");
    return 0;
  }
  if (!BringUp()) {
    NoteFailure(GLNative().video.failure);
    return 0;
  }
  SDL_Window* window = SDL_GetWindowFromID(static_cast<Uint32>(widget));
  bool wrapper = false;
  if (!window) {
    // A window of the window system itself; SDL wraps it without taking it.
    SDL_SetHint(SDL_HINT_VIDEO_FOREIGN_WINDOW_OPENGL, "1");
    window = SDL_CreateWindowFrom(
        reinterpret_cast<void*>(static_cast<uintptr_t>(static_cast<uint32_t>(widget))));
    if (!window) {
      NoteFailure("no window has this handle: " + SDLError());
      return 0;
    }
    wrapper = true;
  }
  auto drop = [&] {
    if (wrapper) DestroyWindow(window);
    return 0;
  };
  if ((SDL_GetWindowFlags(window) & SDL_WINDOW_OPENGL) == 0) {
    NoteFailure("the window can't take OpenGL");
    return drop();
  }

  ApplyPixelFormat(PixelFormatRequestFromFlags(flags));
  SDL_GLContext context = MakeContext(window);
  if (!context) {
    NoteFailure("can't create the GL context: " + SDLError());
    return drop();
  }

  auto rec = std::make_unique<NativeContext>();
  rec->kind = GL_CONTEXT_ATTACHED;
  rec->flags = flags;
  rec->window = window;
  rec->destroys_window = wrapper;
  rec->context = context;
  ReadClientSize(*rec);
  return Register(std::move(rec));
}

void GLNativeShareContexts() {
  GLNativeState& native = GLNative();
  if (native.shared) return;
  SDL_Window* window = nullptr;
  SDL_GLContext context = nullptr;
  if (BringUp()) {
    ApplyPixelFormat(PixelFormatRequestFromFlags(0));
    window = SDL_CreateWindow("", 0, 0, 1, 1,
                              SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS);
    if (window) {
      context = SDL_GL_CreateContext(window);
      RestoreCurrent();
    }
  }
  if (!context) {
    // Without it textures cannot outlive a context; nothing sensible can go on.
    std::fprintf(stderr, "GLGraphicsDriver failed to create the shared GL context: %s\n",
                 SDL_GetError());
    std::fflush(stderr);
    std::exit(-1);
  }
  native.shared = std::make_unique<NativeContext>();
  native.shared->kind = GL_CONTEXT_SHARED;
  native.shared->width = 1;
  native.shared->height = 1;
  native.shared->window = window;
  native.shared->destroys_window = true;
  native.shared->context = context;
}

GLNativeSettings GLNativeQuerySettings(int32_t handle) {
  NativeContext* rec = Find(handle);
  if (!rec) return {};
  if (rec->kind == GL_CONTEXT_ATTACHED) ReadClientSize(*rec);
  return {rec->width, rec->height, rec->depth, rec->hertz, rec->flags};
}

void GLNativeMakeCurrent(int32_t handle) {
  GLNativeState& native = GLNative();
  NativeContext* rec = Find(handle);
  if (rec == native.current) return;
  native.current = rec;
  RestoreCurrent();
}

int32_t GLNativeCurrent() {
  GLNativeState& native = GLNative();
  for (const auto& [handle, rec] : native.contexts) {
    if (rec.get() == native.current) return handle;
  }
  return 0;
}

void GLNativeClose(int32_t handle) {
  GLNativeState& native = GLNative();
  NativeContext* rec = Find(handle);
  if (!rec) return;
  if (rec->destroys_window) {
    // Contexts attached to a window that is about to go would be left
    // drawing into freed memory; they go first.
    std::vector<int32_t> riders;
    for (const auto& [other, other_rec] : native.contexts) {
      if (other != handle && other_rec->window == rec->window) riders.push_back(other);
    }
    for (const int32_t other : riders) GLNativeClose(other);
  }
  if (rec == native.current) GLNativeMakeCurrent(0);
  SDL_GL_DeleteContext(rec->context);
  if (rec->destroys_window) DestroyWindow(rec->window);
  native.contexts.erase(handle);
}

void GLNativeFlip(int32_t sync) {
  GLNativeState& native = GLNative();
  if (!native.current) return;
  const int32_t interval = native.flip_interval.Change(sync);
  if (interval >= 0) SDL_GL_SetSwapInterval(interval);
  // A window's swap ends the frame for the renderer; the offscreen driver's
  // swap does nothing, and Mesa's software renderer then kept what every
  // frame drew (a gigabyte within a few rounds of the game under the tests'
  // offscreen driver). There the frame is finished here instead.
  const char* driver = SDL_GetCurrentVideoDriver();
  if (driver && SDL_strcmp(driver, "offscreen") == 0) glFinish();
  SDL_GL_SwapWindow(native.current->window);
}

void GLNativeSkipFlip(int32_t sync) {
  GLNativeState& native = GLNative();
  if (!native.current || sync == 0) return;
  // The swap would have waited for the display; the frame's time passes here.
  SDL_DisplayMode mode;
  const int index = SDL_GetWindowDisplayIndex(native.current->window);
  const int hertz = index >= 0 && SDL_GetCurrentDisplayMode(index, &mode) == 0 && mode.refresh_rate > 0
                        ? mode.refresh_rate
                        : 60;
  SDL_Delay(static_cast<Uint32>(1000 / hertz));
}

int32_t GLNativeWindowEpoch(int32_t handle) {
  const NativeContext* rec = Find(handle);
  return rec ? rec->window_epoch : 0;
}

int32_t GLNativeSetFullScreen(int32_t handle, int32_t on) {
  NativeContext* rec = Find(handle);
  if (!rec) {
    NoteFailure(String("the graphics are closed"));
    return 0;
  }
  if (rec->kind == GL_CONTEXT_FULLSCREEN) {
    if (on) return 1;
    NoteFailure(String("opened full screen in a display mode; open it with depth 0 to have a window"));
    return 0;
  }
  if (rec->kind != GL_CONTEXT_WINDOWED) {
    NoteFailure(String("the window is not the library's own"));
    return 0;
  }
  if (SDL_SetWindowFullscreen(rec->window, on ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0) {
    NoteFailure(String::FromUTF8String(SDL_GetError()));
    return 0;
  }
  ReadClientSize(*rec);
  return 1;
}

int32_t GLNativeFullScreen(int32_t handle) {
  const NativeContext* rec = Find(handle);
  if (!rec) return 0;
  if (rec->kind == GL_CONTEXT_FULLSCREEN) return 1;
  return (SDL_GetWindowFlags(rec->window) & SDL_WINDOW_FULLSCREEN) != 0 ? 1 : 0;
}

std::vector<DisplayModeRecord> GLNativeDisplayModes() {
  if (!BringUp()) return {};
  return ListDisplayModes(GLNative().video);
}

int32_t GLNativeWidget(int32_t handle) {
  const NativeContext* rec = Find(handle);
  return rec ? static_cast<int32_t>(SDL_GetWindowID(rec->window)) : 0;
}

void* GLNativeProcAddress(const char* name) { return SDL_GL_GetProcAddress(name); }

}  // namespace tazmix
