/// \file
/// The OpenGL 2D driver: the drawing layer's driver on OpenGL 1.x, over the
/// GL graphics driver's contexts. The drawing layer hands it resolved values
/// (colours as 0-255 Ints, a 2x2 matrix, a translation, rectangles in
/// pixels); it queues primitives tagged with the GL state they need, and the
/// queue sends runs of equal state to GL as one draw each (from client-side
/// vertex arrays) when the frame is shown or someone must see GL as drawn so
/// far. TAZMIX_BATCH=0 in the environment draws each primitive at once
/// instead. A frame that draws exactly what the window shows already is not
/// drawn or shown again (see SetRepeatedFrameSkip in gl_graphics.h).
///
/// InitGLVex2DDriver() (which InitTazmix calls) installs it as the graphics
/// driver in force, so OpenGraphics and CreateGraphics then give 2D graphics
/// contexts. Programs draw through draw2d's functions, not through these
/// members.
///
/// \code{.cpp}
/// tazmix::InitGLVex2DDriver();
/// tazmix::OpenGraphics(800, 600, 0, 60, 0);
/// tazmix::DrawRect(10, 10, 100, 50);  // queued by this driver
/// tazmix::Flip(-1);                   // sent to GL and shown
/// \endcode
/// \ingroup glback
/// \since 1.0
#pragma once

#include <cstdint>
#include <vector>

#include "../draw2d/vex2d_driver.h"
#include "../graphics/graphics_driver.h"
#include "../pixmap/pixmap.h"
#include "../runtime/object.h"
#include "../runtime/string.h"

namespace tazmix {

/// The 2D driver on OpenGL. Each member below is called by the drawing layer
/// on the main thread with a 2D context of this driver current.
/// \since 1.0
class TGLVex2DDriver : public TVex2DDriver {
 public:
  /// \return "OpenGL". \since 1.0
  String ToString() const override;

  /// \return the GL graphics driver's display modes. \since 1.0
  std::vector<Ref<TGraphicsMode>> GraphicsModes() override;
  /// The GL driver's context for the window, wrapped in a TVex2DGraphics.
  /// \param widget the window, as TGLGraphicsDriver::AttachGraphics takes it.
  /// \param flags GRAPHICS_ flags.
  /// \return the 2D context; Null when the GL driver made none (its reason
  ///   is noted).
  /// \since 1.0
  Ref<TGraphics> AttachGraphics(int32_t widget, int32_t flags) override;
  /// The GL driver's new window and context, wrapped in a TVex2DGraphics.
  /// \param width, height the drawable size in pixels.
  /// \param depth 0 for a window, else full screen at that depth.
  /// \param hertz the refresh rate wanted.
  /// \param flags GRAPHICS_ flags.
  /// \return the 2D context; Null when the GL driver made none (its reason
  ///   is noted).
  /// \throws Thrown as TGLGraphicsDriver::CreateGraphics.
  /// \since 1.0
  Ref<TGraphics> CreateGraphics(int32_t width, int32_t height, int32_t depth, int32_t hertz,
                                int32_t flags) override;
  /// Makes the wrapped GL context current, resets the GL state for it
  /// (ResetGLContext) and re-sends the context's drawing state.
  /// \param g a 2D context of this driver; Null, or a bare GL context, leaves
  ///   no 2D context current (a bare GL context is still made current for raw GL).
  /// \since 1.0
  void SetGraphics(const Ref<TGraphics>& g) override;
  /// Sends what is queued to GL and shows the frame (TGLGraphicsDriver::Flip).
  /// \param sync 0 at once, else in step with the display's refresh.
  /// \since 1.0
  void Flip(int32_t sync) override;

