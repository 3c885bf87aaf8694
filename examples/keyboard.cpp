// keyboard: the two ways to read keys: KeyDown while a key is held (for
// movement) and KeyHit once per press (for actions), and KeyName to show
// which key was pressed last.
//
// Controls: arrow keys move the square, Space changes its colour, any other
// key shows its name, Escape ends.
#include <tazmix/tazmix.h>

using namespace tazmix;

int KeyboardMain() {
  InitTazmix();
  ApplicationTitle = "keyboard";
  if (!OpenGraphics(640, 480, 0, 60, 0)) return 1;
  SetClsColor(20, 30, 40);

  float x = 300, y = 220;
  const int32_t colours[][3] = {{250, 200, 60}, {90, 200, 250}, {240, 90, 120}};
  int32_t colour = 0;
  String last_key = "(none yet)";

  while (!KeyHit(KEY_ESCAPE) && !AppTerminate()) {
    // Held keys: the square moves for as long as they are down.
    const float step = 240 * static_cast<float>(FrameTime());  // pixels per second
    if (KeyDown(KEY_LEFT)) x -= step;
    if (KeyDown(KEY_RIGHT)) x += step;
    if (KeyDown(KEY_UP)) y -= step;
    if (KeyDown(KEY_DOWN)) y += step;

    // Presses: one step per press, however long the key is held.
    if (KeyHit(KEY_SPACE)) colour = (colour + 1) % 3;

    // Key codes run from 1 to 255; ask each whether it was pressed. Every
    // KeyHit reads the newest input, so Escape is left to the loop's test: a
    // press that came in since then would be used up here and not end it.
    for (int32_t key = 1; key < 256; ++key) {
      if (key != KEY_ESCAPE && KeyHit(key)) last_key = KeyName(key);
    }

    Cls();
    SetColor(colours[colour][0], colours[colour][1], colours[colour][2]);
    DrawRect(x, y, 40, 40);
    SetColor(255, 255, 255);
    DrawText("Arrow keys: move   Space: colour   Escape: end", 10, 10);
    DrawText("Last key: " + last_key, 10, 34);
    Flip(-1);
  }
  return 0;
}

int main(int argc, char** argv) { return RunApplication(argc, argv, KeyboardMain); }
