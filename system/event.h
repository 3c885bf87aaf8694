/// \file
/// Events: records with a numeric kind, emitted through one reserved hook
/// (EmitEventHook). The system driver turns the platform's input into events;
/// polled input (KeyHit, MouseX, ...) listens to them. A program that wants
/// every event adds its own function to EmitEventHook.
///
/// \code{.cpp}
/// tazmix::Ref<tazmix::Object> Watch(int32_t, const tazmix::Ref<tazmix::Object>& data, const tazmix::Ref<tazmix::Object>&) {
///   auto e = tazmix::Cast<tazmix::TEvent>(data);
///   if (e && e->id == tazmix::EVENT_WINDOWSIZE) Relayout(e->x, e->y);
///   return data;
/// }
/// tazmix::AddHook(tazmix::EmitEventHook, Watch, nullptr, 0);
///
/// const int32_t kLevelDone = tazmix::AllocUserEventId("LevelDone");  // a kind of one's own
/// tazmix::EmitEvent(tazmix::CreateEvent(kLevelDone, nullptr, level_number));
/// \endcode
/// \ingroup system
/// \since 1.0
#pragma once

#include <cstdint>

#include "../runtime/object.h"
#include "../runtime/string.h"

namespace tazmix {

// Event kinds; the high byte groups them (0x100 application, 0x200 keyboard,
// 0x400 mouse, 0x800 timer, ..., 0x40000 gamepad).

/// The program's window lost the focus to another program. \since 1.0
constexpr int32_t EVENT_APPSUSPEND = 0x101;
/// The program's window got the focus back. \since 1.0
constexpr int32_t EVENT_APPRESUME = 0x102;
/// A request to end: the window was closed (or SIGTERM arrived, see
/// close_signal.h); AppTerminate() reports it. \since 1.0
constexpr int32_t EVENT_APPTERMINATE = 0x103;
constexpr int32_t EVENT_APPOPENFILE = 0x104;  ///< Registered by name; emitted by no part of the library. \since 1.0
constexpr int32_t EVENT_APPIDLE = 0x105;  ///< Registered by name; emitted by no part of the library. \since 1.0
/// A key went down; `data` is its key code (keys.h), `mods` the modifiers. \since 1.0
constexpr int32_t EVENT_KEYDOWN = 0x201;
/// A key went up; `data` is its key code. \since 1.0
constexpr int32_t EVENT_KEYUP = 0x202;
/// A character was typed; `data` is one UTF-16 unit (a malformed input is U+FFFD). \since 1.0
constexpr int32_t EVENT_KEYCHAR = 0x203;
/// A held key repeated; `data` is its key code. \since 1.0
constexpr int32_t EVENT_KEYREPEAT = 0x204;
/// A mouse button went down; `data` is the button (1 left, 2 right, 3
/// middle), `x` and `y` the position, `clicks` its place in a run of presses. \since 1.0
constexpr int32_t EVENT_MOUSEDOWN = 0x401;
/// A mouse button went up; `data` is the button, `x` and `y` the position. \since 1.0
constexpr int32_t EVENT_MOUSEUP = 0x402;
/// The pointer moved; `x` and `y` are the position. \since 1.0
constexpr int32_t EVENT_MOUSEMOVE = 0x403;
/// The wheel turned; `data` is the notches (away from the user positive), `x` and
/// `y` the pointer's position. \since 1.0
constexpr int32_t EVENT_MOUSEWHEEL = 0x404;
/// The pointer entered the window; `x` and `y` are the position. \since 1.0
constexpr int32_t EVENT_MOUSEENTER = 0x405;
/// The pointer left the window. \since 1.0
constexpr int32_t EVENT_MOUSELEAVE = 0x406;
/// A timer ticked; `source` is the timer (timer.h). \since 1.0
constexpr int32_t EVENT_TIMERTICK = 0x801;
constexpr int32_t EVENT_HOTKEYHIT = 0x1001;  ///< Registered by name; emitted by no part of the library. \since 1.0
constexpr int32_t EVENT_GADGETACTION = 0x2001;  ///< Registered by name; emitted by no part of the library. \since 1.0
constexpr int32_t EVENT_GADGETPAINT = 0x2002;  ///< Registered by name; emitted by no part of the library. \since 1.0
constexpr int32_t EVENT_GADGETSELECT = 0x2003;  ///< Registered by name; emitted by no part of the library. \since 1.0
constexpr int32_t EVENT_GADGETMENU = 0x2004;  ///< Registered by name; emitted by no part of the library. \since 1.0
constexpr int32_t EVENT_GADGETOPEN = 0x2005;  ///< Registered by name; emitted by no part of the library. \since 1.0
constexpr int32_t EVENT_GADGETCLOSE = 0x2006;  ///< Registered by name; emitted by no part of the library. \since 1.0
constexpr int32_t EVENT_GADGETDONE = 0x2007;  ///< Registered by name; emitted by no part of the library. \since 1.0
constexpr int32_t EVENT_GADGETLOSTFOCUS = 0x2008;  ///< Registered by name; emitted by no part of the library. \since 1.0
constexpr int32_t EVENT_GADGETSHAPE = 0x2009;  ///< Registered by name; emitted by no part of the library. \since 1.0
constexpr int32_t EVENT_WINDOWMOVE = 0x4001;  ///< Registered by name; emitted by no part of the library. \since 1.0
/// A window's drawable area changed size (resized, full screen and back):
/// `x` and `y` are the new width and height in pixels. \since 1.0
constexpr int32_t EVENT_WINDOWSIZE = 0x4002;
constexpr int32_t EVENT_WINDOWCLOSE = 0x4003;  ///< Registered by name; emitted by no part of the library. \since 1.0
constexpr int32_t EVENT_WINDOWACTIVATE = 0x4004;  ///< Registered by name; emitted by no part of the library. \since 1.0
constexpr int32_t EVENT_WINDOWACCEPT = 0x4005;  ///< Registered by name; emitted by no part of the library. \since 1.0
constexpr int32_t EVENT_MENUACTION = 0x8001;  ///< Registered by name; emitted by no part of the library. \since 1.0
constexpr int32_t EVENT_STREAMEOF = 0x10001;  ///< Registered by name; emitted by no part of the library. \since 1.0
constexpr int32_t EVENT_STREAMAVAIL = 0x10002;  ///< Registered by name; emitted by no part of the library. \since 1.0
constexpr int32_t EVENT_PROCESSEXIT = 0x20001;  ///< Registered by name; emitted by no part of the library. \since 1.0

// Gamepads (system/gamepad.h): `x` is the pad's index. Down and up carry the
// button in `data`; a move carries the axis in `data` and its position in
// `y` (-32768..32767, triggers 0..32767, before any dead zone); a connect
// carries the pad's name as a String in `extra`.

/// A pad button went down: `x` the pad, `data` the button (PAD_BUTTON_...). \since 1.0
constexpr int32_t EVENT_PADDOWN = 0x40001;
/// A pad button went up: `x` the pad, `data` the button. \since 1.0
constexpr int32_t EVENT_PADUP = 0x40002;
/// A pad axis moved: `x` the pad, `data` the axis (PAD_AXIS_...), `y` its
/// position (-32768..32767, triggers 0..32767, before any dead zone). \since 1.0
constexpr int32_t EVENT_PADMOVE = 0x40003;
/// A pad was plugged in: `x` its index, `extra` its name as a String. \since 1.0
constexpr int32_t EVENT_PADCONNECT = 0x40004;
/// A pad was unplugged: `x` its index. \since 1.0
constexpr int32_t EVENT_PADDISCONNECT = 0x40005;

/// One event. What the numbers mean depends on the kind (see the EVENT_
/// constants).
/// \since 1.0
class TEvent : public Object {
 public:
  /// The kind (EVENT_...). \since 1.0
  int32_t id = 0;
  /// Where it came from: a window, a timer, ...; may be Null. \since 1.0
  Ref<Object> source;
  /// The kind's main number: a key code, a button, an axis. \since 1.0
  int32_t data = 0;
  /// The modifier keys held (MODIFIER_ bits). \since 1.0
  int32_t mods = 0;
  /// A position, a size or a pad's index. \since 1.0
  int32_t x = 0;
  /// A position, a size or an axis position. \since 1.0
  int32_t y = 0;
  /// Anything else, e.g. a connected pad's name as a String. \since 1.0
  Ref<Object> extra;
  /// MouseDown: the press's place in a run of quick presses of one button at
  /// about one spot, as the platform counts them: 1 alone, 2 the second press
  /// of a double click, and so on. 0 for other kinds and for emitters that do
  /// not count.
  /// \since 1.1
  int32_t clicks = 0;

