#include "stream/bank_stream.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <typeinfo>

#include "runtime/application.h"
#include "stream/stream_module.h"

namespace tazmix {

Ref<TBankStream> TBankStream::Create(Ref<TBank> bank) {
  auto s = New<TBankStream>();
  s->_bank = std::move(bank);
  return s;
}

int32_t TBankStream::Seek(int32_t pos) {
  _pos = std::clamp(pos, 0, Size());
  return _pos;
}

int32_t TBankStream::Read(void* buf, int32_t count) {
  const int32_t size = Size();
  if (count < 1 || _pos >= size) return 0;
  const int32_t n = std::min(count, size - _pos);
  std::memcpy(buf, _bank->Buf() + _pos, static_cast<size_t>(n));
  _pos += n;
  return n;
}

int32_t TBankStream::Write(const void* buf, int32_t count) {
  if (count < 1 || _pos > Size()) return 0;
  const int64_t end = int64_t(_pos) + count;
  if (end > INT32_MAX) return 0;  // a bank cannot grow past 2 GiB
  if (end > Size()) _bank->Resize(static_cast<int32_t>(end));
  if (end > Size()) return 0;  // the bank could not grow
  std::memcpy(_bank->Buf() + _pos, buf, static_cast<size_t>(count));
  _pos += count;
  return count;
}

Ref<TStream> TBankStreamFactory::CreateStream(const Ref<Object>& url, const String&, const String&, bool, bool) {
  if (auto bank = Cast<TBank>(url)) return TBankStream::Create(bank);
  return nullptr;
}

Ref<TBankStream> CreateBankStream(Ref<TBank> bank) {
  return TBankStream::Create(bank ? std::move(bank) : TBank::Create(0));
}

void InitBankStream() {
  static bool done = false;
  if (!BeginModuleInit(done)) return;
  InitStream();
  RegisterClassRecord(typeid(TBank));
  RegisterClassRecord(typeid(TBankStream));
  RegisterClassRecord(typeid(TBankStreamFactory));
  New<TBankStreamFactory>();  // joins the chain, which keeps it
}

}  // namespace tazmix
