/// \file
/// TBank: a resizable block of raw memory with typed peek and poke, loaded
/// from and saved to streams.
///
/// Values are stored in the host's byte order (least significant byte first
/// on every host the system runs on). Access never reaches outside the bank:
/// a peek that does not lie wholly within Size() reads 0, such a poke or copy
/// does nothing, and a read or write moves at most the bytes from its offset
/// to the end (none for an offset outside).
///
/// \code{.cpp}
/// tazmix::Ref<tazmix::TBank> bank = tazmix::CreateBank(8);
/// tazmix::PokeInt(bank, 0, 1234);
/// tazmix::PokeFloat(bank, 4, 0.5f);
/// tazmix::SaveBank(bank, "state.bin");
/// tazmix::Ref<tazmix::TBank> again = tazmix::LoadBank("state.bin");  // Null + a line on failure
/// int32_t n = tazmix::PeekInt(again, 0);  // 1234
/// \endcode
/// \ingroup stream
/// \since 1.0
#pragma once

#include <cstdint>
#include <memory>

#include "../runtime/exception.h"
#include "../runtime/object.h"
#include "../runtime/string.h"
#include "stream.h"

namespace tazmix {

/// A resizable block of raw memory. A bank is also a URL: every stream
/// function reads and writes it as a file (see bank_stream.h).
/// \since 1.0
class TBank : public Object {
 public:
  /// A bank owning fresh zeroed bytes.
  /// \param size the number of bytes; negative counts as 0.
  /// \return the bank, or Null when the memory cannot be had (no line).
  /// \since 1.0
  static Ref<TBank> Create(int32_t size);
  /// A bank over the caller's memory (capacity -1): never freed by the bank.
  /// \param buf the memory; it must outlive the bank's use of it.
  /// \param size its length in bytes.
  /// \return the bank, or Null for a negative size, or no memory behind a size
  ///   above 0 (no line).
  /// \since 1.0
  static Ref<TBank> CreateStatic(void* buf, int32_t size);
  /// The whole content of a URL in a bank of exactly that size: the size is
  /// what actually arrived, never a figure the data claims.
  /// \param url any URL OpenStream knows.
  /// \return the bank, or Null if the URL cannot be opened, with a line such
  ///   as `LoadBank("a.bin"): can't open the file: No such file or directory`.
  /// \since 1.0
  static Ref<TBank> Load(const Ref<Object>& url);
  /// Load for a URL given as text.
  /// \param url a file path or "protocol::path".
  /// \return the bank, or Null with a line as above.
  /// \since 1.0
  static Ref<TBank> Load(const String& url);

  /// \return the memory; valid until the next Resize. \since 1.0
  virtual uint8_t* Buf();
  /// Counts a lock (kept for callers that bracket their access).
  /// \return the memory, as Buf.
  /// \since 1.0
  virtual uint8_t* Lock();
  /// Counts an unlock. \return 0. \since 1.0
  virtual int32_t Unlock();
  /// \return the size in bytes. \since 1.0
  virtual int32_t Size();
  /// \return the bytes reserved, or -1 for a static bank. \since 1.0
  virtual int32_t Capacity();
  /// Changes the size. Growing beyond the capacity reallocates to
  /// max(capacity * 3 / 2, size), copies the content and zeroes the rest (a
  /// static bank then owns its new memory); shrinking only lowers the size.
  /// When the memory cannot be had, the bank stays as it was.
  /// \param size the new size; negative counts as 0.
  /// \since 1.0
  virtual void Resize(int32_t size);
  /// Fills part of the bank from a stream, with one Read of the stream.
  /// \param stream the stream.
  /// \param offset where the bytes go.
  /// \param count the most bytes to read; no more than reach the bank's end.
  /// \return how many arrived; may be short; 0 for an offset outside.
  /// \throws Thrown carrying a TNullObjectException for a Null stream.
  /// \since 1.0
  virtual int32_t Read(const Ref<TStream>& stream, int32_t offset, int32_t count);
  /// Writes part of the bank to a stream, with one Write of the stream.
  /// \param stream the stream.
  /// \param offset where the bytes start.
  /// \param count the most bytes to write; no more than reach the bank's end.
  /// \return how many went out; may be short; 0 for an offset outside.
  /// \throws Thrown carrying a TNullObjectException for a Null stream.
  /// \since 1.0
  virtual int32_t Write(const Ref<TStream>& stream, int32_t offset, int32_t count);
  /// \param offset the byte's offset. \return the byte, 0..255; 0 outside. \since 1.0
  virtual int32_t PeekByte(int32_t offset);
  /// \param offset the byte's offset. \param value the value; its low 8 bits
  ///   are stored. Nothing happens outside the bank. \since 1.0
  virtual void PokeByte(int32_t offset, int32_t value);
  /// \param offset the first byte's offset. \return the 16-bit value, 0..65535;
  ///   0 unless both bytes lie within. \since 1.0
  virtual int32_t PeekShort(int32_t offset);
  /// \param offset the first byte's offset. \param value the value; its low 16
  ///   bits are stored. Nothing happens unless both bytes lie within. \since 1.0
  virtual void PokeShort(int32_t offset, int32_t value);
  /// \param offset the first byte's offset. \return the Int; 0 unless all four
  ///   bytes lie within. \since 1.0
  virtual int32_t PeekInt(int32_t offset);
  /// \param offset the first byte's offset. \param value the value. Nothing
  ///   happens unless all four bytes lie within. \since 1.0
  virtual void PokeInt(int32_t offset, int32_t value);
  /// \param offset the first byte's offset. \return the Long; 0 unless all
  ///   eight bytes lie within. \since 1.0
  virtual int64_t PeekLong(int32_t offset);
  /// \param offset the first byte's offset. \param value the value. Nothing
  ///   happens unless all eight bytes lie within. \since 1.0
  virtual void PokeLong(int32_t offset, int64_t value);
  /// \param offset the first byte's offset. \return the Float; 0 unless all
  ///   four bytes lie within. \since 1.0
  virtual float PeekFloat(int32_t offset);
  /// \param offset the first byte's offset. \param value the value. Nothing
  ///   happens unless all four bytes lie within. \since 1.0
  virtual void PokeFloat(int32_t offset, float value);
  /// \param offset the first byte's offset. \return the Double; 0 unless all
  ///   eight bytes lie within. \since 1.0
  virtual double PeekDouble(int32_t offset);
  /// \param offset the first byte's offset. \param value the value. Nothing
  ///   happens unless all eight bytes lie within. \since 1.0
  virtual void PokeDouble(int32_t offset, double value);
  /// Writes the whole bank to a URL.
  /// \param url any URL OpenStream can open for writing.
  /// \return 1 when written, 0 when the URL cannot be opened for writing (with
  ///   OpenStream's line).
  /// \throws Thrown carrying a TStreamWriteException when the bytes cannot all
  ///   go out (a full disk).
  /// \since 1.0
  virtual int32_t Save(const Ref<Object>& url);
  /// Save for a URL given as text.
  /// \param url a file path or "protocol::path".
  /// \return 1 when written, 0 when the URL cannot be opened for writing.
  /// \since 1.0
  int32_t Save(const String& url);

