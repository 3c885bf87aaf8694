#include "game/round_screen.h"

#include <algorithm>
#include <array>

#include "draw2d/draw_image.h"
#include "draw2d/draw_primitives.h"
#include "draw2d/draw_state.h"
#include "draw2d/draw_text.h"
#include "game/active_screen.h"
#include "game/clock.h"
#include "game/end_screen.h"
#include "game/game_app.h"
#include "game/game_clock.h"
#include "game/word_list.h"
#include "graphics/graphics.h"
#include "runtime/application.h"
#include "system/polled_input.h"

using namespace tazmix;

namespace vindra {

int32_t EndTime = 0;
float FlashEnd = 1.0f;
int32_t FlashMode = FLASH_SKIP;
int32_t Score = 0;
uint8_t EndState = 0;
int32_t SkipCount = 0;

int32_t CellSize(int32_t height, int32_t cells) {
  return FloatToInt(static_cast<double>(height) * static_cast<double>(0.9f) / static_cast<double>(cells));
}

void GridCellAt(int32_t mx, int32_t my, int32_t size, int32_t& column, int32_t& row) {
  // A tiny window gives cells of no size: nothing lies under the pointer.
  if (size <= 0) {
    column = row = -1;
    return;
  }
  column = (mx - 10) / size;
  row = (my - 10) / size;
  if (mx < 10) --column;
  if (my < 10) --row;
}

void GridCellCentre(int32_t column, int32_t row, int32_t size, int32_t& px, int32_t& py) {
  px = 10 + column * size + size / 2;
  py = 10 + row * size + size / 2;
}

namespace {

// One-letter texts for the grid's code units (ISO 8859-1), each made once,
// so drawing a grid builds no String.
const String& LetterText(uint8_t code) {
  static std::array<String, 256> letters;
  String& text = letters[code];
  if (text.IsEmpty()) text = String(std::u16string(1, static_cast<char16_t>(code)));
  return text;
}

}  // namespace

void DrawCell(const String& text, int32_t column, int32_t row, int32_t size) {
  const float cell_scale = static_cast<float>(size) / 74.0f;
  SetScale(cell_scale, cell_scale);
  DrawImage(CellImage, static_cast<float>(column * size + 10), static_cast<float>(row * size + 10));
  SetImageFont(BigFont);
  const float f = static_cast<float>(size) / 160.0f;
  SetScale(f, f);
  const float x = static_cast<float>(column * size + 10 + size / 2) - static_cast<float>(TextWidth(text)) / 2 * f;
  const float y = static_cast<float>(row * size + 10 + size / 2) - static_cast<float>(TextHeight()) / 2 * f;
  DrawText(text, x, y);
  SetScale(1, 1);
  SetImageFont(SmallFont);
}

void DrawGrid() {
  // The word stays alive while its grid is walked, even once it is found.
  const Ref<TGameWord> word = CurrentWord;
  if (!word) return;
  const int32_t cells = word->FieldArray.Dimension(0);
  const int32_t size = CellSize(ScreenHeight, cells);
  const int32_t mx = MouseX();
  const int32_t my = MouseY();
  int32_t cx = 0;
  int32_t cy = 0;
  GridCellAt(mx, my, size, cx, cy);
  const bool hit = ScreenMouseHit(1) != 0;
  for (int32_t x = 0; x < cells; ++x) {
    for (int32_t y = 0; y < cells; ++y) {
      DrawCell(LetterText(word->FieldArray(x, y, 0)), x, y, size);
      if (!hit || x != cx || y != cy) continue;
      FlashEnd = static_cast<float>(GameMilliSecs() + FLASH_MILLISECS);
      FlashMode = FLASH_MISS;
      Score -= 100;
      if (word->FieldArray(x, y, 1) != 0) {
        // A hit gains exactly the word's value; the next word's grid
        // replaces this one on the same frame.
        FlashMode = FLASH_HIT;
        Score += word->Difficulty + 100;
        NextWord();
        Cls();
        DrawGrid();
        return;
      }
    }
  }
}

namespace {

// The status lines, each rebuilt only when what it shows changes, so a
// steady round screen builds no String.
struct StatusLines {
  bool made = false;
  String content;
  int32_t value = 0;
  int32_t count = 0;
  int32_t score = 0;
  String search, worth, left, points;
};

void DrawStatus() {
  static StatusLines lines;
  StatusLines& s = lines;
  const int32_t w = ScreenWidth;
  const float h = static_cast<float>(ScreenHeight);
  const float t = static_cast<float>(TextHeight());
  const String content = CurrentWord ? CurrentWord->Content : String();
  const int32_t value = CurrentWord ? CurrentWord->Difficulty : 0;
  const int32_t count = WordList->Count();
  if (!s.made || !(s.content == content)) s.search = u"Suche nach diesem Wort: " + content;
  if (!s.made || s.value != value) s.worth = u"Punkte für das Wort: " + String::FromInt(value);
  if (!s.made || s.count != count) s.left = u"Wörter übrig: " + String::FromInt(count);
  if (!s.made || s.score != Score) s.points = u"Punktestand: " + String::FromInt(Score);
  s.made = true;
  s.content = content;
  s.value = value;
  s.count = count;
  s.score = Score;
  DrawText(s.search, 0, h - 2 * t);
  DrawText(s.worth, 0, h - t);
  DrawText(s.left, static_cast<float>(w - TextWidth(s.left)), h - 2 * t);
  DrawText(s.points, static_cast<float>(w - TextWidth(s.points)), h - t);
}

void DrawFlash() {
  if (FlashMode == FLASH_MISS) SetColor(255, 0, 0);
  if (FlashMode == FLASH_HIT) SetColor(0, 255, 0);
  SetAlpha(std::max(0.0f, (FlashEnd - static_cast<float>(GameMilliSecs())) / 700.0f));
  DrawRect(0, 0, static_cast<float>(ScreenWidth), static_cast<float>(ScreenHeight));
  SetAlpha(1);
  SetColor(255, 255, 255);
}

}  // namespace

void PlayRound(int32_t minLength, int32_t maxLength, int32_t wordCount) {
  LoadWordList(minLength, maxLength, wordCount);
  EndTime = GameMilliSecs() + ROUND_MILLISECS;
  FlashEnd = 1.0f;
  FlashMode = FLASH_SKIP;
  Score = 0;
  EndState = 0;
  SkipCount = 0;
  // Only clicks made on the round's own screen count (after the loading, too).
  EnterScreen(Screen::kRound);
  for (;;) {
    SetActiveScreen(Screen::kRound);
    Cls();
    DrawStatus();
    DrawGrid();
    DrawClock(EndTime - GameMilliSecs());
    if (ScreenMouseHit(2) && !WordList->IsEmpty()) {
      NextWord();
      FlashEnd = static_cast<float>(GameMilliSecs() + FLASH_MILLISECS);
      FlashMode = FLASH_SKIP;
      ++SkipCount;
    }
    if (!CurrentWord) {
      EndState = END_ALL_USED;
      ShowEndScreen(EndTime);
      return;
    }
    // Compared as a difference, so the round also ends where the clock wraps.
    if (GameMilliSecs() - EndTime > 0) {
      EndState = END_TIME_OVER;
      ShowEndScreen(EndTime);
      return;
    }
    DrawFlash();
    if (KeyHit(27)) return;
    if (AppTerminate()) EndApplication();
    Flip(0);
  }
}

}  // namespace vindra
