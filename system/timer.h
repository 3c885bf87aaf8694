// Periodic timers: a platform timer ticks on a thread of its own and hands
// each tick to the main thread, where it is counted and emitted as an event
// while the main thread polls or waits for input.
#pragma once

#include <cstdint>

#include "../runtime/object.h"
#include "event.h"

namespace tazmix {

// At most this many timers run at once.
constexpr int32_t MAX_RUNNING_TIMERS = 16;

class TTimer : public Object {
 public:
  virtual int32_t Ticks();
  // Stops the platform timer and releases the event; the ticks stay.
  virtual void Stop();
  // One tick, on the main thread: count it and emit the event.
  virtual void Fire();
  // Waits for platform input until a tick arrived since the last Wait;
  // returns how many did. 0 at once for a stopped timer.
  virtual int32_t Wait();

  // Null when `hertz` gives a period below 1 ms (0, negative, above 1000, not
  // a number), when 16 timers already run, or when the platform refuses;
  // a line then says which.
  // `event` is emitted on every tick; Null gives a fresh TimerTick per tick.
  static Ref<TTimer> Create(float hertz, const Ref<TEvent>& event = nullptr);

  int32_t _ticks = 0;
  int32_t _wticks = 0;
  Ref<TTimer> _cycle;
  Ref<TEvent> _event;
  int32_t _handle = 0;
};

void InitTimers();

// How many timers run now (at most MAX_RUNNING_TIMERS).
int32_t RunningTimers();

// TTimer::Create; a Null answer records a line saying why, e.g.
// "CreateTimer(0): the rate must be above 0 ticks per second".
Ref<TTimer> CreateTimer(float hertz, const Ref<TEvent>& event = nullptr);
// A Null timer raises TNullObjectException, as a method of Null, whose text
// names the call ("TimerTicks: the timer is Null ..."); stopping Null does
// nothing.
int32_t TimerTicks(const Ref<TTimer>& timer);
int32_t WaitTimer(const Ref<TTimer>& timer);
void StopTimer(const Ref<TTimer>& timer);

}  // namespace tazmix
