// A fresh folder under the system's temporary folder for one test, removed
// with everything in it when the test ends.
#pragma once

#include <string>
#include <string_view>

namespace tazmix::testing {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& Path() const { return path_; }
  // `name` inside the folder.
  std::string operator/(std::string_view name) const { return path_ + "/" + std::string(name); }
  // Writes `bytes` to `name` inside the folder and returns its full path.
  std::string Write(std::string_view name, std::string_view bytes) const;
  // The content of `name` inside the folder ("" if it cannot be read).
  std::string Read(std::string_view name) const;

 private:
  std::string path_;
};

}  // namespace tazmix::testing
