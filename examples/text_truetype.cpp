// text_truetype: text in a TrueType font loaded at several sizes, smoothed
// (FONT_SMOOTH) or sharp, with umlauts and other letters beyond ASCII:
// narrow string literals are UTF-8, u"..." literals UTF-16.
//
// Controls: none but Escape, which ends.
#include <tazmix/tazmix.h>

using namespace tazmix;

int TextTrueTypeMain() {
  InitTazmix();
  ApplicationTitle = "text_truetype";
  if (!OpenGraphics(640, 360, 0, 60, 0)) return 1;
  SetClsColor(250, 248, 240);
  SetBlend(BLEND_ALPHA);  // smoothed glyphs have soft edges

  // One font object per size; any .ttf or .otf file works.
  const String file = "/usr/share/fonts/truetype/liberation2/LiberationSerif-Regular.ttf";
  Ref<TImageFont> small = LoadImageFont(file, 18, FONT_SMOOTH);
  Ref<TImageFont> large = LoadImageFont(file, 48, FONT_SMOOTH);
  Ref<TImageFont> sharp = LoadImageFont(file, 18);  // style 0: no smoothing
  if (!small || !large || !sharp) return 1;         // the reason is on standard error

  while (!KeyHit(KEY_ESCAPE) && !AppTerminate()) {
    Cls();
    SetColor(30, 30, 60);
    SetImageFont(large);
    DrawText("Grüße aus Köln", 20, 20);
    SetImageFont(small);
    DrawText(u"Äpfel, Öl und Übermut: süß, heiß, schön.", 20, 100);
    DrawText("Français, español, dansk: ça, año, æble.", 20, 130);
    SetImageFont(sharp);
    DrawText("The same size without FONT_SMOOTH: Größe", 20, 170);

    // Text turns like everything else; the colour tints it.
    SetImageFont(large);
    SetColor(200, 60, 40);
    SetRotation(-8);
    DrawText(u"Straße", 360, 250);
    SetRotation(0);
    Flip(-1);
  }
  return 0;
}

int main(int argc, char** argv) { return RunApplication(argc, argv, TextTrueTypeMain); }
