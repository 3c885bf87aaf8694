// mouse: the pointer's position, buttons held and clicked, and the wheel:
// painting with the mouse.
//
// Controls: hold the left button to paint, click the right button to clear,
// turn the wheel to change the brush size, Escape ends.
#include <algorithm>
#include <vector>

#include <tazmix/tazmix.h>

using namespace tazmix;

struct Dot {
  float x, y, size;
};

int MouseMain() {
  InitTazmix();
  ApplicationTitle = "mouse";
  if (!OpenGraphics(640, 480, 0, 60, 0)) return 1;
  SetClsColor(245, 240, 230);

  // A few dots to start with, so the picture is not empty.
  std::vector<Dot> dots;
  for (int32_t i = 0; i < 40; ++i) dots.push_back({100.0f + i * 11, 240 + 60 * (i % 7 - 3) / 3.0f, 8});

  while (!KeyHit(KEY_ESCAPE) && !AppTerminate()) {
    const float x = static_cast<float>(MouseX()), y = static_cast<float>(MouseY());
    // The wheel's position adds up its turns; it starts at 0.
    const float size = static_cast<float>(std::max(2, 10 + 2 * MouseZ()));

    if (MouseDown(MOUSE_LEFT)) dots.push_back({x, y, size});  // every frame it is held
    if (MouseHit(MOUSE_RIGHT)) dots.clear();                    // once per click

    Cls();
    SetColor(40, 90, 160);
    for (const Dot& d : dots) DrawOval(d.x - d.size / 2, d.y - d.size / 2, d.size, d.size);
    // The brush under the pointer.
    SetColor(220, 80, 60);
    DrawOval(x - size / 2, y - size / 2, size, size);
    SetColor(0, 0, 0);
    DrawText("Left: paint   Right: clear   Wheel: size " + String::FromInt(static_cast<int32_t>(size)), 10, 10);
    DrawText("Pointer at " + String::FromInt(MouseX()) + ", " + String::FromInt(MouseY()), 10, 30);
    Flip(-1);
  }
  return 0;
}

int main(int argc, char** argv) { return RunApplication(argc, argv, MouseMain); }