 private:
  // True when [offset, offset + count) lies within the bank.
  bool Holds(int64_t offset, int64_t count) const noexcept;
  // Hidden from the reference, where the free function carries the documentation.
  /// \cond
  friend void CopyBank(const Ref<TBank>&, int32_t, const Ref<TBank>&, int32_t, int32_t);
  /// \endcond
  template <class T> T Peek(int32_t offset) const;
  template <class T> void Poke(int32_t offset, T value);

  uint8_t* _buf = nullptr;
  int32_t _size = 0;
  int32_t _capacity = 0;
  int32_t _locked = 0;
  std::unique_ptr<uint8_t[]> owned_;  // the memory, unless the bank is static
};

// The module functions. Saving Null gives 0 before anything is opened; the
// others raise TNullObjectException for a Null bank, as a method of Null.

/// TBank::Create. \param size the number of bytes.
/// \return the bank, or Null when the memory cannot be had. \since 1.0
inline Ref<TBank> CreateBank(int32_t size) { return TBank::Create(size); }
/// TBank::CreateStatic. \param buf the caller's memory. \param size its length.
/// \return the bank, or Null for a negative size or no memory. \since 1.0
inline Ref<TBank> CreateStaticBank(void* buf, int32_t size) { return TBank::CreateStatic(buf, size); }
/// TBank::Load. \param url the URL.
/// \return the bank, or Null with a line "LoadBank(...): ...". \since 1.0
inline Ref<TBank> LoadBank(const Ref<Object>& url) { return TBank::Load(url); }
/// TBank::Load. \param url a file path or "protocol::path".
/// \return the bank, or Null with a line "LoadBank(...): ...". \since 1.0
inline Ref<TBank> LoadBank(const String& url) { return TBank::Load(url); }
/// TBank::Save. \param bank the bank, or Null. \param url the URL.
/// \return 1 when written; 0 for a Null bank or a URL that can't be opened. \since 1.0
inline int32_t SaveBank(const Ref<TBank>& bank, const Ref<Object>& url) { return bank ? bank->Save(url) : 0; }
/// TBank::Save. \param bank the bank, or Null. \param url a file path or "protocol::path".
/// \return 1 when written; 0 for a Null bank or a URL that can't be opened. \since 1.0
inline int32_t SaveBank(const Ref<TBank>& bank, const String& url) { return bank ? bank->Save(url) : 0; }
/// TBank::Buf. \param bank the bank. \return its memory. \since 1.0
inline uint8_t* BankBuf(const Ref<TBank>& bank) { return NotNull(bank).Buf(); }
/// TBank::Lock. \param bank the bank. \return its memory. \since 1.0
inline uint8_t* LockBank(const Ref<TBank>& bank) { return NotNull(bank).Lock(); }
/// TBank::Unlock. \param bank the bank. \return 0. \since 1.0
inline int32_t UnlockBank(const Ref<TBank>& bank) { return NotNull(bank).Unlock(); }
/// TBank::Size. \param bank the bank. \return its size in bytes. \since 1.0
inline int32_t BankSize(const Ref<TBank>& bank) { return NotNull(bank).Size(); }
/// TBank::Capacity. \param bank the bank. \return the bytes reserved, -1 when static. \since 1.0
inline int32_t BankCapacity(const Ref<TBank>& bank) { return NotNull(bank).Capacity(); }
/// TBank::Resize. \param bank the bank. \param size the new size. \since 1.0
inline void ResizeBank(const Ref<TBank>& bank, int32_t size) { NotNull(bank).Resize(size); }
/// Copies bytes between banks (or within one). The ranges may overlap; a range
/// not wholly within its bank copies nothing.
/// \param src the bank to copy from.
/// \param srcOffset where the bytes start in `src`.
/// \param dst the bank to copy to.
/// \param dstOffset where they go in `dst`.
/// \param count the number of bytes.
/// \throws Thrown carrying a TNullObjectException for a Null bank.
/// \since 1.0
void CopyBank(const Ref<TBank>& src, int32_t srcOffset, const Ref<TBank>& dst, int32_t dstOffset, int32_t count);

/// TBank::PeekByte. \param b the bank. \param offset the offset. \return 0..255; 0 outside. \since 1.0
inline int32_t PeekByte(const Ref<TBank>& b, int32_t offset) { return NotNull(b).PeekByte(offset); }
/// TBank::PokeByte. \param b the bank. \param offset the offset. \param v the value. \since 1.0
inline void PokeByte(const Ref<TBank>& b, int32_t offset, int32_t v) { NotNull(b).PokeByte(offset, v); }
/// TBank::PeekShort. \param b the bank. \param offset the offset. \return 0..65535; 0 outside. \since 1.0
inline int32_t PeekShort(const Ref<TBank>& b, int32_t offset) { return NotNull(b).PeekShort(offset); }
/// TBank::PokeShort. \param b the bank. \param offset the offset. \param v the value. \since 1.0
inline void PokeShort(const Ref<TBank>& b, int32_t offset, int32_t v) { NotNull(b).PokeShort(offset, v); }
/// TBank::PeekInt. \param b the bank. \param offset the offset. \return the Int; 0 outside. \since 1.0
inline int32_t PeekInt(const Ref<TBank>& b, int32_t offset) { return NotNull(b).PeekInt(offset); }
/// TBank::PokeInt. \param b the bank. \param offset the offset. \param v the value. \since 1.0
inline void PokeInt(const Ref<TBank>& b, int32_t offset, int32_t v) { NotNull(b).PokeInt(offset, v); }
/// TBank::PeekLong. \param b the bank. \param offset the offset. \return the Long; 0 outside. \since 1.0
inline int64_t PeekLong(const Ref<TBank>& b, int32_t offset) { return NotNull(b).PeekLong(offset); }
/// TBank::PokeLong. \param b the bank. \param offset the offset. \param v the value. \since 1.0
inline void PokeLong(const Ref<TBank>& b, int32_t offset, int64_t v) { NotNull(b).PokeLong(offset, v); }
/// TBank::PeekFloat. \param b the bank. \param offset the offset. \return the Float; 0 outside. \since 1.0
inline float PeekFloat(const Ref<TBank>& b, int32_t offset) { return NotNull(b).PeekFloat(offset); }
/// TBank::PokeFloat. \param b the bank. \param offset the offset. \param v the value. \since 1.0
inline void PokeFloat(const Ref<TBank>& b, int32_t offset, float v) { NotNull(b).PokeFloat(offset, v); }
/// TBank::PeekDouble. \param b the bank. \param offset the offset. \return the Double; 0 outside. \since 1.0
inline double PeekDouble(const Ref<TBank>& b, int32_t offset) { return NotNull(b).PeekDouble(offset); }
/// TBank::PokeDouble. \param b the bank. \param offset the offset. \param v the value. \since 1.0
inline void PokeDouble(const Ref<TBank>& b, int32_t offset, double v) { NotNull(b).PokeDouble(offset, v); }
/// TBank::Read. \param b the bank. \param s the stream. \param offset where the bytes go.
/// \param count the most bytes. \return how many arrived. \since 1.0
inline int32_t ReadBank(const Ref<TBank>& b, const Ref<TStream>& s, int32_t offset, int32_t count) {
  return NotNull(b).Read(s, offset, count);
}
/// TBank::Write. \param b the bank. \param s the stream. \param offset where the bytes start.
/// \param count the most bytes. \return how many went out. \since 1.0
inline int32_t WriteBank(const Ref<TBank>& b, const Ref<TStream>& s, int32_t offset, int32_t count) {
  return NotNull(b).Write(s, offset, count);
}

}  // namespace tazmix
