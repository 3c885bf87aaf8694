// How SetGraphicsIcon reaches the windows a back end has open: the back end
// names one function that gives all of them the new icon. (Windows opened
// later ask GraphicsIcon themselves.)
#pragma once

#include "pixmap/pixmap.h"

namespace tazmix {

using GraphicsIconListener = void (*)(const Ref<TPixmap>& icon);
// nullptr: none.
void SetGraphicsIconListener(GraphicsIconListener listener);

}  // namespace tazmix
