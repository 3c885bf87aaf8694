#include "glback/gl_vex2d_driver.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <typeinfo>

#include "draw2d/draw2d_module.h"
#include "draw2d/vex2d_graphics.h"
#include "glback/gl_graphics.h"
#include "glback/internal/gl_batch.h"
#include "glback/internal/gl_blend.h"
#include "glback/internal/gl_image_frame.h"
#include "glback/internal/gl_quad.h"
#include "glback/internal/gl_texture_cache.h"
#include "graphics/graphics.h"
#include "pixmap/pixel_format.h"
#include "pixmap/pixmap_flip.h"
#include "runtime/application.h"

namespace tazmix {

namespace {

// Red, green, blue, alpha as GL gets them.
uint8_t color[4] = {0, 0, 0, 0};
// The current context's drawable size, which may have changed since
// GraphicsWidth() and GraphicsHeight() were captured.
int32_t surface_width = 0;
int32_t surface_height = 0;

// More points than this could never be told apart on any screen; the limit
// keeps an absurdly large oval from taking seconds.
constexpr int32_t kMaxOvalSegments = 1 << 16;

uint8_t ClampByte(int32_t v) { return static_cast<uint8_t>(std::clamp(v, 0, 255)); }

// GL's current colour for raw GL after the driver, and the colour of the
// vertices to come.
void SendColor() {
  glColor4ub(color[0], color[1], color[2], color[3]);
  SetGLBatchColor(color);
}

// The projection's size and the GL viewport's size. When they agree,
// drawing units are pixels, which the batch's nearest sampling of 1:1 quads
// relies on; whatever changes either goes through here.
double ortho_width = 0;
double ortho_height = 0;
int32_t viewport_width = 0;
int32_t viewport_height = 0;

void UpdatePixelGrid() {
  SetGL2DPixelGrid(ortho_width == viewport_width && ortho_height == viewport_height);
}

void SetOrtho(double width, double height) {
  FlushGLBatch();
  ortho_width = width;
  ortho_height = height;
  UpdatePixelGrid();
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0, width, height, 0, -1, 1);
  glMatrixMode(GL_MODELVIEW);
}

// Drawing goes to the area (x, y, width, height) of a drawable of
// surface_width x surface_height pixels; y counts from the top.
void SetGLViewport(int32_t x, int32_t y, int32_t width, int32_t height) {
  FlushGLBatch();
  viewport_width = width;
  viewport_height = height;
  UpdatePixelGrid();
  glViewport(x, surface_height - y - height, width, height);
}

// The number of points of an oval with radii rx and ry.
int32_t OvalSegments(float rx, float ry) {
  const double sum = std::fabs(static_cast<double>(rx)) + std::fabs(static_cast<double>(ry));
  int32_t segments = sum < kMaxOvalSegments ? static_cast<int32_t>(sum) : kMaxOvalSegments;
  if (!(sum >= 0)) segments = 0;  // not a number
  segments = std::max(segments, 12);
  return segments & ~3;
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

void TGLVex2DDriver::SetBlend(int32_t blend) { ApplyGLBlend(blend); }

void TGLVex2DDriver::SetAlpha(float alpha) {
  if (alpha > 1.0f) alpha = 1.0f;
  if (!(alpha >= 0.0f)) alpha = 0.0f;  // also not a number
  color[3] = static_cast<uint8_t>(alpha * 255.0f);
  SendColor();
}

void TGLVex2DDriver::SetColor(int32_t red, int32_t green, int32_t blue) {
  color[0] = ClampByte(red);
  color[1] = ClampByte(green);
  color[2] = ClampByte(blue);
  SendColor();
}

void TGLVex2DDriver::SetClsColor(int32_t red, int32_t green, int32_t blue) {
  glClearColor(ClampByte(red) / 255.0f, ClampByte(green) / 255.0f, ClampByte(blue) / 255.0f, 1.0f);
}

void TGLVex2DDriver::SetViewport(int32_t x, int32_t y, int32_t width, int32_t height) {
  FlushGLBatch();
  if (x == 0 && y == 0 && width == surface_width && height == surface_height) {
    glDisable(GL_SCISSOR_TEST);
    return;
  }
  glEnable(GL_SCISSOR_TEST);
  glScissor(x, surface_height - y - height, width, height);
}

void TGLVex2DDriver::SetTransform(float ix, float iy, float jx, float jy) {
  SetCurrentGL2DTransform(ix, iy, jx, jy);
}

void TGLVex2DDriver::SetLineWidth(float width) {
  // GL refuses widths of 0 or less itself; not-a-number must not reach it.
  if (!(width > 0)) return;
  FlushGLBatch();
  glLineWidth(width);
}

void TGLVex2DDriver::Cls() {
  FlushGLBatch();
  glClear(GL_COLOR_BUFFER_BIT);
}

void TGLVex2DDriver::Plot(float x, float y) {
  DisableTexture();
  GLBatchVertex* v = BeginGLPrimitive(GLPrimitive::Points, 1);
  v[0].x = x + 0.5f;
  v[0].y = y + 0.5f;
  EndGLPrimitive();
}

void TGLVex2DDriver::DrawLine(float x0, float y0, float x1, float y1, float tx, float ty) {
  const GL2DTransform& t = CurrentGL2DTransform();
  DisableTexture();
  GLBatchVertex* v = BeginGLPrimitive(GLPrimitive::Lines, 2);
  v[0].x = t.X(x0, y0, tx) + 0.5f;
  v[0].y = t.Y(x0, y0, ty) + 0.5f;
  v[1].x = t.X(x1, y1, tx) + 0.5f;
  v[1].y = t.Y(x1, y1, ty) + 0.5f;
  EndGLPrimitive();
}

void TGLVex2DDriver::DrawRect(float x0, float y0, float x1, float y1, float tx, float ty) {
  const GL2DTransform& t = CurrentGL2DTransform();
  DisableTexture();
  GLBatchVertex* v = BeginGLPrimitive(GLPrimitive::Quads, 4);
  v[0].x = t.X(x0, y0, tx);
  v[0].y = t.Y(x0, y0, ty);
  v[1].x = t.X(x1, y0, tx);
  v[1].y = t.Y(x1, y0, ty);
  v[2].x = t.X(x1, y1, tx);
  v[2].y = t.Y(x1, y1, ty);
  v[3].x = t.X(x0, y1, tx);
  v[3].y = t.Y(x0, y1, ty);
  EndGLPrimitive();
}

void TGLVex2DDriver::DrawOval(float x0, float y0, float x1, float y1, float tx, float ty) {
  const float rx = (x1 - x0) * 0.5f;
  const float ry = (y1 - y0) * 0.5f;
  const int32_t segments = OvalSegments(rx, ry);
  const float cx = x0 + rx;
  const float cy = y0 + ry;
  const GL2DTransform& t = CurrentGL2DTransform();
  DisableTexture();
  GLBatchVertex* v = BeginGLPrimitive(GLPrimitive::Polygon, segments);
  for (int32_t i = 0; i < segments; ++i) {
    const float degrees = static_cast<float>(i) * 360.0f / static_cast<float>(segments);
    const double radians = degrees * 0.017453292519943295;
    const auto x = static_cast<float>(cx + std::cos(radians) * rx);
    const auto y = static_cast<float>(cy - std::sin(radians) * ry);
    v[i].x = t.X(x, y, tx);
    v[i].y = t.Y(x, y, ty);
  }
  EndGLPrimitive();
}

void TGLVex2DDriver::DrawPoly(const std::vector<float>& xy, float handle_x, float handle_y,
                              float origin_x, float origin_y) {
  if (xy.size() < 6 || xy.size() % 2 != 0) return;
  const GL2DTransform& t = CurrentGL2DTransform();
  DisableTexture();
  GLBatchVertex* v = BeginGLPrimitive(GLPrimitive::Polygon, static_cast<int32_t>(xy.size() / 2));
  for (size_t k = 0; k < xy.size(); k += 2) {
    const float x = xy[k] + handle_x;
    const float y = xy[k + 1] + handle_y;
    v[k / 2].x = t.X(x, y, origin_x);
    v[k / 2].y = t.Y(x, y, origin_y);
  }
  EndGLPrimitive();
}

void TGLVex2DDriver::DrawPixmap(const Ref<TPixmap>& pixmap, int32_t x, int32_t y) {
  if (!pixmap || pixmap->width <= 0 || pixmap->height <= 0) return;
  Ref<TPixmap> rgba = pixmap->format == FORMAT_RGBA32 ? pixmap : pixmap->Convert(FORMAT_RGBA32);
  if (!rgba) return;
  FlushGLBatch();
  const int32_t blend = AppliedGLBlend();
  DisableTexture();
  SetBlend(BLEND_SOLID);
  // Rows go downward from the top-left corner, where ResetGLContext's
  // projection puts (0, 0); glBitmap moves the raster position in window
  // pixels without drawing.
  glPixelZoom(1.0f, -1.0f);
  glRasterPos2i(0, 0);
  glBitmap(0, 0, 0, 0, static_cast<float>(x), static_cast<float>(-y), nullptr);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, rgba->pitch / 4);
  glDrawPixels(rgba->width, rgba->height, GL_RGBA, GL_UNSIGNED_BYTE, rgba->pixels);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  glPixelZoom(1.0f, 1.0f);
  SetBlend(blend);
}

Ref<TPixmap> TGLVex2DDriver::GrabPixmap(int32_t x, int32_t y, int32_t width, int32_t height) {
  FlushGLBatch();
  const int32_t blend = AppliedGLBlend();
  SetBlend(BLEND_SOLID);
  Ref<TPixmap> pixmap = CreatePixmap(width, height, FORMAT_RGBA32, 4);
  if (pixmap && width > 0 && height > 0) {
    glPixelStorei(GL_PACK_ROW_LENGTH, pixmap->pitch / 4);
    glReadPixels(x, surface_height - height - y, width, height, GL_RGBA, GL_UNSIGNED_BYTE,
                 pixmap->pixels);
    glPixelStorei(GL_PACK_ROW_LENGTH, 0);
    pixmap = YFlipPixmap(pixmap);
  }
  SetBlend(blend);
  return pixmap;
}

void TGLVex2DDriver::SetResolution(float width, float height) { SetOrtho(width, height); }

void TGLVex2DDriver::SetSurface(int32_t width, int32_t height, int32_t area_x, int32_t area_y,
                                int32_t area_width, int32_t area_height) {
  surface_width = width;
  surface_height = height;
  SetGLViewport(area_x, area_y, area_width, area_height);
}

Ref<TGLVex2DDriver> TGLVex2DDriver::Create() {
  if (!GLGraphicsDriver()) return nullptr;
  return Ref<TGLVex2DDriver>(this);
}

void TGLVex2DDriver::ResetGLContext(TGraphics& g) {
  int32_t width = 0, height = 0, depth = 0, hertz = 0, flags = 0;
  g.GetSettings(width, height, depth, hertz, flags);
  // Anything gathered belongs to the context it was gathered in; the GL
  // graphics driver draws it before it changes context.
  FlushGLBatch();
  ForgetGLBlend();
  ResetTextureCache();
  glDisable(GL_TEXTURE_2D);
  surface_width = width;
  surface_height = height;
  SetGLViewport(0, 0, width, height);
  SetOrtho(width, height);
  glLoadIdentity();
}

Ref<TGLVex2DDriver> GLVex2DDriver() {
  static bool made = false;
  static Ref<TGLVex2DDriver> driver;
  if (!made) {
    made = true;
    driver = New<TGLVex2DDriver>()->Create();
  }
  return driver;
}

void InitGLVex2DDriver() {
  static bool done = false;
  if (!BeginModuleInit(done)) return;
  InitDraw2D();
  InitGLGraphics();
  RegisterClassRecord(typeid(TGLImageFrame));
  RegisterClassRecord(typeid(TGLVex2DDriver));
  std::fill(std::begin(color), std::end(color), uint8_t{0});
  SetGLBatchColor(color);
  ReadGLBatchSwitch();
  if (Ref<TGLVex2DDriver> driver = GLVex2DDriver()) SetGraphicsDriver(driver, GRAPHICS_BACK_BUFFER);
}

}  // namespace tazmix
