// Virtual resolution: drawing coordinates that span the whole context
// whatever its pixel size, and the mouse seen in those coordinates.
#pragma once

#include <cstdint>

namespace tazmix {

// Drawing coordinates 0..width and 0..height span the context; the mouse
// factors become width / GraphicsWidth() and height / GraphicsHeight().
void SetVirtualResolution(float width, float height);
float VirtualResolutionWidth();
float VirtualResolutionHeight();

// The polled mouse position and speeds in virtual units.
float VirtualMouseX();
float VirtualMouseY();
float VirtualMouseXSpeed();
float VirtualMouseYSpeed();
// Moves the pointer to a position given in virtual units.
void MoveVirtualMouse(float x, float y);

}  // namespace tazmix
