#include "game/game_app.h"

#include <cstdio>
#include <typeinfo>

#include "draw2d/draw_state.h"
#include "draw2d/draw_text.h"
#include "draw2d/image_api.h"
#include "font/freetype_font.h"
#include "game/game_word.h"
#include "game/title_screen.h"
#include "game/window_icon.h"
#include "glback/gl_vex2d_driver.h"
#include "graphics/graphics.h"
#include "pixmap/png_loader.h"
#include "runtime/application.h"
#include "runtime/error_report.h"
#include "runtime/exception.h"
#include "runtime/random.h"
#include "system/close_signal.h"
#include "system/hook.h"

using namespace tazmix;

namespace vindra {

int32_t ScreenWidth = 800;
int32_t ScreenHeight = 600;
int32_t RefreshRate = 60;

std::vector<Ref<TImage>> ButtonImages;
Ref<TImage> HandImage;
Ref<TImage> CellImage;
Ref<TImage> TitleImage;
Ref<TImageFont> SmallFont;
Ref<TImageFont> BigFont;
Ref<TTimer> FrameTimer;
Ref<TImage> ClockImage;

namespace {

// Every picture and the font are needed on every frame; going on without
// one would only fail later on a Null.
[[noreturn]] void CannotLoad(const String& name) { ThrowRuntimeError("Can't load " + name + "! - EXIT"); }

Ref<TImage> RequiredImage(const String& name, int32_t flags) {
  Ref<TImage> image = LoadImage(name, flags);
  if (!image) CannotLoad(name);
  return image;
}

Ref<TImageFont> RequiredFont(const String& name, int32_t size) {
  Ref<TImageFont> font = LoadImageFont(name, size, 4);
  if (!font) CannotLoad(name);
  return font;
}

}  // namespace

void InitGame() {
  static bool done = false;
  if (!BeginModuleInit(done)) return;
  // The list module has no start-up work of its own.
  InitRandom();
  InitGLVex2DDriver();
  InitFreeTypeFont();
  InitPNGLoader();
  InitTimers();
  RegisterClassRecord(typeid(TGameWord));
}

void ReadCommandLine(const std::vector<String>& args) {
  if (args.size() > 2) {
    ScreenWidth = args[1].ToInt();
    ScreenHeight = args[2].ToInt();
  }
  if (args.size() > 3) RefreshRate = args[3].ToInt();
}

void OpenGameWindow() {
  ApplicationTitle = GAME_TITLE;
  SetGameIcon();
  // The window always asks for 60 Hz; RefreshRate only drives the frame timer.
  ClearLastError();
  if (!OpenGraphics(ScreenWidth, ScreenHeight, 0, 60, 0)) {
    // The game's line says what failed; the library's line before it says
    // why (no display, no OpenGL, a size no window can have), which the
    // player needs and which the game's silenced failure lines would hide.
    const String reason = LastErrorText();
    if (!reason.IsEmpty()) std::fprintf(stderr, "tazmix: %s\n", reason.ToUTF8String().c_str());
    ThrowRuntimeError("Can't open a window of " + String::FromInt(ScreenWidth) + " x " +
                      String::FromInt(ScreenHeight) + "! - EXIT");
  }
  SetBlend(3);
}

void LoadResources() {
  ButtonImages.assign(3, nullptr);
  HandImage = RequiredImage("Row.png", 1);
  CellImage = RequiredImage("Clipboard.png", 6);
  TitleImage = RequiredImage("Title.png", -1);
  SmallFont = RequiredFont("arial.ttf", 16);
  BigFont = RequiredFont("arial.ttf", 80);
  FrameTimer = CreateTimer(static_cast<float>(RefreshRate));
  ClockImage = RequiredImage("Clock.png", -1);
  // The hand turns about the point one pixel in on its bottom edge.
  SetImageHandle(HandImage, 1, static_cast<float>(ImageHeight(HandImage)));
  SetImageFont(SmallFont);
  for (int32_t i = 0; i < 3; ++i) ButtonImages[i] = RequiredImage("Dif" + String::FromInt(i) + ".png", -1);
}

Ref<Object> WaitFrameTimer(int32_t, const Ref<Object>&, const Ref<Object>&) {
  if (FrameTimer) FrameTimer->Wait();
  return nullptr;
}

void StartGame(const std::vector<String>& args) {
  InitGame();
  // The game names its own failures ("Can't load Title.png! - EXIT"); the
  // library's reasons stay in LastErrorText instead of standard error.
  SetErrorEcho(false);
  // "kill" asks the game to close, like the window's close button.
  TreatTerminateSignalAsCloseRequest();
  SeedRandom(MilliSecs());
  ReadCommandLine(args);
  OpenGameWindow();
  LoadResources();
  AddHook(FlipHook, WaitFrameTimer, nullptr, 0);
}

int RunGame(const std::vector<String>& args) {
  StartGame(args);
  RunTitleScreen();
  return 0;
}

int GameMain() { return RunGame(ApplicationArgs); }

}  // namespace vindra
