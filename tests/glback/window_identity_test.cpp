// What a desktop knows a program's window by: its class and its icon, on a
// display of the test's own.
#include <gtest/gtest.h>
#include <stdlib.h>

#include "glback/gl_graphics.h"
#include "graphics/graphics_icon.h"
#include "runtime/application.h"
#include "runtime/error_report.h"
#include "system/user_data.h"
#include "tests/e2e/x_session.h"

namespace tazmix {
namespace {

using vindra::e2e::VirtualDisplay;
using vindra::e2e::XClient;

TEST(WindowIdentity, TheWindowTakesTheApplicationsNameAndIcon) {
  VirtualDisplay display;
  ASSERT_TRUE(display.Running()) << "Xvfb did not start";
  // The modules start before the display is named: the session bus that
  // SDL looks for then would otherwise be sought through it.
  InitGLGraphics();
  setenv("DISPLAY", display.Name().c_str(), 1);
  unsetenv("SDL_VIDEODRIVER");
  ApplicationName = "tazmix-probe";
  ApplicationTitle = "Identity probe";
  Ref<TGraphics> g = GLGraphics(64, 48, 0, 0, 0);
  ASSERT_TRUE(g) << LastErrorText().ToUTF8String();
  const std::string window = vindra::e2e::FindWindow(display, "Identity probe", 10000);
  ASSERT_FALSE(window.empty());
  auto properties = [&] { return XClient(display, "xprop", {"-id", window, "WM_CLASS", "_NET_WM_ICON"}); };
  EXPECT_NE(properties().find("WM_CLASS(STRING) = \"tazmix-probe\", \"tazmix-probe\""), std::string::npos)
      << properties();
  EXPECT_NE(properties().find("_NET_WM_ICON:  not found"), std::string::npos) << properties();

  // An icon set while the window is open reaches it; the pixmap is copied.
  Ref<TPixmap> icon = CreatePixmap(5, 3, FORMAT_RGB24);
  ClearPixels(icon, PackARGB(255, 200, 30, 10));
  ASSERT_EQ(SetGraphicsIcon(icon), 1);
  ClearPixels(icon, 0);
  EXPECT_EQ(ReadPixel(GraphicsIcon(), 4, 2), PackARGB(255, 200, 30, 10));
  const vindra::e2e::Deadline deadline(10000);
  while (properties().find("Icon (5 x 3)") == std::string::npos && !deadline.Passed()) vindra::e2e::Sleep(50);
  EXPECT_NE(properties().find("Icon (5 x 3)"), std::string::npos) << properties();

  // Bad pixmaps are refused with a reason, and the icon stays.
  SetErrorEcho(false);
  struct Case {
    Ref<TPixmap> pixmap;
    const char* line;
  } cases[] = {
      {nullptr, "SetGraphicsIcon(Null): no pixmap"},
      {CreatePixmap(0, 0, FORMAT_RGBA32), "SetGraphicsIcon(0 x 0): an icon must be 1 x 1 to 1024 x 1024 pixels"},
      {CreatePixmap(1025, 1, FORMAT_RGBA32),
       "SetGraphicsIcon(1025 x 1): an icon must be 1 x 1 to 1024 x 1024 pixels"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SetGraphicsIcon(c.pixmap), 0) << c.line;
    EXPECT_EQ(LastErrorText(), String(c.line));
  }
  SetErrorEcho(true);
  EXPECT_EQ(PixmapWidth(GraphicsIcon()), 5);
  EndGraphics();
}

}  // namespace
}  // namespace tazmix
