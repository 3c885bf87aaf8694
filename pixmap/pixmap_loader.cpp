#include "pixmap/pixmap_loader.h"

#include "runtime/exception.h"
#include "stream/stream_exception.h"
#include "stream/stream_factory.h"

namespace tazmix {

namespace {

Ref<TPixmapLoader>& ChainHead() {
  static Ref<TPixmapLoader> head;
  return head;
}

// Closes the stream however the loaders end.
class ClosingGuard {
 public:
  explicit ClosingGuard(const Ref<TStream>& stream) : stream_(stream) {}
  ClosingGuard(const ClosingGuard&) = delete;
  ClosingGuard& operator=(const ClosingGuard&) = delete;
  ~ClosingGuard() {
    try {
      stream_->Close();
    } catch (const Thrown&) {
      // A failing close must not replace the result or the exception in flight.
    }
  }

 private:
  Ref<TStream> stream_;
};

Ref<TPixmap> RunLoaders(Ref<TStream> stream) {
  if (!stream) return nullptr;
  ClosingGuard closer(stream);
  const int32_t pos = stream->Pos();
  if (pos == -1) return nullptr;
  for (TPixmapLoader* loader = TPixmapLoader::First(); loader; loader = loader->Next()) {
    stream->Seek(pos);
    Ref<TPixmap> pixmap;
    try {
      pixmap = loader->LoadPixmap(stream);
    } catch (const Thrown& thrown) {
      if (!thrown.As<TStreamException>()) throw;
    }
    if (pixmap) return pixmap;
  }
  return nullptr;
}

}  // namespace

TPixmapLoader::TPixmapLoader() : _succ(ChainHead()) { ChainHead() = Ref<TPixmapLoader>(this); }

TPixmapLoader* TPixmapLoader::First() { return ChainHead().get(); }

Ref<TPixmap> LoadPixmap(const Ref<Object>& url) { return RunLoaders(ReadStream(url)); }

Ref<TPixmap> LoadPixmap(const String& url) { return RunLoaders(ReadStream(url)); }

}  // namespace tazmix
