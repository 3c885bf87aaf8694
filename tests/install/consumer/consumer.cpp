// A program from outside the repository: one include, one start-up call.
// It draws a known frame offscreen, grabs it and checks its pixels, and
// checks that a failed load explains itself. Exit code 0 when all holds;
// otherwise 1, with what differed on standard error.
#include <tazmix/tazmix.h>

#include <cstdio>

using namespace tazmix;

namespace {

int failures = 0;

void Expect(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "consumer: %s\n", what);
  ++failures;
}

int32_t Rgb(const Ref<TPixmap>& frame, int32_t x, int32_t y) { return frame->ReadPixel(x, y) & 0xFFFFFF; }

int Main() {
  InitTazmix();
  if (!OpenGraphics(160, 120, 0, 0, 0)) {
    std::fprintf(stderr, "consumer: no window: %s\n", LastErrorText().ToUTF8String().c_str());
    return 1;
  }
  SetClsColor(0, 0, 64);
  Cls();
  SetColor(255, 0, 0);
  DrawRect(10, 10, 40, 30);
  Ref<TPixmap> pixels = CreatePixmap(8, 8, FORMAT_RGBA32);
  pixels->ClearPixels(static_cast<int32_t>(0xFF00FF00));
  SetColor(255, 255, 255);
  DrawImage(LoadImage(pixels), 100, 20);
  DrawText("Tazmix", 10, 80);
  Ref<TPixmap> frame = GrabPixmap(0, 0, 160, 120);
  Flip(0);

  Expect(frame && frame->width == 160 && frame->height == 120, "the grabbed frame has the window's size");
  if (!frame) return 1;
  Expect(Rgb(frame, 150, 110) == 0x000040, "the background has the Cls colour");
  Expect(Rgb(frame, 25, 25) == 0xFF0000, "the rectangle is red");
  Expect(Rgb(frame, 104, 24) == 0x00FF00, "the image is green");
  int32_t ink = 0;
  for (int32_t y = 80; y < 96; ++y) {
    for (int32_t x = 10; x < 58; ++x) ink += Rgb(frame, x, y) == 0xFFFFFF;
  }
  Expect(ink > 40, "the text is drawn");

  Expect(KeyName(KEY_ESCAPE) == String("Escape"), "KEY_ESCAPE is named");
  SetErrorEcho(false);
  Expect(!LoadImage("no-such-picture.png"), "a missing picture gives Null");
  Expect(LastErrorText().StartsWith("LoadImage(\"no-such-picture.png\"): can't open the file"),
         "a missing picture explains itself");
  if (failures == 0) std::printf("consumer: ok\n");
  return failures == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) { return RunApplication(argc, argv, Main); }
