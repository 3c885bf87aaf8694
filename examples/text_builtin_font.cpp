// text_builtin_font: text in the built-in 8 x 16 image font, which needs no
// file: coloured, measured with TextWidth and TextHeight to centre and
// right-align it, and scaled up. It has the ASCII characters only; see
// text_truetype for umlauts.
//
// Controls: none but Escape, which ends.
#include <tazmix/tazmix.h>

using namespace tazmix;

int TextBuiltinFontMain() {
  InitTazmix();
  ApplicationTitle = "text_builtin_font";
  if (!OpenGraphics(640, 300, 0, 60, 0)) return 1;
  SetClsColor(20, 20, 30);
  // Null selects the built-in font (it is also the font at start).
  SetImageFont(nullptr);
  const int32_t start = MilliSecs();

  while (!KeyHit(KEY_ESCAPE) && !AppTerminate()) {
    Cls();
    SetColor(255, 255, 255);
    DrawText("Left-aligned at x = 10", 10, 10);

    // TextWidth measures a text in the current font, so it can be centred...
    const String centred = "Centred in the window";
    SetColor(120, 220, 255);
    DrawText(centred, (640 - TextWidth(centred)) / 2.0f, 40);
    // ...or right-aligned.
    const String right = "Right-aligned at x = 630";
    SetColor(255, 200, 80);
    DrawText(right, 630.0f - TextWidth(right), 70);

    // TextHeight is the line height: lines one below the other.
    SetColor(200, 200, 200);
    const char* lines[] = {"One line,", "the next,", "and one more."};
    for (int32_t i = 0; i < 3; ++i) DrawText(lines[i], 10, 110 + static_cast<float>(i * TextHeight()));

    // Scaled three times; the font's pixels stay crisp.
    SetScale(3, 3);
    SetColor(255, 120, 160);
    DrawText("BIG", 300, 130);
    SetScale(1, 1);

    SetColor(255, 255, 255);
    DrawText("Running for " + String::FromInt((MilliSecs() - start) / 1000) + " s", 10, 270);
    Flip(-1);
  }
  return 0;
}

int main(int argc, char** argv) { return RunApplication(argc, argv, TextBuiltinFontMain); }
