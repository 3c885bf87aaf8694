#include "system/timer.h"

#include <vector>

#include "runtime/application.h"
#include "runtime/error_report.h"
#include "runtime/exception.h"
#include "system/internal/platform_timer.h"
#include "system/system_driver.h"

namespace tazmix {

namespace {

struct RunningTimer {
  int32_t handle;
  Ref<TTimer> timer;  // keeps a running timer alive without the program
};

struct TimerState {
  bool started = false;
  std::vector<RunningTimer> running;
};

TimerState& State() {
  // Never destroyed: exit handlers (closing the main graphics) still poll
  // input, and a tick delivered then must find the table.
  static auto* state = new TimerState;
  return *state;
}

// On the main thread. The posted object is not used: the timer may be gone
// by now, and only the table says whether it still runs.
void OnTick(Object*, int32_t handle) {
  for (const RunningTimer& entry : State().running) {
    if (entry.handle == handle) {
      Ref<TTimer> timer = entry.timer;  // Fire may stop it
      timer->Fire();
      return;
    }
  }
}

}  // namespace

void InitTimers() {
  if (!BeginModuleInit(State().started)) return;
  InitEvents();
  InitSystem();
  RegisterClassRecord(typeid(TTimer));
}

int32_t RunningTimers() { return static_cast<int32_t>(State().running.size()); }

int32_t TTimer::Ticks() { return _ticks; }

void TTimer::Stop() {
  if (!_handle) return;
  StopPlatformTimer(_handle);
  const int32_t handle = _handle;
  _handle = 0;
  _event = nullptr;
  // The table's reference may be the last one: this must be the final step.
  std::vector<RunningTimer>& table = State().running;
  for (size_t i = 0; i < table.size(); ++i) {
    if (table[i].handle == handle) {
      Ref<TTimer> self = std::move(table[i].timer);
      table[i] = std::move(table.back());
      table.pop_back();
      return;  // `self` releases here
    }
  }
}

void TTimer::Fire() {
  if (!_handle) return;
  ++_ticks;
  Ref<TEvent> event = _event ? _event : TEvent::Create(EVENT_TIMERTICK, Ref<Object>(this), _ticks);
  event->Emit();
}

int32_t TTimer::Wait() {
  if (!_handle) return 0;
  // Hold the timer: a hook run during the wait may drop every other reference.
  Ref<TTimer> self(this);
  // Stopped by a hook meanwhile: no tick will come, so do not wait for one.
  do {
    WaitSystem();
  } while (_ticks == _wticks && _handle);
  const int32_t n = _ticks - _wticks;
  _wticks = _ticks;
  return n;
}

Ref<TTimer> TTimer::Create(float hertz, const Ref<TEvent>& event) {
  InitTimers();
  FailureScope scope("TTimer::Create", NumberText(hertz));
  if (static_cast<int32_t>(State().running.size()) >= MAX_RUNNING_TIMERS) {
    scope.Fail(String::FromInt(MAX_RUNNING_TIMERS) + " timers are running already; stop one first");
    return nullptr;
  }
  // Truncated toward zero; 0 Hz, negative and NaN give a period the platform
  // timer refuses, and so does a period beyond the Int range (-2^31).
  const int32_t period = FloatToInt(1000.0 / static_cast<double>(hertz));
  if (period < 1) {
    scope.Fail(!(hertz > 0)   ? "the rate must be above 0 ticks per second"
               : period == 0 ? "the rate must be at most 1000 ticks per second"
                             : "the rate must be at least one tick in 24 days");
    return nullptr;
  }
  const int32_t handle = StartPlatformTimer(period, OnTick);
  if (!handle) return scope.Check(Ref<TTimer>(), "the platform could not start a timer");
  Ref<TTimer> timer = New<TTimer>();
  timer->_event = event;
  timer->_handle = handle;
  State().running.push_back({handle, timer});
  return timer;
}

Ref<TTimer> CreateTimer(float hertz, const Ref<TEvent>& event) {
  FailureScope scope("CreateTimer", NumberText(hertz));
  return scope.Check(TTimer::Create(hertz, event), "can't start the timer");
}

int32_t TimerTicks(const Ref<TTimer>& timer) {
  return NotNull(timer, "TimerTicks: the timer is Null (did CreateTimer fail? its line says why)\n").Ticks();
}

int32_t WaitTimer(const Ref<TTimer>& timer) {
  return NotNull(timer, "WaitTimer: the timer is Null (did CreateTimer fail? its line says why)\n").Wait();
}
void StopTimer(const Ref<TTimer>& timer) {
  if (timer) timer->Stop();
}

}  // namespace tazmix
