// text_entry: typed text, character by character from GetChar, with
// Backspace and Enter, shown in a TrueType font so umlauts and other
// letters beyond ASCII appear as typed.
//
// Controls: type to write, Backspace deletes, Enter adds the line to the
// list above, Escape ends.
#include <vector>

#include <tazmix/tazmix.h>

using namespace tazmix;

int TextEntryMain() {
  InitTazmix();
  ApplicationTitle = "text_entry";
  if (!OpenGraphics(640, 360, 0, 60, 0)) return 1;
  SetClsColor(25, 25, 35);
  SetBlend(BLEND_ALPHA);  // smooth glyphs have soft edges
  Ref<TImageFont> font =
      LoadImageFont("/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf", 24, FONT_SMOOTH);
  if (!font) return 1;
  SetImageFont(font);

  std::vector<String> lines = {u"Schön, dass du tippst!"};
  String typing = u"Grüße";  // something to edit from the start

  while (!KeyHit(KEY_ESCAPE) && !AppTerminate()) {
    // GetChar hands out typed characters in order, one per call, as the
    // keyboard layout made them (Shift, dead keys and input methods done).
    for (int32_t c = GetChar(); c != 0; c = GetChar()) {
      if (c == 8) {  // Backspace
        typing = typing.Left(typing.Length() - 1);
      } else if (c == 13) {  // Enter
        lines.push_back(typing);
        if (lines.size() > 8) lines.erase(lines.begin());  // what fits above the box
        typing = "";
      } else if (c >= 32) {  // a printable character (a UTF-16 unit)
        const char16_t unit = static_cast<char16_t>(c);
        typing += String(std::u16string(1, unit));
      }
    }

    Cls();
    SetColor(160, 160, 180);
    for (size_t i = 0; i < lines.size(); ++i) DrawText(lines[i], 20, 20 + 30 * static_cast<float>(i));
    // The line being typed, in a box, with a blinking cursor after it.
    SetColor(60, 60, 90);
    DrawRect(10, 300, 620, 40);
    SetColor(255, 255, 255);
    DrawText(typing, 20, 306);
    if (MilliSecs() / 500 % 2 == 0) DrawRect(22 + static_cast<float>(TextWidth(typing)), 306, 2, 28);
    Flip(-1);
  }
  return 0;
}

int main(int argc, char** argv) { return RunApplication(argc, argv, TextEntryMain); }
