#include "glback/internal/gl_display_modes.h"

#include <cstddef>

namespace tazmix {

std::vector<DisplayModeRecord> UsableDisplayModes(const std::vector<DisplayModeRecord>& listed,
                                                  int32_t limit) {
  std::vector<DisplayModeRecord> modes;
  for (const DisplayModeRecord& m : listed) {
    if (static_cast<int32_t>(modes.size()) >= limit) break;
    if (m.depth <= 15) continue;
    modes.push_back(m);
  }
  return modes;
}

FullScreenModeChoice ChooseFullScreenMode(const std::vector<DisplayModeRecord>& listed,
                                          int32_t width, int32_t height, int32_t depth,
                                          int32_t hertz) {
  auto find = [&](bool match_rate) {
    for (std::size_t i = 0; i < listed.size(); ++i) {
      const DisplayModeRecord& m = listed[i];
      if (m.width == width && m.height == height && m.depth == depth &&
          (!match_rate || m.hertz == hertz)) {
        return static_cast<int32_t>(i);
      }
    }
    return int32_t{-1};
  };
  FullScreenModeChoice choice;
  if (hertz != 0) {
    choice.index = find(true);
    choice.with_rate = choice.index >= 0;
  }
  if (choice.index < 0) choice.index = find(false);
  return choice;
}

}  // namespace tazmix
