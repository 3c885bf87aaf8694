#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "collision_fixture.h"

using namespace collision_test;

namespace {

// Ids are told apart by identity; the name only documents the test.
Ref<Object> Id(const char*) { return New<Object>(); }

}  // namespace

using CollideRect = CollisionTest;

TEST_F(CollideRect, RectanglesSharingOnlyAnEdgeDoNotCollide) {
  CollideRectAt(0, 0, 10, 10, 0, Layer(0), Id("a"));
  EXPECT_TRUE(CollideRectAt(10, 0, 10, 10, Layer(0), 0, Id("b")).empty());   // right edge
  EXPECT_TRUE(CollideRectAt(0, 10, 10, 10, Layer(0), 0, Id("b")).empty());   // bottom edge
  EXPECT_TRUE(CollideRectAt(-10, -10, 10, 10, Layer(0), 0, Id("b")).empty());  // corner
  // One shared pixel is enough.
  EXPECT_EQ(CollideRectAt(9, 9, 10, 10, Layer(0), 0, Id("b")).size(), 1u);
}

TEST_F(CollideRect, OverlapReturnsTheRecordedId) {
  Ref<Object> a = Id("a");
  EXPECT_TRUE(CollideRectAt(0, 0, 10, 10, 0, Layer(3), a).empty());
  std::vector<Ref<Object>> found = CollideRectAt(5, 5, 10, 10, Layer(3), 0, Id("b"));
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0], a);
  // Other layers and an empty collide mask see nothing.
  EXPECT_TRUE(CollideRectAt(5, 5, 10, 10, Layer(2) | Layer(4), 0, nullptr).empty());
  EXPECT_TRUE(CollideRectAt(5, 5, 10, 10, 0, 0, nullptr).empty());
}

TEST_F(CollideRect, AQuadNeverFindsItselfButFindsEveryCopyOfOthers) {
  Ref<Object> a = Id("a");
  const int32_t both = Layer(0) | Layer(31);
  EXPECT_TRUE(CollideRectAt(0, 0, 10, 10, both, both, a).empty());
  std::vector<Ref<Object>> found = CollideRectAt(0, 0, 10, 10, both, both, Id("b"));
  ASSERT_EQ(found.size(), 2u);  // a, once per layer it was written into
  EXPECT_EQ(found[0], a);
  EXPECT_EQ(found[1], a);
}

TEST_F(CollideRect, ResultsGrowPastFourAndNine) {
  for (int32_t count : {5, 10, 23}) {
    ClearCollisionLayers(0);
    std::vector<Ref<Object>> ids;
    for (int32_t i = 0; i < count; ++i) {
      ids.push_back(Id("x"));
      CollideRectAt(static_cast<float>(i), 0, 10, 10, 0, Layer(7), ids.back());
    }
    std::vector<Ref<Object>> found = CollideRectAt(0, 0, 40, 10, Layer(7), 0, nullptr);
    ASSERT_EQ(found.size(), static_cast<size_t>(count));
    // Layers are walked from the newest quad.
    for (int32_t i = 0; i < count; ++i) EXPECT_EQ(found[static_cast<size_t>(i)], ids[static_cast<size_t>(count - 1 - i)]);
  }
}

