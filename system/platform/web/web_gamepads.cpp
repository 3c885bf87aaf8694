#include "system/platform/web/web_gamepads.h"

#include <emscripten.h>
#include <emscripten/html5.h>

#include <array>
#include <cmath>
#include <cstring>

#include "runtime/error_report.h"
#include "system/event.h"
#include "system/gamepad.h"
#include "system/internal/platform_gamepads.h"

namespace tazmix {

namespace {

// The browser's standard layout numbers buttons its own way; the library's
// button for each of them (-1: an axis or none).
constexpr int32_t kButtonOfStandard[17] = {
    PAD_BUTTON_A, PAD_BUTTON_B, PAD_BUTTON_X, PAD_BUTTON_Y, PAD_BUTTON_LEFT_SHOULDER, PAD_BUTTON_RIGHT_SHOULDER,
    -1, -1,  // the triggers are axes here
    PAD_BUTTON_BACK, PAD_BUTTON_START, PAD_BUTTON_LEFT_STICK, PAD_BUTTON_RIGHT_STICK, PAD_BUTTON_DPAD_UP,
    PAD_BUTTON_DPAD_DOWN, PAD_BUTTON_DPAD_LEFT, PAD_BUTTON_DPAD_RIGHT, PAD_BUTTON_GUIDE};
constexpr int kLeftTrigger = 6;
constexpr int kRightTrigger = 7;

// One pad index of the library: the browser's pad it stands for and what was
// last reported of it.
struct PadSlot {
  long browser_index = -1;
  std::array<bool, PAD_BUTTON_COUNT> down{};
  std::array<int32_t, PAD_AXIS_COUNT> axes{};
};

struct WebPadState {
  bool started = false;
  std::array<PadSlot, MAX_PADS> slots;
};

WebPadState& Pads() {
  static auto* state = new WebPadState();
  return *state;
}

void Emit(int32_t id, int32_t data, int32_t mods, int32_t pad, int32_t y = 0, const Ref<Object>& extra = nullptr) {
  TEvent::Create(id, nullptr, data, mods, pad, y, extra)->Emit();
}

int32_t SlotOf(long browser_index) {
  for (size_t i = 0; i < Pads().slots.size(); ++i) {
    if (Pads().slots[i].browser_index == browser_index) return static_cast<int32_t>(i);
  }
  return -1;
}

// The axis in the units the SDL platform reports: sticks -32768..32767,
// triggers 0..32767.
int32_t AxisUnits(double value) {
  return static_cast<int32_t>(std::lround(std::fmax(-1.0, std::fmin(1.0, value)) * (value < 0 ? 32768 : 32767)));
}

void Report(int32_t pad, const EmscriptenGamepadEvent& state, int32_t mods) {
  PadSlot& slot = Pads().slots[static_cast<size_t>(pad)];
  for (int b = 0; b < state.numButtons && b < 17; ++b) {
    const int32_t button = kButtonOfStandard[b];
    if (button < 0) continue;
    const bool down = state.digitalButton[b] != 0;
    if (down == slot.down[static_cast<size_t>(button)]) continue;
    slot.down[static_cast<size_t>(button)] = down;
    Emit(down ? EVENT_PADDOWN : EVENT_PADUP, button, mods, pad);
  }
  std::array<int32_t, PAD_AXIS_COUNT> axes{};
  for (int a = 0; a < 4 && a < state.numAxes; ++a) axes[static_cast<size_t>(a)] = AxisUnits(state.axis[a]);
  if (state.numButtons > kRightTrigger) {
    axes[PAD_AXIS_LEFT_TRIGGER] = AxisUnits(state.analogButton[kLeftTrigger]);
    axes[PAD_AXIS_RIGHT_TRIGGER] = AxisUnits(state.analogButton[kRightTrigger]);
  }
  for (int32_t a = 0; a < PAD_AXIS_COUNT; ++a) {
    if (axes[static_cast<size_t>(a)] == slot.axes[static_cast<size_t>(a)]) continue;
    slot.axes[static_cast<size_t>(a)] = axes[static_cast<size_t>(a)];
    Emit(EVENT_PADMOVE, a, mods, pad, axes[static_cast<size_t>(a)]);
  }
}

// Runs the motors of the browser's pad `index` (0..1 each); 0 when it has
// none. The browser's answer comes later and is let go: a refused effect
// leaves the pad still, as a pad that cannot rumble would be.
EM_JS(int, RumbleBrowserPad, (int index, double strong, double weak, double ms), {
  try {
    var pad = navigator.getGamepads()[index];
    var motors = pad && pad.vibrationActuator;
    if (!motors || !motors.playEffect) return 0;
    // Browsers refuse effects longer than 5 seconds; a new effect ends the
    // one playing, so a stop is an effect of nothing.
    var effect = {duration : Math.min(ms, 5000), strongMagnitude : strong, weakMagnitude : weak};
    motors.playEffect('dual-rumble', effect).catch(function(){});
    return 1;
  } catch (e) {
    return 0;
  }
});

}  // namespace

bool StartPlatformGamepads() {
  if (!EM_ASM_INT({ return typeof navigator !== 'undefined' && !!navigator.getGamepads; })) {
    NoteFailure("gamepads are not available: this page has no Gamepad API");
    return false;
  }
  Pads().started = true;
  return true;
}

bool PlatformPadRumble(int32_t pad, uint16_t low, uint16_t high, uint32_t milliseconds) {
  if (pad < 0 || pad >= MAX_PADS || Pads().slots[static_cast<size_t>(pad)].browser_index < 0) {
    NoteFailure("no pad is connected at this index");
    return false;
  }
  const long index = Pads().slots[static_cast<size_t>(pad)].browser_index;
  if (RumbleBrowserPad(static_cast<int>(index), low / 65535.0, high / 65535.0, milliseconds)) return true;
  NoteFailure("this pad has no rumble motors");
  return false;
}

void SampleWebGamepads(int32_t mods) {
  WebPadState& pads = Pads();
  if (!pads.started || emscripten_sample_gamepad_data() != EMSCRIPTEN_RESULT_SUCCESS) return;
  const int count = emscripten_get_num_gamepads();
  // Pads gone since the last sample.
  for (size_t i = 0; i < pads.slots.size(); ++i) {
    PadSlot& slot = pads.slots[i];
    if (slot.browser_index < 0) continue;
    EmscriptenGamepadEvent state{};
    if (slot.browser_index < count &&
        emscripten_get_gamepad_status(static_cast<int>(slot.browser_index), &state) == EMSCRIPTEN_RESULT_SUCCESS &&
        state.connected) {
      continue;
    }
    slot = PadSlot{};
    Emit(EVENT_PADDISCONNECT, 0, mods, static_cast<int32_t>(i));
  }
  for (int b = 0; b < count; ++b) {
    EmscriptenGamepadEvent state{};
    if (emscripten_get_gamepad_status(b, &state) != EMSCRIPTEN_RESULT_SUCCESS || !state.connected) continue;
    // Only pads the browser lays out in the standard way have known buttons.
    if (std::strcmp(state.mapping, "standard") != 0) continue;
    int32_t pad = SlotOf(b);
    if (pad < 0) {
      pad = SlotOf(-1);
      if (pad < 0) continue;  // every index taken: this pad stays unopened
      pads.slots[static_cast<size_t>(pad)].browser_index = b;
      Emit(EVENT_PADCONNECT, 0, mods, pad, 0, String::FromUTF8String(state.id).AsObject());
    }
    Report(pad, state, mods);
  }
}

}  // namespace tazmix
