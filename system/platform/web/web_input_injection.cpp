// Input the program makes itself goes into the page's input queue as the
// browser's input does, translated the same way.
#include "system/input_injection.h"

#include "system/event.h"
#include "system/internal/control_character_keys.h"
#include "system/platform/web/web_input_queue.h"
#include "system/platform/web/web_key_codes.h"

namespace tazmix {

namespace {

void Queue(int32_t id, int32_t data, int32_t x = 0, int32_t y = 0) { QueueWebInput(WebInput{id, data, 0, x, y}); }

}  // namespace

void InjectMouseMove(int32_t x, int32_t y) { Queue(EVENT_MOUSEMOVE, 0, x, y); }

void InjectMouseButton(int32_t button, int32_t down, int32_t x, int32_t y) {
  if (button < 1 || button > 3) return;
  Queue(down ? EVENT_MOUSEDOWN : EVENT_MOUSEUP, button, x, y);
}

void InjectMouseClick(int32_t button, int32_t x, int32_t y) {
  InjectMouseMove(x, y);
  InjectMouseButton(button, 1, x, y);
  InjectMouseButton(button, 0, x, y);
}

void InjectKey(int32_t key, int32_t down) {
  // Only keys the page's keyboard has.
  if (!WebCodeOfVirtualKey(key)) return;
  Queue(down ? EVENT_KEYDOWN : EVENT_KEYUP, key);
  if (down && TypesControlCharacter(key)) Queue(EVENT_KEYCHAR, key);
}

void InjectKeyHit(int32_t key) {
  InjectKey(key, 1);
  InjectKey(key, 0);
}

}  // namespace tazmix
