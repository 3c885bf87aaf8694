#include "audio/platform/mixer_sound.h"

#include <climits>

#include "audio/internal/audio_platform.h"
#include "runtime/error_report.h"

namespace tazmix {

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
  // The memory stays the caller's; the chunk gets a decoded copy.
  SDL_RWops* rw = SDL_RWFromConstMem(data, static_cast<int>(size));
  Mix_Chunk* chunk = rw ? Mix_LoadWAV_RW(rw, 1) : nullptr;
  if (!chunk) {
    NoteFailure(String("the decoder refused it: ") + String::FromUTF8String(Mix_GetError()));
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
