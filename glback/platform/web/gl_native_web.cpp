// The native GL layer of a browser page: every context draws into the one
// WebGL context of the page's canvas (the element "#canvas"), made through
// Emscripten's EGL, which also starts its emulation of the fixed-function
// GL 1.1 the back end draws with. The canvas is the window: its size is the
// graphics' size, the page's title its caption, and full screen is the
// browser's, on the canvas. Objects are shared by all contexts, there being
// only one underneath.
#include <EGL/egl.h>
#include <emscripten.h>
#include <emscripten/html5.h>

#include <map>

#include "glback/internal/gl_display_modes.h"
#include "glback/internal/gl_pixel_format.h"
#include "glback/platform/gl_native.h"
#include "glback/platform/web/web_gl_state.h"
#include "graphics/graphics_flags.h"
#include "runtime/error_report.h"
#include "runtime/exception.h"
#include "system/event.h"
#include "system/platform/web/web_input_queue.h"

namespace tazmix {

GLNativeState* MakeGLNativeState() { return new GLNativeState(); }

namespace {

constexpr const char* kCanvas = "#canvas";
// The one widget a page has: its canvas.
constexpr int32_t kCanvasWidget = 1;

WebNativeContext* Find(int32_t handle) {
  auto& contexts = GLNative().contexts;
  const auto it = contexts.find(handle);
  return it == contexts.end() ? nullptr : &it->second;
}

bool HasCanvas() { return EM_ASM_INT({ return typeof document !== 'undefined' && !!Module['canvas']; }) != 0; }

void CanvasSize(int32_t& width, int32_t& height) {
  int w = 0, h = 0;
  emscripten_get_canvas_element_size(kCanvas, &w, &h);
  width = w;
  height = h;
}

// Every context follows the canvas's size; a change is reported as the
// window's new size, as a resized window's is.
void FollowCanvasSize() {
  int32_t width = 0, height = 0;
  CanvasSize(width, height);
  bool changed = false;
  for (auto& [handle, rec] : GLNative().contexts) {
    if (rec.settings.width == width && rec.settings.height == height) continue;
    rec.settings.width = width;
    rec.settings.height = height;
    changed = true;
  }
  if (changed) {
    ++GLNative().window_epoch;
    QueueWebInput(WebInput{EVENT_WINDOWSIZE, 0, 0, width, height});
  }
}

bool AnyResizable() {
  for (const auto& [handle, rec] : GLNative().contexts) {
    if (rec.settings.flags & GRAPHICS_RESIZABLE) return true;
  }
  return false;
}

EM_JS(void, FillPageWithCanvas, (), {
  var style = Module['canvas'].style;
  style.position = 'fixed';
  style.left = '0';
  style.top = '0';
});

EM_JS(int, PageWidth, (), { return window.innerWidth | 0; });
EM_JS(int, PageHeight, (), { return window.innerHeight | 0; });

// The drawing goes to a back buffer of the context's own, shown on the canvas
// only at GLNativeFlip: the program gives the browser its turn in the middle
// of a frame too (a frame timer waited for in a flip hook), and the browser
// would show the canvas as it is then.
EM_JS(void, AskForOwnBackBuffer, (), {
  EGL.contextAttributes.renderViaOffscreenBackBuffer = true;
  EGL.contextAttributes.explicitSwapControl = true;
});

// A resizable window is the whole page: the canvas follows the browser
// window's size.
EM_BOOL OnPageResize(int, const EmscriptenUiEvent*, void*) {
  if (AnyResizable() && PageWidth() > 0 && PageHeight() > 0) {
    emscripten_set_canvas_element_size(kCanvas, PageWidth(), PageHeight());
  }
  FollowCanvasSize();
  return EM_FALSE;
}

EM_BOOL OnFullScreenChange(int, const EmscriptenFullscreenChangeEvent*, void*) {
  FollowCanvasSize();
  return EM_FALSE;
}

EM_BOOL OnCanvasResized(int, const void*, void*) {
  FollowCanvasSize();
  return EM_FALSE;
}

// The WebGL context of the canvas, made once with the first pixel format
// asked for; it lives as long as the page.
bool BringUp(const GLPixelFormatRequest& format) {
  GLNativeState& s = GLNative();
  if (s.context != EGL_NO_CONTEXT) return true;
  if (!HasCanvas()) {
    NoteFailure("no display (the page has no canvas)");
    return false;
  }
  s.display = eglGetDisplay(EGL_DEFAULT_DISPLAY);
  if (s.display == EGL_NO_DISPLAY || !eglInitialize(s.display, nullptr, nullptr)) {
    NoteFailure("the browser has no WebGL");
    return false;
  }
  // An opaque canvas: what is drawn is what the page shows, whatever alpha
  // the drawing leaves behind.
  const EGLint config_attributes[] = {EGL_RED_SIZE, 8, EGL_GREEN_SIZE, 8, EGL_BLUE_SIZE, 8,
                                      EGL_ALPHA_SIZE, 0,
                                      EGL_DEPTH_SIZE, format.depth_bits > 0 ? 24 : 0,
                                      EGL_STENCIL_SIZE, format.stencil_bits > 0 ? 8 : 0,
                                      EGL_NONE};
  EGLConfig config = nullptr;
  EGLint configs = 0;
  if (!eglChooseConfig(s.display, config_attributes, &config, 1, &configs) || configs < 1) {
    NoteFailure("the browser has no WebGL pixel format for the flags");
    return false;
  }
  s.surface = eglCreateWindowSurface(s.display, config, 0, nullptr);
  AskForOwnBackBuffer();
  const EGLint context_attributes[] = {EGL_CONTEXT_CLIENT_VERSION, 2, EGL_NONE};  // WebGL 1
  s.context = eglCreateContext(s.display, config, EGL_NO_CONTEXT, context_attributes);
  if (s.surface == EGL_NO_SURFACE || s.context == EGL_NO_CONTEXT) {
    NoteFailure("the browser can't make a WebGL context on the canvas");
    s.context = EGL_NO_CONTEXT;
    return false;
  }
  eglMakeCurrent(s.display, s.surface, s.surface, s.context);
  if (!s.listening) {
    s.listening = true;
    emscripten_set_resize_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_FALSE, OnPageResize);
    emscripten_set_fullscreenchange_callback(EMSCRIPTEN_EVENT_TARGET_DOCUMENT, nullptr, EM_FALSE, OnFullScreenChange);
  }
  return true;
}

int32_t Register(const WebNativeContext& rec) {
  GLNativeState& s = GLNative();
  while (s.next_handle <= 0 || s.contexts.count(s.next_handle) != 0) {
    s.next_handle = s.next_handle <= 0 ? 1 : s.next_handle + 1;
  }
  const int32_t handle = s.next_handle++;
  s.contexts.emplace(handle, rec);
  return handle;
}

[[noreturn]] void FailDisplayMode() { Throw(String("GLGraphicsDriver failed to set display mode")); }

// The browser's full screen shows the canvas alone, at the screen's size in
// pixels. Browsers allow it only in answer to a key or a click: asked for at
// another time it follows at the next one.
int32_t RequestFullScreen() {
  EmscriptenFullscreenStrategy strategy{};
  strategy.scaleMode = EMSCRIPTEN_FULLSCREEN_SCALE_STRETCH;
  strategy.canvasResolutionScaleMode = EMSCRIPTEN_FULLSCREEN_CANVAS_SCALE_STDDEF;
  strategy.filteringMode = EMSCRIPTEN_FULLSCREEN_FILTERING_DEFAULT;
  strategy.canvasResizedCallback = OnCanvasResized;
  const EMSCRIPTEN_RESULT result = emscripten_request_fullscreen_strategy(kCanvas, EM_TRUE, &strategy);
  if (result == EMSCRIPTEN_RESULT_SUCCESS) return 1;
  NoteFailure(result == EMSCRIPTEN_RESULT_DEFERRED
                  ? String("the browser goes full screen only in answer to a key or a click: at the next one")
                  : String("the browser refused full screen"));
  return 0;
}

}  // namespace

