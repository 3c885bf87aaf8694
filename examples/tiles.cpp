// tiles: a map built from a tile sheet: tiles.png holds four 16 x 16 tiles
// (grass, water, stone, sand) as the frames of one image, and the map is a
// grid of frame numbers drawn twice as big, with sharp pixels.
//
// Controls: click a tile to change it to the next kind, Escape ends.
#include <string>
#include <vector>

#include <tazmix/tazmix.h>

using namespace tazmix;

constexpr int32_t kTile = 32;  // on screen: the 16-pixel tiles at scale 2

int TilesMain() {
  InitTazmix();
  ApplicationTitle = "tiles";
  if (!OpenGraphics(640, 352, 0, 60, 0)) return 1;

  // Flags 0: not filtered, so scaled tiles keep their pixels sharp and
  // neighbours meet without seams.
  Ref<TImage> tiles = LoadAnimImage("tiles.png", 16, 16, 0, 4, 0);
  if (!tiles) return 1;

  // g grass, w water, s stone, d sand: one letter per tile.
  std::vector<std::string> map = {
      "gggggggggggggggggggg", "ggggdddggggggwwwgggg", "gggdddddgggwwwwwwggg", "ggddddwwwwwwwwwwwwgg",
      "gssssswwwwwwwwwwwddg", "gsgggsswwwwwwwwdddgg", "gsgggggsssdddddddggg", "gsggggggggsggggggggg",
      "gssssssssssggggggggg", "gggggggggggggggggggg", "gggggggggggggggggggg"};
  const std::string kinds = "gwsd";  // the frame of each letter

  while (!KeyHit(KEY_ESCAPE) && !AppTerminate()) {
    const int32_t column = MouseX() / kTile, row = MouseY() / kTile;
    if (MouseHit(MOUSE_LEFT) && row >= 0 && row < static_cast<int32_t>(map.size()) && column >= 0 && column < 20) {
      char& cell = map[static_cast<size_t>(row)][static_cast<size_t>(column)];
      cell = kinds[(kinds.find(cell) + 1) % kinds.size()];
    }

    Cls();
    SetColor(255, 255, 255);
    SetScale(2, 2);
    for (size_t y = 0; y < map.size(); ++y) {
      for (size_t x = 0; x < map[y].size(); ++x) {
        const int32_t frame = static_cast<int32_t>(kinds.find(map[y][x]));
        DrawImage(tiles, static_cast<float>(x) * kTile, static_cast<float>(y) * kTile, frame);
      }
    }
    SetScale(1, 1);
    // The tile under the pointer.
    SetColor(255, 255, 0);
    DrawRectOutline(static_cast<float>(column * kTile), static_cast<float>(row * kTile), kTile, kTile);
    Flip(-1);
  }
  return 0;
}

int main(int argc, char** argv) { return RunApplication(argc, argv, TilesMain); }
