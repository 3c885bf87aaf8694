#include "stream/stream.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "runtime/exception.h"
#include "runtime/internal/portable_std.h"
#include "stream/stream_exception.h"

namespace tazmix {

namespace {

// Little-endian packing, independent of the host's byte order.
template <class U>
void PutLE(uint8_t* out, U value) {
  for (size_t i = 0; i < sizeof(U); ++i) out[i] = static_cast<uint8_t>(value >> (8 * i));
}

template <class U>
U GetLE(const uint8_t* in) {
  U value = 0;
  for (size_t i = 0; i < sizeof(U); ++i) value |= static_cast<U>(in[i]) << (8 * i);
  return value;
}

template <class U>
U ReadLE(TStream& s) {
  uint8_t bytes[sizeof(U)];
  s.ReadBytes(bytes, sizeof(U));
  return GetLE<U>(bytes);
}

template <class U>
void WriteLE(TStream& s, U value) {
  uint8_t bytes[sizeof(U)];
  PutLE(bytes, value);
  s.WriteBytes(bytes, sizeof(U));
}

}  // namespace

int32_t TStream::ReadBytes(void* buf, int32_t count) {
  auto* p = static_cast<uint8_t*>(buf);
  for (int32_t remaining = count; remaining > 0;) {
    const int32_t n = Read(p, remaining);
    if (n <= 0) ThrowStreamRead();
    remaining -= n;
    p += n;
  }
  return count;
}

int32_t TStream::WriteBytes(const void* buf, int32_t count) {
  auto* p = static_cast<const uint8_t*>(buf);
  for (int32_t remaining = count; remaining > 0;) {
    const int32_t n = Write(p, remaining);
    if (n <= 0) ThrowStreamWrite();
    remaining -= n;
    p += n;
  }
  return count;
}

int32_t TStream::SkipBytes(int32_t count) {
  uint8_t scratch[1024];
  for (int32_t remaining = count; remaining > 0;) {
    const int32_t n = Read(scratch, std::min<int32_t>(remaining, sizeof scratch));
    if (n <= 0) ThrowStreamRead();
    remaining -= n;
  }
  return count;
}

int32_t TStream::ReadByte() { return ReadLE<uint8_t>(*this); }
int32_t TStream::WriteByte(int32_t n) {
  WriteLE(*this, static_cast<uint8_t>(n));
  return 0;
}

int32_t TStream::ReadShort() { return ReadLE<uint16_t>(*this); }
int32_t TStream::WriteShort(int32_t n) {
  WriteLE(*this, static_cast<uint16_t>(n));
  return 0;
}

int32_t TStream::ReadInt() { return static_cast<int32_t>(ReadLE<uint32_t>(*this)); }
int32_t TStream::WriteInt(int32_t n) {
  WriteLE(*this, static_cast<uint32_t>(n));
  return 0;
}

int64_t TStream::ReadLong() { return static_cast<int64_t>(ReadLE<uint64_t>(*this)); }
int32_t TStream::WriteLong(int64_t n) {
  WriteLE(*this, static_cast<uint64_t>(n));
  return 0;
}

float TStream::ReadFloat() { return BitCast<float>(ReadLE<uint32_t>(*this)); }
int32_t TStream::WriteFloat(float n) {
  WriteLE(*this, BitCast<uint32_t>(n));
  return 0;
}

double TStream::ReadDouble() { return BitCast<double>(ReadLE<uint64_t>(*this)); }
int32_t TStream::WriteDouble(double n) {
  WriteLE(*this, BitCast<uint64_t>(n));
  return 0;
}

String TStream::ReadLine() {
  // One byte per Read: file streams are buffered by stdio underneath.
  std::u16string line;
  line.reserve(1024);
  uint8_t b = 0;
  while (Read(&b, 1) == 1 && b != 0 && b != 10) {
    if (b != 13) line += static_cast<char16_t>(b);
  }
  return String(std::move(line));
}

bool TStream::WriteLine(const String& text) {
  const std::string bytes = text.ToCString();
  const auto length = static_cast<int32_t>(bytes.size());
  if (Write(bytes.data(), length) != length) return false;
  static const uint8_t crlf[2] = {13, 10};
  return Write(crlf, 2) == 2;
}

String TStream::ReadString(int32_t length) {
  if (length <= 0) return String();
  // The length usually comes from the data itself: grow the buffer only as
  // bytes actually arrive, so a bogus length in a short file costs nothing.
  constexpr int32_t kChunk = 64 * 1024;
  std::vector<uint8_t> bytes;
  bytes.reserve(static_cast<size_t>(std::min(length, kChunk)));
  for (int32_t remaining = length; remaining > 0;) {
    const int32_t c = std::min(remaining, kChunk);
    const size_t at = bytes.size();
    bytes.resize(at + static_cast<size_t>(c));
    ReadBytes(bytes.data() + at, c);
    remaining -= c;
  }
  return String::FromBytes(bytes.data(), length);
}

int32_t TStream::WriteString(const String& text) {
  const std::string bytes = text.ToCString();
  WriteBytes(bytes.data(), static_cast<int32_t>(bytes.size()));
  return 0;
}

Ref<Object> TStream::ReadObject() { Throw(String("Unable to read object")); }
int32_t TStream::WriteObject(const Ref<Object>&) { Throw(String("Unable to write object")); }

}  // namespace tazmix
