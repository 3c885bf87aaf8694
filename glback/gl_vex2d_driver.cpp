#include "glback/gl_vex2d_driver.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <typeinfo>

#include "draw2d/draw2d_module.h"
#include "draw2d/vex2d_graphics.h"
#include "glback/gl_graphics.h"
#include "glback/internal/gl_image_frame.h"
#include "glback/internal/gl_queue.h"
#include "glback/internal/gl_render_frame.h"
#include "glback/internal/gl_state.h"
#include "graphics/graphics.h"
#include "pixmap/internal/flip_rows.h"
#include "pixmap/pixel_format.h"
#include "runtime/application.h"
#include "runtime/error_report.h"

namespace tazmix {

namespace {

// More points than this could never be told apart on any screen; the limit
// keeps an absurdly large oval from taking seconds.
constexpr int32_t kMaxOvalSegments = 1 << 16;

uint32_t ClampByte(int32_t v) { return static_cast<uint32_t>(std::clamp(v, 0, 255)); }

// RGBA bytes in memory order, as GL reads them.
uint32_t PackRGB(int32_t red, int32_t green, int32_t blue) {
  return ClampByte(red) | ClampByte(green) << 8 | ClampByte(blue) << 16;
}

// The number of points of an oval with radii rx and ry.
int32_t OvalSegments(float rx, float ry) {
  const double sum = std::fabs(static_cast<double>(rx)) + std::fabs(static_cast<double>(ry));
  int32_t segments = sum < kMaxOvalSegments ? static_cast<int32_t>(sum) : kMaxOvalSegments;
  if (!(sum >= 0)) segments = 0;  // not a number
  segments = std::max(segments, 12);
  return segments & ~3;
}

// A rectangle of the drawable given from the top-left corner, as GL counts
// rows: from the bottom.
GLRect FromBottom(const GLContext& c, int32_t x, int32_t y, int32_t width, int32_t height) {
  return {x, c.surface_height - y - height, width, height};
}

}  // namespace

String TGLVex2DDriver::ToString() const { return String("OpenGL"); }

std::vector<Ref<TGraphicsMode>> TGLVex2DDriver::GraphicsModes() {
  return GLGraphicsDriver()->GraphicsModes();
}

Ref<TGraphics> TGLVex2DDriver::AttachGraphics(int32_t widget, int32_t flags) {
  Ref<TGraphics> g = GLGraphicsDriver()->AttachGraphics(widget, flags);
  if (!g) return nullptr;
  return TVex2DGraphics::Create(g, Ref<TVex2DDriver>(this));
}

Ref<TGraphics> TGLVex2DDriver::CreateGraphics(int32_t width, int32_t height, int32_t depth,
                                              int32_t hertz, int32_t flags) {
  Ref<TGraphics> g = GLGraphicsDriver()->CreateGraphics(width, height, depth, hertz, flags);
  if (!g) return nullptr;
  return TVex2DGraphics::Create(g, Ref<TVex2DDriver>(this));
}

void TGLVex2DDriver::SetGraphics(const Ref<TGraphics>& g) {
  Ref<TVex2DGraphics> v = Cast<TVex2DGraphics>(g);
  if (!v) {
    // No 2D context: nothing may draw through this driver. A bare GL context
    // is handed on as it is, so raw GL can still draw into it.
    TVex2DGraphics::ClearCurrent();
    GLGraphicsDriver()->SetGraphics(g);
    return;
  }
  GLGraphicsDriver()->SetGraphics(v->_graphics);
  ResetGLContext(*v);
  v->MakeCurrent();
}

void TGLVex2DDriver::Flip(int32_t sync) { GLGraphicsDriver()->Flip(sync); }

Ref<TImageFrame> TGLVex2DDriver::CreateFrameFromPixmap(const Ref<TPixmap>& pixmap, int32_t flags) {
  return TGLImageFrame::CreateFromPixmap(pixmap, flags);
}

void TGLVex2DDriver::SetBlend(int32_t blend) { SetGLBlendMode(blend); }

void TGLVex2DDriver::SetAlpha(float alpha) {
  if (alpha > 1.0f) alpha = 1.0f;
  if (!(alpha >= 0.0f)) alpha = 0.0f;  // also not a number
  const auto byte = static_cast<uint32_t>(static_cast<uint8_t>(alpha * 255.0f));
  SetGLColor((CurrentGLContext().color & 0x00FFFFFFu) | byte << 24);
}

void TGLVex2DDriver::SetColor(int32_t red, int32_t green, int32_t blue) {
  SetGLColor((CurrentGLContext().color & 0xFF000000u) | PackRGB(red, green, blue));
}

void TGLVex2DDriver::SetClsColor(int32_t red, int32_t green, int32_t blue) {
  SetGLClearColor(0xFF000000u | PackRGB(red, green, blue));
}

void TGLVex2DDriver::SetViewport(int32_t x, int32_t y, int32_t width, int32_t height) {
  const GLContext& c = CurrentGLContext();
  const bool whole = x == 0 && y == 0 && width == c.surface_width && height == c.surface_height;
  SetGLScissor(!whole, FromBottom(c, x, y, width, height));
}

void TGLVex2DDriver::SetTransform(float ix, float iy, float jx, float jy) {
  CurrentGLContext().transform = GLTransform{ix, iy, jx, jy};
}

void TGLVex2DDriver::SetLineWidth(float width) {
  // GL refuses widths of 0 or less itself; not-a-number must not reach it.
  if (!(width > 0)) return;
  SetGLLineWidth(width);
}

void TGLVex2DDriver::Cls() { QueueGLClear(); }

void TGLVex2DDriver::Plot(float x, float y) {
  GLVertex* v = BeginGLPrimitive(0, GL_POINTS, 1);
  v[0] = {x + 0.5f, y + 0.5f, 0, 0};
  EndGLPrimitive();
}

void TGLVex2DDriver::DrawLine(float x0, float y0, float x1, float y1, float tx, float ty) {
  const GLTransform& t = CurrentGLContext().transform;
  GLVertex* v = BeginGLPrimitive(0, GL_LINES, 2);
  v[0] = {t.X(x0, y0, tx) + 0.5f, t.Y(x0, y0, ty) + 0.5f, 0, 0};
  v[1] = {t.X(x1, y1, tx) + 0.5f, t.Y(x1, y1, ty) + 0.5f, 0, 0};
  EndGLPrimitive();
}

void TGLVex2DDriver::DrawRect(float x0, float y0, float x1, float y1, float tx, float ty) {
  const GLTransform& t = CurrentGLContext().transform;
  GLVertex* v = BeginGLPrimitive(0, GL_QUADS, 4);
  v[0] = {t.X(x0, y0, tx), t.Y(x0, y0, ty), 0, 0};
  v[1] = {t.X(x1, y0, tx), t.Y(x1, y0, ty), 0, 0};
  v[2] = {t.X(x1, y1, tx), t.Y(x1, y1, ty), 0, 0};
  v[3] = {t.X(x0, y1, tx), t.Y(x0, y1, ty), 0, 0};
  EndGLPrimitive();
}

void TGLVex2DDriver::DrawOval(float x0, float y0, float x1, float y1, float tx, float ty) {
  const float rx = (x1 - x0) * 0.5f;
  const float ry = (y1 - y0) * 0.5f;
  const int32_t segments = OvalSegments(rx, ry);
  const float cx = x0 + rx;
  const float cy = y0 + ry;
  const GLTransform& t = CurrentGLContext().transform;
  std::vector<GLVertex>& points = GLBack().polygon;
  points.resize(static_cast<size_t>(segments));
  for (int32_t i = 0; i < segments; ++i) {
    const float degrees = static_cast<float>(i) * 360.0f / static_cast<float>(segments);
    const double radians = degrees * 0.017453292519943295;
    const auto x = static_cast<float>(cx + std::cos(radians) * rx);
    const auto y = static_cast<float>(cy - std::sin(radians) * ry);
    points[static_cast<size_t>(i)] = {t.X(x, y, tx), t.Y(x, y, ty), 0, 0};
  }
  QueueGLPolygon(points.data(), segments);
}

void TGLVex2DDriver::DrawPoly(const std::vector<float>& xy, float handle_x, float handle_y,
                              float origin_x, float origin_y) {
  if (xy.size() < 6 || xy.size() % 2 != 0) return;
  const GLTransform& t = CurrentGLContext().transform;
  std::vector<GLVertex>& points = GLBack().polygon;
  points.resize(xy.size() / 2);
  for (size_t k = 0; k < xy.size(); k += 2) {
    const float x = xy[k] + handle_x;
    const float y = xy[k + 1] + handle_y;
    points[k / 2] = {t.X(x, y, origin_x), t.Y(x, y, origin_y), 0, 0};
  }
  QueueGLPolygon(points.data(), static_cast<int32_t>(points.size()));
}

void TGLVex2DDriver::DrawPixmap(const Ref<TPixmap>& pixmap, int32_t x, int32_t y) {
  if (!pixmap || pixmap->width <= 0 || pixmap->height <= 0) return;
  Ref<TPixmap> rgba = pixmap->format == FORMAT_RGBA32 ? pixmap : pixmap->Convert(FORMAT_RGBA32);
  if (rgba) DrawGLPixels(*rgba, x, y);
}

Ref<TPixmap> TGLVex2DDriver::GrabPixmap(int32_t x, int32_t y, int32_t width, int32_t height) {
  Ref<TPixmap> pixmap = CreatePixmap(width, height, FORMAT_RGBA32, 4);
  if (pixmap && width > 0 && height > 0) {
    ReadGLPixels(*pixmap, x, CurrentGLContext().surface_height - height - y);
    FlipRowsInPlace(*pixmap);  // GL reads bottom row first
  }
  return pixmap;
}

void TGLVex2DDriver::SetResolution(float width, float height) { SetGLProjection(width, height); }

void TGLVex2DDriver::SetSurface(int32_t width, int32_t height, int32_t area_x, int32_t area_y,
                                int32_t area_width, int32_t area_height) {
  GLContext& c = CurrentGLContext();
  c.surface_width = width;
  c.surface_height = height;
  SetGLViewport(FromBottom(c, area_x, area_y, area_width, area_height));
}

FrameStats TGLVex2DDriver::FrameStatistics() { return LastGLFrameStats(); }

Ref<TImageFrame> TGLVex2DDriver::CreateRenderFrame(int32_t width, int32_t height, int32_t flags) {
  return TGLRenderFrame::Create(width, height, flags);
}

int32_t TGLVex2DDriver::SetRenderTarget(const Ref<TImageFrame>& frame) {
  auto* target = dynamic_cast<TGLRenderFrame*>(frame.get());
  if (frame && !target) {
    NoteFailure("the frame is not one the GL driver can draw into");
    return 0;
  }
  return SetGLRenderTarget(target) ? 1 : 0;
}

Ref<TPixmap> TGLVex2DDriver::ReadRenderFrame(const Ref<TImageFrame>& frame) {
  auto* target = dynamic_cast<TGLRenderFrame*>(frame.get());
  return target ? target->ReadPixels() : nullptr;
}

void TGLVex2DDriver::WriteRenderFrame(const Ref<TImageFrame>& frame, const Ref<TPixmap>& pixmap) {
  auto* target = dynamic_cast<TGLRenderFrame*>(frame.get());
  if (target && pixmap) target->WritePixels(*pixmap);
}

Ref<TGLVex2DDriver> TGLVex2DDriver::Create() {
  if (!GLGraphicsDriver()) return nullptr;
  return Ref<TGLVex2DDriver>(this);
}

void TGLVex2DDriver::ResetGLContext(TGraphics& g) {
  int32_t width = 0, height = 0, depth = 0, hertz = 0, flags = 0;
  g.GetSettings(width, height, depth, hertz, flags);
  // What is queued was sent when the GL graphics driver changed context.
  ForgetHeldGLState();
  GLContext& c = CurrentGLContext();
  c.surface_width = width;
  c.surface_height = height;
  c.want.texture = 0;
  SetGLScissor(false, GLRect{});
  SetGLViewport(GLRect{0, 0, width, height});
  SetGLProjection(static_cast<float>(width), static_cast<float>(height));
}

Ref<TGLVex2DDriver> GLVex2DDriver() {
  Ref<TGLVex2DDriver>& driver = GLBack().shared.vex2d_driver;
  if (!driver) driver = New<TGLVex2DDriver>()->Create();
  return driver;
}

void InitGLVex2DDriver() {
  static bool done = false;
  if (!BeginModuleInit(done)) return;
  InitDraw2D();
  InitGLGraphics();
  RegisterClassRecord(typeid(TGLImageFrame));
  RegisterClassRecord(typeid(TGLRenderFrame));
  RegisterClassRecord(typeid(TGLVex2DDriver));
  ReadGLBatchSwitch();
  if (Ref<TGLVex2DDriver> driver = GLVex2DDriver()) SetGraphicsDriver(driver, GRAPHICS_BACK_BUFFER);
}

}  // namespace tazmix
