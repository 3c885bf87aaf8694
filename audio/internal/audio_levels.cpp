#include "audio/internal/audio_levels.h"

#include <cmath>

namespace tazmix {

float ClampLevel(float value, float lo, float hi) {
  if (std::isnan(value)) value = 0;
  return value < lo ? lo : value > hi ? hi : value;
}

int32_t MixerVolume(float volume) {
  return static_cast<int32_t>(std::lround(ClampLevel(volume, 0, 1) * MIXER_MAX_VOLUME));
}

SideGains PanGains(float pan) {
  const float p = ClampLevel(pan, -1, 1);
  auto gain = [](float g) { return static_cast<uint8_t>(std::lround(g * 255)); };
  return {gain(p > 0 ? 1 - p : 1), gain(p < 0 ? 1 + p : 1)};
}

}  // namespace tazmix
