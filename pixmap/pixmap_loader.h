/// \file
/// The chain of pixmap loaders and LoadPixmap, which runs it.
///
/// Loaders link themselves in when they are made (always through New: the
/// chain holds a reference), so the newest is asked first. Loaders stay in the
/// chain for good. InitTazmix (or InitPNGLoader) puts the PNG loader in.
///
/// \code{.cpp}
/// tazmix::Ref<tazmix::TPixmap> p = tazmix::LoadPixmap("tiles.png");
/// if (!p) return;  // LoadPixmap("tiles.png"): can't open the file: No such file or directory
/// \endcode
///
/// A loader of one's own (say for a raw format starting with "RAW1"):
/// \code{.cpp}
/// class TRawLoader : public tazmix::TPixmapLoader {
///  public:
///   tazmix::Ref<tazmix::TPixmap> LoadPixmap(const tazmix::Ref<tazmix::TStream>& s) override {
///     if (tazmix::ReadInt(s) != 0x31574152) return nullptr;  // not ours: quietly declined
///     ...
///   }
/// };
/// tazmix::New<TRawLoader>();  // joins the chain for good
/// \endcode
/// \ingroup pixmap
/// \since 1.0
#pragma once

#include "pixmap.h"
#include "../runtime/object.h"
#include "../runtime/string.h"
#include "../stream/stream.h"

namespace tazmix {

/// One loader of the chain: knows one picture format.
/// \since 1.0
class TPixmapLoader : public Object {
 public:
  /// Puts this loader at the head of the chain. \since 1.0
  TPixmapLoader();

  /// Reads a picture. A loader that does not know the data declines without
  /// a word; one that knows it and fails notes why (NoteFailure).
  /// \param stream the data, from its current position.
  /// \return the picture, or Null when this loader does not understand the
  ///   data. May raise stream exceptions, which LoadPixmap counts as this
  ///   loader's failure.
  /// \since 1.0
  virtual Ref<TPixmap> LoadPixmap(const Ref<TStream>& stream) = 0;

  /// \return the head of the chain (the newest loader), or nullptr. \since 1.0
  static TPixmapLoader* First();
  /// \return the next (older) loader of the chain, or nullptr. \since 1.0
  TPixmapLoader* Next() const { return _succ.get(); }

 private:
  Ref<TPixmapLoader> _succ;
};

/// Loads a picture: opens the URL and asks each loader in turn, each from the
/// same starting position; a stream exception raised by a loader counts as
/// that loader's failure, other exceptions pass on. The stream opened here is
/// always closed.
/// \param url any URL OpenStream knows (a file, a bank, a stream).
/// \return the pixmap, or Null when the URL cannot be opened, the stream
///   cannot tell its position, or no loader accepts the data, with a line such as
///   `LoadPixmap("a.png"): can't open the file: No such file or directory`,
///   `LoadPixmap("a.bmp"): no loader for this format`,
///   `LoadPixmap("a.png"): libpng: IHDR: CRC error` or
///   `LoadPixmap("a.png"): no pixmap loader is installed: call InitTazmix() or InitPNGLoader() first`.
/// \since 1.0
Ref<TPixmap> LoadPixmap(const Ref<Object>& url);
/// LoadPixmap for a URL given as text.
/// \param url a file path or "protocol::path".
/// \return the pixmap, or Null with a line as above.
/// \since 1.0
Ref<TPixmap> LoadPixmap(const String& url);

}  // namespace tazmix
