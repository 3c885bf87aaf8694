#include "pixmap/pixmap_loader.h"

#include "runtime/error_report.h"
#include "runtime/exception.h"
#include "stream/internal/stream_closer.h"
#include "stream/internal/url_subject.h"
#include "stream/stream_exception.h"
#include "stream/stream_factory.h"

namespace tazmix {

namespace {

Ref<TPixmapLoader>& ChainHead() {
  static Ref<TPixmapLoader> head;
  return head;
}

// A loader that does not know the data declines without a word; one that
// knows it and fails notes why. The caller names what is left.
Ref<TPixmap> RunLoaders(Ref<TStream> stream) {
  if (!stream) return nullptr;
  StreamCloser closer(stream);
  const int32_t pos = stream->Pos();
  if (pos == -1) {
    NoteFailure("the stream can't tell its position");
    return nullptr;
  }
  if (!TPixmapLoader::First()) {
    NoteFailure("no pixmap loader is installed: call InitTazmix() or InitPNGLoader() first");
    return nullptr;
  }
  for (TPixmapLoader* loader = TPixmapLoader::First(); loader; loader = loader->Next()) {
    stream->Seek(pos);
    Ref<TPixmap> pixmap;
    try {
      pixmap = loader->LoadPixmap(stream);
    } catch (const Thrown& thrown) {
      if (!thrown.As<TStreamException>()) throw;
      NoteFailure("the data ends early or can't be read (" + thrown.Text() + ")");
    }
    if (pixmap) return pixmap;
  }
  return nullptr;
}

}  // namespace

TPixmapLoader::TPixmapLoader() : _succ(ChainHead()) { ChainHead() = Ref<TPixmapLoader>(this); }

TPixmapLoader* TPixmapLoader::First() { return ChainHead().get(); }

Ref<TPixmap> LoadPixmap(const Ref<Object>& url) {
  FailureScope scope("LoadPixmap", UrlSubject(url));
  return scope.Check(RunLoaders(ReadStream(url)), "no loader for this format");
}

Ref<TPixmap> LoadPixmap(const String& url) { return LoadPixmap(Ref<Object>(url.AsObject())); }

}  // namespace tazmix
