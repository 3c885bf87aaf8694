// A channel's sound read at a speed of its own: frames are taken from the
// decoded sound by linear interpolation as the output asks for them, so a
// pitch of 2 plays it in half the time an octave up, and the pitch may change
// while it plays.
//
// Start runs on the main thread while the voice is out of the mixer's reach;
// Render runs on the audio thread; SetPitch and Ended may run at any time.
#pragma once

#include <atomic>
#include <cstdint>

namespace tazmix {

class Voice {
 public:
  // `frames` interleaved left/right pairs (at least one), played 1 + `loops`
  // times (negative: until stopped) at `pitch` (see SetPitch).
  void Start(const int16_t* frames, int64_t count, int32_t loops, float pitch);
  // A factor the caller has already held to a sane range: 1 plays as is.
  void SetPitch(float pitch);
  // Writes the next `count` frames; once the sound has played out, silence.
  void Render(int16_t* out, int32_t count);
  // True once Render has written the last frame of the last loop; the
  // frames are not read after that.
  bool Ended() const { return ended_.load(std::memory_order_acquire); }
  // The frames the voice reads (Null before the first start).
  const int16_t* Source() const { return frames_; }

 private:
  const int16_t* frames_ = nullptr;
  int64_t count_ = 0;
  int32_t loops_left_ = 0;
  uint64_t position_ = 0;  // in frames, 32.32 fixed point
  std::atomic<uint64_t> step_{uint64_t{1} << 32};
  std::atomic<bool> ended_{true};
};

}  // namespace tazmix
