// Small streams and checks shared by the stream tests.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "runtime/exception.h"
#include "stream/stream.h"
#include "stream/stream_exception.h"

namespace tazmix::testing {

// Bytes from memory, handed out at most `chunk` at a time, with no position:
// like a pipe.
class PipeStream : public TStream {
 public:
  explicit PipeStream(std::string bytes, int32_t chunk = 1 << 30) : bytes_(std::move(bytes)), chunk_(chunk) {}
  int32_t Read(void* buf, int32_t count) override {
    const auto n = static_cast<int32_t>(std::min<size_t>({size_t(count), size_t(chunk_), bytes_.size() - at_}));
    std::memcpy(buf, bytes_.data() + at_, static_cast<size_t>(n));
    at_ += static_cast<size_t>(n);
    return n;
  }
  int32_t Write(const void* buf, int32_t count) override {
    written_.append(static_cast<const char*>(buf), static_cast<size_t>(count));
    return count;
  }
  const std::string& Written() const { return written_; }
  size_t Consumed() const { return at_; }

 private:
  std::string bytes_;
  size_t at_ = 0;
  int32_t chunk_;
  std::string written_;
};

// Runs `body` and tells whether it raised an object of class T.
template <class T, class F>
bool Raises(F&& body) {
  try {
    body();
  } catch (const Thrown& t) {
    return t.As<T>() != nullptr;
  }
  return false;
}

// The text of what `body` raised ("" if nothing was raised).
template <class F>
std::string RaisedText(F&& body) {
  try {
    body();
  } catch (const Thrown& t) {
    return t.Text().ToCString();
  }
  return "";
}

}  // namespace tazmix::testing
