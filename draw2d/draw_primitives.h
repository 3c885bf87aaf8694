/// \file
/// Shapes and pixmaps drawn into the current 2D graphics context, or into its
/// render image while it has one (render_image.h), which GrabPixmap then
/// reads. Positions get the origin added; shapes are placed by the context's
/// handle and turned by its matrix (Plot and the pixmap functions excepted). Colour, alpha and
/// blend mode come from the drawing state (draw_state.h).
///
/// Without open graphics each function raises TNullObjectException naming
/// itself ("DrawRect: no graphics are open; call OpenGraphics first").
///
/// \code{.cpp}
/// tazmix::Cls();
/// tazmix::SetColor(255, 0, 0);
/// tazmix::DrawRect(10, 10, 100, 50);
/// tazmix::SetLineWidth(3);
/// tazmix::DrawOvalOutline(200, 10, 80, 80);
/// tazmix::DrawLine(0, 0, 639, 479);
/// tazmix::DrawPoly({320, 200, 360, 280, 280, 280});  // a triangle
/// tazmix::Flip();
/// \endcode
/// \ingroup draw2d
/// \since 1.0
#pragma once

#include <cstdint>
#include <vector>

#include "../pixmap/pixmap.h"

namespace tazmix {

/// Clears the viewport to the cls colour (SetClsColor).
/// \throws Thrown (TNullObjectException naming Cls) without open graphics.
/// \since 1.0
void Cls();
/// Sets one pixel; the matrix and the handle are not applied.
/// \param x, y the point.
/// \throws Thrown (TNullObjectException naming Plot) without open graphics.
/// \since 1.0
void Plot(float x, float y);
/// Draws a line as wide as the line width.
/// \param x0, y0 the start.
/// \param x1, y1 the end.
/// \param last_pixel non-zero also plots the end point, which some back ends'
///   lines leave out.
/// \throws Thrown (TNullObjectException naming DrawLine) without open graphics.
/// \since 1.0
void DrawLine(float x0, float y0, float x1, float y1, int32_t last_pixel = 1);
/// Draws a filled rectangle.
/// \param x, y where the handle lands (the top left corner with no handle).
/// \param width, height the size.
/// \throws Thrown (TNullObjectException naming DrawRect) without open graphics.
/// \since 1.0
void DrawRect(float x, float y, float width, float height);
/// Draws a filled ellipse inside the rectangle.
/// \param x, y where the handle lands (the rectangle's top left corner with no handle).
/// \param width, height the rectangle's size.
/// \throws Thrown (TNullObjectException naming DrawOval) without open graphics.
/// \since 1.0
void DrawOval(float x, float y, float width, float height);
/// Draws a filled polygon.
/// \param xy the points (xy[2k], xy[2k+1]), at least three.
/// \throws Thrown (TNullObjectException naming DrawPoly) without open graphics.
/// \since 1.0
void DrawPoly(const std::vector<float>& xy);

/// Draws the outline of a rectangle: the band along the inside of what
/// DrawRect would draw, as thick as the line width, so an outline never
/// reaches beyond its filled shape. A 1-wide outline lights exactly the border
/// pixels. The width is measured like the shape, so SetScale and a virtual
/// resolution thicken it with the shape; a width that reaches across the shape
/// fills it; a width of 0 or less (or not a number) draws nothing. No part of
/// the band is drawn twice, so corners show no seams under alpha blending.
/// \param x, y where the handle lands.
/// \param width, height the size.
/// \throws Thrown (TNullObjectException naming DrawRectOutline) without open graphics.
/// \since 1.1
void DrawRectOutline(float x, float y, float width, float height);
/// Draws the outline of an ellipse: the band along the inside of what
/// DrawOval would draw, as thick as the line width (see DrawRectOutline).
/// \param x, y where the handle lands.
/// \param width, height the enclosing rectangle's size.
/// \throws Thrown (TNullObjectException naming DrawOvalOutline) without open graphics.
/// \since 1.1
void DrawOvalOutline(float x, float y, float width, float height);
/// Draws the outline of the polygon through the points, closed, as thick as
/// the line width (see DrawRectOutline). Exact for convex polygons; a concave
/// one keeps within its edges while the width stays below the size of its
/// notches.
/// \param xy the points (xy[2k], xy[2k+1]).
/// \throws Thrown (TNullObjectException naming DrawPolyOutline) without open graphics.
/// \since 1.1
void DrawPolyOutline(const std::vector<float>& xy);

/// Copies the pixels at (x, y): no origin, handle or matrix.
/// \param pixmap the pixels; Null draws nothing.
/// \param x, y where the top left pixel goes, in context pixels.
/// \throws Thrown (TNullObjectException naming DrawPixmap) without open graphics.
/// \since 1.0
void DrawPixmap(const Ref<TPixmap>& pixmap, int32_t x, int32_t y);
/// Reads the context's pixels in a rectangle (what has been drawn this frame).
/// \param x, y the rectangle's top left corner, in window pixels.
/// \param width, height its size.
/// \return a new pixmap, clipped to the context (at the size the window has
///   now); Null for a negative size or when the rectangle has pixels but none
///   of them lies on the context.
/// \throws Thrown (TNullObjectException naming GrabPixmap) without open graphics.
/// \since 1.0
Ref<TPixmap> GrabPixmap(int32_t x, int32_t y, int32_t width, int32_t height);

}  // namespace tazmix
