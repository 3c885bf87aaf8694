// The PNG loader's entry points, the same on every platform; the decoding
// itself is each platform's (pixmap/internal/png_decode.h).
#include <typeinfo>

#include "pixmap/internal/png_decode.h"
#include "pixmap/pixmap_module.h"
#include "pixmap/png_loader.h"
#include "runtime/application.h"
#include "runtime/error_report.h"
#include "stream/internal/url_subject.h"
#include "stream/stream_factory.h"

namespace tazmix {

// In the chain a stream that holds no PNG is declined quietly: another loader
// may know it.
Ref<TPixmap> TPixmapLoaderPNG::LoadPixmap(const Ref<TStream>& stream) {
  return DecodePNG(ReadStream(Ref<Object>(stream)));
}

Ref<TPixmap> LoadPixmapPNG(const Ref<Object>& url) {
  FailureScope scope("LoadPixmapPNG", UrlSubject(url));
  return scope.Check(DecodePNG(ReadStream(url)), "not a PNG file");
}

Ref<TPixmap> LoadPixmapPNG(const String& url) { return LoadPixmapPNG(Ref<Object>(url.AsObject())); }

int32_t SavePixmapPNG(const Ref<TPixmap>& pixmap, const String& url, int32_t compression) {
  return SavePixmapPNG(pixmap, Ref<Object>(url.AsObject()), compression);
}

void InitPNGLoader() {
  static bool done = false;
  if (!BeginModuleInit(done)) return;
  InitPixmap();
  RegisterClassRecord(typeid(TPixmapLoaderPNG));
  New<TPixmapLoaderPNG>();  // joins the loader chain at its head
}

}  // namespace tazmix
