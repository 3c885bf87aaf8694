#include "font/font_module.h"

#include <typeinfo>

#include "font/font.h"
#include "font/font_loader.h"
#include "pixmap/pixmap_module.h"
#include "runtime/application.h"

namespace tazmix {

void InitFont() {
  static bool done = false;
  if (!BeginModuleInit(done)) return;
  InitPixmap();
  RegisterClassRecord(typeid(TGlyph));
  RegisterClassRecord(typeid(TFont));
  RegisterClassRecord(typeid(TFontLoader));
}

}  // namespace tazmix
