// Sound: the mixer's CPU per second of audio with 0, 8 and 32 channels
// playing, the time to load a 1 MB WAV and a 1 MB Ogg Vorbis file, and to
// open (and so check) 30 MiB of music.
//
// The output is SDL's disk driver writing to a temporary file, mixing a
// buffer every 5 ms (about four times real time); one iteration of a mixing
// benchmark lasts until one more second of audio is in the file, and its CPU
// time is the whole process's (the mixing thread included). The 0-channel
// row is the cost of the output alone. The Ogg file is encoded with oggenc
// (Debian's vorbis-tools, which scripts/bench.sh installs); without it that
// benchmark is skipped.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "audio/audio_module.h"
#include "audio/channel.h"
#include "audio/music.h"
#include "audio/sound.h"
#include "audio/wave_bank.h"

using namespace tazmix;

namespace {

const std::string& Folder() {
  static const std::string folder = [] {
    std::string f = (std::filesystem::temp_directory_path() / ("tazmix-audio-bench-" + std::to_string(getpid()))).string();
    std::filesystem::create_directories(f);
    return f;
  }();
  return folder;
}

const std::string& OutputFile() {
  static const std::string path = Folder() + "/output.raw";
  return path;
}

// Opens the output on the disk driver before anything else opens it.
void OpenOutput() {
  static bool done = [] {
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", OutputFile().c_str(), 1);
    setenv("SDL_DISKAUDIODELAY", "5", 1);
    InitAudio();
    std::atexit([] { std::filesystem::remove_all(Folder()); });
    return true;
  }();
  (void)done;
}

int64_t WrittenFrames() {
  std::error_code ec;
  const auto size = std::filesystem::file_size(OutputFile(), ec);
  return ec ? 0 : static_cast<int64_t>(size / 4);
}

// A 16-bit WAV file: `seconds` of a chord with some noise, so an encoder
// cannot shrink it to nothing.
std::string ChordWav(double seconds, int rate, int channels) {
  std::vector<int16_t> samples(static_cast<size_t>(seconds * rate) * static_cast<size_t>(channels));
  std::mt19937 noise(7);
  std::uniform_int_distribution<int> jitter(-1500, 1500);
  for (size_t i = 0; i < samples.size(); ++i) {
    const double t = static_cast<double>(i / static_cast<size_t>(channels)) / rate;
    const int c = static_cast<int>(i % static_cast<size_t>(channels));
    const double v = 4000 * (std::sin(2 * M_PI * 220 * t) + std::sin(2 * M_PI * (277 + 30 * c) * t) +
                             std::sin(2 * M_PI * 330 * t * (1 + 0.01 * std::sin(t))));
    samples[i] = static_cast<int16_t>(static_cast<int>(v) + jitter(noise));
  }
  Ref<TBank> bank = CreateWaveBank(samples, channels, rate);
  return {reinterpret_cast<const char*>(bank->Buf()), static_cast<size_t>(bank->Size())};
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void BM_MixChannels(benchmark::State& state) {
  OpenOutput();
  const int channels = static_cast<int>(state.range(0));
  // Each channel its own pitch (so every frame is interpolated) and pan,
  // looping a second-long chord.
  std::vector<Ref<TChannel>> playing;
  for (int c = 0; c < channels; ++c) {
    const std::string path = Folder() + "/voice" + std::to_string(c) + ".wav";
    WriteFile(path, ChordWav(1.0, 48000, 1));
    playing.push_back(PlaySound(LoadSound(String::FromUTF8String(path)),
                                {.loops = LOOP_FOREVER, .volume = 1.0f / 32, .pan = (c % 5) / 2.0f - 1,
                                 .pitch = 0.9f + 0.01f * static_cast<float>(c)}));
  }
  for (const auto& channel : playing) {
    if (!ChannelPlaying(channel)) {
      state.SkipWithError("a channel did not start");
      return;
    }
  }
  for (auto _ : state) {
    const int64_t until = WrittenFrames() + 48000;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (WrittenFrames() < until) {
      if (std::chrono::steady_clock::now() > deadline) {
        state.SkipWithError("the output stopped");
        return;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
  }
  for (const auto& channel : playing) StopChannel(channel);
  state.SetLabel("per second of 48 kHz stereo audio");
}

void LoadFile(benchmark::State& state, const std::string& path) {
  OpenOutput();
  std::error_code ec;
  const auto size = std::filesystem::file_size(path, ec);
  Ref<TSound> first = LoadSound(String::FromUTF8String(path));
  if (ec || !first) {
    state.SkipWithError("the file did not load");
    return;
  }
  for (auto _ : state) {
    Ref<TSound> sound = LoadSound(String::FromUTF8String(path));
    benchmark::DoNotOptimize(sound.get());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(size));
  state.SetLabel(std::to_string(size) + " bytes, " + std::to_string(SoundLength(first)) + " ms");
}

// 1 MiB of 44.1 kHz 16-bit stereo (5.9 s), converted to the output's 48 kHz.
void BM_LoadWav1MB(benchmark::State& state) {
  const std::string path = Folder() + "/one-mb.wav";
  WriteFile(path, ChordWav(1048576.0 / (44100 * 4), 44100, 2));
  LoadFile(state, path);
}

// Opening 30 MiB of WAV music (about 3 minutes of 44.1 kHz stereo): it is
// read through once for its check before it can stream.
void BM_OpenMusic30MB(benchmark::State& state) {
  OpenOutput();
  const std::string path = Folder() + "/thirty-mb.wav";
  WriteFile(path, ChordWav(30.0 * 1048576 / (44100 * 4), 44100, 2));
  for (auto _ : state) {
    Ref<TMusic> music = OpenMusic(String::FromUTF8String(path));
    if (!music) {
      state.SkipWithError("the piece did not open");
      return;
    }
  }
  state.SetBytesProcessed(state.iterations() * (30 << 20));
}

// About 1 MB of Ogg Vorbis (quality 4, 44.1 kHz stereo, about a minute).
void BM_LoadOgg1MB(benchmark::State& state) {
  const std::string wav = Folder() + "/for-ogg.wav", ogg = Folder() + "/one-mb.ogg";
  WriteFile(wav, ChordWav(64, 44100, 2));
  const std::string command = "oggenc -Q -q 4 -o '" + ogg + "' '" + wav + "' 2>/dev/null";
  if (std::system(command.c_str()) != 0) {
    state.SkipWithError("oggenc is missing (scripts/bench.sh installs vorbis-tools)");
    return;
  }
  LoadFile(state, ogg);
}

}  // namespace

BENCHMARK(BM_MixChannels)->Arg(0)->Arg(8)->Arg(32)->Iterations(3)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadWav1MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadOgg1MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenMusic30MB)->Unit(benchmark::kMillisecond);
