// Per-user folders by the freedesktop base-directory rules.
#include <errno.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "runtime/error_report.h"
#include "stream/internal/native_path.h"
#include "system/internal/platform_user_folders.h"

namespace tazmix {

namespace {

bool IsAbsolute(const char* path) { return path && path[0] == '/'; }

// $HOME, or the password database's home folder when HOME is unset.
std::string HomeFolder() {
  const char* home = std::getenv("HOME");
  if (IsAbsolute(home)) return home;
  const passwd* entry = getpwuid(getuid());
  return entry && IsAbsolute(entry->pw_dir) ? entry->pw_dir : std::string();
}

// Relative values do not count: they would depend on the current directory.
std::string DataHome() {
  const char* xdg = std::getenv("XDG_DATA_HOME");
  if (IsAbsolute(xdg)) return xdg;
  const std::string home = HomeFolder();
  return home.empty() ? home : home + "/.local/share";
}

bool IsFolder(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Makes every missing folder of `path` (0700: the user's files are no one
// else's business); notes the first that can't be made.
bool MakeFolders(const std::string& path) {
  for (size_t at = path.find('/', 1); at != std::string::npos; at = path.find('/', at + 1)) {
    const std::string level = path.substr(0, at);
    if (level.empty() || level.back() == '/' || IsFolder(level)) continue;
    if (mkdir(level.c_str(), 0700) != 0 && !(errno == EEXIST && IsFolder(level))) {
      const String why = errno == EEXIST ? String("a file is in the way")
                                         : String::FromUTF8String(std::strerror(errno));
      NoteFailure("can't make the folder " + FromNativeName(level) + ": " + why);
      return false;
    }
  }
  return true;
}

}  // namespace

String PlatformProgramFileName() {
  std::string buffer(4096, '\0');
  const ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
  if (n <= 0) return String();
  buffer.resize(static_cast<size_t>(n));
  return FromNativeName(buffer.substr(buffer.find_last_of('/') + 1));
}

String PlatformUserDataDir(const String& name) {
  std::string base = DataHome();
  while (base.size() > 1 && base.back() == '/') base.pop_back();
  if (base.empty()) {
    NoteFailure(String("no home folder: neither XDG_DATA_HOME nor HOME names one"));
    return String();
  }
  std::string native_name;
  if (!ToNativePath(name, &native_name)) {
    NoteFailure(String("the application name can't be a file name"));
    return String();
  }
  const std::string dir = base + "/" + native_name + "/";
  if (!MakeFolders(dir)) return String();
  return FromNativeName(dir);
}

}  // namespace tazmix
