// The chain of pixmap loaders and LoadPixmap, which runs it.
//
// Loaders link themselves in when they are made (always through New: the
// chain holds a reference), so the newest is asked first. Loaders stay in the
// chain for good.
#pragma once

#include "pixmap.h"
#include "../runtime/object.h"
#include "../runtime/string.h"
#include "../stream/stream.h"

namespace tazmix {

class TPixmapLoader : public Object {
 public:
  // Puts this loader at the head of the chain.
  TPixmapLoader();

  // The picture in `stream` from its current position, or Null when this
  // loader does not understand the data. May raise stream exceptions.
  virtual Ref<TPixmap> LoadPixmap(const Ref<TStream>& stream) = 0;

  // The head of the chain (the newest loader), or Null.
  static TPixmapLoader* First();
  TPixmapLoader* Next() const { return _succ.get(); }

 private:
  Ref<TPixmapLoader> _succ;
};

// Opens the URL and asks each loader in turn, each from the same starting
// position; a stream exception raised by a loader counts as that loader's
// failure, other exceptions pass on. Null when the URL cannot be opened, the
// stream cannot tell its position, or no loader accepts the data. The stream
// opened here is always closed.
Ref<TPixmap> LoadPixmap(const Ref<Object>& url);
Ref<TPixmap> LoadPixmap(const String& url);

}  // namespace tazmix
