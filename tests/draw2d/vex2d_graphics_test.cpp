#include <gtest/gtest.h>

#include <cmath>

#include "runtime/error_report.h"
#include "system/event.h"
#include "system/polled_input.h"
#include "tests/draw2d/recording_driver.h"

using namespace tazmix;
using namespace tazmix::testing;

namespace {

using GraphicsContext = Draw2DTest;

std::vector<std::string> Names(const CallLog& log) {
  std::vector<std::string> names;
  for (const auto& c : log.Calls()) names.push_back(c.name);
  return names;
}

TEST_F(GraphicsContext, CreateStartsFromTheDefaultsAndTheContextSize) {
  auto g = TVex2DGraphics::Create(New<StubGraphics>(driver.get(), 320, 200), driver);
  EXPECT_EQ(g->color_red, 255);
  EXPECT_EQ(g->color_alpha, 1.0f);
  EXPECT_EQ(g->blend_mode, BLEND_MASK);
  EXPECT_EQ(g->viewport_w, 320);
  EXPECT_EQ(g->viewport_h, 200);
  EXPECT_EQ(g->vres_width, 320.0f);
  EXPECT_EQ(g->vres_height, 200.0f);
  EXPECT_EQ(g->image_font.get(), DefaultImageFont());
  EXPECT_NE(DefaultImageFont(), nullptr);
  EXPECT_EQ(g->_setup, 0);
  EXPECT_EQ(g->Driver(), driver.get());
}

TEST_F(GraphicsContext, FirstMakeCurrentSendsTheStateThenClearsAndFlipsBothBuffers) {
  auto g = Cast<TVex2DGraphics>(CreateGraphics(800, 600, 0, 60, 0));
  SetGraphics(g);
  const std::vector<std::string> expected = {
      "SetResolution", "SetBlend", "SetColor", "SetAlpha",    "SetClsColor", "SetLineWidth",
      "SetTransform",  "SetTransform", "SetViewport", "Cls", "Flip", "Cls", "Flip"};
  EXPECT_EQ(Names(Log()), expected);
  EXPECT_EQ(Log().Named("SetResolution")[0].Text(), "SetResolution 800 600");
  EXPECT_EQ(Log().Named("SetViewport")[0].Text(), "SetViewport 0 0 800 600");
  EXPECT_EQ(Log().Named("Flip")[0].Text(), "Flip 0");
  EXPECT_EQ(TVex2DGraphics::Current(), g.get());
  EXPECT_EQ(CurrentVex2DDriver(), driver.get());

  // Later switches re-send the state but do not clear.
  SetGraphics(graphics);
  Log().Clear();
  SetGraphics(g);
  EXPECT_TRUE(Log().Named("Cls").empty());
  EXPECT_TRUE(Log().Named("Flip").empty());
  EXPECT_EQ(Log().Named("SetBlend").size(), 1u);
}

TEST_F(GraphicsContext, StateSurvivesSwitchingAwayAndBack) {
  SetColor(10, 20, 30);
  SetAlpha(0.25f);
  SetBlend(BLEND_LIGHT);
  SetRotation(45);
  SetOrigin(7, 8);
  SetHandle(3, 4);
  auto other = Cast<TVex2DGraphics>(CreateGraphics(100, 100, 0, 60, 0));
  SetGraphics(other);
  SetColor(1, 2, 3);
  Log().Clear();

  SetGraphics(graphics);
  EXPECT_EQ(Log().Named("SetColor")[0].Text(), "SetColor 10 20 30");
  EXPECT_EQ(Log().Named("SetAlpha")[0].Text(), "SetAlpha 0.25");
  EXPECT_EQ(Log().Named("SetBlend")[0].Text(), "SetBlend 4");
  float x, y;
  GetOrigin(x, y);
  EXPECT_EQ(x, 7);
  EXPECT_EQ(y, 8);
  GetHandle(x, y);
  EXPECT_EQ(x, 3);
  EXPECT_EQ(y, 4);
  EXPECT_FLOAT_EQ(GetRotation(), 45);
}

std::vector<std::string> lines;
void CollectLine(const String& line) { lines.push_back(line.ToUTF8String()); }

TEST_F(GraphicsContext, ValuesReachTheDriverUnclampedAndOriginAndHandleNotAtAll) {
  SetErrorEcho(false);
  const ErrorLogHook previous = SetErrorLogHook(CollectLine);
  SetColor(300, -5, 128);
  SetAlpha(1.5f);
  SetBlend(9);
  SetOrigin(5, 6);
  SetHandle(1, 1);
  const std::vector<std::string> expected = {"SetColor 300 -5 128", "SetAlpha 1.5", "SetBlend 9"};
  EXPECT_EQ(Log().Texts(), expected);
  EXPECT_EQ(GetAlpha(), 1.5f);

  // Each setter tells of its first value out of range only, so a program
  // that makes the mistake every frame, or fades through 0..255, does not
  // flood standard error; values in range say nothing.
  for (int frame = 0; frame < 3; ++frame) {
    SetAlpha(std::nanf(""));
    SetColor(300 + frame, 0, 0);
    SetAlpha(0.25f);
    SetColor(0, 255, 7);
    SetClsColor(255, 0, 0);
  }
  SetClsColor(0, 0, 256);
  SetErrorLogHook(previous);
  SetErrorEcho(true);
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "SetColor(300, -5, 128): each value runs from 0 to 255; 255, 0, 128 were used",
                       "SetAlpha(1.5): alpha runs from 0 to 1; 1 was used",
                       "SetClsColor(0, 0, 256): each value runs from 0 to 255; 0, 0, 255 were used",
                   }));
}

