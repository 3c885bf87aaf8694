// Pads through the page's Gamepad API. The browser reports pads only by
// their state, so each poll samples them and emits the pad events of
// system/event.h for what changed.
#pragma once

#include <cstdint>

namespace tazmix {

// Emits the pad events since the last call, with `mods` as the modifier
// state. Nothing happens before the pad module started the platform's pads.
void SampleWebGamepads(int32_t mods);

}  // namespace tazmix
