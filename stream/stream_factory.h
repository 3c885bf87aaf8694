/// \file
/// TStreamFactory: one link of the process-wide chain of protocol factories,
/// and OpenStream, which resolves a URL through it.
///
/// A URL is any object: a TStream, a String holding a file path or
/// "protocol::path", or another object some factory recognises (a TBank).
/// Every loader of the library (LoadImage, LoadSound, LoadBank, ...) opens its
/// URL here, so a new factory makes a new protocol work everywhere.
///
/// \code{.cpp}
/// tazmix::Ref<tazmix::TStream> in = tazmix::ReadStream("words/de.txt");
/// if (!in) return;  // OpenStream("words/de.txt"): can't open the file: ...
/// while (!tazmix::Eof(in)) Add(tazmix::ReadLine(in));
/// tazmix::CloseStream(in);
/// \endcode
///
/// A protocol of one's own ("mem::name" from a table of banks):
/// \code{.cpp}
/// class TMemFactory : public tazmix::TStreamFactory {
///  public:
///   tazmix::Ref<tazmix::TStream> CreateStream(const tazmix::Ref<tazmix::Object>&, const tazmix::String& proto,
///                                             const tazmix::String& path, bool, bool) override {
///     if (proto != "mem") return nullptr;
///     return tazmix::CreateBankStream(FindBank(path));
///   }
/// };
/// tazmix::New<TMemFactory>();  // joins the chain for good
/// \endcode
/// \ingroup stream
/// \since 1.0
#pragma once

#include "../runtime/object.h"
#include "../runtime/string.h"
#include "stream.h"

namespace tazmix {

/// A protocol factory: turns the URLs it knows into streams.
/// \since 1.0
class TStreamFactory : public Object {
 public:
  /// A new factory of any class puts itself at the head of the chain, so the
  /// chain runs newest first. The chain keeps every factory for good.
  /// \since 1.0
  TStreamFactory();

  /// A stream for the URL. Abstract: the base raises the abstract-method
  /// exception (TNullMethodException).
  /// \param url the object as given to OpenStream.
  /// \param proto the protocol in lower case; "" when the URL is no
  ///   "proto::path" text.
  /// \param path the text after "::"; "" when there is none.
  /// \param readable, writeable how the stream will be used.
  /// \return the stream, or Null when this factory does not know the URL.
  /// \since 1.0
  virtual Ref<TStream> CreateStream(const Ref<Object>& url, const String& proto, const String& path,
                                    bool readable, bool writeable);

  /// \return the head of the chain (the newest factory), or nullptr. \since 1.0
  static TStreamFactory* First();
  /// \return the next (older) factory of the chain, or nullptr. \since 1.0
  TStreamFactory* Next() const { return _succ.get(); }

 private:
  Ref<TStreamFactory> _succ;
};

/// Opens a stream for any URL. A stream given as URL comes back wrapped
/// (closing the wrapper leaves it open); a text without "::" is a file; anything
/// else is offered to the factories, newest first. Never raises for a URL that
/// cannot be opened.
/// \param url the URL: a TStream, a String, a TBank or another object a
///   factory knows.
/// \param readable, writeable how to open it; a file opened for writing alone
///   is created or emptied, for both it must exist.
/// \return the stream, or Null when nothing can open the URL, with a line such as
///   `OpenStream("save.dat"): can't open the file: No such file or directory`
///   or `OpenStream("web::x"): no stream factory could open it`.
/// \since 1.0
Ref<TStream> OpenStream(const Ref<Object>& url, bool readable, bool writeable);
/// OpenStream for a URL given as text.
/// \param url a file path or "protocol::path".
/// \param readable, writeable how to open it.
/// \return the stream, or Null with a line as above.
/// \since 1.0
Ref<TStream> OpenStream(const String& url, bool readable, bool writeable);
/// Opens a URL for reading. \param url the URL (see OpenStream).
/// \return the stream, or Null with a line as OpenStream records it. \since 1.0
inline Ref<TStream> ReadStream(const Ref<Object>& url) { return OpenStream(url, true, false); }
/// Opens a URL for reading. \param url a file path or "protocol::path".
/// \return the stream, or Null with a line as OpenStream records it. \since 1.0
inline Ref<TStream> ReadStream(const String& url) { return OpenStream(url, true, false); }
/// Opens a URL for writing; a file is created or emptied.
/// \param url the URL (see OpenStream).
/// \return the stream, or Null with a line as OpenStream records it. \since 1.0
inline Ref<TStream> WriteStream(const Ref<Object>& url) { return OpenStream(url, false, true); }
/// Opens a URL for writing; a file is created or emptied.
/// \param url a file path or "protocol::path".
/// \return the stream, or Null with a line as OpenStream records it. \since 1.0
inline Ref<TStream> WriteStream(const String& url) { return OpenStream(url, false, true); }

}  // namespace tazmix
