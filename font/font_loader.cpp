#include "font/font_loader.h"

#include "runtime/error_report.h"
#include "runtime/exception.h"
#include "stream/internal/url_subject.h"

namespace tazmix {

namespace {

// The chain keeps every loader for good.
Ref<TFontLoader>& ChainHead() {
  static Ref<TFontLoader> head;
  return head;
}

}  // namespace

Ref<TFont> TFontLoader::LoadFont(const Ref<Object>&, int32_t, int32_t) { ThrowNullMethod(); }

void AddFontLoader(const Ref<TFontLoader>& loader) {
  if (!loader) return;
  Ref<TFontLoader>& head = ChainHead();
  // A linked loader has a successor, but the chain's last loader has none;
  // linking that one again would close the chain into a ring that LoadFont
  // never leaves, so membership is checked by walking the chain.
  for (TFontLoader* l = head.get(); l; l = l->Next()) {
    if (l == loader.get()) return;
  }
  loader->_succ = head;
  head = loader;
}

TFontLoader* FirstFontLoader() { return ChainHead().get(); }

Ref<TFont> LoadFont(const Ref<Object>& url, int32_t size, int32_t style) {
  FailureScope scope("LoadFont", UrlSubject(url) + ", " + String::FromInt(size));
  if (!FirstFontLoader()) {
    scope.Fail("no font loader is installed: call InitTazmix() or InitFreeTypeFont() first");
    return nullptr;
  }
  for (TFontLoader* l = FirstFontLoader(); l; l = l->Next()) {
    if (Ref<TFont> font = l->LoadFont(url, size, style)) return font;
  }
  scope.Fail("no loader for this format");
  return nullptr;
}

Ref<TFont> LoadFont(const String& url, int32_t size, int32_t style) {
  return LoadFont(Ref<Object>(url.AsObject()), size, style);
}

}  // namespace tazmix
