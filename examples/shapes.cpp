// shapes: the filled shapes: points (Plot), lines, rectangles, ovals and
// polygons, each in the colour set before it.
//
// Controls: the mouse moves the end of the yellow line, Escape ends.
#include <cmath>
#include <vector>

#include <tazmix/tazmix.h>

using namespace tazmix;

int ShapesMain() {
  InitTazmix();
  ApplicationTitle = "shapes";
  if (!OpenGraphics(640, 360, 0, 60, 0)) return 1;
  SetClsColor(25, 30, 45);

  while (!KeyHit(KEY_ESCAPE) && !AppTerminate()) {
    Cls();
    // A rectangle: x, y, width, height.
    SetColor(220, 60, 60);
    DrawRect(20, 20, 140, 90);
    // An oval fills the rectangle it is given; a square one is a circle.
    SetColor(60, 200, 90);
    DrawOval(190, 20, 140, 90);
    DrawOval(360, 20, 90, 90);
    // A polygon through its corners, x and y in turn.
    SetColor(80, 140, 240);
    DrawPoly({500, 110, 560, 20, 620, 110});
    // A star: ten corners, alternately far and near.
    std::vector<float> star;
    for (int32_t i = 0; i < 10; ++i) {
      const float r = i % 2 ? 25.0f : 60.0f, a = static_cast<float>(i) * 0.6283f;
      star.push_back(100 + r * std::sin(a));
      star.push_back(230 - r * std::cos(a));
    }
    SetColor(250, 200, 60);
    DrawPoly(star);
    // Lines, one pixel wide unless SetLineWidth says otherwise.
    SetColor(255, 255, 255);
    for (int32_t i = 0; i <= 10; ++i) DrawLine(200, 170 + 15.0f * static_cast<float>(i), 380, 170);
    SetColor(255, 255, 0);
    DrawLine(450, 250, static_cast<float>(MouseX()), static_cast<float>(MouseY()));
    // Single points.
    SetColor(255, 150, 200);
    for (int32_t i = 0; i < 200; ++i) Plot(420 + static_cast<float>(i % 20) * 10, 170 + static_cast<float>(i / 20) * 6);
    Flip(-1);
  }
  return 0;
}

int main(int argc, char** argv) { return RunApplication(argc, argv, ShapesMain); }
