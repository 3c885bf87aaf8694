#include "pixmap/png_loader.h"

#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <exception>
#include <limits>
#include <vector>

#include "pixmap/internal/png_decode.h"
#include "runtime/error_report.h"
#include "runtime/exception.h"
#include "stream/internal/stream_closer.h"
#include "stream/internal/url_subject.h"
#include "stream/stream.h"
#include "stream/stream_factory.h"

// libpng reports errors by jumping back to a setjmp. Two rules keep that safe
// in C++:
//  - every function that calls setjmp (the *Safely functions below) owns no
//    C++ object with a destructor, so the jump skips nothing that needs
//    running; everything with a destructor lives in their callers;
//  - a callback that catches an exception from the stream stores it, leaves
//    its catch block and only then calls png_error; the caller raises it
//    again once libpng's frames are gone. No exception crosses libpng.

namespace tazmix {

namespace {

// What the callbacks reach through libpng's io pointer.
struct PngIO {
  TStream* stream = nullptr;    // borrowed: the caller holds the reference
  std::exception_ptr pending;  // an exception caught inside a callback
  char message[128] = {};      // libpng's last error, for the failure line
};

[[noreturn]] void OnError(png_structp png, png_const_charp message) {
  if (auto* io = static_cast<PngIO*>(png_get_error_ptr(png)); io && message) {
    std::snprintf(io->message, sizeof io->message, "%s", message);
  }
  png_longjmp(png, 1);
}

// The failure line's reason when libpng gave up.
void NoteLibpngError(const PngIO& io) {
  NoteFailure("libpng: " + String::FromUTF8String(io.message[0] ? io.message : "unknown error"));
}
void OnWarning(png_structp, png_const_charp) {}

// Moves `length` bytes through the stream in Int-sized pieces. A stream
// exception is parked in the io record and turned into a libpng error, so it
// never unwinds through libpng's frames.
template <class Transfer>
void TransferBytes(png_structp png, png_bytep data, size_t length, Transfer transfer, const char* failure) {
  auto* io = static_cast<PngIO*>(png_get_io_ptr(png));
  bool failed = false;
  try {
    while (length > 0) {
      const auto n = static_cast<int32_t>(std::min<size_t>(length, std::numeric_limits<int32_t>::max()));
      transfer(*io->stream, data, n);
      data += n;
      length -= static_cast<size_t>(n);
    }
  } catch (...) {
    io->pending = std::current_exception();
    failed = true;
  }
  if (failed) png_error(png, failure);
}

void OnRead(png_structp png, png_bytep data, size_t length) {
  TransferBytes(png, data, length, [](TStream& s, png_bytep d, int32_t n) { s.ReadBytes(d, n); },
                "stream read failed");
}

void OnWrite(png_structp png, png_bytep data, size_t length) {
  TransferBytes(png, data, length, [](TStream& s, png_bytep d, int32_t n) { s.WriteBytes(d, n); },
                "stream write failed");
}

void OnFlush(png_structp png) {
  auto* io = static_cast<PngIO*>(png_get_io_ptr(png));
  bool failed = false;
  try {
    io->stream->Flush();
  } catch (...) {
    io->pending = std::current_exception();
    failed = true;
  }
  if (failed) png_error(png, "stream flush failed");
}

// The decoded layout the header announces.
struct PngHeader {
  uint32_t width;
  uint32_t height;
  int format;  // 0 when the decoded layout has no pixmap format
};

// Reads the chunks before the image data, refuses oversized pictures and sets
// the transforms: 8 bits per channel, palettes and transparency expanded,
// grey with alpha widened to RGBA, interlacing resolved. `available` is the
// number of bytes the stream still holds, or -1 when it cannot say.
[[gnu::noinline]] bool ReadHeaderSafely(png_structp png, png_infop info, int64_t available, PngHeader* out) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_sig_bytes(png, 8);
  png_set_user_limits(png, PNG_MAX_SIDE, PNG_MAX_SIDE);
  // Only IHDR, PLTE, tRNS, IDAT and IEND matter here; every other chunk is
  // skipped unread, so a chunk that claims gigabytes never gets a buffer.
  png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, -1);
  png_read_info(png, info);

