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
#include <string>
#include <thread>
#include <vector>

#include "audio/audio_module.h"
#include "audio/channel.h"
#include "audio/music.h"
#include "audio/sound.h"
#include "stream/bank.h"
#include "tests/support/temp_dir.h"

namespace tazmix::testing {

inline constexpr int32_t kRate = 48000;
// Frames that may be mixed before a call takes effect but not yet be in the
// file: one buffer in the mixer plus what stdio holds back, with room to spare.
inline constexpr int64_t kSettleFrames = 8192;

enum class Wave { kSine, kSquare };

// A mono 16-bit WAV file at 48 kHz: `ms` of the tone, then `gap_ms` of silence.
inline std::string ToneWav(Wave wave, double hertz, int amplitude, int ms, int gap_ms = 0) {
  const int tone = kRate * ms / 1000, frames = tone + kRate * gap_ms / 1000;
  std::string pcm;
  for (int i = 0; i < frames; ++i) {
    const double s = std::sin(2 * M_PI * hertz * i / kRate);
    const int v = i >= tone ? 0 : wave == Wave::kSine ? static_cast<int>(std::lround(amplitude * s))
                                 : (std::fmod(hertz * i / kRate, 1.0) < 0.5 ? amplitude : -amplitude);
    pcm += static_cast<char>(v & 0xFF);
    pcm += static_cast<char>((v >> 8) & 0xFF);
  }
  auto u32 = [](uint32_t v) { return std::string{char(v), char(v >> 8), char(v >> 16), char(v >> 24)}; };
  auto u16 = [](uint32_t v) { return std::string{char(v), char(v >> 8)}; };
  return "RIFF" + u32(36 + static_cast<uint32_t>(pcm.size())) + "WAVEfmt " + u32(16) + u16(1) + u16(1) +
         u32(kRate) + u32(kRate * 2) + u16(2) + u16(16) + "data" + u32(static_cast<uint32_t>(pcm.size())) + pcm;
}

inline Ref<TBank> BankOf(const std::string& bytes) {
  Ref<TBank> bank = CreateBank(static_cast<int32_t>(bytes.size()));
  std::copy(bytes.begin(), bytes.end(), bank->Buf());
  return bank;
}

// A sound loaded from a bank holding `bytes`.
inline Ref<TSound> SoundOf(const std::string& bytes) { return LoadSound(Ref<Object>(BankOf(bytes))); }

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
