#include <gtest/gtest.h>

#include <atomic>
#include <cstring>

#include "stream/stream.h"
#include "tests/audio/audio_probe.h"

using namespace tazmix;
using namespace tazmix::testing;

namespace {

constexpr int kAmp = 8000;
constexpr int64_t kBlock = 1024;

// A stream over bytes in memory that counts what was read from it.
class CountingStream : public TStream {
 public:
  explicit CountingStream(std::string bytes) : bytes_(std::move(bytes)) {}
  int32_t Pos() override { return pos_; }
  int32_t Size() override { return static_cast<int32_t>(bytes_.size()); }
  int32_t Seek(int32_t pos) override { return pos_ = std::clamp(pos, 0, Size()); }
  int32_t Read(void* buf, int32_t count) override {
    const int32_t n = std::min(count, Size() - pos_);
    std::memcpy(buf, bytes_.data() + pos_, static_cast<size_t>(std::max(n, 0)));
    pos_ += std::max(n, 0);
    read_ += std::max(n, 0);
    return std::max(n, 0);
  }
  std::atomic<int64_t> read_{0};

 private:
  std::string bytes_;
  int32_t pos_ = 0;
};

// The peak of each 1024-frame block.
std::vector<int> Envelope(const Frames& frames) {
  std::vector<int> peaks;
  for (int64_t b = 0; b + kBlock <= frames.Count(); b += kBlock) peaks.push_back(frames.Peak(0, b, b + kBlock));
  return peaks;
}

using MusicOutput = AudioOutputTest;

// A 10 s piece read from a stream is decoded as it plays: opening reads only
// its start. Fading in, it rises from near silence to full over 500 ms, never
// falling on the way; fading out, it falls to silence within 500 ms of the
// call and ends.
TEST_F(MusicOutput, StreamsAndFadesInAndOut) {
  const std::string wav = BytesOf(ToneBank(Wave::kSquare, 500, kAmp, 10000));
  Ref<CountingStream> stream = New<CountingStream>(wav);
  Ref<TMusic> music = OpenMusic(Ref<Object>(stream));
  ASSERT_TRUE(music);
  EXPECT_LT(stream->read_.load(), static_cast<int64_t>(wav.size() / 4));

  const int64_t start = out.Written();
  ASSERT_TRUE(PlayMusic(music, 0, 500));
  const std::vector<int> in = Envelope(out.Read(start, start + kSettleFrames + kRate));
  size_t first = 0;
  while (first < in.size() && in[first] == 0) ++first;
  ASSERT_LT(first + 40, in.size()) << "the music never started";
  EXPECT_LT(in[first], kAmp / 4);
  for (size_t i = first + 1; i < first + 40; ++i) EXPECT_GE(in[i], in[i - 1]) << "block " << i;
  EXPECT_NEAR(in[first + 30], kAmp, kAmp / 100);  // 640 ms in: fully up

  const int64_t fade_from = out.Written();
  StopMusic(500);
  const std::vector<int> fade = Envelope(out.ReadUntil(fade_from, [] { return !MusicPlaying(); }));
  size_t silent = 0;
  while (silent < fade.size() && fade[silent] != 0) ++silent;
  ASSERT_LT(silent, fade.size()) << "the music never fell silent";
  for (size_t i = 1; i < silent; ++i) EXPECT_LE(fade[i], fade[i - 1]) << "block " << i;
  for (size_t i = silent; i < fade.size(); ++i) EXPECT_EQ(fade[i], 0) << "block " << i;
  EXPECT_GT((silent + 1) * kBlock, static_cast<size_t>(kRate / 2 - 2 * kBlock));
  EXPECT_LT(silent * kBlock, static_cast<size_t>(kRate / 2 + kSettleFrames + kBlock));
}

// Volume 0.5 halves the piece; pausing silences it and resume goes on.
TEST_F(MusicOutput, VolumeAndPause) {
  Ref<TMusic> music = OpenMusic(Ref<Object>(ToneBank(Wave::kSquare, 500, kAmp, 5000)));
  ASSERT_TRUE(music);
  SetMusicVolume(0.5f);
  ASSERT_TRUE(PlayMusic(music, LOOP_FOREVER));
  auto peak = [&] {
    const int64_t from = out.Written() + kSettleFrames;
    return out.Read(from, from + 4800).Peak(0);
  };
  EXPECT_NEAR(peak(), kAmp / 2, kAmp / 100);
  PauseMusic();
  EXPECT_EQ(peak(), 0);
  EXPECT_TRUE(MusicPlaying());
  ResumeMusic();
  EXPECT_NEAR(peak(), kAmp / 2, kAmp / 100);
  StopMusic();
  EXPECT_FALSE(MusicPlaying());
  SetMusicVolume(1);
}

}  // namespace
