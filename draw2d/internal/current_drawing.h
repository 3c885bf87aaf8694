// The drawing layer's one state object: the current graphics, their 2D
// driver and the built-in font. The layer's own calls reach the current
// graphics and driver inline through it (every sprite asks for both); the
// public CurrentGraphics, CurrentDriver and CurrentVex2DDriver answer the
// same from outside.
#pragma once

#include "draw2d/image_font.h"
#include "draw2d/vex2d_driver.h"
#include "draw2d/vex2d_graphics.h"
#include "runtime/object.h"

namespace tazmix {

// The current graphics go before the font they were made with, and their
// driver before them.
struct Vex2DState {
  Ref<TImageFont> default_font;
  Ref<TVex2DGraphics> current;
  Ref<TVex2DDriver> driver;
};

inline Vex2DState& Vex2D() {
  static Vex2DState state;
  return state;
}

// The first drawing call of many a program comes before OpenGraphics: the
// text it dies with says which call and what to do.
[[noreturn]] void ThrowNoGraphics(const char* call);

inline TVex2DGraphics& DrawingGraphics(const char* call) {
  TVex2DGraphics* g = Vex2D().current.get();
  if (!g) [[unlikely]]
    ThrowNoGraphics(call);
  return *g;
}

inline TVex2DDriver& DrawingDriver(const char* call) {
  TVex2DDriver* d = Vex2D().driver.get();
  if (!d) [[unlikely]]
    ThrowNoGraphics(call);
  return *d;
}

}  // namespace tazmix
