/// \file
/// The contract between Vex2D (the driver-neutral 2D drawing layer) and a
/// back end: the abstract 2D driver, the blend codes and the current 2D
/// driver. Programs only pick a blend code here; the rest is for writing a
/// back end of one's own (the library's own is the OpenGL one, glback/).
///
/// A back end derives TVex2DDriver, implements every abstract operation below
/// and the five of TGraphicsDriver, and derives its frames from TImageFrame.
/// Its SetGraphics(g) makes its own context current and then calls
/// g->MakeCurrent() for a 2D context, or TVex2DGraphics::ClearCurrent() for
/// Null or any other context; its AttachGraphics and CreateGraphics wrap
/// their own context with TVex2DGraphics::Create. The drawing layer then
/// calls the operations below only on the current 2D driver, with its
/// context current.
///
/// Transform convention: a local point (x, y) with translation (tx, ty) lands
/// at (x*ix + y*iy + tx, x*jx + y*jy + ty), in drawing coordinates (see
/// TVex2DDriver::SetResolution).
///
/// \code{.cpp}
/// class TMyDriver : public tazmix::TVex2DDriver {  // a back end of one's own
///  public:
///   void SetGraphics(const tazmix::Ref<tazmix::TGraphics>& g) override {
///     auto v = tazmix::Cast<tazmix::TVex2DGraphics>(g);
///     if (!v) { tazmix::TVex2DGraphics::ClearCurrent(); return; }
///     // ... make its own context current ...
///     v->MakeCurrent();  // sends the whole drawing state through the setters below
///   }
///   void DrawRect(float x0, float y0, float x1, float y1, float tx, float ty) override { ... }
///   // ... and every other operation
/// };
/// \endcode
/// \ingroup draw2d
/// \since 1.0
#pragma once

#include <cstdint>
#include <vector>

#include "frame_stats.h"
#include "image_frame.h"
#include "../graphics/graphics_driver.h"
#include "../pixmap/pixmap.h"
#include "../runtime/object.h"

