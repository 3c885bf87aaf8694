// Misuse of the drawing layer, images, image fonts and collision: first with
// no graphics open, then on a 64 x 48 context of the GL 2D driver, where
// "nothing drawn" is checked on the grabbed frame.
#include <cmath>
#include <limits>

#include "draw2d/draw2d.h"
#include "font/freetype_font.h"
#include "glback/gl_vex2d_driver.h"
#include "graphics/graphics.h"
#include "pixmap/png_loader.h"
#include "runtime/error_report.h"
#include "stream/bank.h"
#include "tests/misuse/misuse_table.h"

using namespace tazmix;
using namespace tazmix::misuse;

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr int32_t kW = 64, kH = 48;
constexpr int32_t kRed = static_cast<int32_t>(0xFFFF0000);

// A red image of w x h (unmasked, unfiltered).
Ref<TImage> RedImage(int32_t w = 4, int32_t h = 4) {
  Ref<TPixmap> p = CreatePixmap(w, h, FORMAT_RGBA32);
  p->ClearPixels(kRed);
  return LoadImage(Ref<Object>(p), 0);
}

// A PNG sheet of 4 x 2 cells of 8 x 8 in a bank.
Ref<Object> Sheet() {
  Ref<TPixmap> p = CreatePixmap(32, 16, FORMAT_RGBA32);
  p->ClearPixels(kRed);
  Ref<TBank> bank = CreateBank(0);
  SavePixmapPNG(p, Ref<Object>(bank), 0);
  return bank;
}

// Pixels of the frame that are not black.
int32_t Ink() {
  Ref<TPixmap> screen = GrabPixmap(0, 0, kW, kH);
  int32_t n = 0;
  for (int32_t y = 0; y < kH; ++y)
    for (int32_t x = 0; x < kW; ++x) n += (screen->ReadPixel(x, y) & 0xFFFFFF) != 0;
  return n;
}

template <class F>
void ExpectNothingDrawn(F draw) {
  draw();
  EXPECT_EQ(Ink(), 0);
}

void ExpectGrab(const Ref<TPixmap>& p, int32_t width, int32_t height) {
  ASSERT_TRUE(p);
  EXPECT_EQ(p->width, width);
  EXPECT_EQ(p->height, height);
}

// What drawing before OpenGraphics raises: the null-object error, whose text
// names the call and what to do.
template <class F>
void ExpectNoGraphics(const char* name, F call) {
  ExpectRaises<TNullObjectException>(call, String(name) + ": no graphics are open; call OpenGraphics first\n");
}

const String kFont = "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf";

