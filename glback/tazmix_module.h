// One call that starts everything a program usually needs.
#pragma once

namespace tazmix {

// Runs once: random numbers, the file system and bank streams, timers, the
// GL 2D driver (the drawing layer on OpenGL, installed as the graphics
// driver in force, with everything under it), FreeType fonts and the PNG
// loader. Each module can still be started on its own instead.
void InitTazmix();

}  // namespace tazmix
