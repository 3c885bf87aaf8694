// The program's window icon: the picture a desktop shows for its windows in
// the title bar, the task bar and the window switcher.
#pragma once

#include <cstdint>

#include "../pixmap/pixmap.h"

namespace tazmix {

// The largest icon side, in pixels; desktops show 16 to 256.
constexpr int32_t GRAPHICS_ICON_MAX_SIZE = 1024;

// Makes a copy of `pixmap` the icon of the windows open now and of every
// window opened later (alpha is kept; 64 x 64 suits most desktops). 1 when
// done; 0 for Null, an empty pixmap or one with a side above
// GRAPHICS_ICON_MAX_SIZE, with the reason recorded (runtime/error_report.h)
// and the icon as it was.
int32_t SetGraphicsIcon(const Ref<TPixmap>& pixmap);

// The icon in use, in FORMAT_RGBA32; Null while none was set. For back ends:
// the pixmap is the module's, not to be changed.
Ref<TPixmap> GraphicsIcon();

}  // namespace tazmix
