#include "draw2d/image_api.h"

#include <algorithm>

#include "draw2d/draw_primitives.h"
#include "draw2d/internal/auto_image.h"
#include "draw2d/vex2d_graphics.h"
#include "pixmap/pixmap_mask.h"
#include "runtime/error_report.h"
#include "stream/internal/url_subject.h"

namespace tazmix {

namespace {

struct ImageSettings {
  int32_t mask_r = 0;
  int32_t mask_g = 0;
  int32_t mask_b = 0;
  int32_t auto_mid_handle = 0;
  int32_t auto_flags = IMAGE_MASKED | IMAGE_FILTERED;
};

ImageSettings& Settings() {
  static ImageSettings settings;
  return settings;
}

}  // namespace

int32_t FlagsOrAuto(int32_t flags) { return flags == -1 ? Settings().auto_flags : flags; }

Ref<TImage> WithAutoHandle(Ref<TImage> image) {
  if (image && Settings().auto_mid_handle) MidHandleImage(image);
  return image;
}

Ref<TImage> LoadImage(const Ref<Object>& url, int32_t flags) {
  FailureScope scope("LoadImage", UrlSubject(url));
  const ImageSettings& s = Settings();
  return scope.Check(WithAutoHandle(TImage::Load(url, FlagsOrAuto(flags), s.mask_r, s.mask_g, s.mask_b)),
                     "can't load the picture");
}

Ref<TImage> LoadImage(const String& url, int32_t flags) { return LoadImage(url.AsObject(), flags); }

Ref<TImage> LoadAnimImage(const Ref<Object>& url, int32_t cell_width, int32_t cell_height, int32_t first,
                          int32_t count, int32_t flags) {
  FailureScope scope("LoadAnimImage", UrlSubject(url));
  const ImageSettings& s = Settings();
  return scope.Check(WithAutoHandle(TImage::LoadAnim(url, cell_width, cell_height, first, count,
                                                     FlagsOrAuto(flags), s.mask_r, s.mask_g, s.mask_b)),
                     "can't load the picture");
}

Ref<TImage> LoadAnimImage(const String& url, int32_t cell_width, int32_t cell_height, int32_t first,
                          int32_t count, int32_t flags) {
  return LoadAnimImage(url.AsObject(), cell_width, cell_height, first, count, flags);
}

Ref<TImage> CreateImage(int32_t width, int32_t height, int32_t frames, int32_t flags) {
  const ImageSettings& s = Settings();
  return WithAutoHandle(
      TImage::Create(width, height, frames, FlagsOrAuto(flags) | IMAGE_DYNAMIC, s.mask_r, s.mask_g, s.mask_b));
}

void SetImageHandle(const Ref<TImage>& image, float x, float y) {
  if (!image) return;
  image->handle_x = x;
  image->handle_y = y;
}

void MidHandleImage(const Ref<TImage>& image) {
  if (!image) return;
  image->handle_x = static_cast<float>(image->width) * 0.5f;
  image->handle_y = static_cast<float>(image->height) * 0.5f;
}

int32_t ImageWidth(const Ref<TImage>& image) { return image ? image->width : 0; }
int32_t ImageHeight(const Ref<TImage>& image) { return image ? image->height : 0; }

Ref<TPixmap> LockImage(const Ref<TImage>& image, int32_t frame, int32_t read, int32_t write) {
  return image ? image->Lock(frame, read, write) : nullptr;
}

void UnlockImage(const Ref<TImage>& image, int32_t frame) {
  if (image) image->Unlock(frame);
}

void GrabImage(const Ref<TImage>& image, int32_t x, int32_t y, int32_t frame) {
  if (!image || frame < 0 || frame >= image->FrameCount()) return;
  Ref<TPixmap> pixmap = GrabPixmap(x, y, image->width, image->height);
  if (!pixmap || pixmap->width != image->width || pixmap->height != image->height) {
    // Part of the rectangle lies off the context: what is on it lands where
    // it belongs in the frame, the rest is transparent.
    Ref<TPixmap> whole = CreatePixmap(image->width, image->height, FORMAT_RGBA32, 4);
    if (!whole) return;
    whole->ClearPixels(0);
    if (pixmap) {
      whole->Paste(*pixmap, static_cast<int32_t>(std::min<int64_t>(std::max<int64_t>(-int64_t{x}, 0), INT32_MAX)),
                   static_cast<int32_t>(std::min<int64_t>(std::max<int64_t>(-int64_t{y}, 0), INT32_MAX)));
    }
    pixmap = whole;
  }
  if (image->flags & IMAGE_MASKED) {
    const ImageSettings& s = Settings();
    pixmap = MaskPixmap(pixmap, s.mask_r, s.mask_g, s.mask_b);
  }
  image->SetPixmap(frame, pixmap);
}

void SetMaskColor(int32_t red, int32_t green, int32_t blue) {
  ImageSettings& s = Settings();
  s.mask_r = red;
  s.mask_g = green;
  s.mask_b = blue;
}

void GetMaskColor(int32_t& red, int32_t& green, int32_t& blue) {
  const ImageSettings& s = Settings();
  red = s.mask_r;
  green = s.mask_g;
  blue = s.mask_b;
}

void AutoMidHandle(int32_t flag) { Settings().auto_mid_handle = flag; }

void AutoImageFlags(int32_t flags) {
  if (flags != -1) Settings().auto_flags = flags;
}

}  // namespace tazmix
