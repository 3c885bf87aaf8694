#include "system/platform/web/web_key_codes.h"

#include <cstring>

namespace tazmix {

namespace {

struct KeyPlace {
  const char* code;
  uint8_t virtual_key;
};

// The places the SDL platform maps by position, under the names the page's
// events give them.
constexpr KeyPlace kPlaces[] = {
    {"Enter", 13}, {"Escape", 27}, {"Backspace", 8}, {"Tab", 9}, {"Space", 32},
    {"Minus", 189}, {"Equal", 187}, {"BracketLeft", 219}, {"BracketRight", 221}, {"Backslash", 220},
    {"Semicolon", 186}, {"Quote", 222}, {"Backquote", 192}, {"Comma", 188}, {"Period", 190}, {"Slash", 191},
    {"CapsLock", 20},
    {"F1", 112}, {"F2", 113}, {"F3", 114}, {"F4", 115}, {"F5", 116}, {"F6", 117}, {"F7", 118}, {"F8", 119},
    {"F9", 120}, {"F10", 121}, {"F11", 122}, {"F12", 123}, {"F13", 124}, {"F14", 125}, {"F15", 126},
    {"F16", 127}, {"F17", 128}, {"F18", 129}, {"F19", 130}, {"F20", 131}, {"F21", 132}, {"F22", 133},
    {"F23", 134}, {"F24", 135},
    {"PrintScreen", 44}, {"ScrollLock", 145}, {"Pause", 19}, {"Insert", 45}, {"Home", 36}, {"PageUp", 33},
    {"Delete", 46}, {"End", 35}, {"PageDown", 34}, {"ArrowRight", 39}, {"ArrowLeft", 37}, {"ArrowDown", 40},
    {"ArrowUp", 38}, {"NumLock", 144},
    {"NumpadDivide", 111}, {"NumpadMultiply", 106}, {"NumpadSubtract", 109}, {"NumpadAdd", 107},
    {"NumpadEnter", 13}, {"NumpadDecimal", 110}, {"NumpadComma", 108}, {"NumpadEqual", 187},
    {"Numpad0", 96}, {"Numpad1", 97}, {"Numpad2", 98}, {"Numpad3", 99}, {"Numpad4", 100}, {"Numpad5", 101},
    {"Numpad6", 102}, {"Numpad7", 103}, {"Numpad8", 104}, {"Numpad9", 105},
    {"IntlBackslash", 226}, {"ContextMenu", 93}, {"Help", 47}, {"Select", 41},
    {"AudioVolumeMute", 173}, {"AudioVolumeUp", 175}, {"AudioVolumeDown", 174},
    {"IntlRo", 193}, {"KanaMode", 21}, {"IntlYen", 220}, {"Convert", 28}, {"NonConvert", 29},
    {"Lang1", 21}, {"Lang2", 25},
    {"ControlLeft", 162}, {"ShiftLeft", 160}, {"AltLeft", 164}, {"MetaLeft", 91},
    {"ControlRight", 163}, {"ShiftRight", 161}, {"AltRight", 165}, {"MetaRight", 92},
    {"MediaTrackNext", 176}, {"MediaTrackPrevious", 177}, {"MediaStop", 178}, {"MediaPlayPause", 179},
    {"MediaSelect", 181}, {"LaunchMail", 180}, {"LaunchApp2", 183}, {"LaunchApp1", 182},
    {"BrowserSearch", 170}, {"BrowserHome", 172}, {"BrowserBack", 166}, {"BrowserForward", 167},
    {"BrowserStop", 169}, {"BrowserRefresh", 168}, {"BrowserFavorites", 171}, {"Sleep", 95},
};

// Letters and digits of the US layout, for keys whose place is all there is.
constexpr const char* kLetterCodes[] = {"KeyA", "KeyB", "KeyC", "KeyD", "KeyE", "KeyF", "KeyG", "KeyH", "KeyI",
                                        "KeyJ", "KeyK", "KeyL", "KeyM", "KeyN", "KeyO", "KeyP", "KeyQ", "KeyR",
                                        "KeyS", "KeyT", "KeyU", "KeyV", "KeyW", "KeyX", "KeyY", "KeyZ"};
constexpr const char* kDigitCodes[] = {"Digit0", "Digit1", "Digit2", "Digit3", "Digit4",
                                       "Digit5", "Digit6", "Digit7", "Digit8", "Digit9"};

bool Is(const char* a, const char* b) { return std::strcmp(a, b) == 0; }

// With Num Lock off the keypad's digits are navigation keys.
int32_t KeypadWithoutNumLock(const char* code) {
  constexpr KeyPlace kNavigation[] = {{"Numpad0", 45}, {"Numpad1", 35}, {"Numpad2", 40}, {"Numpad3", 34},
                                      {"Numpad4", 37}, {"Numpad5", 12}, {"Numpad6", 39}, {"Numpad7", 36},
                                      {"Numpad8", 38}, {"Numpad9", 33}, {"NumpadDecimal", 46}};
  for (const KeyPlace& place : kNavigation) {
    if (Is(code, place.code)) return place.virtual_key;
  }
  return 0;
}

}  // namespace

int32_t VirtualKeyFromWeb(const char* code, const char* key) {
  // One ASCII letter or digit typed: the layout's own key.
  if (key[0] != 0 && key[1] == 0) {
    const char c = key[0];
    if (c >= 'a' && c <= 'z') return c - 'a' + 'A';
    if (c >= 'A' && c <= 'Z') return c;
    if (c >= '0' && c <= '9' && std::strncmp(code, "Numpad", 6) != 0) return c;
  }
  if (std::strncmp(code, "Numpad", 6) == 0 && !(key[0] >= '0' && key[0] <= '9' && key[1] == 0)) {
    if (const int32_t navigation = KeypadWithoutNumLock(code)) return navigation;
  }
  for (const KeyPlace& place : kPlaces) {
    if (Is(code, place.code)) return place.virtual_key;
  }
  // A letter or digit key that types something else (Shift+1, a non-Latin
  // layout): its place on the US layout.
  for (int i = 0; i < 26; ++i) {
    if (Is(code, kLetterCodes[i])) return 'A' + i;
  }
  for (int i = 0; i < 10; ++i) {
    if (Is(code, kDigitCodes[i])) return '0' + i;
  }
  return 0;
}

const char* WebCodeOfVirtualKey(int32_t virtual_key) {
  if (virtual_key >= 'A' && virtual_key <= 'Z') return kLetterCodes[virtual_key - 'A'];
  if (virtual_key >= '0' && virtual_key <= '9') return kDigitCodes[virtual_key - '0'];
  for (const KeyPlace& place : kPlaces) {
    if (place.virtual_key == virtual_key) return place.code;
  }
  return nullptr;
}

}  // namespace tazmix
