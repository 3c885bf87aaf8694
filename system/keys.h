/// \file
/// Names for the key codes and mouse buttons that KeyHit, KeyDown, MouseHit,
/// MouseDown and the key events carry.
///
/// Key codes are the virtual-key numbers 1..255 the system driver gives every
/// key it knows: letters and digits by what the keyboard layout prints on
/// them (KEY_A is the key that types "a"), every other key by its place,
/// punctuation as on a US keyboard. The modifier keys come left and right
/// apart (KEY_LSHIFT, KEY_RSHIFT, ...).
///
/// \code{.cpp}
/// if (tazmix::KeyHit(tazmix::KEY_ESCAPE)) return;
/// if (tazmix::KeyDown(tazmix::KEY_LEFT) || tazmix::KeyDown(tazmix::KEY_A)) x -= speed;
/// if (tazmix::MouseHit(tazmix::MOUSE_LEFT)) Shoot();
/// tazmix::String help = "Press " + tazmix::KeyName(tazmix::KEY_F1) + " for help";  // "Press F1 for help"
/// \endcode
/// \ingroup system
/// \since 1.0
#pragma once

#include <cstdint>

#include "../runtime/string.h"

namespace tazmix {

/// Mouse buttons, as MouseHit, MouseDown and the mouse events number them: left, right, middle. \since 1.0
///@{
inline constexpr int32_t MOUSE_LEFT = 1;
inline constexpr int32_t MOUSE_RIGHT = 2;
inline constexpr int32_t MOUSE_MIDDLE = 3;
///@}

/// Editing, navigation and control keys. \since 1.0
///@{
inline constexpr int32_t KEY_CANCEL = 3;  ///< Break. \since 1.0
inline constexpr int32_t KEY_BACKSPACE = 8;
inline constexpr int32_t KEY_TAB = 9;
inline constexpr int32_t KEY_CLEAR = 12;  ///< Also keypad 5 with Num Lock off. \since 1.0
inline constexpr int32_t KEY_ENTER = 13;  ///< Both Return and the keypad's Enter. \since 1.0
inline constexpr int32_t KEY_PAUSE = 19;
inline constexpr int32_t KEY_CAPSLOCK = 20;
inline constexpr int32_t KEY_KANA = 21;  ///< Also Hangul. \since 1.0
inline constexpr int32_t KEY_HANJA = 25;  ///< Also Kanji. \since 1.0
inline constexpr int32_t KEY_ESCAPE = 27;
inline constexpr int32_t KEY_CONVERT = 28;
inline constexpr int32_t KEY_NONCONVERT = 29;
inline constexpr int32_t KEY_SPACE = 32;
inline constexpr int32_t KEY_PAGEUP = 33;
inline constexpr int32_t KEY_PAGEDOWN = 34;
inline constexpr int32_t KEY_END = 35;
inline constexpr int32_t KEY_HOME = 36;
inline constexpr int32_t KEY_LEFT = 37;
inline constexpr int32_t KEY_UP = 38;
inline constexpr int32_t KEY_RIGHT = 39;
inline constexpr int32_t KEY_DOWN = 40;
inline constexpr int32_t KEY_SELECT = 41;
inline constexpr int32_t KEY_EXECUTE = 43;
inline constexpr int32_t KEY_PRINTSCREEN = 44;
inline constexpr int32_t KEY_INSERT = 45;
inline constexpr int32_t KEY_DELETE = 46;
inline constexpr int32_t KEY_HELP = 47;
///@}

/// The digit keys of the main block, by what the layout prints on them. \since 1.0
///@{
inline constexpr int32_t KEY_0 = 48;
inline constexpr int32_t KEY_1 = 49;
inline constexpr int32_t KEY_2 = 50;
inline constexpr int32_t KEY_3 = 51;
inline constexpr int32_t KEY_4 = 52;
inline constexpr int32_t KEY_5 = 53;
inline constexpr int32_t KEY_6 = 54;
inline constexpr int32_t KEY_7 = 55;
inline constexpr int32_t KEY_8 = 56;
inline constexpr int32_t KEY_9 = 57;
///@}

/// The letter keys, by what the layout prints on them (KEY_A types "a"). \since 1.0
///@{
inline constexpr int32_t KEY_A = 65;
inline constexpr int32_t KEY_B = 66;
inline constexpr int32_t KEY_C = 67;
inline constexpr int32_t KEY_D = 68;
inline constexpr int32_t KEY_E = 69;
inline constexpr int32_t KEY_F = 70;
inline constexpr int32_t KEY_G = 71;
inline constexpr int32_t KEY_H = 72;
inline constexpr int32_t KEY_I = 73;
inline constexpr int32_t KEY_J = 74;
inline constexpr int32_t KEY_K = 75;
inline constexpr int32_t KEY_L = 76;
inline constexpr int32_t KEY_M = 77;
inline constexpr int32_t KEY_N = 78;
inline constexpr int32_t KEY_O = 79;
inline constexpr int32_t KEY_P = 80;
inline constexpr int32_t KEY_Q = 81;
inline constexpr int32_t KEY_R = 82;
inline constexpr int32_t KEY_S = 83;
inline constexpr int32_t KEY_T = 84;
inline constexpr int32_t KEY_U = 85;
inline constexpr int32_t KEY_V = 86;
inline constexpr int32_t KEY_W = 87;
inline constexpr int32_t KEY_X = 88;
inline constexpr int32_t KEY_Y = 89;
inline constexpr int32_t KEY_Z = 90;
///@}

/// The logo keys, the menu key and the sleep key. \since 1.0
///@{
inline constexpr int32_t KEY_LSYS = 91;  ///< The left logo key. \since 1.0
inline constexpr int32_t KEY_RSYS = 92;
inline constexpr int32_t KEY_MENU = 93;
inline constexpr int32_t KEY_SLEEP = 95;
///@}

/// The keypad with Num Lock on; with it off its keys give the navigation
/// codes (KEY_HOME, KEY_LEFT, ...). \since 1.0
///@{
inline constexpr int32_t KEY_NUM0 = 96;
inline constexpr int32_t KEY_NUM1 = 97;
inline constexpr int32_t KEY_NUM2 = 98;
inline constexpr int32_t KEY_NUM3 = 99;
inline constexpr int32_t KEY_NUM4 = 100;
inline constexpr int32_t KEY_NUM5 = 101;
inline constexpr int32_t KEY_NUM6 = 102;
inline constexpr int32_t KEY_NUM7 = 103;
inline constexpr int32_t KEY_NUM8 = 104;
inline constexpr int32_t KEY_NUM9 = 105;
inline constexpr int32_t KEY_NUMMULTIPLY = 106;
inline constexpr int32_t KEY_NUMADD = 107;
inline constexpr int32_t KEY_NUMSEPARATOR = 108;
inline constexpr int32_t KEY_NUMSUBTRACT = 109;
inline constexpr int32_t KEY_NUMDECIMAL = 110;
inline constexpr int32_t KEY_NUMDIVIDE = 111;
///@}

/// The function keys F1 to F24. \since 1.0
///@{
inline constexpr int32_t KEY_F1 = 112;
inline constexpr int32_t KEY_F2 = 113;
inline constexpr int32_t KEY_F3 = 114;
inline constexpr int32_t KEY_F4 = 115;
inline constexpr int32_t KEY_F5 = 116;
inline constexpr int32_t KEY_F6 = 117;
inline constexpr int32_t KEY_F7 = 118;
inline constexpr int32_t KEY_F8 = 119;
inline constexpr int32_t KEY_F9 = 120;
inline constexpr int32_t KEY_F10 = 121;
inline constexpr int32_t KEY_F11 = 122;
inline constexpr int32_t KEY_F12 = 123;
inline constexpr int32_t KEY_F13 = 124;
inline constexpr int32_t KEY_F14 = 125;
inline constexpr int32_t KEY_F15 = 126;
inline constexpr int32_t KEY_F16 = 127;
inline constexpr int32_t KEY_F17 = 128;
inline constexpr int32_t KEY_F18 = 129;
inline constexpr int32_t KEY_F19 = 130;
inline constexpr int32_t KEY_F20 = 131;
inline constexpr int32_t KEY_F21 = 132;
inline constexpr int32_t KEY_F22 = 133;
inline constexpr int32_t KEY_F23 = 134;
inline constexpr int32_t KEY_F24 = 135;
///@}

/// The lock keys. \since 1.0
///@{
inline constexpr int32_t KEY_NUMLOCK = 144;
inline constexpr int32_t KEY_SCROLLLOCK = 145;
///@}

/// The modifier keys, left and right apart. \since 1.0
///@{
inline constexpr int32_t KEY_LSHIFT = 160;
inline constexpr int32_t KEY_RSHIFT = 161;
inline constexpr int32_t KEY_LCONTROL = 162;
inline constexpr int32_t KEY_RCONTROL = 163;
inline constexpr int32_t KEY_LALT = 164;
inline constexpr int32_t KEY_RALT = 165;
///@}

/// The browser, volume, media and launch keys of multimedia keyboards. \since 1.0
///@{
inline constexpr int32_t KEY_BROWSER_BACK = 166;
inline constexpr int32_t KEY_BROWSER_FORWARD = 167;
inline constexpr int32_t KEY_BROWSER_REFRESH = 168;
inline constexpr int32_t KEY_BROWSER_STOP = 169;
inline constexpr int32_t KEY_BROWSER_SEARCH = 170;
inline constexpr int32_t KEY_BROWSER_FAVORITES = 171;
inline constexpr int32_t KEY_BROWSER_HOME = 172;
inline constexpr int32_t KEY_VOLUME_MUTE = 173;
inline constexpr int32_t KEY_VOLUME_DOWN = 174;
inline constexpr int32_t KEY_VOLUME_UP = 175;
inline constexpr int32_t KEY_MEDIA_NEXT = 176;
inline constexpr int32_t KEY_MEDIA_PREVIOUS = 177;
inline constexpr int32_t KEY_MEDIA_STOP = 178;
inline constexpr int32_t KEY_MEDIA_PLAY = 179;
inline constexpr int32_t KEY_LAUNCH_MAIL = 180;
inline constexpr int32_t KEY_LAUNCH_MEDIA = 181;
inline constexpr int32_t KEY_LAUNCH_COMPUTER = 182;
inline constexpr int32_t KEY_LAUNCH_CALCULATOR = 183;
///@}

/// Punctuation keys, named as on a US keyboard, and the rare keys of other layouts. \since 1.0
///@{
inline constexpr int32_t KEY_SEMICOLON = 186;
inline constexpr int32_t KEY_EQUALS = 187;
inline constexpr int32_t KEY_COMMA = 188;
inline constexpr int32_t KEY_MINUS = 189;
inline constexpr int32_t KEY_PERIOD = 190;
inline constexpr int32_t KEY_SLASH = 191;
inline constexpr int32_t KEY_GRAVE = 192;  ///< The key left of 1. \since 1.0
inline constexpr int32_t KEY_RO = 193;     ///< Japanese and Brazilian keyboards. \since 1.0
inline constexpr int32_t KEY_OPENBRACKET = 219;
inline constexpr int32_t KEY_BACKSLASH = 220;
inline constexpr int32_t KEY_CLOSEBRACKET = 221;
inline constexpr int32_t KEY_QUOTE = 222;
inline constexpr int32_t KEY_NONUS_BACKSLASH = 226;  ///< The extra key beside left Shift. \since 1.0
inline constexpr int32_t KEY_CRSEL = 247;
inline constexpr int32_t KEY_EXSEL = 248;
///@}

/// A key's name for a program's own texts (a key-binding screen, a hint).
/// \param code a key code.
/// \return a readable English name: "Escape", "Left", "A", "F1", "Keypad 0",
///   "Left Shift"; "" for a code no key has.
/// \since 1.0
String KeyName(int32_t code);

/// A mouse button's name.
/// \param button 1, 2 or 3.
/// \return "Left", "Right" or "Middle"; "" for any other number.
/// \since 1.0
String MouseButtonName(int32_t button);

}  // namespace tazmix
