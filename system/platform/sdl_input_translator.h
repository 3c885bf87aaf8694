// Turns SDL's keyboard, mouse, window and pad events into TEvents and keeps the
// input state that the translation needs: modifiers, the window under the
// pointer, the pointer-visible flag.
#pragma once

#include <SDL.h>

#include <cstdint>

#include "runtime/object.h"

namespace tazmix {

class SDLInputTranslator {
 public:
  // Emits the events that `event` stands for (none for most kinds).
  void Translate(const SDL_Event& event);

  // Bits 1 Shift, 2 Control, 4 Alt, 8 logo key, as of the last modifier key.
  int32_t Modifiers() const { return mods_; }
  // Stores the flag and applies the visibility rule: the pointer is hidden
  // only while it is over a window of the program and the flag is off.
  void SetMouseVisible(bool visible);

 private:
  void Emit(int32_t id, const Ref<Object>& source, int32_t data, int32_t x = 0, int32_t y = 0) const;
  void OnWindow(const SDL_WindowEvent& event);
  void OnKey(const SDL_KeyboardEvent& event);
  void OnText(const SDL_TextInputEvent& event);
  void OnMotion(const SDL_MouseMotionEvent& event);
  void OnButton(const SDL_MouseButtonEvent& event);
  void OnWheel(const SDL_MouseWheelEvent& event);
  void TrackPointer(Uint32 window_id, int32_t x, int32_t y);
  void EndTracking();
  void ApplyPointerVisibility() const;

  int32_t mods_ = 0;
  bool visible_ = true;
  // The window the pointer is inside (0: none), its source, and the last
  // pointer position in its coordinates.
  Uint32 tracked_ = 0;
  Ref<Object> tracked_source_;
  int32_t tracked_x_ = 0;
  int32_t tracked_y_ = 0;
  // Set when focus left one window of the program for another of its own.
  bool own_focus_switch_ = false;
};

}  // namespace tazmix
