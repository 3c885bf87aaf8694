// Gamepads through SDL's virtual joysticks, attached by the test: no
// hardware. Each plays a standard-layout controller; the library sees it come
// and go, press and move, through the same road as a real pad.
#include <SDL.h>
#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "runtime/error_report.h"
#include "system/event.h"
#include "system/gamepad.h"
#include "system/hook.h"
#include "system/system_driver.h"
#include "tests/support/await_system.h"

namespace tazmix {
namespace {

// A virtual controller with every standard button and axis.
class VirtualPad {
 public:
  // With `motors`, it records what it is told to rumble.
  explicit VirtualPad(const char* name, bool motors = false) {
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    desc.name = name;
    if (motors) {
      desc.userdata = this;
      desc.Rumble = [](void* self, Uint16 low, Uint16 high) {
        static_cast<VirtualPad*>(self)->rumble_ = std::to_string(low) + " " + std::to_string(high);
        return 0;
      };
    }
    const int device = SDL_JoystickAttachVirtualEx(&desc);
    if (device >= 0) joystick_ = SDL_JoystickOpen(device);
  }
  ~VirtualPad() { Unplug(); }
  VirtualPad(const VirtualPad&) = delete;
  VirtualPad& operator=(const VirtualPad&) = delete;

  bool Ok() const { return joystick_ != nullptr; }
  // The motors' speeds as last set, "low high"; "" before the first.
  const std::string& Rumble() const { return rumble_; }
  void Button(int button, bool down) { SDL_JoystickSetVirtualButton(joystick_, button, down ? SDL_PRESSED : SDL_RELEASED); }
  void Axis(int axis, Sint16 value) { SDL_JoystickSetVirtualAxis(joystick_, axis, value); }
  void Unplug() {
    if (!joystick_) return;
    const SDL_JoystickID id = SDL_JoystickInstanceID(joystick_);
    SDL_JoystickClose(joystick_);
    joystick_ = nullptr;
    for (int i = 0; i < SDL_NumJoysticks(); ++i) {
      if (SDL_JoystickGetDeviceInstanceID(i) == id) SDL_JoystickDetachVirtual(i);
    }
  }

 private:
  SDL_Joystick* joystick_ = nullptr;
  std::string rumble_;
};

// Every pad event that reaches the event hook, as "Kind pad data y".
std::vector<std::string> heard;

Ref<Object> Listen(int32_t, const Ref<Object>& data, const Ref<Object>&) {
  const TEvent* e = dynamic_cast<const TEvent*>(data.get());
  if (e && e->id >= EVENT_PADDOWN && e->id <= EVENT_PADDISCONNECT) {
    String name;
    String::FromObject(e->extra.get(), &name);
    heard.push_back(TEvent::DescriptionForId(e->id).ToUTF8String() + " " + std::to_string(e->x) + " " +
                    std::to_string(e->data) + " " + std::to_string(e->y) +
                    (name.IsEmpty() ? "" : " " + name.ToUTF8String()));
  }
  return data;
}

class Gamepads : public ::testing::Test {
 protected:
  void SetUp() override {
    InitGamepads();
    SetPadDeadZone(0.25f);
    heard.clear();
    AddHook(EmitEventHook, Listen, nullptr, 0);
  }
  void TearDown() override { RemoveHook(EmitEventHook, Listen, nullptr); }
};

TEST_F(Gamepads, AConnectedPadIsReadLikeTheKeyboard) {
  EXPECT_EQ(CountPads(), 0);
  VirtualPad pad("Test Pad");
  ASSERT_TRUE(pad.Ok()) << SDL_GetError();
  ASSERT_TRUE(testing::AwaitSystem([] { return PadConnected(0) == 1; }, "the pad to connect"));
  EXPECT_EQ(CountPads(), 1);
  EXPECT_EQ(PadName(0), String("Test Pad"));

  // Held, then hit once however long it is held; two presses between
  // queries count two.
  pad.Button(SDL_CONTROLLER_BUTTON_A, true);
  ASSERT_TRUE(testing::AwaitSystem([] { return PadDown(0, PAD_BUTTON_A) == 1; }, "A down"));
  EXPECT_EQ(PadDown(0, PAD_BUTTON_B), 0);
  EXPECT_EQ(PadHit(0, PAD_BUTTON_A), 1);
  EXPECT_EQ(PadHit(0, PAD_BUTTON_A), 0);
  pad.Button(SDL_CONTROLLER_BUTTON_A, false);
  ASSERT_TRUE(testing::AwaitSystem([] { return PadDown(0, PAD_BUTTON_A) == 0; }, "A up"));
  for (int i = 0; i < 2; ++i) {
    pad.Button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
    PollSystem();
    pad.Button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, false);
    PollSystem();
  }
  EXPECT_EQ(PadHit(0, PAD_BUTTON_DPAD_LEFT), 2);

