#include "system/platform/sdl_system_driver.h"

#include <typeinfo>

#include "runtime/application.h"
#include "runtime/internal/crash_reporter.h"
#include "runtime/exception.h"
#include "stream/path.h"
#include "system/platform/dialog_program.h"
#include "system/platform/sdl_main_thread_call.h"
#include "system/platform/sdl_message_box.h"
#include "system/platform/sdl_window_registry.h"

namespace tazmix {

namespace {

bool VideoStarted() { return SDL_WasInit(SDL_INIT_VIDEO) != 0; }

// Keeps a window that owns a running requester from looking hung: its events
// wait in the queue for the next Poll.
void PumpWhileDialogOpen() {
  if (VideoStarted()) SDL_PumpEvents();
}

}  // namespace

Ref<TSystemDriver> CreatePlatformSystemDriver() {
  RegisterClassRecord(typeid(TSDLSystemDriver));
  return New<TSDLSystemDriver>();
}

TSDLSystemDriver::TSDLSystemDriver() {
  // Ctrl+C and kill keep ending the process as on any program here, rather
  // than turning into a quit event that a busy loop may never read.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  // Closing the last window reports its close request only, not a second
  // quit request.
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  if (SDL_InitSubSystem(SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0) {
    ThrowRuntimeError(String("Unable to start the system driver: ") + String::FromUTF8String(SDL_GetError()));
  }
  StartMainThreadCalls();
  SetCrashMessageHook(ShowCrashMessageBox);
}

void TSDLSystemDriver::Dispatch(const SDL_Event& event) {
  if (RunPostedCall(event)) return;
  RunSDLEventListeners(event);
  translator_.Translate(event);
}

int32_t TSDLSystemDriver::Poll() {
  // Takes what is pending now; what hooks post meanwhile waits for the next
  // poll, so a busy timer cannot keep the main thread in here. Not
  // SDL_PollEvent: its end-of-cycle marker, left behind when a hook raises,
  // would make the next poll deliver nothing.
  SDL_PumpEvents();
  int pending = SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT);
  SDL_Event event;
  while (pending-- > 0 && SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1) {
    Dispatch(event);
  }
  return 0;
}

int32_t TSDLSystemDriver::Wait() {
  SDL_Event event;
  if (SDL_WaitEvent(&event)) Dispatch(event);
  return Poll();
}

void TSDLSystemDriver::MoveMouse(int32_t x, int32_t y) {
  if (!VideoStarted()) return;
  if (SDL_Window* window = SDL_GetKeyboardFocus()) {
    SDL_WarpMouseInWindow(window, x, y);
  } else {
    SDL_WarpMouseGlobal(x, y);
  }
}

void TSDLSystemDriver::SetMouseVisible(int32_t visible) { translator_.SetMouseVisible(visible != 0); }

int32_t TSDLSystemDriver::Notify(const String& text, int32_t serious) {
  return ShowMessageBox(ApplicationTitle, text, serious, MessageBoxButtons::kOk);
}

int32_t TSDLSystemDriver::Confirm(const String& text, int32_t serious) {
  return ShowMessageBox(ApplicationTitle, text, serious, MessageBoxButtons::kOkCancel);
}

int32_t TSDLSystemDriver::Proceed(const String& text, int32_t serious) {
  return ShowMessageBox(ApplicationTitle, text, serious, MessageBoxButtons::kYesNoCancel);
}

String TSDLSystemDriver::RequestFile(const String& text, const String& filter, int32_t save, const String& path) {
  DialogProgram kind{};
  const std::string program = FindDialogProgram(&kind);
  if (program.empty()) return String();
  return RunDialogProgram(program, FileDialogArguments(kind, text, filter, save != 0, path), PumpWhileDialogOpen);
}

String TSDLSystemDriver::RequestDir(const String& text, const String& path) {
  DialogProgram kind{};
  const std::string program = FindDialogProgram(&kind);
  if (program.empty()) return String();
  const String folder = path.IsEmpty() ? path : RealPath(path);
  return RunDialogProgram(program, DirDialogArguments(kind, text, folder), PumpWhileDialogOpen);
}

int32_t TSDLSystemDriver::OpenURL(const String& url) {
  return SDL_OpenURL(url.ToUTF8String().c_str()) == 0 ? 1 : 0;
}

}  // namespace tazmix
