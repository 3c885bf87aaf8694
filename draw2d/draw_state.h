/// \file
/// Reading and changing the drawing state of the current 2D graphics context.
/// Each setter stores the value in the current graphics and, where the driver
/// holds that state too, passes it on unclamped. The state belongs to the
/// graphics: it survives Flip and comes back when the graphics is made
/// current again.
///
/// Without open graphics every function here raises TNullObjectException
/// naming itself:
///
///     SetColor: no graphics are open; call OpenGraphics first
///
/// Colours run from 0 to 255 each and alpha from 0 to 1; the driver clamps
/// what lies outside. The first value out of range that each of SetColor,
/// SetClsColor and SetAlpha gets is told in a line, e.g.
/// `SetAlpha(128): alpha runs from 0 to 1; 1 was used`, and later ones pass
/// silently, so a mistake made every frame is told once.
///
/// \code{.cpp}
/// tazmix::SetClsColor(0, 0, 64);
/// tazmix::SetBlend(tazmix::BLEND_ALPHA);
/// tazmix::SetColor(255, 200, 0);
/// tazmix::SetAlpha(0.5f);
/// tazmix::SetRotation(45);
/// tazmix::SetHandle(16, 16);  // shapes turn about their middle
/// tazmix::DrawRect(100, 100, 32, 32);
/// tazmix::SetTransform(0, 1, 1);  // back to no rotation, scale 1
/// \endcode
/// \ingroup draw2d
/// \since 1.0
#pragma once

#include <cstdint>

#include "image_font.h"
#include "../runtime/object.h"

