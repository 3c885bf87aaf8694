#include "system/user_data.h"

#include "runtime/application.h"
#include "runtime/error_report.h"
#include "stream/path.h"
#include "system/internal/platform_user_folders.h"

namespace tazmix {

String ApplicationName;

namespace {

// One folder name: it may not climb, descend or vanish.
bool IsFolderName(const String& name) {
  return !name.IsEmpty() && !(name == String(".")) && !(name == String("..")) && !name.Contains("/") &&
         !name.Contains("\\");
}

}  // namespace

String ApplicationNameInUse() {
  if (!ApplicationName.IsEmpty()) return ApplicationName;
  // Filled by RunApplication; a program with a main() of its own asks the
  // platform.
  const String from_path = StripDir(ApplicationPath);
  return from_path.IsEmpty() ? PlatformProgramFileName() : from_path;
}

String UserDataDir() {
  const String name = ApplicationNameInUse();
  FailureScope scope("UserDataDir", QuoteText(name));
  if (!IsFolderName(name)) {
    scope.Fail("the application name is no folder name (set ApplicationName)");
    return String();
  }
  const String dir = PlatformUserDataDir(name);
  if (dir.IsEmpty()) scope.Fail("the folder can't be made");
  return dir;
}

}  // namespace tazmix
