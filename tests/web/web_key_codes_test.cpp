// The page's keys in the numbering the SDL platform gives: letters and
// digits by what the layout types, everything else by place, the keypad by
// Num Lock, modifiers left and right apart.
#include <gtest/gtest.h>

#include "system/keys.h"
#include "system/platform/web/web_key_codes.h"

namespace tazmix {
namespace {

TEST(WebKeyCodes, LikeTheSdlPlatform) {
  const struct {
    const char* code;
    const char* key;
    int32_t virtual_key;
  } cases[] = {
      {"KeyA", "a", 'A'},      {"KeyA", "A", 'A'},          {"KeyY", "z", 'Z'},  // a German layout's Z key
      {"Digit1", "!", '1'},    {"Digit7", "/", '7'},        {"KeyQ", "\xD0\xB9", 'Q'},  // Cyrillic: by place
      {"Escape", "Escape", KEY_ESCAPE},  {"Enter", "Enter", KEY_ENTER}, {"NumpadEnter", "Enter", KEY_ENTER},
      {"Space", " ", KEY_SPACE}, {"Minus", "\xC3\x9F", 189},  // ß sits where the US minus is
      {"Numpad7", "7", 103},   {"Numpad7", "Home", KEY_HOME}, {"NumpadDecimal", "Delete", KEY_DELETE},
      {"ShiftLeft", "Shift", 160}, {"ShiftRight", "Shift", 161}, {"AltRight", "AltGraph", 165},
      {"F11", "F11", 122},     {"ArrowUp", "ArrowUp", KEY_UP}, {"Unidentified", "", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(VirtualKeyFromWeb(c.code, c.key), c.virtual_key) << c.code << " " << c.key;
}

TEST(WebKeyCodes, InjectedKeysFindTheirPlace) {
  for (int32_t key : {int32_t{'A'}, int32_t{'0'}, KEY_ESCAPE, KEY_SPACE, KEY_F1, KEY_LEFT, KEY_LSHIFT}) {
    const char* code = WebCodeOfVirtualKey(key);
    ASSERT_NE(code, nullptr) << key;
    EXPECT_EQ(VirtualKeyFromWeb(code, ""), key) << code;
  }
  EXPECT_EQ(WebCodeOfVirtualKey(255), nullptr);
}

}  // namespace
}  // namespace tazmix