  const png_uint_32 width = png_get_image_width(png, info);
  const png_uint_32 height = png_get_image_height(png, info);
  if (static_cast<int64_t>(width) * height > PNG_MAX_PIXELS) png_error(png, "picture of more than 2^26 pixels");
  // Deflate cannot shrink data by more than about 1032:1, so a short stream
  // cannot hold a big picture: refuse before taking memory for it.
  const int64_t raw_bytes = static_cast<int64_t>(height) * (static_cast<int64_t>(png_get_rowbytes(png, info)) + 1);
  if (available >= 0 && raw_bytes > available * 1040 + 65536) {
    png_error(png, "file too short for the picture it announces");
  }

  const png_byte type = png_get_color_type(png, info);
  const bool grey = (type & PNG_COLOR_MASK_COLOR) == 0;
  const bool alpha = (type & PNG_COLOR_MASK_ALPHA) != 0 || png_get_valid(png, info, PNG_INFO_tRNS) != 0;
  png_set_strip_16(png);
  png_set_expand(png);
  if (grey && alpha) png_set_gray_to_rgb(png);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);

  out->width = width;
  out->height = height;
  out->format = 0;
  if (png_get_bit_depth(png, info) != 8) return true;
  const png_byte channels = png_get_channels(png, info);
  switch (png_get_color_type(png, info)) {
    case PNG_COLOR_TYPE_GRAY: out->format = channels == 1 ? FORMAT_GREY8 : 0; break;
    case PNG_COLOR_TYPE_RGB: out->format = channels == 3 ? FORMAT_RGB24 : 0; break;
    case PNG_COLOR_TYPE_RGB_ALPHA: out->format = channels == 4 ? FORMAT_RGBA32 : 0; break;
    default: break;
  }
  if (out->format != 0 && png_get_rowbytes(png, info) != static_cast<size_t>(width) * BytesPerPixel[out->format])
    out->format = 0;
  return true;
}

[[gnu::noinline]] bool ReadImageSafely(png_structp png, png_infop info, png_bytepp rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_read_image(png, rows);
  png_read_end(png, info);
  return true;
}

struct PngWriteSetup {
  png_uint_32 width;
  png_uint_32 height;
  int color_type;
  int transforms;
  int level;
  png_bytepp rows;
};

[[gnu::noinline]] bool WriteSafely(png_structp png, png_infop info, const PngWriteSetup* setup) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_compression_level(png, setup->level);
  png_set_IHDR(png, info, setup->width, setup->height, 8, setup->color_type, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_rows(png, info, setup->rows);
  png_write_png(png, info, setup->transforms, nullptr);
  return true;
}

// Owners of libpng's structures, so every path destroys them. Reading and
// writing differ only in libpng's create, destroy and io-setting calls.
struct ReadKind {
  static png_structp Create(PngIO* io) { return png_create_read_struct(PNG_LIBPNG_VER_STRING, io, OnError, OnWarning); }
  static void SetIO(png_structp png, PngIO* io) { png_set_read_fn(png, io, OnRead); }
  static void Destroy(png_structpp png, png_infopp info) { png_destroy_read_struct(png, info, nullptr); }
};
struct WriteKind {
  static png_structp Create(PngIO* io) { return png_create_write_struct(PNG_LIBPNG_VER_STRING, io, OnError, OnWarning); }
  static void SetIO(png_structp png, PngIO* io) { png_set_write_fn(png, io, OnWrite, OnFlush); }
  static void Destroy(png_structpp png, png_infopp info) { png_destroy_write_struct(png, info); }
};

template <class Kind>
class PngStructs {
 public:
  explicit PngStructs(PngIO* io) {
    png_ = Kind::Create(io);
    if (png_) info_ = png_create_info_struct(png_);
    if (info_) Kind::SetIO(png_, io);
  }
  PngStructs(const PngStructs&) = delete;
  PngStructs& operator=(const PngStructs&) = delete;
  ~PngStructs() { Kind::Destroy(png_ ? &png_ : nullptr, info_ ? &info_ : nullptr); }
  bool Ok() const { return png_ && info_; }
  png_structp Png() const { return png_; }
  png_infop Info() const { return info_; }

 private:
  png_structp png_ = nullptr;
  png_infop info_ = nullptr;
};
using ReadStructs = PngStructs<ReadKind>;
using WriteStructs = PngStructs<WriteKind>;

std::vector<png_bytep> RowPointers(TPixmap& pixmap) {
  std::vector<png_bytep> rows(static_cast<size_t>(pixmap.height));
  for (int32_t y = 0; y < pixmap.height; ++y) rows[static_cast<size_t>(y)] = pixmap.PixelPtr(0, y);
  return rows;
}

}  // namespace

