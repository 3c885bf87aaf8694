// The system driver of this platform, on SDL2's event queue.
#pragma once

#include <SDL.h>

#include "system/platform/sdl_input_translator.h"
#include "system/system_driver.h"

namespace tazmix {

class TSDLSystemDriver : public TSystemDriver {
 public:
  // Brings up only SDL's event and timer parts: no display is needed until
  // the window layer starts video.
  TSDLSystemDriver();

  int32_t Poll() override;
  int32_t Wait() override;
  void MoveMouse(int32_t x, int32_t y) override;
  void SetMouseVisible(int32_t visible) override;
  int32_t Notify(const String& text, int32_t serious) override;
  int32_t Confirm(const String& text, int32_t serious) override;
  int32_t Proceed(const String& text, int32_t serious) override;
  String RequestFile(const String& text, const String& filter, int32_t save, const String& path) override;
  String RequestDir(const String& text, const String& path) override;
  int32_t OpenURL(const String& url) override;

 private:
  void Dispatch(const SDL_Event& event);

  SDLInputTranslator translator_;
};

}  // namespace tazmix
