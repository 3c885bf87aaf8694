// music: one piece of music streamed while it plays (OpenMusic, PlayMusic),
// looping, with fades in and out, pause and volume. The piece is a melody
// this program writes as a WAV file in memory; OpenMusic("song.ogg") would
// stream a file from disk the same way.
//
// Controls: M fades the music out or starts it again (fading in), P pauses and
// resumes, Up and Down change the volume, Escape ends. Without an audio
// device the music plays silently.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include <tazmix/tazmix.h>

using namespace tazmix;

constexpr int32_t kRate = 44100;

// Eight notes, half a second each, every one fading out.
Ref<TBank> MakeMelody() {
  const double notes[] = {392, 440, 494, 523, 587, 523, 494, 440};  // hertz
  std::vector<int16_t> samples(kRate * 4);
  for (size_t i = 0; i < samples.size(); ++i) {
    const double t = static_cast<double>(i) / kRate, in_note = std::fmod(t, 0.5);
    const double note = notes[static_cast<int32_t>(t * 2) % 8];
    samples[i] = static_cast<int16_t>(8000 * std::sin(2 * std::numbers::pi * note * t) * std::exp(-in_note * 5));
  }
  return CreateWaveBank(samples, 1, kRate);
}

int MusicMain() {
  InitTazmix();
  InitAudio();
  ApplicationTitle = "music";
  if (!OpenGraphics(640, 240, 0, 60, 0)) return 1;
  SetClsColor(30, 20, 40);
  Ref<TMusic> melody = OpenMusic(Ref<Object>(MakeMelody()));
  if (!melody) return 1;

  float volume = 0.8f;
  SetMusicVolume(volume);
  // LOOP_FOREVER: again and again until stopped; it rises from silence over a second.
  bool on = PlayMusic(melody, LOOP_FOREVER, 1000), paused = false;
  while (!KeyHit(KEY_ESCAPE) && !AppTerminate()) {
    if (KeyHit(KEY_M)) {
      on = !on;
      paused = false;
      if (on) {
        PlayMusic(melody, LOOP_FOREVER, 1000);
      } else {
        StopMusic(1000);  // fades out over a second
      }
    }
    if (KeyHit(KEY_P) && on) {
      paused = !paused;
      if (paused) {
        PauseMusic();
      } else {
        ResumeMusic();
      }
    }
    const int32_t change = KeyHit(KEY_UP) - KeyHit(KEY_DOWN);
    if (change != 0) {
      volume = std::clamp(volume + 0.1f * static_cast<float>(change), 0.0f, 1.0f);
      SetMusicVolume(volume);
    }

    Cls();
    SetColor(255, 255, 255);
    DrawText(on ? (paused ? "paused (P: resume)" : "playing (M: fade out, P: pause)") : "M: play", 10, 10);
    DrawText("volume (Up/Down)", 10, 40);
    SetColor(200, 120, 255);
    DrawRect(150, 40, 300 * volume, 14);
    SetColor(255, 255, 255);
    DrawRectOutline(150, 40, 300, 14);
    DrawText(MusicPlaying() ? "MusicPlaying(): yes" : "MusicPlaying(): no", 10, 70);
    if (AudioOutput().silent) DrawText("no audio device: playing silently", 10, 210);
    Flip(-1);
  }
  return 0;
}

int main(int argc, char** argv) { return RunApplication(argc, argv, MusicMain); }
