#include "graphics/graphics_icon.h"

#include "graphics/internal/icon_listener.h"
#include "runtime/error_report.h"

namespace tazmix {

namespace {

struct IconState {
  Ref<TPixmap> icon;
  GraphicsIconListener listener = nullptr;
};

IconState state;

String SizeOf(const Ref<TPixmap>& pixmap) {
  return pixmap ? String::FromInt(pixmap->width) + " x " + String::FromInt(pixmap->height) : String("Null");
}

}  // namespace

int32_t SetGraphicsIcon(const Ref<TPixmap>& pixmap) {
  FailureScope scope("SetGraphicsIcon", SizeOf(pixmap));
  if (!pixmap) {
    scope.Fail("no pixmap");
    return 0;
  }
  if (pixmap->width <= 0 || pixmap->height <= 0 || pixmap->width > GRAPHICS_ICON_MAX_SIZE ||
      pixmap->height > GRAPHICS_ICON_MAX_SIZE) {
    scope.Fail("an icon must be 1 x 1 to " + String::FromInt(GRAPHICS_ICON_MAX_SIZE) + " x " +
               String::FromInt(GRAPHICS_ICON_MAX_SIZE) + " pixels");
    return 0;
  }
  if (pixmap->format <= 0 || pixmap->format >= FORMAT_COUNT || !pixmap->pixels) {
    scope.Fail("the pixmap has no pixels in a known format");
    return 0;
  }
  // A copy of its own: the caller may change or drop the pixmap afterwards.
  Ref<TPixmap> icon = pixmap->Convert(FORMAT_RGBA32);
  if (!icon) {
    scope.Fail("no memory for the icon");
    return 0;
  }
  state.icon = icon;
  if (state.listener) state.listener(state.icon);
  return 1;
}

Ref<TPixmap> GraphicsIcon() { return state.icon; }

void SetGraphicsIconListener(GraphicsIconListener listener) { state.listener = listener; }

}  // namespace tazmix
