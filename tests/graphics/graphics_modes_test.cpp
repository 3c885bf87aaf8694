// Display modes: the driver's list, asked for once and handed out as copies.
#include "tests/graphics/graphics_fixture.h"

namespace tazmix::test {
namespace {

using GraphicsModes = GraphicsModule;

TEST(GraphicsMode, PrintsSizeDepthAndRate) {
  TGraphicsMode m;
  m.width = 1024;
  m.height = 768;
  m.depth = 16;
  EXPECT_EQ(m.ToString(), String("1024,768,16 0Hz"));
  m.hertz = 60;
  m.depth = 32;
  EXPECT_EQ(m.ToString(), String("1024,768,32 60Hz"));
}

TEST_F(GraphicsModes, ListedModesAreCachedAndCopied) {
  driver->AddMode(640, 480, 16, 60);
  driver->AddMode(800, 600, 32, 75);
  EXPECT_EQ(CountGraphicsModes(), 2);
  int32_t w = 0, h = 0, d = 0, hz = 0;
  GetGraphicsMode(1, w, h, d, hz);
  EXPECT_EQ(w, 800);
  EXPECT_EQ(h, 600);
  EXPECT_EQ(d, 32);
  EXPECT_EQ(hz, 75);

  std::vector<Ref<TGraphicsMode>> mine = tazmix::GraphicsModes();
  mine.clear();
  EXPECT_EQ(CountGraphicsModes(), 2);
  EXPECT_EQ(driver->mode_requests, 1);
}

TEST_F(GraphicsModes, AnEmptyListIsAskedForAgain) {
  EXPECT_EQ(GraphicsModeExists(0, 0, 0, 0), 0);
  EXPECT_EQ(CountGraphicsModes(), 0);
  EXPECT_EQ(driver->mode_requests, 2);
  driver->AddMode(320, 200, 16, 0);
  EXPECT_EQ(GraphicsModeExists(0, 0, 0, 0), 1);
}

TEST_F(GraphicsModes, ZeroMatchesAnythingAndNullModesAreSkipped) {
  driver->modes.push_back(nullptr);
  driver->AddMode(640, 480, 16, 60);
  driver->AddMode(800, 600, 32, 75);
  EXPECT_EQ(GraphicsModeExists(800, 0, 0, 0), 1);
  EXPECT_EQ(GraphicsModeExists(0, 480, 16, 0), 1);
  EXPECT_EQ(GraphicsModeExists(640, 480, 32, 0), 0);  // all four must fit one mode
  EXPECT_EQ(GraphicsModeExists(0, 0, 0, 75), 1);
  EXPECT_EQ(GraphicsModeExists(0, 0, 0, 85), 0);
}

TEST_F(GraphicsModes, SameDriverKeepsTheCacheAnotherDropsIt) {
  driver->AddMode(640, 480, 16, 60);
  EXPECT_EQ(CountGraphicsModes(), 1);
  driver->AddMode(800, 600, 32, 75);
  SetGraphicsDriver(driver, 0);
  EXPECT_EQ(CountGraphicsModes(), 1);  // still the cached list

  Ref<StandInDriver> other = New<StandInDriver>();
  other->AddMode(1, 1, 16, 0);
  SetGraphicsDriver(other, 0);
  SetGraphicsDriver(driver, 0);
  EXPECT_EQ(CountGraphicsModes(), 2);
}

TEST_F(GraphicsModes, NoDriverRaisesTheNullObjectError) {
  SetGraphicsDriver(nullptr, 0);
  try {
    CountGraphicsModes();
    FAIL() << "no exception";
  } catch (const Thrown& t) {
    EXPECT_NE(t.As<TNullObjectException>(), nullptr);
  }
  EXPECT_FALSE(CreateGraphics(10, 10, 0, 0, 0));  // raised inside the guard
}

}  // namespace
}  // namespace tazmix::test