  /// Runs the event hook with this event; the result is discarded.
  /// \return 0.
  /// \since 1.0
  virtual int32_t Emit();
  /// \return "KeyDown: data=27, mods=0, x=0, y=0, extra=\"\"": the kind's
  ///   registered name (or "UserEvent1", "Unknown Event, id=...") and the fields. \since 1.0
  String ToString() const override;

  /// A new event (not yet emitted).
  /// \param id the kind.
  /// \param source, data, mods, x, y, extra the fields.
  /// \return the event.
  /// \since 1.0
  static Ref<TEvent> Create(int32_t id, const Ref<Object>& source = nullptr, int32_t data = 0, int32_t mods = 0,
                            int32_t x = 0, int32_t y = 0, const Ref<Object>& extra = nullptr);
  /// \return a fresh kind: 0x80000001, 0x80000002, ...: never one of the
  ///   registered kinds. \since 1.0
  static int32_t AllocUserId();
  /// Gives a kind a name (for ToString).
  /// \param id the kind.
  /// \param description its name.
  /// \since 1.0
  static void RegisterId(int32_t id, const String& description);
  /// \param id a kind. \return the first description registered for it, or "". \since 1.0
  static String DescriptionForId(int32_t id);
};

/// The hook every event runs through; the first hook id handed out. \since 1.0
extern int32_t EmitEventHook;

/// Starts the event module once: takes EmitEventHook and registers the kinds. \since 1.0
void InitEvents();

/// TEvent::Emit.
/// \param event the event.
/// \return 0.
/// \throws Thrown carrying a TNullObjectException for a Null event.
/// \since 1.0
int32_t EmitEvent(const Ref<TEvent>& event);
/// TEvent::Create.
/// \param id the kind.
/// \param source, data, mods, x, y, extra the fields.
/// \return the event.
/// \since 1.0
Ref<TEvent> CreateEvent(int32_t id, const Ref<Object>& source = nullptr, int32_t data = 0, int32_t mods = 0,
                        int32_t x = 0, int32_t y = 0, const Ref<Object>& extra = nullptr);
/// A fresh user kind.
/// \param description its name; registered unless empty.
/// \return the kind.
/// \since 1.0
int32_t AllocUserEventId(const String& description = String());

}  // namespace tazmix
