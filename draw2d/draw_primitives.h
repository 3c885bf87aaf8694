// Shapes and pixmaps drawn into the current 2D graphics context, or into its
// render image while it has one (render_image.h), which GrabPixmap then
// reads. Positions get the origin added; shapes are placed by the context's
// handle and turned by its matrix (Plot and the pixmap functions excepted).
#pragma once

#include <cstdint>
#include <vector>

#include "../pixmap/pixmap.h"

namespace tazmix {

// Clears the viewport to the cls colour.
void Cls();
void Plot(float x, float y);
// A non-zero last_pixel also plots the end point, which some back ends'
// lines leave out.
void DrawLine(float x0, float y0, float x1, float y1, int32_t last_pixel = 1);
void DrawRect(float x, float y, float width, float height);
// Filled ellipse inside the rectangle.
void DrawOval(float x, float y, float width, float height);
// Filled polygon through the points (xy[2k], xy[2k+1]).
void DrawPoly(const std::vector<float>& xy);

// Outlines: the band along the inside of the shape that the filled function
// of the same name would draw, as thick as the line width (SetLineWidth), so
// an outline never reaches beyond its filled shape. A 1-wide outline of a
// rectangle lights exactly its border pixels. The width is measured like the
// shape, so SetScale and a virtual resolution thicken it with the shape; a
// width that reaches across the shape fills it; a width of 0 or less (or not
// a number) draws nothing. Colour, alpha, blend, handle, origin and matrix
// apply as to the filled shapes, and no part of the band is drawn twice, so
// corners show no seams under alpha blending.
void DrawRectOutline(float x, float y, float width, float height);
void DrawOvalOutline(float x, float y, float width, float height);
// The polygon through the points (xy[2k], xy[2k+1]), closed. Exact for
// convex polygons; a concave one keeps within its edges while the width
// stays below the size of its notches.
void DrawPolyOutline(const std::vector<float>& xy);

// Copies the pixels at (x, y): no origin, handle or matrix.
void DrawPixmap(const Ref<TPixmap>& pixmap, int32_t x, int32_t y);
// A new pixmap with the context's pixels in that rectangle, clipped to the
// context (window pixels); Null for a negative size or when the rectangle
// has pixels but none of them lies on the context.
Ref<TPixmap> GrabPixmap(int32_t x, int32_t y, int32_t width, int32_t height);

}  // namespace tazmix
