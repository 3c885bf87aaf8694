#include "audio/internal/source_rate.h"

#include <cstring>

#include "audio/internal/audio_file_check.h"

namespace tazmix {

namespace {

// Where the rate sits and how it is written.
struct RateField {
  enum Kind { kNone, kFlac, kVorbis } kind = kNone;
  size_t at = 0;
  size_t page_length = 0;  // Vorbis: the first page, whose checksum covers it
};

RateField FlacField(const uint8_t* data, size_t size) {
  const size_t pos = Id3v2Length(data, size);
  // "fLaC", then the stream info block (type 0, 34 bytes) whose rate's 20
  // bits start after 10 bytes of block and frame sizes.
  if (pos > size || size - pos < 8 + 34 || std::memcmp(data + pos, "fLaC", 4) != 0) return {};
  const uint8_t* info = data + pos + 4;
  if ((info[0] & 0x7F) != 0 || info[1] != 0 || info[2] != 0 || info[3] != 34) return {};
  return {RateField::kFlac, pos + 8 + 10, 0};
}

RateField VorbisField(const uint8_t* data, size_t size) {
  const size_t first = OggPageLength(data, size);
  if (first == 0 || std::memcmp(data, "OggS", 4) != 0) return {};
  // The identification header opens the first page: packet type 1,
  // "vorbis", a version, the channel count, then the rate.
  const size_t packet = 27 + data[26];
  if (first < packet + 16 || std::memcmp(data + packet, "\x01vorbis", 7) != 0) return {};
  // A chained file's later streams declare rates of their own, which the
  // decoder would still convert.
  for (size_t pos = first; pos < size;) {
    const size_t length = OggPageLength(data + pos, size - pos);
    if (length == 0 || std::memcmp(data + pos + 14, data + 14, 4) != 0) return {};
    pos += length;
  }
  return {RateField::kVorbis, packet + 12, first};
}

RateField FieldOf(const uint8_t* data, size_t size) {
  const RateField flac = FlacField(data, size);
  return flac.kind != RateField::kNone ? flac : VorbisField(data, size);
}

}  // namespace

int32_t DeclaredRate(const uint8_t* data, size_t size) {
  const RateField field = FieldOf(data, size);
  const uint8_t* p = data + field.at;
  switch (field.kind) {
    case RateField::kNone: return 0;
    case RateField::kFlac: return static_cast<int32_t>(uint32_t{p[0]} << 12 | uint32_t{p[1]} << 4 | p[2] >> 4);
    case RateField::kVorbis: {
      const uint32_t rate = uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
      return rate > INT32_MAX ? 0 : static_cast<int32_t>(rate);
    }
  }
  return 0;
}

bool RestateRate(uint8_t* data, size_t size, int32_t rate) {
  const RateField field = FieldOf(data, size);
  uint8_t* p = data + field.at;
  const auto r = static_cast<uint32_t>(rate);
  switch (field.kind) {
    case RateField::kNone: return false;
    case RateField::kFlac:
      if (r >= 1u << 20) return false;
      p[0] = static_cast<uint8_t>(r >> 12);
      p[1] = static_cast<uint8_t>(r >> 4);
      p[2] = static_cast<uint8_t>((r & 0x0F) << 4 | (p[2] & 0x0F));
      return true;
    case RateField::kVorbis: {
      for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(r >> (8 * i));
      const uint32_t crc = OggPageCrc(data, field.page_length);
      for (int i = 0; i < 4; ++i) data[22 + i] = static_cast<uint8_t>(crc >> (8 * i));
      return true;
    }
  }
  return false;
}

}  // namespace tazmix
