#include "glback/gl_graphics.h"

#include <typeinfo>

#include "glback/internal/gl_display_modes.h"
#include "glback/internal/gl_queue.h"
#include "glback/internal/gl_state.h"
#include "glback/internal/gl_raw_text_font.h"
#include "glback/internal/gl_render_frame.h"
#include "glback/platform/gl_native.h"
#include "pixmap/pixmap_module.h"
#include "runtime/application.h"

namespace tazmix {

namespace {

Ref<TGLGraphics> Wrap(int32_t context) {
  if (context == 0) return nullptr;
  Ref<TGLGraphics> g = New<TGLGraphics>();
  g->_context = context;
  return g;
}

}  // namespace

TGraphicsDriver* TGLGraphics::Driver() { return GLGraphicsDriver().get(); }

void TGLGraphics::GetSettings(int32_t& width, int32_t& height, int32_t& depth, int32_t& hertz,
                              int32_t& flags) {
  const GLNativeSettings s = GLNativeQuerySettings(_context);
  width = s.width;
  height = s.height;
  depth = s.depth;
  hertz = s.hertz;
  flags = s.flags;
}

void TGLGraphics::Close() {
  // Whatever it queued is dropped with it.
  DropGLContextState(_context);
  if (_context != 0) GLNativeClose(_context);
  _context = 0;
}

int32_t TGLGraphics::SetFullScreen(int32_t on) { return GLNativeSetFullScreen(_context, on); }

int32_t TGLGraphics::FullScreen() { return GLNativeFullScreen(_context); }

std::vector<Ref<TGraphicsMode>> TGLGraphicsDriver::GraphicsModes() {
  std::vector<Ref<TGraphicsMode>> modes;
  for (const DisplayModeRecord& r : UsableDisplayModes(GLNativeDisplayModes(), kMaxDisplayModes)) {
    Ref<TGraphicsMode> m = New<TGraphicsMode>();
    m->width = r.width;
    m->height = r.height;
    m->depth = r.depth;
    m->hertz = r.hertz;
    modes.push_back(m);
  }
  return modes;
}

Ref<TGraphics> TGLGraphicsDriver::AttachGraphics(int32_t widget, int32_t flags) {
  return Wrap(GLNativeAttach(widget, flags));
}

Ref<TGraphics> TGLGraphicsDriver::CreateGraphics(int32_t width, int32_t height, int32_t depth,
                                                 int32_t hertz, int32_t flags) {
  return Wrap(GLNativeCreate(width, height, depth, hertz, flags, ApplicationTitle));
}

void TGLGraphicsDriver::SetGraphics(const Ref<TGraphics>& g) {
  // Queued drawing belongs to the context it was queued in.
  if (GLNativeCurrent() != 0) SyncGL(FLUSH_CONTEXT);
  const auto* gl = dynamic_cast<const TGLGraphics*>(g.get());
  GLNativeMakeCurrent(gl ? gl->_context : 0);
  SelectGLContextState(GLNativeCurrent());
  DeleteDeadGLFramebuffers();
}

void TGLGraphicsDriver::Flip(int32_t sync) {
  const int32_t context = GLNativeCurrent();
  if (FinishGLFrame(GLNativeWindowEpoch(context))) {
    GLNativeFlip(sync);
  } else {
    GLNativeSkipFlip(sync);
  }
}

Ref<TGLGraphicsDriver> GLGraphicsDriver() {
  Ref<TGLGraphicsDriver>& driver = GLBack().shared.graphics_driver;
  if (!driver) driver = New<TGLGraphicsDriver>();
  return driver;
}

Ref<TGraphics> GLGraphics(int32_t width, int32_t height, int32_t depth, int32_t hertz,
                          int32_t flags) {
  InitGLGraphics();
  SetGraphicsDriver(GLGraphicsDriver(), GRAPHICS_BACK_BUFFER);
  return OpenGraphics(width, height, depth, hertz, flags);
}

int32_t SetRepeatedFrameSkip(int32_t on) {
  SetGLSkipRepeatedFrames(on != 0);
  return 0;
}

int32_t GLShareContexts() {
  GLNativeShareContexts();
  GLBack().shared.textures_shared = true;
  return 0;
}

void InitGLGraphics() {
  static bool done = false;
  if (!BeginModuleInit(done)) return;
  InitGraphics();
  InitPixmap();
  RegisterGLRawTextFont();
  RegisterClassRecord(typeid(TGLGraphics));
  RegisterClassRecord(typeid(TGLGraphicsDriver));
  SetGraphicsDriver(GLGraphicsDriver(), GRAPHICS_BACK_BUFFER);
}

}  // namespace tazmix
