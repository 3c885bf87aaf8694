// Events: records with a numeric kind, emitted through one reserved hook.
#pragma once

#include <cstdint>

#include "../runtime/object.h"
#include "../runtime/string.h"

namespace tazmix {

// Event kinds; the high byte groups them (0x100 application, 0x200 keyboard,
// 0x400 mouse, 0x800 timer, ..., 0x40000 gamepad).
constexpr int32_t EVENT_APPSUSPEND = 0x101;
constexpr int32_t EVENT_APPRESUME = 0x102;
constexpr int32_t EVENT_APPTERMINATE = 0x103;
constexpr int32_t EVENT_APPOPENFILE = 0x104;
constexpr int32_t EVENT_APPIDLE = 0x105;
constexpr int32_t EVENT_KEYDOWN = 0x201;
constexpr int32_t EVENT_KEYUP = 0x202;
constexpr int32_t EVENT_KEYCHAR = 0x203;
constexpr int32_t EVENT_KEYREPEAT = 0x204;
constexpr int32_t EVENT_MOUSEDOWN = 0x401;
constexpr int32_t EVENT_MOUSEUP = 0x402;
constexpr int32_t EVENT_MOUSEMOVE = 0x403;
constexpr int32_t EVENT_MOUSEWHEEL = 0x404;
constexpr int32_t EVENT_MOUSEENTER = 0x405;
constexpr int32_t EVENT_MOUSELEAVE = 0x406;
constexpr int32_t EVENT_TIMERTICK = 0x801;
constexpr int32_t EVENT_HOTKEYHIT = 0x1001;
constexpr int32_t EVENT_GADGETACTION = 0x2001;
constexpr int32_t EVENT_GADGETPAINT = 0x2002;
constexpr int32_t EVENT_GADGETSELECT = 0x2003;
constexpr int32_t EVENT_GADGETMENU = 0x2004;
constexpr int32_t EVENT_GADGETOPEN = 0x2005;
constexpr int32_t EVENT_GADGETCLOSE = 0x2006;
constexpr int32_t EVENT_GADGETDONE = 0x2007;
constexpr int32_t EVENT_GADGETLOSTFOCUS = 0x2008;
constexpr int32_t EVENT_GADGETSHAPE = 0x2009;
constexpr int32_t EVENT_WINDOWMOVE = 0x4001;
// A window's drawable area changed size (resized, full screen and back):
// `x` and `y` are the new width and height in pixels.
constexpr int32_t EVENT_WINDOWSIZE = 0x4002;
constexpr int32_t EVENT_WINDOWCLOSE = 0x4003;
constexpr int32_t EVENT_WINDOWACTIVATE = 0x4004;
constexpr int32_t EVENT_WINDOWACCEPT = 0x4005;
constexpr int32_t EVENT_MENUACTION = 0x8001;
constexpr int32_t EVENT_STREAMEOF = 0x10001;
constexpr int32_t EVENT_STREAMAVAIL = 0x10002;
constexpr int32_t EVENT_PROCESSEXIT = 0x20001;
// Gamepads (system/gamepad.h): `x` is the pad's index. Down and up carry the
// button in `data`; a move carries the axis in `data` and its position in
// `y` (-32768..32767, triggers 0..32767, before any dead zone); a connect
// carries the pad's name as a String in `extra`.
constexpr int32_t EVENT_PADDOWN = 0x40001;
constexpr int32_t EVENT_PADUP = 0x40002;
constexpr int32_t EVENT_PADMOVE = 0x40003;
constexpr int32_t EVENT_PADCONNECT = 0x40004;
constexpr int32_t EVENT_PADDISCONNECT = 0x40005;

class TEvent : public Object {
 public:
  int32_t id = 0;
  Ref<Object> source;
  int32_t data = 0;
  int32_t mods = 0;
  int32_t x = 0;
  int32_t y = 0;
  Ref<Object> extra;
  // MouseDown: the press's place in a run of quick presses of one button at
  // about one spot, as the platform counts them: 1 alone, 2 the second press
  // of a double click, and so on. 0 for other kinds and for emitters that do
  // not count.
  int32_t clicks = 0;

  // Runs the event hook with this event; the result is discarded. Returns 0.
  virtual int32_t Emit();
  String ToString() const override;

  static Ref<TEvent> Create(int32_t id, const Ref<Object>& source = nullptr, int32_t data = 0, int32_t mods = 0,
                            int32_t x = 0, int32_t y = 0, const Ref<Object>& extra = nullptr);
  // 0x80000001, 0x80000002, ...: never one of the registered kinds.
  static int32_t AllocUserId();
  static void RegisterId(int32_t id, const String& description);
  // The first description registered for `id`, or "".
  static String DescriptionForId(int32_t id);
};

// The hook every event runs through; the first hook id handed out.
extern int32_t EmitEventHook;

// Starts the event module once: takes EmitEventHook and registers the kinds.
void InitEvents();

int32_t EmitEvent(const Ref<TEvent>& event);
Ref<TEvent> CreateEvent(int32_t id, const Ref<Object>& source = nullptr, int32_t data = 0, int32_t mods = 0,
                        int32_t x = 0, int32_t y = 0, const Ref<Object>& extra = nullptr);
// A fresh user id, registered with `description` unless that is empty.
int32_t AllocUserEventId(const String& description = String());

}  // namespace tazmix
