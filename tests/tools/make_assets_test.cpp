#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "font/font_loader.h"
#include "font/freetype_font.h"
#include "pixmap/pixmap_loader.h"
#include "pixmap/png_loader.h"
#include "tests/support/child_process.h"
#include "tests/support/temp_dir.h"

using namespace tazmix;
using namespace tazmix::testing;

namespace {

std::string Tool() { return test::FolderOf(TAZMIX_TEST_HELPER_DIR) + "/tools/make_assets"; }
const char* const kFontFolder = "/usr/share/fonts/truetype/liberation2";

struct Picture {
  const char* name;
  int32_t width, height;
};
const Picture kPictures[] = {{"Title.png", 196, 104}, {"Dif0.png", 225, 75},    {"Dif1.png", 225, 75},
                             {"Dif2.png", 225, 75},   {"Clipboard.png", 74, 74}, {"Clock.png", 200, 200},
                             {"Row.png", 4, 82}};

// WCAG relative luminance of a packed colour.
double Luminance(int32_t argb) {
  auto channel = [](uint8_t v) {
    const double c = v / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(RedOf(argb)) + 0.7152 * channel(GreenOf(argb)) + 0.0722 * channel(BlueOf(argb));
}

Ref<TPixmap> Load(const std::string& folder, const char* name) {
  return LoadPixmap(String::FromUTF8String(folder + "/" + name));
}

// The pictures made once for all tests of this program.
class MakeAssets : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    InitPNGLoader();
    InitFreeTypeFont();
    out_ = new TempDir;
    result_ = new test::ChildResult(test::RunChild(Tool(), {Tool(), out_->Path(), kFontFolder}));
  }
  static void TearDownTestSuite() {
    delete out_;
    delete result_;
  }
  static TempDir* out_;
  static test::ChildResult* result_;
};
TempDir* MakeAssets::out_ = nullptr;
test::ChildResult* MakeAssets::result_ = nullptr;

}  // namespace

TEST_F(MakeAssets, DrawsEveryPictureAtItsSize) {
  ASSERT_TRUE(result_->exited);
  ASSERT_EQ(result_->exit_code, 0) << result_->err;
  for (const Picture& p : kPictures) {
    SCOPED_TRACE(p.name);
    Ref<TPixmap> pixmap = Load(out_->Path(), p.name);
    ASSERT_TRUE(pixmap);
    EXPECT_EQ(pixmap->width, p.width);
    EXPECT_EQ(pixmap->height, p.height);
    // Every picture but the hand, which the game masks, has its own transparency.
    EXPECT_EQ(pixmap->format, std::string(p.name) == "Row.png" ? FORMAT_RGB24 : FORMAT_RGBA32);
  }
}

TEST_F(MakeAssets, TheHandIsBrightOnPureBlackWithoutDarkSpecks) {
  Ref<TPixmap> hand = Load(out_->Path(), "Row.png");
  ASSERT_TRUE(hand);
  // Black is masked away in the game, so the picture's background must be
  // exactly black, and what is not black must not be a dark fringe either.
  EXPECT_EQ(hand->ReadPixel(3, 0) & 0xFFFFFF, 0);
  EXPECT_EQ(hand->ReadPixel(0, 0) & 0xFFFFFF, 0);
  int32_t bright = 0;
  for (int32_t y = 0; y < hand->height; ++y)
    for (int32_t x = 0; x < hand->width; ++x) {
      const int32_t c = hand->ReadPixel(x, y);
      const int32_t most = std::max({RedOf(c), GreenOf(c), BlueOf(c)});
      EXPECT_TRUE(most == 0 || most >= 48) << x << "," << y;
      if (most >= 200) ++bright;
    }
  // Its pivot column is lit from the foot almost to the tip.
  for (int32_t y = 10; y < hand->height; ++y) EXPECT_GE(GreenOf(hand->ReadPixel(1, y)), 150) << y;
  EXPECT_GT(bright, 150);
}

TEST_F(MakeAssets, TheClockFaceIsARoundDialCentredInItsPicture) {
  Ref<TPixmap> clock = Load(out_->Path(), "Clock.png");
  ASSERT_TRUE(clock);
  for (auto [x, y] : {std::pair{0, 0}, {199, 0}, {0, 199}, {199, 199}}) EXPECT_EQ(AlphaOf(clock->ReadPixel(x, y)), 0);
  // Opaque from one edge to the other through the centre, symmetric about it.
  for (int32_t i = 3; i < 197; ++i) {
    EXPECT_EQ(AlphaOf(clock->ReadPixel(i, 100)), 255) << i;
    EXPECT_EQ(AlphaOf(clock->ReadPixel(100, i)), 255) << i;
  }
  EXPECT_EQ(AlphaOf(clock->ReadPixel(100, 0)), AlphaOf(clock->ReadPixel(100, 199)));
  EXPECT_EQ(AlphaOf(clock->ReadPixel(0, 100)), AlphaOf(clock->ReadPixel(199, 100)));
}

