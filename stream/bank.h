// TBank: a resizable block of raw memory with typed peek and poke, loaded
// from and saved to streams.
//
// Values are stored in the host's byte order (least significant byte first
// on every host the system runs on). Access never reaches outside the bank:
// a peek that does not lie wholly within Size() reads 0, such a poke or copy
// does nothing, and a read or write moves at most the bytes from its offset
// to the end (none for an offset outside).
#pragma once

#include <cstdint>
#include <memory>

#include "../runtime/exception.h"
#include "../runtime/object.h"
#include "../runtime/string.h"
#include "stream.h"

namespace tazmix {

class TBank : public Object {
 public:
  // A bank owning `size` fresh bytes (negative counts as 0); Null when the
  // memory cannot be had.
  static Ref<TBank> Create(int32_t size);
  // A bank over the caller's memory (capacity -1): never freed by the bank.
  // Null for a negative size, or no memory behind a size above 0.
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
  // and copies the content; shrinking only lowers the size. When the memory
  // cannot be had, the bank stays as it was.
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
  // True when [offset, offset + count) lies within the bank.
  bool Holds(int64_t offset, int64_t count) const noexcept;
  friend void CopyBank(const Ref<TBank>&, int32_t, const Ref<TBank>&, int32_t, int32_t);
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
// Saving Null gives 0 before anything is opened; the other functions raise
// TNullObjectException for a Null bank, as a method of Null.
inline int32_t SaveBank(const Ref<TBank>& bank, const Ref<Object>& url) { return bank ? bank->Save(url) : 0; }
inline int32_t SaveBank(const Ref<TBank>& bank, const String& url) { return bank ? bank->Save(url) : 0; }
inline uint8_t* BankBuf(const Ref<TBank>& bank) { return NotNull(bank).Buf(); }
inline uint8_t* LockBank(const Ref<TBank>& bank) { return NotNull(bank).Lock(); }
inline int32_t UnlockBank(const Ref<TBank>& bank) { return NotNull(bank).Unlock(); }
inline int32_t BankSize(const Ref<TBank>& bank) { return NotNull(bank).Size(); }
inline int32_t BankCapacity(const Ref<TBank>& bank) { return NotNull(bank).Capacity(); }
inline void ResizeBank(const Ref<TBank>& bank, int32_t size) { NotNull(bank).Resize(size); }
// The ranges may overlap; a range not wholly within its bank copies nothing.
void CopyBank(const Ref<TBank>& src, int32_t srcOffset, const Ref<TBank>& dst, int32_t dstOffset, int32_t count);

inline int32_t PeekByte(const Ref<TBank>& b, int32_t offset) { return NotNull(b).PeekByte(offset); }
inline void PokeByte(const Ref<TBank>& b, int32_t offset, int32_t v) { NotNull(b).PokeByte(offset, v); }
inline int32_t PeekShort(const Ref<TBank>& b, int32_t offset) { return NotNull(b).PeekShort(offset); }
inline void PokeShort(const Ref<TBank>& b, int32_t offset, int32_t v) { NotNull(b).PokeShort(offset, v); }
inline int32_t PeekInt(const Ref<TBank>& b, int32_t offset) { return NotNull(b).PeekInt(offset); }
inline void PokeInt(const Ref<TBank>& b, int32_t offset, int32_t v) { NotNull(b).PokeInt(offset, v); }
inline int64_t PeekLong(const Ref<TBank>& b, int32_t offset) { return NotNull(b).PeekLong(offset); }
inline void PokeLong(const Ref<TBank>& b, int32_t offset, int64_t v) { NotNull(b).PokeLong(offset, v); }
inline float PeekFloat(const Ref<TBank>& b, int32_t offset) { return NotNull(b).PeekFloat(offset); }
inline void PokeFloat(const Ref<TBank>& b, int32_t offset, float v) { NotNull(b).PokeFloat(offset, v); }
inline double PeekDouble(const Ref<TBank>& b, int32_t offset) { return NotNull(b).PeekDouble(offset); }
inline void PokeDouble(const Ref<TBank>& b, int32_t offset, double v) { NotNull(b).PokeDouble(offset, v); }
inline int32_t ReadBank(const Ref<TBank>& b, const Ref<TStream>& s, int32_t offset, int32_t count) {
  return NotNull(b).Read(s, offset, count);
}
inline int32_t WriteBank(const Ref<TBank>& b, const Ref<TStream>& s, int32_t offset, int32_t count) {
  return NotNull(b).Write(s, offset, count);
}

}  // namespace tazmix
