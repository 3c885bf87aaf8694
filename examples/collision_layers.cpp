// collision_layers: collision against shapes recorded in layers: walls in
// one layer stop the ball, coins in another are collected by it. Each test
// asks only the layers it names, and says which recorded shapes it met.
//
// Controls: arrow keys move the ball, Escape ends.
#include <vector>

#include <tazmix/tazmix.h>

using namespace tazmix;

// Layers are bits of a mask: a shape can live in several, a test can ask several.
constexpr int32_t kWalls = 1 << 0;
constexpr int32_t kCoins = 1 << 1;

// A collision test names the shapes it meets by the object recorded with them.
struct Coin : Object {
  float x = 0, y = 0;
  bool taken = false;
};

int CollisionLayersMain() {
  InitTazmix();
  ApplicationTitle = "collision_layers";
  if (!OpenGraphics(640, 360, 0, 60, 0)) return 1;
  SetClsColor(20, 25, 35);
  SetBlend(BLEND_ALPHA);
  AutoMidHandle(1);
  Ref<TImage> ball = LoadImage("ball.png");
  Ref<TImage> coin = LoadAnimImage("coin.png", 32, 32, 0, 8);
  if (!ball || !coin) return 1;

  const float walls[][4] = {{0, 0, 640, 16}, {0, 344, 640, 16}, {0, 0, 16, 360}, {624, 0, 16, 360},
                            {200, 60, 24, 240}, {400, 16, 24, 200}};
  std::vector<Ref<Coin>> coins;
  for (int32_t i = 0; i < 6; ++i) {
    Ref<Coin> c = New<Coin>();
    c->x = 100 + 90.0f * static_cast<float>(i);
    c->y = i % 2 ? 90 : 270;
    coins.push_back(c);
  }
  float x = 80, y = 180;
  int32_t score = 0;

  while (!KeyHit(KEY_ESCAPE) && !AppTerminate()) {
    // The layers are filled anew each frame with where things are now.
    ClearCollisionLayers(0);
    for (const auto& w : walls) CollideRectAt(w[0], w[1], w[2], w[3], 0, kWalls, nullptr);
    for (const Ref<Coin>& c : coins) {
      if (!c->taken) CollideImageAt(coin, c->x, c->y, 0, 0, kCoins, c);
    }

    // Move, unless the ball would then overlap a wall (pixel for pixel).
    const float step = 160 * static_cast<float>(FrameTime());
    const float nx = x + step * (KeyDown(KEY_RIGHT) - KeyDown(KEY_LEFT));
    const float ny = y + step * (KeyDown(KEY_DOWN) - KeyDown(KEY_UP));
    if (CollideImageAt(ball, nx, y, 0, kWalls, 0, nullptr).empty()) x = nx;
    if (CollideImageAt(ball, x, ny, 0, kWalls, 0, nullptr).empty()) y = ny;
    // The coins the ball touches now, by the objects they were recorded with.
    for (const Ref<Object>& id : CollideImageAt(ball, x, y, 0, kCoins, 0, nullptr)) {
      Cast<Coin>(id)->taken = true;
      ++score;
    }

    Cls();
    SetColor(90, 100, 130);
    for (const auto& w : walls) DrawRect(w[0], w[1], w[2], w[3]);
    SetColor(255, 255, 255);
    for (const Ref<Coin>& c : coins) {
      if (!c->taken) DrawImage(coin, c->x, c->y, MilliSecs() / 100 % 8);
    }
    DrawImage(ball, x, y);
    DrawText("coins: " + String::FromInt(score) + " of 6", 24, 20);
    Flip(-1);
  }
  return 0;
}

int main(int argc, char** argv) { return RunApplication(argc, argv, CollisionLayersMain); }
