#include "audio/platform/mixer_sound.h"

#include <climits>
#include <vector>

#include "audio/internal/audio_platform.h"
#include "audio/internal/source_rate.h"
#include "runtime/error_report.h"

namespace tazmix {

namespace {

// Rates restated for decoding; others are left to the decoder, so a file
// declaring a freak rate cannot make the conversion here grow without bound.
constexpr int32_t kLowestRestated = 8000;
constexpr int32_t kHighestRestated = 384000;

// Converts the chunk's frames, decoded as if at the output's rate, from
// `rate` to the output's rate in one piece; false with the reason noted.
bool ConvertChunkRate(Mix_Chunk* chunk, int32_t rate, const AudioOutputInfo& out) {
  SDL_AudioCVT cvt;
  if (SDL_BuildAudioCVT(&cvt, AUDIO_S16SYS, static_cast<Uint8>(out.channels), rate, AUDIO_S16SYS,
                        static_cast<Uint8>(out.channels), out.rate) < 0) {
    NoteFailure(String("the rate cannot be converted: ") + String::FromUTF8String(SDL_GetError()));
    return false;
  }
  if (int64_t{chunk->alen} * cvt.len_mult > INT_MAX) {
    NoteFailure("the sound is too long");
    return false;
  }
  cvt.len = static_cast<int>(chunk->alen);
  cvt.buf = static_cast<Uint8*>(SDL_calloc(1, static_cast<size_t>(cvt.len) * static_cast<size_t>(cvt.len_mult)));
  if (!cvt.buf) {
    NoteFailure("out of memory");
    return false;
  }
  SDL_memcpy(cvt.buf, chunk->abuf, chunk->alen);
  if (SDL_ConvertAudio(&cvt) < 0) {
    SDL_free(cvt.buf);
    NoteFailure(String("the rate cannot be converted: ") + String::FromUTF8String(SDL_GetError()));
    return false;
  }
  // The chunk owns its buffer (decoded chunks are allocated by the mixer).
  SDL_free(chunk->abuf);
  chunk->abuf = cvt.buf;
  chunk->alen = static_cast<Uint32>(cvt.len_cvt);
  return true;
}

}  // namespace

Ref<TSound> DecodePlatformSound(const uint8_t* data, size_t size) {
  const AudioOutputInfo out = OpenPlatformOutput();
  if (!out.open) {
    NoteFailure("there is no audio output to decode for");
    return nullptr;
  }
  if (size > INT_MAX) {
    NoteFailure("the file is too large");
    return nullptr;
  }
  // See audio/internal/source_rate.h: a file whose decoder would convert the
  // rate and drop its end is decoded from a copy restated at the output's.
  const int32_t declared = DeclaredRate(data, size);
  std::vector<uint8_t> restated;
  bool restating = false;
  if (declared != out.rate && declared >= kLowestRestated && declared <= kHighestRestated) {
    restated.assign(data, data + size);
    restating = RestateRate(restated.data(), size, out.rate);
    if (restating) data = restated.data();
  }
  // The memory stays the caller's; the chunk gets a decoded copy.
  SDL_RWops* rw = SDL_RWFromConstMem(data, static_cast<int>(size));
  Mix_Chunk* chunk = rw ? Mix_LoadWAV_RW(rw, 1) : nullptr;
  if (!chunk) {
    NoteFailure(String("the decoder refused it: ") + String::FromUTF8String(Mix_GetError()));
    return nullptr;
  }
  if (restating && !ConvertChunkRate(chunk, declared, out)) {
    Mix_FreeChunk(chunk);
    return nullptr;
  }
  const int64_t frame_bytes = 2 * int64_t{out.channels};
  const int64_t frames = chunk->alen / frame_bytes;
  if (frames == 0) {
    Mix_FreeChunk(chunk);
    NoteFailure("the file holds no sound");
    return nullptr;
  }
  return New<TMixerSound>(chunk, static_cast<int32_t>(frames * 1000 / out.rate));
}

}  // namespace tazmix
