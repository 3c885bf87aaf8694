// Each test starts with a fresh stand-in driver in force, no main graphics
// and the stand-in clock at 1000 ms.
#pragma once

#include <gtest/gtest.h>

#include "graphics/internal/frame_clock.h"
#include "graphics/graphics.h"
#include "tests/graphics/stand_in_driver.h"

namespace tazmix::test {

class GraphicsModule : public ::testing::Test {
 protected:
  void SetUp() override {
    InitGraphics();
    EndGraphics();
    FakeClock::now = 1000;
    FakeClock::delays.clear();
    SetGraphicsClock({FakeClock::MilliSecs, FakeClock::Delay});
    driver = New<StandInDriver>();
    SetGraphicsDriver(driver, 0);
  }
  void TearDown() override {
    EndGraphics();
    SetGraphicsDriver(nullptr, 0);
    ResetGraphicsClock();
  }

  StandInGraphics* Open(int32_t w, int32_t h, int32_t d, int32_t hz, int32_t flags = 0) {
    Ref<TGraphics> g = OpenGraphics(w, h, d, hz, flags);
    EXPECT_TRUE(g);
    return static_cast<StandInGraphics*>(g.get());
  }

  Ref<StandInDriver> driver;
};

}  // namespace tazmix::test
