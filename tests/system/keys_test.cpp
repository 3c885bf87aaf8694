// Key constants and names against the system driver's own key table.
#include "system/keys.h"

#include <gtest/gtest.h>

#include "system/platform/sdl_key_codes.h"

namespace tazmix {
namespace {

TEST(KeysTest, EveryCodeTheDriverGivesHasAName) {
  for (const Uint16 mod : {Uint16{0}, Uint16{KMOD_NUM}}) {
    for (int scancode = 0; scancode < SDL_NUM_SCANCODES; ++scancode) {
      const int32_t code = VirtualKeyFromSDL(static_cast<SDL_Scancode>(scancode), SDLK_UNKNOWN, mod);
      if (code >= 1 && code <= 255) {
        EXPECT_FALSE(KeyName(code).IsEmpty()) << "code " << code << " of scancode " << scancode;
      }
    }
  }
  for (const char* c = "az09"; *c; c += 2) {
    for (SDL_Keycode k = c[0]; k <= c[1]; ++k) {
      EXPECT_FALSE(KeyName(VirtualKeyFromSDL(SDL_SCANCODE_UNKNOWN, k, 0)).IsEmpty());
    }
  }
}

TEST(KeysTest, ConstantsAreTheDriversCodesAndNamesReadWell) {
  struct Row {
    int32_t constant;
    SDL_Scancode scancode;
    SDL_Keycode keycode;
    Uint16 mod;
    const char* name;
  } rows[] = {
      {KEY_ESCAPE, SDL_SCANCODE_ESCAPE, SDLK_ESCAPE, 0, "Escape"},
      {KEY_LEFT, SDL_SCANCODE_LEFT, SDLK_LEFT, 0, "Left"},
      {KEY_ENTER, SDL_SCANCODE_KP_ENTER, SDLK_KP_ENTER, 0, "Enter"},
      {KEY_A, SDL_SCANCODE_Q, SDLK_a, 0, "A"},  // by what the layout prints
      {KEY_7, SDL_SCANCODE_7, SDLK_7, 0, "7"},
      {KEY_NUM0, SDL_SCANCODE_KP_0, SDLK_KP_0, KMOD_NUM, "Keypad 0"},
      {KEY_INSERT, SDL_SCANCODE_KP_0, SDLK_KP_0, 0, "Insert"},
      {KEY_F12, SDL_SCANCODE_F12, SDLK_F12, 0, "F12"},
      {KEY_RSHIFT, SDL_SCANCODE_RSHIFT, SDLK_RSHIFT, 0, "Right Shift"},
      {KEY_QUOTE, SDL_SCANCODE_APOSTROPHE, SDLK_QUOTE, 0, "'"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(VirtualKeyFromSDL(row.scancode, row.keycode, row.mod), row.constant) << row.name;
    EXPECT_EQ(KeyName(row.constant), String(row.name));
  }
  EXPECT_EQ(KeyName(0), String());
  EXPECT_EQ(KeyName(256), String());
  EXPECT_EQ(MouseButtonName(MOUSE_RIGHT), String("Right"));
  EXPECT_EQ(MouseButtonName(4), String());
}

}  // namespace
}  // namespace tazmix
