#include <array>
#include <cstring>

#include "audio/internal/audio_file_check.h"

namespace tazmix {

namespace {

constexpr size_t kHeader = 27;

// The page checksum: CRC-32 with polynomial 0x04C11DB7, not reflected, no
// initial or final inversion.
const std::array<uint32_t, 256>& CrcTable() {
  static const std::array<uint32_t, 256> table = [] {
    std::array<uint32_t, 256> t{};
    for (uint32_t i = 0; i < 256; ++i) {
      uint32_t r = i << 24;
      for (int b = 0; b < 8; ++b) r = r & 0x80000000u ? r << 1 ^ 0x04C11DB7u : r << 1;
      t[i] = r;
    }
    return t;
  }();
  return table;
}

}  // namespace

uint32_t OggPageCrc(const uint8_t* page, size_t length) {
  const auto& table = CrcTable();
  uint32_t crc = 0;
  for (size_t i = 0; i < length; ++i) {
    const uint8_t byte = i >= 22 && i < 26 ? 0 : page[i];  // the checksum field counts as zeros
    crc = crc << 8 ^ table[(crc >> 24 ^ byte) & 0xFF];
  }
  return crc;
}

size_t OggPageLength(const uint8_t* page, size_t left) {
  if (left < kHeader) return 0;
  const size_t segments = page[26];
  if (left < kHeader + segments) return 0;
  size_t body = 0;
  for (size_t i = 0; i < segments; ++i) body += page[kHeader + i];
  const size_t length = kHeader + segments + body;
  return length <= left ? length : 0;
}

const char* OggFileFault(const uint8_t* data, size_t size) {
  size_t pos = 0;
  uint8_t last_flags = 0;
  while (pos < size) {
    const uint8_t* page = data + pos;
    const size_t left = size - pos;
    if (left < kHeader) return "an Ogg page is cut off";
    if (std::memcmp(page, "OggS", 4) != 0 || page[4] != 0) return "the Ogg pages are damaged";
    const size_t length = OggPageLength(page, left);
    if (length == 0) return "an Ogg page is cut off";
    const uint32_t stored = uint32_t{page[22]} | uint32_t{page[23]} << 8 | uint32_t{page[24]} << 16 |
                            uint32_t{page[25]} << 24;
    if (OggPageCrc(page, length) != stored) return "an Ogg page is damaged (its checksum does not match)";
    last_flags = page[5];
    pos += length;
  }
  if (!(last_flags & 0x04)) return "the Ogg stream stops before its last page";
  return nullptr;
}

}  // namespace tazmix
