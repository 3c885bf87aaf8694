#include "audio/internal/audio_levels.h"

#include <cmath>
#include <cstdio>

#include "audio/channel.h"
#include "runtime/error_report.h"

namespace tazmix {

float ClampLevel(float value, float lo, float hi) {
  if (std::isnan(value)) value = 0;
  return value < lo ? lo : value > hi ? hi : value;
}

int32_t MixerVolume(float volume) {
  return static_cast<int32_t>(std::lround(ClampLevel(volume, 0, 1) * kMixerMaxVolume));
}

SideGains PanGains(float pan) {
  const float p = ClampLevel(pan, -1, 1);
  auto gain = [](float g) { return static_cast<uint8_t>(std::lround(g * 255)); };
  return {gain(p > 0 ? 1 - p : 1), gain(p < 0 ? 1 + p : 1)};
}

std::optional<float> CheckedPitch(float pitch, const char* call) {
  if (pitch >= MIN_PITCH && pitch <= MAX_PITCH) return pitch;
  char text[160];
  if (!(pitch > 0)) {
    std::snprintf(text, sizeof text, "%s: pitch %g is not a positive factor; refused", call,
                  static_cast<double>(pitch));
    NoteFailure(String::FromUTF8String(text));
    return std::nullopt;
  }
  const float held = pitch < MIN_PITCH ? MIN_PITCH : MAX_PITCH;
  std::snprintf(text, sizeof text, "%s: pitch %g is beyond %g .. %g; held to %g", call, static_cast<double>(pitch),
                static_cast<double>(MIN_PITCH), static_cast<double>(MAX_PITCH), static_cast<double>(held));
  NoteFailure(String::FromUTF8String(text));
  return held;
}

}  // namespace tazmix
