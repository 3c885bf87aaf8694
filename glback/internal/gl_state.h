// Everything the GL back end changes while it runs, in one place.
//
// Each GL context has a GLContext: the drawing state the 2D driver was given
// (colour, transform, blend mode, scissor, projection), what GL holds now (so
// that repeated settings cost no GL call), the queue of primitives not yet
// sent to GL, and the frame's statistics. What all contexts share (they share
// textures) is in GLShared: the texture pages, the raw text font, the
// batching switch. The platform's windows and native contexts hang from
// GLBack().native. GLBack() reaches all of it; making another context
// current switches GLBack().context and nothing else.
//
// Only gl_queue.cpp sends queued primitives to GL; everything else reads
// and writes this state and asks the queue (gl_queue.h).
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "draw2d/frame_stats.h"
#include "runtime/object.h"

namespace tazmix {

class TGLGraphicsDriver;
class TGLVex2DDriver;
// The platform's windows and native contexts, a type only its files under
// glback/platform/ know.
struct GLNativeState;

// One vertex as GL reads it: position and texture coordinate. Colours
// travel in an array of their own, so a run of one colour sends none.
struct GLVertex {
  float x = 0;
  float y = 0;
  float u = 0;
  float v = 0;
};

// A local point (x, y) with translation (tx, ty) lands at
// (x * ix + y * iy + tx, x * jx + y * jy + ty).
struct GLTransform {
  float ix = 1;
  float iy = 0;
  float jx = 0;
  float jy = 1;

  float X(float x, float y, float tx) const noexcept { return x * ix + y * iy + tx; }
  float Y(float x, float y, float ty) const noexcept { return x * jx + y * jy + ty; }
};

// A rectangle in GL's window coordinates (rows counted from the bottom).
struct GLRect {
  int32_t x = 0;
  int32_t y = 0;
  int32_t width = 0;
  int32_t height = 0;

  bool operator==(const GLRect&) const = default;
};

// The GL state a run of primitives is drawn under. Two primitives with
// equal states can share one draw call.
struct GLRunState {
  uint32_t texture = 0;     // 0: texturing off
  int32_t blend = 0;        // BLEND_*; 0 when none is set yet
  float line_width = 0;     // only for lines; 0 for every other mode
  uint32_t mode = 0;        // GL_POINTS, GL_LINES, GL_TRIANGLES, GL_QUADS
  float ortho_width = 0;    // the projection spans 0..ortho_width
  float ortho_height = 0;
  GLRect viewport;
  bool scissor = false;
  GLRect scissor_rect;

  bool operator==(const GLRunState&) const = default;
};

// Ways a run is drawn beyond its state that save llvmpipe pixel work and
// change no pixel. A run keeps only the tricks all of its quads allow.
inline constexpr uint8_t kTrickNoBlend = 1;  // opaque texels at alpha 1 under alpha blending
inline constexpr uint8_t kTrickNearest = 2;  // texel centres 1:1 on pixel centres

// One draw call, or one clear.
struct GLRun {
  GLRunState state;
  bool clear = false;       // a glClear of the scissored surface in clear_rgba
  uint8_t tricks = 0;
  bool one_color = true;    // every vertex has `color`, so no colour array is sent
  uint32_t color = 0;       // RGBA bytes in memory order; also the clear colour
  uint32_t first = 0;       // vertices [first, first + count)
  uint32_t count = 0;

  bool operator==(const GLRun&) const = default;
};

// The primitives of a frame in the order they were drawn.
struct GLRecording {
  std::vector<GLRun> runs;
  std::vector<GLVertex> vertices;
  std::vector<uint32_t> colors;  // one per vertex
  size_t used = 0;               // vertices in use; the vectors only grow

  bool Empty() const noexcept { return runs.empty(); }
  void Clear() noexcept {
    runs.clear();
    used = 0;
  }
  bool SameAs(const GLRecording& other) const noexcept;
};

// What GL holds, as far as the back end has set it. `known` is false until
// everything has been set once in this context.
struct GLHeld {
  bool known = false;
  GLRunState state;
  // The blend mode is set the render-image way (gl_blend.h).
  bool blend_into_image = false;
  bool texturing = false;
  uint32_t bound = 0;
  bool color_known = false;
  uint32_t color = 0;
  bool clear_color_known = false;
  uint32_t clear_color = 0;
};

// A primitive between BeginGLPrimitive and EndGLPrimitive.
struct GLOpenPrimitive {
  uint32_t texture = 0;
  uint32_t mode = 0;
  uint32_t count = 0;
  uint8_t tricks = 0;
};

// Where the context's drawing goes: its own window, or a render image's
// framebuffer object (a name of this context; framebuffers are not shared).
struct GLTarget {
  uint32_t framebuffer = 0;  // 0: the window
  uint32_t texture = 0;      // the render image's texture
  bool mipmapped = false;    // its mipmaps are made again when drawing leaves it

  bool operator==(const GLTarget&) const = default;
};

struct GLContext {
  // The 2D driver has set this context up; a bare GL context's state is its
  // program's own and never touched.
  bool drawing = false;
  // The drawing state the driver was given.
  uint32_t color = 0;  // RGBA bytes in memory order
  uint32_t clear_color = 0xFF000000u;
  GLTransform transform;
  float line_width = 1;
  GLRunState want;     // texture and mode: those of the last primitive
  // Something of `want` beyond texture and mode changed since the last run began.
  bool want_changed = true;
  int32_t surface_width = 0;
  int32_t surface_height = 0;
  // Drawing units are pixels: the projection spans the viewport's size.
  bool pixel_grid = true;

