#include "draw2d/virtual_resolution.h"

#include "draw2d/vex2d_graphics.h"
#include "graphics/graphics.h"
#include "system/polled_input.h"
#include "system/system_driver.h"

namespace tazmix {

namespace {

// Virtual units per window pixel; without a context size there is nothing to
// scale against, so the mouse stays in window pixels instead of becoming
// infinite.
float MouseScale(float virtual_size, int32_t pixels) {
  return pixels != 0 ? virtual_size / static_cast<float>(pixels) : 1.0f;
}

}  // namespace

void SetVirtualResolution(float width, float height) {
  TVex2DGraphics& g = CurrentGraphics();
  g.vres_width = width;
  g.vres_height = height;
  g.vres_mousexscale = MouseScale(width, GraphicsWidth());
  g.vres_mouseyscale = MouseScale(height, GraphicsHeight());
  CurrentDriver().SetResolution(width, height);
}

float VirtualResolutionWidth() { return CurrentGraphics().vres_width; }
float VirtualResolutionHeight() { return CurrentGraphics().vres_height; }

float VirtualMouseX() { return static_cast<float>(MouseX()) * CurrentGraphics().vres_mousexscale; }
float VirtualMouseY() { return static_cast<float>(MouseY()) * CurrentGraphics().vres_mouseyscale; }
float VirtualMouseXSpeed() { return static_cast<float>(MouseXSpeed()) * CurrentGraphics().vres_mousexscale; }
float VirtualMouseYSpeed() { return static_cast<float>(MouseYSpeed()) * CurrentGraphics().vres_mouseyscale; }

void MoveVirtualMouse(float x, float y) {
  const TVex2DGraphics& g = CurrentGraphics();
  MoveMouse(FloatToInt(x / g.vres_mousexscale), FloatToInt(y / g.vres_mouseyscale));
}

}  // namespace tazmix
