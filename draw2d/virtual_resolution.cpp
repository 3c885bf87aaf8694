#include "draw2d/virtual_resolution.h"

#include "draw2d/internal/current_drawing.h"
#include "draw2d/internal/drawing_surface.h"
#include "draw2d/vex2d_graphics.h"
#include "system/polled_input.h"
#include "system/system_driver.h"

namespace tazmix {

void SetVirtualResolution(float width, float height) {
  TVex2DGraphics& g = DrawingGraphics("SetVirtualResolution");
  g.vres_own = 1;  // no longer follows the window's size
  ApplyVirtualResolution(width, height);
}

float VirtualResolutionWidth() { return DrawingGraphics("VirtualResolutionWidth").vres_width; }
float VirtualResolutionHeight() { return DrawingGraphics("VirtualResolutionHeight").vres_height; }

void SetVirtualResolutionFit(int32_t fit) {
  TVex2DGraphics& g = DrawingGraphics("SetVirtualResolutionFit");
  g.vres_fit = fit == VIRTUAL_LETTERBOX ? VIRTUAL_LETTERBOX : VIRTUAL_STRETCH;
  ApplyVirtualResolution(g.vres_width, g.vres_height);
}

int32_t VirtualResolutionFit() { return DrawingGraphics("VirtualResolutionFit").vres_fit; }

float VirtualMouseX() {
  const float x = static_cast<float>(MouseX());
  const TVex2DGraphics& g = DrawingGraphics("VirtualMouseX");
  return (x - g.vres_mousexorigin) * g.vres_mousexscale;
}

float VirtualMouseY() {
  const float y = static_cast<float>(MouseY());
  const TVex2DGraphics& g = DrawingGraphics("VirtualMouseY");
  return (y - g.vres_mouseyorigin) * g.vres_mouseyscale;
}

float VirtualMouseXSpeed() {
  return static_cast<float>(MouseXSpeed()) * DrawingGraphics("VirtualMouseXSpeed").vres_mousexscale;
}

float VirtualMouseYSpeed() {
  return static_cast<float>(MouseYSpeed()) * DrawingGraphics("VirtualMouseYSpeed").vres_mouseyscale;
}

void MoveVirtualMouse(float x, float y) {
  const TVex2DGraphics& g = DrawingGraphics("MoveVirtualMouse");
  MoveMouse(FloatToInt(x / g.vres_mousexscale + g.vres_mousexorigin),
            FloatToInt(y / g.vres_mouseyscale + g.vres_mouseyorigin));
}

}  // namespace tazmix
