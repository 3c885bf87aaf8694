// Render images on the GL 2D driver: what is drawn into one, how it draws,
// where drawing goes when targets change, and how long its pixels last.
#include <gtest/gtest.h>

#include <string>

#include "glback/gl_graphics.h"
#include "glback/gl_raw_draw.h"
#include "glback/internal/gl_render_frame.h"
#include "runtime/error_report.h"
#include "tests/gl2d/gl2d_fixture.h"
#include "tests/support/child_process.h"

namespace tazmix {
namespace {

using namespace tazmix::testing;

// Pixels that differ between two grabs of one size.
int32_t Differences(const Ref<TPixmap>& a, const Ref<TPixmap>& b) {
  int32_t n = 0;
  for (int32_t y = 0; y < a->height; ++y) {
    for (int32_t x = 0; x < a->width; ++x) n += Rgb(a, x, y) != Rgb(b, x, y);
  }
  return n;
}

// The pen as the fixture leaves it.
void PlainPen() {
  SetColor(255, 255, 255);
  SetAlpha(1);
  SetBlend(BLEND_MASK);
  SetRotation(0);
  SetScale(1, 1);
}

class RenderImages : public GL2DTest {
 protected:
  void SetUp() override {
    GL2DTest::SetUp();
    ClearLastError();
    SetErrorEcho(false);
  }
  void TearDown() override {
    SetErrorEcho(true);
    GL2DTest::TearDown();
  }

