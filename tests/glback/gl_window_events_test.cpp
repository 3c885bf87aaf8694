// The graphics window and the input road: a close request becomes an event
// and the window stays; polled input listens only while a main graphics is
// open.
#include <GL/gl.h>
#include <SDL.h>
#include <gtest/gtest.h>

#include "glback/gl_graphics.h"
#include "glback/platform/gl_native.h"
#include "system/polled_input.h"

namespace tazmix {
namespace {

void PushCloseRequest(int32_t widget) {
  SDL_Event e{};
  e.window.type = SDL_WINDOWEVENT;
  e.window.event = SDL_WINDOWEVENT_CLOSE;
  e.window.windowID = static_cast<Uint32>(widget);
  SDL_PushEvent(&e);
}

int32_t ContextOf(const Ref<TGraphics>& g) { return static_cast<TGLGraphics*>(g.get())->_context; }

TEST(GLWindowEvents, ACloseRequestIsReportedAndTheWindowStays) {
  Ref<TGraphics> g = GLGraphics(64, 48, 0, 0, 0);
  ASSERT_TRUE(g);
  const int32_t widget = GLNativeWidget(ContextOf(g));
  ASSERT_NE(widget, 0);
  EXPECT_EQ(AppTerminate(), 0);

  PushCloseRequest(widget);
  EXPECT_EQ(AppTerminate(), 1);
  EXPECT_EQ(AppTerminate(), 0);  // once per request

  EXPECT_EQ(GLNativeWidget(ContextOf(g)), widget);
  glClearColor(0.0f, 1.0f, 0.0f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
  uint8_t px[4] = {};
  glReadPixels(3, 3, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, px);
  EXPECT_EQ(px[1], 255);
  Flip(0);
  EndGraphics();
}

TEST(GLWindowEvents, PolledInputListensOnlyWhileTheMainGraphicsIsOpen) {
  Ref<TGraphics> g = GLGraphics(64, 48, 0, 0, 0);
  ASSERT_TRUE(g);
  const int32_t widget = GLNativeWidget(ContextOf(g));
  Ref<TGraphics> other = CreateGraphics(32, 32, 0, 0, 0);  // keeps a window open
  ASSERT_TRUE(other);
  EndGraphics();
  PushCloseRequest(widget);
  EXPECT_EQ(AppTerminate(), 0);
  CloseGraphics(other);
}

}  // namespace
}  // namespace tazmix
