// The OpenGL 2D driver: the drawing layer's driver on OpenGL 1.x, over the GL
// graphics driver's contexts. The drawing layer hands it resolved values
// (colours as 0-255 Ints, a 2x2 matrix, a translation, rectangles in
// pixels); it queues primitives tagged with the GL state they need, and the
// queue sends runs of equal state to GL as one draw each (from client-side
// vertex arrays) when the frame is shown or someone must see GL as drawn so
// far. TAZMIX_BATCH=0 in the environment draws each primitive at once
// instead. A frame that draws exactly what the window shows already is not
// drawn or shown again (see SetRepeatedFrameSkip in gl_graphics.h).
//
// InitGLVex2DDriver() installs it as the graphics driver in force, so
// OpenGraphics and CreateGraphics then give 2D graphics contexts.
#pragma once

#include <cstdint>
#include <vector>

#include "../draw2d/vex2d_driver.h"
#include "../graphics/graphics_driver.h"
#include "../pixmap/pixmap.h"
#include "../runtime/object.h"
#include "../runtime/string.h"

namespace tazmix {

class TGLVex2DDriver : public TVex2DDriver {
 public:
  String ToString() const override;

  std::vector<Ref<TGraphicsMode>> GraphicsModes() override;
  // The GL driver's context wrapped in a TVex2DGraphics; Null when the GL
  // driver made none.
  Ref<TGraphics> AttachGraphics(int32_t widget, int32_t flags) override;
  Ref<TGraphics> CreateGraphics(int32_t width, int32_t height, int32_t depth, int32_t hertz,
                                int32_t flags) override;
  // Makes the wrapped GL context current, resets the GL state for it and
  // re-sends the context's drawing state. Null: no context current.
  void SetGraphics(const Ref<TGraphics>& g) override;
  void Flip(int32_t sync) override;

  // A TGLImageFrame; Null for an empty pixmap or when no GL context is current.
  Ref<TImageFrame> CreateFrameFromPixmap(const Ref<TPixmap>& pixmap, int32_t flags) override;
  // Codes outside 1..5 turn blending and the alpha test off.
  void SetBlend(int32_t blend) override;
  // Clamped to 0..1 (not-a-number gives 0), then truncated to a byte.
  void SetAlpha(float alpha) override;
  // Each clamped to 0..255.
  void SetColor(int32_t red, int32_t green, int32_t blue) override;
  void SetClsColor(int32_t red, int32_t green, int32_t blue) override;
  // The whole context switches scissoring off; any other rectangle (top-left
  // based) scissors.
  void SetViewport(int32_t x, int32_t y, int32_t width, int32_t height) override;
  // Kept on the processor; nothing goes to GL.
  void SetTransform(float ix, float iy, float jx, float jy) override;
  void SetLineWidth(float width) override;
  void Cls() override;
  // Lights the pixel whose top-left corner is (x, y).
  void Plot(float x, float y) override;
  void DrawLine(float x0, float y0, float x1, float y1, float tx, float ty) override;
  void DrawRect(float x0, float y0, float x1, float y1, float tx, float ty) override;
  // A polygon of |rx| + |ry| points, at least 12, a multiple of 4, starting
  // at the right end of the horizontal axis.
  void DrawOval(float x0, float y0, float x1, float y1, float tx, float ty) override;
  // Nothing for fewer than 3 points or an odd number of values.
  void DrawPoly(const std::vector<float>& xy, float handle_x, float handle_y, float origin_x,
                float origin_y) override;
  // Unscaled and untransformed, whatever the blend mode (which is kept).
  void DrawPixmap(const Ref<TPixmap>& pixmap, int32_t x, int32_t y) override;
  // FORMAT_RGBA32, row 0 the top row; Null for a negative size.
  Ref<TPixmap> GrabPixmap(int32_t x, int32_t y, int32_t width, int32_t height) override;
  void SetResolution(float width, float height) override;
  // The GL viewport becomes the area; viewports and grabs count rows from
  // the drawable's new height.
  void SetSurface(int32_t width, int32_t height, int32_t area_x, int32_t area_y, int32_t area_width,
                  int32_t area_height) override;
  FrameStats FrameStatistics() override;
  // A texture of its own with a framebuffer object (GL 3.0, or the ARB or
  // EXT framebuffer-object extension); Null, with the reason noted, where
  // GL has none, for a size above GL's largest, or without memory.
  Ref<TImageFrame> CreateRenderFrame(int32_t width, int32_t height, int32_t flags) override;
  // What is queued goes to the old target first; counted in the frame
  // statistics' target_switches.
  int32_t SetRenderTarget(const Ref<TImageFrame>& frame) override;
  Ref<TPixmap> ReadRenderFrame(const Ref<TImageFrame>& frame) override;
  void WriteRenderFrame(const Ref<TImageFrame>& frame, const Ref<TPixmap>& pixmap) override;

  // Itself when the GL graphics driver exists, else Null.
  virtual Ref<TGLVex2DDriver> Create();
  // Forgets the GL state cache and sets up projection, model-view and
  // viewport for the context's size: (0, 0) is the top-left pixel corner.
  virtual void ResetGLContext(TGraphics& g);
};

// The one GL 2D driver, made (through Create) on the first call; Null when
// there is no GL graphics driver.
Ref<TGLVex2DDriver> GLVex2DDriver();

// Runs once, after the drawing layer and the GL graphics driver have started:
// registers the classes and installs GLVex2DDriver() with SetGraphicsDriver
// (default flags GRAPHICS_BACK_BUFFER), so it is the driver in force.
void InitGLVex2DDriver();

}  // namespace tazmix
