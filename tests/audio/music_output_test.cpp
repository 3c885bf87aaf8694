#include <gtest/gtest.h>

#include <atomic>
#include <cstring>

#include "runtime/error_report.h"
#include "stream/stream.h"
#include "stream/stream_exception.h"
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
    bytes_read += std::max(n, 0);
    return std::max(n, 0);
  }
  std::atomic<int64_t> bytes_read{0};

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

// A 10 s piece read from a stream is decoded as it plays: opening reads it
// through once for its check, and of the decoder's reading only the start;
// the rest is read while it plays. Fading in, it rises from near silence to full over 500 ms, never
// falling on the way; fading out, it falls to silence within 500 ms of the
// call and ends.
TEST_F(MusicOutput, StreamsAndFadesInAndOut) {
  const std::string wav = BytesOf(ToneBank(Wave::kSquare, 500, kAmp, 10000));
  Ref<CountingStream> stream = New<CountingStream>(wav);
  Ref<TMusic> music = OpenMusic(Ref<Object>(stream));
  ASSERT_TRUE(music);
  const int64_t opened = stream->bytes_read.load();
  EXPECT_LT(opened, static_cast<int64_t>(wav.size() + wav.size() / 4));

  const int64_t start = out.Written();
  ASSERT_TRUE(PlayMusic(music, 0, 500));
  const std::vector<int> in = Envelope(out.Read(start, start + kSettleFrames + kRate));
  size_t first = 0;
  while (first < in.size() && in[first] == 0) ++first;
  ASSERT_LT(first + 40, in.size()) << "the music never started";
  EXPECT_LT(in[first], kAmp / 4);
  for (size_t i = first + 1; i < first + 40; ++i) EXPECT_GE(in[i], in[i - 1]) << "block " << i;
  EXPECT_NEAR(in[first + 30], kAmp, kAmp / 100);  // 640 ms in: fully up
  EXPECT_GT(stream->bytes_read.load(), opened + static_cast<int64_t>(wav.size() / 20));

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

// A stream over bytes that goes bad once armed, after the piece was opened
// and checked: its second half turns to garbage, raises, or is cut off.
class SpoilingStream : public CountingStream {
 public:
  enum Fault { kGarbage, kRaise, kCut };
  SpoilingStream(std::string bytes, Fault fault) : CountingStream(std::move(bytes)), fault_(fault) {}
  int32_t Size() override { return armed && fault_ == kCut ? Half() : CountingStream::Size(); }
  int32_t Seek(int32_t pos) override { return CountingStream::Seek(std::min(pos, Size())); }
  int32_t Read(void* buf, int32_t count) override {
    const int32_t from = Pos();
    if (armed && fault_ == kRaise && from + count > Half()) ThrowStreamRead();
    if (armed && fault_ == kCut) count = std::max(0, std::min(count, Half() - from));
    const int32_t n = CountingStream::Read(buf, count);
    for (int32_t i = 0; armed && fault_ == kGarbage && i < n; ++i) {
      if (from + i >= Half()) static_cast<uint8_t*>(buf)[i] ^= 0x5A;
    }
    return n;
  }
  bool armed = false;

 private:
  int32_t Half() { return CountingStream::Size() / 2; }
  Fault fault_;
};

// A 1 s piece whose stream goes bad while it plays never crashes or hangs:
// PlayMusic answers false, or the piece ends no later than it would have.
TEST_F(MusicOutput, StreamGoingBadWhilePlayingEndsIt) {
  const std::string pieces[][2] = {{"wav", BytesOf(ToneBank(Wave::kSquare, 500, kAmp, 1000))},
                                   {"flac", DataFile("tone44.flac")},
                                   {"ogg", DataFile("tone44.ogg")}};
  for (const auto& [format, bytes] : pieces) {
    for (auto fault : {SpoilingStream::kGarbage, SpoilingStream::kRaise, SpoilingStream::kCut}) {
      SCOPED_TRACE(format + " fault " + std::to_string(fault));
      Ref<SpoilingStream> stream = New<SpoilingStream>(bytes, fault);
      Ref<TMusic> music = OpenMusic(Ref<Object>(stream));
      ASSERT_TRUE(music);
      stream->armed = true;
      const int64_t start = out.Written();
      if (!PlayMusic(music)) {
        EXPECT_FALSE(MusicPlaying());
        continue;
      }
      const Frames got = out.ReadUntil(start, [] { return !MusicPlaying(); });
      // Where the sound ends in the output, not when this thread noticed:
      // on a loaded machine the output runs on while the test sleeps.
      const auto bursts = got.Bursts();
      const int64_t last_sound = bursts.empty() ? 0 : bursts.back().second;
      EXPECT_LT(last_sound, kRate + 2 * kSettleFrames);
    }
  }
}

// A stream that claims 40 MiB: a WAV header whose data chunk claims `data`
// bytes, then silence made as it is read.
class LongWaveStream : public TStream {
 public:
  explicit LongWaveStream(int32_t data) : header_(BytesOf(ToneBank(Wave::kSine, 440, 1000, 0))) {
    const int32_t riff = data + 36;
    std::memcpy(header_.data() + 4, &riff, 4);
    std::memcpy(header_.data() + 40, &data, 4);
  }
  int32_t Pos() override { return pos_; }
  int32_t Size() override { return 40 << 20; }
  int32_t Seek(int32_t pos) override { return pos_ = std::clamp(pos, 0, Size()); }
  int32_t Read(void* buf, int32_t count) override {
    const int32_t n = std::max(0, std::min(count, Size() - pos_));
    for (int32_t i = 0; i < n; ++i, ++pos_) {
      static_cast<char*>(buf)[i] = pos_ < static_cast<int32_t>(header_.size()) ? header_[static_cast<size_t>(pos_)] : 0;
    }
    bytes_read += n;
    return n;
  }
  int64_t bytes_read = 0;

 private:
  std::string header_;
  int32_t pos_ = 0;
};

// A piece too long to be read twice is checked by its start: a WAV file's
// data chunk against the stream's size, and little of it is read at open.
TEST_F(MusicOutput, LongPieceIsCheckedByItsStart) {
  Ref<LongWaveStream> whole = New<LongWaveStream>((40 << 20) - 44);
  EXPECT_TRUE(OpenMusic(Ref<Object>(whole)));
  EXPECT_LT(whole->bytes_read, 1 << 20);
  EXPECT_FALSE(OpenMusic(Ref<Object>(New<LongWaveStream>(80 << 20))));
  EXPECT_NE(LastErrorText().Find("the data chunk runs past the end of the file"), -1) << LastErrorText().ToUTF8String();
}

}  // namespace
