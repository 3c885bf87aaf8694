#include "system/gamepad.h"

#include <algorithm>
#include <array>
#include <utility>

#include "runtime/application.h"
#include "runtime/error_report.h"
#include "system/event.h"
#include "system/hook.h"
#include "system/internal/platform_gamepads.h"
#include "system/system_driver.h"

namespace tazmix {

namespace {

constexpr float kAxisFullScale = 32767.0f;

struct PadState {
  bool connected = false;
  String name;
  std::array<int32_t, PAD_BUTTON_COUNT> down{};
  std::array<int32_t, PAD_BUTTON_COUNT> hits{};
  std::array<int32_t, PAD_AXIS_COUNT> axes{};  // as the events carry them
};

struct GamepadState {
  bool started = false;
  std::array<PadState, MAX_PADS> pads;
  float dead_zone = 0.25f;
};

GamepadState gamepads;

bool InRange(int32_t value, int32_t count) { return value >= 0 && value < count; }

// The pad of that index, or nullptr for an index out of range.
PadState* Pad(int32_t pad) { return InRange(pad, MAX_PADS) ? &gamepads.pads[static_cast<size_t>(pad)] : nullptr; }

// Pad events from any emitter are checked, so a bad index or button is
// ignored instead of reaching past the arrays.
Ref<Object> PadHook(int32_t, const Ref<Object>& data, const Ref<Object>&) {
  const TEvent* event = dynamic_cast<const TEvent*>(data.get());
  if (!event) return data;
  PadState* pad = Pad(event->x);
  if (!pad) return data;
  const auto slot = static_cast<size_t>(event->data);
  switch (event->id) {
    case EVENT_PADCONNECT:
      *pad = PadState{};
      pad->connected = true;
      String::FromObject(event->extra.get(), &pad->name);
      break;
    case EVENT_PADDISCONNECT:
      *pad = PadState{};
      break;
    case EVENT_PADDOWN:
      // A second press without a release does not count.
      if (InRange(event->data, PAD_BUTTON_COUNT) && !pad->down[slot]) {
        pad->down[slot] = 1;
        ++pad->hits[slot];
      }
      break;
    case EVENT_PADUP:
      if (InRange(event->data, PAD_BUTTON_COUNT)) pad->down[slot] = 0;
      break;
    case EVENT_PADMOVE:
      if (InRange(event->data, PAD_AXIS_COUNT)) pad->axes[slot] = event->y;
      break;
    default:
      break;
  }
  return data;
}

// The pad after the system has delivered what is waiting; nullptr when the
// index is out of range.
PadState* PolledPad(int32_t pad) {
  InitGamepads();
  PollSystem();
  return Pad(pad);
}

}  // namespace

void InitGamepads() {
  if (!BeginModuleInit(gamepads.started)) return;
  InitEvents();
  InitSystem();
  AddHook(EmitEventHook, PadHook, nullptr, 0);
  StartPlatformGamepads();
}

int32_t CountPads() {
  InitGamepads();
  PollSystem();
  return static_cast<int32_t>(
      std::count_if(gamepads.pads.begin(), gamepads.pads.end(), [](const PadState& p) { return p.connected; }));
}

int32_t PadConnected(int32_t pad) {
  const PadState* p = PolledPad(pad);
  return p && p->connected ? 1 : 0;
}

String PadName(int32_t pad) {
  const PadState* p = PolledPad(pad);
  return p ? p->name : String();
}

int32_t PadDown(int32_t pad, int32_t button) {
  const PadState* p = PolledPad(pad);
  return p && InRange(button, PAD_BUTTON_COUNT) ? p->down[static_cast<size_t>(button)] : 0;
}

int32_t PadHit(int32_t pad, int32_t button) {
  PadState* p = PolledPad(pad);
  if (!p || !InRange(button, PAD_BUTTON_COUNT)) return 0;
  return std::exchange(p->hits[static_cast<size_t>(button)], 0);
}

float PadAxis(int32_t pad, int32_t axis) {
  const PadState* p = PolledPad(pad);
  if (!p || !InRange(axis, PAD_AXIS_COUNT)) return 0.0f;
  const float v = std::clamp(static_cast<float>(p->axes[static_cast<size_t>(axis)]) / kAxisFullScale, -1.0f, 1.0f);
  const float size = v < 0 ? -v : v;
  if (size <= gamepads.dead_zone) return 0.0f;
  const float outside = (size - gamepads.dead_zone) / (1.0f - gamepads.dead_zone);
  return v < 0 ? -outside : outside;
}

void SetPadDeadZone(float zone) {
  // Not a number counts as no zone; the upper bound keeps the rescaling
  // above from dividing by (nearly) nothing.
  gamepads.dead_zone = zone >= 0.0f ? std::min(zone, 0.95f) : 0.0f;
}

float PadDeadZone() { return gamepads.dead_zone; }

namespace {

// 0..1 to the motors' 0..65535; not a number is still.
uint16_t MotorSpeed(float strength) {
  return strength > 0.0f ? static_cast<uint16_t>(std::min(strength, 1.0f) * 65535.0f + 0.5f) : 0;
}

}  // namespace

int32_t PadRumble(int32_t pad, float low, float high, int32_t milliseconds) {
  FailureScope scope("PadRumble", String::FromInt(pad));
  const PadState* p = PolledPad(pad);
  if (!p || !p->connected) {
    scope.Fail("no pad is connected at this index");
    return 0;
  }
  // SDL would let motors given no time run on until told otherwise.
  const bool run = milliseconds > 0;
  const auto span = static_cast<uint32_t>(run ? milliseconds : 0);
  if (PlatformPadRumble(pad, run ? MotorSpeed(low) : 0, run ? MotorSpeed(high) : 0, span)) return 1;
  scope.Fail("the pad can't rumble");
  return 0;
}

void FlushPads() {
  InitGamepads();
  PollSystem();
  for (PadState& p : gamepads.pads) p.hits.fill(0);
}

}  // namespace tazmix