  // Sticks: the dead zone reads 0, beyond it the rest of the range is
  // spread over 0..1.
  struct AxisCase {
    int axis;
    Sint16 raw;
    float expected;
  } cases[] = {
      {SDL_CONTROLLER_AXIS_LEFTX, 32767, 1.0f},       {SDL_CONTROLLER_AXIS_LEFTX, -32768, -1.0f},
      {SDL_CONTROLLER_AXIS_LEFTX, 8000, 0.0f},        {SDL_CONTROLLER_AXIS_LEFTX, -8000, 0.0f},
      {SDL_CONTROLLER_AXIS_RIGHTY, 16384, 1.0f / 3},  {SDL_CONTROLLER_AXIS_RIGHTY, -16384, -1.0f / 3},
      {SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767, 1.0f},
  };
  for (const AxisCase& c : cases) {
    pad.Axis(c.axis, c.raw);
    PollSystem();
    EXPECT_NEAR(PadAxis(0, c.axis), c.expected, 0.001f) << "axis " << c.axis << " at " << c.raw;
  }
  SetPadDeadZone(0);
  pad.Axis(SDL_CONTROLLER_AXIS_LEFTX, 8000);
  PollSystem();
  EXPECT_NEAR(PadAxis(0, PAD_AXIS_LEFT_X), 8000.0f / 32767, 0.001f);