// No graphics open: the state and drawing functions raise the null-object
// error naming themselves; loaders, images and collision answer as always.
const Row kClosedRows[] = {
    {"ClsWithoutGraphics", [] { ExpectNoGraphics("Cls", [] { Cls(); }); }},
    {"SetColorWithoutGraphics", [] { ExpectNoGraphics("SetColor", [] { SetColor(1, 2, 3); }); }},
    {"SetAlphaWithoutGraphics", [] { ExpectNoGraphics("SetAlpha", [] { SetAlpha(kNaN); }); }},
    {"DrawTextWithoutGraphics", [] { ExpectNoGraphics("DrawText", [] { DrawText("x", 0, 0); }); }},
    {"TextWidthWithoutGraphics", [] { ExpectNoGraphics("TextWidth", [] { TextWidth("x"); }); }},
    {"GrabPixmapWithoutGraphics", [] { ExpectNoGraphics("GrabPixmap", [] { GrabPixmap(0, 0, 1, 1); }); }},
    {"DrawRectOutlineWithoutGraphics", [] { ExpectNoGraphics("DrawRectOutline", [] { DrawRectOutline(kInf, 0, 1, 1); }); }},
    {"DrawOvalOutlineWithoutGraphics", [] { ExpectNoGraphics("DrawOvalOutline", [] { DrawOvalOutline(0, 0, kNaN, 1); }); }},
    {"DrawPolyOutlineWithoutGraphics", [] { ExpectNoGraphics("DrawPolyOutline", [] { DrawPolyOutline({}); }); }},
    {"DrawImageWithoutGraphics", [] { DrawImage(RedImage(), 0, 0); DrawImage(nullptr, 0, 0); }},
    {"LoadImageNull", [] { EXPECT_FALSE(LoadImage(Ref<Object>())); }},
    {"LoadImageEmptyPath", [] { EXPECT_FALSE(LoadImage(String())); }},
    {"LoadImageNotAPicture", [] { EXPECT_FALSE(LoadImage(kKeepFile)); }},
    {"LoadAnimImageZeroCell", [] { EXPECT_FALSE(LoadAnimImage(Sheet(), 0, 0, 0, 1)); }},
    {"LoadAnimImageNegativeCell", [] { EXPECT_FALSE(LoadAnimImage(Sheet(), -8, -8, 0, 1)); }},
    {"LoadAnimImageNegativeFirst", [] { EXPECT_FALSE(LoadAnimImage(Sheet(), 8, 8, -1, 2)); }},
    {"LoadAnimImagePastTheCells", [] { EXPECT_FALSE(LoadAnimImage(Sheet(), 8, 8, 7, 2)); }},
    {"LoadAnimImageLargestCount", [] { EXPECT_FALSE(LoadAnimImage(Sheet(), 8, 8, INT32_MAX, INT32_MAX)); }},
    {"LoadAnimImageHugeCell", [] { EXPECT_FALSE(LoadAnimImage(Sheet(), INT32_MAX, INT32_MAX, 0, 1)); }},
    {"CreateImageNegative", [] { EXPECT_FALSE(CreateImage(-1, 4)); }},
    {"CreateImageNegativeFrames", [] { EXPECT_FALSE(CreateImage(4, 4, -1)); }},
    {"CreateImageLargestFrames", [] { EXPECT_FALSE(CreateImage(1, 1, INT32_MAX)); }},
    {"ImageWidthNull", [] { EXPECT_EQ(ImageWidth(nullptr), 0); }},
    {"LockImageFrameOutside", [] { EXPECT_FALSE(LockImage(RedImage(), 1)); EXPECT_FALSE(LockImage(RedImage(), -1)); }},
    {"LockImageNull", [] { EXPECT_FALSE(LockImage(nullptr)); }},
    {"LockImageHuge", [] { EXPECT_FALSE(LockImage(CreateImage(100000, 100000))); }},
    {"SetImageHandleNull", [] { SetImageHandle(nullptr, 1, 1); MidHandleImage(nullptr); }},
    {"GrabImageNull", [] { GrabImage(nullptr, 0, 0); }},
    {"LoadImageFontNull", [] { EXPECT_FALSE(LoadImageFont(Ref<Object>(), 16)); }},
    {"LoadImageFontNotAFont", [] { EXPECT_FALSE(LoadImageFont(kKeepFile, 16)); }},
    {"LoadImageFontSizeZero", [] { EXPECT_FALSE(LoadImageFont(kFont, 0)); }},
    {"LoadImageFontNegativeSize", [] { EXPECT_FALSE(LoadImageFont(kFont, -16)); }},
    {"LoadImageFontLargestSize", [] { Ref<TImageFont> f = LoadImageFont(kFont, INT32_MAX); EXPECT_TRUE(!f || f->Height() > 0); }},
    {"ImageFontGlyphOutside", [] { Ref<TImageFont> f = TImageFont::CreateDefault(); EXPECT_FALSE(f->LoadGlyph(96)); EXPECT_FALSE(f->LoadGlyph(-1)); }},
    {"ImageFontCharSmallestInt", [] { EXPECT_EQ(TImageFont::CreateDefault()->CharToGlyph(INT32_MIN), -1); }},
    {"CollideImageNull", [] { EXPECT_TRUE(CollideImageAt(nullptr, 0, 0, 0, -1, -1, nullptr).empty()); }},
    {"CollideImageFrameOutside", [] { CollideImageAt(RedImage(), 0, 0, 5, 0, 1, nullptr); EXPECT_TRUE(CollideRectAt(1, 1, 1, 1, 1, 0, nullptr).empty()); }},
    {"CollideRectNaN", [] { CollideRectAt(0, 0, 10, 10, 0, 1, nullptr); EXPECT_TRUE(CollideRectAt(kNaN, kNaN, 5, 5, 1, 0, nullptr).empty()); }},
    {"CollideRectInfinite", [] { CollideRectAt(0, 0, 10, 10, 0, 1, nullptr); EXPECT_TRUE(CollideRectAt(-kInf, 0, kInf, 5, 1, 0, nullptr).empty()); }},
    {"CollideRectHuge", [] { CollideRectAt(0, 0, 3e9f, 3e9f, 0, 1, nullptr); CollideRectAt(-3e9f, -3e9f, 6e9f, 1e9f, 1, 0, nullptr); }},
    {"ImagesOverlapNull", [] { EXPECT_EQ(ImagesOverlap(nullptr, 0, 0, 0, RedImage(), 0, 0, 0), 0); }},
    {"ImagesOverlapTransformedWithoutGraphics",
     [] { ExpectNoGraphics("ImagesOverlapTransformed", [] { ImagesOverlapTransformed(RedImage(), 0, 0, 0, 0, 1, 1, RedImage(), 0, 0, 0, 0, 1, 1); }); }},
    {"ClearCollisionLayersAll", [] { EXPECT_EQ(ClearCollisionLayers(-1), 0); }},
    {"CreateRenderImageWithoutGraphics", [] {
       EXPECT_FALSE(CreateRenderImage(8, 8));
       EXPECT_EQ(LastErrorText(), String("CreateRenderImage(8 x 8): no graphics are open: call OpenGraphics first"));
     }},
    {"SetRenderImageWithoutGraphics", [] {
       ExpectNoGraphics("SetRenderImage", [] { SetRenderImage(nullptr); });
       ExpectNoGraphics("RenderImage", [] { RenderImage(); });
     }},
};

