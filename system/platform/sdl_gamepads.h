// Pads through SDL's game-controller layer: each pad plugged in is opened and
// given the lowest free index; its SDL events become the pad events of
// system/event.h.
#pragma once

#include <SDL.h>

#include <cstdint>

namespace tazmix {

// Emits the pad event that `event` stands for, if any, with `mods` as the
// modifier state. Only controller events are looked at.
void TranslateSDLPadEvent(const SDL_Event& event, int32_t mods);

}  // namespace tazmix