TEST_F(GraphicsContext, RotationAndScaleMakeTheMatrix) {
  SetRotation(90);
  SetScale(2, 3);
  const DriverCall last = Log().Named("SetTransform").back();
  EXPECT_NEAR(last.args[0], 0, 1e-6);
  EXPECT_FLOAT_EQ(last.args[1], -3);
  EXPECT_FLOAT_EQ(last.args[2], 2);
  EXPECT_NEAR(last.args[3], 0, 1e-6);
  // The collision code reads the same matrix.
  EXPECT_FLOAT_EQ(CollisionTransform().iy, -3);
  EXPECT_FLOAT_EQ(CollisionTransform().jx, 2);
  float sx, sy;
  GetScale(sx, sy);
  EXPECT_EQ(sx, 2);
  EXPECT_EQ(sy, 3);

  SetTransform(0, 1, 1);
  EXPECT_EQ(Log().Named("SetTransform").back().Text(), "SetTransform 1 -0 0 1");
}

TEST_F(GraphicsContext, NullImageFontSelectsTheDefaultFont) {
  auto font = TImageFont::CreateDefault();
  SetImageFont(font);
  EXPECT_EQ(GetImageFont(), font);
  SetImageFont(nullptr);
  EXPECT_EQ(GetImageFont().get(), DefaultImageFont());
  EXPECT_NE(GetImageFont(), nullptr);
}

TEST_F(GraphicsContext, VirtualResolutionScalesTheMouse) {
  SetVirtualResolution(320, 240);
  EXPECT_EQ(Log().Texts().back(), "SetResolution 320 240");
  EXPECT_EQ(VirtualResolutionWidth(), 320);
  EXPECT_EQ(VirtualResolutionHeight(), 240);
  EXPECT_EQ(graphics->vres_mousexscale, 0.5f);
  EXPECT_EQ(graphics->vres_mouseyscale, 0.5f);
  EnablePolledInput();
  EmitEvent(CreateEvent(EVENT_MOUSEMOVE, nullptr, 0, 0, 200, 100));
  EXPECT_EQ(MouseX(), 200);
  EXPECT_EQ(VirtualMouseX(), 100.0f);
  EXPECT_EQ(VirtualMouseY(), 50.0f);
  DisablePolledInput();
}

TEST_F(GraphicsContext, CloseClosesTheWrappedContextOnce) {
  auto stub = New<StubGraphics>(driver.get(), 50, 50);
  auto g = TVex2DGraphics::Create(stub, driver);
  g->Close();
  g->Close();
  EXPECT_EQ(stub->closed, 1);
  EXPECT_EQ(g->Driver(), nullptr);
  int32_t w, h, d, hz, f;
  g->GetSettings(w, h, d, hz, f);
  EXPECT_EQ(w, 0);
}

TEST_F(GraphicsContext, WithoutACurrentContextTheFunctionsRaiseNamingThemselves) {
  SetGraphics(nullptr);
  EXPECT_EQ(TVex2DGraphics::Current(), nullptr);
  EXPECT_EQ(CurrentVex2DDriver(), nullptr);
  const std::pair<const char*, void (*)()> calls[] = {
      {"SetColor", [] { SetColor(1, 2, 3); }},
      {"SetBlend", [] { SetBlend(BLEND_ALPHA); }},
      {"SetRotation", [] { SetRotation(5); }},
      {"SetImageFont", [] { SetImageFont(nullptr); }},
      {"SetVirtualResolution", [] { SetVirtualResolution(320, 200); }},
      {"GetAlpha", [] { GetAlpha(); }},
      {"Cls", [] { Cls(); }},
      {"DrawText", [] { DrawText("x", 0, 0); }},
      {"TextWidth", [] { TextWidth("x"); }},
      {"DrawRectOutline", [] { DrawRectOutline(0, 0, 5, 5); }},
      {"ImagesOverlapTransformed", [] { ImagesOverlapTransformed(nullptr, 0, 0, 0, 0, 1, 1, nullptr, 0, 0, 0, 0, 1, 1); }},
  };
  for (const auto& [name, call] : calls) {
    try {
      call();
      ADD_FAILURE() << name << " raised nothing";
    } catch (const Thrown& t) {
      // The class that catching code knows; the text a program dies with.
      EXPECT_NE(t.As<TNullObjectException>(), nullptr) << name;
      EXPECT_EQ(t.Text(), String(name) + ": no graphics are open; call OpenGraphics first\n");
    }
  }
}

}  // namespace
