// Closes a stream on every way out of a scope that reads it.
#pragma once

#include "runtime/exception.h"
#include "stream/stream.h"

namespace tazmix {

// A failing close never replaces the result or the exception in flight.
class StreamCloser {
 public:
  explicit StreamCloser(const Ref<TStream>& stream) : stream_(stream) {}
  StreamCloser(const StreamCloser&) = delete;
  StreamCloser& operator=(const StreamCloser&) = delete;
  ~StreamCloser() {
    try {
      stream_->Close();
    } catch (const Thrown&) {
    }
  }

 private:
  Ref<TStream> stream_;
};

}  // namespace tazmix
