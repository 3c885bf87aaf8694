#include "stream/bank.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <new>
#include <vector>

#include "runtime/error_report.h"
#include "stream/internal/url_subject.h"
#include "runtime/exception.h"
#include "stream/load_save.h"
#include "stream/stream_factory.h"

namespace tazmix {

Ref<TBank> TBank::Create(int32_t size) {
  size = std::max(size, 0);
  std::unique_ptr<uint8_t[]> memory(new (std::nothrow) uint8_t[static_cast<size_t>(size)]());
  if (!memory) return nullptr;
  auto bank = New<TBank>();
  bank->owned_ = std::move(memory);
  bank->_buf = bank->owned_.get();
  bank->_size = bank->_capacity = size;
  return bank;
}

Ref<TBank> TBank::CreateStatic(void* buf, int32_t size) {
  if (size < 0 || (!buf && size > 0)) return nullptr;
  auto bank = New<TBank>();
  bank->_buf = static_cast<uint8_t*>(buf);
  bank->_size = size;
  bank->_capacity = -1;
  return bank;
}

Ref<TBank> TBank::Load(const Ref<Object>& url) {
  FailureScope scope("LoadBank", UrlSubject(url));
  Ref<TStream> s = ReadStream(url);
  if (!s) {
    scope.Fail("can't open it");
    return nullptr;
  }
  // The size is what actually arrived, never a figure the data claims.
  const std::vector<uint8_t> bytes = ReadAllBytes(*s);
  s->Close();
  const auto size = static_cast<int32_t>(std::min<size_t>(bytes.size(), INT32_MAX));
  Ref<TBank> bank = Create(size);
  if (bank && size) std::memcpy(bank->_buf, bytes.data(), static_cast<size_t>(size));
  return bank;
}

Ref<TBank> TBank::Load(const String& url) { return Load(Ref<Object>(url.AsObject())); }

uint8_t* TBank::Buf() { return _buf; }
uint8_t* TBank::Lock() {
  ++_locked;
  return _buf;
}
int32_t TBank::Unlock() {
  --_locked;
  return 0;
}
int32_t TBank::Size() { return _size; }
int32_t TBank::Capacity() { return _capacity; }

void TBank::Resize(int32_t size) {
  size = std::max(size, 0);
  if (size > _capacity) {
    const int64_t grown = std::min<int64_t>(int64_t(std::max(_capacity, 0)) * 3 / 2, INT32_MAX);
    const auto capacity = static_cast<int32_t>(std::max<int64_t>(grown, size));
    std::unique_ptr<uint8_t[]> memory(new (std::nothrow) uint8_t[static_cast<size_t>(capacity)]());
    if (!memory) return;
    if (_size > 0) std::memcpy(memory.get(), _buf, static_cast<size_t>(_size));
    // A static bank's memory stays its owner's; from here on the bank owns
    // its new memory.
    owned_ = std::move(memory);
    _buf = owned_.get();
    _capacity = capacity;
  }
  _size = size;
}

bool TBank::Holds(int64_t offset, int64_t count) const noexcept {
  return offset >= 0 && count >= 0 && offset + count <= _size;
}

// A read or write moves at most the bytes between the offset and the end.
int32_t TBank::Read(const Ref<TStream>& stream, int32_t offset, int32_t count) {
  TStream& s = NotNull(stream);
  if (count <= 0 || !Holds(offset, 0)) return 0;
  return s.Read(_buf + offset, std::min(count, _size - offset));
}

int32_t TBank::Write(const Ref<TStream>& stream, int32_t offset, int32_t count) {
  TStream& s = NotNull(stream);
  if (count <= 0 || !Holds(offset, 0)) return 0;
  return s.Write(_buf + offset, std::min(count, _size - offset));
}

template <class T>
T TBank::Peek(int32_t offset) const {
  T value{};
  if (Holds(offset, sizeof value)) std::memcpy(&value, _buf + offset, sizeof value);
  return value;
}

template <class T>
void TBank::Poke(int32_t offset, T value) {
  if (Holds(offset, sizeof value)) std::memcpy(_buf + offset, &value, sizeof value);
}

int32_t TBank::PeekByte(int32_t offset) { return Peek<uint8_t>(offset); }
void TBank::PokeByte(int32_t offset, int32_t value) { Poke(offset, static_cast<uint8_t>(value)); }
int32_t TBank::PeekShort(int32_t offset) { return Peek<uint16_t>(offset); }
void TBank::PokeShort(int32_t offset, int32_t value) { Poke(offset, static_cast<uint16_t>(value)); }
int32_t TBank::PeekInt(int32_t offset) { return Peek<int32_t>(offset); }
void TBank::PokeInt(int32_t offset, int32_t value) { Poke(offset, value); }
int64_t TBank::PeekLong(int32_t offset) { return Peek<int64_t>(offset); }
void TBank::PokeLong(int32_t offset, int64_t value) { Poke(offset, value); }
float TBank::PeekFloat(int32_t offset) { return Peek<float>(offset); }
void TBank::PokeFloat(int32_t offset, float value) { Poke(offset, value); }
double TBank::PeekDouble(int32_t offset) { return Peek<double>(offset); }
void TBank::PokeDouble(int32_t offset, double value) { Poke(offset, value); }

int32_t TBank::Save(const Ref<Object>& url) {
  Ref<TStream> s = WriteStream(url);
  if (!s) return 0;
  s->WriteBytes(_buf, _size);
  s->Close();
  return 1;
}

int32_t TBank::Save(const String& url) { return Save(Ref<Object>(url.AsObject())); }

void CopyBank(const Ref<TBank>& src, int32_t srcOffset, const Ref<TBank>& dst, int32_t dstOffset, int32_t count) {
  TBank& from = NotNull(src);
  TBank& to = NotNull(dst);
  if (count <= 0 || !from.Holds(srcOffset, count) || !to.Holds(dstOffset, count)) return;
  std::memmove(to.Buf() + dstOffset, from.Buf() + srcOffset, static_cast<size_t>(count));
}

}  // namespace tazmix
