// Streams over memory for the pixmap tests: one with a position, one
// without, and helpers to read test files.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "stream/stream.h"

namespace pixmap_test {

using Bytes = std::vector<uint8_t>;

class MemoryStream : public tazmix::TStream {
 public:
  explicit MemoryStream(Bytes data = {}) : data_(std::move(data)) {}

  int32_t Pos() override { return pos_; }
  int32_t Size() override { return static_cast<int32_t>(data_.size()); }
  int32_t Seek(int32_t pos) override {
    pos_ = std::clamp(pos, 0, Size());
    return pos_;
  }
  int32_t Close() override {
    ++closes;
    return 0;
  }
  int32_t Read(void* buf, int32_t count) override {
    const int32_t n = std::max(0, std::min(count, Size() - pos_));
    if (n > 0) std::memcpy(buf, data_.data() + pos_, static_cast<size_t>(n));
    pos_ += n;
    return n;
  }
  int32_t Write(const void* buf, int32_t count) override {
    if (write_limit >= 0 && static_cast<int32_t>(data_.size()) + count > write_limit)
      count = std::max(0, write_limit - static_cast<int32_t>(data_.size()));
    const auto* p = static_cast<const uint8_t*>(buf);
    data_.resize(std::max(data_.size(), static_cast<size_t>(pos_ + count)));
    std::copy(p, p + count, data_.begin() + pos_);
    pos_ += count;
    return count;
  }

  const Bytes& Data() const { return data_; }
  int closes = 0;
  int32_t write_limit = -1;  // bytes after which Write moves nothing; -1 none

 private:
  Bytes data_;
  int32_t pos_ = 0;
};

// Reads like a pipe: it cannot tell its position.
class PositionlessStream : public MemoryStream {
 public:
  using MemoryStream::MemoryStream;
  int32_t Pos() override { return -1; }
  int32_t Seek(int32_t) override { return -1; }
};

inline std::string DataPath(const std::string& name) { return std::string(TAZMIX_TEST_DATA_DIR) + "/png/" + name; }

inline tazmix::String DataUrl(const std::string& name) { return tazmix::String(DataPath(name).c_str()); }

inline Bytes ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace pixmap_test
