#include "stream/path.h"

#include <unistd.h>

#include <cerrno>
#include <string>

#include "stream/internal/native_path.h"

namespace tazmix {

namespace {

bool EndsWithSlash(const String& s) { return !s.IsEmpty() && s[s.Length() - 1] == u'/'; }

// The position of the last "." when it belongs to the final component, else -1.
int32_t ExtensionDot(const String& path) {
  const int32_t dot = path.FindLast(".");
  if (dot < 0 || path.Find("/", dot + 1) >= 0) return -1;
  return dot;
}

}  // namespace

String FixPath(const String& path, bool stripSlash) {
  String p = path.Replace("\\", "/");
  if (!p.StartsWith("//")) {
    const int32_t colon = p.Find(":");
    if (colon >= 0 && (colon == p.Length() - 1 || p[colon + 1] != u':')) {
      const int32_t slash = p.Find("/");
      if (slash < 0 || slash > colon + 1) p = p.Left(colon + 1) + "/" + p.Slice(colon + 1, p.Length());
    }
  } else if (p.Find("/", 2) < 0) {
    p += "/";
  }
  if (stripSlash && EndsWithSlash(p) && !IsRootPath(p)) p = p.Left(p.Length() - 1);
  return p;
}

String RootPath(const String& path) {
  if (path.StartsWith("//")) {
    const int32_t slash = path.Find("/", 2);
    return slash < 0 ? String() : path.Left(slash + 1);
  }
  const int32_t colon = path.Find(":");
  const int32_t slash = path.Find("/");
  if (colon >= 0 && slash == colon + 1) return path.Left(slash + 1);
  if (slash == 0) return "/";
  return String();
}

bool IsRootPath(const String& path) { return !path.IsEmpty() && path == RootPath(path); }

bool IsRealPath(const String& path) { return !RootPath(path).IsEmpty(); }

String StripDir(const String& path) {
  const String p = FixPath(path);
  return p.Slice(p.FindLast("/") + 1, p.Length());
}

String StripExt(const String& path) {
  const String p = FixPath(path);
  const int32_t dot = ExtensionDot(p);
  return dot < 0 ? p : p.Left(dot);
}

String StripAll(const String& path) { return StripDir(StripExt(path)); }

String StripSlash(const String& path) {
  const String p = FixPath(path);
  if (EndsWithSlash(p) && !IsRootPath(p)) return p.Left(p.Length() - 1);
  return p;
}

String ExtractDir(const String& path) {
  const String p = FixPath(path);
  if (p == String(".") || p == String("..") || IsRootPath(p)) return p;
  const int32_t slash = p.FindLast("/");
  if (slash < 0) return String();
  const String with_slash = p.Left(slash + 1);
  return IsRootPath(with_slash) ? with_slash : p.Left(slash);
}

String ExtractExt(const String& path) {
  const String p = FixPath(path);
  const int32_t dot = ExtensionDot(p);
  return dot < 0 ? String() : p.Slice(dot + 1, p.Length());
}

String CurrentDir() {
  std::string buffer(256, '\0');
  while (!getcwd(buffer.data(), buffer.size())) {
    if (errno != ERANGE) return String();
    buffer.resize(buffer.size() * 2);
  }
  buffer.resize(buffer.find('\0'));
  return FixPath(FromNativeName(buffer));
}

String RealPath(const String& path) {
  // Without drive letters nothing is put in front of a path starting with "/".
  const String p = FixPath(path);
  String root = RootPath(p);
  String rest;
  if (!root.IsEmpty()) {
    rest = p.Slice(root.Length(), p.Length());
  } else {
    root = CurrentDir();
    rest = p;
  }
  for (const String& part : (rest + "/").Split("/")) {
    if (part.IsEmpty() || part == String(".")) continue;
    if (part == String("..")) {
      if (IsRootPath(root)) continue;
      const int32_t slash = root.FindLast("/");
      if (slash < 0) {
        root = String();
        continue;
      }
      const String with_slash = root.Left(slash + 1);
      root = IsRootPath(with_slash) ? with_slash : root.Left(slash);
      continue;
    }
    if (!EndsWithSlash(root)) root += "/";
    root += part;
  }
  return root;
}

}  // namespace tazmix
