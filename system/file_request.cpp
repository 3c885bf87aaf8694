#include "system/file_request.h"

namespace tazmix {

namespace {

std::vector<String> Patterns(const String& extensions) {
  std::vector<String> patterns;
  for (const String& ext : extensions.Split(String(","))) {
    if (ext.IsEmpty()) continue;
    patterns.push_back(ext == String("*") ? ext : String("*.") + ext);
  }
  return patterns;
}

}  // namespace

std::vector<FileFilterGroup> ParseFileFilter(const String& filter) {
  std::vector<FileFilterGroup> groups;
  if (filter.IsEmpty()) return groups;
  if (!filter.Contains(String(":"))) {
    groups.push_back({String("Files"), Patterns(filter.Replace(String(";"), String(",")))});
    return groups;
  }
  for (const String& group : filter.Split(String(";"))) {
    if (group.IsEmpty()) continue;
    const int32_t colon = group.Find(String(":"));
    if (colon < 0) {
      groups.push_back({String("Files"), Patterns(group)});
    } else {
      groups.push_back({group.Left(colon), Patterns(group.Slice(colon + 1, group.Length()))});
    }
  }
  return groups;
}

int32_t DefaultFilterGroup(const String& filter, const String& path) {
  // The extension is taken from the file name, so a dot in a folder name
  // ("./", "my.pics/") cannot hide it.
  const String name = SplitRequestPath(path).name;
  const int32_t dot = name.Find(String("."));
  if (dot < 0) return 0;
  const String key = String(",") + name.Slice(dot + 1, name.Length()).ToLower() + ",";
  // Framing every extension with commas lets one search find whole names.
  const String framed =
      String(",") + filter.ToLower().Replace(String(":"), String(":,")).Replace(String(";"), String(",;")) + ",";
  const int32_t at = framed.Find(key);
  if (at < 0) return 0;
  int32_t group = 1;
  for (int32_t i = 0; i < at; ++i) {
    if (framed[i] == u';') ++group;
  }
  return group;
}

InitialFileLocation SplitRequestPath(const String& path) {
  const String fixed = path.Replace(String("\\"), String("/"));
  const int32_t slash = fixed.FindLast(String("/"));
  if (slash < 0) return {String(), fixed};
  // A file in the root keeps the root as its folder.
  String folder = slash == 0 ? String("/") : fixed.Left(slash);
  return {folder, fixed.Slice(slash + 1, fixed.Length())};
}

}  // namespace tazmix
