// A page's files live in memory and are gone when it is left: it has no
// folder that keeps a user's files, and a program told it had one would lose
// what it saved there.
#include "runtime/error_report.h"
#include "system/internal/platform_user_folders.h"

namespace tazmix {

// The page runs no program file of its own.
String PlatformProgramFileName() { return String(); }

String PlatformUserDataDir(const String&) {
  NoteFailure("a page keeps no files between visits");
  return String();
}

}  // namespace tazmix
