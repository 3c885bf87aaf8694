// Writing PNG files where there is no libpng: the rows go into the file
// uncompressed (deflate's stored blocks), which every PNG reader takes. The
// files are larger than libpng's; the compression level is not used.
#include <algorithm>
#include <array>
#include <iterator>
#include <vector>

#include "pixmap/pixel_format.h"
#include "pixmap/pixmap.h"
#include "pixmap/platform/web/png_header.h"
#include "pixmap/png_loader.h"
#include "runtime/error_report.h"
#include "runtime/exception.h"
#include "stream/internal/url_subject.h"
#include "stream/stream.h"
#include "stream/stream_factory.h"

namespace tazmix {

namespace {

// libpng's own bound on a side.
constexpr int32_t kMostSide = 1000000;

constexpr std::array<uint32_t, 256> MakeCrcTable() {
  std::array<uint32_t, 256> table{};
  for (uint32_t n = 0; n < 256; ++n) {
    uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}
constexpr std::array<uint32_t, 256> kCrcTable = MakeCrcTable();

void PutBig32(std::vector<uint8_t>& out, uint32_t v) {
  out.insert(out.end(), {uint8_t(v >> 24), uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v)});
}

void PutChunk(std::vector<uint8_t>& out, const char* tag, const std::vector<uint8_t>& body) {
  PutBig32(out, static_cast<uint32_t>(body.size()));
  const size_t start = out.size();
  out.insert(out.end(), tag, tag + 4);
  out.insert(out.end(), body.begin(), body.end());
  uint32_t crc = 0xFFFFFFFFu;
  for (size_t i = start; i < out.size(); ++i) crc = kCrcTable[(crc ^ out[i]) & 0xFF] ^ (crc >> 8);
  PutBig32(out, crc ^ 0xFFFFFFFFu);
}

// The zlib stream of `raw` in stored blocks of at most 65535 bytes.
std::vector<uint8_t> StoredZlib(const std::vector<uint8_t>& raw) {
  std::vector<uint8_t> z = {0x78, 0x01};
  size_t at = 0;
  do {
    const size_t n = std::min<size_t>(raw.size() - at, 65535);
    const bool last = at + n == raw.size();
    z.insert(z.end(), {uint8_t(last ? 1 : 0), uint8_t(n), uint8_t(n >> 8), uint8_t(~n), uint8_t(~n >> 8)});
    z.insert(z.end(), raw.begin() + static_cast<std::ptrdiff_t>(at), raw.begin() + static_cast<std::ptrdiff_t>(at + n));
    at += n;
  } while (at < raw.size());
  uint32_t a = 1, b = 0;
  for (uint8_t byte : raw) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  PutBig32(z, b << 16 | a);
  return z;
}

// The file for a pixmap the writer can hold (grey, RGB, RGBA; others as
// RGBA); empty when it holds nothing a PNG file can.
std::vector<uint8_t> EncodePng(const Ref<TPixmap>& pixmap) {
  if (!pixmap || pixmap->format < 1 || pixmap->format >= FORMAT_COUNT || !pixmap->pixels) return {};
  if (pixmap->width < 1 || pixmap->height < 1 || pixmap->width > kMostSide || pixmap->height > kMostSide) return {};
  Ref<TPixmap> source = pixmap;
  uint8_t colour = 6;
  switch (pixmap->format) {
    case FORMAT_GREY8: colour = 0; break;
    case FORMAT_RGB24: colour = 2; break;
    case FORMAT_RGBA32: break;
    case FORMAT_BGR24: source = pixmap->Convert(FORMAT_RGB24), colour = 2; break;
    default: source = pixmap->Convert(FORMAT_RGBA32); break;
  }
  if (!source) return {};
  const size_t row = size_t(source->width) * size_t(BytesPerPixel[source->format]);
  std::vector<uint8_t> raw;
  raw.reserve((row + 1) * size_t(source->height));
  for (int32_t y = 0; y < source->height; ++y) {
    raw.push_back(0);  // no filter
    const uint8_t* p = source->PixelPtr(0, y);
    raw.insert(raw.end(), p, p + row);
  }
  std::vector<uint8_t> file(std::begin(kPngSignature), std::end(kPngSignature));
  std::vector<uint8_t> header;
  PutBig32(header, static_cast<uint32_t>(source->width));
  PutBig32(header, static_cast<uint32_t>(source->height));
  header.insert(header.end(), {8, colour, 0, 0, 0});
  PutChunk(file, "IHDR", header);
  PutChunk(file, "IDAT", StoredZlib(raw));
  PutChunk(file, "IEND", {});
  return file;
}

}  // namespace

int32_t SavePixmapPNG(const Ref<TPixmap>& pixmap, const Ref<Object>& url, int32_t) {
  FailureScope scope("SavePixmapPNG", UrlSubject(url));
  // Made before the URL is opened, so a save that cannot succeed leaves the
  // file there as it was.
  const std::vector<uint8_t> file = EncodePng(pixmap);
  if (file.empty()) {
    scope.Fail("no pixels a PNG file can hold");
    return 0;
  }
  Ref<TStream> stream = WriteStream(url);
  if (!stream) return scope.Check(0, "can't write the picture");
  try {
    for (size_t at = 0; at < file.size();) {
      const auto n = static_cast<int32_t>(std::min<size_t>(file.size() - at, 1 << 30));
      stream->WriteBytes(file.data() + at, n);
      at += static_cast<size_t>(n);
    }
    stream->Close();
  } catch (const Thrown&) {
    try {
      stream->Close();
    } catch (const Thrown&) {
    }
    throw;
  }
  return 1;
}

}  // namespace tazmix
