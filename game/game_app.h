// Start-up of Vindra!: the settings from the command line, the window, the
// pictures, fonts and frame timer, and the hook that holds the frame rate.
#pragma once

#include <cstdint>
#include <vector>

#include "draw2d/image.h"
#include "draw2d/image_font.h"
#include "runtime/object.h"
#include "runtime/string.h"
#include "system/timer.h"

namespace vindra {

// Settings: window size and frames per second.
extern int32_t ScreenWidth;   // 800
extern int32_t ScreenHeight;  // 600
extern int32_t RefreshRate;   // 60

// Resources, loaded once at start from the program's folder.
extern std::vector<tazmix::Ref<tazmix::TImage>> ButtonImages;  // Dif0..2.png
extern tazmix::Ref<tazmix::TImage> HandImage;                  // Row.png
extern tazmix::Ref<tazmix::TImage> CellImage;                  // Clipboard.png
extern tazmix::Ref<tazmix::TImage> TitleImage;                 // Title.png
extern tazmix::Ref<tazmix::TImageFont> SmallFont;              // arial.ttf, 16
extern tazmix::Ref<tazmix::TImageFont> BigFont;                // arial.ttf, 80
extern tazmix::Ref<tazmix::TTimer> FrameTimer;                 // RefreshRate Hz
extern tazmix::Ref<tazmix::TImage> ClockImage;                 // Clock.png

inline constexpr const char16_t* GAME_TITLE = u"Vindra! - QMC #37 - Dravik - v1.05";

// The game's module: list, random numbers, the GL 2D driver, FreeType fonts,
// the PNG loader and timers, in that order; then TGameWord is registered.
void InitGame();

// Width and height from elements 1 and 2 when there are more than two
// elements, the frame rate from element 3 when there are more than three
// (element 0 is the program). Texts that are no numbers give 0.
void ReadCommandLine(const std::vector<tazmix::String>& args);

// Sets the window title and icon, opens the ScreenWidth x ScreenHeight
// window and turns on alpha blending. A window that cannot be opened (no
// display, no OpenGL, a size no window can have) raises "Can't open a window
// of <w> x <h>! - EXIT", after writing the library's reason on the line
// before it.
void OpenGameWindow();

// Loads the resources in their order. A file that cannot be loaded raises
// "Can't load <name>! - EXIT".
void LoadResources();

// On FlipHook: every Flip first waits for the next tick of FrameTimer.
tazmix::Ref<tazmix::Object> WaitFrameTimer(int32_t id, const tazmix::Ref<tazmix::Object>& data,
                                           const tazmix::Ref<tazmix::Object>& context);

// Everything before the title screen: modules, seeding, command line,
// window, resources, the frame hook.
void StartGame(const std::vector<tazmix::String>& args);

// StartGame, then the title screen until Escape; returns the exit code 0.
int RunGame(const std::vector<tazmix::String>& args);

// The program's main function: RunGame with the process's arguments.
int GameMain();

}  // namespace vindra