int32_t GLNativeCreate(int32_t width, int32_t height, int32_t depth, int32_t hertz, int32_t flags,
                       const String& title) {
  if (width <= 0 || height <= 0) {
    NoteFailure("the size must be at least 1 x 1");
    return 0;
  }
  if (depth != 0) {
    const std::vector<DisplayModeRecord> modes = GLNativeDisplayModes();
    if (ChooseFullScreenMode(modes, width, height, depth, hertz).index < 0) {
      NoteFailure("the display has no mode of " + String::FromInt(width) + " x " + String::FromInt(height) +
                  " at depth " + String::FromInt(depth) + " (GraphicsModes() lists those it has)");
      FailDisplayMode();
    }
  }
  if (!BringUp(PixelFormatRequestFromFlags(flags))) return 0;
  emscripten_set_window_title(title.ToUTF8String().c_str());
  if ((flags & GRAPHICS_RESIZABLE) && depth == 0) {
    FillPageWithCanvas();
    emscripten_set_canvas_element_size(kCanvas, PageWidth(), PageHeight());
  } else {
    emscripten_set_canvas_element_size(kCanvas, width, height);
  }
  WebNativeContext rec;
  rec.kind = depth == 0 ? GL_CONTEXT_WINDOWED : GL_CONTEXT_FULLSCREEN;
  rec.settings = {width, height, depth, hertz, flags};
  CanvasSize(rec.settings.width, rec.settings.height);
  const int32_t handle = Register(rec);
  if (depth != 0) RequestFullScreen();
  return handle;
}

