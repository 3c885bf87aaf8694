// The seam between the system driver and the window layer (glback/platform).
//
// The system driver drains SDL's one event queue and translates the input of
// every window. The window layer creates the SDL windows; through this seam it
//  - names the object that the events of a window concern (the `source` of
//    their TEvents; Null when never set), and
//  - listens to the raw SDL events it needs itself (focus changes for display
//    modes, exposure, size), which reach it on the main thread during Poll and
//    Wait, before the driver translates them.
#pragma once

#include <SDL.h>

#include <cstdint>

#include "runtime/object.h"

namespace tazmix {

void SetSDLWindowSource(Uint32 window_id, const Ref<Object>& source);
// Forgets the window; call it before destroying the SDL window.
void ForgetSDLWindow(Uint32 window_id);
// The registered source of a window, or Null.
Ref<Object> SDLWindowSource(Uint32 window_id);

using SDLEventListener = void (*)(const SDL_Event& event, void* context);
void AddSDLEventListener(SDLEventListener listener, void* context);
void RemoveSDLEventListener(SDLEventListener listener, void* context);
// Hands `event` to every listener, in the order they were added.
void RunSDLEventListeners(const SDL_Event& event);

}  // namespace tazmix
