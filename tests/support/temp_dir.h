// A temporary folder for tests that work on files: the shared TempFolder,
// with helpers to put bytes into it and read them back.
#pragma once

#include <string>
#include <string_view>

#include "tests/support/child_process.h"

namespace tazmix::testing {

class TempDir : public test::TempFolder {
 public:
  TempDir() = default;
  // Tests take permissions away; they come back so everything can go.
  ~TempDir();

  // `name` inside the folder.
  std::string operator/(std::string_view name) const { return Path() + "/" + std::string(name); }
  // Writes `bytes` to `name` inside the folder and returns its full path.
  std::string Write(std::string_view name, std::string_view bytes) const;
  // The content of `name` inside the folder ("" if it cannot be read).
  std::string Read(std::string_view name) const;
};

}  // namespace tazmix::testing
