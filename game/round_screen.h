// A round: 60 seconds to find the words of the list in their grids. A left
// click on the word earns its points, on any other cell costs 100; a right
// click skips the word. A flash (green hit, red miss, white skip) fades over
// 700 ms.
#pragma once

#include <cstdint>

#include "runtime/string.h"

namespace vindra {

// Round state, fresh at the start of every round.
extern int32_t EndTime;     // game clock value at which the round ends
extern float FlashEnd;      // game clock value at which the flash has faded
extern int32_t FlashMode;   // FLASH_SKIP, FLASH_MISS or FLASH_HIT
extern int32_t Score;       // may go below 0
extern uint8_t EndState;    // END_ALL_USED or END_TIME_OVER once the round is over
extern int32_t SkipCount;   // words skipped with the right button

constexpr int32_t FLASH_SKIP = 0;  // white
constexpr int32_t FLASH_MISS = 1;  // red
constexpr int32_t FLASH_HIT = 2;   // green
constexpr uint8_t END_ALL_USED = 1;
constexpr uint8_t END_TIME_OVER = 2;
constexpr int32_t ROUND_MILLISECS = 60000;
constexpr int32_t FLASH_MILLISECS = 700;

// Side of one cell of a grid of `cells` x `cells` on a screen `height`
// pixels high: Int(height * 0.9 / cells), 0.9 being the 32-bit float nearest
// to it and the rest computed in double.
int32_t CellSize(int32_t height, int32_t cells);

// Column and row under the pointer for cells of side `size` whose grid starts
// at (10, 10); the margin left of and above the grid gives -1, never 0. Both
// are -1 when `size` is 0.
void GridCellAt(int32_t mx, int32_t my, int32_t size, int32_t& column, int32_t& row);

// The pixel in the middle of cell (column, row) for cells of side `size`:
// where a player clicks it.
void GridCellCentre(int32_t column, int32_t row, int32_t size, int32_t& px, int32_t& py);

// Loads the words, resets the round state, drops input made before the
// round, and runs frames until the words run out or the time is over (then
// the end screen), or Escape is hit.
void PlayRound(int32_t minLength, int32_t maxLength, int32_t wordCount);

// Draws the current word's grid and scores a left click on it.
void DrawGrid();

// Draws one cell, its background scaled to `size` and its character centred.
void DrawCell(const tazmix::String& text, int32_t column, int32_t row, int32_t size);

}  // namespace vindra
