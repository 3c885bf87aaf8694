#include "tools/make_assets/font_set.h"

#include "runtime/exception.h"

namespace vindra::assets {

using tazmix::Ref;
using tazmix::String;
using tazmix::TFreeTypeFont;

bool FontSet::Usable() {
  for (const char* file : {"LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf"})
    if (!TFreeTypeFont::Load(String::FromUTF8String(folder_ + "/" + file), 12, 0)) return false;
  return true;
}

TFreeTypeFont& FontSet::Face(const std::string& file, int32_t size) {
  Ref<TFreeTypeFont>& face = faces_[{file, size}];
  if (!face) face = TFreeTypeFont::Load(String::FromUTF8String(folder_ + "/" + file), size, 0);
  if (!face) tazmix::ThrowRuntimeError(String::FromUTF8String("Can't load " + folder_ + "/" + file));
  return *face;
}

}  // namespace vindra::assets
