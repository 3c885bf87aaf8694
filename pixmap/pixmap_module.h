// Initialisation of the pixmap module.
#pragma once

namespace tazmix {

// Runs once: initialises the modules pixmaps build on. The format tables are
// constants and the loader chain starts empty, so nothing else needs setting.
void InitPixmap();

}  // namespace tazmix
