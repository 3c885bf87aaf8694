// A graphics driver that draws nothing and records what it is asked, with a
// clock of the test's own, so the graphics module's rules can be watched
// call by call.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "graphics/graphics.h"
#include "runtime/exception.h"
#include "runtime/string.h"

namespace tazmix::test {

// The stand-in clock: Delay moves it on, and every sleep is recorded.
struct FakeClock {
  static inline int32_t now = 0;
  static inline std::vector<int32_t> delays;
  static int32_t MilliSecs() { return now; }
  static void Delay(int32_t ms) {
    delays.push_back(ms);
    if (ms > 0) now += ms;
  }
};

class StandInDriver;

class StandInGraphics : public TGraphics {
 public:
  StandInGraphics(StandInDriver* driver, int32_t w, int32_t h, int32_t d, int32_t hz, int32_t f);
  TGraphicsDriver* Driver() override;
  void GetSettings(int32_t& width, int32_t& height, int32_t& depth, int32_t& hertz,
                   int32_t& flags) override {
    width = w;
    height = h;
    depth = d;
    hertz = hz;
    flags = f;
  }
  void Close() override { closed = true; }

  Ref<StandInDriver> driver;
  int32_t w, h, d, hz, f;
  bool closed = false;
};

struct FlipCall {
  int32_t sync;
  int32_t at;  // FakeClock time of the call
};

class StandInDriver : public TGraphicsDriver {
 public:
  std::vector<Ref<TGraphicsMode>> GraphicsModes() override {
    ++mode_requests;
    return modes;
  }
  Ref<TGraphics> AttachGraphics(int32_t widget, int32_t flags) override {
    last_flags = flags;
    if (fail) return nullptr;
    return New<StandInGraphics>(this, widget, widget, 0, 0, flags);
  }
  Ref<TGraphics> CreateGraphics(int32_t width, int32_t height, int32_t depth, int32_t hertz,
                                int32_t flags) override {
    last_flags = flags;
    if (raise) Throw(String("driver failure"));
    if (fail) return nullptr;
    return New<StandInGraphics>(this, width, height, depth, hertz, flags);
  }
  void SetGraphics(const Ref<TGraphics>& g) override { made_current.push_back(g.get()); }
  void Flip(int32_t sync) override { flips.push_back({sync, FakeClock::now}); }

  void AddMode(int32_t w, int32_t h, int32_t d, int32_t hz) {
    Ref<TGraphicsMode> m = New<TGraphicsMode>();
    m->width = w;
    m->height = h;
    m->depth = d;
    m->hertz = hz;
    modes.push_back(m);
  }

  std::vector<Ref<TGraphicsMode>> modes;
  int32_t mode_requests = 0;
  int32_t last_flags = -1;
  bool fail = false;
  bool raise = false;
  std::vector<const TGraphics*> made_current;  // Null entries for "none"
  std::vector<FlipCall> flips;
};

inline StandInGraphics::StandInGraphics(StandInDriver* drv, int32_t width, int32_t height, int32_t depth, int32_t hertz,
                                        int32_t flags)
    : driver(drv), w(width), h(height), d(depth), hz(hertz), f(flags) {}

inline TGraphicsDriver* StandInGraphics::Driver() { return driver.get(); }

}  // namespace tazmix::test
