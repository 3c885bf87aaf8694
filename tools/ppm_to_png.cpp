// ppm_to_png: turns a binary PPM (P6, maxval 255), such as a benchmark
// scene's check frame, into a PNG for viewing.
//
//   ppm_to_png IN.ppm OUT.png
//
// Exit code 1 with a message when the input is not such a PPM or the PNG
// cannot be written.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "pixmap/png_loader.h"
#include "runtime/string.h"

using namespace tazmix;

namespace {

// Skips blanks and '#' comments, then reads a decimal number; -1 when there is none.
long ReadHeaderNumber(const std::vector<uint8_t>& bytes, size_t& pos) {
  while (pos < bytes.size()) {
    if (bytes[pos] == '#') {
      while (pos < bytes.size() && bytes[pos] != '\n') ++pos;
    } else if (bytes[pos] == ' ' || bytes[pos] == '\t' || bytes[pos] == '\r' || bytes[pos] == '\n') {
      ++pos;
    } else {
      break;
    }
  }
  long value = -1;
  while (pos < bytes.size() && bytes[pos] >= '0' && bytes[pos] <= '9' && value < 1000000) {
    value = (value < 0 ? 0 : value * 10) + (bytes[pos++] - '0');
  }
  return value;
}

// The PPM's pixels as an RGB pixmap; Null when the bytes are not a whole P6 file.
Ref<TPixmap> DecodePPM(const std::vector<uint8_t>& bytes) {
  if (bytes.size() < 2 || bytes[0] != 'P' || bytes[1] != '6') return nullptr;
  size_t pos = 2;
  const long width = ReadHeaderNumber(bytes, pos);
  const long height = ReadHeaderNumber(bytes, pos);
  const long maxval = ReadHeaderNumber(bytes, pos);
  if (width <= 0 || height <= 0 || maxval != 255 || pos >= bytes.size()) return nullptr;
  ++pos;  // the one blank after the header
  // The size must come from the file's own length, not from the header alone.
  if (static_cast<unsigned long long>(width) * static_cast<unsigned long long>(height) * 3 > bytes.size() - pos) {
    return nullptr;
  }
  Ref<TPixmap> pixmap = CreatePixmap(static_cast<int32_t>(width), static_cast<int32_t>(height), FORMAT_RGB24, 4);
  if (!pixmap) return nullptr;
  for (int32_t y = 0; y < pixmap->height; ++y) {
    const uint8_t* row = bytes.data() + pos + static_cast<size_t>(y) * static_cast<size_t>(width) * 3;
    std::copy(row, row + width * 3, pixmap->PixelPtr(0, y));
  }
  return pixmap;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: ppm_to_png IN.ppm OUT.png\n");
    return 2;
  }
  InitPNGLoader();
  std::ifstream in(argv[1], std::ios::binary);
  const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const Ref<TPixmap> pixmap = DecodePPM(bytes);
  if (!pixmap) {
    std::fprintf(stderr, "ppm_to_png: %s is not a binary PPM with 8-bit samples\n", argv[1]);
    return 1;
  }
  if (!SavePixmapPNG(pixmap, String::FromUTF8String(argv[2]), 6)) {
    std::fprintf(stderr, "ppm_to_png: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
