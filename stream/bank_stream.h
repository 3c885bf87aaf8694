// TBankStream: reads and writes a bank as if it were a file; the bank stream
// factory makes every stream function accept a bank as its URL.
#pragma once

#include "bank.h"
#include "stream.h"
#include "stream_factory.h"

namespace tazmix {

class TBankStream : public TStream {
 public:
  // At position 0 over `bank`.
  static Ref<TBankStream> Create(Ref<TBank> bank);

  // Also true past the end, where a bank cut shorter under the stream
  // leaves the position.
  bool Eof() override { return _pos >= _bank->Size(); }
  int32_t Pos() override { return _pos; }
  int32_t Size() override { return _bank->Size(); }
  // Clamped into 0 .. Size().
  int32_t Seek(int32_t pos) override;
  int32_t Read(void* buf, int32_t count) override;
  // Writing past the end grows the bank.
  int32_t Write(const void* buf, int32_t count) override;

 private:
  int32_t _pos = 0;
  Ref<TBank> _bank;
};

class TBankStreamFactory : public TStreamFactory {
 public:
  // A bank stream when `url` is a TBank, else Null.
  Ref<TStream> CreateStream(const Ref<Object>& url, const String& proto, const String& path, bool readable,
                            bool writeable) override;
};

// A Null bank is replaced by a new empty one.
Ref<TBankStream> CreateBankStream(Ref<TBank> bank);

// The bank-stream module's start (part of InitStream): puts the one
// TBankStreamFactory into the factory chain. Does its work once.
void InitBankStream();

}  // namespace tazmix
