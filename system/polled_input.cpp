#include "system/polled_input.h"

#include <array>

#include "runtime/application.h"
#include "runtime/error_report.h"
#include "system/event.h"
#include "system/hook.h"
#include "system/system_driver.h"

namespace tazmix {

namespace {

struct InputState {
  std::array<int32_t, 256> key_states{};
  std::array<int32_t, 256> key_hits{};
  std::array<int32_t, 256> char_queue{};
  uint32_t char_put = 0;  // unsigned: the ring counters may wrap
  uint32_t char_get = 0;
  std::array<int32_t, 4> mouse_states{};
  std::array<int32_t, 4> mouse_hits{};
  std::array<int32_t, 4> mouse_clicks{};
  std::array<int32_t, 4> mouse_location{};
  std::array<int32_t, 4> last_mouse_location{};
  int32_t suspended = 0;
  int32_t terminate = 0;
  bool enabled = false;
  Ref<Object> filter;
  bool started = false;
};

InputState& State() {
  static InputState state;
  return state;
}

// Key codes and buttons from any emitter or caller are checked, so a bad one
// is ignored instead of reaching past the arrays.
template <size_t N>
int32_t* Slot(std::array<int32_t, N>& values, int32_t index) {
  return (index >= 0 && static_cast<size_t>(index) < N) ? &values[static_cast<size_t>(index)] : nullptr;
}

template <size_t N>
void Press(std::array<int32_t, N>& states, std::array<int32_t, N>& hits, int32_t index) {
  int32_t* state = Slot(states, index);
  if (!state || *state) return;  // a second press without a release does not count
  *state = 1;
  ++*Slot(hits, index);
}

template <size_t N>
void Release(std::array<int32_t, N>& states, int32_t index) {
  if (int32_t* state = Slot(states, index)) *state = 0;
}

template <size_t N>
int32_t Collect(std::array<int32_t, N>& hits, int32_t index) {
  int32_t* slot = Slot(hits, index);
  if (!slot) return 0;
  const int32_t n = *slot;
  *slot = 0;
  return n;
}

template <size_t N>
int32_t Read(std::array<int32_t, N>& values, int32_t index) {
  int32_t* slot = Slot(values, index);
  return slot ? *slot : 0;
}

Ref<Object> InputHook(int32_t, const Ref<Object>& data, const Ref<Object>&) {
  TEvent* event = dynamic_cast<TEvent*>(data.get());
  if (!event) return data;
  InputState& s = State();
  if (s.filter && event->source != s.filter) return data;
  switch (event->id) {
    case EVENT_APPSUSPEND:
      FlushKeys();
      FlushMouse();
      s.suspended = 1;
      break;
    case EVENT_APPRESUME:
      FlushKeys();
      FlushMouse();
      s.suspended = 0;
      break;
    case EVENT_APPTERMINATE:
      s.terminate = 1;
      break;
    case EVENT_KEYDOWN:
      Press(s.key_states, s.key_hits, event->data);
      break;
    case EVENT_KEYUP:
      Release(s.key_states, event->data);
      break;
    case EVENT_KEYCHAR:
      if (s.char_put - s.char_get < 256) s.char_queue[s.char_put++ % 256] = event->data;
      break;
    case EVENT_MOUSEDOWN:
      Press(s.mouse_states, s.mouse_hits, event->data);
      if (int32_t* clicks = Slot(s.mouse_clicks, event->data)) *clicks = event->clicks;
      break;
    case EVENT_MOUSEUP:
      Release(s.mouse_states, event->data);
      break;
    case EVENT_MOUSEMOVE:
      s.mouse_location[0] = event->x;
      s.mouse_location[1] = event->y;
      break;
    case EVENT_MOUSEWHEEL:
      s.mouse_location[2] += event->data;
      break;
    default:
      break;
  }
  return data;
}

int32_t Speed(size_t axis) {
  PollSystem();
  InputState& s = State();
  const int32_t speed = s.mouse_location[axis] - s.last_mouse_location[axis];
  s.last_mouse_location[axis] = s.mouse_location[axis];
  return speed;
}

// Waits for input until `arrived` answers non-zero. Without polled input,
// which only open graphics turn on, nothing can arrive: 0 at once, and a
// line saying why, rather than a program that hangs.
template <class F>
int32_t WaitFor(const char* call, F arrived) {
  for (;;) {
    if (!State().enabled) {
      FailureScope scope(call, "");
      scope.Fail("no graphics are open, so no input can arrive; 0 was returned");
      return 0;
    }
    WaitSystem();
    if (const int32_t found = arrived()) return found;
  }
}

}  // namespace

void InitPolledInput() {
  if (!BeginModuleInit(State().started)) return;
  InitEvents();
  InitSystem();
}

void EnablePolledInput(const Ref<Object>& source) {
  InitPolledInput();
  InputState& s = State();
  if (s.enabled) return;
  s.filter = source;
  FlushKeys();
  FlushMouse();
  AddHook(EmitEventHook, InputHook, nullptr, 0);
  s.enabled = true;
}

void DisablePolledInput() {
  InputState& s = State();
  if (!s.enabled) return;
  RemoveHook(EmitEventHook, InputHook, nullptr);
  FlushKeys();
  FlushMouse();
  s.filter = nullptr;
  s.enabled = false;
}

int32_t AppSuspended() {
  PollSystem();
  return State().suspended;
}

int32_t AppTerminate() {
  PollSystem();
  InputState& s = State();
  const int32_t terminate = s.terminate;
  s.terminate = 0;
  return terminate;
}

int32_t KeyHit(int32_t key) {
  PollSystem();
  return Collect(State().key_hits, key);
}

int32_t KeyDown(int32_t key) {
  PollSystem();
  return Read(State().key_states, key);
}

int32_t GetChar() {
  PollSystem();
  InputState& s = State();
  if (s.char_put == s.char_get) return 0;
  return s.char_queue[s.char_get++ % 256];
}

void FlushKeys() {
  PollSystem();
  InputState& s = State();
  s.char_put = s.char_get = 0;
  s.key_states.fill(0);
  s.key_hits.fill(0);
}

int32_t MouseHit(int32_t button) {
  PollSystem();
  return Collect(State().mouse_hits, button);
}

int32_t MouseDown(int32_t button) {
  PollSystem();
  return Read(State().mouse_states, button);
}

int32_t MouseClicks(int32_t button) {
  PollSystem();
  return Read(State().mouse_clicks, button);
}

int32_t MouseX() {
  PollSystem();
  return State().mouse_location[0];
}

int32_t MouseY() {
  PollSystem();
  return State().mouse_location[1];
}

int32_t MouseZ() {
  PollSystem();
  return State().mouse_location[2];
}

int32_t MouseXSpeed() { return Speed(0); }
int32_t MouseYSpeed() { return Speed(1); }
int32_t MouseZSpeed() { return Speed(2); }

void FlushMouse() {
  PollSystem();
  InputState& s = State();
  s.mouse_states.fill(0);
  s.mouse_hits.fill(0);
  s.mouse_clicks.fill(0);
  s.mouse_location[2] = 0;
}

int32_t WaitKey() {
  FlushKeys();
  return WaitFor("WaitKey", [] {
    for (int32_t key = 1; key < 256; ++key) {
      if (KeyHit(key)) return key;
    }
    return 0;
  });
}

int32_t WaitChar() {
  FlushKeys();
  return WaitFor("WaitChar", [] { return GetChar(); });
}

int32_t WaitMouse() {
  FlushMouse();
  return WaitFor("WaitMouse", [] {
    for (int32_t button = 1; button <= 3; ++button) {
      if (MouseHit(button)) return button;
    }
    return 0;
  });
}

}  // namespace tazmix
