// The queue between the drawing layer and GL, seen through the frame
// statistics: what shares a draw, what must reach GL before the frame ends
// and why, and frames that repeat the one on screen.
#include <gtest/gtest.h>

#include <string>

#include "glback/gl_graphics.h"
#include "glback/gl_raw_text.h"
#include "tests/gl2d/gl2d_fixture.h"
#include "tests/support/child_process.h"
#include "tests/support/temp_dir.h"

namespace tazmix {
namespace {

using namespace tazmix::testing;

class FrameQueue : public GL2DTest {
 protected:
  void SetUp() override {
    GL2DTest::SetUp();
    Flip(0);  // statistics count from a frame of the test's own
  }
  void TearDown() override {
    SetRepeatedFrameSkip(1);
    GL2DTest::TearDown();
  }
  static Ref<TImage> Small(int32_t argb, int32_t flags = 0) {
    return LoadImage(Ref<Object>(SolidPixmap(6, 6, argb)), flags);
  }
};

TEST_F(FrameQueue, ImagesOfOnePageTextAndColoursShareOneDraw) {
  const auto red = Small(PackARGB(255, 255, 0, 0));
  const auto blue = Small(PackARGB(255, 0, 0, 255));
  Cls();
  SetBlend(BLEND_MASK);
  for (int32_t i = 0; i < 5; ++i) {
    SetColor(255, 255 - 40 * i, 255);
    SetAlpha(0.5f + 0.1f * static_cast<float>(i));
    SetRotation(static_cast<float>(17 * i));
    DrawImage(i % 2 ? red : blue, static_cast<float>(8 * i), 10);
    DrawText("ab", 2, 30);  // the built-in font's glyphs share the page
  }
  Flip(0);
  FrameStats s = LastFrameStats();
  EXPECT_EQ(s.draws, 1);
  EXPECT_EQ(s.vertices, 5 * 4 + 5 * 2 * 4);
  EXPECT_EQ(s.flushes, 1);
  EXPECT_EQ(s.flushes_by[FLUSH_FLIP], 1);

  // Another texture, a primitive or another blend mode each begin a run.
  const auto own = Small(-1, IMAGE_DYNAMIC);
  DrawImage(own, 0, 0);
  Flip(0);
  EXPECT_EQ(LastFrameStats().uploads, 1) << "the dynamic image's texture";
  Cls();
  DrawImage(red, 0, 0);
  DrawImage(own, 0, 0);
  DrawImage(red, 0, 0);
  DrawRect(0, 0, 4, 4);
  SetBlend(BLEND_ALPHA);
  DrawRect(0, 0, 4, 4);
  Flip(0);
  s = LastFrameStats();
  EXPECT_EQ(s.draws, 5);
  EXPECT_EQ(s.binds, 3);
  EXPECT_EQ(s.uploads, 0);
}

TEST_F(FrameQueue, WhatReadsOrWritesGLMidFrameSendsTheQueueAndSaysWhy) {
  const auto red = Small(PackARGB(255, 255, 0, 0));
  Cls();
  DrawImage(red, 0, 0);
  const Ref<TPixmap> grabbed = GrabPixmap(0, 0, 8, 8);
  EXPECT_EQ(Rgb(grabbed, 2, 2), 0xFF0000) << "the grab sees what was queued before it";
  DrawImage(red, 10, 0);
  DrawPixmap(grabbed, 20, 0);
  DrawImage(red, 30, 0);
  GLRawText("A", 40, 0);
  DrawImage(red, 50, 0);
  Flip(0);
  const FrameStats s = LastFrameStats();
  EXPECT_EQ(s.flushes_by[FLUSH_GRAB], 1);
  EXPECT_EQ(s.flushes_by[FLUSH_PIXMAP], 1);
  EXPECT_EQ(s.flushes_by[FLUSH_RAW_GL], 1);
  EXPECT_EQ(s.flushes_by[FLUSH_FLIP], 1);
  EXPECT_EQ(s.flushes, 4);
  EXPECT_EQ(s.draws, 4);
}

TEST_F(FrameQueue, AFrameThatRepeatsTheOneOnScreenIsNeitherDrawnNorShown) {
  const auto red = Small(PackARGB(255, 255, 0, 0));
  Ref<TImage> extra;
  // One frame; 1 when it repeated the one on screen.
  const auto show = [&](float x) {
    Cls();
    DrawImage(red, x, 4);
    DrawText("Menu", 2, 20);
    if (extra) DrawImage(extra, 60, 60);  // off the window: only its texels count
    Flip(0);
    return LastFrameStats().repeated;
  };
  EXPECT_EQ(show(4), 0);
  EXPECT_EQ(show(4), 1) << LastFrameStats().flushes << " " << LastFrameStats().uploads << " " << LastFrameStats().draws;
  EXPECT_EQ(LastFrameStats().draws, 0);
  EXPECT_EQ(LastFrameStats().flushes, 0);
  // The window shows the frame drawn.
  const Ref<TPixmap> screen = Screen();
  EXPECT_EQ(Rgb(screen, 6, 6), 0xFF0000);
  EXPECT_GT(InkIn(screen, 2, 20, 40, 36), 20);
  EXPECT_EQ(show(4), 0) << "pixels were read in the frame";

  // Whatever changes what is drawn draws the frame: a position, a colour,
  // new texels, raw GL.
  EXPECT_EQ(show(5), 0);
  SetColor(0, 255, 0);
  EXPECT_EQ(show(5), 0);
  EXPECT_EQ(show(5), 1);
  extra = Small(-1);
  EXPECT_EQ(show(5), 0);
  EXPECT_EQ(show(5), 1);
  Cls();
  DrawImage(red, 5, 4);
  DrawText("Menu", 2, 20);
  DrawImage(extra, 60, 60);
  GLRawText("A", 40, 30);
  Flip(0);
  EXPECT_EQ(LastFrameStats().repeated, 0);
  EXPECT_EQ(show(5), 0) << "the frame on screen had raw GL in it";
  EXPECT_EQ(show(5), 1);

  // Turned off, every frame is drawn.
  SetRepeatedFrameSkip(0);
  EXPECT_EQ(show(5), 0);
  EXPECT_EQ(show(5), 0);
  EXPECT_EQ(LastFrameStats().draws, 1);
}

// The figure the batching of the round screen reached, counted on a frame
// in the red flash of a wrong click (the scene's check frame); a change that
// splits its runs again shows here first.
TEST(RoundScreenDraws, TheRoundScreenInAFlashTakesFiveDraws) {
  const std::string program = std::string(TAZMIX_BIN_DIR) + "/../bench/scene_round_screen";
  testing::TempDir dir;
  test::ChildOptions options;
  options.environment = {"SDL_VIDEODRIVER=offscreen"};
  const test::ChildResult run =
      test::RunChild("/usr/bin/timeout", {"timeout", "60", program, "round", "--check", dir / "flash.ppm"}, options);
  ASSERT_TRUE(run.exited && run.exit_code == 0) << run.out << run.err;
  const size_t at = run.out.find(" ok draws=");
  ASSERT_NE(at, std::string::npos) << run.out;
  EXPECT_LE(std::stoi(run.out.substr(at + 10)), 5) << run.out;
}

}  // namespace
}  // namespace tazmix
