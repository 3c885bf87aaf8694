/// \file
/// Initialisation of the pixmap module.
///
/// \code{.cpp}
/// tazmix::InitPixmap();  // InitTazmix and InitPNGLoader do this
/// \endcode
/// \ingroup pixmap
/// \since 1.0
#pragma once

namespace tazmix {

/// Runs once: initialises the modules pixmaps build on. The format tables are
/// constants and the loader chain starts empty, so nothing else needs setting.
/// \since 1.0
void InitPixmap();

}  // namespace tazmix
