#include "audio/internal/voice.h"

#include <cmath>

namespace tazmix {

namespace {

constexpr int kFracBits = 32;
constexpr double kOne = static_cast<double>(uint64_t{1} << kFracBits);

uint64_t StepOf(float pitch) { return static_cast<uint64_t>(std::llround(static_cast<double>(pitch) * kOne)); }

}  // namespace

void Voice::Start(const int16_t* frames, int64_t count, int32_t loops, float pitch) {
  frames_ = frames;
  count_ = count;
  loops_left_ = loops;
  position_ = 0;
  SetPitch(pitch);
  ended_.store(count <= 0, std::memory_order_release);
}

void Voice::SetPitch(float pitch) { step_.store(StepOf(pitch), std::memory_order_relaxed); }

void Voice::Render(int16_t* out, int32_t count) {
  const uint64_t step = step_.load(std::memory_order_relaxed);
  const uint64_t end = static_cast<uint64_t>(count_) << kFracBits;
  int32_t i = 0;
  if (!ended_.load(std::memory_order_relaxed)) {
    for (; i < count; ++i) {
      const int64_t at = static_cast<int64_t>(position_ >> kFracBits);
      const int64_t frac = static_cast<int64_t>(position_ & 0xFFFFFFFFu) >> 16;  // 16 bits are plenty for samples
      // Past the last frame comes the first of the next loop, or nothing:
      // the last frame is held rather than faded to silence.
      const int64_t next = at + 1 < count_ ? at + 1 : loops_left_ != 0 ? 0 : at;
      for (int side = 0; side < 2; ++side) {
        const int64_t a = frames_[at * 2 + side], b = frames_[next * 2 + side];
        out[i * 2 + side] = static_cast<int16_t>(a + ((b - a) * frac >> 16));
      }
      position_ += step;
      // A sound shorter than one step wraps more than once.
      while (position_ >= end && loops_left_ != 0) {
        if (loops_left_ > 0) --loops_left_;
        position_ -= end;
      }
      if (position_ >= end) {
        ++i;
        ended_.store(true, std::memory_order_release);
        break;
      }
    }
  }
  for (; i < count; ++i) out[i * 2] = out[i * 2 + 1] = 0;
}

}  // namespace tazmix
