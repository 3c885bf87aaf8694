// Contexts: creating, making current, closing, the main graphics and the
// sequence number that tells driver frames their context is gone.
#include "tests/graphics/graphics_fixture.h"

namespace tazmix::test {
namespace {

using GraphicsContexts = GraphicsModule;

TEST_F(GraphicsContexts, DefaultFlagsAreAddedAndFailuresGiveNull) {
  SetGraphicsDriver(driver, GRAPHICS_BACK_BUFFER);
  EXPECT_EQ(DefaultGraphicsFlags(), GRAPHICS_BACK_BUFFER);
  EXPECT_TRUE(CreateGraphics(10, 10, 0, 0, GRAPHICS_DEPTH_BUFFER));
  EXPECT_EQ(driver->last_flags, GRAPHICS_BACK_BUFFER | GRAPHICS_DEPTH_BUFFER);
  EXPECT_TRUE(AttachGraphics(7, 0));
  EXPECT_EQ(driver->last_flags, GRAPHICS_BACK_BUFFER);

  driver->raise = true;
  EXPECT_FALSE(CreateGraphics(10, 10, 0, 0, 0));
  driver->raise = false;
  driver->fail = true;
  EXPECT_FALSE(CreateGraphics(10, 10, 0, 0, 0));
  EXPECT_FALSE(AttachGraphics(7, 0));
}

TEST_F(GraphicsContexts, SettingsAreCapturedWhenMadeCurrent) {
  Ref<TGraphics> g = CreateGraphics(320, 200, 0, 50, 6);
  EXPECT_EQ(GraphicsWidth(), 0);
  SetGraphics(g);
  EXPECT_EQ(GraphicsWidth(), 320);
  EXPECT_EQ(GraphicsHeight(), 200);
  EXPECT_EQ(GraphicsDepth(), 0);
  EXPECT_EQ(GraphicsHertz(), 50);
  EXPECT_EQ(GraphicsFlags(), 6);
  ASSERT_EQ(driver->made_current.size(), 1u);
  EXPECT_EQ(driver->made_current[0], g.get());

  // A later change of the context's size shows only after SetGraphics.
  static_cast<StandInGraphics*>(g.get())->w = 400;
  EXPECT_EQ(GraphicsWidth(), 320);
  SetGraphics(g);
  EXPECT_EQ(GraphicsWidth(), 400);

  SetGraphics(nullptr);
  EXPECT_EQ(driver->made_current.back(), nullptr);
  EXPECT_EQ(GraphicsWidth() + GraphicsHeight() + GraphicsHertz() + GraphicsFlags(), 0);
}

TEST_F(GraphicsContexts, SettingTheSameDriverStillForgetsTheCurrentGraphics) {
  SetGraphics(CreateGraphics(320, 200, 0, 0, 0));
  const int32_t seq = GraphicsSeq();
  SetGraphicsDriver(driver, GRAPHICS_ALPHA_BUFFER);
  EXPECT_EQ(GraphicsSeq(), NextGraphicsSeq(seq));
  EXPECT_EQ(GraphicsWidth(), 0);
  EXPECT_EQ(DefaultGraphicsFlags(), GRAPHICS_ALPHA_BUFFER);
  // The same driver is not told to let go of its context.
  EXPECT_EQ(driver->made_current.size(), 1u);
}

TEST_F(GraphicsContexts, AContextOfAnotherDriverSwitchesTheDriver) {
  SetGraphics(CreateGraphics(320, 200, 0, 0, 0));
  Ref<StandInDriver> other = New<StandInDriver>();
  Ref<TGraphics> theirs = other->CreateGraphics(64, 32, 0, 0, 0);
  SetGraphics(theirs);
  EXPECT_EQ(GetGraphicsDriver(), other);
  EXPECT_EQ(driver->made_current.back(), nullptr);  // the old driver let go first
  EXPECT_EQ(other->made_current.back(), theirs.get());
  EXPECT_EQ(GraphicsWidth(), 64);
}

TEST_F(GraphicsContexts, ClosingTheCurrentGraphicsLeavesNoneCurrent) {
  Ref<TGraphics> g = CreateGraphics(320, 200, 0, 0, 0);
  SetGraphics(g);
  CloseGraphics(g);
  EXPECT_TRUE(static_cast<StandInGraphics*>(g.get())->closed);
  EXPECT_EQ(driver->made_current.back(), nullptr);
  EXPECT_EQ(GraphicsWidth(), 0);

  // Closing a context that is not current leaves the current one alone.
  Ref<TGraphics> a = CreateGraphics(1, 1, 0, 0, 0);
  Ref<TGraphics> b = CreateGraphics(2, 2, 0, 0, 0);
  SetGraphics(a);
  CloseGraphics(b);
  EXPECT_EQ(GraphicsWidth(), 1);
}

TEST_F(GraphicsContexts, OpenGraphicsReplacesTheMainGraphics) {
  const int32_t seq0 = GraphicsSeq();
  StandInGraphics* first = Open(640, 480, 0, 60);
  EXPECT_EQ(GraphicsSeq(), NextGraphicsSeq(seq0));
  EXPECT_EQ(GraphicsWidth(), 640);
  EXPECT_EQ(driver->made_current.back(), first);

  const int32_t seq1 = GraphicsSeq();
  Ref<TGraphics> keep(first);
  StandInGraphics* second = Open(800, 600, 0, 60);
  EXPECT_TRUE(first->closed);
  EXPECT_FALSE(second->closed);
  // Ended, then opened: two steps.
  EXPECT_EQ(GraphicsSeq(), NextGraphicsSeq(NextGraphicsSeq(seq1)));
  EXPECT_EQ(GraphicsWidth(), 800);
}

TEST_F(GraphicsContexts, AFailedOpenStillClosesThePreviousMainGraphics) {
  Ref<TGraphics> first(Open(640, 480, 0, 60));
  driver->fail = true;
  EXPECT_FALSE(OpenGraphics(800, 600, 0, 60, 0));
  EXPECT_TRUE(static_cast<StandInGraphics*>(first.get())->closed);
  EXPECT_EQ(GraphicsWidth(), 0);
  const int32_t seq = GraphicsSeq();
  EndGraphics();  // there is no main graphics left to end
  EXPECT_EQ(GraphicsSeq(), seq);
}

TEST_F(GraphicsContexts, EndGraphicsTwiceEndsOnce) {
  Ref<TGraphics> g(Open(640, 480, 0, 60));
  const int32_t seq = GraphicsSeq();
  EndGraphics();
  EXPECT_TRUE(static_cast<StandInGraphics*>(g.get())->closed);
  EXPECT_EQ(GraphicsSeq(), NextGraphicsSeq(seq));
  EXPECT_EQ(GraphicsWidth(), 0);
  EndGraphics();
  EXPECT_EQ(GraphicsSeq(), NextGraphicsSeq(seq));
}

TEST(GraphicsSeq, NeverBecomesZero) {
  EXPECT_EQ(NextGraphicsSeq(1), 2);
  EXPECT_EQ(NextGraphicsSeq(-1), 1);
  EXPECT_EQ(NextGraphicsSeq(INT32_MAX), INT32_MIN);  // Int arithmetic wraps
  EXPECT_EQ(NextGraphicsSeq(INT32_MIN), INT32_MIN + 1);
  EXPECT_NE(GraphicsSeq(), 0);
}

}  // namespace
}  // namespace tazmix::test
