// camera: a world larger than the window, scrolled by a camera that follows
// the player: SetOrigin shifts everything drawn by the camera's position,
// so the world is drawn in world coordinates; the camera stops at the
// world's edges. The score line is drawn with the origin back at (0, 0).
//
// Controls: arrow keys move the player, Escape ends.
#include <algorithm>
#include <vector>

#include <tazmix/tazmix.h>

using namespace tazmix;

constexpr float kWorldWidth = 2000, kWorldHeight = 1500;
constexpr float kViewWidth = 640, kViewHeight = 360;

int CameraMain() {
  InitTazmix();
  ApplicationTitle = "camera";
  if (!OpenGraphics(640, 360, 0, 60, 0)) return 1;
  SetClsColor(0, 0, 0);
  Ref<TImage> ground = LoadImage("tile.png");
  if (!ground) return 1;

  // Trees at fixed places in the world.
  SeedRandom(7);
  std::vector<float> trees;
  for (int32_t i = 0; i < 150; ++i) {
    trees.push_back(static_cast<float>(RandomRange(0, kWorldWidth)));
    trees.push_back(static_cast<float>(RandomRange(0, kWorldHeight)));
  }
  float x = 300, y = 200;  // the player, in world coordinates

  while (!KeyHit(KEY_ESCAPE) && !AppTerminate()) {
    const float step = 300 * static_cast<float>(FrameTime());
    x = std::clamp(x + step * static_cast<float>(KeyDown(KEY_RIGHT) - KeyDown(KEY_LEFT)), 0.0f, kWorldWidth);
    y = std::clamp(y + step * static_cast<float>(KeyDown(KEY_DOWN) - KeyDown(KEY_UP)), 0.0f, kWorldHeight);
    // The camera's top-left corner: the player in the middle of the view,
    // but never showing what lies beyond the world.
    const float cam_x = std::clamp(x - kViewWidth / 2, 0.0f, kWorldWidth - kViewWidth);
    const float cam_y = std::clamp(y - kViewHeight / 2, 0.0f, kWorldHeight - kViewHeight);

    Cls();
    SetOrigin(-cam_x, -cam_y);  // world point (cam_x, cam_y) lands on the window's corner
    SetColor(120, 160, 110);
    TileImage(ground);  // the ground repeats over the view, moving with the origin
    for (size_t i = 0; i < trees.size(); i += 2) {
      SetColor(30, 90, 40);
      DrawOval(trees[i] - 20, trees[i + 1] - 20, 40, 40);
    }
    SetColor(250, 220, 60);
    DrawOval(x - 12, y - 12, 24, 24);

    SetOrigin(0, 0);  // back to window coordinates for the overlay
    SetColor(255, 255, 255);
    DrawText("player " + String::FromInt(static_cast<int32_t>(x)) + ", " + String::FromInt(static_cast<int32_t>(y)) +
                 "   camera " + String::FromInt(static_cast<int32_t>(cam_x)) + ", " +
                 String::FromInt(static_cast<int32_t>(cam_y)),
             8, 8);
    Flip(-1);
  }
  return 0;
}

int main(int argc, char** argv) { return RunApplication(argc, argv, CameraMain); }
