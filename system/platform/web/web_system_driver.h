// The system driver of a browser page: the page's events arrive through the
// callbacks of <emscripten/html5.h> and wait in the page's input queue
// (web_input_queue.h) until the program polls.
#pragma once

#include "system/system_driver.h"

namespace tazmix {

class TWebSystemDriver : public TSystemDriver {
 public:
  // Listens to the keyboard and focus of the page and the mouse on its
  // canvas (the element "#canvas").
  TWebSystemDriver();

  int32_t Poll() override;
  int32_t Wait() override;
  // A page cannot move the pointer: nothing happens.
  void MoveMouse(int32_t x, int32_t y) override;
  void SetMouseVisible(int32_t visible) override;
  // The browser's own boxes (alert, confirm); Proceed answers 1 for OK and
  // -1, cancel, for the other button: the browser has no three-button box.
  int32_t Notify(const String& text, int32_t serious) override;
  int32_t Confirm(const String& text, int32_t serious) override;
  int32_t Proceed(const String& text, int32_t serious) override;
  // A page reaches no file system of the user's: "" as when the user
  // cancels, with the reason noted.
  String RequestFile(const String& text, const String& filter, int32_t save, const String& path) override;
  String RequestDir(const String& text, const String& path) override;
  // Opens the address in a new tab; 0 when the browser blocked it.
  int32_t OpenURL(const String& url) override;
};

}  // namespace tazmix