int32_t GLNativeAttach(int32_t widget, int32_t flags) {
  if (widget != kCanvasWidget) {
    NoteFailure(widget == 0 ? String("widget 0 is no window") : String("no window has this handle"));
    return 0;
  }
  if (!BringUp(PixelFormatRequestFromFlags(flags))) return 0;
  WebNativeContext rec;
  rec.kind = GL_CONTEXT_ATTACHED;
  rec.settings.flags = flags;
  CanvasSize(rec.settings.width, rec.settings.height);
  return Register(rec);
}

// Contexts share their objects already: there is only the canvas's.
void GLNativeShareContexts() {}

GLNativeSettings GLNativeQuerySettings(int32_t handle) {
  WebNativeContext* rec = Find(handle);
  if (!rec) return {};
  if (rec->kind == GL_CONTEXT_ATTACHED) CanvasSize(rec->settings.width, rec->settings.height);
  return rec->settings;
}

void GLNativeMakeCurrent(int32_t handle) { GLNative().current = Find(handle) ? handle : 0; }

int32_t GLNativeCurrent() { return GLNative().current; }

void GLNativeClose(int32_t handle) {
  if (!Find(handle)) return;
  GLNativeState& s = GLNative();
  if (s.current == handle) s.current = 0;
  s.contexts.erase(handle);
}

// The frame goes to the canvas, which the browser shows when the program
// gives it its turn: in step with the display, until the browser's next
// frame.
EM_ASYNC_JS(void, AwaitAnimationFrame, (), {
  await new Promise(function(resolve) { requestAnimationFrame(function() { resolve(); }); });
});

// The browser gets its turn at every flip, shown frame or not, so the
// program's blocking loop never holds the page.
void GiveTheBrowserItsTurn(int32_t sync) {
  if (sync != 0 && emscripten_has_asyncify()) {
    AwaitAnimationFrame();
  } else {
    YieldToBrowser();
  }
}

void GLNativeFlip(int32_t sync) {
  if (!GLNative().current) return;
  emscripten_webgl_commit_frame();
  GiveTheBrowserItsTurn(sync);
}

// The canvas keeps showing the frame committed last.
void GLNativeSkipFlip(int32_t sync) {
  if (!GLNative().current) return;
  GiveTheBrowserItsTurn(sync);
}

int32_t GLNativeWindowEpoch(int32_t handle) { return Find(handle) ? GLNative().window_epoch : 0; }

int32_t GLNativeSetFullScreen(int32_t handle, int32_t on) {
  WebNativeContext* rec = Find(handle);
  if (!rec) {
    NoteFailure(String("the graphics are closed"));
    return 0;
  }
  if (rec->kind == GL_CONTEXT_FULLSCREEN && on) return 1;
  if (rec->kind == GL_CONTEXT_ATTACHED) {
    NoteFailure(String("the window is not the library's own"));
    return 0;
  }
  if (!on) {
    if (GLNativeFullScreen(handle)) emscripten_exit_fullscreen();
    FollowCanvasSize();
    return 1;
  }
  if (GLNativeFullScreen(handle)) return 1;
  return RequestFullScreen();
}

int32_t GLNativeFullScreen(int32_t handle) {
  if (!Find(handle)) return 0;
  EmscriptenFullscreenChangeEvent status{};
  if (emscripten_get_fullscreen_status(&status) != EMSCRIPTEN_RESULT_SUCCESS) return 0;
  return status.isFullscreen ? 1 : 0;
}

EM_JS(int, ScreenWidth, (), { return typeof screen !== 'undefined' ? screen.width | 0 : 0; });
EM_JS(int, ScreenHeight, (), { return typeof screen !== 'undefined' ? screen.height | 0 : 0; });

// The screen's own size, the one mode a page can show full screen.
std::vector<DisplayModeRecord> GLNativeDisplayModes() {
  if (ScreenWidth() <= 0 || ScreenHeight() <= 0) return {};
  return {DisplayModeRecord{ScreenWidth(), ScreenHeight(), 32, 60}};
}

int32_t GLNativeWidget(int32_t handle) { return Find(handle) ? kCanvasWidget : 0; }

// GL's entry points by name, through Emscripten's GL layer.
void* GLNativeProcAddress(const char* name) { return reinterpret_cast<void*>(eglGetProcAddress(name)); }

}  // namespace tazmix
