// The platform's file status, shared by path-case resolution and the file
// functions.
#pragma once

#include <cstdint>

#include "runtime/string.h"

namespace tazmix {

struct FileStatus {
  int32_t type = 0;   // 0 something else, 1 regular file, 2 folder
  int64_t size = 0;   // bytes
  int64_t time = 0;   // modification, seconds since 1970
  int32_t mode = 0;   // permission bits
};

// Follows links. False when nothing is there, the name holds "<" or ">", or
// the status cannot be read.
bool GetFileStatus(const String& path, FileStatus* out);

// True when `path` itself is a symbolic link (not followed).
bool IsSymbolicLink(const String& path);

}  // namespace tazmix

namespace tazmix {

// True when both paths name the very same file on disk (the same inode).
bool IsSameFile(const String& a, const String& b);

}  // namespace tazmix
