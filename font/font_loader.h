/// \file
/// The chain of font loaders, newest first, and LoadFont, which asks it.
///
/// A format module creates one loader while it initialises and adds it with
/// AddFontLoader; LoadFont then reaches that format without naming it.
///
/// \code{.cpp}
/// tazmix::Ref<tazmix::TFont> font = tazmix::LoadFont("DejaVuSans.ttf", 16, 0);
/// if (!font) return;  // LoadFont("DejaVuSans.ttf", 16): can't open the file: No such file or directory
/// \endcode
/// \ingroup font
/// \since 1.0
#pragma once

#include <cstdint>

#include "font.h"
#include "../runtime/object.h"
#include "../runtime/string.h"

namespace tazmix {

/// One loader of the chain: knows one kind of font source.
/// \since 1.0
class TFontLoader : public Object {
 public:
  /// Loads a font. Abstract: the base raises the abstract-method exception.
  /// \param url the source as given to LoadFont.
  /// \param size the pixel size.
  /// \param style style flags (FONT_SMOOTH).
  /// \return the font, or Null when this loader cannot load that source.
  /// \since 1.0
  virtual Ref<TFont> LoadFont(const Ref<Object>& url, int32_t size, int32_t style);

  /// \return the next loader of the chain, nullptr at its end. \since 1.0
  TFontLoader* Next() const { return _succ.get(); }

 private:
  /// \cond
  friend void AddFontLoader(const Ref<TFontLoader>& loader);
  /// \endcond
  Ref<TFontLoader> _succ;
};

/// Puts a loader at the head of the chain. A loader already in the chain
/// stays where it is, so adding one twice changes nothing.
/// \param loader the loader; adding Null does nothing.
/// \since 1.0
void AddFontLoader(const Ref<TFontLoader>& loader);

/// \return the head of the chain (the newest loader), or nullptr. \since 1.0
TFontLoader* FirstFontLoader();

/// Loads a font: asks each loader, newest first, with the same arguments. A
/// loader's exception is not caught.
/// \param url the source: a file path or a stream URL for FreeType fonts.
/// \param size the pixel size.
/// \param style style flags (FONT_SMOOTH).
/// \return the first font one of the loaders gives, or Null when all decline,
///   with a line such as `LoadFont("a.ttf", 16): FreeType: unknown file format`,
///   `LoadFont("a.ttf", 16): no loader for this format` or
///   `LoadFont("a.ttf", 16): no font loader is installed: call InitTazmix() or InitFreeTypeFont() first`.
/// \since 1.0
Ref<TFont> LoadFont(const Ref<Object>& url, int32_t size, int32_t style);
/// LoadFont for a source given as text.
/// \param url a file path or "protocol::path".
/// \param size the pixel size.
/// \param style style flags (FONT_SMOOTH).
/// \return the font, or Null with a line as above.
/// \since 1.0
Ref<TFont> LoadFont(const String& url, int32_t size, int32_t style);

}  // namespace tazmix