  // Unplugged with a button held: nothing stays pressed.
  pad.Button(SDL_CONTROLLER_BUTTON_X, true);
  ASSERT_TRUE(testing::AwaitSystem([] { return PadDown(0, PAD_BUTTON_X) == 1; }, "X down"));
  pad.Unplug();
  ASSERT_TRUE(testing::AwaitSystem([] { return PadConnected(0) == 0; }, "the pad to disconnect"));
  EXPECT_EQ(PadDown(0, PAD_BUTTON_X), 0);
  EXPECT_EQ(PadAxis(0, PAD_AXIS_LEFT_X), 0.0f);
  EXPECT_EQ(PadName(0), String());
  EXPECT_EQ(CountPads(), 0);
}

TEST_F(Gamepads, EventsCarryThePadIndexThroughTheHooks) {
  auto first = std::make_unique<VirtualPad>("One");
  VirtualPad second("Two");
  ASSERT_TRUE(first->Ok() && second.Ok()) << SDL_GetError();
  ASSERT_TRUE(testing::AwaitSystem([] { return CountPads() == 2; }, "two pads"));
  second.Button(SDL_CONTROLLER_BUTTON_B, true);
  ASSERT_TRUE(testing::AwaitSystem([] { return PadDown(1, PAD_BUTTON_B) == 1; }, "B down on pad 1"));
  second.Axis(SDL_CONTROLLER_AXIS_LEFTY, -20000);
  ASSERT_TRUE(testing::AwaitSystem([] { return PadAxis(1, PAD_AXIS_LEFT_Y) < 0; }, "pad 1's stick up"));
  EXPECT_EQ(PadDown(0, PAD_BUTTON_B), 0);
  EXPECT_EQ(PadAxis(0, PAD_AXIS_LEFT_Y), 0.0f);

  // Pad 0 goes; a new pad takes the lowest free index, pad 1 keeps its own.
  first->Unplug();
  ASSERT_TRUE(testing::AwaitSystem([] { return PadConnected(0) == 0; }, "pad 0 to go"));
  VirtualPad third("Three");
  ASSERT_TRUE(testing::AwaitSystem([] { return PadConnected(0) == 1; }, "the third pad at index 0"));
  EXPECT_EQ(PadName(0), String("Three"));
  EXPECT_EQ(PadDown(1, PAD_BUTTON_B), 1);

  const std::vector<std::string> expected = {
      "PadConnect 0 0 0 One",  "PadConnect 1 0 0 Two",    "PadDown 1 1 0",
      "PadMove 1 1 -20000",    "PadDisconnect 0 0 0",     "PadConnect 0 0 0 Three",
  };
  EXPECT_EQ(heard, expected);
}

TEST_F(Gamepads, IndicesButtonsAndAxesOutOfRangeAnswerNothing) {
  VirtualPad pad("Test Pad");
  ASSERT_TRUE(pad.Ok()) << SDL_GetError();
  ASSERT_TRUE(testing::AwaitSystem([] { return PadConnected(0) == 1; }, "the pad to connect"));
  pad.Button(SDL_CONTROLLER_BUTTON_A, true);
  pad.Axis(SDL_CONTROLLER_AXIS_LEFTX, 32767);
  ASSERT_TRUE(testing::AwaitSystem([] { return PadDown(0, PAD_BUTTON_A) == 1; }, "A down"));

  // Other emitters' events with bad numbers are ignored too.
  for (const int32_t bad : {-1, MAX_PADS, PAD_BUTTON_COUNT, INT32_MIN, INT32_MAX}) {
    for (const int32_t id : {EVENT_PADDOWN, EVENT_PADUP, EVENT_PADMOVE, EVENT_PADCONNECT, EVENT_PADDISCONNECT}) {
      if (bad != PAD_BUTTON_COUNT) CreateEvent(id, nullptr, 0, 0, bad, 5)->Emit();  // pad index
    }
    for (const int32_t id : {EVENT_PADDOWN, EVENT_PADUP, EVENT_PADMOVE}) {
      CreateEvent(id, nullptr, bad, 0, 0, 5)->Emit();  // button or axis of pad 0
    }
  }
  struct Query {
    int32_t pad, number;
  } queries[] = {{-1, 0}, {MAX_PADS, 0}, {INT32_MIN, 0}, {1, 0}, {0, -1}, {0, PAD_BUTTON_COUNT}, {0, INT32_MAX}};
  for (const Query& q : queries) {
    EXPECT_EQ(PadDown(q.pad, q.number), 0) << q.pad << " " << q.number;
    EXPECT_EQ(PadHit(q.pad, q.number), 0) << q.pad << " " << q.number;
    EXPECT_EQ(PadConnected(q.pad == 0 ? -1 : q.pad), 0) << q.pad;
    EXPECT_EQ(PadName(q.pad == 0 ? -1 : q.pad), String()) << q.pad;
  }
  EXPECT_EQ(PadAxis(0, PAD_AXIS_COUNT), 0.0f);
  EXPECT_EQ(PadAxis(0, -1), 0.0f);
  EXPECT_EQ(PadAxis(MAX_PADS, 0), 0.0f);
  // The real pad is untouched by all of it.
  EXPECT_EQ(PadDown(0, PAD_BUTTON_A), 1);
  EXPECT_EQ(PadAxis(0, PAD_AXIS_LEFT_X), 1.0f);
  EXPECT_EQ(CountPads(), 1);
}

TEST_F(Gamepads, RumbleReachesThePadsMotorsAndIsRefusedWithAReason) {
  VirtualPad shaker("Shaker", true);
  VirtualPad still("Still");
  ASSERT_TRUE(shaker.Ok() && still.Ok()) << SDL_GetError();
  ASSERT_TRUE(testing::AwaitSystem([] { return CountPads() == 2; }, "two pads"));
  const int32_t motors = PadName(0) == String("Shaker") ? 0 : 1;

  EXPECT_EQ(PadRumble(motors, 0.5f, 1.0f, 1000), 1);
  EXPECT_EQ(shaker.Rumble(), "32768 65535");
  // Strengths beyond 0..1 are taken as the nearest end; no time stops it.
  EXPECT_EQ(PadRumble(motors, 7.0f, -1.0f, 1000), 1);
  EXPECT_EQ(shaker.Rumble(), "65535 0");
  EXPECT_EQ(PadRumble(motors, 1.0f, 1.0f, 0), 1);
  EXPECT_EQ(shaker.Rumble(), "0 0");

  SetErrorEcho(false);
  EXPECT_EQ(PadRumble(1 - motors, 1.0f, 1.0f, 100), 0);
  EXPECT_EQ(LastErrorText(), "PadRumble(" + String::FromInt(1 - motors) + "): this pad has no rumble motors");
  for (const int32_t pad : {-1, 2, MAX_PADS}) {
    EXPECT_EQ(PadRumble(pad, 1.0f, 1.0f, 100), 0) << pad;
    EXPECT_EQ(LastErrorText(), "PadRumble(" + String::FromInt(pad) + "): no pad is connected at this index");
  }
  SetErrorEcho(true);
}

}  // namespace
}  // namespace tazmix
