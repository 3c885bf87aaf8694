#include <algorithm>
#include <cstring>

#include "audio/internal/audio_file_check.h"

namespace tazmix {

namespace {

uint8_t Crc8(const uint8_t* p, size_t n) {
  uint8_t crc = 0;
  for (size_t i = 0; i < n; ++i) {
    crc ^= p[i];
    for (int b = 0; b < 8; ++b) crc = static_cast<uint8_t>(crc & 0x80 ? crc << 1 ^ 0x07 : crc << 1);
  }
  return crc;
}

uint16_t Crc16(const uint8_t* p, size_t n) {
  uint16_t crc = 0;
  for (size_t i = 0; i < n; ++i) {
    crc ^= static_cast<uint16_t>(p[i] << 8);
    for (int b = 0; b < 8; ++b) crc = static_cast<uint16_t>(crc & 0x8000 ? crc << 1 ^ 0x8005 : crc << 1);
  }
  return crc;
}

// Whether a frame header that passes its own checksum starts at `p`.
bool FrameHeaderAt(const uint8_t* p, size_t left) {
  if (left < 6 || p[0] != 0xFF || (p[1] & 0xFE) != 0xF8) return false;
  const int block = p[2] >> 4, rate = p[2] & 0x0F, channels = p[3] >> 4, bits = (p[3] >> 1) & 7;
  if (block == 0 || rate == 15 || channels > 10 || bits == 3 || (p[3] & 1)) return false;
  // The frame or sample number, coded like UTF-8 in 1 to 7 bytes.
  size_t n = 4;
  const uint8_t lead = p[n++];
  int more = 0;
  if (lead >= 0xFE) {
    if (lead == 0xFF) return false;
    more = 6;
  } else {
    while (lead & (0x80 >> more)) ++more;
    if (more == 1) return false;  // a continuation byte cannot lead
    if (more > 0) --more;
  }
  for (int i = 0; i < more; ++i, ++n) {
    if (n >= left || (p[n] & 0xC0) != 0x80) return false;
  }
  n += block == 6 ? 1 : block == 7 ? 2 : 0;
  n += rate == 12 ? 1 : rate == 13 || rate == 14 ? 2 : 0;
  return n < left && Crc8(p, n) == p[n];
}

}  // namespace

const char* FlacFileFault(const uint8_t* data, size_t size) {
  size_t pos = Id3v2Length(data, size);
  if (pos > size || size - pos < 4 || std::memcmp(data + pos, "fLaC", 4) != 0) return "not a FLAC file";
  pos += 4;
  for (bool first = true, last = false; !last; first = false) {
    if (size - pos < 4) return "the FLAC metadata is cut off";
    const uint8_t type = data[pos] & 0x7F;
    last = data[pos] & 0x80;
    const size_t length = size_t{data[pos + 1]} << 16 | size_t{data[pos + 2]} << 8 | data[pos + 3];
    if (type == 127 || (first && (type != 0 || length != 34))) return "the FLAC metadata is damaged";
    if (length > size - pos - 4) return "the FLAC metadata is cut off";
    pos += 4 + length;
  }
  if (!FrameHeaderAt(data + pos, size - pos)) return "the FLAC file has no audio frames";
  // The last frame runs to the end of the file, and its checksum covers it
  // whole. Looking back from the end, the nearest header may be a chance
  // pattern inside the last frame's data, so a few earlier ones are tried;
  // the search is bounded in bytes and in checksums.
  constexpr size_t kMaxLastFrame = size_t{4} << 20;
  const size_t floor = size - std::min(size - pos, kMaxLastFrame);
  int tries = 8;
  for (size_t at = size - 2; at-- > floor && tries > 0;) {
    if (!FrameHeaderAt(data + at, size - at)) continue;
    --tries;
    const uint16_t stored = static_cast<uint16_t>(data[size - 2] << 8 | data[size - 1]);
    if (Crc16(data + at, size - 2 - at) == stored) return nullptr;
  }
  return "the last FLAC frame is cut off or damaged";
}

}  // namespace tazmix
