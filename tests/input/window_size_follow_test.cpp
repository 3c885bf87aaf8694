// The drawing layer against a context whose size changes under it, on a
// recording driver: what follows the new size, what the program set stays,
// and a window without area changes nothing.
#include <gtest/gtest.h>

#include "draw2d/draw2d.h"
#include "system/event.h"
#include "tests/draw2d/recording_driver.h"

namespace tazmix {
namespace {

using testing::CallLog;
using testing::RecordingDriver;

// A context whose size the test changes, as a window manager would.
class SizedGraphics : public TGraphics {
 public:
  explicit SizedGraphics(TGraphicsDriver* driver) : driver_(driver) {}
  TGraphicsDriver* Driver() override { return driver_; }
  void GetSettings(int32_t& w, int32_t& h, int32_t& d, int32_t& hz, int32_t& f) override {
    w = width;
    h = height;
    d = hz = f = 0;
  }
  void Close() override {}
  int32_t width = 640;
  int32_t height = 480;

 private:
  TGraphicsDriver* driver_;
};

class SurfaceRecordingDriver : public RecordingDriver {
 public:
  void SetSurface(int32_t w, int32_t h, int32_t x, int32_t y, int32_t aw, int32_t ah) override {
    log.Add("SetSurface", {double(w), double(h), double(x), double(y), double(aw), double(ah)});
  }
};

TEST(WindowSizeFollow, TheCurrentGraphicsFollowsWhatItDidNotSetItself) {
  InitDraw2D();
  struct Case {
    const char* what;
    bool own_resolution;  // SetVirtualResolution(320, 240), letterboxed
    bool own_viewport;    // SetViewport(10, 10, 100, 100)
    int32_t width, height;
    std::vector<std::string> sent;  // what reaches the driver after the event
  } cases[] = {
      {"window pixels", false, false, 800, 600,
       {"SetSurface 800 600 0 0 800 600", "SetResolution 800 600", "SetViewport 0 0 800 600"}},
      {"letterboxed", true, false, 800, 480,
       {"SetSurface 800 480 80 0 640 480", "SetResolution 320 240", "SetViewport 0 0 800 480"}},
      {"own viewport", false, true, 800, 600,
       {"SetSurface 800 600 0 0 800 600", "SetResolution 800 600", "SetViewport 10 10 100 100"}},
      {"same size", false, false, 640, 480, {}},
      {"minimised", false, false, 0, 0, {}},
  };
  for (const Case& c : cases) {
    Ref<SurfaceRecordingDriver> driver = New<SurfaceRecordingDriver>();
    SetGraphicsDriver(driver, 0);
    Ref<SizedGraphics> window = New<SizedGraphics>(driver.get());
    Ref<TVex2DGraphics> g = TVex2DGraphics::Create(window, driver);
    SetGraphics(g);
    if (c.own_resolution) {
      SetVirtualResolution(320, 240);
      SetVirtualResolutionFit(VIRTUAL_LETTERBOX);
    }
    if (c.own_viewport) SetViewport(10, 10, 100, 100);
    driver->log.Clear();

    window->width = c.width;
    window->height = c.height;
    CreateEvent(EVENT_WINDOWSIZE, nullptr, 0, 0, c.width, c.height)->Emit();
    EXPECT_EQ(driver->log.Texts(), c.sent) << c.what;

    // Made current again, the graphics sends the same layout.
    driver->log.Clear();
    SetGraphics(g);
    EXPECT_EQ(driver->log.Named("SetSurface").size(), 1u) << c.what;
    if (!c.sent.empty()) EXPECT_EQ(driver->log.Named("SetSurface")[0].Text(), c.sent[0]) << c.what;
    SetGraphics(nullptr);
  }
}

}  // namespace
}  // namespace tazmix
