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
  TMixerSound(Mix_Chunk* chunk, int32_t milliseconds) : _chunk(chunk), _milliseconds(milliseconds) {}
  ~TMixerSound() override {
    StopVoicesReading(_chunk);
    Mix_FreeChunk(_chunk);
  }

  int32_t Milliseconds() override { return _milliseconds; }
  Mix_Chunk* Chunk() const { return _chunk; }

 private:
  Mix_Chunk* _chunk;
  int32_t _milliseconds;
};

}  // namespace tazmix
