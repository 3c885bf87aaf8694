// Frames drawn with batching are pixel for pixel the frames drawn one
// primitive at a time (TAZMIX_BATCH=0): the showcase example, both scenes'
// check frames, the game's round screen in a red flash, and a frame that
// mixes every kind of draw with every point that must end a batch.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "draw2d/draw2d.h"
#include "font/freetype_font.h"
#include "glback/gl_raw_text.h"
#include "glback/gl_vex2d_driver.h"
#include "glback/internal/gl_queue.h"
#include "graphics/graphics.h"
#include "pixmap/png_loader.h"
#include "tests/gl2d/gl2d_fixture.h"
#include "tests/support/child_process.h"
#include "tests/support/temp_dir.h"

namespace tazmix {
namespace {

using namespace tazmix::testing;

// A binary PPM (P6, maxval 255) as an RGBA pixmap; Null when it is not one.
Ref<TPixmap> LoadPPM(const std::string& path) {
  FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return nullptr;
  int32_t width = 0, height = 0, maxval = 0;
  Ref<TPixmap> pixmap;
  if (std::fscanf(file, "P6 %d %d %d", &width, &height, &maxval) == 3 && maxval == 255 && width > 0 &&
      height > 0 && width <= 4096 && height <= 4096 && std::fgetc(file) != EOF) {
    pixmap = CreatePixmap(width, height, FORMAT_RGBA32, 4);
    std::vector<uint8_t> row(static_cast<size_t>(width) * 3);
    for (int32_t y = 0; y < height && pixmap; ++y) {
      if (std::fread(row.data(), 1, row.size(), file) != row.size()) pixmap = nullptr;
      for (int32_t x = 0; x < width && pixmap; ++x) {
        const uint8_t* p = &row[static_cast<size_t>(x) * 3];
        pixmap->WritePixel(x, y, PackARGB(255, p[0], p[1], p[2]));
      }
    }
  }
  std::fclose(file);
  return pixmap;
}

// Alpha rising from 0 to 255 across, colours varying with x and y.
Ref<TPixmap> RampPixmap(int32_t width, int32_t height) {
  Ref<TPixmap> p = CreatePixmap(width, height, FORMAT_RGBA32, 4);
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x) {
      p->WritePixel(x, y, PackARGB(x * 255 / (width - 1), 255 - y * 9, x * 11, 90));
    }
  }
  return p;
}

constexpr int32_t kTortureW = 160;
constexpr int32_t kTortureH = 120;

// Images from two textures of their own and from the atlas (opaque and
// translucent) between rectangles, lines, points, ovals, polygons and text
// in both fonts, under every blend mode, with colour, alpha, line width,
// viewport and resolution changes, raw GL text and a grab put back in the
// middle. Null when no context opens.
Ref<TPixmap> TortureFrame(bool batched) {
  InitGLVex2DDriver();
  InitFreeTypeFont();
  SetGLBatching(batched);
  if (!OpenGraphics(kTortureW, kTortureH, 0, 0, 0)) return nullptr;
  const Ref<TImage> opaque = LoadImage(Ref<Object>(PatternPixmap(20, 12)), IMAGE_FILTERED);
  const Ref<TImage> soft = LoadImage(Ref<Object>(RampPixmap(24, 16)), IMAGE_FILTERED);
  const Ref<TImage> wide = LoadImage(Ref<Object>(PatternPixmap(140, 10)), IMAGE_FILTERED);
  const Ref<TImage> mipmapped = LoadImage(Ref<Object>(RampPixmap(16, 16)), IMAGE_FILTERED | IMAGE_MIPMAPPED);
  const Ref<TImageFont> font =
      LoadImageFont(String(TAZMIX_TEST_DATA_DIR "/fonts/LiberationSans-Regular.ttf"), 14, FONT_SMOOTH);
  SetClsColor(30, 40, 50);
  Cls();
  const int32_t blends[] = {BLEND_MASK, BLEND_SOLID, BLEND_ALPHA, BLEND_LIGHT, BLEND_SHADE};
  for (int32_t i = 0; i < 5; ++i) {
    const auto y = static_cast<float>(4 + i * 22);
    SetBlend(blends[i]);
    SetColor(255, 255 - 40 * i, 128 + 20 * i);
    SetAlpha(1);
    DrawImage(opaque, 2, y);  // one texel per pixel
    SetAlpha(0.6f);
    DrawImageRect(opaque, 2, y + 12, 20, 6);
    DrawImage(soft, 24.5f, y);
    SetColor(200, 80, 40);
    DrawRect(50, y, 14, 10);
    SetAlpha(0);
    DrawRect(44, y - 2, 30, 14);
    DrawImage(soft, 40, y);
    SetAlpha(0.8f);
    DrawLine(66, y, 90, y + 12);
    DrawOval(92, y, 18, 12);
    SetImageFont(nullptr);
    DrawText("Ab", 112, y);
    SetRotation(static_cast<float>(20 * i));
    SetScale(1.5f, 0.7f);
    DrawImage(wide, 100, y + 8);
    SetTransform(0, 1, 1);
    DrawImage(mipmapped, 136, y);
    Plot(158, y);
    DrawPoly({150, y + 2, 158, y + 6, 152, y + 14});
  }
  SetBlend(BLEND_ALPHA);
  SetColor(255, 255, 255);
  SetAlpha(1);
  SetViewport(20, 30, 60, 40);
  DrawImageRect(wide, 0, 20, 160, 60);
  SetViewport(0, 0, kTortureW, kTortureH);
  // A coloured image right after a white run: white runs take their texels
  // as they are, and the next run must be modulated again.
  SetColor(90, 200, 60);
  DrawImage(soft, 68, 96);
  // Raw text twice: the first call also makes its font texture.
  for (int32_t i = 0; i < 2; ++i) {
    SetColor(200, 30, 30);
    DrawRect(28, static_cast<float>(48 + 8 * i), 20, 12);
    SetColor(255, 255, 255);
    GLRawText("RAW", 30, 50 + 8 * i);
    SetAlpha(0.5f);
  }
  DrawRect(40, 56, 30, 6);
  SetBlend(BLEND_SOLID);  // the grab's own blend: no change of mode ends the batch
  DrawRect(4, 4, 20, 10);
  const Ref<TPixmap> grabbed = GrabPixmap(0, 0, 40, 30);
  DrawRect(112, 88, 20, 10);
  DrawPixmap(grabbed, 110, 85);
  SetBlend(BLEND_ALPHA);
  DrawLine(0, 110, 160, 92, 0);
  SetLineWidth(3);
  DrawLine(0, 118, 160, 100, 0);
  SetLineWidth(1);
  SetAlpha(1);
  SetVirtualResolution(80, 60);
  DrawImage(opaque, 10, 50);  // one texel per drawing unit, two pixels on screen
  SetVirtualResolution(kTortureW, kTortureH);
  SetImageFont(font);
  SetRotation(-15);
  DrawText(u"Grüße", 60, 70);
  SetRotation(0);
  DrawText(u"Wort", 100, 60);
  const Ref<TPixmap> frame = GrabPixmap(0, 0, kTortureW, kTortureH);
  EndGraphics();
  SetGLBatching(true);
  return frame;
}

