// A folder listing: the names of a folder's entries in the platform's order,
// "." and ".." included. Closed when the last reference goes.
#pragma once

#include "../runtime/object.h"
#include "../runtime/string.h"

namespace tazmix {

class TDirListing : public Object {
 public:
  // Null when the folder cannot be read.
  static Ref<TDirListing> Open(const String& path);
  ~TDirListing() override;

  // The next entry name; "" at the end and after Close.
  String Next();
  void Close();

 private:
  void* _dir = nullptr;  // the platform's DIR
};

}  // namespace tazmix
