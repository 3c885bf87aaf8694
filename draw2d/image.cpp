#include "draw2d/image.h"

#include <cstdint>
#include <typeinfo>

#include "draw2d/vex2d_driver.h"
#include "graphics/graphics.h"
#include "pixmap/pixel_format.h"
#include "pixmap/pixmap_loader.h"
#include "pixmap/pixmap_mask.h"
#include "pixmap/pixmap_module.h"
#include "runtime/application.h"
#include "runtime/error_report.h"

namespace tazmix {

namespace {

Ref<TPixmap> PixmapOf(const Ref<Object>& url) {
  if (auto pixmap = Cast<TPixmap>(url)) return pixmap;
  return LoadPixmap(url);
}

}  // namespace

Ref<TImageFrame> TImage::Frame(int32_t index) {
  if (index < 0 || index >= FrameCount()) return nullptr;
  const int32_t seq = GraphicsSeq();
  const size_t i = static_cast<size_t>(index);
  if (seqs[i] == seq) return frames[i];
  Ref<TImageFrame> frame;
  // Without a current 2D driver there is nothing to make a frame with; the
  // slot stays invalid so the first draw under a driver makes it.
  if (TVex2DDriver* driver = CurrentVex2DDriver()) {
    if (Ref<TPixmap> pixmap = Lock(index, 1, 0)) frame = driver->CreateFrameFromPixmap(pixmap, flags);
  }
  frames[i] = frame;
  seqs[i] = frame ? seq : 0;
  return frame;
}

Ref<TPixmap> TImage::Lock(int32_t index, int32_t /*read*/, int32_t write) {
  if (index < 0 || index >= FrameCount()) return nullptr;
  const size_t i = static_cast<size_t>(index);
  if (write) {
    seqs[i] = 0;
    frames[i] = nullptr;
  }
  if (!pixmaps[i]) {
    // A fresh frame starts transparent: drawing or colliding with it must
    // never read whatever the allocator left in the buffer.
    pixmaps[i] = CreatePixmap(width, height, FORMAT_RGBA32, 4);
    if (pixmaps[i]) pixmaps[i]->ClearPixels(0);
  }
  return pixmaps[i];
}

void TImage::SetPixmap(int32_t index, const Ref<TPixmap>& pixmap) {
  if (index < 0 || index >= FrameCount()) return;
  Ref<TPixmap> stored = pixmap;
  if (stored && (flags & IMAGE_MASKED) && AlphaBits[stored->format] == 0) {
    stored = MaskPixmap(stored, mask_r, mask_g, mask_b);
  }
  const size_t i = static_cast<size_t>(index);
  pixmaps[i] = stored;
  seqs[i] = 0;
  frames[i] = nullptr;
}

void TImage::Unlock(int32_t) {}

void TImage::Setup(int32_t width_, int32_t height_, int32_t frames_, int32_t flags_, int32_t mask_r_,
                   int32_t mask_g_, int32_t mask_b_) {
  width = width_;
  height = height_;
  flags = flags_;
  mask_r = mask_r_;
  mask_g = mask_g_;
  mask_b = mask_b_;
  const size_t n = static_cast<size_t>(frames_);
  pixmaps.assign(n, nullptr);
  frames.assign(n, nullptr);
  seqs.assign(n, 0);
}

Ref<TImage> TImage::Create(int32_t width, int32_t height, int32_t frames, int32_t flags, int32_t mask_r,
                           int32_t mask_g, int32_t mask_b) {
  if (width < 0 || height < 0 || frames < 0 || frames > IMAGE_MAX_FRAMES) return nullptr;
  auto image = New<TImage>();
  image->Setup(width, height, frames, flags, mask_r, mask_g, mask_b);
  return image;
}

Ref<TImage> TImage::Load(const Ref<Object>& url, int32_t flags, int32_t mask_r, int32_t mask_g,
                         int32_t mask_b) {
  Ref<TPixmap> pixmap = PixmapOf(url);
  if (!pixmap) return nullptr;
  Ref<TImage> image = Create(pixmap->width, pixmap->height, 1, flags, mask_r, mask_g, mask_b);
  image->SetPixmap(0, pixmap);
  return image;
}

Ref<TImage> TImage::LoadAnim(const Ref<Object>& url, int32_t cell_width, int32_t cell_height, int32_t first,
                             int32_t count, int32_t flags, int32_t mask_r, int32_t mask_g, int32_t mask_b) {
  // Cells of no size or a negative range cannot be cut out of any sheet.
  if (cell_width <= 0 || cell_height <= 0 || first < 0 || count < 0) {
    NoteFailure("cells of " + String::FromInt(cell_width) + " x " + String::FromInt(cell_height) + " from cell " +
                String::FromInt(first) + ", " + String::FromInt(count) + " of them, can't be cut out");
    return nullptr;
  }
  Ref<TPixmap> sheet = PixmapOf(url);
  if (!sheet) return nullptr;
  const int32_t across = sheet->width / cell_width;
  const int32_t down = sheet->height / cell_height;
  if (int64_t{across} * down < int64_t{first} + count) {
    NoteFailure("the picture holds " + String::FromInt(across * down) + " cells, fewer than cell " +
                String::FromInt(first) + " + " + String::FromInt(count));
    return nullptr;
  }
  Ref<TImage> image = Create(cell_width, cell_height, count, flags, mask_r, mask_g, mask_b);
  for (int32_t i = first; i < first + count; ++i) {
    Ref<TPixmap> cell = sheet->Window(cell_width * (i % across), cell_height * (i / across), cell_width,
                                      cell_height);
    image->SetPixmap(i - first, cell->Copy());
  }
  return image;
}

void InitImages() {
  static bool done = false;
  if (!BeginModuleInit(done)) return;
  InitPixmap();
  InitGraphics();
  RegisterClassRecord(typeid(TImage));
  RegisterClassRecord(typeid(TImageFrame));
}

}  // namespace tazmix
