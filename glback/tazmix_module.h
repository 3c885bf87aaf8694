/// \file
/// One call that starts everything a program usually needs.
///
/// \code{.cpp}
/// int GameMain() {
///   tazmix::InitTazmix();
///   if (!tazmix::OpenGraphics(800, 600, 0, 60, 0)) return 1;
///   // ...
///   return 0;
/// }
/// \endcode
/// \ingroup glback
/// \since 1.0
#pragma once

namespace tazmix {

/// Runs once: random numbers, the file system and bank streams, timers, the
/// GL 2D driver (the drawing layer on OpenGL, installed as the graphics
/// driver in force, with everything under it), FreeType fonts and the PNG
/// loader. Each module can still be started on its own instead. Opens no
/// window and no audio output.
/// \since 1.0
void InitTazmix();

}  // namespace tazmix
