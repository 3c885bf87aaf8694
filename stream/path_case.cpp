#include "stream/path_case.h"

#include "stream/dir_listing.h"
#include "stream/internal/file_status.h"

namespace tazmix {

String ResolvePathCase(const String& path) {
  FileStatus st;
  if (GetFileStatus(path, &st) && (st.type == 1 || st.type == 2)) return path;

  const int32_t len = path.Length();
  int32_t slash = -1;  // the last "/" before the final character
  for (int32_t i = len - 2; i >= 0; --i) {
    if (path[i] == u'/') {
      slash = i;
      break;
    }
  }

  String dir, head, name;
  if (slash < 0) {
    dir = ".";
    name = path;
  } else if (slash == 0) {
    // Below the root "/" of a platform without drive letters.
    dir = "/";
    head = "/";
    name = path.Slice(1, len);
  } else {
    const String prefix = ResolvePathCase(path.Left(slash));
    if (prefix.IsEmpty()) return String();
    dir = prefix;
    head = prefix + "/";
    name = path.Slice(prefix.Length() + 1, len);
  }

  // A trailing "/" is no part of the entry's name; it is kept on the result.
  String tail;
  if (name.Length() > 1 && name[name.Length() - 1] == u'/') {
    name = name.Left(name.Length() - 1);
    tail = "/";
  }

  Ref<TDirListing> listing = TDirListing::Open(dir);
  if (!listing) return String();
  const String wanted = name.ToLower();
  for (String entry = listing->Next(); !entry.IsEmpty(); entry = listing->Next()) {
    if (entry.ToLower() == wanted) return head + entry + tail;
  }
  return String();
}

}  // namespace tazmix