Ref<TPixmap> DecodePNG(const Ref<TStream>& stream) {
  if (!stream) return nullptr;
  StreamCloser closer(stream);
  png_byte signature[8];
  stream->ReadBytes(signature, 8);
  if (png_sig_cmp(signature, 0, 8) != 0) return nullptr;

  const int32_t pos = stream->Pos(), size = stream->Size();
  const int64_t available = pos >= 0 && size > pos ? int64_t{size} - pos : -1;

  PngIO io{stream.get(), nullptr};
  ReadStructs png(&io);
  if (!png.Ok()) return nullptr;
  PngHeader header{};
  if (!ReadHeaderSafely(png.Png(), png.Info(), available, &header)) {
    if (io.pending) std::rethrow_exception(io.pending);
    NoteLibpngError(io);
    return nullptr;
  }
  if (header.format == 0) {
    NoteFailure("unsupported PNG pixel layout");
    return nullptr;
  }
  Ref<TPixmap> pixmap = TPixmap::Create(static_cast<int32_t>(header.width), static_cast<int32_t>(header.height),
                                        header.format, 4);
  if (!pixmap) {
    NoteFailure("no memory for the picture");
    return nullptr;
  }
  std::vector<png_bytep> rows = RowPointers(*pixmap);
  if (!ReadImageSafely(png.Png(), png.Info(), rows.data())) {
    if (io.pending) std::rethrow_exception(io.pending);
    NoteLibpngError(io);
    return nullptr;
  }
  return pixmap;
}

namespace {

// The picture a save writes and how, decided before anything is opened: a
// save that cannot succeed (no pixmap, an unknown format, no pixels, a side
// libpng refuses) must not truncate the file it was pointed at. Null when
// there is nothing the writer could write.
Ref<TPixmap> PrepareToWrite(const Ref<TPixmap>& pixmap, int32_t compression, PngWriteSetup* setup) {
  if (!pixmap || pixmap->format < 1 || pixmap->format >= FORMAT_COUNT || !pixmap->pixels) return nullptr;
  if (pixmap->width < 1 || pixmap->height < 1) return nullptr;
  if (pixmap->width > PNG_USER_WIDTH_MAX || pixmap->height > PNG_USER_HEIGHT_MAX) return nullptr;
  *setup = PngWriteSetup{};
  setup->level = std::clamp(compression, 0, 9);
  Ref<TPixmap> source = pixmap;
  switch (pixmap->format) {
    case FORMAT_GREY8: setup->color_type = PNG_COLOR_TYPE_GRAY; break;
    case FORMAT_RGB24: setup->color_type = PNG_COLOR_TYPE_RGB; break;
    case FORMAT_BGR24: setup->color_type = PNG_COLOR_TYPE_RGB, setup->transforms = PNG_TRANSFORM_BGR; break;
    case FORMAT_RGBA32: setup->color_type = PNG_COLOR_TYPE_RGB_ALPHA; break;
    case FORMAT_BGRA32: setup->color_type = PNG_COLOR_TYPE_RGB_ALPHA, setup->transforms = PNG_TRANSFORM_BGR; break;
    default:
      source = pixmap->Convert(FORMAT_RGBA32);
      setup->color_type = PNG_COLOR_TYPE_RGB_ALPHA;
      break;
  }
  if (!source) return nullptr;
  setup->width = static_cast<png_uint_32>(source->width);
  setup->height = static_cast<png_uint_32>(source->height);
  return source;
}

int32_t SaveToStream(const Ref<TPixmap>& source, PngWriteSetup setup, const Ref<TStream>& stream) {
  if (!stream) return 0;
  StreamCloser closer(stream);
  std::vector<png_bytep> rows = RowPointers(*source);
  setup.rows = rows.data();

  PngIO io{stream.get(), nullptr};
  WriteStructs png(&io);
  if (!png.Ok()) return 0;
  const bool written = WriteSafely(png.Png(), png.Info(), &setup);
  if (io.pending) std::rethrow_exception(io.pending);
  if (!written) NoteLibpngError(io);
  return written ? 1 : 0;
}

}  // namespace

int32_t SavePixmapPNG(const Ref<TPixmap>& pixmap, const Ref<Object>& url, int32_t compression) {
  FailureScope scope("SavePixmapPNG", UrlSubject(url));
  PngWriteSetup setup;
  const Ref<TPixmap> source = PrepareToWrite(pixmap, compression, &setup);
  if (!source) {
    scope.Fail("no pixels a PNG file can hold");
    return 0;
  }
  return scope.Check(SaveToStream(source, setup, WriteStream(url)), "can't write the picture");
}

}  // namespace tazmix
