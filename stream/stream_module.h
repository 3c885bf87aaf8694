/// \file
/// The streams subsystem's start: its classes, then the bank streams (whose
/// factory joins the chain) and the file system. Modules that use streams
/// call InitStream() from their own Init function; InitTazmix calls it too.
///
/// \code{.cpp}
/// tazmix::InitStream();  // only needed by a program that uses nothing else
/// \endcode
/// \ingroup stream
/// \since 1.0
#pragma once

namespace tazmix {

/// Starts the streams subsystem; does its work once. \since 1.0
void InitStream();

}  // namespace tazmix
