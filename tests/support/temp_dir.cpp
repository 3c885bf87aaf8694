#include "tests/support/temp_dir.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace tazmix::testing {

TempDir::~TempDir() {
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::permissions(Path(), fs::perms::owner_all, fs::perm_options::add, ec);
  for (auto it = fs::recursive_directory_iterator(Path(), ec); !ec && it != fs::recursive_directory_iterator();
       it.increment(ec)) {
    if (!it->is_symlink()) fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
  }
}

std::string TempDir::Write(std::string_view name, std::string_view bytes) const {
  const std::string file = *this / name;
  std::ofstream out(file, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return file;
}

std::string TempDir::Read(std::string_view name) const {
  std::ifstream in(*this / name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace tazmix::testing
