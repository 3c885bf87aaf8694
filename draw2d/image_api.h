// Making, loading and handling images through the drawing layer: the mask
// colour, automatic mid-handles and automatic flags apply here.
#pragma once

#include <cstdint>

#include "image.h"
#include "../pixmap/pixmap.h"
#include "../runtime/object.h"
#include "../runtime/string.h"

namespace tazmix {

// Flags -1 means the automatic image flags (IMAGE_MASKED + IMAGE_FILTERED at
// start). Null when the picture cannot be loaded.
Ref<TImage> LoadImage(const Ref<Object>& url, int32_t flags = -1);
Ref<TImage> LoadImage(const String& url, int32_t flags = -1);
Ref<TImage> LoadAnimImage(const Ref<Object>& url, int32_t cell_width, int32_t cell_height, int32_t first,
                          int32_t count, int32_t flags = -1);
Ref<TImage> LoadAnimImage(const String& url, int32_t cell_width, int32_t cell_height, int32_t first,
                          int32_t count, int32_t flags = -1);
// An image to draw into or grab into: IMAGE_DYNAMIC is always added.
Ref<TImage> CreateImage(int32_t width, int32_t height, int32_t frames = 1, int32_t flags = -1);

void SetImageHandle(const Ref<TImage>& image, float x, float y);
void MidHandleImage(const Ref<TImage>& image);
int32_t ImageWidth(const Ref<TImage>& image);
int32_t ImageHeight(const Ref<TImage>& image);
Ref<TPixmap> LockImage(const Ref<TImage>& image, int32_t frame = 0, int32_t read = 1, int32_t write = 1);
// Ends a LockImage: a render image's pixels written meanwhile go back to the
// GPU (render_image.h); nothing for other images.
void UnlockImage(const Ref<TImage>& image, int32_t frame = 0);
// Copies the context's pixels at (x, y) (its render image's while it has
// one), of the image's size, into a frame;
// masked images get the mask colour made transparent. Whatever of the
// rectangle lies off the context comes out transparent; a frame the image
// does not have is left alone.
void GrabImage(const Ref<TImage>& image, int32_t x, int32_t y, int32_t frame = 0);

// The colour that masked images make transparent when loaded or grabbed.
void SetMaskColor(int32_t red, int32_t green, int32_t blue);
void GetMaskColor(int32_t& red, int32_t& green, int32_t& blue);
// Non-zero: images loaded or created from now on get their handle at their centre.
void AutoMidHandle(int32_t flag);
// The flags used when an image function is given -1; -1 here leaves them.
void AutoImageFlags(int32_t flags);

}  // namespace tazmix
