#include "runtime/internal/portable_std.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <string>
#ifdef __cpp_lib_to_chars
#include <charconv>
#endif

namespace tazmix {

DecimalRead ReadDecimalDouble(const char* first, const char* last, double& value) {
#ifdef __cpp_lib_to_chars
  const auto result = std::from_chars(first, last, value, std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) return DecimalRead::kOutOfRange;
  return result.ec == std::errc() ? DecimalRead::kOk : DecimalRead::kInvalid;
#else
  // The C library's reader where from_chars has no floating point: the
  // text is checked plain decimal, and this C library (musl's) reads the
  // point whatever the locale says.
  const std::string text(first, last);
  char* end = nullptr;
  errno = 0;
  const double read = std::strtod(text.c_str(), &end);
  if (end == text.c_str()) return DecimalRead::kInvalid;
  // ERANGE also comes with a subnormal result, which from_chars gives.
  if (errno == ERANGE && (read == 0 || std::isinf(read))) return DecimalRead::kOutOfRange;
  value = read;
  return DecimalRead::kOk;
#endif
}

}  // namespace tazmix
