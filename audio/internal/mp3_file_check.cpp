#include <cstring>

#include "audio/internal/audio_file_check.h"

namespace tazmix {

namespace {

// The length in bytes of the MPEG audio frame whose header starts at `p`, 0
// when no valid header starts there (free-format frames count as invalid).
size_t FrameLength(const uint8_t* p, size_t left) {
  if (left < 4 || p[0] != 0xFF || (p[1] & 0xE0) != 0xE0) return 0;
  const int version = (p[1] >> 3) & 3;  // 0: 2.5, 2: 2, 3: 1
  const int layer = (p[1] >> 1) & 3;    // 1: III, 2: II, 3: I
  const int bitrate_index = p[2] >> 4, rate_index = (p[2] >> 2) & 3, padding = (p[2] >> 1) & 1;
  if (version == 1 || layer == 0 || bitrate_index == 0 || bitrate_index == 15 || rate_index == 3) return 0;
  static constexpr int kBitrates[5][15] = {
      {0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},  // MPEG 1, layer I
      {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},     // MPEG 1, layer II
      {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320},      // MPEG 1, layer III
      {0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},     // MPEG 2 and 2.5, layer I
      {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},          // MPEG 2 and 2.5, layers II, III
  };
  static constexpr int kRates[3] = {44100, 48000, 32000};
  const bool mpeg1 = version == 3;
  const int row = mpeg1 ? 3 - layer : layer == 3 ? 3 : 4;
  const long bitrate = kBitrates[row][bitrate_index] * 1000L;
  const long rate = kRates[rate_index] >> (mpeg1 ? 0 : version == 2 ? 1 : 2);
  if (layer == 3) return static_cast<size_t>((12 * bitrate / rate + padding) * 4);
  const long per_frame = layer == 1 && !mpeg1 ? 72 : 144;
  return static_cast<size_t>(per_frame * bitrate / rate + padding);
}

}  // namespace

const char* Mp3FileFault(const uint8_t* data, size_t size) {
  size_t pos = Id3v2Length(data, size);
  if (pos > size) return "the ID3 tag runs past the end of the file";
  size_t end = size;
  if (end - pos >= 128 && std::memcmp(data + end - 128, "TAG", 3) == 0) end -= 128;
  // Frames follow each other; junk between them is skipped as players skip
  // it. A frame that follows another and runs past the end is a cut-off
  // file; a chance frame pattern found while skipping junk is not.
  size_t frames = 0;
  bool in_step = true;
  while (end - pos >= 4) {
    const size_t length = FrameLength(data + pos, end - pos);
    if (length != 0 && length <= end - pos) {
      pos += length;
      ++frames;
      in_step = true;
      continue;
    }
    if (length != 0 && in_step && frames > 0) return "the last MP3 frame is cut off";
    in_step = false;
    ++pos;
  }
  if (frames == 0) return "the file holds no MP3 frame";
  return nullptr;
}

}  // namespace tazmix
