// The window's icon: the title picture on a dark rounded tile, like the
// menu icon that tools/make_assets draws for the desktop's menu.
#pragma once

#include <cstdint>

#include "pixmap/pixmap.h"

namespace vindra {

constexpr int32_t WINDOW_ICON_SIZE = 64;

// The icon made from the title picture; Null for a Null picture.
tazmix::Ref<tazmix::TPixmap> MakeWindowIcon(const tazmix::Ref<tazmix::TPixmap>& title);

// Gives the game's windows the icon made from Title.png. Without the
// picture the windows have none (the resources' loading names what is
// missing).
void SetGameIcon();

}  // namespace vindra
