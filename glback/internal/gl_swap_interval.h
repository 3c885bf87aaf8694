// The swap interval a native flip last set. It starts unknown, so the first
// flip always sets it; after that only a change of sync state costs a call.
#pragma once

#include <cstdint>

namespace tazmix {

class RememberedSwapInterval {
 public:
  // The interval to set for a flip with `sync` (1 for any non-zero value), or
  // -1 when that interval is the one set already.
  int32_t Change(int32_t sync) noexcept {
    const int32_t wanted = sync != 0 ? 1 : 0;
    if (wanted == value_) return -1;
    value_ = wanted;
    return wanted;
  }

 private:
  int32_t value_ = -1;
};

}  // namespace tazmix
