#include "draw2d/internal/virtual_layout.h"

#include <algorithm>
#include <cmath>

#include "draw2d/virtual_resolution.h"

namespace tazmix {

namespace {

// Virtual units per pixel; without pixels there is nothing to scale against,
// so the mouse stays in pixels instead of becoming infinite.
float MouseScale(float virtual_size, int32_t pixels) {
  return pixels > 0 ? virtual_size / static_cast<float>(pixels) : 1.0f;
}

}  // namespace

VirtualLayout LayOutVirtualResolution(int32_t context_width, int32_t context_height, float virtual_width,
                                      float virtual_height, int32_t fit) {
  VirtualLayout layout;
  if (context_width <= 0 || context_height <= 0) return layout;
  layout.width = context_width;
  layout.height = context_height;
  // Written so that not-a-number fails the test too.
  const bool can_letterbox = virtual_width > 0 && virtual_height > 0 && std::isfinite(virtual_width) &&
                             std::isfinite(virtual_height);
  if (fit == VIRTUAL_LETTERBOX && can_letterbox) {
    const double scale = std::min(context_width / static_cast<double>(virtual_width),
                                  context_height / static_cast<double>(virtual_height));
    layout.width = std::clamp(static_cast<int32_t>(std::lround(virtual_width * scale)), 0, context_width);
    layout.height = std::clamp(static_cast<int32_t>(std::lround(virtual_height * scale)), 0, context_height);
    layout.x = (context_width - layout.width) / 2;
    layout.y = (context_height - layout.height) / 2;
  }
  layout.mouse_x_scale = MouseScale(virtual_width, layout.width);
  layout.mouse_y_scale = MouseScale(virtual_height, layout.height);
  return layout;
}

}  // namespace tazmix
