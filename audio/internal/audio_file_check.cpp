#include "audio/internal/audio_file_check.h"

#include <cstring>

namespace tazmix {

size_t Id3v2Length(const uint8_t* data, size_t size) {
  if (size < 10 || std::memcmp(data, "ID3", 3) != 0) return 0;
  size_t length = 0;
  for (int i = 6; i < 10; ++i) length = length << 7 | (data[i] & 0x7F);
  const bool footer = data[5] & 0x10;
  return 10 + length + (footer ? 10 : 0);
}

const char* AudioFileFault(const uint8_t* data, size_t size) {
  if (size == 0) return "the file is empty";
  if (size >= 12 && std::memcmp(data, "RIFF", 4) == 0 && std::memcmp(data + 8, "WAVE", 4) == 0)
    return WaveFileFault(data, size, size);
  if (size >= 4 && std::memcmp(data, "OggS", 4) == 0) return OggFileFault(data, size);
  if (size >= 4 && std::memcmp(data, "fLaC", 4) == 0) return FlacFileFault(data, size);
  if (const size_t tag = Id3v2Length(data, size)) {
    // Either format may carry the tag in front.
    if (tag <= size - 4 && std::memcmp(data + tag, "fLaC", 4) == 0) return FlacFileFault(data, size);
    return Mp3FileFault(data, size);
  }
  if (size >= 2 && data[0] == 0xFF && (data[1] & 0xE0) == 0xE0) return Mp3FileFault(data, size);
  return nullptr;
}

}  // namespace tazmix
