#include "system/event.h"

#include <typeinfo>

#include "runtime/application.h"
#include "runtime/exception.h"
#include "system/hook.h"

namespace tazmix {

int32_t EmitEventHook = 0;

namespace {

struct EventState {
  bool started = false;
  uint32_t last_user_id = 0x80000000u;
  // One text of "}id{description}" entries, searched by key.
  String registry{"}"};
};

// Built on first use: ids may be registered from static initialisers.
EventState& State() {
  static EventState state;
  return state;
}

}  // namespace

void InitEvents() {
  if (!BeginModuleInit(State().started)) return;
  RegisterClassRecord(typeid(THook));
  RegisterClassRecord(typeid(TEvent));
  EmitEventHook = AllocHookId();

  static constexpr struct {
    int32_t id;
    const char* description;
  } kinds[] = {
      {EVENT_APPSUSPEND, "AppSuspend"},       {EVENT_APPRESUME, "AppResume"},
      {EVENT_APPTERMINATE, "AppTerminate"},   {EVENT_APPOPENFILE, "AppOpenFile"},
      {EVENT_APPIDLE, "AppIdle"},             {EVENT_KEYDOWN, "KeyDown"},
      {EVENT_KEYUP, "KeyUp"},                 {EVENT_KEYCHAR, "KeyChar"},
      {EVENT_KEYREPEAT, "KeyRepeat"},         {EVENT_MOUSEDOWN, "MouseDown"},
      {EVENT_MOUSEUP, "MouseUp"},             {EVENT_MOUSEMOVE, "MouseMove"},
      {EVENT_MOUSEWHEEL, "MouseWheel"},       {EVENT_MOUSEENTER, "MouseEnter"},
      {EVENT_MOUSELEAVE, "MouseLeave"},       {EVENT_TIMERTICK, "TimerTick"},
      {EVENT_HOTKEYHIT, "HotkeyHit"},         {EVENT_GADGETACTION, "GadgetAction"},
      {EVENT_GADGETPAINT, "GadgetPaint"},     {EVENT_GADGETSELECT, "GadgetSelect"},
      {EVENT_GADGETMENU, "GadgetMenu"},       {EVENT_GADGETOPEN, "GadgetOpen"},
      {EVENT_GADGETCLOSE, "GadgetClose"},     {EVENT_GADGETDONE, "GadgetDone"},
      {EVENT_GADGETLOSTFOCUS, "GadgetLostFocus"}, {EVENT_GADGETSHAPE, "GadgetShape"},
      {EVENT_WINDOWMOVE, "WindowMove"},       {EVENT_WINDOWSIZE, "WindowSize"},
      {EVENT_WINDOWCLOSE, "WindowClose"},     {EVENT_WINDOWACTIVATE, "WindowActivate"},
      {EVENT_WINDOWACCEPT, "WindowAccept"},   {EVENT_MENUACTION, "MenuAction"},
      {EVENT_STREAMEOF, "StreamEof"},         {EVENT_STREAMAVAIL, "StreamAvail"},
      {EVENT_PROCESSEXIT, "ProcessExit"},     {EVENT_PADDOWN, "PadDown"},
      {EVENT_PADUP, "PadUp"},                 {EVENT_PADMOVE, "PadMove"},
      {EVENT_PADCONNECT, "PadConnect"},       {EVENT_PADDISCONNECT, "PadDisconnect"},
  };
  for (const auto& kind : kinds) TEvent::RegisterId(kind.id, String(kind.description));
}

int32_t TEvent::Emit() {
  InitEvents();
  RunHooks(EmitEventHook, Ref<Object>(this));
  return 0;
}

String TEvent::ToString() const {
  String name = DescriptionForId(id);
  if (name.IsEmpty()) {
    if (static_cast<uint32_t>(id) & 0x80000000u) {
      name = String("UserEvent") + String::FromLong(static_cast<int64_t>(static_cast<uint32_t>(id)) - 0x80000000LL);
    } else {
      name = String("Unknown Event, id=") + String::FromInt(id);
    }
  }
  String extra_text;
  String::FromObject(extra.get(), &extra_text);
  return name + ": data=" + String::FromInt(data) + ", mods=" + String::FromInt(mods) + ", x=" +
         String::FromInt(x) + ", y=" + String::FromInt(y) + ", extra=\"" + extra_text + "\"";
}

Ref<TEvent> TEvent::Create(int32_t id, const Ref<Object>& source, int32_t data, int32_t mods, int32_t x, int32_t y,
                           const Ref<Object>& extra) {
  Ref<TEvent> event = New<TEvent>();
  event->id = id;
  event->source = source;
  event->data = data;
  event->mods = mods;
  event->x = x;
  event->y = y;
  event->extra = extra;
  return event;
}

int32_t TEvent::AllocUserId() { return static_cast<int32_t>(++State().last_user_id); }

void TEvent::RegisterId(int32_t id, const String& description) {
  InitEvents();  // the system's own kinds come first, whoever registers first
  State().registry += String::FromInt(id) + "{" + description + "}";
}

String TEvent::DescriptionForId(int32_t id) {
  InitEvents();
  const String& registry = State().registry;
  String key = String("}") + String::FromInt(id) + "{";
  int32_t at = registry.Find(key);
  if (at < 0) return String();
  int32_t start = at + key.Length();
  int32_t end = registry.Find(String("}"), start);
  if (end < 0) return String();
  return registry.Slice(start, end);
}

int32_t EmitEvent(const Ref<TEvent>& event) { return NotNull(event).Emit(); }

Ref<TEvent> CreateEvent(int32_t id, const Ref<Object>& source, int32_t data, int32_t mods, int32_t x, int32_t y,
                        const Ref<Object>& extra) {
  return TEvent::Create(id, source, data, mods, x, y, extra);
}

int32_t AllocUserEventId(const String& description) {
  int32_t id = TEvent::AllocUserId();
  if (!description.IsEmpty()) TEvent::RegisterId(id, description);
  return id;
}

}  // namespace tazmix
