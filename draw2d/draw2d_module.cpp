#include "draw2d/draw2d_module.h"

#include <typeinfo>

#include "draw2d/collision_quad.h"
#include "draw2d/image.h"
#include "draw2d/image_font.h"
#include "draw2d/internal/drawing_surface.h"
#include "draw2d/vex2d_driver.h"
#include "draw2d/vex2d_graphics.h"
#include "graphics/graphics.h"
#include "runtime/application.h"
#include "system/polled_input.h"

namespace tazmix {

void InitDraw2D() {
  static bool done = false;
  if (!BeginModuleInit(done)) return;
  InitPolledInput();
  InitGraphics();
  InitImages();
  InitImageFonts();
  RegisterClassRecord(typeid(TVex2DDriver));
  RegisterClassRecord(typeid(TVex2DGraphics));
  RegisterCollisionClasses();
  FollowWindowSizes();
}

}  // namespace tazmix
