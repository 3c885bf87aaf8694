// The drawing layer's own cost per call: state lookup, handle and origin
// arithmetic, frame lookup and glyph walking, measured against a driver and
// frames that only count what reaches them.
#include <benchmark/benchmark.h>

#include "draw2d/draw2d.h"
#include "graphics/graphics.h"

using namespace tazmix;

namespace {

struct Counter {
  int64_t draws = 0;
};

class CountingFrame : public TImageFrame {
 public:
  explicit CountingFrame(Counter* counter) : counter_(counter) {}
  void Draw(float, float, float, float, float, float, float, float, float, float) override { ++counter_->draws; }

 private:
  Counter* counter_;
};

class CountingGraphics : public TGraphics {
 public:
  explicit CountingGraphics(TGraphicsDriver* driver) : driver_(driver) {}
  TGraphicsDriver* Driver() override { return driver_; }
  void GetSettings(int32_t& w, int32_t& h, int32_t& d, int32_t& hz, int32_t& f) override {
    w = 800;
    h = 600;
    d = 0;
    hz = 60;
    f = GRAPHICS_BACK_BUFFER;
  }
  void Close() override {}

 private:
  TGraphicsDriver* driver_;
};

class CountingDriver : public TVex2DDriver {
 public:
  Counter counter;

  std::vector<Ref<TGraphicsMode>> GraphicsModes() override { return {}; }
  Ref<TGraphics> AttachGraphics(int32_t, int32_t) override { return nullptr; }
  Ref<TGraphics> CreateGraphics(int32_t, int32_t, int32_t, int32_t, int32_t) override {
    return TVex2DGraphics::Create(New<CountingGraphics>(this), Ref<TVex2DDriver>(this));
  }
  void SetGraphics(const Ref<TGraphics>& g) override {
    if (auto g2d = Cast<TVex2DGraphics>(g)) {
      g2d->MakeCurrent();
    } else {
      TVex2DGraphics::ClearCurrent();
    }
  }
  void Flip(int32_t) override {}
  Ref<TImageFrame> CreateFrameFromPixmap(const Ref<TPixmap>&, int32_t) override {
    return New<CountingFrame>(&counter);
  }
  void SetBlend(int32_t) override {}
  void SetAlpha(float) override {}
  void SetColor(int32_t, int32_t, int32_t) override {}
  void SetClsColor(int32_t, int32_t, int32_t) override {}
  void SetViewport(int32_t, int32_t, int32_t, int32_t) override {}
  void SetTransform(float, float, float, float) override {}
  void SetLineWidth(float) override {}
  void Cls() override {}
  void Plot(float, float) override {}
  void DrawLine(float, float, float, float, float, float) override {}
  void DrawRect(float, float, float, float, float, float) override { ++counter.draws; }
  void DrawOval(float, float, float, float, float, float) override {}
  void DrawPoly(const std::vector<float>&, float, float, float, float) override {}
  void DrawPixmap(const Ref<TPixmap>&, int32_t, int32_t) override {}
  Ref<TPixmap> GrabPixmap(int32_t, int32_t, int32_t, int32_t) override { return nullptr; }
  void SetResolution(float, float) override {}
};

CountingDriver& Driver() {
  static Ref<CountingDriver> driver = [] {
    InitDraw2D();
    auto d = New<CountingDriver>();
    SetGraphicsDriver(d, GRAPHICS_BACK_BUFFER);
    SetGraphics(CreateGraphics(800, 600, 0, 60, 0));
    return d;
  }();
  return *driver;
}

Ref<TImage> Sprite() {
  auto image = CreateImage(32, 32, 1, IMAGE_FILTERED);
  image->Lock(0, 0, 1)->ClearPixels(-1);
  MidHandleImage(image);
  return image;
}

void BM_DrawImageRotated(benchmark::State& state) {
  CountingDriver& driver = Driver();
  auto image = Sprite();
  float angle = 0;
  for (auto _ : state) {
    SetRotation(angle += 1.0f);
    DrawImage(image, 400, 300);
  }
  SetRotation(0);
  benchmark::DoNotOptimize(driver.counter.draws);
}
BENCHMARK(BM_DrawImageRotated);

void BM_DrawRect(benchmark::State& state) {
  CountingDriver& driver = Driver();
  for (auto _ : state) DrawRect(10, 10, 100, 50);
  benchmark::DoNotOptimize(driver.counter.draws);
}
BENCHMARK(BM_DrawRect);

// A status line of the round screen in the built-in font.
void BM_DrawText(benchmark::State& state) {
  CountingDriver& driver = Driver();
  const String text = u"W\u00f6rter \u00fcbrig: 12 Punktestand: 1234";
  for (auto _ : state) DrawText(text, 10, 500);
  benchmark::DoNotOptimize(driver.counter.draws);
  state.SetItemsProcessed(state.iterations() * text.Length());
}
BENCHMARK(BM_DrawText);

void BM_TextWidth(benchmark::State& state) {
  Driver();
  const String text = u"Punktestand: 1234";
  for (auto _ : state) benchmark::DoNotOptimize(TextWidth(text));
}
BENCHMARK(BM_TextWidth);

// 32x32 tiles over an 800x600 viewport: 25 x 19 (+1 partial) copies per call.
void BM_TileImage(benchmark::State& state) {
  CountingDriver& driver = Driver();
  auto image = Sprite();
  for (auto _ : state) TileImage(image, 7, 5);
  benchmark::DoNotOptimize(driver.counter.draws);
}
BENCHMARK(BM_TileImage);

}  // namespace
