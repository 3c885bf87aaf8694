#include "pixmap/pixmap_module.h"

#include <typeinfo>

#include "pixmap/pixmap.h"
#include "runtime/application.h"

namespace tazmix {

void InitPixmap() {
  static bool done = false;
  if (!BeginModuleInit(done)) return;
  RegisterClassRecord(typeid(TPixmap));
}

}  // namespace tazmix
