// sound: short sounds played on a key, each on a free channel of its own so
// they overlap: a tone made in code (CreateWaveBank, LoadSound), played
// with a volume, a pan and a pitch chosen per play.
//
// Controls: Space plays a tone, pitched by the mouse's height and panned by
// where it is across the window; Escape ends. Without an audio device the
// sounds play silently.
#include <cmath>
#include <numbers>
#include <vector>

#include <tazmix/tazmix.h>

using namespace tazmix;

constexpr int32_t kRate = 44100;  // samples per second

// A bell-like tone: a 440 Hz sine that dies away over a quarter of a second,
// made as a WAV file in memory. LoadSound("ding.wav") would load a file.
Ref<TSound> MakeBell() {
  std::vector<int16_t> samples(kRate / 4);
  for (size_t i = 0; i < samples.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    samples[i] = static_cast<int16_t>(12000 * std::sin(2 * std::numbers::pi * 440 * t) * std::exp(-t * 12));
  }
  return LoadSound(Ref<Object>(CreateWaveBank(samples, 1, kRate)));
}

int SoundMain() {
  InitTazmix();
  InitAudio();  // sound is a module of its own
  ApplicationTitle = "sound";
  if (!OpenGraphics(640, 240, 0, 60, 0)) return 1;
  SetClsColor(20, 30, 40);
  Ref<TSound> bell = MakeBell();
  if (!bell) return 1;

  int32_t played = 0;
  while (!KeyHit(KEY_ESCAPE) && !AppTerminate()) {
    // Pitch 2 is an octave up, 0.5 an octave down; pan -1 left .. 1 right.
    const float pitch = std::pow(2.0f, 1 - 2 * static_cast<float>(MouseY()) / 240);
    const float pan = 2 * static_cast<float>(MouseX()) / 640 - 1;
    if (KeyHit(KEY_SPACE)) {
      PlaySound(bell, {.volume = 0.8f, .pan = pan, .pitch = pitch});
      ++played;
    }

    Cls();
    SetColor(90, 160, 255);
    DrawOval(static_cast<float>(MouseX()) - 10, static_cast<float>(MouseY()) - 10, 20, 20);
    SetColor(255, 255, 255);
    DrawText("Space: play (mouse: pitch up and down, pan left and right)", 10, 10);
    DrawText("pitch " + String::FromInt(static_cast<int32_t>(pitch * 100)) + "%   pan " +
                 String::FromInt(static_cast<int32_t>(pan * 100)) + "%   played " + String::FromInt(played),
             10, 30);
    if (AudioOutput().silent) DrawText("no audio device: playing silently", 10, 210);
    Flip(-1);
  }
  return 0;
}

int main(int argc, char** argv) { return RunApplication(argc, argv, SoundMain); }
