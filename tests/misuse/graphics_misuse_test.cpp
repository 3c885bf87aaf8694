// Misuse of the graphics core, before any driver is set and on the GL 2D
// driver, and of the GL back end's own functions.
#include "glback/gl_graphics.h"
#include "glback/gl_raw_2d.h"
#include "glback/gl_raw_draw.h"
#include "glback/gl_raw_text.h"
#include "glback/gl_texture_from_pixmap.h"
#include "glback/gl_vex2d_driver.h"
#include "graphics/graphics.h"
#include "runtime/application.h"
#include "tests/misuse/misuse_table.h"

using namespace tazmix;
using namespace tazmix::misuse;

namespace {

// A Flip(-1) that must come back at once: at most this many milliseconds.
constexpr int32_t kQuickFlipMs = 2000;

void ExpectQuickFlips() {
  const int32_t start = MilliSecs();
  for (int i = 0; i < 5; ++i) Flip(-1);
  EXPECT_LT(MilliSecs() - start, kQuickFlipMs);
}

void ExpectMode(int32_t index) {
  int32_t w = -1, h = -1, d = -1, r = -1;
  EXPECT_EQ(GetGraphicsMode(index, w, h, d, r), 0);
  EXPECT_EQ(w + h + d + r, 0);
}

// No driver set: what goes through the driver raises the null-object error;
// opening answers Null.
const Row kNoDriverRows[] = {
    {"CountGraphicsModesWithoutDriver", [] { ExpectNullObject([] { CountGraphicsModes(); }); }},
    {"FlipWithoutDriver", [] { ExpectNullObject([] { Flip(0); }); }},
    {"OpenGraphicsWithoutDriver", [] { EXPECT_FALSE(OpenGraphics(64, 48, 0, 0, 0)); }},
    {"CloseGraphicsNull", [] { EXPECT_EQ(CloseGraphics(nullptr), 0); }},
    {"SetGraphicsNull", [] { EXPECT_EQ(SetGraphics(nullptr), 0); EXPECT_EQ(GraphicsWidth(), 0); }},
    {"EndGraphicsTwice", [] { EndGraphics(); EndGraphics(); }},
};

const Row kGLRows[] = {
    {"OpenGraphicsZero", [] { EXPECT_FALSE(OpenGraphics(0, 0, 0, 0, 0)); }},
    {"OpenGraphicsNegative", [] { EXPECT_FALSE(OpenGraphics(-64, 48, 0, 60, 0)); }},
    {"OpenGraphicsHuge", [] { EXPECT_FALSE(OpenGraphics(100000, 100000, 0, 60, 0)); }},
    {"OpenGraphicsLargestInt", [] { EXPECT_FALSE(OpenGraphics(INT32_MAX, INT32_MAX, 0, 0, -1)); }},
    {"OpenGraphicsNegativeHertz", [] { ASSERT_TRUE(OpenGraphics(64, 48, 0, -60, 0)); ExpectQuickFlips(); }},
    {"OpenGraphicsLargestHertz", [] { ASSERT_TRUE(OpenGraphics(64, 48, 0, INT32_MAX, 0)); ExpectQuickFlips(); }},
    {"OpenGraphicsSmallestHertz", [] { ASSERT_TRUE(OpenGraphics(64, 48, 0, INT32_MIN, 0)); ExpectQuickFlips(); }},
    {"GetGraphicsModeNegative", [] { ExpectMode(-1); }},
    {"GetGraphicsModeLargestInt", [] { ExpectMode(INT32_MAX); }},
    {"GraphicsModeExistsNegative", [] { EXPECT_EQ(GraphicsModeExists(-1, -1, -1, -1), 0); }},
    {"SetGraphicsClosed", [] {
       Ref<TGraphics> g = OpenGraphics(64, 48, 0, 0, 0);
       ASSERT_TRUE(g);
       EndGraphics();
       ExpectNullObject([&] { SetGraphics(g); });
       EXPECT_EQ(GetGraphicsDriver(), Ref<TGraphicsDriver>(GLVex2DDriver()));
     }},
    {"CloseGraphicsTwice", [] { Ref<TGraphics> g = OpenGraphics(64, 48, 0, 0, 0); CloseGraphics(g); CloseGraphics(g); Flip(0); }},
    {"FlipWithoutGraphics", [] { Flip(INT32_MIN); Flip(-1); }},
    {"AttachGraphicsNoWindow", [] { EXPECT_FALSE(AttachGraphics(0, 0)); EXPECT_FALSE(AttachGraphics(-12345, 0)); }},
    {"GLGraphicsZero", [] { EXPECT_FALSE(GLGraphics(0, 0, 0, 0, 0)); }},
    {"GLRawTextWithoutContext", [] { GLRawText("abc", 0, 0); GLRawRect(INT32_MIN, 0, INT32_MAX, -1); }},
    {"GLRawPixmapNull", [] { GLRawPixmap(nullptr, 0, 0); }},
    {"GLTextureFromPixmapNull", [] { EXPECT_EQ(GLTextureFromPixmap(nullptr, 1), 0u); }},
    {"GLRawOnContext", [] {
       ASSERT_TRUE(OpenGraphics(64, 48, 0, 0, 0));
       GLRawText(String(std::u16string(1000, u'\xFFFF')), INT32_MIN, INT32_MAX);
       GLRawPixmap(CreatePixmap(0, 0, FORMAT_RGBA32), 5, 5);
       GLTextureFromPixmap(CreatePixmap(0, 3, FORMAT_GREY8), 1);
       LeaveRaw2D();  // without EnterRaw2D
     }},
};

class GraphicsMisuseNoDriver : public Table {
 protected:
  void SetUp() override {
    InitGraphics();
    Table::SetUp();
  }
};

class GraphicsMisuseGL : public Table {
 protected:
  void SetUp() override {
    InitGLVex2DDriver();
    Table::SetUp();
  }
  void TearDown() override {
    EndGraphics();
    Table::TearDown();
  }
};

}  // namespace

MISUSE_TABLE(GraphicsMisuseNoDriver, kNoDriverRows);
MISUSE_TABLE(GraphicsMisuseGL, kGLRows);