// Graphics open: nothing drawn where the arguments leave nothing to draw,
// no hang where they ask for endless work.
const Row kOpenRows[] = {
    {"GrabPixmapPartlyOutside", [] { ExpectGrab(GrabPixmap(-10, -10, 5000, 5000), kW, kH); }},
    {"GrabPixmapCorner", [] {
       SetClsColor(255, 0, 0);
       Cls();
       Ref<TPixmap> p = GrabPixmap(kW - 3, -2, 10, 5);
       ExpectGrab(p, 3, 3);
       EXPECT_EQ(p->ReadPixel(2, 2), kRed);
     }},
    {"GrabPixmapWhollyOutside", [] { EXPECT_FALSE(GrabPixmap(kW, 0, 5, 5)); EXPECT_FALSE(GrabPixmap(-5, -5, 5, 5)); }},
    {"GrabPixmapEmpty", [] { ExpectGrab(GrabPixmap(kW + 9, 3, 0, 0), 0, 0); EXPECT_FALSE(GrabPixmap(10, 10, -5, -5)); }},
    {"GrabPixmapWidestInts", [] { EXPECT_FALSE(GrabPixmap(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX)); ExpectGrab(GrabPixmap(1, 1, INT32_MAX, INT32_MAX), kW - 1, kH - 1); }},
    {"GrabImagePartlyOutside", [] {
       SetClsColor(255, 0, 0);
       Cls();
       Ref<TImage> image = CreateImage(16, 16, 1, 0);
       GrabImage(image, -8, -4);
       Ref<TPixmap> p = LockImage(image);
       ExpectGrab(p, 16, 16);
       EXPECT_EQ(p->ReadPixel(8, 4), kRed);
       EXPECT_EQ(p->ReadPixel(7, 3), 0);
     }},
    {"GrabImageWhollyOutside", [] { Ref<TImage> image = CreateImage(4, 4, 1, 0); GrabImage(image, 1000, 1000); EXPECT_EQ(LockImage(image)->ReadPixel(0, 0), 0); }},
    {"GrabImageFrameOutside", [] { Ref<TImage> image = CreateImage(4, 4, 1, 0); GrabImage(image, 0, 0, 7); GrabImage(image, 0, 0, -1); }},
    {"DrawImageFrameOutside", [] { ExpectNothingDrawn([] { DrawImage(RedImage(), 0, 0, 1); DrawImage(RedImage(), 0, 0, -1); }); }},
    {"DrawImageNull", [] { ExpectNothingDrawn([] { DrawImage(nullptr, 0, 0); DrawImageRect(nullptr, 0, 0, 9, 9); TileImage(nullptr); }); }},
    {"DrawImageNaN", [] { ExpectNothingDrawn([] { DrawImage(RedImage(), kNaN, kNaN); }); }},
    {"DrawImageEmpty", [] { ExpectNothingDrawn([] { DrawImage(CreateImage(0, 0), 0, 0); DrawImage(CreateImage(0, 5), 0, 0); }); }},
    {"DrawImageHuge", [] { ExpectNothingDrawn([] { DrawImage(CreateImage(100000, 100000), 0, 0); }); }},
    {"DrawSubImageRectZeroSource", [] { DrawSubImageRect(RedImage(), 0, 0, 10, 10, 0, 0, 0, 0, 1, 1); }},
    {"TileImageNaN", [] { ExpectNothingDrawn([] { TileImage(RedImage(), kNaN, 0); TileImage(RedImage(), 0, kInf); }); }},
    {"TileImageEmpty", [] { ExpectNothingDrawn([] { TileImage(CreateImage(0, 4)); }); }},
    {"TileImageHugeViewport", [] { SetViewport(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX); TileImage(RedImage(1, 1)); }},
    {"TileImageHugeResolution", [] { SetVirtualResolution(1e9f, 1e9f); TileImage(RedImage(1, 1)); }},
    {"DrawOvalHuge", [] { DrawOval(0, 0, 1e30f, 1e30f); DrawOval(-kInf, 0, kInf, kInf); }},
    {"DrawOvalNaN", [] { DrawOval(kNaN, kNaN, kNaN, kNaN); }},
    {"DrawPolyShort", [] { ExpectNothingDrawn([] { DrawPoly({}); DrawPoly({1, 1, 40, 1, 1}); }); }},
    {"DrawPolyOutlineShort", [] { ExpectNothingDrawn([] { DrawPolyOutline({}); DrawPolyOutline({1, 1, 40, 1, 1}); DrawPolyOutline({1, 1, 40, 1, 1, 1}); }); }},
    {"DrawOutlinesNaN", [] { ExpectNothingDrawn([] { DrawOvalOutline(0, 0, kNaN, 20); DrawPolyOutline({kNaN, 0, 20, 0, 0, 20}); }); DrawRectOutline(kNaN, kNaN, kNaN, kNaN); }},
    {"DrawOutlinesInfinite", [] { ExpectNothingDrawn([] { DrawOvalOutline(0, 0, kInf, -kInf); DrawPolyOutline({0, 0, kInf, 0, 0, kInf}); }); DrawRectOutline(-kInf, 0, kInf, kInf); }},
    {"DrawOutlinesHuge", [] { DrawRectOutline(-1e30f, -1e30f, 3e38f, 3e38f); DrawOvalOutline(-1e30f, -1e30f, 3e38f, 3e38f); DrawPolyOutline({-3e38f, -3e38f, 3e38f, -3e38f, 0, 3e38f}); }},
    {"DrawOutlinesLineWidthOutOfRange", [] {
       for (float width : {0.0f, -1.0f, kNaN, -kInf}) {
         SetLineWidth(width);
         ExpectNothingDrawn([] { DrawRectOutline(4, 4, 20, 20); DrawOvalOutline(4, 4, 20, 20); DrawPolyOutline({4, 4, 20, 4, 4, 20}); });
       }
       SetLineWidth(kInf);
       DrawOvalOutline(4, 4, 20, 20);
       DrawPolyOutline({4, 4, 20, 4, 4, 20});
       EXPECT_GT(Ink(), 0);
     }},
    {"DrawPolyOutlineManyPoints", [] {
       // Every edge of a 200000-gon shrinks away at once under a width beyond its radius.
       std::vector<float> xy;
       for (int i = 0; i < 200000; ++i) {
         xy.push_back(32 + 20 * static_cast<float>(std::cos(i * 3.14159265e-5)));
         xy.push_back(24 + 20 * static_cast<float>(std::sin(i * 3.14159265e-5)));
       }
       SetLineWidth(30);
       DrawPolyOutline(xy);
       SetLineWidth(2);
       DrawPolyOutline(xy);
     }},
    {"DrawPrimitivesNaN", [] { DrawRect(kNaN, 0, 5, 5); DrawLine(0, 0, kInf, kNaN); Plot(kNaN, -kInf); }},
    {"DrawPixmapNull", [] { ExpectNothingDrawn([] { DrawPixmap(nullptr, 0, 0); }); }},
    {"DrawPixmapFarAway", [] { ExpectNothingDrawn([] { Ref<TPixmap> p = CreatePixmap(4, 4, FORMAT_RGBA32); p->ClearPixels(kRed); DrawPixmap(p, INT32_MIN, INT32_MAX); }); }},
    {"DrawPixmapEmpty", [] { DrawPixmap(CreatePixmap(0, 0, FORMAT_RGBA32), 0, 0); }},
    {"DrawTextLong", [] { DrawText(String(std::u16string(100000, u'x')), 0, 0); EXPECT_EQ(TextWidth(LongText()), 8 << 20); }},
    {"DrawTextNaN", [] { DrawText("x", kNaN, kInf); }},
    {"SetStateOutOfRange", [] { SetBlend(99); SetAlpha(kNaN); SetColor(INT32_MIN, INT32_MAX, -1); SetLineWidth(-kInf); SetRotation(kNaN); SetScale(kInf, 0); DrawRect(0, 0, 8, 8); }},
    {"SetViewportNegative", [] { SetViewport(10, 10, -5, -5); Cls(); }},
    {"SetImageFontNull", [] { SetImageFont(nullptr); EXPECT_EQ(TextHeight(), 16); }},
    {"VirtualResolutionZero", [] { SetVirtualResolution(0, 0); MoveVirtualMouse(10, 10); EXPECT_EQ(VirtualMouseX(), 0.0f); }},
    {"ImagesOverlapTransformedNaN", [] { ImagesOverlapTransformed(RedImage(), 0, 0, 0, kNaN, 1, 1, RedImage(), 0, 0, 0, 0, kInf, kNaN); }},
    {"VirtualResolutionNaN", [] { SetVirtualResolution(kNaN, -kInf); MoveVirtualMouse(kNaN, kInf); VirtualMouseY(); }},
    {"CreateRenderImageZero", [] {
       EXPECT_FALSE(CreateRenderImage(0, 5));
       EXPECT_EQ(LastErrorText(), String("CreateRenderImage(0 x 5): the size must be at least 1 x 1"));
     }},
    {"CreateRenderImageNegative", [] { EXPECT_FALSE(CreateRenderImage(-4, 4)); EXPECT_FALSE(CreateRenderImage(4, INT32_MIN)); }},
    {"CreateRenderImageHuge", [] {
       EXPECT_FALSE(CreateRenderImage(100000, 100000));
       EXPECT_TRUE(LastErrorText().StartsWith("CreateRenderImage(100000 x 100000): GL draws into images of at most "));
     }},
    {"CreateRenderImageLargestInt", [] { EXPECT_FALSE(CreateRenderImage(INT32_MAX, INT32_MAX, -1)); EXPECT_FALSE(CreateRenderImage(1, INT32_MAX)); }},
    {"SetRenderImageNotARenderImage", [] { ExpectNothingDrawn([] { EXPECT_EQ(SetRenderImage(RedImage()), 0); Cls(); }); }},
    {"SetRenderImageNull", [] { EXPECT_EQ(SetRenderImage(nullptr), 1); EXPECT_EQ(SetRenderImage(nullptr), 1); EXPECT_FALSE(RenderImage()); }},
    {"RenderImageIntoItself", [] {
       Ref<TImage> image = CreateRenderImage(8, 8);
       SetRenderImage(image);
       SetClsColor(255, 0, 0);
       Cls();
       DrawImage(image, 2, 2);
       DrawImage(RenderImage(), 0, 0);
       EXPECT_EQ(LockImage(image, 0, 1, 0)->ReadPixel(0, 0), kRed);
       SetRenderImage(nullptr);
     }},
    {"RenderImageFrameOutside", [] {
       Ref<TImage> image = CreateRenderImage(8, 8);
       EXPECT_FALSE(LockImage(image, 1));
       EXPECT_FALSE(LockImage(image, -1));
       UnlockImage(image, INT32_MAX);
       GrabImage(image, 0, 0, 3);
       ExpectNothingDrawn([&] { DrawImage(image, 0, 0, 1); });
     }},
    {"RenderImageFreedWhileTheTarget", [] {
       SetRenderImage(CreateRenderImage(8, 8));
       Cls();
       SetRenderImage(CreateRenderImage(4, 4));
       DrawRect(0, 0, 9, 9);
       EndGraphics();
     }},
};

class Draw2DMisuseClosed : public Table {
 protected:
  void SetUp() override {
    InitGLVex2DDriver();
    InitPNGLoader();
    InitFreeTypeFont();
    Table::SetUp();
  }
};

class Draw2DMisuseOpen : public Table {
 protected:
  void SetUp() override {
    InitGLVex2DDriver();
    InitPNGLoader();
    Table::SetUp();
    ASSERT_TRUE(OpenGraphics(kW, kH, 0, 0, 0)) << "no GL context";
    SetClsColor(0, 0, 0);
    Cls();
  }
  void TearDown() override {
    EndGraphics();
    Table::TearDown();
  }
};

}  // namespace

MISUSE_TABLE(Draw2DMisuseClosed, kClosedRows);
MISUSE_TABLE(Draw2DMisuseOpen, kOpenRows);
