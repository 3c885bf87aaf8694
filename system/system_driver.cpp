#include "system/system_driver.h"

#include <typeinfo>

#include "runtime/application.h"
#include "runtime/exception.h"
#include "stream/filesystem.h"
#include "stream/path.h"
#include "stream/stream_module.h"
#include "system/event.h"

namespace tazmix {

int32_t TSystemDriver::Poll() { ThrowNullMethod(); }
int32_t TSystemDriver::Wait() { ThrowNullMethod(); }
void TSystemDriver::MoveMouse(int32_t, int32_t) { ThrowNullMethod(); }
void TSystemDriver::SetMouseVisible(int32_t) { ThrowNullMethod(); }
int32_t TSystemDriver::Notify(const String&, int32_t) { ThrowNullMethod(); }
int32_t TSystemDriver::Confirm(const String&, int32_t) { ThrowNullMethod(); }
int32_t TSystemDriver::Proceed(const String&, int32_t) { ThrowNullMethod(); }
String TSystemDriver::RequestFile(const String&, const String&, int32_t, const String&) { ThrowNullMethod(); }
String TSystemDriver::RequestDir(const String&, const String&) { ThrowNullMethod(); }
int32_t TSystemDriver::OpenURL(const String&) { ThrowNullMethod(); }

namespace {

struct SystemState {
  bool started = false;
  Ref<TSystemDriver> driver;
  // Shared by PollSystem and WaitSystem; cleared on the way out even when a
  // hook raises during delivery.
  bool polling = false;
};

SystemState& State() {
  static SystemState state;
  return state;
}

class PollGuard {
 public:
  PollGuard() { State().polling = true; }
  ~PollGuard() { State().polling = false; }
  PollGuard(const PollGuard&) = delete;
  PollGuard& operator=(const PollGuard&) = delete;
};

}  // namespace

void InitSystem() {
  if (!BeginModuleInit(State().started)) return;
  InitStream();
  InitEvents();
  RegisterClassRecord(typeid(TSystemDriver));
  State().driver = CreatePlatformSystemDriver();
}

TSystemDriver* SystemDriver() {
  InitSystem();
  return State().driver.get();
}

int32_t PollSystem() {
  if (State().polling) return 0;
  TSystemDriver* driver = SystemDriver();
  PollGuard guard;
  driver->Poll();
  return 0;
}

int32_t WaitSystem() {
  if (State().polling) return 0;
  TSystemDriver* driver = SystemDriver();
  PollGuard guard;
  driver->Wait();
  return 0;
}

void MoveMouse(int32_t x, int32_t y) { SystemDriver()->MoveMouse(x, y); }
void ShowMouse() { SystemDriver()->SetMouseVisible(1); }
void HideMouse() { SystemDriver()->SetMouseVisible(0); }
int32_t Notify(const String& text, int32_t serious) { return SystemDriver()->Notify(text, serious); }
int32_t Confirm(const String& text, int32_t serious) { return SystemDriver()->Confirm(text, serious); }
int32_t Proceed(const String& text, int32_t serious) { return SystemDriver()->Proceed(text, serious); }

String RequestFile(const String& text, const String& filter, int32_t save, const String& path) {
  return SystemDriver()->RequestFile(text, filter, save, path);
}

String RequestDir(const String& text, const String& path) { return SystemDriver()->RequestDir(text, path); }

String ResolveURLForShell(const String& url) {
  const String scheme5 = url.Left(5).ToLower();
  if (scheme5 == String("http:") || scheme5 == String("file:") || url.Left(6).ToLower() == String("https:")) {
    return url;
  }
  String target = url;
  String fragment;
  const int32_t hash = url.Find(String("#"));
  if (hash >= 0) {
    target = url.Left(hash);
    fragment = url.Slice(hash, url.Length());
  }
  const String full = RealPath(target);
  if (FileType(full) != 0) return String("file:") + full + fragment;
  return String("http:") + target + fragment;
}

int32_t OpenURL(const String& url) { return SystemDriver()->OpenURL(ResolveURLForShell(url)); }

}  // namespace tazmix
