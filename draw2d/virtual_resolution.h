// Virtual resolution: drawing coordinates that span the whole context
// whatever its pixel size, and the mouse seen in those coordinates.
//
// A program that sets one keeps drawing in its own coordinates when the
// window changes size (GRAPHICS_RESIZABLE, the full-screen switch):
// stretched over the whole window, or letterboxed into the largest centred
// rectangle of its own shape, the bars showing the clear colour. Without one,
// drawing coordinates stay window pixels and follow the window's new size.
#pragma once

#include <cstdint>

namespace tazmix {

// How a virtual resolution meets a window of another shape.
constexpr int32_t VIRTUAL_STRETCH = 0;    // spans the whole window (at start)
constexpr int32_t VIRTUAL_LETTERBOX = 1;  // keeps its shape, centred

// Drawing coordinates 0..width and 0..height span the context (or, with
// VIRTUAL_LETTERBOX, its centred part); the mouse factors become width and
// height over that area's pixels.
void SetVirtualResolution(float width, float height);
float VirtualResolutionWidth();
float VirtualResolutionHeight();
// VIRTUAL_STRETCH or VIRTUAL_LETTERBOX, applied at once; other values are
// taken as VIRTUAL_STRETCH.
void SetVirtualResolutionFit(int32_t fit);
int32_t VirtualResolutionFit();

// The polled mouse position and speeds in virtual units.
float VirtualMouseX();
float VirtualMouseY();
float VirtualMouseXSpeed();
float VirtualMouseYSpeed();
// Moves the pointer to a position given in virtual units.
void MoveVirtualMouse(float x, float y);

}  // namespace tazmix
