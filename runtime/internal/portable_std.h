// Standard library pieces that not every standard library the library is
// built with has yet (the web build's libc++ lacks both), each with its one
// fallback here rather than a test at every caller.
#pragma once

#include <cstring>
#include <type_traits>
#include <version>
#ifdef __cpp_lib_bit_cast
#include <bit>
#endif

namespace tazmix {

// std::bit_cast: the bits of `from` as a value of type To.
template <class To, class From>
To BitCast(const From& from) noexcept {
  static_assert(sizeof(To) == sizeof(From) && std::is_trivially_copyable_v<To> &&
                std::is_trivially_copyable_v<From>);
#ifdef __cpp_lib_bit_cast
  return std::bit_cast<To>(from);
#else
  To to;
  std::memcpy(&to, &from, sizeof to);
  return to;
#endif
}

enum class DecimalRead { kOk, kOutOfRange, kInvalid };

// std::from_chars for a double in the general format: [first, last) must be
// exactly digits with an optional point and exponent, as the caller checked.
// kOutOfRange leaves `value` unchanged.
DecimalRead ReadDecimalDouble(const char* first, const char* last, double& value);

}  // namespace tazmix
