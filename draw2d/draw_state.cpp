#include "draw2d/draw_state.h"

#include <algorithm>
#include <cmath>

#include "draw2d/internal/current_drawing.h"
#include "draw2d/vex2d_graphics.h"
#include "runtime/error_report.h"
#include "runtime/internal/degree_trig.h"

namespace tazmix {

namespace {

struct DrawStateModule {
  CollisionMatrix collision;
  // Whether each setter has told of a value out of range: once per run is
  // enough to find the mistake, and a program that makes it every frame (or
  // fades through 0..255) must not flood standard error.
  bool alpha_told = false;
  bool color_told = false;
  bool cls_color_told = false;
};

DrawStateModule& State() {
  static DrawStateModule state;
  return state;
}

// Colours run from 0 to 255 and alpha from 0 to 1; a value outside is
// clamped by the driver and told, since SetAlpha(128) in place of
// SetAlpha(0.5) would otherwise pass unnoticed. A value in range costs one
// or two comparisons, as these setters run every frame.
void TellColorOutOfRange(const char* call, bool& told, int32_t red, int32_t green, int32_t blue) {
  if (told) return;
  told = true;
  String given, used;
  for (const int32_t value : {red, green, blue}) {
    const String separator = given.IsEmpty() ? "" : ", ";
    given += separator + String::FromInt(value);
    used += separator + String::FromInt(std::clamp(value, 0, 255));
  }
  FailureScope scope(call, given);
  scope.Fail("each value runs from 0 to 255; " + used + " were used");
}

// The matrix of g's rotation and scale, to g, the driver and collisions.
// Every rotated sprite comes this way, so g is looked up once by the caller,
// and it is inlined there, so that the angle just set goes on in a register.
[[gnu::always_inline]] inline void ApplyTransform(TVex2DGraphics& g) {
  const auto [s, c] = SinCosDegrees(g.tform_rot);
  // Most rotated sprites are not scaled: the same matrix without the
  // multiplications, a few steps sooner.
  const bool unscaled = g.tform_scale_x == 1.0f && g.tform_scale_y == 1.0f;
  const CollisionMatrix m = unscaled
                                ? CollisionMatrix{static_cast<float>(c), static_cast<float>(-s), static_cast<float>(s),
                                                  static_cast<float>(c)}
                                : CollisionMatrix{
                                      static_cast<float>(c * g.tform_scale_x), static_cast<float>(-s * g.tform_scale_y),
                                      static_cast<float>(s * g.tform_scale_x), static_cast<float>(c * g.tform_scale_y)};
  g.tform_ix = m.ix;
  g.tform_iy = m.iy;
  g.tform_jx = m.jx;
  g.tform_jy = m.jy;
  State().collision = m;
  DrawingDriver("UpdateTransform").SetTransform(m.ix, m.iy, m.jx, m.jy);
}

// Any bit above the lowest eight: below 0 or above 255.
bool OutOfByteRange(int32_t red, int32_t green, int32_t blue) { return ((red | green | blue) & ~0xFF) != 0; }

}  // namespace

void SetColor(int32_t red, int32_t green, int32_t blue) {
  TVex2DGraphics& g = DrawingGraphics("SetColor");
  if (OutOfByteRange(red, green, blue)) TellColorOutOfRange("SetColor", State().color_told, red, green, blue);
  g.color_red = red;
  g.color_green = green;
  g.color_blue = blue;
  DrawingDriver("SetColor").SetColor(red, green, blue);
}

void GetColor(int32_t& red, int32_t& green, int32_t& blue) {
  const TVex2DGraphics& g = DrawingGraphics("GetColor");
  red = g.color_red;
  green = g.color_green;
  blue = g.color_blue;
}

void SetClsColor(int32_t red, int32_t green, int32_t blue) {
  TVex2DGraphics& g = DrawingGraphics("SetClsColor");
  if (OutOfByteRange(red, green, blue)) TellColorOutOfRange("SetClsColor", State().cls_color_told, red, green, blue);
  g.clscolor_red = red;
  g.clscolor_green = green;
  g.clscolor_blue = blue;
  DrawingDriver("SetClsColor").SetClsColor(red, green, blue);
}

void GetClsColor(int32_t& red, int32_t& green, int32_t& blue) {
  const TVex2DGraphics& g = DrawingGraphics("GetClsColor");
  red = g.clscolor_red;
  green = g.clscolor_green;
  blue = g.clscolor_blue;
}

void SetAlpha(float alpha) {
  DrawingGraphics("SetAlpha").color_alpha = alpha;
  if (!(alpha >= 0.0f && alpha <= 1.0f) && !State().alpha_told) {
    State().alpha_told = true;
    FailureScope scope("SetAlpha", NumberText(alpha));
    scope.Fail(String("alpha runs from 0 to 1; ") + (alpha > 1.0f ? "1" : "0") + " was used");
  }
  DrawingDriver("SetAlpha").SetAlpha(alpha);
}

float GetAlpha() { return DrawingGraphics("GetAlpha").color_alpha; }

void SetBlend(int32_t blend) {
  DrawingGraphics("SetBlend").blend_mode = blend;
  DrawingDriver("SetBlend").SetBlend(blend);
}

int32_t GetBlend() { return DrawingGraphics("GetBlend").blend_mode; }

void SetLineWidth(float width) {
  DrawingGraphics("SetLineWidth").line_width = width;
  DrawingDriver("SetLineWidth").SetLineWidth(width);
}

float GetLineWidth() { return DrawingGraphics("GetLineWidth").line_width; }

void SetViewport(int32_t x, int32_t y, int32_t width, int32_t height) {
  TVex2DGraphics& g = DrawingGraphics("SetViewport");
  g.viewport_x = x;
  g.viewport_y = y;
  g.viewport_w = width;
  g.viewport_h = height;
  DrawingDriver("SetViewport").SetViewport(x, y, width, height);
}

void GetViewport(int32_t& x, int32_t& y, int32_t& width, int32_t& height) {
  const TVex2DGraphics& g = DrawingGraphics("GetViewport");
  x = g.viewport_x;
  y = g.viewport_y;
  width = g.viewport_w;
  height = g.viewport_h;
}

void SetOrigin(float x, float y) {
  TVex2DGraphics& g = DrawingGraphics("SetOrigin");
  g.origin_x = x;
  g.origin_y = y;
}

void GetOrigin(float& x, float& y) {
  const TVex2DGraphics& g = DrawingGraphics("GetOrigin");
  x = g.origin_x;
  y = g.origin_y;
}

void SetHandle(float x, float y) {
  TVex2DGraphics& g = DrawingGraphics("SetHandle");
  g.handle_x = -x;
  g.handle_y = -y;
}

void GetHandle(float& x, float& y) {
  const TVex2DGraphics& g = DrawingGraphics("GetHandle");
  x = -g.handle_x;
  y = -g.handle_y;
}

void SetRotation(float degrees) {
  TVex2DGraphics& g = DrawingGraphics("SetRotation");
  g.tform_rot = degrees;
  ApplyTransform(g);
}

float GetRotation() { return DrawingGraphics("GetRotation").tform_rot; }

void SetScale(float x, float y) {
  TVex2DGraphics& g = DrawingGraphics("SetScale");
  g.tform_scale_x = x;
  g.tform_scale_y = y;
  ApplyTransform(g);
}

void GetScale(float& x, float& y) {
  const TVex2DGraphics& g = DrawingGraphics("GetScale");
  x = g.tform_scale_x;
  y = g.tform_scale_y;
}

void SetTransform(float degrees, float scale_x, float scale_y) {
  TVex2DGraphics& g = DrawingGraphics("SetTransform");
  g.tform_rot = degrees;
  g.tform_scale_x = scale_x;
  g.tform_scale_y = scale_y;
  ApplyTransform(g);
}

void SetImageFont(const Ref<TImageFont>& font) {
  DrawingGraphics("SetImageFont").image_font = font ? font : Ref<TImageFont>(DefaultImageFont());
}

Ref<TImageFont> GetImageFont() { return DrawingGraphics("GetImageFont").image_font; }

void UpdateTransform() { ApplyTransform(DrawingGraphics("UpdateTransform")); }

const CollisionMatrix& CollisionTransform() { return State().collision; }

}  // namespace tazmix
