// Display-mode rules of the GL driver that do not depend on the platform:
// which listed modes are offered, and which one a full-screen context gets.
#pragma once

#include <cstdint>
#include <vector>

namespace tazmix {

struct DisplayModeRecord {
  int32_t width = 0;
  int32_t height = 0;
  int32_t depth = 0;  // bits per pixel
  int32_t hertz = 0;  // 0 when the platform does not say

  friend bool operator==(const DisplayModeRecord&, const DisplayModeRecord&) = default;
};

// The most modes the driver ever hands out.
constexpr int32_t kMaxDisplayModes = 1024;

// The modes of 16 bits per pixel or more, in the platform's order with
// duplicates kept, at most `limit` of them.
std::vector<DisplayModeRecord> UsableDisplayModes(const std::vector<DisplayModeRecord>& listed,
                                                  int32_t limit);

struct FullScreenModeChoice {
  int32_t index = -1;      // into the listed modes; -1 when none fits
  bool with_rate = false;  // the requested refresh rate was matched too
};

// A listed mode of exactly width x height x depth, at `hertz` when that is
// not 0; failing that, the same size and depth at any rate.
FullScreenModeChoice ChooseFullScreenMode(const std::vector<DisplayModeRecord>& listed,
                                          int32_t width, int32_t height, int32_t depth,
                                          int32_t hertz);

}  // namespace tazmix
