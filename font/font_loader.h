// The chain of font loaders, newest first, and LoadFont, which asks it.
//
// A format module creates one loader while it initialises and adds it with
// AddFontLoader; LoadFont then reaches that format without naming it.
#pragma once

#include <cstdint>

#include "font.h"
#include "../runtime/object.h"
#include "../runtime/string.h"

namespace tazmix {

class TFontLoader : public Object {
 public:
  // The font for `url` at `size` pixels, or Null when this loader cannot load
  // that source. Abstract: the base raises the abstract-method exception.
  virtual Ref<TFont> LoadFont(const Ref<Object>& url, int32_t size, int32_t style);

  // The next loader of the chain, Null at its end.
  TFontLoader* Next() const { return _succ.get(); }

 private:
  friend void AddFontLoader(const Ref<TFontLoader>& loader);
  Ref<TFontLoader> _succ;
};

// Puts `loader` at the head of the chain. A loader already in the chain
// stays where it is, so adding one twice changes nothing; adding Null does
// nothing.
void AddFontLoader(const Ref<TFontLoader>& loader);

// The head of the chain (the newest loader), or Null.
TFontLoader* FirstFontLoader();

// Asks each loader, newest first, with the same arguments; the first font one
// of them gives, or Null when all decline. A loader's exception is not caught.
Ref<TFont> LoadFont(const Ref<Object>& url, int32_t size, int32_t style);
Ref<TFont> LoadFont(const String& url, int32_t size, int32_t style);

}  // namespace tazmix
