#include "pixmap/pixmap_module.h"

#include <typeinfo>

#include "pixmap/pixmap.h"
#include "pixmap/pixmap_loader.h"
#include "runtime/application.h"
#include "stream/stream_module.h"

namespace tazmix {

void InitPixmap() {
  static bool done = false;
  if (!BeginModuleInit(done)) return;
  InitStream();
  RegisterClassRecord(typeid(TPixmap));
  RegisterClassRecord(typeid(TPixmapLoader));
}

}  // namespace tazmix
