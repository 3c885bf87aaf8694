#include "system/platform/sdl_gamepads.h"

#include <array>

#include "runtime/error_report.h"
#include "runtime/exception.h"
#include "system/event.h"
#include "system/gamepad.h"
#include "system/internal/platform_gamepads.h"

namespace tazmix {

namespace {

// SDL numbers the standard layout's buttons and axes as the library does.
static_assert(SDL_CONTROLLER_BUTTON_A == PAD_BUTTON_A && SDL_CONTROLLER_BUTTON_DPAD_RIGHT == PAD_BUTTON_DPAD_RIGHT);
static_assert(SDL_CONTROLLER_BUTTON_LEFTSHOULDER == PAD_BUTTON_LEFT_SHOULDER);
static_assert(SDL_CONTROLLER_AXIS_LEFTX == PAD_AXIS_LEFT_X && SDL_CONTROLLER_AXIS_TRIGGERRIGHT == PAD_AXIS_RIGHT_TRIGGER);

struct Slot {
  SDL_GameController* controller = nullptr;
  SDL_JoystickID id = -1;
};

std::array<Slot, MAX_PADS> slots;

int32_t SlotOf(SDL_JoystickID id) {
  for (size_t i = 0; i < slots.size(); ++i) {
    if (slots[i].controller && slots[i].id == id) return static_cast<int32_t>(i);
  }
  return -1;
}

int32_t FreeSlot() {
  for (size_t i = 0; i < slots.size(); ++i) {
    if (!slots[i].controller) return static_cast<int32_t>(i);
  }
  return -1;
}

void Emit(int32_t id, int32_t data, int32_t mods, int32_t pad, int32_t y = 0, const Ref<Object>& extra = nullptr) {
  TEvent::Create(id, nullptr, data, mods, pad, y, extra)->Emit();
}

// The pad's name; one that UTF-16 cannot hold in single units is taken byte
// by byte rather than refused.
String NameOf(SDL_GameController* controller) {
  const char* name = SDL_GameControllerName(controller);
  if (!name) return String();
  try {
    return String::FromUTF8String(name);
  } catch (const Thrown&) {
    return String::FromCString(name);
  }
}

void Connect(int device_index, int32_t mods) {
  const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(device_index);
  // SDL reports pads present at start-up once more if they were seen already.
  if (id < 0 || SlotOf(id) >= 0) return;
  const int32_t pad = FreeSlot();
  if (pad < 0) return;  // every index taken: this pad stays unopened
  SDL_GameController* controller = SDL_GameControllerOpen(device_index);
  if (!controller) return;
  slots[static_cast<size_t>(pad)] = {controller, id};
  Emit(EVENT_PADCONNECT, 0, mods, pad, 0, NameOf(controller).AsObject());
}

void Disconnect(SDL_JoystickID id, int32_t mods) {
  const int32_t pad = SlotOf(id);
  if (pad < 0) return;
  Slot& slot = slots[static_cast<size_t>(pad)];
  SDL_GameControllerClose(slot.controller);
  slot = Slot{};
  Emit(EVENT_PADDISCONNECT, 0, mods, pad);
}

}  // namespace

bool StartPlatformGamepads() {
  if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0) return true;
  NoteFailure(String("gamepads are not available: ") + String::FromUTF8String(SDL_GetError()));
  return false;
}

bool PlatformPadRumble(int32_t pad, uint16_t low, uint16_t high, uint32_t milliseconds) {
  if (pad < 0 || pad >= MAX_PADS || !slots[static_cast<size_t>(pad)].controller) {
    NoteFailure(String("no pad is connected at this index"));
    return false;
  }
  SDL_GameController* controller = slots[static_cast<size_t>(pad)].controller;
  if (!SDL_GameControllerHasRumble(controller)) {
    NoteFailure(String("this pad has no rumble motors"));
    return false;
  }
  if (SDL_GameControllerRumble(controller, low, high, milliseconds) == 0) return true;
  NoteFailure(String::FromUTF8String(SDL_GetError()));
  return false;
}

void TranslateSDLPadEvent(const SDL_Event& event, int32_t mods) {
  switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
      Connect(event.cdevice.which, mods);
      break;
    case SDL_CONTROLLERDEVICEREMOVED:
      Disconnect(event.cdevice.which, mods);
      break;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP: {
      const int32_t pad = SlotOf(event.cbutton.which);
      // Buttons beyond the standard layout (paddles, touchpad) are left out.
      if (pad < 0 || event.cbutton.button >= PAD_BUTTON_COUNT) return;
      Emit(event.type == SDL_CONTROLLERBUTTONDOWN ? EVENT_PADDOWN : EVENT_PADUP, event.cbutton.button, mods, pad);
      break;
    }
    case SDL_CONTROLLERAXISMOTION: {
      const int32_t pad = SlotOf(event.caxis.which);
      if (pad < 0 || event.caxis.axis >= PAD_AXIS_COUNT) return;
      Emit(EVENT_PADMOVE, event.caxis.axis, mods, pad, event.caxis.value);
      break;
    }
    default:
      break;
  }
}

}  // namespace tazmix
