#include "glback/tazmix_module.h"

#include "font/freetype_font.h"
#include "glback/gl_vex2d_driver.h"
#include "pixmap/png_loader.h"
#include "runtime/application.h"
#include "runtime/random.h"
#include "stream/bank_stream.h"
#include "stream/filesystem.h"
#include "system/timer.h"

namespace tazmix {

void InitTazmix() {
  static bool done = false;
  if (!BeginModuleInit(done)) return;
  InitRandom();
  InitFileSystem();
  InitBankStream();
  InitTimers();
  InitGLVex2DDriver();
  InitFreeTypeFont();
  InitPNGLoader();
}

}  // namespace tazmix
