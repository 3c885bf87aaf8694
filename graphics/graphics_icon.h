/// \file
/// The program's window icon: the picture a desktop shows for its windows in
/// the title bar, the task bar and the window switcher.
///
/// \code{.cpp}
/// if (auto icon = tazmix::LoadPixmap("icon64.png")) tazmix::SetGraphicsIcon(icon);
/// tazmix::OpenGraphics(800, 600, 0, 60, 0);  // opens with the icon
/// \endcode
/// \ingroup graphics
/// \since 1.1
#pragma once

#include <cstdint>

#include "../pixmap/pixmap.h"

namespace tazmix {

/// The largest icon side, in pixels; desktops show 16 to 256. \since 1.1
constexpr int32_t GRAPHICS_ICON_MAX_SIZE = 1024;

/// Makes a copy of `pixmap` the icon of the windows open now and of every
/// window opened later.
/// \param pixmap the picture, any format; alpha is kept; 64 x 64 suits most
///   desktops.
/// \return 1 when done; 0 with the icon as it was and a line such as
///   `SetGraphicsIcon(Null): no pixmap`,
///   `SetGraphicsIcon(1025 x 1): an icon must be 1 x 1 to 1024 x 1024 pixels`,
///   or "the pixmap has no pixels in a known format" / "no memory for the icon".
/// \since 1.1
int32_t SetGraphicsIcon(const Ref<TPixmap>& pixmap);

/// The icon in use. For back ends, which show it on every window they open:
/// the pixmap is the module's, not to be changed.
/// \return the icon in FORMAT_RGBA32; Null while none was set.
/// \since 1.1
Ref<TPixmap> GraphicsIcon();

}  // namespace tazmix
