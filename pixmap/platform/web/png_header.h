// What a PNG file's chunks before its image data say: the size, and the
// pixmap format the library's PNG reading gives for its colour type. Read
// here so a picture is judged (and refused) before the browser decodes it.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tazmix {

// The eight bytes every PNG file starts with.
inline constexpr uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

struct PngHeaderInfo {
  int32_t width = 0;
  int32_t height = 0;
  int format = 0;  // FORMAT_GREY8, FORMAT_RGB24 or FORMAT_RGBA32
};

// True when `data` starts with the PNG signature.
bool HasPngSignature(const uint8_t* data, size_t size);

// The header of a file that has the signature; nullptr, or the reason it is
// refused (a damaged chunk list, no IHDR, a size beyond the library's limits).
const char* ReadPngHeader(const uint8_t* data, size_t size, PngHeaderInfo* out);

}  // namespace tazmix