namespace tazmix {

/// Blend mode (SetBlend): no blending; pixels whose alpha is below 0.5 are
/// not drawn. The mode at start. \since 1.0
inline constexpr int32_t BLEND_MASK = 1;
/// Blend mode: no blending; every pixel replaces the one below. \since 1.0
inline constexpr int32_t BLEND_SOLID = 2;
/// Blend mode: source * alpha + destination * (1 - alpha). \since 1.0
inline constexpr int32_t BLEND_ALPHA = 3;
/// Blend mode: source * alpha + destination, which brightens. \since 1.0
inline constexpr int32_t BLEND_LIGHT = 4;
/// Blend mode: source * destination, which darkens. \since 1.0
inline constexpr int32_t BLEND_SHADE = 5;

/// The 2D driver: what a back end implements so that Vex2D can draw through
/// it. Every operation up to SetResolution is abstract and raises
/// TNullMethodException here; the ones after it have working defaults. Values
/// arrive unclamped; clamping colour and alpha is the driver's business. The
/// drawing layer calls them only on the current 2D driver (CurrentVex2DDriver),
/// with the driver's own context current.
/// \since 1.0
class TVex2DDriver : public TGraphicsDriver {
 public:
  /// Makes a drawable frame of an image frame's pixels. Called the first time
  /// an image frame is drawn under the current graphics (and again after the
  /// graphics change), not when the image is loaded.
  /// \param pixmap the pixels, in any pixel format; possibly 0 x 0.
  /// \param flags the image's flags (IMAGE_FILTERED, IMAGE_MIPMAPPED, ...):
  ///   how the frame is to be sampled.
  /// \return a frame of the driver's own TImageFrame class; Null when the
  ///   driver cannot make one (the image is then not drawn, and the next draw
  ///   asks again).
  /// \since 1.0
  virtual Ref<TImageFrame> CreateFrameFromPixmap(const Ref<TPixmap>& pixmap, int32_t flags);
  /// Sets how drawing meets the pixels below, from then on.
  /// \param blend one of BLEND_MASK .. BLEND_SHADE as the program gave it; a
  ///   driver must cope with other values too (the GL driver then blends not
  ///   at all).
  /// \since 1.0
  virtual void SetBlend(int32_t blend);
  /// Sets the alpha applied to everything drawn from then on.
  /// \param alpha 0 (invisible) .. 1 (opaque), unclamped: may lie outside or
  ///   be not a number; the driver clamps.
  /// \since 1.0
  virtual void SetAlpha(float alpha);
  /// Sets the colour multiplied into everything drawn from then on.
  /// \param red, green, blue 0..255 each, unclamped; the driver clamps.
  /// \since 1.0
  virtual void SetColor(int32_t red, int32_t green, int32_t blue);
  /// Sets the colour Cls clears to.
  /// \param red, green, blue 0..255 each, unclamped; the driver clamps.
  /// \since 1.0
  virtual void SetClsColor(int32_t red, int32_t green, int32_t blue);
  /// Restricts drawing, Cls included, to this rectangle of the context; a
  /// rectangle covering the whole context restricts nothing. Sent by
  /// SetViewport, and again whenever the context is made current, changes
  /// size or gets another render target.
  /// \param x, y the rectangle's top-left corner, in pixels of the context
  ///   from its top-left corner.
  /// \param width, height its size.
  /// \since 1.0
  virtual void SetViewport(int32_t x, int32_t y, int32_t width, int32_t height);
  /// Sets the 2x2 matrix that turns and scales the local points of shapes
  /// and image frames from then on (see the transform convention above).
  /// \param ix, iy the first row: x' = x*ix + y*iy.
  /// \param jx, jy the second row: y' = x*jx + y*jy.
  /// \since 1.0
  virtual void SetTransform(float ix, float iy, float jx, float jy);
  /// Sets the width of lines (DrawLine) from then on.
  /// \param width the width, unclamped: may be 0, negative or not a number
  ///   (the GL driver ignores those).
  /// \since 1.0
  virtual void SetLineWidth(float width);
  /// Clears the viewport to the cls colour, opaque (alpha 1); also in a
  /// render frame. Blend mode, colour and alpha do not apply.
  /// \since 1.0
  virtual void Cls();
  /// Lights one pixel; the matrix is not applied.
  /// \param x, y the pixel's top-left corner, in drawing coordinates (the
  ///   origin already added).
  /// \since 1.0
  virtual void Plot(float x, float y);
  /// Draws a line as wide as the line width between two local points,
  /// transformed by the matrix and translated by (tx, ty). The drawing layer
  /// plots the end point itself where the program asks for it.
  /// \param x0, y0 the start, local.
  /// \param x1, y1 the end, local.
  /// \param tx, ty the translation (drawing position plus origin).
  /// \since 1.0
  virtual void DrawLine(float x0, float y0, float x1, float y1, float tx, float ty);
  /// Draws a filled rectangle: the local corners (x0, y0) and (x1, y1),
  /// transformed by the matrix and translated by (tx, ty). x1 may be less
  /// than x0, y1 less than y0.
  /// \param x0, y0 one corner, local.
  /// \param x1, y1 the opposite corner, local.
  /// \param tx, ty the translation (drawing position plus origin).
  /// \since 1.0
  virtual void DrawRect(float x0, float y0, float x1, float y1, float tx, float ty);
  /// Draws a filled ellipse inscribed in the local rectangle, transformed
  /// and translated as DrawRect's.
  /// \param x0, y0 one corner of the rectangle, local.
  /// \param x1, y1 the opposite corner, local.
  /// \param tx, ty the translation.
  /// \since 1.0
  virtual void DrawOval(float x0, float y0, float x1, float y1, float tx, float ty);
  /// Draws a filled polygon through the points (xy[2k] + handle_x,
  /// xy[2k+1] + handle_y), transformed by the matrix and translated by
  /// (origin_x, origin_y). The points come from the program unchecked: for
  /// fewer than three or an odd count of values it must draw nothing.
  /// \param xy the local points, x and y in turn.
  /// \param handle_x, handle_y added to every point before the matrix.
  /// \param origin_x, origin_y the translation, added after it.
  /// \since 1.0
  virtual void DrawPoly(const std::vector<float>& xy, float handle_x, float handle_y, float origin_x,
                        float origin_y);
  /// Copies the pixels to the context (or render frame) at (x, y), unscaled
  /// and untransformed, whatever the blend mode.
  /// \param pixmap the pixels, in any pixel format; never Null.
  /// \param x, y where its top-left pixel goes, in pixels of the context.
  /// \since 1.0
  virtual void DrawPixmap(const Ref<TPixmap>& pixmap, int32_t x, int32_t y);
  /// Reads what has been drawn so far in a rectangle of the context (of the
  /// render frame while one is the target).
  /// \param x, y the rectangle's top-left corner, in pixels of the context.
  /// \param width, height its size; the drawing layer has clipped the
  ///   rectangle to the context, so it lies on it, and either may be 0.
  /// \return a new pixmap of width x height with those pixels, row 0 the top
  ///   row (the GL driver answers FORMAT_RGBA32); Null when it can't read
  ///   them.
  /// \since 1.0
  virtual Ref<TPixmap> GrabPixmap(int32_t x, int32_t y, int32_t width, int32_t height);
  /// Sets the drawing coordinates: 0..width and 0..height span the area of
  /// the last SetSurface, which is the whole context unless a virtual
  /// resolution is letterboxed. Sent right after SetSurface.
  /// \param width, height the virtual resolution, in drawing units.
  /// \since 1.0
  virtual void SetResolution(float width, float height);

