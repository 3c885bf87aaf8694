/// \file
/// The termination signal as a close request: a program that turns it on sees
/// SIGTERM as an EVENT_APPTERMINATE (AppTerminate) on the main thread, as if
/// its window had been closed, and can end in its own orderly way.
///
/// \code{.cpp}
/// tazmix::TreatTerminateSignalAsCloseRequest();
/// while (!tazmix::AppTerminate()) { ... }  // `kill` now ends the loop, and the saves get written
/// SaveGame();
/// \endcode
/// \ingroup system
/// \since 1.0
#pragma once

namespace tazmix {

/// Installs the handler once; later calls do nothing. The system module must
/// be started (InitSystem).
/// \since 1.0
void TreatTerminateSignalAsCloseRequest();

}  // namespace tazmix
