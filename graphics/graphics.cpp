#include "graphics/graphics.h"

#include <exception>
#include <typeinfo>

#include "graphics/internal/frame_clock.h"
#include "graphics/internal/frame_pacer.h"
#include "graphics/internal/frame_timer.h"
#include "runtime/application.h"
#include "runtime/error_report.h"
#include "runtime/exception.h"
#include "system/hook.h"
#include "system/polled_input.h"
#include "system/system_driver.h"

namespace tazmix {

int32_t FlipHook = -1;

namespace {

constexpr FrameClock kSystemClock{MilliSecs, Delay, Seconds};

struct GraphicsState {
  int32_t default_flags = 0;
  Ref<TGraphicsDriver> driver;
  std::vector<Ref<TGraphicsMode>> modes;
  Ref<TGraphics> current;
  int32_t width = 0;
  int32_t height = 0;
  int32_t depth = 0;
  int32_t hertz = 0;
  int32_t flags = 0;
  Ref<TGraphics> main;
  FramePacer pacer;
  FrameTimer frame_timer;
  int32_t seq = 1;
  bool exit_registered = false;
  bool started = false;
  FrameClock clock = kSystemClock;
};

GraphicsState state;

void BumpSeq() { state.seq = NextGraphicsSeq(state.seq); }

void ForgetSettings() {
  state.width = state.height = state.depth = state.hertz = state.flags = 0;
}

// How a failure line names a context: its size, and its depth when it is
// full screen.
String SizeSubject(int32_t width, int32_t height, int32_t depth) {
  const String size = String::FromInt(width) + " x " + String::FromInt(height);
  return depth == 0 ? size : size + ", depth " + String::FromInt(depth);
}

// Asks the driver for a context; whatever the driver raises is the failure's
// reason and turns into Null.
template <class Make>
Ref<TGraphics> MakeGuarded(FailureScope& scope, Make make) {
  if (!state.driver) {
    scope.Fail("no graphics driver: call InitTazmix() or InitGLVex2DDriver() first");
    return nullptr;
  }
  try {
    return scope.Check(make(*state.driver), "the driver can't make it");
  } catch (const Thrown& thrown) {
    scope.Fail(thrown.Text());
  } catch (const std::exception& e) {
    scope.Fail(String::FromUTF8String(e.what()));
  }
  return nullptr;
}

// Leaves the current driver's context, if any, before another driver takes
// over; the new driver's modes are asked for afresh.
void ChangeDriver(const Ref<TGraphicsDriver>& driver) {
  if (state.driver && state.current) state.driver->SetGraphics(nullptr);
  state.modes.clear();
  state.driver = driver;
}

TGraphicsDriver& Driver() {
  if (!state.driver) ThrowNullObject();
  return *state.driver;
}

const std::vector<Ref<TGraphicsMode>>& CachedModes() {
  if (state.modes.empty()) state.modes = Driver().GraphicsModes();
  return state.modes;
}

void EndGraphicsAtExit() { EndGraphics(); }

}  // namespace

const FrameClock& GraphicsClock() { return state.clock; }
void SetGraphicsClock(const FrameClock& clock) { state.clock = clock; }
void ResetGraphicsClock() { state.clock = kSystemClock; }

void InitGraphics() {
  if (!BeginModuleInit(state.started)) return;
  InitSystem();
  InitPolledInput();
  RegisterClassRecord(typeid(TGraphics));
  RegisterClassRecord(typeid(TGraphicsMode));
  RegisterClassRecord(typeid(TGraphicsDriver));
  FlipHook = AllocHookId();
}

int32_t SetGraphicsDriver(const Ref<TGraphicsDriver>& driver, int32_t default_flags) {
  InitGraphics();
  BumpSeq();
  if (driver != state.driver) ChangeDriver(driver);
  state.default_flags = default_flags;
  state.current = nullptr;
  ForgetSettings();
  return 0;
}

Ref<TGraphicsDriver> GetGraphicsDriver() { return state.driver; }
int32_t DefaultGraphicsFlags() { return state.default_flags; }

std::vector<Ref<TGraphicsMode>> GraphicsModes() { return CachedModes(); }

int32_t CountGraphicsModes() { return static_cast<int32_t>(CachedModes().size()); }

int32_t GetGraphicsMode(int32_t index, int32_t& width, int32_t& height, int32_t& depth,
                        int32_t& hertz) {
  const std::vector<Ref<TGraphicsMode>>& modes = CachedModes();
  width = height = depth = hertz = 0;
  if (index < 0 || static_cast<size_t>(index) >= modes.size() || !modes[static_cast<size_t>(index)]) return 0;
  const Ref<TGraphicsMode> mode = modes[static_cast<size_t>(index)];
  width = mode->width;
  height = mode->height;
  depth = mode->depth;
  hertz = mode->hertz;
  return 0;
}

int32_t GraphicsModeExists(int32_t width, int32_t height, int32_t depth, int32_t hertz) {
  for (const Ref<TGraphicsMode>& m : GraphicsModes()) {
    if (!m) continue;
    if ((width == 0 || width == m->width) && (height == 0 || height == m->height) &&
        (depth == 0 || depth == m->depth) && (hertz == 0 || hertz == m->hertz)) {
      return 1;
    }
  }
  return 0;
}

Ref<TGraphics> CreateGraphics(int32_t width, int32_t height, int32_t depth, int32_t hertz,
                              int32_t flags) {
  FailureScope scope("CreateGraphics", SizeSubject(width, height, depth));
  flags |= state.default_flags;
  return MakeGuarded(scope, [&](TGraphicsDriver& driver) {
    return driver.CreateGraphics(width, height, depth, hertz, flags);
  });
}

Ref<TGraphics> AttachGraphics(int32_t widget, int32_t flags) {
  FailureScope scope("AttachGraphics", "widget " + String::FromInt(widget));
  flags |= state.default_flags;
  return MakeGuarded(scope, [&](TGraphicsDriver& driver) { return driver.AttachGraphics(widget, flags); });
}

int32_t CloseGraphics(Ref<TGraphics> g) {
  if (!g) return 0;
  if (g == state.main) state.main = nullptr;
  if (g == state.current) SetGraphics(nullptr);
  g->Close();
  return 0;
}

int32_t SetGraphics(const Ref<TGraphics>& g) {
  if (!g) {
    if (state.driver && state.current) state.driver->SetGraphics(nullptr);
    state.current = nullptr;
    ForgetSettings();
    return 0;
  }
  // A closed context has no driver any more: nothing can draw through it.
  const Ref<TGraphicsDriver> driver(g->Driver());
  if (!driver) ThrowNullObject();
  if (driver != state.driver) ChangeDriver(driver);
  g->GetSettings(state.width, state.height, state.depth, state.hertz, state.flags);
  driver->SetGraphics(g);
  state.current = g;
  return 0;
}

int32_t GraphicsWidth() { return state.width; }
int32_t GraphicsHeight() { return state.height; }
int32_t GraphicsDepth() { return state.depth; }
int32_t GraphicsHertz() { return state.hertz; }
int32_t GraphicsFlags() { return state.flags; }

namespace {

struct Size {
  int32_t width = 0;
  int32_t height = 0;
};

// The current graphics' size as it is now, not as captured.
Size LiveSize() {
  Size size;
  if (!state.current) return size;
  int32_t depth = 0, hertz = 0, flags = 0;
  state.current->GetSettings(size.width, size.height, depth, hertz, flags);
  return size;
}

}  // namespace

int32_t GraphicsWindowWidth() { return LiveSize().width; }
int32_t GraphicsWindowHeight() { return LiveSize().height; }

int32_t SetFullScreen(int32_t on) {
  FailureScope scope("SetFullScreen", String::FromInt(on));
  if (!state.current) {
    scope.Fail(String("no graphics are open"));
    return 0;
  }
  const Ref<TGraphics> g = state.current;
  const int32_t done = g->SetFullScreen(on);
  if (!done) scope.Fail(String("the window cannot switch"));
  // The window's new size waits in the input queue; delivered now, the next
  // frame is drawn for it.
  PollSystem();
  return done;
}

int32_t GraphicsFullScreen() { return state.current ? state.current->FullScreen() : 0; }

int32_t ToggleFullScreen() {
  SetFullScreen(GraphicsFullScreen() ? 0 : 1);
  return GraphicsFullScreen();
}

int32_t Flip(int32_t sync) {
  if (FlipHook >= 0) RunHooks(FlipHook, nullptr);
  TGraphicsDriver& driver = Driver();
  if (sync != -1) {
    driver.Flip(sync);
  } else if (state.current != state.main) {
    driver.Flip(1);
  } else if (state.pacer.Soft()) {
    const FrameClock& clock = GraphicsClock();
    const int32_t wait = state.pacer.NextFrameWait(clock.milli_secs());
    if (wait > 0) clock.delay(wait);
    driver.Flip(0);
  } else {
    driver.Flip(state.pacer.Hard() ? 1 : 0);
  }
  state.frame_timer.Mark(GraphicsClock().Seconds(), FRAME_TIME_LIMIT);
  return 0;
}

double FrameTime() { return state.frame_timer.Last(); }

Ref<TGraphics> OpenGraphics(int32_t width, int32_t height, int32_t depth, int32_t hertz,
                            int32_t flags) {
  FailureScope scope("OpenGraphics", SizeSubject(width, height, depth));
  EndGraphics();
  Ref<TGraphics> g = CreateGraphics(width, height, depth, hertz, flags | state.default_flags);
  if (!g) {
    scope.Fail("can't open it");
    return nullptr;
  }
  BumpSeq();
  SetGraphics(g);
  state.pacer.Choose(depth, hertz, GraphicsClock().milli_secs());
  state.frame_timer.Restart();
  if (depth != 0) MoveMouse(width / 2, height / 2);
  EnablePolledInput(nullptr);
  state.main = g;
  if (!state.exit_registered) {
    state.exit_registered = true;
    RegisterExitHandler(EndGraphicsAtExit);
  }
  return g;
}

int32_t EndGraphics() {
  if (!state.main) return 0;
  BumpSeq();
  DisablePolledInput();
  CloseGraphics(state.main);
  return 0;
}

int32_t GraphicsSeq() { return state.seq; }

}  // namespace tazmix