  /// Tells the context's drawable size as it is now, and the rectangle of it
  /// that SetResolution's coordinates span. Sent before SetResolution
  /// whenever the context is made current, changes size, gets another
  /// render target or another virtual resolution. Not abstract: does nothing
  /// here, for a driver that reads its size itself.
  /// \param width, height the context's (or the render frame's) size in pixels.
  /// \param area_x, area_y the area's top-left corner, in pixels from the
  ///   context's top-left corner (not 0 only when letterboxed).
  /// \param area_width, area_height the area's size in pixels.
  /// \since 1.0
  virtual void SetSurface(int32_t width, int32_t height, int32_t area_x, int32_t area_y, int32_t area_width,
                          int32_t area_height);
  /// What the current context's last finished frame cost; LastFrameStats
  /// asks it. Not abstract.
  /// \return the figures of the last frame shown with Flip; all 0 here, for
  ///   a driver that counts nothing.
  /// \since 1.1
  virtual FrameStats FrameStatistics();

  // Render images (render_image.h), not abstract either: a driver that
  // cannot draw into images keeps these, and CreateRenderImage then fails.
  /// Makes a frame that can be drawn into, for a render image. Called when a
  /// render image is made and again the first time it is used under new
  /// graphics (a new GraphicsSeq).
  /// \param width, height the size in pixels, both at least 1.
  /// \param flags the image's flags: how the frame is sampled where it is
  ///   drawn (IMAGE_FILTERED, IMAGE_MIPMAPPED; IMAGE_DYNAMIC is always set).
  /// \return a frame whose pixels live with the driver, cleared transparent
  ///   (0, 0, 0 at alpha 0); Null, with the reason noted (NoteFailure,
  ///   runtime/error_report.h), when the driver can't make one. Here always
  ///   Null, noting "the 2D driver can't draw into images", so the program
  ///   sees `CreateRenderImage(160 x 120): the 2D driver can't draw into images`.
  /// \since 1.1
  virtual Ref<TImageFrame> CreateRenderFrame(int32_t width, int32_t height, int32_t flags);
  /// Sends all drawing of the current context into the frame, or back to the
  /// context itself for Null. Called by SetRenderImage and whenever graphics
  /// with a render image are made current again. The drawing layer sends the
  /// surface (SetSurface, SetResolution, SetViewport) for the new target
  /// right after.
  /// \param frame a frame this driver's CreateRenderFrame made (possibly
  ///   under other graphics), or Null.
  /// \return 1 when drawing goes there now; 0, with the reason noted
  ///   (NoteFailure) and nothing changed, when it can't. Here 1 for Null, and
  ///   0 noting "the 2D driver can't draw into images" for a frame.
  /// \since 1.1
  virtual int32_t SetRenderTarget(const Ref<TImageFrame>& frame);
  /// Reads a render frame's pixels; called by LockImage (and collision) when
  /// drawing changed them since they were last read.
  /// \param frame a frame this driver's CreateRenderFrame made.
  /// \return a new FORMAT_RGBA32 pixmap of the frame's size, row 0 the top
  ///   row; Null when it can't read them (the image keeps the pixels it had
  ///   in main memory). Null here.
  /// \since 1.1
  virtual Ref<TPixmap> ReadRenderFrame(const Ref<TImageFrame>& frame);
  /// Replaces a render frame's pixels; called at UnlockImage, or when the
  /// image is next drawn or made the target, after the program wrote pixels.
  /// \param frame a frame this driver's CreateRenderFrame made.
  /// \param pixmap the pixels, in any pixel format: the frame takes its
  ///   top-left part of the frame's size (the GL driver makes what the
  ///   pixmap does not cover transparent). Nothing happens here.
  /// \since 1.1
  virtual void WriteRenderFrame(const Ref<TImageFrame>& frame, const Ref<TPixmap>& pixmap);
};

/// The driver of the current 2D graphics context. Images ask it for frames;
/// every drawing function draws through it.
/// \return the driver; Null when no 2D graphics are current.
/// \since 1.0
TVex2DDriver* CurrentVex2DDriver();

/// Changes the current 2D driver. Only the drawing state
/// (TVex2DGraphics::MakeCurrent and ClearCurrent) calls it; every other
/// module and every back end only reads it.
/// \param driver the new current driver; Null for none.
/// \since 1.0
void SetCurrentVex2DDriver(const Ref<TVex2DDriver>& driver);

}  // namespace tazmix
