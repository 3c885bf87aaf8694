// The streams subsystem's start: its classes, then the bank streams (whose
// factory joins the chain) and the file system. Modules that use streams
// call InitStream() from their own Init function.
#pragma once

namespace tazmix {

void InitStream();

}  // namespace tazmix
