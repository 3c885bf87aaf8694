// Posted calls travel as SDL user events of one registered type.
#pragma once

#include <SDL.h>

namespace tazmix {

// Registers the event type; called once on the main thread when the driver
// starts, before anything can post.
bool StartMainThreadCalls();
// Runs the call carried by `event` and returns true, or returns false when the
// event is not a posted call.
bool RunPostedCall(const SDL_Event& event);

}  // namespace tazmix