namespace tazmix {

/// Sets the colour multiplied into everything drawn (white at start).
/// Colours run from 0 to 255 each; the driver clamps what lies outside, and
/// the first value out of range is told in a line, e.g.
/// `SetColor(300, 0, 0): each value runs from 0 to 255; 255, 0, 0 were used`;
/// later ones pass silently, so a mistake made every frame is told once.
/// \param red, green, blue 0..255 each.
/// \throws Thrown (TNullObjectException naming SetColor) without open graphics.
/// \since 1.0
void SetColor(int32_t red, int32_t green, int32_t blue);
/// Reads the colour SetColor stored.
/// \param[out] red, green, blue the colour, as given (unclamped).
/// \throws Thrown (TNullObjectException naming GetColor) without open graphics.
/// \since 1.0
void GetColor(int32_t& red, int32_t& green, int32_t& blue);
/// Sets the colour Cls clears to (black at start); out of range as SetColor,
/// told once in its own line.
/// \param red, green, blue 0..255 each.
/// \throws Thrown (TNullObjectException naming SetClsColor) without open graphics.
/// \since 1.0
void SetClsColor(int32_t red, int32_t green, int32_t blue);
/// Reads the clear colour.
/// \param[out] red, green, blue the colour, as given.
/// \throws Thrown (TNullObjectException naming GetClsColor) without open graphics.
/// \since 1.0
void GetClsColor(int32_t& red, int32_t& green, int32_t& blue);
/// Sets the alpha applied to everything drawn (1 at start); it shows with
/// BLEND_ALPHA and BLEND_LIGHT. A value out of range is clamped by the driver
/// and the first one told, e.g. `SetAlpha(128): alpha runs from 0 to 1; 1 was used`.
/// \param alpha 0 (invisible) .. 1 (opaque).
/// \throws Thrown (TNullObjectException naming SetAlpha) without open graphics.
/// \since 1.0
void SetAlpha(float alpha);
/// \return the alpha SetAlpha stored.
/// \throws Thrown (TNullObjectException naming GetAlpha) without open graphics.
/// \since 1.0
float GetAlpha();
/// Sets how drawing meets the pixels below (BLEND_MASK at start).
/// \param blend BLEND_MASK, BLEND_SOLID, BLEND_ALPHA, BLEND_LIGHT or BLEND_SHADE.
/// \throws Thrown (TNullObjectException naming SetBlend) without open graphics.
/// \since 1.0
void SetBlend(int32_t blend);
/// \return the blend mode.
/// \throws Thrown (TNullObjectException naming GetBlend) without open graphics.
/// \since 1.0
int32_t GetBlend();
/// Sets the width of lines and outlines (1 at start), in drawing units.
/// \param width the width.
/// \throws Thrown (TNullObjectException naming SetLineWidth) without open graphics.
/// \since 1.0
void SetLineWidth(float width);
/// \return the line width.
/// \throws Thrown (TNullObjectException naming GetLineWidth) without open graphics.
/// \since 1.0
float GetLineWidth();
/// Restricts drawing (and Cls, TileImage) to a rectangle; the whole context at
/// start.
/// \param x, y the rectangle's top left corner, in drawing coordinates.
/// \param width, height its size.
/// \throws Thrown (TNullObjectException naming SetViewport) without open graphics.
/// \since 1.0
void SetViewport(int32_t x, int32_t y, int32_t width, int32_t height);
/// Reads the viewport.
/// \param[out] x, y its top left corner.
/// \param[out] width, height its size.
/// \throws Thrown (TNullObjectException naming GetViewport) without open graphics.
/// \since 1.0
void GetViewport(int32_t& x, int32_t& y, int32_t& width, int32_t& height);

/// Sets the offset added to every drawing position; not sent to the driver.
/// \param x, y the offset.
/// \throws Thrown (TNullObjectException naming SetOrigin) without open graphics.
/// \since 1.0
void SetOrigin(float x, float y);
/// Reads the origin.
/// \param[out] x, y the offset.
/// \throws Thrown (TNullObjectException naming GetOrigin) without open graphics.
/// \since 1.0
void GetOrigin(float& x, float& y);
/// Sets the point of every shape and text that lands on the drawing position
/// (images use their own handle instead); not sent to the driver.
/// \param x, y the point, in the shape's own units from its top left corner.
/// \throws Thrown (TNullObjectException naming SetHandle) without open graphics.
/// \since 1.0
void SetHandle(float x, float y);
/// Reads the handle.
/// \param[out] x, y the point as SetHandle gave it.
/// \throws Thrown (TNullObjectException naming GetHandle) without open graphics.
/// \since 1.0
void GetHandle(float& x, float& y);

/// Sets the rotation of shapes, text and images; recomputes the 2x2 matrix.
/// \param degrees clockwise on screen (y points down).
/// \throws Thrown (TNullObjectException naming SetRotation) without open graphics.
/// \since 1.0
void SetRotation(float degrees);
/// \return the rotation in degrees.
/// \throws Thrown (TNullObjectException naming GetRotation) without open graphics.
/// \since 1.0
float GetRotation();
/// Sets the scale of shapes, text and images; recomputes the 2x2 matrix.
/// \param x, y the factors; negative ones mirror.
/// \throws Thrown (TNullObjectException naming SetScale) without open graphics.
/// \since 1.0
void SetScale(float x, float y);
/// Reads the scale.
/// \param[out] x, y the factors.
/// \throws Thrown (TNullObjectException naming GetScale) without open graphics.
/// \since 1.0
void GetScale(float& x, float& y);
/// Sets rotation and scale at once; one recomputation of the matrix.
/// \param degrees the rotation.
/// \param scale_x, scale_y the scale factors.
/// \throws Thrown (TNullObjectException naming SetTransform) without open graphics.
/// \since 1.0
void SetTransform(float degrees, float scale_x, float scale_y);

/// Sets the font of DrawText, TextWidth and TextHeight.
/// \param font the font; Null selects the built-in font.
/// \throws Thrown (TNullObjectException naming SetImageFont) without open graphics.
/// \since 1.0
void SetImageFont(const Ref<TImageFont>& font);
/// \return the current font (the built-in one unless another was set).
/// \throws Thrown (TNullObjectException naming GetImageFont) without open graphics.
/// \since 1.0
Ref<TImageFont> GetImageFont();

/// Recomputes the matrix from rotation and scale, sends it to the driver and
/// keeps a copy for the collision tests. The setters above call it.
/// \throws Thrown (TNullObjectException naming UpdateTransform) without open graphics.
/// \since 1.0
void UpdateTransform();

/// The matrix as UpdateTransform last computed it, read by image collision:
/// a local point (x, y) lands at (x*ix + y*iy, x*jx + y*jy).
/// \since 1.0
struct CollisionMatrix {
  /// Row 1, column 1. \since 1.0
  float ix = 1.0f;
  /// Row 1, column 2. \since 1.0
  float iy = 0;
  /// Row 2, column 1. \since 1.0
  float jx = 0;
  /// Row 2, column 2. \since 1.0
  float jy = 1.0f;
};
/// \return the matrix UpdateTransform last computed (the identity at start);
///   needs no graphics. \since 1.0
const CollisionMatrix& CollisionTransform();

}  // namespace tazmix
