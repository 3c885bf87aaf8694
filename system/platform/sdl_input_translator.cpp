#include "system/platform/sdl_input_translator.h"

#include <cstring>
#include <string_view>

#include "runtime/internal/utf8.h"
#include "system/event.h"
#include "system/internal/control_character_keys.h"
#include "system/platform/sdl_gamepads.h"
#include "system/platform/sdl_key_codes.h"
#include "system/platform/sdl_window_registry.h"
#include "system/system_driver.h"

namespace tazmix {

namespace {

bool VideoStarted() { return SDL_WasInit(SDL_INIT_VIDEO) != 0; }

// Is a focus gain of some window already queued behind this focus loss?
// Then focus stays inside the program.
bool FocusGainPending() {
  SDL_Event pending[64];
  int count = SDL_PeepEvents(pending, 64, SDL_PEEKEVENT, SDL_WINDOWEVENT, SDL_WINDOWEVENT);
  for (int i = 0; i < count; ++i) {
    if (pending[i].window.event == SDL_WINDOWEVENT_FOCUS_GAINED) return true;
  }
  return false;
}

bool WindowMinimised(Uint32 window_id) {
  SDL_Window* window = VideoStarted() ? SDL_GetWindowFromID(window_id) : nullptr;
  return window && (SDL_GetWindowFlags(window) & SDL_WINDOW_MINIMIZED);
}

// Mouse buttons: SDL numbers middle 2 and right 3; the system the other way.
int32_t ButtonFromSDL(Uint8 button) {
  switch (button) {
    case SDL_BUTTON_LEFT: return 1;
    case SDL_BUTTON_RIGHT: return 2;
    case SDL_BUTTON_MIDDLE: return 3;
    default: return 0;
  }
}

}  // namespace

void SDLInputTranslator::Translate(const SDL_Event& event) {
  switch (event.type) {
    case SDL_QUIT: Emit(EVENT_APPTERMINATE, nullptr, 0); break;
    case SDL_WINDOWEVENT: OnWindow(event.window); break;
    case SDL_KEYDOWN:
    case SDL_KEYUP: OnKey(event.key); break;
    case SDL_TEXTINPUT: OnText(event.text); break;
    case SDL_MOUSEMOTION: OnMotion(event.motion); break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: OnButton(event.button); break;
    case SDL_MOUSEWHEEL: OnWheel(event.wheel); break;
    case SDL_CONTROLLERDEVICEADDED:
    case SDL_CONTROLLERDEVICEREMOVED:
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
    case SDL_CONTROLLERAXISMOTION: TranslateSDLPadEvent(event, mods_); break;
    default: break;
  }
}

void SDLInputTranslator::Emit(int32_t id, const Ref<Object>& source, int32_t data, int32_t x, int32_t y) const {
  TEvent::Create(id, source, data, mods_, x, y)->Emit();
}

void SDLInputTranslator::OnWindow(const SDL_WindowEvent& event) {
  switch (event.event) {
    case SDL_WINDOWEVENT_CLOSE:
      Emit(EVENT_APPTERMINATE, SDLWindowSource(event.windowID), 0);
      break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
      if (FocusGainPending()) {
        own_focus_switch_ = true;
      } else {
        Emit(EVENT_APPSUSPEND, SDLWindowSource(event.windowID), 0);
      }
      break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
      if (own_focus_switch_) {
        own_focus_switch_ = false;
      } else if (!WindowMinimised(event.windowID)) {
        Emit(EVENT_APPRESUME, SDLWindowSource(event.windowID), 0);
      }
      break;
    case SDL_WINDOWEVENT_LEAVE:
      if (tracked_ == event.windowID) EndTracking();
      break;
    case SDL_WINDOWEVENT_SIZE_CHANGED: {
      // In drawable pixels, which is what a GL context's size is measured in.
      int w = event.data1, h = event.data2;
      if (SDL_Window* window = VideoStarted() ? SDL_GetWindowFromID(event.windowID) : nullptr) {
        SDL_GL_GetDrawableSize(window, &w, &h);
      }
      Emit(EVENT_WINDOWSIZE, SDLWindowSource(event.windowID), 0, w, h);
      break;
    }
    default:
      break;
  }
}

void SDLInputTranslator::OnKey(const SDL_KeyboardEvent& event) {
  if (IsModifierScancode(event.keysym.scancode)) {
    const Uint16 mod = event.keysym.mod;
    mods_ = ((mod & KMOD_SHIFT) ? MODIFIER_SHIFT : 0) | ((mod & KMOD_CTRL) ? MODIFIER_CONTROL : 0) |
            ((mod & KMOD_ALT) ? MODIFIER_OPTION : 0) | ((mod & KMOD_GUI) ? MODIFIER_SYSTEM : 0);
  }
  const int32_t code = VirtualKeyFromSDL(event.keysym.scancode, event.keysym.sym, event.keysym.mod);
  if (code < 1 || code > 255) return;
  const Ref<Object> source = SDLWindowSource(event.windowID);
  if (event.type == SDL_KEYUP) {
    Emit(EVENT_KEYUP, source, code);
    return;
  }
  Emit(event.repeat ? EVENT_KEYREPEAT : EVENT_KEYDOWN, source, code);
  if (TypesControlCharacter(code)) Emit(EVENT_KEYCHAR, source, code);
}

void SDLInputTranslator::OnText(const SDL_TextInputEvent& event) {
  const Ref<Object> source = SDLWindowSource(event.windowID);
  // One KeyChar per UTF-16 unit; a malformed or overlong sequence (C0 AF)
  // arrives as U+FFFD, never as the character it spells.
  const std::string_view text(event.text, strnlen(event.text, sizeof event.text));
  for (char16_t unit : DecodeUtf8(text, Utf8Fallback::kReplacement)) Emit(EVENT_KEYCHAR, source, unit);
}

void SDLInputTranslator::OnMotion(const SDL_MouseMotionEvent& event) {
  const int32_t x = static_cast<int16_t>(event.x);
  const int32_t y = static_cast<int16_t>(event.y);
  TrackPointer(event.windowID, x, y);
  // A later test overrides an earlier one: left, then middle, then right.
  int32_t held = 0;
  if (event.state & SDL_BUTTON_LMASK) held = 1;
  if (event.state & SDL_BUTTON_MMASK) held = 4;
  if (event.state & SDL_BUTTON_RMASK) held = 2;
  Emit(EVENT_MOUSEMOVE, SDLWindowSource(event.windowID), held, x, y);
}

void SDLInputTranslator::OnButton(const SDL_MouseButtonEvent& event) {
  const int32_t button = ButtonFromSDL(event.button);
  if (button == 0) return;
  const int32_t x = static_cast<int16_t>(event.x);
  const int32_t y = static_cast<int16_t>(event.y);
  // While a button is held, moves and the release outside the window still
  // reach the program.
  if (VideoStarted()) SDL_CaptureMouse(event.type == SDL_MOUSEBUTTONDOWN ? SDL_TRUE : SDL_FALSE);
  const Ref<TEvent> out = TEvent::Create(event.type == SDL_MOUSEBUTTONDOWN ? EVENT_MOUSEDOWN : EVENT_MOUSEUP,
                                         SDLWindowSource(event.windowID), button, mods_, x, y);
  if (event.type == SDL_MOUSEBUTTONDOWN) out->clicks = event.clicks;
  out->Emit();
}

void SDLInputTranslator::OnWheel(const SDL_MouseWheelEvent& event) {
  // SDL counts whole notches already (partial ones accumulate to the next).
  Emit(EVENT_MOUSEWHEEL, SDLWindowSource(event.windowID), event.y, event.mouseX, event.mouseY);
}

void SDLInputTranslator::TrackPointer(Uint32 window_id, int32_t x, int32_t y) {
  SDL_Window* window = (VideoStarted() && window_id) ? SDL_GetWindowFromID(window_id) : nullptr;
  bool inside = false;
  if (window) {
    int w = 0, h = 0;
    SDL_GetWindowSize(window, &w, &h);
    inside = x >= 0 && y >= 0 && x < w && y < h;
  }
  const Uint32 now = inside ? window_id : 0;
  if (now != tracked_) {
    if (tracked_) {
      // The position in the left window's own coordinates.
      int lx = x, ly = y;
      SDL_Window* left = SDL_GetWindowFromID(tracked_);
      if (left && window && left != window) {
        int wx = 0, wy = 0, tx = 0, ty = 0;
        SDL_GetWindowPosition(window, &wx, &wy);
        SDL_GetWindowPosition(left, &tx, &ty);
        lx = x + wx - tx;
        ly = y + wy - ty;
      }
      tracked_x_ = lx;
      tracked_y_ = ly;
      EndTracking();
    }
    if (now) {
      tracked_ = now;
      tracked_source_ = SDLWindowSource(now);
      tracked_x_ = x;
      tracked_y_ = y;
      Emit(EVENT_MOUSEENTER, tracked_source_, 0, x, y);
      ApplyPointerVisibility();
    }
  }
  if (tracked_) {
    tracked_x_ = x;
    tracked_y_ = y;
  }
}

void SDLInputTranslator::EndTracking() {
  const Ref<Object> source = std::move(tracked_source_);
  tracked_source_ = nullptr;
  tracked_ = 0;
  Emit(EVENT_MOUSELEAVE, source, 0, tracked_x_, tracked_y_);
  ApplyPointerVisibility();
}

void SDLInputTranslator::SetMouseVisible(bool visible) {
  visible_ = visible;
  ApplyPointerVisibility();
}

void SDLInputTranslator::ApplyPointerVisibility() const {
  if (!VideoStarted()) return;
  SDL_ShowCursor((visible_ || tracked_ == 0) ? SDL_ENABLE : SDL_DISABLE);
}

}  // namespace tazmix
