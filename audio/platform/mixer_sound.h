// The platform's sound: a chunk the mixer decoded and converted to the
// output format.
#pragma once

#include <SDL_mixer.h>

#include "audio/sound.h"

namespace tazmix {

// Halts every channel whose voice reads `chunk`, so it can be freed.
void StopVoicesReading(const Mix_Chunk* chunk);

class TMixerSound final : public TSound {
 public:
  TMixerSound(Mix_Chunk* chunk, int32_t milliseconds) : chunk_(chunk), milliseconds_(milliseconds) {}
  ~TMixerSound() override {
    StopVoicesReading(chunk_);
    Mix_FreeChunk(chunk_);
  }

  int32_t Milliseconds() override { return milliseconds_; }
  Mix_Chunk* Chunk() const { return chunk_; }

 private:
  Mix_Chunk* chunk_;
  int32_t milliseconds_;
};

}  // namespace tazmix
