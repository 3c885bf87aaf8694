#include "system/platform/sdl_key_codes.h"

#include <array>

namespace tazmix {

namespace {

struct KeyPair {
  SDL_Scancode scancode;
  uint8_t code;
};

// Positions that carry the same meaning on every layout. Punctuation takes the
// code its position has on the US layout, as the other platform does.
constexpr KeyPair kPositionKeys[] = {
    {SDL_SCANCODE_RETURN, 13}, {SDL_SCANCODE_ESCAPE, 27}, {SDL_SCANCODE_BACKSPACE, 8}, {SDL_SCANCODE_TAB, 9},
    {SDL_SCANCODE_SPACE, 32}, {SDL_SCANCODE_MINUS, 189}, {SDL_SCANCODE_EQUALS, 187},
    {SDL_SCANCODE_LEFTBRACKET, 219}, {SDL_SCANCODE_RIGHTBRACKET, 221}, {SDL_SCANCODE_BACKSLASH, 220},
    {SDL_SCANCODE_NONUSHASH, 220}, {SDL_SCANCODE_SEMICOLON, 186}, {SDL_SCANCODE_APOSTROPHE, 222},
    {SDL_SCANCODE_GRAVE, 192}, {SDL_SCANCODE_COMMA, 188}, {SDL_SCANCODE_PERIOD, 190}, {SDL_SCANCODE_SLASH, 191},
    {SDL_SCANCODE_CAPSLOCK, 20},
    {SDL_SCANCODE_F1, 112}, {SDL_SCANCODE_F2, 113}, {SDL_SCANCODE_F3, 114}, {SDL_SCANCODE_F4, 115},
    {SDL_SCANCODE_F5, 116}, {SDL_SCANCODE_F6, 117}, {SDL_SCANCODE_F7, 118}, {SDL_SCANCODE_F8, 119},
    {SDL_SCANCODE_F9, 120}, {SDL_SCANCODE_F10, 121}, {SDL_SCANCODE_F11, 122}, {SDL_SCANCODE_F12, 123},
    {SDL_SCANCODE_PRINTSCREEN, 44}, {SDL_SCANCODE_SCROLLLOCK, 145}, {SDL_SCANCODE_PAUSE, 19},
    {SDL_SCANCODE_INSERT, 45}, {SDL_SCANCODE_HOME, 36}, {SDL_SCANCODE_PAGEUP, 33}, {SDL_SCANCODE_DELETE, 46},
    {SDL_SCANCODE_END, 35}, {SDL_SCANCODE_PAGEDOWN, 34}, {SDL_SCANCODE_RIGHT, 39}, {SDL_SCANCODE_LEFT, 37},
    {SDL_SCANCODE_DOWN, 40}, {SDL_SCANCODE_UP, 38}, {SDL_SCANCODE_NUMLOCKCLEAR, 144},
    {SDL_SCANCODE_KP_DIVIDE, 111}, {SDL_SCANCODE_KP_MULTIPLY, 106}, {SDL_SCANCODE_KP_MINUS, 109},
    {SDL_SCANCODE_KP_PLUS, 107}, {SDL_SCANCODE_KP_ENTER, 13},
    {SDL_SCANCODE_KP_1, 97}, {SDL_SCANCODE_KP_2, 98}, {SDL_SCANCODE_KP_3, 99}, {SDL_SCANCODE_KP_4, 100},
    {SDL_SCANCODE_KP_5, 101}, {SDL_SCANCODE_KP_6, 102}, {SDL_SCANCODE_KP_7, 103}, {SDL_SCANCODE_KP_8, 104},
    {SDL_SCANCODE_KP_9, 105}, {SDL_SCANCODE_KP_0, 96}, {SDL_SCANCODE_KP_PERIOD, 110},
    {SDL_SCANCODE_NONUSBACKSLASH, 226}, {SDL_SCANCODE_APPLICATION, 93},
    {SDL_SCANCODE_F13, 124}, {SDL_SCANCODE_F14, 125}, {SDL_SCANCODE_F15, 126}, {SDL_SCANCODE_F16, 127},
    {SDL_SCANCODE_F17, 128}, {SDL_SCANCODE_F18, 129}, {SDL_SCANCODE_F19, 130}, {SDL_SCANCODE_F20, 131},
    {SDL_SCANCODE_F21, 132}, {SDL_SCANCODE_F22, 133}, {SDL_SCANCODE_F23, 134}, {SDL_SCANCODE_F24, 135},
    {SDL_SCANCODE_EXECUTE, 43}, {SDL_SCANCODE_HELP, 47}, {SDL_SCANCODE_MENU, 93}, {SDL_SCANCODE_SELECT, 41},
    {SDL_SCANCODE_STOP, 169}, {SDL_SCANCODE_MUTE, 173}, {SDL_SCANCODE_VOLUMEUP, 175},
    {SDL_SCANCODE_VOLUMEDOWN, 174}, {SDL_SCANCODE_KP_COMMA, 108},
    {SDL_SCANCODE_INTERNATIONAL1, 193}, {SDL_SCANCODE_INTERNATIONAL2, 21}, {SDL_SCANCODE_INTERNATIONAL3, 220},
    {SDL_SCANCODE_INTERNATIONAL4, 28}, {SDL_SCANCODE_INTERNATIONAL5, 29}, {SDL_SCANCODE_LANG1, 21},
    {SDL_SCANCODE_LANG2, 25}, {SDL_SCANCODE_SYSREQ, 44}, {SDL_SCANCODE_CANCEL, 3}, {SDL_SCANCODE_CLEAR, 12},
    {SDL_SCANCODE_PRIOR, 33}, {SDL_SCANCODE_RETURN2, 13}, {SDL_SCANCODE_SEPARATOR, 108},
    {SDL_SCANCODE_CRSEL, 247}, {SDL_SCANCODE_EXSEL, 248}, {SDL_SCANCODE_KP_CLEAR, 12},
    {SDL_SCANCODE_LCTRL, 162}, {SDL_SCANCODE_LSHIFT, 160}, {SDL_SCANCODE_LALT, 164}, {SDL_SCANCODE_LGUI, 91},
    {SDL_SCANCODE_RCTRL, 163}, {SDL_SCANCODE_RSHIFT, 161}, {SDL_SCANCODE_RALT, 165}, {SDL_SCANCODE_RGUI, 92},
    {SDL_SCANCODE_AUDIONEXT, 176}, {SDL_SCANCODE_AUDIOPREV, 177}, {SDL_SCANCODE_AUDIOSTOP, 178},
    {SDL_SCANCODE_AUDIOPLAY, 179}, {SDL_SCANCODE_AUDIOMUTE, 173}, {SDL_SCANCODE_MEDIASELECT, 181},
    {SDL_SCANCODE_MAIL, 180}, {SDL_SCANCODE_CALCULATOR, 183}, {SDL_SCANCODE_COMPUTER, 182},
    {SDL_SCANCODE_AC_SEARCH, 170}, {SDL_SCANCODE_AC_HOME, 172}, {SDL_SCANCODE_AC_BACK, 166},
    {SDL_SCANCODE_AC_FORWARD, 167}, {SDL_SCANCODE_AC_STOP, 169}, {SDL_SCANCODE_AC_REFRESH, 168},
    {SDL_SCANCODE_AC_BOOKMARKS, 171}, {SDL_SCANCODE_SLEEP, 95},
};

// Letters and digits by position, for layouts whose keycodes are not Latin.
constexpr std::array<uint8_t, SDL_NUM_SCANCODES> BuildTable() {
  std::array<uint8_t, SDL_NUM_SCANCODES> table{};
  for (int i = 0; i < 26; ++i) table[SDL_SCANCODE_A + i] = static_cast<uint8_t>('A' + i);
  for (int i = 0; i < 9; ++i) table[SDL_SCANCODE_1 + i] = static_cast<uint8_t>('1' + i);
  table[SDL_SCANCODE_0] = '0';
  for (const KeyPair& pair : kPositionKeys) table[pair.scancode] = pair.code;
  return table;
}

constexpr std::array<uint8_t, SDL_NUM_SCANCODES> kTable = BuildTable();

// With Num Lock off the keypad digits are navigation keys.
int32_t KeypadWithoutNumLock(SDL_Scancode scancode) {
  switch (scancode) {
    case SDL_SCANCODE_KP_0: return 45;
    case SDL_SCANCODE_KP_1: return 35;
    case SDL_SCANCODE_KP_2: return 40;
    case SDL_SCANCODE_KP_3: return 34;
    case SDL_SCANCODE_KP_4: return 37;
    case SDL_SCANCODE_KP_5: return 12;
    case SDL_SCANCODE_KP_6: return 39;
    case SDL_SCANCODE_KP_7: return 36;
    case SDL_SCANCODE_KP_8: return 38;
    case SDL_SCANCODE_KP_9: return 33;
    case SDL_SCANCODE_KP_PERIOD: return 46;
    default: return 0;
  }
}

}  // namespace

int32_t VirtualKeyFromSDL(SDL_Scancode scancode, SDL_Keycode keycode, Uint16 mod) {
  if (keycode >= 'a' && keycode <= 'z') return keycode - 'a' + 'A';
  if (keycode >= '0' && keycode <= '9') return keycode;
  if (scancode < 0 || scancode >= SDL_NUM_SCANCODES) return 0;
  if (!(mod & KMOD_NUM)) {
    if (int32_t code = KeypadWithoutNumLock(scancode)) return code;
  }
  return kTable[scancode];
}

bool IsModifierScancode(SDL_Scancode scancode) {
  switch (scancode) {
    case SDL_SCANCODE_LSHIFT:
    case SDL_SCANCODE_RSHIFT:
    case SDL_SCANCODE_LCTRL:
    case SDL_SCANCODE_RCTRL:
    case SDL_SCANCODE_LALT:
    case SDL_SCANCODE_RALT:
    case SDL_SCANCODE_LGUI:
    case SDL_SCANCODE_RGUI:
      return true;
    default:
      return false;
  }
}

}  // namespace tazmix
