// TBank: a resizable block of raw memory with typed peek and poke, loaded
// from and saved to streams.
//
// Values are stored in the host's byte order (least significant byte first
// on every host the system runs on). Offsets are not checked: callers keep
// offset plus the value's width within Size().
#pragma once

#include <cstdint>
#include <memory>

#include "runtime/object.h"
#include "runtime/string.h"
#include "stream/stream.h"

namespace tazmix {

class TBank : public Object {
 public:
  // A bank owning `size` fresh bytes (negative counts as 0).
  static Ref<TBank> Create(int32_t size);
  // A bank over the caller's memory (capacity -1): never freed by the bank.
  static Ref<TBank> CreateStatic(void* buf, int32_t size);
  // The whole content of the URL in a bank of exactly that size, or Null if
  // the URL cannot be opened.
  static Ref<TBank> Load(const Ref<Object>& url);
  static Ref<TBank> Load(const String& url);

  virtual uint8_t* Buf();
  virtual uint8_t* Lock();
  virtual int32_t Unlock();
  virtual int32_t Size();
  virtual int32_t Capacity();
  // Growing beyond the capacity reallocates to max(capacity * 3 / 2, size)
  // and copies the content; shrinking only lowers the size.
  virtual void Resize(int32_t size);
  // One Read/Write of the stream at the offset; may be short.
  virtual int32_t Read(const Ref<TStream>& stream, int32_t offset, int32_t count);
  virtual int32_t Write(const Ref<TStream>& stream, int32_t offset, int32_t count);
  virtual int32_t PeekByte(int32_t offset);   // 0..255
  virtual void PokeByte(int32_t offset, int32_t value);
  virtual int32_t PeekShort(int32_t offset);  // 0..65535
  virtual void PokeShort(int32_t offset, int32_t value);
  virtual int32_t PeekInt(int32_t offset);
  virtual void PokeInt(int32_t offset, int32_t value);
  virtual int64_t PeekLong(int32_t offset);
  virtual void PokeLong(int32_t offset, int64_t value);
  virtual float PeekFloat(int32_t offset);
  virtual void PokeFloat(int32_t offset, float value);
  virtual double PeekDouble(int32_t offset);
  virtual void PokeDouble(int32_t offset, double value);
  // 1 when written, 0 when the URL cannot be opened for writing.
  virtual int32_t Save(const Ref<Object>& url);
  int32_t Save(const String& url);

 private:
  template <class T> T Peek(int32_t offset) const;
  template <class T> void Poke(int32_t offset, T value);

  uint8_t* _buf = nullptr;
  int32_t _size = 0;
  int32_t _capacity = 0;
  int32_t _locked = 0;
  std::unique_ptr<uint8_t[]> _owned;  // the memory, unless the bank is static
};

inline Ref<TBank> CreateBank(int32_t size) { return TBank::Create(size); }
inline Ref<TBank> CreateStaticBank(void* buf, int32_t size) { return TBank::CreateStatic(buf, size); }
inline Ref<TBank> LoadBank(const Ref<Object>& url) { return TBank::Load(url); }
inline Ref<TBank> LoadBank(const String& url) { return TBank::Load(url); }
inline int32_t SaveBank(const Ref<TBank>& bank, const Ref<Object>& url) { return bank->Save(url); }
inline int32_t SaveBank(const Ref<TBank>& bank, const String& url) { return bank->Save(url); }
inline uint8_t* BankBuf(const Ref<TBank>& bank) { return bank->Buf(); }
inline uint8_t* LockBank(const Ref<TBank>& bank) { return bank->Lock(); }
inline int32_t UnlockBank(const Ref<TBank>& bank) { return bank->Unlock(); }
inline int32_t BankSize(const Ref<TBank>& bank) { return bank->Size(); }
inline int32_t BankCapacity(const Ref<TBank>& bank) { return bank->Capacity(); }
inline void ResizeBank(const Ref<TBank>& bank, int32_t size) { bank->Resize(size); }
// Ranges are not checked; they may overlap.
void CopyBank(const Ref<TBank>& src, int32_t srcOffset, const Ref<TBank>& dst, int32_t dstOffset, int32_t count);

inline int32_t PeekByte(const Ref<TBank>& b, int32_t offset) { return b->PeekByte(offset); }
inline void PokeByte(const Ref<TBank>& b, int32_t offset, int32_t v) { b->PokeByte(offset, v); }
inline int32_t PeekShort(const Ref<TBank>& b, int32_t offset) { return b->PeekShort(offset); }
inline void PokeShort(const Ref<TBank>& b, int32_t offset, int32_t v) { b->PokeShort(offset, v); }
inline int32_t PeekInt(const Ref<TBank>& b, int32_t offset) { return b->PeekInt(offset); }
inline void PokeInt(const Ref<TBank>& b, int32_t offset, int32_t v) { b->PokeInt(offset, v); }
inline int64_t PeekLong(const Ref<TBank>& b, int32_t offset) { return b->PeekLong(offset); }
inline void PokeLong(const Ref<TBank>& b, int32_t offset, int64_t v) { b->PokeLong(offset, v); }
inline float PeekFloat(const Ref<TBank>& b, int32_t offset) { return b->PeekFloat(offset); }
inline void PokeFloat(const Ref<TBank>& b, int32_t offset, float v) { b->PokeFloat(offset, v); }
inline double PeekDouble(const Ref<TBank>& b, int32_t offset) { return b->PeekDouble(offset); }
inline void PokeDouble(const Ref<TBank>& b, int32_t offset, double v) { b->PokeDouble(offset, v); }
inline int32_t ReadBank(const Ref<TBank>& b, const Ref<TStream>& s, int32_t offset, int32_t count) {
  return b->Read(s, offset, count);
}
inline int32_t WriteBank(const Ref<TBank>& b, const Ref<TStream>& s, int32_t offset, int32_t count) {
  return b->Write(s, offset, count);
}

}  // namespace tazmix
