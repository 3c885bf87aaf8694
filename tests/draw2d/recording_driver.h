// A 2D driver that draws nothing and writes down every call it gets, with
// frames that do the same, for tests where the call itself is the point.
//
// Draw2DTest installs a fresh driver, opens a 640x480 context through the
// graphics core (so the context is made current the way a back end does it)
// and resets the image settings; the log starts empty after that.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "draw2d/draw2d.h"
#include "graphics/graphics.h"
#include "runtime/exception.h"

namespace tazmix::testing {

struct DriverCall {
  std::string name;
  std::vector<double> args;

  // "Name a b c" with the numbers in shortest form, for exact comparisons.
  std::string Text() const {
    std::string text = name;
    for (double a : args) {
      char buffer[32];
      std::snprintf(buffer, sizeof buffer, " %g", a);
      text += buffer;
    }
    return text;
  }
};

class CallLog {
 public:
  void Add(std::string name, std::vector<double> args = {}) { calls_.push_back({std::move(name), std::move(args)}); }
  void Clear() { calls_.clear(); }
  const std::vector<DriverCall>& Calls() const { return calls_; }
  // The calls of one name, in order.
  std::vector<DriverCall> Named(const std::string& name) const {
    std::vector<DriverCall> out;
    for (const auto& c : calls_) {
      if (c.name == name) out.push_back(c);
    }
    return out;
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> out;
    for (const auto& c : calls_) out.push_back(c.Text());
    return out;
  }

 private:
  std::vector<DriverCall> calls_;
};

// A back-end context of a fixed size that only counts how often it is closed.
class StubGraphics : public TGraphics {
 public:
  StubGraphics(TGraphicsDriver* driver, int32_t width, int32_t height) : driver_(driver), width_(width), height_(height) {}
  TGraphicsDriver* Driver() override { return driver_; }
  void GetSettings(int32_t& width, int32_t& height, int32_t& depth, int32_t& hertz, int32_t& flags) override {
    width = width_;
    height = height_;
    depth = 0;
    hertz = 60;
    flags = GRAPHICS_BACK_BUFFER;
  }
  void Close() override { ++closed; }

  int32_t closed = 0;

 private:
  TGraphicsDriver* driver_;
  int32_t width_;
  int32_t height_;
};

class RecordingFrame : public TImageFrame {
 public:
  RecordingFrame(CallLog* log, Ref<TPixmap> pixmap, int32_t flags) : pixmap(std::move(pixmap)), flags(flags), log_(log) {}
  void Draw(float x0, float y0, float x1, float y1, float tx, float ty, float sx, float sy, float sw, float sh) override {
    log_->Add("Frame.Draw", {x0, y0, x1, y1, tx, ty, sx, sy, sw, sh});
  }

  Ref<TPixmap> pixmap;  // what the frame was made from
  int32_t flags;

 private:
  CallLog* log_;
};

class RecordingDriver : public TVex2DDriver {
 public:
  CallLog log;
  // When set, CreateFrameFromPixmap fails (returns Null).
  bool refuse_frames = false;
  // What GrabPixmap hands back (Null: a fresh RGBA32 pixmap of the size, cleared).
  Ref<TPixmap> grab_result;

  std::vector<Ref<TGraphicsMode>> GraphicsModes() override { return {}; }
  Ref<TGraphics> AttachGraphics(int32_t, int32_t) override { return nullptr; }
  Ref<TGraphics> CreateGraphics(int32_t width, int32_t height, int32_t, int32_t, int32_t) override {
    return TVex2DGraphics::Create(New<StubGraphics>(this, width, height), Ref<TVex2DDriver>(this));
  }
  void SetGraphics(const Ref<TGraphics>& g) override {
    if (auto g2d = Cast<TVex2DGraphics>(g)) {
      g2d->MakeCurrent();
    } else {
      TVex2DGraphics::ClearCurrent();
    }
  }
  void Flip(int32_t sync) override { log.Add("Flip", {double(sync)}); }

  Ref<TImageFrame> CreateFrameFromPixmap(const Ref<TPixmap>& pixmap, int32_t flags) override {
    log.Add("CreateFrame", {double(pixmap->width), double(pixmap->height), double(flags)});
    if (refuse_frames) return nullptr;
    return New<RecordingFrame>(&log, pixmap, flags);
  }
  void SetBlend(int32_t blend) override { log.Add("SetBlend", {double(blend)}); }
  void SetAlpha(float alpha) override { log.Add("SetAlpha", {alpha}); }
  void SetColor(int32_t r, int32_t g, int32_t b) override { log.Add("SetColor", {double(r), double(g), double(b)}); }
  void SetClsColor(int32_t r, int32_t g, int32_t b) override {
    log.Add("SetClsColor", {double(r), double(g), double(b)});
  }
  void SetViewport(int32_t x, int32_t y, int32_t w, int32_t h) override {
    log.Add("SetViewport", {double(x), double(y), double(w), double(h)});
  }
  void SetTransform(float ix, float iy, float jx, float jy) override { log.Add("SetTransform", {ix, iy, jx, jy}); }
  void SetLineWidth(float width) override { log.Add("SetLineWidth", {width}); }
  void Cls() override { log.Add("Cls"); }
  void Plot(float x, float y) override { log.Add("Plot", {x, y}); }
  void DrawLine(float x0, float y0, float x1, float y1, float tx, float ty) override {
    log.Add("DrawLine", {x0, y0, x1, y1, tx, ty});
  }
  void DrawRect(float x0, float y0, float x1, float y1, float tx, float ty) override {
    log.Add("DrawRect", {x0, y0, x1, y1, tx, ty});
  }
  void DrawOval(float x0, float y0, float x1, float y1, float tx, float ty) override {
    log.Add("DrawOval", {x0, y0, x1, y1, tx, ty});
  }
  void DrawPoly(const std::vector<float>& xy, float hx, float hy, float ox, float oy) override {
    std::vector<double> args(xy.begin(), xy.end());
    args.insert(args.end(), {hx, hy, ox, oy});
    log.Add("DrawPoly", args);
  }
  void DrawPixmap(const Ref<TPixmap>& pixmap, int32_t x, int32_t y) override {
    log.Add("DrawPixmap", {double(pixmap->width), double(pixmap->height), double(x), double(y)});
  }
  Ref<TPixmap> GrabPixmap(int32_t x, int32_t y, int32_t w, int32_t h) override {
    log.Add("GrabPixmap", {double(x), double(y), double(w), double(h)});
    if (grab_result) return grab_result;
    Ref<TPixmap> pixmap = CreatePixmap(w, h, FORMAT_RGBA32);
    pixmap->ClearPixels(0);
    return pixmap;
  }
  void SetResolution(float width, float height) override { log.Add("SetResolution", {width, height}); }
};

// A fresh recording driver in force and a 640x480 2D context current.
class Draw2DTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitDraw2D();
    driver = New<RecordingDriver>();
    SetGraphicsDriver(driver, GRAPHICS_BACK_BUFFER);
    graphics = Cast<TVex2DGraphics>(CreateGraphics(640, 480, 0, 60, 0));
    ASSERT_TRUE(graphics);
    SetGraphics(graphics);
    SetMaskColor(0, 0, 0);
    AutoMidHandle(0);
    AutoImageFlags(IMAGE_MASKED | IMAGE_FILTERED);
    driver->log.Clear();
  }
  void TearDown() override { SetGraphics(nullptr); }

  CallLog& Log() { return driver->log; }

  Ref<RecordingDriver> driver;
  Ref<TVex2DGraphics> graphics;
};

}  // namespace tazmix::testing
