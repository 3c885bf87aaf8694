/// \file
/// A folder listing: the names of a folder's entries in the platform's order,
/// "." and ".." included. Closed when the last reference goes. Most programs
/// use ReadDir / NextFile or LoadDir (filesystem.h) instead.
///
/// \code{.cpp}
/// if (auto listing = tazmix::TDirListing::Open("levels")) {
///   for (tazmix::String name = listing->Next(); !name.IsEmpty(); name = listing->Next()) Add(name);
/// }
/// \endcode
/// \ingroup stream
/// \since 1.0
#pragma once

#include "../runtime/object.h"
#include "../runtime/string.h"

namespace tazmix {

/// An open folder listing.
/// \since 1.0
class TDirListing : public Object {
 public:
  /// Opens a folder for listing; the path is used as given (ReadDir
  /// normalises it first).
  /// \param path the folder.
  /// \return the listing, or Null when the folder cannot be read (no line).
  /// \since 1.0
  static Ref<TDirListing> Open(const String& path);
  /// Closes the listing. \since 1.0
  ~TDirListing() override;

  /// \return the next entry name; "" at the end and after Close. \since 1.0
  String Next();
  /// Closes the listing early; closing twice does nothing. \since 1.0
  void Close();

 private:
  void* dir_ = nullptr;  // the platform's DIR
};

}  // namespace tazmix
