// What the audio tests share: tones made in code, SDL's disk driver as the
// output (every mixed frame lands in a file the test reads back), and
// measures of what came out.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "audio/audio_module.h"
#include "audio/channel.h"
#include "audio/music.h"
#include "audio/sound.h"
#include "audio/wave_bank.h"
#include "stream/bank.h"
#include "tests/support/temp_dir.h"

namespace tazmix::testing {

inline constexpr int32_t kRate = 48000;
// Frames that may be mixed before a call takes effect but not yet be in the
// file: one buffer in the mixer plus what stdio holds back, with room to spare.
inline constexpr int64_t kSettleFrames = 8192;

enum class Wave { kSine, kSquare };

// A mono WAV file at 48 kHz in a bank: `ms` of the tone, then `gap_ms` of
// silence.
inline Ref<TBank> ToneBank(Wave wave, double hertz, int amplitude, int ms, int gap_ms = 0) {
  const int tone = kRate * ms / 1000;
  std::vector<int16_t> samples(static_cast<size_t>(tone + kRate * gap_ms / 1000));
  for (int i = 0; i < tone; ++i) {
    const double s = std::sin(2 * M_PI * hertz * i / kRate);
    samples[static_cast<size_t>(i)] = static_cast<int16_t>(
        wave == Wave::kSine ? std::lround(amplitude * s)
                            : (std::fmod(hertz * i / kRate, 1.0) < 0.5 ? amplitude : -amplitude));
  }
  return CreateWaveBank(samples, 1, kRate);
}

// A file of tests/data/audio.
inline std::string DataFile(const std::string& name) {
  std::ifstream in(std::string(TAZMIX_TEST_DATA_DIR) + "/audio/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

inline std::string BytesOf(const Ref<TBank>& bank) {
  return {reinterpret_cast<const char*>(bank->Buf()), static_cast<size_t>(bank->Size())};
}

// A sound loaded from a bank.
inline Ref<TSound> SoundOf(const Ref<TBank>& bank) { return LoadSound(Ref<Object>(bank)); }

// Interleaved left/right frames as written by the disk driver.
struct Frames {
  std::vector<int16_t> samples;
  int64_t Count() const { return static_cast<int64_t>(samples.size() / 2); }
  int16_t At(int64_t frame, int side) const { return samples[static_cast<size_t>(frame * 2 + side)]; }
  // Largest magnitude on one side in [from, to).
  int Peak(int side, int64_t from = 0, int64_t to = -1) const {
    int peak = 0;
    for (int64_t i = from; i < (to < 0 ? Count() : to); ++i) peak = std::max(peak, std::abs(int{At(i, side)}));
    return peak;
  }
  // Amplitude of the `hertz` sine on one side in [from, from + count).
  double Level(int side, double hertz, int64_t from, int64_t count) const {
    double re = 0, im = 0;
    for (int64_t i = 0; i < count; ++i) {
      const double phase = 2 * M_PI * hertz * static_cast<double>(i) / kRate;
      re += At(from + i, side) * std::cos(phase);
      im += At(from + i, side) * std::sin(phase);
    }
    return 2 * std::hypot(re, im) / static_cast<double>(count);
  }
  // Runs of frames with sound on either side: [start, end) pairs.
  std::vector<std::pair<int64_t, int64_t>> Bursts() const {
    std::vector<std::pair<int64_t, int64_t>> runs;
    for (int64_t i = 0; i < Count(); ++i) {
      if (At(i, 0) == 0 && At(i, 1) == 0) continue;
      if (runs.empty() || runs.back().second != i) runs.push_back({i, i});
      runs.back().second = i + 1;
    }
    return runs;
  }
};

// The process's audio output, opened once on SDL's disk driver.
class DiskOutput {
 public:
  static DiskOutput& Get() {
    static DiskOutput output;
    return output;
  }

  int64_t Written() const {
    std::ifstream in(path_, std::ios::binary | std::ios::ate);
    return in ? static_cast<int64_t>(in.tellg()) / 4 : 0;
  }

  // Waits, bounded, until `frames` frames are in the file.
  ::testing::AssertionResult WaitWritten(int64_t frames) const {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (Written() < frames) {
      if (std::chrono::steady_clock::now() > deadline)
        return ::testing::AssertionFailure() << "the output stopped at frame " << Written() << ", awaited " << frames;
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return ::testing::AssertionSuccess();
  }

  // Frames [from, to) once they are written.
  Frames Read(int64_t from, int64_t to) const {
    Frames out;
    if (!WaitWritten(to)) return out;
    std::ifstream in(path_, std::ios::binary);
    in.seekg(from * 4);
    out.samples.resize(static_cast<size_t>((to - from) * 2));
    in.read(reinterpret_cast<char*>(out.samples.data()), (to - from) * 4);
    return out;
  }

  // Frames from `from` until the output has gone on kSettleFrames past the
  // moment `done` turned true (bounded).
  template <class Done>
  Frames ReadUntil(int64_t from, Done done) const {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!done()) {
      if (std::chrono::steady_clock::now() > deadline) {
        ADD_FAILURE() << "the sound never ended";
        return {};
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return Read(from, Written() + kSettleFrames);
  }

 private:
  DiskOutput() {
    path_ = folder_ / "output.raw";
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", path_.c_str(), 1);
    // Mix a buffer every 5 ms instead of every 21: the tests run four times
    // faster than real time, and nothing they check depends on the pace.
    setenv("SDL_DISKAUDIODELAY", "5", 1);
    InitAudio();
  }
  TempDir folder_;
  std::string path_;
};

// Every output test starts on the disk driver.
class AudioOutputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const AudioOutputInfo info = AudioOutput();
    ASSERT_TRUE(info.open);
    ASSERT_EQ(info.rate, kRate);
    ASSERT_EQ(info.channels, 2);
    // One buffer is the latency a sound starts with.
    ASSERT_LT(info.buffer_frames * 1000, 25 * info.rate);
  }
  // Made before SetUp, so the disk driver is chosen before anything opens.
  DiskOutput& out = DiskOutput::Get();
  TempDir folder_;
};

}  // namespace tazmix::testing