  // Every kind of drawing over an opaque Cls, in every blend mode (only
  // opaque pixels with BLEND_SOLID, which writes alpha as drawn).
  void DrawScene() {
    SetClsColor(30, 60, 90);
    Cls();
    const Ref<TImage> pattern = LoadImage(Ref<Object>(PatternPixmap(12, 10)), IMAGE_FILTERED);
    Ref<TPixmap> glass = SolidPixmap(10, 10, PackARGB(128, 250, 200, 40));
    const Ref<TImage> translucent = LoadImage(Ref<Object>(glass), 0);
    const int32_t modes[] = {BLEND_MASK, BLEND_SOLID, BLEND_ALPHA, BLEND_LIGHT, BLEND_SHADE};
    for (int32_t i = 0; i < 5; ++i) {
      const float x = static_cast<float>(12 * i);
      const bool solid = modes[i] == BLEND_SOLID;
      SetBlend(modes[i]);
      SetColor(255, 255, 255);
      SetAlpha(solid ? 1.0f : 0.6f);
      DrawImage(solid ? pattern : translucent, x, 2);
      SetRotation(20);
      DrawImage(pattern, x + 2, 14);
      SetRotation(0);
      SetColor(200, 80 + 30 * i, 120);
      DrawRect(x, 28, 9, 5);
      DrawOval(x, 34, 10, 6);
      DrawLine(x, 44, x + 10, 47);
    }
    PlainPen();
    SetBlend(BLEND_ALPHA);
    DrawText("Ab", 40, 0);
    Ref<TPixmap> block = SolidPixmap(3, 3, PackARGB(255, 10, 240, 10));
    DrawPixmap(block, 60, 44);
    EnterRaw2D();
    glColor4ub(240, 10, 240, 255);
    GLRawRect(56, 20, 4, 6);
    LeaveRaw2D();
    PlainPen();
  }
};

TEST_F(RenderImages, ASceneDrawnIntoAnImageAndBackOneToOneIsTheSceneDrawnStraight) {
  DrawScene();
  const Ref<TPixmap> straight = Screen();
  const Ref<TImage> image = CreateRenderImage(kScreenW, kScreenH);
  ASSERT_TRUE(image) << LastErrorText().ToUTF8String();
  ASSERT_EQ(SetRenderImage(image), 1);
  EXPECT_EQ(RenderImage(), image);
  DrawScene();
  ASSERT_EQ(SetRenderImage(nullptr), 1);
  EXPECT_FALSE(RenderImage());
  // Opaque as the scene is, any of the modes that keep opaque pixels gives it back.
  for (const int32_t blend : {BLEND_MASK, BLEND_SOLID, BLEND_ALPHA}) {
    SetClsColor(0, 255, 0);
    Cls();
    SetBlend(blend);
    DrawImage(image, 0, 0);
    EXPECT_EQ(Differences(Screen(), straight), 0) << "blend " << blend;
  }
  EXPECT_EQ(Differences(LockImage(image, 0, 1, 0), straight), 0) << "its pixels in main memory";
}

TEST_F(RenderImages, AlphaOntoATransparentImageIsStraightAndStaysCoverageOnAnOpaqueOne) {
  const Ref<TImage> clear = CreateRenderImage(8, 8);
  const Ref<TImage> opaque = CreateRenderImage(8, 8);
  ASSERT_TRUE(clear && opaque);
  EXPECT_EQ(LockImage(clear, 0, 1, 0)->ReadPixel(3, 3), 0) << "it starts transparent";
  const auto half_red = [] {
    SetBlend(BLEND_ALPHA);
    SetColor(255, 0, 0);
    SetAlpha(0.5f);  // 127
    DrawRect(0, 0, 8, 8);
    PlainPen();
  };
  SetRenderImage(clear);
  half_red();
  SetRenderImage(opaque);
  Cls();
  half_red();
  SetAlpha(0.4f);
  SetBlend(BLEND_SHADE);
  DrawRect(0, 0, 4, 8);
  SetBlend(BLEND_LIGHT);
  DrawRect(4, 0, 4, 8);
  SetBlend(BLEND_MASK);
  SetAlpha(0.6f);
  DrawRect(0, 6, 8, 2);
  SetBlend(BLEND_SOLID);
  SetAlpha(0);
  DrawRect(6, 6, 2, 2);  // cleared to transparent, as the header says
  PlainPen();
  SetRenderImage(nullptr);
  EXPECT_EQ(static_cast<uint32_t>(LockImage(clear, 0, 1, 0)->ReadPixel(3, 3)), PackARGB(127, 127, 0, 0));
  const Ref<TPixmap> covered = LockImage(opaque, 0, 1, 0);
  EXPECT_EQ(static_cast<uint32_t>(covered->ReadPixel(1, 1)) >> 24, 255u) << "shade keeps alpha";
  EXPECT_EQ(static_cast<uint32_t>(covered->ReadPixel(6, 1)) >> 24, 255u) << "light keeps it opaque";
  EXPECT_EQ(static_cast<uint32_t>(covered->ReadPixel(1, 7)) >> 24, 255u) << "so does mask";
  EXPECT_EQ(static_cast<uint32_t>(covered->ReadPixel(7, 7)) >> 24, 0u) << "solid writes alpha";

  // Onto white: darker through the image than drawn straight.
  SetClsColor(255, 255, 255);
  Cls();
  SetBlend(BLEND_ALPHA);
  DrawImage(clear, 0, 0);
  SetColor(255, 0, 0);
  SetAlpha(0.5f);
  DrawRect(20, 0, 8, 8);
  const Ref<TPixmap> screen = Screen();
  EXPECT_EQ(Rgb(screen, 3, 3), 0xBF8080);
  EXPECT_EQ(Rgb(screen, 23, 3), 0xFF8080);
}

TEST_F(RenderImages, ItDrawsAsAnImageOfItsPixelsDoesInEveryModeAndCollidesByThem) {
  const Ref<TImage> image = CreateRenderImage(20, 12, IMAGE_FILTERED);
  ASSERT_TRUE(image);
  SetRenderImage(image);
  DrawImage(LoadImage(Ref<Object>(PatternPixmap(12, 10)), 0), 4, 1);
  SetBlend(BLEND_ALPHA);
  SetColor(255, 200, 0);
  SetAlpha(0.5f);
  DrawOval(0, 0, 8, 8);
  PlainPen();
  SetRenderImage(nullptr);
  const Ref<TImage> copy = LoadImage(Ref<Object>(LockImage(image, 0, 1, 0)->Copy()), IMAGE_FILTERED);
  MidHandleImage(image);
  MidHandleImage(copy);
  for (const int32_t blend : {BLEND_MASK, BLEND_SOLID, BLEND_ALPHA, BLEND_LIGHT, BLEND_SHADE}) {
    const auto draw = [&](const Ref<TImage>& which) {
      SetClsColor(90, 90, 90);
      Cls();
      SetBlend(blend);
      SetColor(200, 180, 255);
      SetAlpha(0.7f);
      SetTransform(30, 1.5f, 0.8f);
      DrawImage(which, 30, 24);
      PlainPen();
      return Screen();
    };
    EXPECT_EQ(Differences(draw(image), draw(copy)), 0) << "blend " << blend;
  }

  // Collision reads what was drawn into it last.
  const Ref<TImage> dot = LoadImage(Ref<Object>(SolidPixmap(1, 1, -1)), 0);
  SetImageHandle(image, 0, 0);
  EXPECT_EQ(ImagesOverlap(image, 0, 0, 0, dot, 8, 5, 0), 1) << "the pattern";
  EXPECT_EQ(ImagesOverlap(image, 0, 0, 0, dot, 18, 10, 0), 0) << "transparent";
  SetRenderImage(image);
  DrawRect(17, 9, 2, 2);
  SetRenderImage(nullptr);
  EXPECT_EQ(ImagesOverlap(image, 0, 0, 0, dot, 18, 10, 0), 1);

  // Mipmaps are made from what was drawn: as one pixel, red and blue mix.
  const Ref<TImage> halves = CreateRenderImage(32, 32, IMAGE_FILTERED | IMAGE_MIPMAPPED);
  SetRenderImage(halves);
  SetClsColor(255, 0, 0);
  Cls();
  SetColor(0, 0, 255);
  DrawRect(16, 0, 16, 32);
  PlainPen();
  SetRenderImage(nullptr);
  SetClsColor(0, 0, 0);
  Cls();
  SetScale(1.0f / 32, 1.0f / 32);
  DrawImage(halves, 10, 10);
  PlainPen();
  const int32_t mixed = Screen()->ReadPixel(10, 10);
  EXPECT_GT((mixed >> 16) & 255, 60) << std::hex << mixed;
  EXPECT_GT(mixed & 255, 60) << std::hex << mixed;
}

TEST_F(RenderImages, PixelsGoToMainMemoryWhenReadAndBackWhenWritten) {
  const Ref<TImage> image = CreateRenderImage(8, 8, 0);
  ASSERT_TRUE(image);
  SetRenderImage(image);
  SetClsColor(0, 0, 255);
  Cls();
  SetRenderImage(nullptr);
  Ref<TPixmap> pixels = LockImage(image);  // read and write
  EXPECT_EQ(Rgb(pixels, 2, 2), 0x0000FF);
  pixels->WritePixel(2, 2, PackARGB(255, 255, 0, 0));
  UnlockImage(image);
  SetClsColor(0, 0, 0);
  Cls();
  DrawImage(image, 10, 10);
  Ref<TPixmap> screen = Screen();
  EXPECT_EQ(Rgb(screen, 12, 12), 0xFF0000);
  EXPECT_EQ(Rgb(screen, 13, 12), 0x0000FF);

  // Drawn into again, a read sees the drawing; a grab given to it shows at its next draw.
  SetRenderImage(image);
  SetColor(0, 255, 0);
  Plot(5, 5);
  PlainPen();
  EXPECT_EQ(Rgb(LockImage(image, 0, 1, 0), 5, 5), 0x00FF00) << "read while it is the target";
  SetRenderImage(nullptr);
  DrawRect(40, 40, 8, 8);
  GrabImage(image, 40, 40);
  Cls();
  DrawImage(image, 0, 0);
  EXPECT_EQ(Rgb(Screen(), 5, 5), 0xFFFFFF);
}

TEST_F(RenderImages, TargetsNestAndEachKeepsItsOwnSurfaceWhileThePenStays) {
  const Ref<TImage> a = CreateRenderImage(16, 16, 0);
  const Ref<TImage> b = CreateRenderImage(32, 32, 0);
  ASSERT_TRUE(a && b);
  SetViewport(0, 0, 40, 40);
  SetOrigin(5, 5);
  SetClsColor(0, 0, 255);

  SetRenderImage(a);
  int32_t x = -1, y = -1, w = -1, h = -1;
  GetViewport(x, y, w, h);
  EXPECT_EQ(w * 100 + h, 1616);
  EXPECT_EQ(VirtualResolutionWidth(), 16.0f);
  Cls();
  SetOrigin(2, 2);
  SetColor(255, 0, 0);
  DrawRect(0, 0, 4, 4);  // (2, 2) to (6, 6)

  SetRenderImage(b);
  Cls();
  SetColor(255, 255, 255);
  SetScale(2, 2);
  DrawImage(a, 0, 0);  // A's red at (4, 4) to (12, 12)
  SetScale(1, 1);

  SetRenderImage(a);
  float ox = 0, oy = 0;
  GetOrigin(ox, oy);
  EXPECT_EQ(ox + oy, 4.0f) << "its own origin again";
  SetRenderImage(nullptr);
  GetViewport(x, y, w, h);
  EXPECT_EQ(w * 100 + h, 4040);
  GetOrigin(ox, oy);
  EXPECT_EQ(ox + oy, 10.0f);
  int32_t r = 0, g = 0, bl = 0;
  GetClsColor(r, g, bl);
  EXPECT_EQ(bl, 255) << "the pen stays";

  SetOrigin(0, 0);
  SetClsColor(0, 0, 0);
  Cls();
  DrawImage(b, 0, 0);
  const Ref<TPixmap> screen = Screen();
  EXPECT_EQ(Rgb(screen, 4, 4), 0xFF0000);
  EXPECT_EQ(Rgb(screen, 11, 11), 0xFF0000);
  EXPECT_EQ(Rgb(screen, 3, 3), 0x0000FF);
  EXPECT_EQ(Rgb(screen, 12, 12), 0x0000FF);
  EXPECT_EQ(Rgb(screen, 40, 20), 0x000000);
}

TEST_F(RenderImages, ASwitchMidFrameSendsWhatIsQueuedToItsOwnTargetAndIsCounted) {
  const Ref<TImage> image = CreateRenderImage(16, 16, 0);
  ASSERT_TRUE(image);
  Flip(0);
  Cls();
  SetColor(255, 0, 0);
  DrawRect(0, 0, 10, 10);  // queued for the window
  SetRenderImage(image);
  SetColor(0, 255, 0);
  DrawRect(0, 0, 4, 4);
  SetRenderImage(nullptr);
  SetColor(0, 0, 255);
  DrawRect(20, 0, 10, 10);
  PlainPen();
  DrawImage(image, 40, 0);
  const Ref<TPixmap> screen = Screen();
  Flip(0);
  const FrameStats s = LastFrameStats();
  EXPECT_EQ(s.target_switches, 2);
  EXPECT_EQ(s.flushes_by[FLUSH_TARGET], 2);
  EXPECT_EQ(Rgb(screen, 5, 5), 0xFF0000);
  EXPECT_EQ(Rgb(screen, 25, 5), 0x0000FF);
  EXPECT_EQ(Rgb(screen, 41, 1), 0x00FF00);
  EXPECT_EQ(Rgb(screen, 48, 8), 0x000000);
  const Ref<TPixmap> pixels = LockImage(image, 0, 1, 0);
  EXPECT_EQ(pixels->ReadPixel(1, 1), static_cast<int32_t>(0xFF00FF00));
  EXPECT_EQ(pixels->ReadPixel(8, 8), 0) << "nothing of the window's";
}

TEST_F(RenderImages, AnImageLargerThanTheWindowHasItsOwnVirtualResolutionAndGrabs) {
  const Ref<TImage> image = CreateRenderImage(200, 150, 0);
  ASSERT_TRUE(image);
  SetRenderImage(image);
  SetClsColor(0, 0, 90);
  Cls();
  SetVirtualResolution(20, 15);
  SetColor(255, 255, 0);
  DrawRect(15, 10, 4, 4);  // pixels (150, 100) to (190, 140)
  PlainPen();
  const Ref<TPixmap> grabbed = GrabPixmap(140, 90, 60, 60);
  ASSERT_TRUE(grabbed);
  EXPECT_EQ(Rgb(grabbed, 10, 10), 0xFFFF00);
  EXPECT_EQ(Rgb(grabbed, 9, 9), 0x00005A);
  EXPECT_EQ(Rgb(grabbed, 49, 49), 0xFFFF00);
  EXPECT_EQ(Rgb(grabbed, 50, 50), 0x00005A);
  SetRenderImage(nullptr);
  EXPECT_EQ(VirtualResolutionWidth(), static_cast<float>(kScreenW));
  SetRenderImage(image);
  EXPECT_EQ(VirtualResolutionWidth(), 20.0f);
  SetRenderImage(nullptr);
  Cls();
  DrawImage(image, -140, -90);
  const Ref<TPixmap> screen = Screen();
  EXPECT_EQ(Rgb(screen, 20, 20), 0xFFFF00);
  EXPECT_EQ(Rgb(screen, 5, 5), 0x00005A);
}

TEST_F(RenderImages, APlainImageIsRefusedAndAFreedTargetGoesWhenDrawingLeavesIt) {
  const Ref<TImage> plain = CreateImage(8, 8, 1, 0);
  EXPECT_EQ(SetRenderImage(plain), 0);
  EXPECT_EQ(LastErrorText(), String("SetRenderImage(image): not a render image (CreateRenderImage makes them)"));
  EXPECT_FALSE(RenderImage());
  SetColor(255, 0, 0);
  DrawRect(0, 0, 4, 4);
  EXPECT_EQ(Rgb(Screen(), 1, 1), 0xFF0000) << "drawing goes where it went";

  Ref<TImage> image = CreateRenderImage(16, 16, 0);
  ASSERT_TRUE(image);
  const auto* frame = dynamic_cast<const TGLRenderFrame*>(image->frames[0].get());
  ASSERT_TRUE(frame);
  const GLuint texture = frame->name;
  SetRenderImage(image);
  const int64_t live = Object::LiveObjects();
  image = nullptr;
  EXPECT_TRUE(RenderImage()) << "held while it is the target";
  DrawRect(0, 0, 8, 8);
  EXPECT_EQ(Rgb(GrabPixmap(0, 0, 8, 8), 2, 2), 0xFF0000);
  SetRenderImage(nullptr);
  EXPECT_LT(Object::LiveObjects(), live);
  EXPECT_EQ(glIsTexture(texture), GL_FALSE);
  DrawRect(10, 10, 4, 4);
  Flip(0);
}

TEST_F(RenderImages, AFrameThatDrawsIntoAnImageIsNeverTakenForARepeat) {
  const Ref<TImage> image = CreateRenderImage(8, 8, 0);
  ASSERT_TRUE(image);
  Flip(0);
  // Each frame adds 40 of red to the image, then shows it.
  const auto frame = [&] {
    SetRenderImage(image);
    SetBlend(BLEND_LIGHT);
    SetColor(40, 0, 0);
    DrawRect(0, 0, 8, 8);
    PlainPen();
    SetRenderImage(nullptr);
    Cls();
    DrawImage(image, 0, 0);
    Flip(0);
    return LastFrameStats().repeated;
  };
  for (int32_t i = 0; i < 3; ++i) EXPECT_EQ(frame(), 0) << i;
  EXPECT_EQ(Rgb(LockImage(image, 0, 1, 0), 4, 4), 0x780000);

  // The image stays the target across Flip.
  SetRenderImage(image);
  for (int32_t i = 0; i < 3; ++i) {
    SetBlend(BLEND_LIGHT);
    SetColor(40, 0, 0);
    DrawRect(0, 0, 8, 8);
    PlainPen();
    Flip(0);
    EXPECT_EQ(LastFrameStats().repeated, 0) << i;
  }
  SetRenderImage(nullptr);
  EXPECT_EQ(Rgb(LockImage(image, 0, 1, 0), 4, 4), 0xF00000);

  // Frames that only show it repeat as any.
  for (int32_t i = 0; i < 3; ++i) {
    Cls();
    DrawImage(image, 0, 0);
    Flip(0);
  }
  EXPECT_EQ(LastFrameStats().repeated, 1);
}

TEST_F(RenderImages, OverAChangeOfGraphicsAnImageKeepsThePixelsLastInMainMemory) {
  const Ref<TImage> kept = CreateRenderImage(8, 8, 0);
  const Ref<TImage> lost = CreateRenderImage(8, 8, 0);
  ASSERT_TRUE(kept && lost);
  for (const auto& image : {kept, lost}) {
    SetRenderImage(image);
    SetClsColor(255, 0, 0);
    Cls();
  }
  EXPECT_EQ(Rgb(LockImage(kept, 0, 1, 0), 1, 1), 0xFF0000);
  SetRenderImage(lost);  // the target when the graphics end
  EndGraphics();
  graphics_ = OpenGraphics(kScreenW, kScreenH, 0, 0, 0);
  ASSERT_TRUE(graphics_);
  EXPECT_FALSE(RenderImage());
  SetClsColor(0, 0, 0);
  Cls();
  DrawImage(kept, 0, 0);
  DrawImage(lost, 10, 0);
  Ref<TPixmap> screen = Screen();
  EXPECT_EQ(Rgb(screen, 1, 1), 0xFF0000);
  EXPECT_EQ(Rgb(screen, 11, 1), 0x000000);
  ASSERT_EQ(SetRenderImage(lost), 1);
  SetClsColor(0, 0, 255);
  Cls();
  SetRenderImage(nullptr);
  DrawImage(lost, 10, 0);
  EXPECT_EQ(Rgb(Screen(), 11, 1), 0x0000FF);
}

// A second window draws into an image of the first only when their
// contexts share textures; a framebuffer it made there goes when the image
// does, once that context is current again.
TEST(RenderImageContexts, OtherGraphicsDrawIntoAnImageOnlyWhenTheyShareTextures) {
  InitGLVex2DDriver();
  SetErrorEcho(false);
  ASSERT_TRUE(OpenGraphics(kScreenW, kScreenH, 0, 0, 0));
  Ref<TGraphics> second = CreateGraphics(32, 32, 0, 0, 0);
  ASSERT_TRUE(second);
  const Ref<TGraphics> first = TVex2DGraphics::Current();
  Ref<TImage> image = CreateRenderImage(8, 8, 0);
  ASSERT_TRUE(image);
  SetGraphics(second);
  EXPECT_EQ(SetRenderImage(image), 0);
  EXPECT_EQ(LastErrorText(), String("SetRenderImage(render image): these graphics don't share textures with the ones "
                                    "it was made under (see GLShareContexts)"));
  SetGraphics(first);
  CloseGraphics(second);
  EndGraphics();

  GLShareContexts();
  ASSERT_TRUE(OpenGraphics(kScreenW, kScreenH, 0, 0, 0));
  const Ref<TGraphics> main = TVex2DGraphics::Current();
  second = CreateGraphics(32, 32, 0, 0, 0);
  ASSERT_TRUE(second);
  image = CreateRenderImage(8, 8, 0);
  SetGraphics(second);
  ASSERT_EQ(SetRenderImage(image), 1);
  SetClsColor(255, 0, 0);
  Cls();
  SetRenderImage(nullptr);
  SetGraphics(main);
  SetClsColor(0, 0, 0);
  Cls();
  DrawImage(image, 0, 0);
  EXPECT_EQ(Rgb(Screen(), 2, 2), 0xFF0000);
  image = nullptr;
  SetGraphics(second);
  EXPECT_TRUE(CurrentGLContext().dead_framebuffers.empty());
  Cls();
  Flip(0);
  SetGraphics(main);
  CloseGraphics(second);
  EndGraphics();
}

// Older GL, as Mesa pretends to be one: GL 1.5 with only the EXT extension
// and textures of powers of two draws the same pixels; GL 2.1 without any
// framebuffer objects answers Null and says why.
TEST(RenderImageOlderGL, ExtensionFramebuffersDrawTheSameAndNoneAnswerNull) {
  const std::string helper = std::string(TAZMIX_TEST_HELPER_DIR) + "/render_image_gl";
  test::ChildOptions options;
  options.timeout_ms = 60000;
  options.environment = {"MESA_GL_VERSION_OVERRIDE=1.5",
                         "MESA_EXTENSION_OVERRIDE=-GL_ARB_framebuffer_object -GL_ARB_texture_non_power_of_two"};
  test::ChildResult run = test::RunChild(helper, {helper}, options);
  ASSERT_TRUE(run.exited && run.exit_code == 0) << run.out << run.err;
  EXPECT_NE(run.out.find("framebuffers 3 any_size 0\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("differences 0 0\n"), std::string::npos) << run.out;

  options.environment = {"MESA_GL_VERSION_OVERRIDE=2.1",
                         "MESA_EXTENSION_OVERRIDE=-GL_ARB_framebuffer_object -GL_EXT_framebuffer_object"};
  run = test::RunChild(helper, {helper}, options);
  ASSERT_TRUE(run.exited && run.exit_code == 0) << run.out << run.err;
  EXPECT_NE(run.out.find("none: CreateRenderImage(50 x 30): this GL (2.1 Mesa"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("can't draw into images: it has neither GL 3.0 nor a framebuffer-object extension"),
            std::string::npos) << run.out;
}

}  // namespace
}  // namespace tazmix
