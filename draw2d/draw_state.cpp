#include "draw2d/draw_state.h"

#include <cmath>

#include "draw2d/vex2d_graphics.h"
#include "runtime/internal/degree_trig.h"

namespace tazmix {

namespace {

CollisionMatrix& CollisionRef() {
  static CollisionMatrix matrix;
  return matrix;
}

}  // namespace

void SetColor(int32_t red, int32_t green, int32_t blue) {
  TVex2DGraphics& g = CurrentGraphics();
  g.color_red = red;
  g.color_green = green;
  g.color_blue = blue;
  CurrentDriver().SetColor(red, green, blue);
}

void GetColor(int32_t& red, int32_t& green, int32_t& blue) {
  const TVex2DGraphics& g = CurrentGraphics();
  red = g.color_red;
  green = g.color_green;
  blue = g.color_blue;
}

void SetClsColor(int32_t red, int32_t green, int32_t blue) {
  TVex2DGraphics& g = CurrentGraphics();
  g.clscolor_red = red;
  g.clscolor_green = green;
  g.clscolor_blue = blue;
  CurrentDriver().SetClsColor(red, green, blue);
}

void GetClsColor(int32_t& red, int32_t& green, int32_t& blue) {
  const TVex2DGraphics& g = CurrentGraphics();
  red = g.clscolor_red;
  green = g.clscolor_green;
  blue = g.clscolor_blue;
}

void SetAlpha(float alpha) {
  CurrentGraphics().color_alpha = alpha;
  CurrentDriver().SetAlpha(alpha);
}

float GetAlpha() { return CurrentGraphics().color_alpha; }

void SetBlend(int32_t blend) {
  CurrentGraphics().blend_mode = blend;
  CurrentDriver().SetBlend(blend);
}

int32_t GetBlend() { return CurrentGraphics().blend_mode; }

void SetLineWidth(float width) {
  CurrentGraphics().line_width = width;
  CurrentDriver().SetLineWidth(width);
}

float GetLineWidth() { return CurrentGraphics().line_width; }

void SetViewport(int32_t x, int32_t y, int32_t width, int32_t height) {
  TVex2DGraphics& g = CurrentGraphics();
  g.viewport_x = x;
  g.viewport_y = y;
  g.viewport_w = width;
  g.viewport_h = height;
  CurrentDriver().SetViewport(x, y, width, height);
}

void GetViewport(int32_t& x, int32_t& y, int32_t& width, int32_t& height) {
  const TVex2DGraphics& g = CurrentGraphics();
  x = g.viewport_x;
  y = g.viewport_y;
  width = g.viewport_w;
  height = g.viewport_h;
}

void SetOrigin(float x, float y) {
  TVex2DGraphics& g = CurrentGraphics();
  g.origin_x = x;
  g.origin_y = y;
}

void GetOrigin(float& x, float& y) {
  const TVex2DGraphics& g = CurrentGraphics();
  x = g.origin_x;
  y = g.origin_y;
}

void SetHandle(float x, float y) {
  TVex2DGraphics& g = CurrentGraphics();
  g.handle_x = -x;
  g.handle_y = -y;
}

void GetHandle(float& x, float& y) {
  const TVex2DGraphics& g = CurrentGraphics();
  x = -g.handle_x;
  y = -g.handle_y;
}

void SetRotation(float degrees) {
  CurrentGraphics().tform_rot = degrees;
  UpdateTransform();
}

float GetRotation() { return CurrentGraphics().tform_rot; }

void SetScale(float x, float y) {
  TVex2DGraphics& g = CurrentGraphics();
  g.tform_scale_x = x;
  g.tform_scale_y = y;
  UpdateTransform();
}

void GetScale(float& x, float& y) {
  const TVex2DGraphics& g = CurrentGraphics();
  x = g.tform_scale_x;
  y = g.tform_scale_y;
}

void SetTransform(float degrees, float scale_x, float scale_y) {
  TVex2DGraphics& g = CurrentGraphics();
  g.tform_rot = degrees;
  g.tform_scale_x = scale_x;
  g.tform_scale_y = scale_y;
  UpdateTransform();
}

void SetImageFont(const Ref<TImageFont>& font) {
  CurrentGraphics().image_font = font ? font : Ref<TImageFont>(DefaultImageFont());
}

Ref<TImageFont> GetImageFont() { return CurrentGraphics().image_font; }

void UpdateTransform() {
  TVex2DGraphics& g = CurrentGraphics();
  double s = 0;
  double c = 0;
  SinCosDegrees(g.tform_rot, s, c);
  g.tform_ix = static_cast<float>(c * g.tform_scale_x);
  g.tform_iy = static_cast<float>(-s * g.tform_scale_y);
  g.tform_jx = static_cast<float>(s * g.tform_scale_x);
  g.tform_jy = static_cast<float>(c * g.tform_scale_y);
  CurrentDriver().SetTransform(g.tform_ix, g.tform_iy, g.tform_jx, g.tform_jy);
  CollisionRef() = CollisionMatrix{g.tform_ix, g.tform_iy, g.tform_jx, g.tform_jy};
}

const CollisionMatrix& CollisionTransform() { return CollisionRef(); }

}  // namespace tazmix
