#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "runtime/error_report.h"
#include "tests/audio/audio_probe.h"

using namespace tazmix;
using namespace tazmix::testing;

namespace {

// The file of each format: a 300 ms tone (made by sox, oggenc, flac, opusenc
// and lame; the WAV here).
std::string Original(const std::string& format) {
  if (format == "wav") return BytesOf(ToneBank(Wave::kSine, 440, 16000, 300));
  return DataFile("tone." + format);
}

enum class Change { kNone, kHalf, kLastBytes, kHeaderOnly, kMagic, kMiddleByte, kTrailingTag };

std::string Damage(std::string bytes, Change change) {
  switch (change) {
    case Change::kNone: break;
    case Change::kHalf: bytes.resize(bytes.size() / 2 + 5); break;
    case Change::kLastBytes: bytes.resize(bytes.size() - 7); break;
    case Change::kHeaderOnly: bytes.resize(16); break;
    case Change::kMagic: bytes.replace(0, 4, "XyZw"); break;
    case Change::kMiddleByte: bytes[bytes.size() / 2] ^= 0x5A; break;
    case Change::kTrailingTag: bytes += "TAG" + std::string(125, 'x'); break;  // an ID3v1 tag
  }
  return bytes;
}

struct FileRow {
  const char* format;
  Change change;
};

class SoundFile : public AudioOutputTest, public ::testing::WithParamInterface<FileRow> {};

// A whole file of each format loads at its length (from a file and from a
// bank), also with a tag after its frames, and opens as music; a cut or
// damaged one gives Null from both, with one line naming the call and why.
TEST_P(SoundFile, WholeLoadsCutOrDamagedGivesNull) {
  const FileRow& row = GetParam();
  std::string original = Original(row.format);
  ASSERT_GT(original.size(), 100u);
  const std::string path = folder_.Write(std::string("sound.") + row.format, Damage(original, row.change));
  ClearLastError();
  Ref<TSound> sound = LoadSound(String::FromUTF8String(path));
  if (row.change == Change::kNone || row.change == Change::kTrailingTag) {
    ASSERT_TRUE(sound) << LastErrorText().ToUTF8String();
    EXPECT_NEAR(SoundLength(sound), 300, 50);  // MP3 adds the encoder's padding
    EXPECT_TRUE(LoadSound(Ref<Object>(CreateStaticBank(original.data(), static_cast<int32_t>(original.size())))));
    EXPECT_TRUE(OpenMusic(String::FromUTF8String(path))) << LastErrorText().ToUTF8String();
  } else {
    EXPECT_FALSE(sound);
    EXPECT_EQ(LastErrorText().Find("LoadSound(\""), 0) << LastErrorText().ToUTF8String();
    EXPECT_FALSE(OpenMusic(String::FromUTF8String(path)));
    EXPECT_EQ(LastErrorText().Find("OpenMusic(\""), 0) << LastErrorText().ToUTF8String();
  }
}

std::vector<FileRow> FileRows() {
  std::vector<FileRow> rows;
  for (const char* format : {"wav", "ogg", "opus", "flac", "mp3"}) {
    for (Change c : {Change::kNone, Change::kHalf, Change::kLastBytes, Change::kHeaderOnly, Change::kMagic})
      rows.push_back({format, c});
  }
  // Ogg pages and FLAC frames carry checksums; WAV and MP3 data do not.
  for (const char* format : {"ogg", "opus", "flac"}) rows.push_back({format, Change::kMiddleByte});
  for (const char* format : {"flac", "mp3"}) rows.push_back({format, Change::kTrailingTag});
  return rows;
}

std::string RowName(const ::testing::TestParamInfo<FileRow>& info) {
  static const char* names[] = {"Whole", "Half", "LastBytesCut", "HeaderOnly", "BadMagic", "MiddleByteFlipped", "TrailingTag"};
  return std::string(info.param.format) + names[static_cast<int>(info.param.change)];
}

INSTANTIATE_TEST_SUITE_P(Rows, SoundFile, ::testing::ValuesIn(FileRows()), RowName);

class SoundRate : public AudioOutputTest, public ::testing::WithParamInterface<const char*> {};

// A 1 s tone at 44.1 kHz is converted to the output's 48 kHz whole: it loads
// at 1000 ms and sounds for 48000 frames, its last milliseconds included.
TEST_P(SoundRate, ConvertedWholeToTheLastFrame) {
  std::string bytes = DataFile(std::string("tone44.") + GetParam());
  Ref<TSound> sound = LoadSound(Ref<Object>(CreateStaticBank(bytes.data(), static_cast<int32_t>(bytes.size()))));
  ASSERT_TRUE(sound) << LastErrorText().ToUTF8String();
  EXPECT_EQ(SoundLength(sound), 1000);
  const int64_t start = out.Written();
  Ref<TChannel> channel = PlaySound(sound);
  const Frames got = out.ReadUntil(start, [&] { return !ChannelPlaying(channel); });
  int64_t first = -1, last = -1;
  for (int64_t i = 0; i < got.Count(); ++i) {
    if (std::abs(got.At(i, 0)) < 200) continue;
    if (first < 0) first = i;
    last = i;
  }
  EXPECT_NEAR(last - first, 48000, 48);
}

INSTANTIATE_TEST_SUITE_P(Rows, SoundRate, ::testing::Values("flac", "ogg"),
                         [](const auto& info) { return std::string(info.param); });

using SoundSource = AudioOutputTest;

// Sources that are no sound at all, and a WAV claiming 2 GiB of data in a
// small file (no allocation of that size may follow the claim).
TEST_F(SoundSource, MissingEmptyHugeClaimAndGarbageGiveNull) {
  std::string huge = BytesOf(ToneBank(Wave::kSine, 440, 1000, 10));
  huge.replace(40, 4, std::string("\xF0\xFF\xFF\x7F", 4));
  const struct {
    const char* name;
    std::string bytes;  // written to a file; none: the file is missing
    bool write;
  } rows[] = {
      {"missing", "", false},
      {"empty", "", true},
      {"huge claim", huge, true},
      {"garbage", std::string(5000, '\x37'), true},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string path = row.write ? folder_.Write("source.bin", row.bytes) : folder_ / "missing.wav";
    EXPECT_FALSE(LoadSound(String::FromUTF8String(path)));
    EXPECT_FALSE(OpenMusic(String::FromUTF8String(path)));
    EXPECT_EQ(LastErrorText().Find("OpenMusic(\""), 0) << LastErrorText().ToUTF8String();
  }
  EXPECT_FALSE(LoadSound(Ref<Object>()));
  EXPECT_FALSE(PlaySound(nullptr));
  EXPECT_FALSE(PlayMusic(nullptr));
}

// Without an audio device the module opens a silent output, says so in one
// line, and loads and plays as usual. A fresh process, since the output
// opens once per process.
TEST(AudioWithoutDevice, PlaysSilentlyAndSaysSoOnce) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        static int lines = 0;
        SetErrorLogHook([](const String&) { ++lines; });
        setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
        const AudioOutputInfo info = AudioOutput();
        Ref<TSound> tone = SoundOf(ToneBank(Wave::kSine, 440, 1000, 300));
        Ref<TChannel> channel = PlaySound(tone, LOOP_FOREVER);
        Ref<TMusic> music = OpenMusic(Ref<Object>(ToneBank(Wave::kSine, 440, 1000, 300)));
        const bool ok = info.open && info.silent && ChannelPlaying(channel) && PlayMusic(music, LOOP_FOREVER) &&
                        MusicPlaying();
        std::exit(ok && lines == 1 ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "tazmix: InitAudio: no audio device .*; sound plays silently");
}

}  // namespace
