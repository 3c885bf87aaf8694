#include "stream/stream_factory.h"

#include "runtime/error_report.h"
#include "runtime/exception.h"
#include "stream/cstream.h"
#include "stream/internal/url_subject.h"
#include "stream/stream_wrapper.h"

namespace tazmix {

namespace {

Ref<TStreamFactory>& ChainHead() {
  static Ref<TStreamFactory> head;
  return head;
}

}  // namespace

TStreamFactory::TStreamFactory() {
  // The chain's reference keeps the factory alive from its construction on.
  Ref<TStreamFactory>& head = ChainHead();
  _succ = head;
  head = this;
}

Ref<TStream> TStreamFactory::CreateStream(const Ref<Object>&, const String&, const String&, bool, bool) {
  ThrowNullMethod();
}

TStreamFactory* TStreamFactory::First() { return ChainHead().get(); }

Ref<TStream> OpenStream(const Ref<Object>& url, bool readable, bool writeable) {
  if (auto stream = Cast<TStream>(url)) return TStreamStream::Create(stream);

  FailureScope scope("OpenStream", UrlSubject(url));
  String text;
  String::FromObject(url.get(), &text);
  String proto, path;
  if (!text.IsEmpty()) {
    const int32_t sep = text.Find("::");
    if (sep < 0) return scope.Check(TCStream::OpenFile(text, readable, writeable), "can't open the file");
    proto = text.Left(sep).ToLower();
    path = text.Slice(sep + 2, text.Length());
  }
  for (TStreamFactory* f = TStreamFactory::First(); f; f = f->Next()) {
    if (auto stream = f->CreateStream(url, proto, path, readable, writeable)) return stream;
  }
  scope.Fail("no stream factory could open it");
  return nullptr;
}

Ref<TStream> OpenStream(const String& url, bool readable, bool writeable) {
  return OpenStream(Ref<Object>(url.AsObject()), readable, writeable);
}

}  // namespace tazmix
