/// \file
/// Periodic timers: a platform timer ticks on a thread of its own and hands
/// each tick to the main thread, where it is counted and emitted as an
/// EVENT_TIMERTICK event while the main thread polls or waits for input. A
/// loop that never polls (no input query, no WaitTimer) sees the count stand
/// still. A running timer stays alive without the program's references until
/// it is stopped.
///
/// A timer that can't start answers Null with a line such as
///
///     CreateTimer(0): the rate must be above 0 ticks per second
///
/// \code{.cpp}
/// auto frames = tazmix::CreateTimer(60);
/// if (!frames) return 1;  // LastErrorText() says why
/// while (!tazmix::KeyHit(tazmix::KEY_ESCAPE)) {
///   tazmix::WaitTimer(frames);  // returns how many ticks passed
///   DrawScene();
///   tazmix::Flip(0);
/// }
/// tazmix::StopTimer(frames);
/// \endcode
/// \ingroup system
/// \since 1.0
#pragma once

#include <cstdint>

#include "../runtime/object.h"
#include "event.h"

namespace tazmix {

/// At most this many timers run at once; Create answers Null beyond. \since 1.1
constexpr int32_t MAX_RUNNING_TIMERS = 16;

/// A periodic timer. Made by CreateTimer (or TTimer::Create); every field and
/// operation belongs to the main thread.
/// \since 1.0
class TTimer : public Object {
 public:
  /// \return the ticks counted since creation; they stay after Stop. \since 1.0
  virtual int32_t Ticks();
  /// Stops the platform timer and releases the event; the ticks stay. A tick
  /// already on its way is dropped. Nothing for a stopped timer.
  /// \since 1.0
  virtual void Stop();
  /// One tick, on the main thread: counts it and emits the event (the one
  /// given to Create, else a fresh EVENT_TIMERTICK whose `data` is the new
  /// count and `source` the timer). Nothing for a stopped timer. The library
  /// calls it; a program need not.
  /// \since 1.0
  virtual void Fire();
  /// Waits for the next platform input, and on until at least one tick
  /// arrived since the last Wait (or since creation).
  /// \return how many ticks arrived; 0 at once for a stopped timer. A hook
  ///   that stops the timer during the wait ends it with the count so far.
  /// \since 1.0
  virtual int32_t Wait();

  /// Starts a timer; CreateTimer is the same with its own line.
  /// \param hertz ticks per second; the period is 1000 / hertz milliseconds,
  ///   truncated (60 gives 16 ms).
  /// \param event emitted on every tick (the same object each time); nullptr
  ///   gives a fresh EVENT_TIMERTICK per tick.
  /// \return the running timer; Null with a line `TTimer::Create(<hertz>): <reason>`,
  ///   the reason one of "the rate must be above 0 ticks per second" (0,
  ///   negative, not a number), "the rate must be at most 1000 ticks per
  ///   second", "the rate must be at least one tick in 24 days", "16 timers
  ///   are running already; stop one first" or "the platform could not start
  ///   a timer".
  /// \since 1.0
  static Ref<TTimer> Create(float hertz, const Ref<TEvent>& event = nullptr);

  int32_t _ticks = 0;   ///< Ticks counted since creation. \since 1.0
  int32_t _wticks = 0;  ///< _ticks at the last Wait. \since 1.0
  Ref<TTimer> _cycle;   ///< Unused; kept for the object's layout. \since 1.0
  Ref<TEvent> _event;   ///< The event emitted per tick; Null: a fresh one. \since 1.0
  int32_t _handle = 0;  ///< The platform timer; 0 when stopped. \since 1.0
};

/// Starts the timer module once (events and the system module first);
/// CreateTimer calls it too. \since 1.0
void InitTimers();

/// How many timers run now.
/// \return 0 .. MAX_RUNNING_TIMERS.
/// \since 1.1
int32_t RunningTimers();

/// Starts a periodic timer (TTimer::Create).
/// \param hertz ticks per second, above 0 and at most 1000.
/// \param event emitted on every tick; nullptr gives a fresh EVENT_TIMERTICK
///   per tick.
/// \return the running timer; Null with one line saying why, e.g.
///   `CreateTimer(0): the rate must be above 0 ticks per second` or
///   `CreateTimer(60): 16 timers are running already; stop one first`
///   (the reasons are listed at TTimer::Create).
/// \since 1.0
Ref<TTimer> CreateTimer(float hertz, const Ref<TEvent>& event = nullptr);
/// The ticks counted so far (TTimer::Ticks).
/// \param timer the timer.
/// \return its tick count.
/// \throws Thrown (TNullObjectException) for a Null timer, with the text
///   "TimerTicks: the timer is Null (did CreateTimer fail? its line says why)".
/// \since 1.0
int32_t TimerTicks(const Ref<TTimer>& timer);
/// Waits for the timer's next tick (TTimer::Wait).
/// \param timer the timer.
/// \return the ticks since the last wait; 0 at once for a stopped timer.
/// \throws Thrown (TNullObjectException) for a Null timer, with the text
///   "WaitTimer: the timer is Null (did CreateTimer fail? its line says why)".
/// \since 1.0
int32_t WaitTimer(const Ref<TTimer>& timer);
/// Stops the timer (TTimer::Stop); stopping Null does nothing.
/// \param timer the timer, or Null.
/// \since 1.0
void StopTimer(const Ref<TTimer>& timer);

}  // namespace tazmix
