// The text rules of the file requester: filter groups, the group selected at
// start, and the folder and name the requester opens with.
#pragma once

#include <cstdint>
#include <vector>

#include "../runtime/string.h"

namespace tazmix {

struct FileFilterGroup {
  String description;
  std::vector<String> patterns;  // "*.png"; "*" for the extension "*"
};

// "Image Files:png,jpg;Text:txt" gives two groups; a plain list of
// extensions "png,jpg" gives one group called "Files". An empty filter gives
// no groups.
std::vector<FileFilterGroup> ParseFileFilter(const String& filter);

// The 1-based group that lists the extension of the file name in `path`
// (letter case ignored), or 0 when none does or the name has no extension.
int32_t DefaultFilterGroup(const String& filter, const String& path);

struct InitialFileLocation {
  String folder;  // "" when the path names no folder
  String name;
};

// Splits at the last separator ("/" or "\"): the folder before it and the
// file name after it.
InitialFileLocation SplitRequestPath(const String& path);

}  // namespace tazmix