TEST_F(MakeAssets, WhiteLettersReadWellOnTheCellTile) {
  Ref<TPixmap> tile = Load(out_->Path(), "Clipboard.png");
  ASSERT_TRUE(tile);
  // Where letters go (the middle half), white has a contrast of at least 7:1.
  for (int32_t y = 18; y < 56; ++y)
    for (int32_t x = 18; x < 56; ++x) {
      const int32_t c = tile->ReadPixel(x, y);
      ASSERT_EQ(AlphaOf(c), 255);
      ASSERT_GE(1.05 / (Luminance(c) + 0.05), 7.0) << x << "," << y;
    }
  // Rounded corners are see-through, so tiles stand apart on the black screen.
  EXPECT_EQ(AlphaOf(tile->ReadPixel(0, 0)), 0);
  EXPECT_EQ(AlphaOf(tile->ReadPixel(73, 73)), 0);
}

TEST_F(MakeAssets, TheTitleSpansItsWidthOnTransparency) {
  Ref<TPixmap> title = Load(out_->Path(), "Title.png");
  ASSERT_TRUE(title);
  int32_t left = title->width, right = -1;
  for (int32_t y = 0; y < title->height; ++y)
    for (int32_t x = 0; x < title->width; ++x)
      if (AlphaOf(title->ReadPixel(x, y)) >= 128) {
        left = std::min(left, x);
        right = std::max(right, x);
      }
  EXPECT_LE(left, 12);
  EXPECT_GE(right, 183);
  EXPECT_EQ(AlphaOf(title->ReadPixel(0, 0)), 0);
  EXPECT_EQ(AlphaOf(title->ReadPixel(195, 103)), 0);
}

TEST(MakeAssetsIcons, EverySizeIsTheSameTileShrunk) {
  InitPNGLoader();
  TempDir dir;
  const auto r = test::RunChild(Tool(), {Tool(), "--icons", dir.Path(), kFontFolder});
  ASSERT_TRUE(r.exited);
  ASSERT_EQ(r.exit_code, 0) << r.err;
  // Mean premultiplied red, green, blue and alpha: shrinking by area keeps them.
  auto means = [](const Ref<TPixmap>& p) {
    std::array<double, 4> sum{};
    for (int32_t y = 0; y < p->height; ++y)
      for (int32_t x = 0; x < p->width; ++x) {
        const int32_t c = p->ReadPixel(x, y);
        const double a = AlphaOf(c) / 255.0;
        sum[0] += RedOf(c) * a, sum[1] += GreenOf(c) * a, sum[2] += BlueOf(c) * a, sum[3] += AlphaOf(c);
      }
    for (double& v : sum) v /= double(p->width) * p->height;
    return sum;
  };
  std::array<double, 4> big{};
  for (const int32_t size : {256, 128, 64, 48}) {
    SCOPED_TRACE(size);
    Ref<TPixmap> icon = Load(dir.Path(), ("vindra-" + std::to_string(size) + ".png").c_str());
    ASSERT_TRUE(icon);
    ASSERT_EQ(icon->width, size);
    ASSERT_EQ(icon->height, size);
    ASSERT_EQ(icon->format, FORMAT_RGBA32);
    // Rounded corners see-through, the tile solid, the gold title in the middle.
    EXPECT_EQ(AlphaOf(icon->ReadPixel(0, 0)), 0);
    EXPECT_EQ(AlphaOf(icon->ReadPixel(size - 1, size - 1)), 0);
    EXPECT_EQ(AlphaOf(icon->ReadPixel(size / 2, size / 8)), 255);
    int32_t gold = 0;
    for (int32_t x = size / 4; x < size * 3 / 4; ++x) {
      const int32_t c = icon->ReadPixel(x, size * 9 / 20);
      gold += RedOf(c) > 200 && GreenOf(c) > 120 && BlueOf(c) < 120;
    }
    EXPECT_GT(gold, size / 16);
    const auto m = means(icon);
    if (size == 256) big = m;
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(m[i], big[i], 1.5) << "channel " << i;
  }
}

TEST(MakeAssetsFailure, MissingFontsOrAnUnwritableFolderEndWithAMessage) {
  TempDir dir;
  auto r = test::RunChild(Tool(), {Tool(), dir.Path(), dir.Path()});
  ASSERT_TRUE(r.exited);
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_NE(r.err.find("LiberationSans-Regular.ttf"), std::string::npos) << r.err;

  r = test::RunChild(Tool(), {Tool(), dir / "no-such-folder", kFontFolder});
  ASSERT_TRUE(r.exited);
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_NE(r.err.find("can't write"), std::string::npos) << r.err;
}

TEST(MakeAssetsBuild, ThePicturesAndTheFontLieBesideTheGame) {
  InitPNGLoader();
  InitFreeTypeFont();
  for (const Picture& p : kPictures) {
    SCOPED_TRACE(p.name);
    Ref<TPixmap> pixmap = Load(TAZMIX_BIN_DIR, p.name);
    ASSERT_TRUE(pixmap);
    EXPECT_EQ(pixmap->width, p.width);
    EXPECT_EQ(pixmap->height, p.height);
  }
  Ref<TFont> arial = LoadFont(String(TAZMIX_BIN_DIR "/arial.ttf"), 16, FONT_SMOOTH);
  ASSERT_TRUE(arial);
  EXPECT_GE(arial->CharToGlyph(u'ß'), 0);
}
