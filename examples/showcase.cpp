// showcase: a first look at the library in one window: basic shapes, an
// image (plain and turned), text in the built-in font and in a TrueType
// font, and at the bottom what drawing the frame before cost GL
// (LastFrameStats). The other examples show one thing each.
//
// Controls: Escape ends.
//
//   showcase [--font TTF] [--grab OUT.png]
//
// With --grab it draws one frame, saves it as a PNG and ends: exit code 0,
// or 1 when a picture, the font or the PNG could not be loaded or written.
#include <cstdio>

#include <tazmix/tazmix.h>

using namespace tazmix;

namespace {

constexpr int32_t kWidth = 640;
constexpr int32_t kHeight = 250;

// A path from the command line: RunApplication has moved to the program's
// folder, so relative paths are taken from where the program was started.
String ArgumentPath(const String& path) {
  return path.StartsWith("/") ? path : StartDirectory + "/" + path;
}

// The last frame that was drawn: a frame that repeats the one on screen is
// not drawn again, and showing its zeros would change the next frame.
FrameStats shown_stats;

void DrawStats() {
  const FrameStats s = LastFrameStats();
  if (!s.repeated) shown_stats = s;
  SetImageFont(nullptr);
  SetColor(160, 160, 190);
  DrawText("draws " + String::FromInt(shown_stats.draws) + "  binds " + String::FromInt(shown_stats.binds) +
               "  vertices " + String::FromInt(shown_stats.vertices) + "  uploads " + String::FromInt(shown_stats.uploads),
           20, kHeight - 24);
}

void DrawScene(const Ref<TImage>& tile, const Ref<TImageFont>& font) {
  Cls();
  SetColor(255, 255, 255);

  // The picture as it is, its top-left corner at (20, 20).
  SetImageHandle(tile, 0, 0);
  DrawImage(tile, 20, 20);

  // The same picture turned 30 degrees clockwise about its centre at (180, 57).
  MidHandleImage(tile);
  SetRotation(30);
  DrawImage(tile, 180, 57);
  SetRotation(0);

  // A red rectangle and a green oval filling the rectangle (400, 20, 120, 70).
  SetColor(220, 60, 60);
  DrawRect(260, 20, 100, 60);
  SetColor(60, 200, 90);
  DrawOval(400, 20, 120, 70);

  // Text: the built-in 8x16 font, then the TrueType font.
  SetColor(255, 255, 255);
  SetImageFont(nullptr);
  DrawText("Hello from the built-in font", 20, 130);
  SetImageFont(font);
  DrawText(u"Grüße in TrueType", 20, 170);
  DrawStats();
}

int ShowcaseMain() {
  String font_path = "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf";
  String grab_path;
  for (size_t i = 1; i + 1 < ApplicationArgs.size(); i += 2) {
    if (ApplicationArgs[i] == "--font") font_path = ArgumentPath(ApplicationArgs[i + 1]);
    if (ApplicationArgs[i] == "--grab") grab_path = ArgumentPath(ApplicationArgs[i + 1]);
  }

  InitTazmix();
  ApplicationTitle = "showcase";
  if (!OpenGraphics(kWidth, kHeight, 0, 60, 0)) {
    std::fprintf(stderr, "showcase: no OpenGL window\n");
    return 1;
  }
  SetClsColor(40, 40, 60);
  SetBlend(BLEND_ALPHA);

  // Relative to the program's folder, where the build puts the picture.
  Ref<TImage> tile = LoadImage("tile.png", IMAGE_FILTERED);
  Ref<TImageFont> font = LoadImageFont(font_path, 32, FONT_SMOOTH);
  if (!tile || !font) {
    std::fprintf(stderr, "showcase: cannot load tile.png or %s\n", font_path.ToUTF8String().c_str());
    return 1;
  }

  if (!grab_path.IsEmpty()) {
    DrawScene(tile, font);
    // Read the frame back before Flip: afterwards the back buffer's content is undefined.
    Ref<TPixmap> frame = GrabPixmap(0, 0, kWidth, kHeight);
    Flip(0);
    if (!frame || !SavePixmapPNG(frame, grab_path, 6)) {
      std::fprintf(stderr, "showcase: cannot write %s\n", grab_path.ToUTF8String().c_str());
      return 1;
    }
    return 0;
  }

  while (!KeyHit(KEY_ESCAPE) && !AppTerminate()) {
    DrawScene(tile, font);
    Flip(-1);  // paced at the 60 frames per second OpenGraphics was given
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) { return RunApplication(argc, argv, ShowcaseMain); }
