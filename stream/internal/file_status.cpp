#include "stream/internal/file_status.h"

#include <sys/stat.h>

#include <string>

#include "stream/internal/native_path.h"

namespace tazmix {

bool GetFileStatus(const String& path, FileStatus* out) {
  std::string native;
  if (!ToNativePath(path, &native)) return false;
  struct stat st;
  if (stat(native.c_str(), &st) != 0) return false;
  out->type = S_ISREG(st.st_mode) ? 1 : S_ISDIR(st.st_mode) ? 2 : 0;
  out->size = st.st_size;
  out->time = st.st_mtime;
  out->mode = static_cast<int32_t>(st.st_mode & 0x1FF);
  return true;
}

bool IsSymbolicLink(const String& path) {
  std::string native;
  if (!ToNativePath(path, &native)) return false;
  struct stat st;
  return lstat(native.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

}  // namespace tazmix

namespace tazmix {

bool IsSameFile(const String& a, const String& b) {
  std::string na, nb;
  if (!ToNativePath(a, &na) || !ToNativePath(b, &nb)) return false;
  struct stat sa, sb;
  if (stat(na.c_str(), &sa) != 0 || stat(nb.c_str(), &sb) != 0) return false;
  return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

}  // namespace tazmix
