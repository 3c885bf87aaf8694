/// \file
/// TBankStream: reads and writes a bank as if it were a file; the bank stream
/// factory makes every stream function accept a bank as its URL.
///
/// \code{.cpp}
/// tazmix::Ref<tazmix::TBank> bank = tazmix::CreateBank(0);
/// tazmix::Ref<tazmix::TStream> s = tazmix::WriteStream(bank);  // grows the bank
/// tazmix::WriteLine(s, "in memory");
///
/// tazmix::Ref<tazmix::TBank> png = tazmix::LoadBank("ball.png");
/// tazmix::Ref<tazmix::TImage> ball = tazmix::LoadImage(png);  // every loader takes a bank
/// \endcode
/// \ingroup stream
/// \since 1.0
#pragma once

#include "bank.h"
#include "stream.h"
#include "stream_factory.h"

namespace tazmix {

/// A stream over a bank.
/// \since 1.0
class TBankStream : public TStream {
 public:
  /// A stream at position 0 over a bank.
  /// \param bank the bank; must not be Null (CreateBankStream replaces Null).
  /// \return the stream.
  /// \since 1.0
  static Ref<TBankStream> Create(Ref<TBank> bank);

  /// \return true at or past the end: a bank cut shorter under the stream
  ///   leaves the position past it. \since 1.0
  bool Eof() override { return _pos >= _bank->Size(); }
  /// \return the position. \since 1.0
  int32_t Pos() override { return _pos; }
  /// \return the bank's size. \since 1.0
  int32_t Size() override { return _bank->Size(); }
  /// Moves to a position, clamped into 0 .. Size().
  /// \param pos the position.
  /// \return the new position.
  /// \since 1.0
  int32_t Seek(int32_t pos) override;
  int32_t Read(void* buf, int32_t count) override;
  /// Writes bytes; writing past the end grows the bank.
  /// \param buf the bytes.
  /// \param count how many.
  /// \return `count`, or 0 when the bank could not grow (no memory, or past 2 GiB).
  /// \since 1.0
  int32_t Write(const void* buf, int32_t count) override;

 private:
  int32_t _pos = 0;
  Ref<TBank> _bank;
};

/// The factory that opens a TBank given as URL.
/// \since 1.0
class TBankStreamFactory : public TStreamFactory {
 public:
  /// A bank stream when `url` is a TBank.
  /// \param url the URL.
  /// \param proto, path unused.
  /// \param readable, writeable unused: a bank stream does both.
  /// \return the stream, else Null.
  /// \since 1.0
  Ref<TStream> CreateStream(const Ref<Object>& url, const String& proto, const String& path, bool readable,
                            bool writeable) override;
};

/// A stream over a bank.
/// \param bank the bank; Null is replaced by a new empty one.
/// \return the stream at position 0.
/// \since 1.0
Ref<TBankStream> CreateBankStream(Ref<TBank> bank);

/// The bank-stream module's start (part of InitStream): puts the one
/// TBankStreamFactory into the factory chain. Does its work once.
/// \since 1.0
void InitBankStream();

}  // namespace tazmix
