#include "audio/platform/stream_rwops.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace tazmix {

namespace {

TStream& StreamOf(SDL_RWops* rw) { return *static_cast<TStream*>(rw->hidden.unknown.data1); }

Sint64 Size(SDL_RWops* rw) {
  try {
    return StreamOf(rw).Size();
  } catch (...) {
    return SDL_SetError("the stream cannot tell its size");
  }
}

Sint64 Seek(SDL_RWops* rw, Sint64 offset, int whence) {
  try {
    TStream& stream = StreamOf(rw);
    const Sint64 base = whence == RW_SEEK_SET ? 0 : whence == RW_SEEK_CUR ? stream.Pos() : stream.Size();
    if (base < 0) return SDL_SetError("the stream cannot tell its position");
    // Streams address at most 2 GiB; anything outside fails rather than wraps.
    if (offset < -base || offset > std::numeric_limits<int32_t>::max() - base)
      return SDL_SetError("seek outside the stream");
    const int32_t to = static_cast<int32_t>(base + offset);
    const int32_t at = stream.Seek(to);
    return at == to ? Sint64{at} : SDL_SetError("the stream refused the seek");
  } catch (...) {
    return SDL_SetError("the stream failed to seek");
  }
}

size_t Read(SDL_RWops* rw, void* buf, size_t size, size_t count) {
  if (size == 0 || count == 0) return 0;
  const size_t wanted = count > SIZE_MAX / size ? SIZE_MAX / size * size : size * count;
  size_t got = 0;
  try {
    TStream& stream = StreamOf(rw);
    while (got < wanted) {
      const int32_t step = static_cast<int32_t>(std::min<size_t>(wanted - got, 1 << 20));
      const int32_t n = stream.Read(static_cast<uint8_t*>(buf) + got, step);
      if (n <= 0) break;
      got += static_cast<size_t>(n);
    }
  } catch (...) {
    SDL_SetError("the stream failed to read");
  }
  // A partly read object counts as not read, as SDL's own streams do.
  return got / size;
}

size_t Write(SDL_RWops*, const void*, size_t, size_t) {
  SDL_SetError("the stream is read only here");
  return 0;
}

int Close(SDL_RWops*) { return 0; }

}  // namespace

SDL_RWops* StreamRWops(TStream& stream) {
  SDL_RWops* rw = SDL_AllocRW();
  if (!rw) return nullptr;
  rw->type = SDL_RWOPS_UNKNOWN;
  rw->size = Size;
  rw->seek = Seek;
  rw->read = Read;
  rw->write = Write;
  rw->close = Close;
  rw->hidden.unknown.data1 = &stream;
  return rw;
}

}  // namespace tazmix
