// sound: a tone made in code plays on a key, music plays from a file.
//
//   sound [--check]
//
// Space plays a short tone, higher the higher the mouse is and panned to
// where it is across the window. M starts the music (fading in over a
// second) or fades it out; P pauses and resumes it. Escape or closing the
// window ends it. The music is a melody this program writes to melody.wav
// beside itself; it plays from that file, decoded as it plays.
//
// --check needs no window: it plays the tone and the music for a moment,
// prints what played and ends with exit code 0 when both did. Without an
// audio device both play silently (one line on standard error says so).
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include <tazmix/audio/audio_module.h>
#include <tazmix/audio/channel.h>
#include <tazmix/audio/music.h>
#include <tazmix/audio/sound.h>
#include <tazmix/audio/wave_bank.h>
#include <tazmix/draw2d/draw2d.h>
#include <tazmix/glback/gl_vex2d_driver.h>
#include <tazmix/graphics/graphics.h>
#include <tazmix/runtime/application.h>
#include <tazmix/stream/bank.h>
#include <tazmix/system/keys.h>
#include <tazmix/system/polled_input.h>

using namespace tazmix;

namespace {

constexpr int32_t kWidth = 640;
constexpr int32_t kHeight = 240;
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

int SoundMain() {
  InitAudio();
  for (size_t i = 1; i < ApplicationArgs.size(); ++i) {
    if (ApplicationArgs[i] == "--check") return Check();
  }
  InitGLVex2DDriver();
  if (!OpenGraphics(kWidth, kHeight, 0, 60, 0)) {
    std::fprintf(stderr, "sound: can't open a window\n");
    return 1;
  }
  if (!WriteMelody("melody.wav")) std::fprintf(stderr, "sound: can't write melody.wav\n");
  Ref<TMusic> music = OpenMusic("melody.wav");
  // One tone per pitch step, made once.
  std::vector<Ref<TSound>> tones;
  for (int step = 0; step < 12; ++step) tones.push_back(MakeTone(330 * std::pow(2.0, step / 12.0)));

  bool music_on = false, paused = false;
  while (!KeyHit(KEY_ESCAPE) && !AppTerminate()) {
    if (KeyHit(KEY_SPACE)) {
      const int step = std::clamp(11 - MouseY() * 12 / kHeight, 0, 11);
      Ref<TChannel> channel = PlaySound(tones[static_cast<size_t>(step)]);
      SetChannelPan(channel, MouseX() * 2.0f / kWidth - 1);
    }
    if (KeyHit(KEY_M)) {
      music_on = !music_on;
      paused = false;
      if (music_on) {
        PlayMusic(music, LOOP_FOREVER, 1000);
      } else {
        StopMusic(1000);
      }
    }
    if (KeyHit(KEY_P) && music_on) {
      paused = !paused;
      paused ? PauseMusic() : ResumeMusic();
    }
    Cls();
    DrawText("Space: a tone (mouse: pitch and pan)", 10, 10);
    DrawText(music_on ? (paused ? "M: music off   P: resume" : "M: music off   P: pause") : "M: music on", 10, 30);
    DrawText(AudioOutput().silent ? "no audio device: playing silently" : "Escape ends", 10, 50);
    Flip(-1);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) { return RunApplication(argc, argv, SoundMain); }
