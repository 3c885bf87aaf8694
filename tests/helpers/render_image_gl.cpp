// Draws a small scene straight onto a window and through a 50 x 30 render
// image, for the tests of render images on the GL a Mesa override makes
// (older versions, fewer extensions). Prints
//   framebuffers <kind> any_size <0|1>
//   differences <pixels that differ, window and read back>
// or, where GL can't draw into images,
//   none: <the recorded line>
// Exit code 1 when no window opens.
#include <cstdio>

#include "draw2d/draw2d.h"
#include "glback/gl_vex2d_driver.h"
#include "glback/internal/gl_state.h"
#include "graphics/graphics.h"
#include "runtime/application.h"
#include "runtime/error_report.h"

using namespace tazmix;

namespace {

constexpr int32_t kW = 50, kH = 30;

void DrawScene(const Ref<TImage>& picture) {
  SetClsColor(20, 40, 60);
  Cls();
  SetBlend(BLEND_ALPHA);
  SetColor(255, 255, 255);
  SetAlpha(1);
  SetRotation(25);
  DrawImage(picture, 12, 4);
  SetRotation(0);
  SetColor(250, 120, 30);
  SetAlpha(0.5f);
  DrawOval(20, 5, 28, 20);
  SetAlpha(1);
  SetColor(255, 255, 255);
  DrawText("Hi", 2, 12);
}

int32_t Differences(const Ref<TPixmap>& a, const Ref<TPixmap>& b) {
  int32_t n = 0;
  for (int32_t y = 0; y < kH; ++y) {
    for (int32_t x = 0; x < kW; ++x) n += (a->ReadPixel(x, y) & 0xFFFFFF) != (b->ReadPixel(x, y) & 0xFFFFFF);
  }
  return n;
}

int HelperMain() {
  SetErrorEcho(false);
  InitGLVex2DDriver();
  if (!OpenGraphics(64, 48, 0, 0, 0)) return 1;
  Ref<TPixmap> pixels = CreatePixmap(9, 7, FORMAT_RGBA32, 4);
  for (int32_t y = 0; y < 7; ++y) {
    for (int32_t x = 0; x < 9; ++x) pixels->WritePixel(x, y, static_cast<int32_t>(0xFF000000u | (x * 28) << 16 | (y * 36) << 8 | 90));
  }
  const Ref<TImage> picture = LoadImage(Ref<Object>(pixels), IMAGE_FILTERED);
  DrawScene(picture);
  const Ref<TPixmap> straight = GrabPixmap(0, 0, kW, kH);

  const Ref<TImage> image = CreateRenderImage(kW, kH, 0);
  if (!image) {
    std::printf("none: %s\n", LastErrorText().ToUTF8String().c_str());
    return 0;
  }
  const GLFramebufferCalls& calls = GLBack().shared.framebuffer;
  std::printf("framebuffers %d any_size %d\n", calls.kind, calls.any_size ? 1 : 0);
  SetRenderImage(image);
  DrawScene(picture);
  SetRenderImage(nullptr);
  SetClsColor(0, 0, 0);
  Cls();
  SetBlend(BLEND_SOLID);
  DrawImage(image, 0, 0);
  std::printf("differences %d %d\n", Differences(GrabPixmap(0, 0, kW, kH), straight),
              Differences(LockImage(image, 0, 1, 0), straight));
  return 0;
}

}  // namespace

int main(int argc, char** argv) { return RunApplication(argc, argv, HelperMain); }
