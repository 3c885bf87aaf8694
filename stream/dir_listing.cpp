#include "stream/dir_listing.h"

#include <dirent.h>

#include <string>

#include "stream/internal/native_path.h"

namespace tazmix {

Ref<TDirListing> TDirListing::Open(const String& path) {
  std::string native;
  if (!ToNativePath(path, &native)) return nullptr;
  DIR* dir = opendir(native.c_str());
  if (!dir) return nullptr;
  auto listing = New<TDirListing>();
  listing->dir_ = dir;
  return listing;
}

TDirListing::~TDirListing() { Close(); }

String TDirListing::Next() {
  if (!dir_) return String();
  const dirent* entry = readdir(static_cast<DIR*>(dir_));
  if (!entry) return String();
  return FromNativeName(entry->d_name);
}

void TDirListing::Close() {
  if (dir_) closedir(static_cast<DIR*>(dir_));
  dir_ = nullptr;
}

}  // namespace tazmix
