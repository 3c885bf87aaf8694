// Shared set-up of the collision tests: a current 2D graphics context on a
// driver that only records the matrix (collisions draw nothing), empty
// layers around every test, and images made from alpha values.
#pragma once

#include <gtest/gtest.h>

#include "collision_model.h"

namespace collision_test {

class CollisionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    driver_ = New<MatrixDriver>();
    graphics_ = MakeCollisionGraphics(driver_);
    ClearCollisionLayers(0);
  }
  void TearDown() override {
    ClearCollisionLayers(0);
    TVex2DGraphics::ClearCurrent();
  }

  Ref<MatrixDriver> driver_;
  Ref<TVex2DGraphics> graphics_;
};

}  // namespace collision_test