  /// A texture frame of the pixmap.
  /// \param pixmap the pixels, any format.
  /// \param flags image flags (draw2d/image_flags.h) choosing filtering and mipmaps.
  /// \return a TGLImageFrame; Null for an empty pixmap or when no GL context
  ///   is current.
  /// \since 1.0
  Ref<TImageFrame> CreateFrameFromPixmap(const Ref<TPixmap>& pixmap, int32_t flags) override;
  /// Sets the GL blending and alpha test of a blend code.
  /// \param blend BLEND_MASK .. BLEND_SHADE; codes outside 1..5 turn blending
  ///   and the alpha test off.
  /// \since 1.0
  void SetBlend(int32_t blend) override;
  /// Sets the alpha of the drawing colour.
  /// \param alpha clamped to 0..1 (not a number gives 0), then truncated to
  ///   a byte.
  /// \since 1.0
  void SetAlpha(float alpha) override;
  /// Sets the drawing colour, keeping its alpha.
  /// \param red, green, blue each clamped to 0..255.
  /// \since 1.0
  void SetColor(int32_t red, int32_t green, int32_t blue) override;
  /// Sets the colour Cls clears to (opaque).
  /// \param red, green, blue each clamped to 0..255.
  /// \since 1.0
  void SetClsColor(int32_t red, int32_t green, int32_t blue) override;
  /// Restricts drawing to a rectangle by GL scissoring; the whole context
  /// switches scissoring off.
  /// \param x, y the top-left corner in pixels of the drawable.
  /// \param width, height the size in pixels.
  /// \since 1.0
  void SetViewport(int32_t x, int32_t y, int32_t width, int32_t height) override;
  /// Sets the 2x2 matrix applied to shapes; kept on the processor, nothing
  /// goes to GL.
  /// \param ix, iy, jx, jy the matrix: a local point (x, y) lands at
  ///   (x*ix + y*iy, x*jx + y*jy) before the translation.
  /// \since 1.0
  void SetTransform(float ix, float iy, float jx, float jy) override;
  /// Sets the GL line width.
  /// \param width in pixels; 0, negative or not a number is ignored.
  /// \since 1.0
  void SetLineWidth(float width) override;
  /// Clears the viewport to the Cls colour. \since 1.0
  void Cls() override;
  /// Lights one pixel; the matrix is not applied.
  /// \param x, y the pixel's top-left corner.
  /// \since 1.0
  void Plot(float x, float y) override;
  /// A line between two local points, transformed and translated.
  /// \param x0, y0, x1, y1 the ends.
  /// \param tx, ty the translation.
  /// \since 1.0
  void DrawLine(float x0, float y0, float x1, float y1, float tx, float ty) override;
  /// A filled rectangle between two local corners, transformed and translated.
  /// \param x0, y0, x1, y1 opposite corners.
  /// \param tx, ty the translation.
  /// \since 1.0
  void DrawRect(float x0, float y0, float x1, float y1, float tx, float ty) override;
  /// A filled ellipse inscribed in the local rectangle: a polygon of
  /// |rx| + |ry| points (at least 12, a multiple of 4, at most 65536),
  /// starting at the right end of the horizontal axis.
  /// \param x0, y0, x1, y1 the rectangle's corners.
  /// \param tx, ty the translation.
  /// \since 1.0
  void DrawOval(float x0, float y0, float x1, float y1, float tx, float ty) override;
  /// A filled polygon through (xy[2k] + handle_x, xy[2k+1] + handle_y),
  /// transformed and translated; nothing for fewer than 3 points or an odd
  /// number of values.
  /// \param xy the points, x and y alternating.
  /// \param handle_x, handle_y added to every point before the matrix.
  /// \param origin_x, origin_y the translation.
  /// \since 1.0
  void DrawPoly(const std::vector<float>& xy, float handle_x, float handle_y, float origin_x,
                float origin_y) override;
  /// Copies the pixels unscaled and untransformed, whatever the blend mode
  /// (which is kept); nothing for Null or an empty pixmap.
  /// \param pixmap the pixels, any format.
  /// \param x, y where its top-left pixel lands, in pixels.
  /// \since 1.0
  void DrawPixmap(const Ref<TPixmap>& pixmap, int32_t x, int32_t y) override;
  /// Reads pixels of the drawable (queued drawing is sent first).
  /// \param x, y the rectangle's top-left corner in pixels.
  /// \param width, height its size.
  /// \return a FORMAT_RGBA32 pixmap, row 0 the top row; Null for a negative
  ///   size.
  /// \since 1.0
  Ref<TPixmap> GrabPixmap(int32_t x, int32_t y, int32_t width, int32_t height) override;
  /// Sets the projection so that drawing coordinates 0..width and 0..height
  /// span the area of the last SetSurface.
  /// \param width, height the drawing coordinates' extent.
  /// \since 1.0
  void SetResolution(float width, float height) override;
  /// Takes the drawable's size and the area the drawing coordinates span;
  /// the GL viewport becomes the area, and viewports and grabs count rows
  /// from the drawable's new height.
  /// \param width, height the drawable's size in pixels.
  /// \param area_x, area_y the area's top-left corner in pixels.
  /// \param area_width, area_height the area's size.
  /// \since 1.1
  void SetSurface(int32_t width, int32_t height, int32_t area_x, int32_t area_y, int32_t area_width,
                  int32_t area_height) override;
  /// \return what the current context's last finished frame cost (draws,
  ///   binds, flushes...); all 0 before the first Flip. \since 1.1
  FrameStats FrameStatistics() override;
  /// A texture of its own with a framebuffer object (GL 3.0, or the ARB or
  /// EXT framebuffer-object extension), cleared transparent.
  /// \param width, height the size, at least 1 each.
  /// \param flags image flags choosing filtering and mipmaps.
  /// \return the frame; Null with the reason noted, e.g. "no GL context is
  ///   current", "this GL (<version>) can't draw into images: it has neither
  ///   GL 3.0 nor a framebuffer-object extension", "GL draws into images of at
  ///   most W x H", "GL can't hold a texture of W x H" or "GL has no memory for
  ///   a texture of W x H".
  /// \since 1.1
  Ref<TImageFrame> CreateRenderFrame(int32_t width, int32_t height, int32_t flags) override;
  /// Sends drawing into a render frame, or back to the context. What is
  /// queued goes to the old target first; counted in the frame statistics'
  /// target_switches.
  /// \param frame a frame CreateRenderFrame made; Null for the context itself.
  /// \return 1 when done; 0 with the reason noted ("the frame is not one the
  ///   GL driver can draw into", "no graphics are current", "these graphics
  ///   don't share textures with the ones it was made under (see
  ///   GLShareContexts)", "GL can't draw into its texture (framebuffer status
  ///   N)"), the target then unchanged.
  /// \since 1.1
  int32_t SetRenderTarget(const Ref<TImageFrame>& frame) override;
  /// Reads a render frame's pixels.
  /// \param frame a frame CreateRenderFrame made.
  /// \return FORMAT_RGBA32, row 0 the top row; Null for any other frame or
  ///   when its framebuffer can't be had.
  /// \since 1.1
  Ref<TPixmap> ReadRenderFrame(const Ref<TImageFrame>& frame) override;
  /// Replaces a render frame's pixels by the pixmap's top-left part of its
  /// size; nothing for another frame or a Null pixmap.
  /// \param frame a frame CreateRenderFrame made.
  /// \param pixmap the new pixels, any format.
  /// \since 1.1
  void WriteRenderFrame(const Ref<TImageFrame>& frame, const Ref<TPixmap>& pixmap) override;

  /// Finishes making the driver.
  /// \return itself when the GL graphics driver exists, else Null.
  /// \since 1.0
  virtual Ref<TGLVex2DDriver> Create();
  /// Forgets the GL state cache and sets up projection, model-view and
  /// viewport for the context's size: (0, 0) is the top-left pixel corner.
  /// \param g the context just made current.
  /// \since 1.0
  virtual void ResetGLContext(TGraphics& g);
};

/// The one GL 2D driver, made (through Create) on the first call.
/// \return the driver; Null when there is no GL graphics driver.
/// \since 1.0
Ref<TGLVex2DDriver> GLVex2DDriver();

/// Runs once, starting the drawing layer and the GL graphics driver first:
/// registers the classes and installs GLVex2DDriver() with SetGraphicsDriver
/// (default flags GRAPHICS_BACK_BUFFER), so it is the driver in force.
/// InitTazmix calls it.
/// \since 1.0
void InitGLVex2DDriver();

}  // namespace tazmix
