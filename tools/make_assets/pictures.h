// The game's pictures, each drawn from shapes and text onto a fresh canvas.
// They are made for the game's black screen.
#pragma once

#include <cstdint>

#include "tools/make_assets/canvas.h"
#include "tools/make_assets/font_set.h"

namespace vindra::assets {

// "Title.png": the name as a logo, 196 pixels wide, on transparency.
Canvas DrawTitle(FontSet& fonts);
// "Dif0.png" .. "Dif2.png": 225 x 75 buttons, 0 easy, 1 medium, 2 hard.
Canvas DrawButton(FontSet& fonts, int32_t difficulty);
// "Clipboard.png": the 74 x 74 tile under every letter of the grid.
Canvas DrawCellTile();
// "Clock.png": the 200 x 200 face, centred on (100, 100).
Canvas DrawClockFace(FontSet& fonts);
// The menu icon, `size` x `size`: the title on a slate tile like the grid's
// cells, drawn at 256 and shrunk.
Canvas DrawIcon(FontSet& fonts, int32_t size);
// "Row.png": a 4 x 82 hand that turns about its bottom; black is see-through.
Canvas DrawClockHand();

}  // namespace vindra::assets
