#include "system/keys.h"

#include <string>

namespace tazmix {

namespace {

struct NamedKey {
  int32_t code;
  const char* name;
};

constexpr NamedKey kNamedKeys[] = {
    {KEY_CANCEL, "Break"},
    {KEY_BACKSPACE, "Backspace"},
    {KEY_TAB, "Tab"},
    {KEY_CLEAR, "Clear"},
    {KEY_ENTER, "Enter"},
    {KEY_PAUSE, "Pause"},
    {KEY_CAPSLOCK, "Caps Lock"},
    {KEY_KANA, "Kana"},
    {KEY_HANJA, "Hanja"},
    {KEY_ESCAPE, "Escape"},
    {KEY_CONVERT, "Convert"},
    {KEY_NONCONVERT, "Nonconvert"},
    {KEY_SPACE, "Space"},
    {KEY_PAGEUP, "Page Up"},
    {KEY_PAGEDOWN, "Page Down"},
    {KEY_END, "End"},
    {KEY_HOME, "Home"},
    {KEY_LEFT, "Left"},
    {KEY_UP, "Up"},
    {KEY_RIGHT, "Right"},
    {KEY_DOWN, "Down"},
    {KEY_SELECT, "Select"},
    {KEY_EXECUTE, "Execute"},
    {KEY_PRINTSCREEN, "Print Screen"},
    {KEY_INSERT, "Insert"},
    {KEY_DELETE, "Delete"},
    {KEY_HELP, "Help"},
    {KEY_LSYS, "Left System"},
    {KEY_RSYS, "Right System"},
    {KEY_MENU, "Menu"},
    {KEY_SLEEP, "Sleep"},
    {KEY_NUMMULTIPLY, "Keypad *"},
    {KEY_NUMADD, "Keypad +"},
    {KEY_NUMSEPARATOR, "Keypad ,"},
    {KEY_NUMSUBTRACT, "Keypad -"},
    {KEY_NUMDECIMAL, "Keypad ."},
    {KEY_NUMDIVIDE, "Keypad /"},
    {KEY_NUMLOCK, "Num Lock"},
    {KEY_SCROLLLOCK, "Scroll Lock"},
    {KEY_LSHIFT, "Left Shift"},
    {KEY_RSHIFT, "Right Shift"},
    {KEY_LCONTROL, "Left Control"},
    {KEY_RCONTROL, "Right Control"},
    {KEY_LALT, "Left Alt"},
    {KEY_RALT, "Right Alt"},
    {KEY_BROWSER_BACK, "Browser Back"},
    {KEY_BROWSER_FORWARD, "Browser Forward"},
    {KEY_BROWSER_REFRESH, "Browser Refresh"},
    {KEY_BROWSER_STOP, "Browser Stop"},
    {KEY_BROWSER_SEARCH, "Browser Search"},
    {KEY_BROWSER_FAVORITES, "Browser Favorites"},
    {KEY_BROWSER_HOME, "Browser Home"},
    {KEY_VOLUME_MUTE, "Mute"},
    {KEY_VOLUME_DOWN, "Volume Down"},
    {KEY_VOLUME_UP, "Volume Up"},
    {KEY_MEDIA_NEXT, "Next Track"},
    {KEY_MEDIA_PREVIOUS, "Previous Track"},
    {KEY_MEDIA_STOP, "Stop"},
    {KEY_MEDIA_PLAY, "Play/Pause"},
    {KEY_LAUNCH_MAIL, "Mail"},
    {KEY_LAUNCH_MEDIA, "Media"},
    {KEY_LAUNCH_COMPUTER, "Computer"},
    {KEY_LAUNCH_CALCULATOR, "Calculator"},
    {KEY_SEMICOLON, ";"},
    {KEY_EQUALS, "="},
    {KEY_COMMA, ","},
    {KEY_MINUS, "-"},
    {KEY_PERIOD, "."},
    {KEY_SLASH, "/"},
    {KEY_GRAVE, "`"},
    {KEY_RO, "Ro"},
    {KEY_OPENBRACKET, "["},
    {KEY_BACKSLASH, "\\"},
    {KEY_CLOSEBRACKET, "]"},
    {KEY_QUOTE, "'"},
    {KEY_NONUS_BACKSLASH, "Extra \\"},
    {KEY_CRSEL, "CrSel"},
    {KEY_EXSEL, "ExSel"},
};

// The runs of codes whose names follow a pattern.
String RunName(int32_t code) {
  if (code >= KEY_0 && code <= KEY_9) return String(std::u16string(1, static_cast<char16_t>(u'0' + code - KEY_0)));
  if (code >= KEY_A && code <= KEY_Z) return String(std::u16string(1, static_cast<char16_t>(u'A' + code - KEY_A)));
  if (code >= KEY_NUM0 && code <= KEY_NUM9) return "Keypad " + String::FromInt(code - KEY_NUM0);
  if (code >= KEY_F1 && code <= KEY_F24) return "F" + String::FromInt(code - KEY_F1 + 1);
  return String();
}

}  // namespace

String KeyName(int32_t code) {
  for (const NamedKey& key : kNamedKeys) {
    if (key.code == code) return String(key.name);
  }
  return RunName(code);
}

String MouseButtonName(int32_t button) {
  switch (button) {
    case MOUSE_LEFT:
      return "Left";
    case MOUSE_RIGHT:
      return "Right";
    case MOUSE_MIDDLE:
      return "Middle";
    default:
      return String();
  }
}

}  // namespace tazmix
