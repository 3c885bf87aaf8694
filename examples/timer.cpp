// timer: a timer ticking at a steady rate of its own (CreateTimer), apart
// from the frame rate: a light that moves on every tick, and the ticks
// counted since the start. MilliSecs is the clock to measure spans with.
//
// Controls: Up and Down change the timer's rate, Escape ends.
#include <algorithm>

#include <tazmix/tazmix.h>

using namespace tazmix;

int TimerMain() {
  InitTazmix();
  ApplicationTitle = "timer";
  if (!OpenGraphics(640, 240, 0, 60, 0)) return 1;
  SetClsColor(25, 25, 30);

  int32_t hertz = 4;
  Ref<TTimer> timer = CreateTimer(static_cast<float>(hertz));  // ticks per second
  if (!timer) return 1;                    // the reason is on standard error
  const int32_t start = MilliSecs();
  int32_t seen = 0;  // ticks already counted
  int32_t light = 0;

  while (!KeyHit(KEY_ESCAPE) && !AppTerminate()) {
    const int32_t change = KeyHit(KEY_UP) - KeyHit(KEY_DOWN);
    if (change != 0) {
      hertz = std::clamp(change > 0 ? hertz * 2 : hertz / 2, 1, 64);
      // A timer's rate is fixed: stop it and make a new one.
      StopTimer(timer);
      timer = CreateTimer(static_cast<float>(hertz));
      if (!timer) return 1;
      seen = 0;
    }
    // The ticks arrive while the program polls for input (Flip does);
    // TimerTicks counts them all, however many frames they fell into.
    const int32_t ticks = TimerTicks(timer);
    light = (light + ticks - seen) % 8;
    seen = ticks;

    Cls();
    for (int32_t i = 0; i < 8; ++i) {
      if (i == light) {
        SetColor(255, 210, 60);
      } else {
        SetColor(70, 70, 90);
      }
      DrawOval(40 + 72.0f * static_cast<float>(i), 80, 48, 48);
    }
    SetColor(255, 255, 255);
    DrawText("timer: " + String::FromInt(hertz) + " ticks per second (Up/Down)", 20, 20);
    DrawText("ticks: " + String::FromInt(ticks), 20, 170);
    DrawText("running for " + String::FromInt((MilliSecs() - start) / 1000) + " s", 20, 190);
    Flip(-1);
  }
  return 0;
}

int main(int argc, char** argv) { return RunApplication(argc, argv, TimerMain); }
