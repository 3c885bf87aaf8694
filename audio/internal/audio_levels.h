// Volume and pan as the program gives them (floats, perhaps out of range or
// not a number) turned into the mixer's integer steps.
#pragma once

#include <cstdint>
#include <optional>

namespace tazmix {

// The mixer's full volume step.
inline constexpr int32_t kMixerMaxVolume = 128;

// `value` held to [lo, hi]; not a number counts as 0.
float ClampLevel(float value, float lo, float hi);

// A volume in 0..1 as a mixer step in 0..kMixerMaxVolume.
int32_t MixerVolume(float volume);

// A pan in -1 (left) .. 1 (right) as the gains of the two sides, 0..255.
// The centre keeps both sides whole; moving to one side lowers only the other.
struct SideGains {
  uint8_t left;
  uint8_t right;
};
SideGains PanGains(float pan);

// `pitch` held to MIN_PITCH..MAX_PITCH; nothing for 0, a negative factor or
// not a number. Either fault records a line naming `call`.
std::optional<float> CheckedPitch(float pitch, const char* call);

}  // namespace tazmix
