#include <array>
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

// The frame checksum: CRC-16 with polynomial 0x8005, not reflected, starting
// at 0. A frame followed by its own checksum sums to 0.
const std::array<uint16_t, 256>& Crc16Table() {
  static const std::array<uint16_t, 256> table = [] {
    std::array<uint16_t, 256> t{};
    for (unsigned i = 0; i < 256; ++i) {
      unsigned r = i << 8;
      for (int b = 0; b < 8; ++b) r = r & 0x8000 ? r << 1 ^ 0x8005 : r << 1;
      t[i] = static_cast<uint16_t>(r);
    }
    return t;
  }();
  return table;
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

// Frames are not told apart by lengths, so each ends where the running
// checksum since its start comes to 0 just before another header (or
// `end`). One pass over the bytes from the first frame at `pos`; a damaged
// or cut-off frame never sums to 0 and runs into the end.
bool FramesRunTo(const uint8_t* data, size_t pos, size_t end) {
  const auto& table = Crc16Table();
  uint16_t crc = 0;
  for (size_t at = pos; at < end; ++at) {
    crc = static_cast<uint16_t>(crc << 8 ^ table[(crc >> 8 ^ data[at]) & 0xFF]);
    if (crc == 0 && at + 1 >= pos + 8 && (at + 1 == end || FrameHeaderAt(data + at + 1, end - at - 1))) {
      if (at + 1 == end) return true;
      pos = at + 1;
    }
  }
  return false;
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
  // Some taggers append a 128-byte ID3v1 tag, which is no frame.
  if (FramesRunTo(data, pos, size)) return nullptr;
  if (size - pos >= 128 + 8 && std::memcmp(data + size - 128, "TAG", 3) == 0 && FramesRunTo(data, pos, size - 128))
    return nullptr;
  return "a FLAC frame is cut off or damaged";
}

}  // namespace tazmix
