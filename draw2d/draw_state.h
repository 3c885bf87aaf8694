// Reading and changing the drawing state of the current 2D graphics context.
// Each setter stores the value in the current graphics and, where the driver
// holds that state too, passes it on unclamped. Without open graphics every
// function here raises TNullObjectException naming itself:
//   SetColor: no graphics are open; call OpenGraphics first
#pragma once

#include <cstdint>

#include "image_font.h"
#include "../runtime/object.h"

namespace tazmix {

// Colours run from 0 to 255 each and alpha from 0 to 1; the driver clamps
// what lies outside. The first value out of range that each of SetColor,
// SetClsColor and SetAlpha gets is told in a line, e.g.
//   SetAlpha(128): alpha runs from 0 to 1; 1 was used
// and later ones pass silently, so a mistake made every frame is told once.
void SetColor(int32_t red, int32_t green, int32_t blue);
void GetColor(int32_t& red, int32_t& green, int32_t& blue);
void SetClsColor(int32_t red, int32_t green, int32_t blue);
void GetClsColor(int32_t& red, int32_t& green, int32_t& blue);
void SetAlpha(float alpha);
float GetAlpha();
void SetBlend(int32_t blend);
int32_t GetBlend();
void SetLineWidth(float width);
float GetLineWidth();
void SetViewport(int32_t x, int32_t y, int32_t width, int32_t height);
void GetViewport(int32_t& x, int32_t& y, int32_t& width, int32_t& height);

// Added to every drawing position; not sent to the driver.
void SetOrigin(float x, float y);
void GetOrigin(float& x, float& y);
// The point of every shape and text that lands on the drawing position
// (images use their own handle instead); not sent to the driver.
void SetHandle(float x, float y);
void GetHandle(float& x, float& y);

// Rotation in degrees and scale; each recomputes the 2x2 matrix.
void SetRotation(float degrees);
float GetRotation();
void SetScale(float x, float y);
void GetScale(float& x, float& y);
void SetTransform(float degrees, float scale_x, float scale_y);

// The font of DrawText, TextWidth and TextHeight; Null selects the built-in font.
void SetImageFont(const Ref<TImageFont>& font);
Ref<TImageFont> GetImageFont();

// Recomputes the matrix from rotation and scale, sends it to the driver and
// keeps a copy for the collision tests.
void UpdateTransform();

// The matrix as UpdateTransform last computed it, read by image collision.
struct CollisionMatrix {
  float ix = 1.0f;
  float iy = 0;
  float jx = 0;
  float jy = 1.0f;
};
const CollisionMatrix& CollisionTransform();

}  // namespace tazmix
