#include "system/platform/web/web_system_driver.h"

#include <emscripten.h>
#include <emscripten/html5.h>

#include <cmath>
#include <cstring>
#include <string_view>
#include <typeinfo>

#include "runtime/application.h"
#include "runtime/error_report.h"
#include "runtime/internal/utf8.h"
#include "system/event.h"
#include "system/internal/control_character_keys.h"
#include "system/platform/web/web_gamepads.h"
#include "system/platform/web/web_input_queue.h"
#include "system/platform/web/web_key_codes.h"

namespace tazmix {

namespace {

constexpr const char* kCanvas = "#canvas";

// What translating the page's events needs to remember between them.
struct WebInputState {
  int32_t mods = 0;
  unsigned short held = 0;  // DOM buttons held: bit 0 left, 1 right, 2 middle
  bool inside = false;      // the pointer is over the canvas
  double wheel = 0;         // notches turned, not yet reported whole
};

WebInputState& Input() {
  static auto* state = new WebInputState();
  return *state;
}

void Queue(int32_t id, int32_t data, int32_t x = 0, int32_t y = 0) {
  QueueWebInput(WebInput{id, data, Input().mods, x, y});
}

void Deliver(const WebInput& input) {
  if (input.call) {
    input.call(input.object, input.data);
    return;
  }
  TEvent::Create(input.id, nullptr, input.data, input.mods, input.x, input.y)->Emit();
}

int32_t ModsOf(bool shift, bool ctrl, bool alt, bool meta) {
  return (shift ? MODIFIER_SHIFT : 0) | (ctrl ? MODIFIER_CONTROL : 0) | (alt ? MODIFIER_OPTION : 0) |
         (meta ? MODIFIER_SYSTEM : 0);
}

// Keys the browser keeps for itself: reload, full screen, its tools, and
// whatever is pressed with Control or the logo key (other than AltGr's).
bool LeftToBrowser(const EmscriptenKeyboardEvent& e) {
  if (std::strcmp(e.code, "F5") == 0 || std::strcmp(e.code, "F11") == 0 || std::strcmp(e.code, "F12") == 0) {
    return true;
  }
  return e.metaKey || (e.ctrlKey && !e.altKey);
}

EM_BOOL OnKey(int type, const EmscriptenKeyboardEvent* e, void*) {
  Input().mods = ModsOf(e->shiftKey, e->ctrlKey, e->altKey, e->metaKey);
  const int32_t code = VirtualKeyFromWeb(e->code, e->key);
  if (code >= 1 && code <= 255) {
    if (type == EMSCRIPTEN_EVENT_KEYUP) {
      Queue(EVENT_KEYUP, code);
    } else {
      Queue(e->repeat ? EVENT_KEYREPEAT : EVENT_KEYDOWN, code);
      if (TypesControlCharacter(code)) Queue(EVENT_KEYCHAR, code);
    }
  }
  if (type == EMSCRIPTEN_EVENT_KEYDOWN && !(e->ctrlKey && !e->altKey) && !e->metaKey) {
    // What the key types: `key` names a key ("Shift", "Enter") in more than
    // one character, and types one character otherwise.
    const std::u16string typed = DecodeUtf8(std::string_view(e->key, strnlen(e->key, sizeof e->key)),
                                            Utf8Fallback::kReplacement);
    const bool one_character =
        typed.size() == 1 || (typed.size() == 2 && typed[0] >= 0xD800 && typed[0] < 0xDC00);
    if (one_character) {
      for (char16_t unit : typed) Queue(EVENT_KEYCHAR, unit);
    }
  }
  return LeftToBrowser(*e) ? EM_FALSE : EM_TRUE;
}

// The canvas's place on the page and its size in pixels against its size on
// the page, which differ when it is scaled (full screen).
EM_JS(void, CanvasPlacement, (double* rect), {
  var canvas = Module['canvas'];
  var box = canvas.getBoundingClientRect();
  HEAPF64[rect >> 3] = box.left;
  HEAPF64[(rect >> 3) + 1] = box.top;
  HEAPF64[(rect >> 3) + 2] = box.width > 0 ? canvas.width / box.width : 1;
  HEAPF64[(rect >> 3) + 3] = box.height > 0 ? canvas.height / box.height : 1;
});

void CanvasPoint(const EmscriptenMouseEvent& e, int32_t& x, int32_t& y) {
  double rect[4];
  CanvasPlacement(rect);
  x = static_cast<int32_t>(std::floor((e.clientX - rect[0]) * rect[2]));
  y = static_cast<int32_t>(std::floor((e.clientY - rect[1]) * rect[3]));
}

int32_t ButtonOf(unsigned short dom_button) {
  switch (dom_button) {
    case 0: return 1;
    case 2: return 2;
    case 1: return 3;
    default: return 0;
  }
}

// Moves over the canvas, and anywhere while a button is held down on it (the
// release outside still reaches the program).
EM_BOOL OnMove(int, const EmscriptenMouseEvent* e, void*) {
  WebInputState& in = Input();
  if (!in.inside && !in.held) return EM_FALSE;
  int32_t x = 0, y = 0;
  CanvasPoint(*e, x, y);
  // A later test overrides an earlier one: left, then middle, then right.
  int32_t held = 0;
  if (e->buttons & 1) held = 1;
  if (e->buttons & 4) held = 4;
  if (e->buttons & 2) held = 2;
  Queue(EVENT_MOUSEMOVE, held, x, y);
  return EM_FALSE;
}

EM_BOOL OnDown(int, const EmscriptenMouseEvent* e, void*) {
  const int32_t button = ButtonOf(e->button);
  if (!button) return EM_FALSE;
  Input().mods = ModsOf(e->shiftKey, e->ctrlKey, e->altKey, e->metaKey);
  Input().held |= static_cast<unsigned short>(1u << e->button);
  int32_t x = 0, y = 0;
  CanvasPoint(*e, x, y);
  Queue(EVENT_MOUSEDOWN, button, x, y);
  // The canvas takes the keyboard; no text is selected, no menu opens.
  emscripten_run_script("Module['canvas'].focus()");
  return EM_TRUE;
}

EM_BOOL OnUp(int, const EmscriptenMouseEvent* e, void*) {
  const int32_t button = ButtonOf(e->button);
  WebInputState& in = Input();
  const auto bit = static_cast<unsigned short>(1u << e->button);
  if (!button || !(in.held & bit)) return EM_FALSE;  // pressed elsewhere on the page
  in.held &= static_cast<unsigned short>(~bit);
  int32_t x = 0, y = 0;
  CanvasPoint(*e, x, y);
  Queue(EVENT_MOUSEUP, button, x, y);
  return EM_TRUE;
}

EM_BOOL OnEnterLeave(int type, const EmscriptenMouseEvent* e, void*) {
  int32_t x = 0, y = 0;
  CanvasPoint(*e, x, y);
  Input().inside = type == EMSCRIPTEN_EVENT_MOUSEENTER;
  Queue(Input().inside ? EVENT_MOUSEENTER : EVENT_MOUSELEAVE, 0, x, y);
  return EM_FALSE;
}

EM_BOOL OnWheel(int, const EmscriptenWheelEvent* e, void*) {
  // Whole notches, away from the user positive; a notch is 100 pixels or 3
  // lines of the page's scrolling.
  const double per_notch = e->deltaMode == DOM_DELTA_PIXEL ? 100 : e->deltaMode == DOM_DELTA_LINE ? 3 : 1;
  WebInputState& in = Input();
  in.wheel -= e->deltaY / per_notch;
  const auto notches = static_cast<int32_t>(std::trunc(in.wheel));
  if (notches != 0) {
    in.wheel -= notches;
    int32_t x = 0, y = 0;
    CanvasPoint(e->mouse, x, y);
    Queue(EVENT_MOUSEWHEEL, notches, x, y);
  }
  return EM_TRUE;
}

EM_BOOL OnFocus(int type, const EmscriptenFocusEvent*, void*) {
  Queue(type == EMSCRIPTEN_EVENT_FOCUS ? EVENT_APPRESUME : EVENT_APPSUSPEND, 0);
  return EM_FALSE;
}

EM_JS(void, SetCanvasCursor, (int visible), { Module['canvas'].style.cursor = visible ? "" : "none"; });

EM_JS(void, ShowAlert, (const char* text), { alert(UTF8ToString(text)); });
EM_JS(int, AskConfirm, (const char* text), { return confirm(UTF8ToString(text)) ? 1 : 0; });
EM_JS(int, OpenInNewTab, (const char* url), {
  return window.open(UTF8ToString(url), '_blank', 'noopener') ? 1 : 0;
});

}  // namespace

Ref<TSystemDriver> CreatePlatformSystemDriver() {
  RegisterClassRecord(typeid(TWebSystemDriver));
  return New<TWebSystemDriver>();
}

TWebSystemDriver::TWebSystemDriver() {
  // Under node (the library's own tests) there is no page to listen to.
  if (!EM_ASM_INT({ return typeof window !== 'undefined' && !!Module['canvas']; })) return;
  const char* window = EMSCRIPTEN_EVENT_TARGET_WINDOW;
  emscripten_set_keydown_callback(window, nullptr, EM_FALSE, OnKey);
  emscripten_set_keyup_callback(window, nullptr, EM_FALSE, OnKey);
  emscripten_set_mousedown_callback(kCanvas, nullptr, EM_FALSE, OnDown);
  emscripten_set_mouseup_callback(window, nullptr, EM_FALSE, OnUp);
  emscripten_set_mousemove_callback(window, nullptr, EM_FALSE, OnMove);
  emscripten_set_mouseenter_callback(kCanvas, nullptr, EM_FALSE, OnEnterLeave);
  emscripten_set_mouseleave_callback(kCanvas, nullptr, EM_FALSE, OnEnterLeave);
  emscripten_set_wheel_callback(kCanvas, nullptr, EM_FALSE, OnWheel);
  emscripten_set_focus_callback(window, nullptr, EM_FALSE, OnFocus);
  emscripten_set_blur_callback(window, nullptr, EM_FALSE, OnFocus);
}

int32_t TWebSystemDriver::Poll() {
  SampleWebGamepads(Input().mods);
  DrainWebInput(Deliver);
  return 0;
}

int32_t TWebSystemDriver::Wait() {
  WaitForWebInput();
  return Poll();
}

void TWebSystemDriver::MoveMouse(int32_t, int32_t) {}

void TWebSystemDriver::SetMouseVisible(int32_t visible) {
  if (EM_ASM_INT({ return !!Module['canvas']; })) SetCanvasCursor(visible != 0);
}

int32_t TWebSystemDriver::Notify(const String& text, int32_t) {
  ShowAlert(text.ToUTF8String().c_str());
  return 0;
}

int32_t TWebSystemDriver::Confirm(const String& text, int32_t) {
  return AskConfirm(text.ToUTF8String().c_str());
}

int32_t TWebSystemDriver::Proceed(const String& text, int32_t) {
  // The browser's box has two buttons: OK is yes, the other the cautious
  // answer, cancel.
  return AskConfirm(text.ToUTF8String().c_str()) ? 1 : -1;
}

String TWebSystemDriver::RequestFile(const String&, const String&, int32_t, const String&) {
  NoteFailure("a page has no file requester");
  return String();
}

String TWebSystemDriver::RequestDir(const String&, const String&) {
  NoteFailure("a page has no folder requester");
  return String();
}

int32_t TWebSystemDriver::OpenURL(const String& url) { return OpenInNewTab(url.ToUTF8String().c_str()); }

}  // namespace tazmix
