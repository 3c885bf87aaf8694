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
// Copies the pixels at (x, y): no origin, handle or matrix.
void DrawPixmap(const Ref<TPixmap>& pixmap, int32_t x, int32_t y);
// A new pixmap with the context's pixels in that rectangle, clipped to the
// context (window pixels); Null for a negative size or when the rectangle
// has pixels but none of them lies on the context.
Ref<TPixmap> GrabPixmap(int32_t x, int32_t y, int32_t width, int32_t height);

}  // namespace tazmix
