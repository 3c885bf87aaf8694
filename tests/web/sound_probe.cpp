// The sound check the browser test plays: a tone made in code and a melody
// written to a file and played as music, each asked at once whether it
// plays; prints what played (the page test reads the lines) and ends with
// exit code 0 when both did.
#include <cmath>
#include <cstdio>
#include <vector>

#include <tazmix/tazmix.h>

using namespace tazmix;

namespace {

constexpr int32_t kRate = 44100;

// `seconds` of sound made by `wave` (-1..1), as a WAV file in a bank.
template <class Wave>
Ref<TBank> MakeWav(double seconds, Wave wave) {
  std::vector<int16_t> samples(static_cast<size_t>(seconds * kRate));
  for (size_t i = 0; i < samples.size(); ++i) {
    samples[i] = static_cast<int16_t>(std::lround(wave(static_cast<double>(i) / kRate) * 12000));
  }
  return CreateWaveBank(samples, 1, kRate);
}

// A bell-like tone: a sine that dies away over a quarter of a second.
Ref<TSound> MakeTone(double hertz) {
  return LoadSound(Ref<Object>(MakeWav(0.25, [&](double t) {
    return std::sin(2 * M_PI * hertz * t) * std::exp(-t * 12);
  })));
}

// Eight notes of a slow melody, each fading out, written to `path`.
bool WriteMelody(const String& path) {
  static const double notes[] = {392, 440, 494, 523, 587, 523, 494, 440};
  Ref<TBank> melody = MakeWav(4.0, [](double t) {
    const double note = notes[static_cast<int>(t * 2) % 8], in_note = std::fmod(t, 0.5);
    return 0.6 * std::sin(2 * M_PI * note * t) * std::exp(-in_note * 5);
  });
  return SaveBank(melody, path) == 1;
}

int Check() {
  Ref<TSound> tone = MakeTone(660);
  Ref<TChannel> channel = PlaySound(tone);
  SetChannelPan(channel, -0.5f);
  // Asked at once: the tone lasts a quarter of a second, and opening the
  // music may take longer (a browser decodes it whole).
  const bool tone_played = ChannelPlaying(channel);
  Ref<TMusic> music = WriteMelody("melody.wav") ? OpenMusic("melody.wav") : nullptr;
  const bool music_started = PlayMusic(music, LOOP_FOREVER, 200);
  Delay(300);
  const bool music_played = MusicPlaying();
  StopMusic();
  const AudioOutputInfo out = AudioOutput();
  std::printf("output %d Hz, %d channels, %d frames a buffer%s\n", out.rate, out.channels, out.buffer_frames,
              out.silent ? " (silent)" : "");
  std::printf("tone %d ms: %s\n", SoundLength(tone), tone_played ? "played" : "did not play");
  std::printf("music: %s\n", music_started && music_played ? "played" : "did not play");
  return tone_played && music_started && music_played ? 0 : 1;
}

int ProbeMain() {
  InitAudio();
  return Check();
}

}  // namespace

int main(int argc, char** argv) { return RunApplication(argc, argv, ProbeMain); }
