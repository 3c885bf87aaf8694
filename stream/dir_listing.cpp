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
  listing->_dir = dir;
  return listing;
}

TDirListing::~TDirListing() { Close(); }

String TDirListing::Next() {
  if (!_dir) return String();
  const dirent* entry = readdir(static_cast<DIR*>(_dir));
  if (!entry) return String();
  return FromNativeName(entry->d_name);
}

void TDirListing::Close() {
  if (_dir) closedir(static_cast<DIR*>(_dir));
  _dir = nullptr;
}

}  // namespace tazmix
