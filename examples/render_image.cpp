// render_image: drawing into images. A landscape three views wide is drawn
// at 160 x 90 into a render image and shown four times as large in sharp
// pixels; a second render image is the minimap, the whole landscape in its
// own virtual resolution with the view marked, shown smoothly in a corner.
//
// Controls: none, the view scrolls along the landscape by itself; Escape
// ends.
//
//   render_image [--grab OUT.png]
//
// Closing the window ends it too. With --grab it draws one frame, saves it
// as a PNG and ends: exit code 0, or 1 when something could not be made,
// loaded or written.
#include <cmath>
#include <cstdio>

#include <tazmix/tazmix.h>

using namespace tazmix;

namespace {

constexpr int32_t kWindowWidth = 640;
constexpr int32_t kWindowHeight = 360;
constexpr int32_t kZoom = 4;
constexpr int32_t kViewWidth = kWindowWidth / kZoom;  // 160 x 90 pixels, scaled up
constexpr int32_t kViewHeight = kWindowHeight / kZoom;
constexpr float kWorldWidth = 3 * kViewWidth;  // the landscape
// The minimap: 120 x 24 pixels drawn twice as large at (392, 12), in a frame.
constexpr int32_t kMapWidth = 120;
constexpr int32_t kMapHeight = 24;
constexpr float kMapX = 392;
constexpr float kMapY = 12;

// A path from the command line: RunApplication has moved to the program's
// folder, so relative paths are taken from where the program was started.
String ArgumentPath(const String& path) {
  return path.StartsWith("/") ? path : StartDirectory + "/" + path;
}

// The landscape in its own units (kWorldWidth x kViewHeight), wherever the
// current target's origin and virtual resolution put it.
void DrawWorld(const Ref<TImage>& ball, int32_t frame) {
  SetBlend(BLEND_MASK);
  SetColor(90, 160, 220);
  DrawRect(0, 0, kWorldWidth, kViewHeight);  // sky
  SetColor(250, 220, 80);
  DrawOval(40, 10, 18, 18);  // sun
  for (int32_t i = 0; i < 6; ++i) {
    const float x = static_cast<float>(i) * 90 - 30;
    SetColor(60 + 15 * (i % 3), 150 - 10 * (i % 2), 70);
    DrawOval(x, 55, 120, 70);  // hills
    SetColor(110, 70, 40);
    DrawRect(x + 70, 48, 4, 14);  // a tree on each
    SetColor(40, 120, 50);
    DrawOval(x + 64, 36, 16, 16);
  }
  // A ball bouncing along, and the title painted on the sky.
  const float bx = std::fmod(static_cast<float>(frame) * 1.5f, kWorldWidth - 16);
  const float by = 40 - 30 * std::fabs(std::sin(static_cast<float>(frame) * 0.05f));
  SetColor(255, 255, 255);
  SetScale(0.5f, 0.5f);
  DrawImage(ball, bx, by);
  SetScale(1, 1);
  DrawText("TAZMIX", 200, 22);
}

void DrawFrame(const Ref<TImage>& view, const Ref<TImage>& map, const Ref<TImage>& ball, int32_t frame) {
  // The view follows the landscape there and back.
  const float travel = kWorldWidth - kViewWidth;
  const float phase = std::fmod(static_cast<float>(frame), 2 * travel);
  const float scroll = std::floor(phase < travel ? phase : 2 * travel - phase);

  SetRenderImage(view);
  SetOrigin(-scroll, 0);
  DrawWorld(ball, frame);
  SetOrigin(0, 0);

  // The minimap's virtual resolution was set once: the whole landscape.
  SetRenderImage(map);
  DrawWorld(ball, frame);
  SetColor(255, 255, 255);
  SetLineWidth(2);
  DrawLine(scroll, 1, scroll + kViewWidth, 1);
  DrawLine(scroll, kViewHeight - 1, scroll + kViewWidth, kViewHeight - 1);
  DrawLine(scroll + 1, 0, scroll + 1, kViewHeight);
  DrawLine(scroll + kViewWidth - 1, 0, scroll + kViewWidth - 1, kViewHeight);
  SetLineWidth(1);

  SetRenderImage(nullptr);
  Cls();
  SetColor(255, 255, 255);
  DrawImageRect(view, 0, 0, kWindowWidth, kWindowHeight);  // unfiltered: sharp pixels
  SetColor(20, 20, 30);
  DrawRect(kMapX - 4, kMapY - 4, 2 * kMapWidth + 8, 2 * kMapHeight + 8);
  SetColor(255, 255, 255);
  DrawImageRect(map, kMapX, kMapY, 2 * kMapWidth, 2 * kMapHeight);  // filtered: smooth
}

int RenderImageMain() {
  String grab_path;
  for (size_t i = 1; i + 1 < ApplicationArgs.size(); i += 2) {
    if (ApplicationArgs[i] == "--grab") grab_path = ArgumentPath(ApplicationArgs[i + 1]);
  }

  InitTazmix();
  ApplicationTitle = "render_image";
  if (!OpenGraphics(kWindowWidth, kWindowHeight, 0, 60, 0)) {
    std::fprintf(stderr, "render_image: no OpenGL window\n");
    return 1;
  }
  // Render images need graphics to be made: after OpenGraphics.
  const Ref<TImage> view = CreateRenderImage(kViewWidth, kViewHeight, 0);
  const Ref<TImage> map = CreateRenderImage(kMapWidth, kMapHeight, IMAGE_FILTERED);
  const Ref<TImage> ball = LoadImage("ball.png", 0);
  if (!view || !map || !ball) {
    std::fprintf(stderr, "render_image: cannot make the images or load ball.png\n");
    return 1;
  }
  SetImageHandle(ball, 16, 16);
  SetRenderImage(map);
  SetVirtualResolution(kWorldWidth, kViewHeight);  // stays with the image
  SetRenderImage(nullptr);

  if (!grab_path.IsEmpty()) {
    DrawFrame(view, map, ball, 100);
    // Read the frame back before Flip: afterwards the back buffer's content is undefined.
    Ref<TPixmap> frame = GrabPixmap(0, 0, kWindowWidth, kWindowHeight);
    Flip(0);
    if (!frame || !SavePixmapPNG(frame, grab_path, 6)) {
      std::fprintf(stderr, "render_image: cannot write %s\n", grab_path.ToUTF8String().c_str());
      return 1;
    }
    return 0;
  }

  for (int32_t frame = 0; !KeyHit(KEY_ESCAPE) && !AppTerminate(); ++frame) {
    DrawFrame(view, map, ball, frame);
    Flip(-1);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) { return RunApplication(argc, argv, RenderImageMain); }