TEST_F(CollideRect, ClearingEmptiesTheChosenLayersAndLetsGoOfTheIds) {
  Ref<Object> a = Id("a");
  const int32_t before = a->RefCount();
  for (int32_t j : {0, 5, 31}) CollideRectAt(0, 0, 10, 10, 0, Layer(j), a);
  EXPECT_EQ(a->RefCount(), before + 3);

  ClearCollisionLayers(Layer(5));
  EXPECT_TRUE(CollideRectAt(0, 0, 10, 10, Layer(5), 0, nullptr).empty());
  EXPECT_EQ(CollideRectAt(0, 0, 10, 10, -1, 0, nullptr).size(), 2u);

  ClearCollisionLayers(0);
  EXPECT_TRUE(CollideRectAt(0, 0, 10, 10, -1, 0, nullptr).empty());
  EXPECT_EQ(a->RefCount(), before);

  // Pooled quads come back with the new id and shape only.
  Ref<Object> b = Id("b");
  CollideRectAt(100, 100, 4, 4, 0, Layer(1) | Layer(2), b);
  EXPECT_TRUE(CollideRectAt(0, 0, 10, 10, -1, 0, nullptr).empty());
  std::vector<Ref<Object>> found = CollideRectAt(101, 101, 1, 1, -1, 0, nullptr);
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found[0], b);
}

TEST_F(CollideRect, OriginMovesShapesAndTheContextHandleDoesNot) {
  SetOrigin(100, 50);
  SetHandle(5, 5);
  CollideRectAt(0, 0, 10, 10, 0, Layer(0), Id("a"));
  SetOrigin(0, 0);
  EXPECT_TRUE(CollideRectAt(0, 0, 10, 10, Layer(0), 0, nullptr).empty());
  EXPECT_EQ(CollideRectAt(109, 59, 1, 1, Layer(0), 0, nullptr).size(), 1u);
  EXPECT_TRUE(CollideRectAt(110, 59, 1, 1, Layer(0), 0, nullptr).empty());
}

TEST_F(CollideRect, MirroredScaleStillCollides) {
  SetScale(-1, 1);
  CollideRectAt(0, 0, 10, 10, 0, Layer(0), Id("a"));  // covers x -10 .. 0
  SetScale(1, 1);
  EXPECT_EQ(CollideRectAt(-3, 2, 1, 1, Layer(0), 0, nullptr).size(), 1u);
  EXPECT_TRUE(CollideRectAt(3, 2, 1, 1, Layer(0), 0, nullptr).empty());

  SetScale(1, -1);
  EXPECT_EQ(CollideRectAt(-5, 5, 2, 2, Layer(0), 0, nullptr).size(), 1u);  // covers y 3 .. 5
  EXPECT_TRUE(CollideRectAt(-5, 0, 2, 2, Layer(0), 0, nullptr).empty());    // covers y -2 .. 0
}

TEST_F(CollideRect, UnusablePositionsCollideWithNothing) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  CollideRectAt(0, 0, 100, 100, 0, Layer(0), Id("a"));
  EXPECT_TRUE(CollideRectAt(nan, 10, 10, 10, Layer(0), 0, nullptr).empty());
  EXPECT_TRUE(CollideRectAt(10, 10, inf, 10, Layer(0), 0, nullptr).empty());
  EXPECT_TRUE(CollideRectAt(-inf, 10, inf, 10, Layer(0), 0, nullptr).empty());
  SetScale(nan, 1);
  EXPECT_TRUE(CollideRectAt(10, 10, 10, 10, Layer(0), 0, nullptr).empty());
  SetScale(1, 1);
  // A NaN quad written into a layer is never found either.
  CollideRectAt(nan, nan, 10, 10, 0, Layer(1), Id("n"));
  EXPECT_TRUE(CollideRectAt(0, 0, 100, 100, Layer(1), 0, nullptr).empty());
}

TEST_F(CollideRect, SpansWiderThanTheBufferPieceAreMarkedThroughout) {
  // 300000-pixel rows are marked in pieces; the far end must still count.
  CollideRectAt(0, 0, 300000, 2, 0, Layer(0), Id("a"));
  EXPECT_EQ(CollideRectAt(299999, 1, 5, 5, Layer(0), 0, nullptr).size(), 1u);
  EXPECT_TRUE(CollideRectAt(300000, 1, 5, 5, Layer(0), 0, nullptr).empty());
  EXPECT_EQ(CollideRectAt(-10, 0, 400000, 1, Layer(0), 0, nullptr).size(), 1u);
}
