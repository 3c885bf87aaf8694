// Reads a fuzz input as a sequence of choices: small numbers, ranges and
// byte runs. An exhausted input answers zeros, so every target can read as
// much as it needs and a short input still means something.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tazmix::fuzz {

class FuzzInput {
 public:
  FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  bool Empty() const { return at_ >= size_; }
  size_t Left() const { return size_ - at_; }

  uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  uint16_t Short() { return static_cast<uint16_t>(Byte() | Byte() << 8); }
  uint32_t Int() { return Short() | static_cast<uint32_t>(Short()) << 16; }
  uint64_t Long() { return Int() | static_cast<uint64_t>(Int()) << 32; }
  bool Bool() { return (Byte() & 1) != 0; }

  // lo..hi inclusive (hi - lo below 2^32).
  int64_t Range(int64_t lo, int64_t hi) {
    const uint64_t span = static_cast<uint64_t>(hi - lo) + 1;
    const uint64_t raw = span <= 256 ? Byte() : span <= 65536 ? Short() : Int();
    return lo + static_cast<int64_t>(raw % span);
  }

  // Up to `max` bytes, as many as the input still has.
  std::string Bytes(size_t max) {
    const size_t n = Left() < max ? Left() : max;
    std::string out(reinterpret_cast<const char*>(data_ + at_), n);
    at_ += n;
    return out;
  }
  // A length byte then that many bytes (fewer at the end of the input).
  std::string Chunk(size_t max) { return Bytes(Range(0, static_cast<int64_t>(max))); }
  // Everything that is left.
  std::string Rest() { return Bytes(Left()); }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
};

}  // namespace tazmix::fuzz
