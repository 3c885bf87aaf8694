// outlines: the outlines of rectangles, ovals and polygons
// (DrawRectOutline, DrawOvalOutline, DrawPolyOutline) and lines, as thick
// as SetLineWidth says. An outline lies inside its filled shape's edge, so
// it never reaches beyond the shape.
//
// Controls: Up and Down change the line width, Escape ends.
#include <algorithm>

#include <tazmix/tazmix.h>

using namespace tazmix;

int OutlinesMain() {
  InitTazmix();
  ApplicationTitle = "outlines";
  if (!OpenGraphics(640, 300, 0, 60, 0)) return 1;
  SetClsColor(240, 240, 235);
  SetBlend(BLEND_ALPHA);

  float width = 4;
  while (!KeyHit(KEY_ESCAPE) && !AppTerminate()) {
    if (KeyHit(KEY_UP)) width = std::min(width + 1, 40.0f);
    if (KeyHit(KEY_DOWN)) width = std::max(width - 1, 1.0f);

    Cls();
    // A faint filled shape under each outline shows where the edge is.
    SetAlpha(0.2f);
    SetColor(0, 0, 0);
    DrawRect(30, 40, 160, 110);
    DrawOval(230, 40, 160, 110);
    DrawPoly({500, 40, 600, 150, 420, 150});

    SetAlpha(1);
    SetLineWidth(width);  // stays until set again, for outlines and lines
    SetColor(210, 50, 50);
    DrawRectOutline(30, 40, 160, 110);
    SetColor(40, 150, 70);
    DrawOvalOutline(230, 40, 160, 110);
    SetColor(50, 90, 210);
    DrawPolyOutline({500, 40, 600, 150, 420, 150});
    SetColor(60, 60, 60);
    DrawLine(30, 200, 610, 230);

    SetLineWidth(1);
    DrawText("line width " + String::FromInt(static_cast<int32_t>(width)) + " (Up/Down)", 30, 260);
    Flip(-1);
  }
  return 0;
}

int main(int argc, char** argv) { return RunApplication(argc, argv, OutlinesMain); }
