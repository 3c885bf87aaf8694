// TStreamFactory: one link of the process-wide chain of protocol factories,
// and OpenStream, which resolves a URL through it.
//
// A URL is any object: a TStream, a String holding a file path or
// "protocol::path", or another object some factory recognises (a TBank).
#pragma once

#include "../runtime/object.h"
#include "../runtime/string.h"
#include "stream.h"

namespace tazmix {

class TStreamFactory : public Object {
 public:
  // A new factory of any class puts itself at the head of the chain, so the
  // chain runs newest first. The chain keeps every factory for good.
  TStreamFactory();

  // A stream for the URL, or Null when this factory does not know it. `proto`
  // is lower case ("" when the URL is no "proto::path" text); `url` is the
  // object as given. Abstract: the base raises the abstract-method exception.
  virtual Ref<TStream> CreateStream(const Ref<Object>& url, const String& proto, const String& path,
                                    bool readable, bool writeable);

  // The head of the chain (the newest factory), or Null.
  static TStreamFactory* First();
  TStreamFactory* Next() const { return _succ.get(); }

 private:
  Ref<TStreamFactory> _succ;
};

// A stream given as URL comes back wrapped (closing the wrapper leaves it
// open); a text without "::" is a file; anything else is offered to the
// factories, newest first. Null when nothing can open the URL; never raises
// for that.
Ref<TStream> OpenStream(const Ref<Object>& url, bool readable, bool writeable);
Ref<TStream> OpenStream(const String& url, bool readable, bool writeable);
inline Ref<TStream> ReadStream(const Ref<Object>& url) { return OpenStream(url, true, false); }
inline Ref<TStream> ReadStream(const String& url) { return OpenStream(url, true, false); }
inline Ref<TStream> WriteStream(const Ref<Object>& url) { return OpenStream(url, false, true); }
inline Ref<TStream> WriteStream(const String& url) { return OpenStream(url, false, true); }

}  // namespace tazmix
