#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "runtime/error_report.h"
#include "tests/audio/audio_probe.h"

using namespace tazmix;
using namespace tazmix::testing;

namespace {

constexpr int kAmp = 8000;

struct ToneRow {
  const char* name;
  float volume, pan;
  int left, right;  // expected peaks
};

class ToneOutput : public AudioOutputTest, public ::testing::WithParamInterface<ToneRow> {};

// A 100 ms square tone on a held channel set up before it starts comes out
// whole (4800 frames, no more, no less) at the row's level on each side.
TEST_P(ToneOutput, LengthVolumeAndPan) {
  const ToneRow& row = GetParam();
  Ref<TSound> tone = SoundOf(ToneBank(Wave::kSquare, 500, kAmp, 100));
  ASSERT_TRUE(tone);
  EXPECT_EQ(SoundLength(tone), 100);
  Ref<TChannel> channel = AllocChannel();
  ASSERT_TRUE(channel);
  SetChannelVolume(channel, row.volume);
  SetChannelPan(channel, row.pan);
  const int64_t start = out.Written();
  ASSERT_EQ(PlaySound(tone, channel), channel);
  const Frames got = out.ReadUntil(start, [&] { return !ChannelPlaying(channel); });
  EXPECT_NEAR(got.Peak(0), row.left, kAmp / 100);
  EXPECT_NEAR(got.Peak(1), row.right, kAmp / 100);
  const auto bursts = got.Bursts();
  if (row.left == 0 && row.right == 0) {
    EXPECT_TRUE(bursts.empty());
  } else {
    ASSERT_EQ(bursts.size(), 1u);
    EXPECT_EQ(bursts[0].second - bursts[0].first, 4800);
  }
}

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(Rows, ToneOutput,
                         ::testing::Values(ToneRow{"Full", 1, 0, kAmp, kAmp},
                                           ToneRow{"HalfVolume", 0.5f, 0, kAmp / 2, kAmp / 2},
                                           ToneRow{"HardLeft", 1, -1, kAmp, 0},
                                           ToneRow{"HalfRight", 1, 0.5f, kAmp / 2, kAmp},
                                           ToneRow{"BeyondRangeHeld", 7, -3, kAmp, 0},
                                           ToneRow{"NaNVolumeIsSilence", kNaN, 0, 0, 0},
                                           ToneRow{"NaNPanIsCentre", 1, kNaN, kAmp, kAmp}),
                         [](const auto& info) { return std::string(info.param.name); });

using ChannelOutput = AudioOutputTest;

// Two looping sines on free channels: both sound at once (mixed, not one
// replacing the other); pausing one silences it and leaves the other, resume
// brings it back, stop silences it for good. Windows are 100 ms, whole
// periods of both tones, starting kSettleFrames after each call.
TEST_F(ChannelOutput, TwoChannelsMixAndPauseStopSilenceTheirOwn) {
  constexpr double kLow = 600, kHigh = 1500;
  Ref<TChannel> low = PlaySound(SoundOf(ToneBank(Wave::kSine, kLow, kAmp, 100)), LOOP_FOREVER);
  Ref<TChannel> high = PlaySound(SoundOf(ToneBank(Wave::kSine, kHigh, kAmp, 100)), LOOP_FOREVER);
  ASSERT_TRUE(low && high);
  auto window = [&](const char* step, double want_low, double want_high) {
    SCOPED_TRACE(step);
    const int64_t from = out.Written() + kSettleFrames;
    const Frames got = out.Read(from, from + 4800);
    ASSERT_EQ(got.Count(), 4800);
    for (int side = 0; side < 2; ++side) {
      EXPECT_NEAR(got.Level(side, kLow, 0, 4800), want_low, kAmp * 0.02);
      EXPECT_NEAR(got.Level(side, kHigh, 0, 4800), want_high, kAmp * 0.02);
    }
  };
  window("both", kAmp, kAmp);
  PauseChannel(low);
  window("low paused", 0, kAmp);
  EXPECT_TRUE(ChannelPlaying(low));
  ResumeChannel(low);
  window("low resumed", kAmp, kAmp);
  StopChannel(high);
  EXPECT_FALSE(ChannelPlaying(high));
  window("high stopped", kAmp, 0);
  StopChannel(low);
  window("both stopped", 0, 0);
}

// A sound of a 50 ms burst and 50 ms of silence, played 1 + loops times,
// comes out as that many whole bursts; so does music.
struct LoopRow {
  const char* name;
  bool music;
  int32_t loops;
  size_t bursts;
};

class LoopOutput : public AudioOutputTest, public ::testing::WithParamInterface<LoopRow> {};

TEST_P(LoopOutput, RepeatsTheGivenNumberOfTimes) {
  const LoopRow& row = GetParam();
  const Ref<TBank> wav = ToneBank(Wave::kSquare, 400, kAmp, 50, 50);
  const int64_t start = out.Written();
  Frames got;
  if (row.music) {
    Ref<TMusic> music = OpenMusic(Ref<Object>(wav));
    ASSERT_TRUE(music);
    ASSERT_TRUE(PlayMusic(music, row.loops));
    got = out.ReadUntil(start, [] { return !MusicPlaying(); });
  } else {
    Ref<TChannel> channel = PlaySound(SoundOf(wav), row.loops);
    ASSERT_TRUE(channel);
    got = out.ReadUntil(start, [&] { return !ChannelPlaying(channel); });
  }
  const auto bursts = got.Bursts();
  ASSERT_EQ(bursts.size(), row.bursts);
  for (const auto& [from, to] : bursts) EXPECT_EQ(to - from, 2400);
  for (size_t i = 1; i < bursts.size(); ++i) EXPECT_EQ(bursts[i].first - bursts[i - 1].first, 4800);
}

INSTANTIATE_TEST_SUITE_P(Rows, LoopOutput,
                         ::testing::Values(LoopRow{"SoundOnce", false, 0, 1}, LoopRow{"SoundTwoLoops", false, 2, 3},
                                           LoopRow{"MusicOnce", true, 0, 1}, LoopRow{"MusicTwoLoops", true, 2, 3}),
                         [](const auto& info) { return std::string(info.param.name); });

// A channel answers only for its own play: once its sound was stopped, its
// functions must not reach the next sound the mixer puts in the same place.
// More than 32 sounds play at once.
TEST_F(ChannelOutput, StoppedChannelLeavesTheNextPlayAloneAndManyPlayAtOnce) {
  Ref<TSound> tone = SoundOf(ToneBank(Wave::kSine, 600, kAmp, 100));
  Ref<TChannel> old = PlaySound(tone, LOOP_FOREVER);
  StopChannel(old);
  Ref<TChannel> now = PlaySound(tone, LOOP_FOREVER);
  ASSERT_TRUE(now);
  SetChannelVolume(old, 0);
  SetChannelPan(old, 1);
  PauseChannel(old);
  StopChannel(old);
  EXPECT_FALSE(ChannelPlaying(old));
  EXPECT_TRUE(ChannelPlaying(now));
  const int64_t from = out.Written() + kSettleFrames;
  const Frames got = out.Read(from, from + 4800);
  for (int side = 0; side < 2; ++side) EXPECT_NEAR(got.Level(side, 600, 0, 4800), kAmp, kAmp * 0.02);
  StopChannel(now);

  Ref<TSound> quiet = SoundOf(ToneBank(Wave::kSine, 600, 10, 1000));
  std::vector<Ref<TChannel>> many;
  for (int i = 0; i < 40; ++i) many.push_back(PlaySound(quiet, LOOP_FOREVER));
  for (const auto& c : many) EXPECT_TRUE(ChannelPlaying(c));
  for (const auto& c : many) StopChannel(c);
}

// A played-out free channel's handle only tells of that play: playing on it
// starts the sound on a fresh channel, and the old handle neither answers
// for it nor stops it. A free channel still sounding is played on in place.
TEST_F(ChannelOutput, EndedChannelIsReplacedNotBroughtBack) {
  Ref<TChannel> ended = PlaySound(SoundOf(ToneBank(Wave::kSquare, 500, kAmp, 20)));
  ASSERT_TRUE(ended);
  out.ReadUntil(out.Written(), [&] { return !ChannelPlaying(ended); });
  Ref<TSound> loop = SoundOf(ToneBank(Wave::kSine, 600, kAmp, 100));
  Ref<TChannel> fresh = PlaySound(loop, ended, LOOP_FOREVER);
  ASSERT_TRUE(fresh);
  EXPECT_NE(fresh, ended);
  EXPECT_FALSE(ChannelPlaying(ended));
  StopChannel(ended);
  EXPECT_TRUE(ChannelPlaying(fresh));
  const int64_t from = out.Written() + kSettleFrames;
  EXPECT_NEAR(out.Read(from, from + 4800).Level(0, 600, 0, 4800), kAmp, kAmp * 0.02);
  EXPECT_EQ(PlaySound(loop, fresh, LOOP_FOREVER), fresh);
  StopChannel(fresh);
}

// A square tone of 500 Hz whose halves differ (+kAmp, -kAmp/2), so no frame
// interpolated between them is silent and the tone is one burst.
Ref<TSound> LopsidedSquare(int ms) {
  std::vector<int16_t> samples(static_cast<size_t>(kRate * ms / 1000));
  for (size_t i = 0; i < samples.size(); ++i) samples[i] = static_cast<int16_t>(i / 48 % 2 ? -kAmp / 2 : kAmp);
  return SoundOf(CreateWaveBank(samples, 1, kRate));
}

int SignChanges(const Frames& frames, int64_t from, int64_t to) {
  int changes = 0;
  for (int64_t i = from + 1; i < to; ++i) changes += (frames.At(i - 1, 1) < 0) != (frames.At(i, 1) < 0);
  return changes;
}

class PitchOutput : public AudioOutputTest, public ::testing::WithParamInterface<float> {};

// At pitch p a 100 ms tone of 500 Hz lasts 100 / p ms (one burst, exact to the
// frame) and keeps its 50 periods, so it sounds at 500 p Hz; the options hold
// from the first frame (half volume, hard right).
TEST_P(PitchOutput, LastsOneOverPitchAtPitchTimesTheFrequency) {
  const float pitch = GetParam();
  const int64_t start = out.Written();
  Ref<TChannel> channel = PlaySound(LopsidedSquare(100), {.volume = 0.5f, .pan = 1, .pitch = pitch});
  ASSERT_TRUE(channel);
  EXPECT_EQ(channel->Pitch(), pitch);
  const Frames got = out.ReadUntil(start, [&] { return !ChannelPlaying(channel); });
  EXPECT_EQ(got.Peak(0), 0);
  EXPECT_NEAR(got.Peak(1), kAmp / 2, kAmp / 100);
  const auto bursts = got.Bursts();
  ASSERT_EQ(bursts.size(), 1u);
  const int64_t length = bursts[0].second - bursts[0].first;
  EXPECT_EQ(length, std::llround(4800 / pitch));
  const double hertz = SignChanges(got, bursts[0].first, bursts[0].second) / 2.0 * kRate / static_cast<double>(length);
  EXPECT_NEAR(hertz, 500 * pitch, 500 * pitch * 0.02);
}

INSTANTIATE_TEST_SUITE_P(Rows, PitchOutput, ::testing::Values(2.0f, 0.5f, 1.0f),
                         [](const auto& info) { return info.param == 2 ? "Two" : info.param == 1 ? "One" : "Half"; });

// Pitch changes a sound while it plays; out-of-range factors are held to the
// range and nonsense is refused, each with a line naming the call.
TEST_F(ChannelOutput, PitchChangesWhilePlayingAndNonsenseIsRefused) {
  Ref<TChannel> channel = PlaySound(SoundOf(ToneBank(Wave::kSine, 600, kAmp, 100)), LOOP_FOREVER);
  ASSERT_TRUE(channel);
  auto level = [&](double hertz) {
    const int64_t from = out.Written() + kSettleFrames;
    return out.Read(from, from + 4800).Level(0, hertz, 0, 4800);
  };
  EXPECT_NEAR(level(600), kAmp, kAmp * 0.02);
  SetChannelPitch(channel, 2);
  EXPECT_NEAR(level(1200), kAmp, kAmp * 0.02);
  EXPECT_NEAR(level(600), 0, kAmp * 0.02);

  const struct {
    float given, kept;
    const char* line;
  } rows[] = {
      {0, 2, "SetChannelPitch: pitch 0 is not a positive factor; refused"},
      {-1, 2, "SetChannelPitch: pitch -1 is not a positive factor; refused"},
      {std::numeric_limits<float>::quiet_NaN(), 2, "SetChannelPitch: pitch nan is not a positive factor; refused"},
      {1000, 16, "SetChannelPitch: pitch 1000 is beyond 0.0625 .. 16; held to 16"},
      {0.001f, 0.0625f, "SetChannelPitch: pitch 0.001 is beyond 0.0625 .. 16; held to 0.0625"},
  };
  for (const auto& row : rows) {
    SetChannelPitch(channel, 2);
    ClearLastError();
    SetChannelPitch(channel, row.given);
    EXPECT_EQ(channel->Pitch(), row.kept);
    EXPECT_EQ(LastErrorText().ToUTF8String(), row.line);
  }
  StopChannel(channel);
  EXPECT_FALSE(PlaySound(SoundOf(ToneBank(Wave::kSine, 600, kAmp, 100)), {.pitch = -2}));
  EXPECT_EQ(LastErrorText().ToUTF8String(), "PlaySound: pitch -2 is not a positive factor; refused");
}

}  // namespace
