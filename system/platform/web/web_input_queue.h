// The page's input queue. The browser hands input, timer ticks and posted
// calls to callbacks that run between two turns of the program; they only
// queue it here. The system driver takes the queue on the main loop's turn
// (Poll, Wait), so events are emitted where the program expects them, as on
// every platform.
#pragma once

#include <cstdint>

#include "system/main_thread_call.h"

namespace tazmix {

// One queued record: an event to emit (id != 0), or a posted call.
struct WebInput {
  int32_t id = 0;
  int32_t data = 0;
  int32_t mods = 0;
  int32_t x = 0;
  int32_t y = 0;
  MainThreadFunction call = nullptr;
  Object* object = nullptr;
};

// Queues a record and wakes a waiting program. False when the queue is full
// (a program that stopped polling long ago): the record is dropped.
bool QueueWebInput(const WebInput& input);

// Hands every record queued before the call to `deliver`, oldest first;
// records queued meanwhile wait for the next call.
void DrainWebInput(void (*deliver)(const WebInput& input));

// Returns once something is queued, giving the browser its turn meanwhile.
// Without Asyncify (a program run under node) nothing can arrive while the
// program runs, and it returns at once.
void WaitForWebInput();

// Gives the browser one turn (its events, timers and drawing), then returns.
// Does nothing without Asyncify.
void YieldToBrowser();

}  // namespace tazmix
