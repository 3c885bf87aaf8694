// The example programs, run as they would be run by hand (offscreen): the
// showcase's grabbed frame has every item where the program puts it and
// nothing anywhere else; the render-image example's frame is sharp where it
// scales up and smooth where it scales filtered; the collision example's
// own check passes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pixmap/png_loader.h"
#include "tests/support/child_process.h"
#include "tests/support/temp_dir.h"

namespace tazmix {
namespace {

const std::string kExamples = std::string(TAZMIX_BIN_DIR) + "/../examples/";

struct Box {
  int32_t x0, y0, x1, y1;  // [x0, x1) x [y0, y1)
  bool Holds(int32_t x, int32_t y) const { return x >= x0 && x < x1 && y >= y0 && y < y1; }
};

// Where showcase draws, with a pixel to spare for filtered edges.
const Box kImage{19, 19, 95, 95};          // tile.png at (20, 20), 74 x 74
const Box kTurned{127, 4, 234, 111};       // the same turned 30 degrees about (180, 57)
const Box kRect{259, 19, 361, 81};         // (260, 20, 100, 60)
const Box kOval{399, 19, 521, 91};         // inside (400, 20, 120, 70)
const Box kBuiltInText{20, 130, 20 + 28 * 8, 146};
const Box kTrueTypeText{19, 165, 320, 215};
const Box kStatsText{20, 226, 20 + 50 * 8, 242};  // the built-in font, 24 pixels above the bottom

constexpr int32_t kBackground = 0x28283C;  // cls colour (40, 40, 60)

class ShowcaseTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    InitPNGLoader();
    testing::TempDir dir;
    const std::string out = dir / "frame.png";
    const test::ChildResult run = test::RunChild(kExamples + "showcase", {"showcase", "--grab", out});
    ASSERT_TRUE(run.exited && run.exit_code == 0) << run.err;
    frame_ = LoadPixmapPNG(String::FromUTF8String(out));
  }
  static void TearDownTestSuite() { frame_ = nullptr; }

  static int32_t Rgb(int32_t x, int32_t y) { return frame_->ReadPixel(x, y) & 0xFFFFFF; }
  static int32_t Ink(const Box& b) {
    int32_t n = 0;
    for (int32_t y = b.y0; y < b.y1; ++y) {
      for (int32_t x = b.x0; x < b.x1; ++x) n += Rgb(x, y) != kBackground;
    }
    return n;
  }

  static Ref<TPixmap> frame_;
};

Ref<TPixmap> ShowcaseTest::frame_;

TEST_F(ShowcaseTest, GrabbedFrameHasTheWindowSize) {
  ASSERT_TRUE(frame_);
  EXPECT_EQ(frame_->width, 640);
  EXPECT_EQ(frame_->height, 250);
}

TEST_F(ShowcaseTest, NothingIsDrawnOutsideTheItems) {
  ASSERT_TRUE(frame_);
  const Box items[] = {kImage, kTurned, kRect, kOval, kBuiltInText, kTrueTypeText, kStatsText};
  int32_t stray = 0;
  for (int32_t y = 0; y < frame_->height; ++y) {
    for (int32_t x = 0; x < frame_->width; ++x) {
      bool inside = false;
      for (const Box& b : items) inside = inside || b.Holds(x, y);
      stray += !inside && Rgb(x, y) != kBackground;
    }
  }
  EXPECT_EQ(stray, 0);
}

TEST_F(ShowcaseTest, ImagesCoverTheirPlaces) {
  ASSERT_TRUE(frame_);
  // The plain picture is opaque and fills its square.
  EXPECT_EQ(Ink({20, 20, 94, 94}), 74 * 74);
  // The turned one covers its centre and the corner that turning clockwise
  // brings out to the right and up; its unturned corners and the mirror
  // image of that corner stay background.
  EXPECT_NE(Rgb(180, 57), kBackground);
  EXPECT_NE(Rgb(226, 45), kBackground);
  EXPECT_EQ(Rgb(226, 70), kBackground);
  EXPECT_EQ(Rgb(145, 22), kBackground);
  EXPECT_EQ(Rgb(215, 92), kBackground);
}