struct FrameSource {
  const char* name;
  // A program of the build tree; Null: the torture frame, in this process.
  const char* program;
  // Its arguments after argv[0]; "OUT" stands for the frame's file.
  std::vector<std::string> args;
  const char* extension;
};

void PrintTo(const FrameSource& source, std::ostream* os) { *os << source.name; }

// One frame of the source; `error` says why there is none.
Ref<TPixmap> DrawFrame(const FrameSource& source, bool batched, std::string& error) {
  if (!source.program) {
    Ref<TPixmap> frame = TortureFrame(batched);
    if (!frame) error = "no GL context";
    return frame;
  }
  TempDir dir;
  const std::string out = dir / (std::string("frame") + source.extension);
  const std::string program = std::string(TAZMIX_BIN_DIR) + "/../" + source.program;
  // Bounded well below the test's own time limit.
  std::vector<std::string> args = {"timeout", "60", program};
  for (const std::string& a : source.args) args.push_back(a == "OUT" ? out : a);
  test::ChildOptions options;
  options.environment = {batched ? "TAZMIX_BATCH=1" : "TAZMIX_BATCH=0"};
  const test::ChildResult run = test::RunChild("/usr/bin/timeout", args, options);
  if (!run.exited || run.exit_code != 0) {
    error = program + " failed (exit " + std::to_string(run.exit_code) + "): " + run.out + run.err;
    return nullptr;
  }
  Ref<TPixmap> frame = std::string(source.extension) == ".png" ? LoadPixmapPNG(String::FromUTF8String(out)) : LoadPPM(out);
  if (!frame) error = "cannot read " + out;
  return frame;
}

class BatchedFrames : public ::testing::TestWithParam<FrameSource> {};

TEST_P(BatchedFrames, AreThePixelsOfFramesDrawnOneByOne) {
  InitPNGLoader();
  std::string error;
  const Ref<TPixmap> one_by_one = DrawFrame(GetParam(), false, error);
  ASSERT_TRUE(one_by_one) << error;
  const Ref<TPixmap> batched = DrawFrame(GetParam(), true, error);
  ASSERT_TRUE(batched) << error;
  ASSERT_EQ(batched->width, one_by_one->width);
  ASSERT_EQ(batched->height, one_by_one->height);
  int32_t differing = 0, first_x = -1, first_y = -1, drawn = 0;
  const int32_t background = Rgb(one_by_one, one_by_one->width - 1, 0);
  for (int32_t y = 0; y < batched->height; ++y) {
    for (int32_t x = 0; x < batched->width; ++x) {
      drawn += Rgb(one_by_one, x, y) != background;
      if (Rgb(batched, x, y) == Rgb(one_by_one, x, y)) continue;
      if (differing++ == 0) first_x = x, first_y = y;
    }
  }
  EXPECT_EQ(differing, 0) << "first at (" << first_x << ", " << first_y << "): " << std::hex
                          << Rgb(batched, first_x, first_y) << " instead of " << Rgb(one_by_one, first_x, first_y);
  // A frame of one colour would prove nothing.
  EXPECT_GT(drawn, batched->width * batched->height / 20);
}

INSTANTIATE_TEST_SUITE_P(
    Sources, BatchedFrames,
    ::testing::Values(FrameSource{"Showcase", "examples/showcase", {"--grab", "OUT"}, ".png"},
                      FrameSource{"Sprites", "bench/scene_sprites", {"sprites", "1000", "--check", "OUT"}, ".ppm"},
                      FrameSource{"WordGrid", "bench/scene_wordgrid", {"wordgrid", "--check", "OUT"}, ".ppm"},
                      FrameSource{"RoundScreenInAFlash", "bench/scene_round_screen", {"round", "--check", "OUT"}, ".ppm"},
                      FrameSource{"DrawOrderTorture", nullptr, {}, ""}),
    [](const ::testing::TestParamInfo<FrameSource>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tazmix
