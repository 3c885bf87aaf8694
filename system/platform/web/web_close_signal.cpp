// A page gets no termination signal: closing its tab ends it outright.
#include "system/close_signal.h"

namespace tazmix {

void TreatTerminateSignalAsCloseRequest() {}

}  // namespace tazmix