TEST_F(ShowcaseTest, ShapesHaveTheirColourInsideAndBackgroundAtTheOvalsCorners) {
  ASSERT_TRUE(frame_);
  EXPECT_EQ(Ink({260, 20, 360, 80}), 100 * 60);
  EXPECT_EQ(Rgb(310, 50), 0xDC3C3C);
  EXPECT_EQ(Rgb(460, 55), 0x3CC85A);
  EXPECT_EQ(Rgb(403, 23), kBackground);
  EXPECT_EQ(Rgb(517, 87), kBackground);
}

TEST_F(ShowcaseTest, BothTextsLeaveWhiteInk) {
  ASSERT_TRUE(frame_);
  int32_t white_builtin = 0;
  for (int32_t y = kBuiltInText.y0; y < kBuiltInText.y1; ++y) {
    for (int32_t x = kBuiltInText.x0; x < kBuiltInText.x1; ++x) white_builtin += Rgb(x, y) == 0xFFFFFF;
  }
  // The built-in font is drawn unfiltered: its ink is pure white.
  EXPECT_GT(white_builtin, 200);
  EXPECT_EQ(white_builtin, Ink(kBuiltInText));
  EXPECT_GT(Ink(kTrueTypeText), 500);
}

// The render-image example: its view, drawn at a quarter of the window's
// size, fills the window in blocks of 4 x 4 pixels of one colour; its
// minimap, in a frame at the top right, is scaled smoothly and shows where
// the view is in white.
TEST(RenderImageExampleTest, TheViewIsScaledUpInSharpPixelsAndTheMinimapSmoothly) {
  InitPNGLoader();
  testing::TempDir dir;
  const std::string out = dir / "frame.png";
  const test::ChildResult run = test::RunChild(kExamples + "render_image", {"render_image", "--grab", out});
  ASSERT_TRUE(run.exited && run.exit_code == 0) << run.err;
  const Ref<TPixmap> frame = LoadPixmapPNG(String::FromUTF8String(out));
  ASSERT_TRUE(frame);
  ASSERT_EQ(frame->width * 1000 + frame->height, 640360);
  const auto rgb = [&](int32_t x, int32_t y) { return frame->ReadPixel(x, y) & 0xFFFFFF; };
  const Box minimap{388, 8, 636, 64};  // its frame
  int32_t blurred = 0;
  for (int32_t y = 0; y < 360; y += 4) {
    for (int32_t x = 0; x < 640; x += 4) {
      if (minimap.Holds(x, y)) continue;
      for (int32_t i = 0; i < 16; ++i) blurred += rgb(x + i % 4, y + i / 4) != rgb(x, y);
    }
  }
  EXPECT_EQ(blurred, 0);
  EXPECT_EQ(rgb(389, 9), 0x14141E) << "the minimap's frame";
  int32_t smooth = 0, white = 0;
  for (int32_t y = 12; y < 60; y += 2) {
    for (int32_t x = 392; x < 632; x += 2) {
      smooth += rgb(x, y) != rgb(x + 1, y) || rgb(x, y) != rgb(x, y + 1);
      white += rgb(x, y) == 0xFFFFFF;
    }
  }
  EXPECT_GT(smooth, 100);
  EXPECT_GT(white, 20);
}

TEST(CollisionExampleTest, ItsOwnCheckAgreesAtEveryPlace) {
  const test::ChildResult run = test::RunChild(kExamples + "collision", {"collision", "--check"});
  ASSERT_TRUE(run.exited) << run.err;
  EXPECT_EQ(run.exit_code, 0) << run.out << run.err;
  size_t lines = 0;
  for (size_t at = run.out.find(" ok\n"); at != std::string::npos; at = run.out.find(" ok\n", at + 1)) ++lines;
  EXPECT_EQ(lines, 5u) << run.out;
}

}  // namespace
}  // namespace tazmix
