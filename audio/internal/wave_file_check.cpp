#include <cstring>

#include "audio/internal/audio_file_check.h"

namespace tazmix {

const char* WaveFileFault(const uint8_t* data, size_t held, size_t size) {
  if (held < 12 || std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0)
    return "not a RIFF WAVE file";
  bool format = false;
  size_t pos = 12;
  // A few stray bytes after the last chunk are tolerated, as players do.
  while (size - pos >= 8) {
    // A chunk past the bytes held cannot be told from here.
    if (pos > held || held - pos < 8) return nullptr;
    const uint8_t* id = data + pos;
    const uint32_t length = uint32_t{id[4]} | uint32_t{id[5]} << 8 | uint32_t{id[6]} << 16 | uint32_t{id[7]} << 24;
    const size_t body = pos + 8;
    const bool is_format = std::memcmp(id, "fmt ", 4) == 0;
    const bool is_data = std::memcmp(id, "data", 4) == 0;
    if (length > size - body) {
      if (is_data) return "the data chunk runs past the end of the file";
      return "a chunk runs past the end of the file";
    }
    if (is_format) format = true;
    if (is_data) return format ? nullptr : "the data chunk comes before the format chunk";
    // Chunks are padded to an even length; the pad after the last may be missing.
    pos = body + length + (length & 1);
    if (pos > size) break;
  }
  return "the file has no data chunk";
}

}  // namespace tazmix
