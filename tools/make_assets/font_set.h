// The faces the pictures are lettered in, opened at each size on first use.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "font/freetype_font.h"

namespace vindra::assets {

class FontSet {
 public:
  // `folder` holds LiberationSans-Regular.ttf and LiberationSans-Bold.ttf.
  explicit FontSet(std::string folder) : folder_(std::move(folder)) {}

  // Both faces open at a small size; false when either is missing or broken.
  bool Usable();
  tazmix::TFreeTypeFont& Regular(int32_t size) { return Face("LiberationSans-Regular.ttf", size); }
  tazmix::TFreeTypeFont& Bold(int32_t size) { return Face("LiberationSans-Bold.ttf", size); }

 private:
  tazmix::TFreeTypeFont& Face(const std::string& file, int32_t size);
  std::string folder_;
  std::map<std::pair<std::string, int32_t>, tazmix::Ref<tazmix::TFreeTypeFont>> faces_;
};

}  // namespace vindra::assets