  GLHeld held;
  GLRecording queue;
  // The frame shown last, for telling a frame that repeats it.
  GLRecording shown;
  bool shown_valid = false;
  // Nothing but Flip has made the queue go to GL since the last Flip.
  bool frame_whole = true;
  int32_t shown_window_epoch = 0;
  uint64_t shown_texture_epoch = 0;

  // Raw GL brackets open now: the matrices each one saved.
  std::vector<std::array<double, 32>> raw_saved;

  GLTarget target;
  // Framebuffers of render images freed while another context was current;
  // deleted when this one is current again.
  std::vector<uint32_t> dead_framebuffers;

  FrameStats counting;
  FrameStats last;
};

// A shelf-packed texture page shared by small image frames.
struct GLAtlasShelf {
  int32_t y = 0;
  int32_t height = 0;
  int32_t used = 0;  // width taken from the left
};

struct GLAtlasPage {
  uint32_t texture = 0;
  int32_t flags = 0;   // IMAGE_FILTERED and IMAGE_MIPMAPPED as its frames have them
  int32_t size = 0;
  int32_t bottom = 0;  // height taken by shelves from the top
  int32_t frames = 0;  // frames placed and not yet released
  std::vector<GLAtlasShelf> shelves;
};

// The calls that draw into textures, fetched by name once a context could
// tell which GL it is (gl_framebuffer.h).
struct GLFramebufferCalls {
  int32_t kind = 0;         // GL_FRAMEBUFFERS_*; 0: none
  bool any_size = false;    // textures of any size, not only powers of two
  void (*gen)(int32_t, uint32_t*) = nullptr;
  void (*remove)(int32_t, const uint32_t*) = nullptr;
  void (*bind)(uint32_t, uint32_t) = nullptr;
  void (*attach)(uint32_t, uint32_t, uint32_t, uint32_t, int32_t) = nullptr;
  uint32_t (*status)(uint32_t) = nullptr;
  void (*mipmaps)(uint32_t) = nullptr;
  // nullptr where GL has no separate alpha blending.
  void (*blend_separate)(uint32_t, uint32_t, uint32_t, uint32_t) = nullptr;
};

struct GLShared {
  // Gathering primitives into runs; TAZMIX_BATCH=0 sends each one at once.
  bool batching = true;
  // Frames that repeat the frame on screen are not drawn again.
  bool skip_repeats = true;
  // Bumped whenever texels change or a texture goes, so a repeated frame
  // is only one whose textures are as they were.
  uint64_t texture_epoch = 0;

  // Texture pages of the GraphicsSeq `atlas_seq` (textures die with it).
  int32_t atlas_seq = 0;
  int32_t atlas_page_size = 0;
  std::vector<GLAtlasPage> atlas_pages;

  uint32_t raw_font_texture = 0;
  int32_t raw_font_seq = 0;

  // GLShareContexts was called: contexts made since see each other's textures.
  bool textures_shared = false;
  // Asked once a context was current; `framebuffer_none` says why there are none.
  bool framebuffer_probed = false;
  GLFramebufferCalls framebuffer;
  std::string framebuffer_none;

  // The back end's two drivers, made on first use (they hold no state).
  Ref<TGLGraphicsDriver> graphics_driver;
  Ref<TGLVex2DDriver> vex2d_driver;
};

struct GLBackState {
  // Out of line: they make and end the drivers, whose classes are not known here.
  GLBackState();
  ~GLBackState();
  GLBackState(const GLBackState&) = delete;
  GLBackState& operator=(const GLBackState&) = delete;

  GLShared shared;
  GLOpenPrimitive open;
  // The points of the polygon being queued (reused, so ovals allocate nothing).
  std::vector<GLVertex> polygon;
  std::unordered_map<int32_t, std::unique_ptr<GLContext>> contexts;
  int32_t current_handle = 0;
  // The current context's state; a context of its own for "none current",
  // so drawing without a context has somewhere harmless to go.
  GLContext* context = nullptr;
  GLContext none;
  // Made on first use (GLNative) and never ended, so that calls made while
  // the program exits still find the windows it lists.
  GLNativeState* native = nullptr;
};

// The one object, defined in gl_state.cpp; reached inline, as every quad
// queued asks for it.
extern GLBackState gl_back_state;
inline GLBackState& GLBack() { return gl_back_state; }
inline GLContext& CurrentGLContext() { return *GLBack().context; }

// A new native state; defined by the platform's native layer, which alone
// knows the type.
GLNativeState* MakeGLNativeState();
inline GLNativeState& GLNative() {
  GLBackState& b = GLBack();
  if (b.native == nullptr) b.native = MakeGLNativeState();
  return *b.native;
}

// Switches GLBack().context to the state of the native context `handle`
// (0: none), making it on first use.
void SelectGLContextState(int32_t handle);
// Forgets the state of a closed native context.
void DropGLContextState(int32_t handle);

}  // namespace tazmix
