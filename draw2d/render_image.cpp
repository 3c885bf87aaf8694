#include "draw2d/render_image.h"

#include "draw2d/draw_state.h"
#include "draw2d/image_api.h"
#include "draw2d/internal/auto_image.h"
#include "draw2d/internal/current_drawing.h"
#include "draw2d/internal/drawing_surface.h"
#include "draw2d/internal/render_target.h"
#include "draw2d/vex2d_graphics.h"
#include "graphics/graphics.h"
#include "runtime/error_report.h"

namespace tazmix {

namespace {

String SizeText(int32_t width, int32_t height) { return String::FromInt(width) + " x " + String::FromInt(height); }

// What a failure line of SetRenderImage names. Made once: the call runs
// every frame, and a failure line is rare.
const String& TargetSubject(const Ref<TImage>& image, const Ref<TRenderImage>& target) {
  static const String kNull("Null");
  static const String kImage("image");
  static const String kRenderImage("render image");
  return target ? kRenderImage : image ? kImage : kNull;
}

SurfaceState WholeSurface(int32_t width, int32_t height) {
  SurfaceState s;
  s.viewport_w = width;
  s.viewport_h = height;
  s.vres_width = static_cast<float>(width);
  s.vres_height = static_cast<float>(height);
  s.width = width;
  s.height = height;
  return s;
}

SurfaceState SurfaceOf(const TVex2DGraphics& g) {
  SurfaceState s;
  s.viewport_x = g.viewport_x;
  s.viewport_y = g.viewport_y;
  s.viewport_w = g.viewport_w;
  s.viewport_h = g.viewport_h;
  s.origin_x = g.origin_x;
  s.origin_y = g.origin_y;
  s.vres_width = g.vres_width;
  s.vres_height = g.vres_height;
  s.vres_fit = g.vres_fit;
  s.vres_own = g.vres_own;
  s.width = g.surface_width;
  s.height = g.surface_height;
  return s;
}

void PutSurface(TVex2DGraphics& g, const SurfaceState& s) {
  g.viewport_x = s.viewport_x;
  g.viewport_y = s.viewport_y;
  g.viewport_w = s.viewport_w;
  g.viewport_h = s.viewport_h;
  g.origin_x = s.origin_x;
  g.origin_y = s.origin_y;
  g.vres_width = s.vres_width;
  g.vres_height = s.vres_height;
  g.vres_fit = s.vres_fit;
  g.vres_own = s.vres_own;
  g.surface_width = s.width;
  g.surface_height = s.height;
}

// Moves the current graphics' drawing to `target` (Null: the window), whose
// frame the driver has already been given.
void ChangeTarget(TVex2DGraphics& g, const Ref<TRenderImage>& target) {
  (g.render_image ? g.render_image->surface : g.window_surface) = SurfaceOf(g);
  g.render_image = target;
  PutSurface(g, target ? target->surface : g.window_surface);
  if (target) target->drawn = 1;
}

// Sends the surface of the current target, caught up with its size.
void SendSurface(TVex2DGraphics& g) {
  AdoptSurfaceSize(g);
  SendSurfaceLayout(g);
}

}  // namespace

Ref<TImageFrame> TRenderImage::Frame(int32_t index) {
  // Drawing an image into itself would read the pixels it writes.
  if (index != 0 || IsTarget()) return nullptr;
  return TargetFrame();
}

Ref<TImageFrame> TRenderImage::TargetFrame() {
  TVex2DDriver* driver = CurrentVex2DDriver();
  if (!driver) return nullptr;
  const int32_t seq = GraphicsSeq();
  if (seqs[0] != seq) {
    // The GPU's copy went with the graphics it was made under; what main
    // memory holds goes into the new one. A failure is told once per
    // GraphicsSeq, not at every draw.
    frames[0] = driver->CreateRenderFrame(width, height, flags);
    seqs[0] = seq;
    drawn = 0;
    written = pixmaps[0] ? 1 : 0;
  }
  Unlock(0);
  return frames[0];
}

bool TRenderImage::IsTarget() const {
  const TVex2DGraphics* g = TVex2DGraphics::Current();
  return g && g->render_image.get() == this;
}

Ref<TPixmap> TRenderImage::Lock(int32_t index, int32_t read, int32_t write) {
  if (index != 0) return nullptr;
  TVex2DDriver* driver = CurrentVex2DDriver();
  if (read && drawn && !written && driver && seqs[0] == GraphicsSeq() && frames[0]) {
    if (Ref<TPixmap> pixels = driver->ReadRenderFrame(frames[0])) {
      // Into the pixmap a program may still hold from an earlier Lock.
      if (pixmaps[0] && pixmaps[0]->width == width && pixmaps[0]->height == height) {
        pixmaps[0]->Paste(*pixels, 0, 0);
      } else {
        pixmaps[0] = pixels;
      }
    }
    drawn = IsTarget() ? 1 : 0;
  }
  Ref<TPixmap> pixmap = TImage::Lock(index, read, 0);
  if (write && pixmap) written = 1;
  return pixmap;
}

void TRenderImage::SetPixmap(int32_t index, const Ref<TPixmap>& pixmap) {
  if (index != 0) return;
  // Masked as for any image; the frame, which any image would make anew,
  // is kept and gets the pixels.
  const Ref<TImageFrame> frame = frames[0];
  const int32_t seq = seqs[0];
  TImage::SetPixmap(index, pixmap);
  frames[0] = frame;
  seqs[0] = seq;
  written = pixmaps[0] ? 1 : 0;
  drawn = 1 - written;
}

void TRenderImage::Unlock(int32_t index) {
  // Every draw of the image comes here: nothing to send is the usual answer.
  if (index != 0 || !written) return;
  TVex2DDriver* driver = CurrentVex2DDriver();
  if (!driver || seqs[0] != GraphicsSeq() || !frames[0] || !pixmaps[0]) return;
  driver->WriteRenderFrame(frames[0], pixmaps[0]);
  written = 0;
}

Ref<TRenderImage> TRenderImage::Create(int32_t width, int32_t height, int32_t flags, int32_t mask_r, int32_t mask_g,
                                       int32_t mask_b) {
  auto image = New<TRenderImage>();
  image->Setup(width, height, 1, flags, mask_r, mask_g, mask_b);
  image->surface = WholeSurface(width, height);
  return image;
}

Ref<TImage> CreateRenderImage(int32_t width, int32_t height, int32_t flags) {
  FailureScope scope("CreateRenderImage", SizeText(width, height));
  if (width < 1 || height < 1) {
    scope.Fail("the size must be at least 1 x 1");
    return nullptr;
  }
  if (!CurrentVex2DDriver()) {
    scope.Fail("no graphics are open: call OpenGraphics first");
    return nullptr;
  }
  int32_t mask_r = 0, mask_g = 0, mask_b = 0;
  GetMaskColor(mask_r, mask_g, mask_b);
  Ref<TRenderImage> image = TRenderImage::Create(width, height, FlagsOrAuto(flags) | IMAGE_DYNAMIC, mask_r, mask_g, mask_b);
  if (!image->TargetFrame()) {
    scope.Fail("the driver can't draw into it");
    return nullptr;
  }
  return WithAutoHandle(image);
}

int32_t SetRenderImage(const Ref<TImage>& image) {
  const Ref<TRenderImage> target = Cast<TRenderImage>(image);
  FailureScope scope("SetRenderImage", TargetSubject(image, target));
  TVex2DGraphics& g = DrawingGraphics("SetRenderImage");
  if (image && !target) {
    scope.Fail("not a render image (CreateRenderImage makes them)");
    return 0;
  }
  const Ref<TImageFrame> frame = target ? target->TargetFrame() : nullptr;
  if ((target && !frame) || !DrawingDriver("SetRenderImage").SetRenderTarget(frame)) {
    scope.Fail("the graphics can't draw into it");
    return 0;
  }
  if (target == g.render_image) return 1;
  ChangeTarget(g, target);
  SendSurface(g);
  return 1;
}

Ref<TImage> RenderImage() { return DrawingGraphics("RenderImage").render_image; }

void ResendRenderTarget(TVex2DGraphics& g) {
  if (!g.render_image) return;
  const Ref<TImageFrame> frame = g.render_image->TargetFrame();
  if (frame && g._driver->SetRenderTarget(frame)) return;
  // It can't be drawn into here any more: drawing goes into the window.
  g._driver->SetRenderTarget(nullptr);
  ChangeTarget(g, nullptr);
}

}  // namespace tazmix
