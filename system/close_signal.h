// The termination signal as a close request: a program that turns it on sees
// SIGTERM as an EVENT_APPTERMINATE (AppTerminate) on the main thread, as if
// its window had been closed, and can end in its own orderly way.
#pragma once

namespace tazmix {

// Installs the handler once; later calls do nothing. The system module must
// be started (InitSystem).
void TreatTerminateSignalAsCloseRequest();

}  // namespace tazmix
