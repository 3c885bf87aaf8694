/// \file
/// The text rules of the file requester (RequestFile): filter groups, the
/// group selected at start, and the folder and name the requester opens with.
///
/// \code{.cpp}
/// auto groups = tazmix::ParseFileFilter("Image Files:png,jpg;Text:txt");
/// // groups[0] = {"Image Files", {"*.png", "*.jpg"}}, groups[1] = {"Text", {"*.txt"}}
/// int32_t first = tazmix::DefaultFilterGroup("Image Files:png,jpg;Text:txt", "notes.TXT");  // 2
/// \endcode
/// \ingroup system
/// \since 1.0
#pragma once

#include <cstdint>
#include <vector>

#include "../runtime/string.h"

namespace tazmix {

/// One group of a filter: a description and its patterns.
/// \since 1.0
struct FileFilterGroup {
  /// What the group is called in the requester. \since 1.0
  String description;
  /// "*.png"; "*" for the extension "*". \since 1.0
  std::vector<String> patterns;
};

/// Splits a filter text into groups.
/// \param filter "Image Files:png,jpg;Text:txt" gives two groups; a plain
///   list of extensions "png,jpg" gives one group called "Files".
/// \return the groups; none for an empty filter.
/// \since 1.0
std::vector<FileFilterGroup> ParseFileFilter(const String& filter);

/// The group selected when the requester opens.
/// \param filter the filter text.
/// \param path the path the requester opens with.
/// \return the 1-based group that lists the extension of the file name in
///   `path` (letter case ignored), or 0 when none does or the name has no
///   extension.
/// \since 1.0
int32_t DefaultFilterGroup(const String& filter, const String& path);

/// The folder and file name a requester opens with.
/// \since 1.0
struct InitialFileLocation {
  /// The folder; "" when the path names no folder. \since 1.0
  String folder;
  /// The file name. \since 1.0
  String name;
};

/// Splits a path at the last separator ("/" or backslash).
/// \param path the path.
/// \return the folder before it and the file name after it.
/// \since 1.0
InitialFileLocation SplitRequestPath(const String& path);

}  // namespace tazmix
