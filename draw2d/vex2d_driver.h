// The contract between the driver-neutral 2D drawing layer and a back end:
// the abstract 2D driver, the blend codes and the current 2D driver.
//
// A back end derives TVex2DDriver, implements every operation below and the
// five of TGraphicsDriver, and makes its frames derive TImageFrame. Its
// SetGraphics(g) calls g->MakeCurrent() for a 2D context and
// TVex2DGraphics::ClearCurrent() for Null; its AttachGraphics and
// CreateGraphics wrap their own context with TVex2DGraphics::Create.
//
// Transform convention: a local point (x, y) with translation (tx, ty) lands
// at (x*ix + y*iy + tx, x*jx + y*jy + ty).
#pragma once

#include <cstdint>
#include <vector>

#include "frame_stats.h"
#include "image_frame.h"
#include "../graphics/graphics_driver.h"
#include "../pixmap/pixmap.h"
#include "../runtime/object.h"

namespace tazmix {

// Blend modes.
inline constexpr int32_t BLEND_MASK = 1;   // no blending; alpha below 0.5 is not drawn
inline constexpr int32_t BLEND_SOLID = 2;  // no blending; every pixel replaces the destination
inline constexpr int32_t BLEND_ALPHA = 3;  // source * alpha + destination * (1 - alpha)
inline constexpr int32_t BLEND_LIGHT = 4;  // source * alpha + destination
inline constexpr int32_t BLEND_SHADE = 5;  // source * destination

// Every operation is abstract and raises TNullMethodException here. Values
// arrive unclamped; clamping colour and alpha is the driver's business.
class TVex2DDriver : public TGraphicsDriver {
 public:
  // A frame holding the pixmap's pixels, sampled as the image flags say;
  // Null when the driver cannot make one.
  virtual Ref<TImageFrame> CreateFrameFromPixmap(const Ref<TPixmap>& pixmap, int32_t flags);
  virtual void SetBlend(int32_t blend);
  // Alpha applied to everything drawn, 0..1.
  virtual void SetAlpha(float alpha);
  // Colour multiplied into everything drawn, 0..255 each.
  virtual void SetColor(int32_t red, int32_t green, int32_t blue);
  virtual void SetClsColor(int32_t red, int32_t green, int32_t blue);
  // Restricts drawing to this rectangle of the context.
  virtual void SetViewport(int32_t x, int32_t y, int32_t width, int32_t height);
  virtual void SetTransform(float ix, float iy, float jx, float jy);
  virtual void SetLineWidth(float width);
  // Clears the viewport to the cls colour.
  virtual void Cls();
  // One point; the matrix is not applied.
  virtual void Plot(float x, float y);
  // The shapes below take local points, transformed by the matrix and
  // translated by (tx, ty).
  virtual void DrawLine(float x0, float y0, float x1, float y1, float tx, float ty);
  virtual void DrawRect(float x0, float y0, float x1, float y1, float tx, float ty);
  // Filled ellipse inscribed in the local rectangle.
  virtual void DrawOval(float x0, float y0, float x1, float y1, float tx, float ty);
  // Filled polygon through (xy[2k] + handle_x, xy[2k+1] + handle_y),
  // translated by (origin_x, origin_y).
  virtual void DrawPoly(const std::vector<float>& xy, float handle_x, float handle_y, float origin_x,
                        float origin_y);
  // Copies the pixels to the context at (x, y), unscaled and untransformed.
  virtual void DrawPixmap(const Ref<TPixmap>& pixmap, int32_t x, int32_t y);
  // A new pixmap with the context's pixels in that rectangle.
  virtual Ref<TPixmap> GrabPixmap(int32_t x, int32_t y, int32_t width, int32_t height);
  // Drawing coordinates 0..width and 0..height span the area of the last
  // SetSurface: the whole context unless a virtual resolution is letterboxed.
  virtual void SetResolution(float width, float height);

  // Beside the operations above, and not abstract: the context's drawable
  // size as it is now, and the rectangle of it (pixels from the top-left
  // corner) that SetResolution's coordinates span. Sent before SetResolution
  // whenever the context is made current, changes size or gets another
  // virtual resolution. Does nothing here.
  virtual void SetSurface(int32_t width, int32_t height, int32_t area_x, int32_t area_y, int32_t area_width,
                          int32_t area_height);
  // What the current context's last finished frame cost; all 0 here.
  virtual FrameStats FrameStatistics();

  // Render images (render_image.h), not abstract either: a driver that
  // cannot draw into images keeps these, and CreateRenderImage then fails.
  // A frame of width x height (both at least 1) whose pixels live with the
  // driver and can be drawn into, cleared transparent, sampled as the image
  // flags say; Null, with the reason noted (runtime/error_report.h), when
  // the driver can't make one. Here always Null.
  virtual Ref<TImageFrame> CreateRenderFrame(int32_t width, int32_t height, int32_t flags);
  // Sends all drawing of the current context into the frame (one that
  // CreateRenderFrame made), or back to the context itself for Null. The
  // drawing layer sends the surface (SetSurface, SetResolution, SetViewport)
  // for the new target right after. 0, with the reason noted, when it
  // can't; nothing changes then. Here 1 for Null, else 0.
  virtual int32_t SetRenderTarget(const Ref<TImageFrame>& frame);
  // The frame's pixels: FORMAT_RGBA32, row 0 the top row. Null here.
  virtual Ref<TPixmap> ReadRenderFrame(const Ref<TImageFrame>& frame);
  // Replaces the frame's pixels by the pixmap's top-left part of its size.
  // Nothing here.
  virtual void WriteRenderFrame(const Ref<TImageFrame>& frame, const Ref<TPixmap>& pixmap);
};

// The driver of the current 2D graphics context, or Null when none is
// current. Images ask it for frames; every drawing function draws through it.
TVex2DDriver* CurrentVex2DDriver();

// Only the drawing state (TVex2DGraphics::MakeCurrent and ClearCurrent)
// changes the current 2D driver; every other module only reads it.
void SetCurrentVex2DDriver(const Ref<TVex2DDriver>& driver);

}  // namespace tazmix
