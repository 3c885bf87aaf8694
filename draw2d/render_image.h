/// \file
/// Render images: images that the ordinary drawing calls draw into, then
/// drawn like any other image. A minimap, a scene drawn small and scaled up,
/// a light map, a background drawn once and reused.
///
/// \code{.cpp}
/// tazmix::Ref<tazmix::TImage> map = tazmix::CreateRenderImage(160, 120, 0);
/// tazmix::SetRenderImage(map);      // from here on all drawing goes into map
/// tazmix::Cls();
/// tazmix::DrawImage(hero, 10, 10);
/// tazmix::SetRenderImage(nullptr);  // back to the window
/// tazmix::DrawImage(map, 620, 20);  // placed, turned, scaled, tinted, blended as any image
/// \endcode
///
/// Where drawing goes. SetRenderImage(image) sends every kind of drawing into
/// the image: images, text, primitives, Cls, DrawPixmap, raw GL between
/// EnterRaw2D and LeaveRaw2D; GrabPixmap and GrabImage read from it. The pen
/// stays when the target changes: colour, alpha, blend mode, cls colour,
/// line width, rotation, scale, handle and font. The surface is each
/// target's own: viewport, origin and virtual resolution with its fit. A
/// render image's surface starts as the whole image, origin (0, 0), virtual
/// resolution its size; what is set while drawing into it stays with the
/// image for the next time. SetRenderImage(nullptr) brings the window's back,
/// caught up with a window that changed size meanwhile. The virtual mouse
/// stays in the window's units. Targets nest: draw into A, then into B
/// drawing A, then into the window drawing B. An image is never drawn into
/// itself: drawing the current target draws nothing. The target belongs to
/// the graphics: made current again, they draw into it again, and Flip shows
/// the window and leaves the target as it is.
///
/// Alpha. A render image starts transparent (every pixel 0, 0, 0 at alpha 0);
/// Cls fills it with the cls colour, opaque. Colours blend into it as on the
/// window. Alpha gathers as coverage: BLEND_MASK, BLEND_ALPHA and BLEND_LIGHT
/// leave a + d * (1 - a) (a the alpha drawn, d the pixel's), BLEND_SHADE
/// leaves the pixel's alpha, BLEND_SOLID writes a. So a scene drawn over an
/// opaque Cls stays opaque (but where BLEND_SOLID drew something
/// translucent), and the image drawn 1:1 with BLEND_MASK, BLEND_SOLID or
/// BLEND_ALPHA gives the pixels the scene gives drawn straight onto the
/// window; drawn 1:1 with BLEND_SOLID it gives back exactly what it holds.
/// (GL may round the edge of a turned shape one step differently in an image
/// than on a window: on Mesa's software renderer about one pixel in 10,000 of a
/// scene of turned, blended sprites.) Onto a transparent image colours are not
/// premultiplied: colour c at alpha a drawn with BLEND_ALPHA leaves c * a at
/// alpha a, and that pixel drawn with BLEND_ALPHA over a background b gives
/// c * a * a + b * (1 - a), darker than the c * a + b * (1 - a) that drawing
/// c straight onto b gives. Half-transparent red onto white: (191, 128, 128)
/// through a transparent image, (255, 128, 128) straight. To clear an image
/// to transparent: SetBlend(BLEND_SOLID), SetAlpha(0), DrawRect over it.
///
/// Pixels. They live on the GPU. LockImage (and collision, which reads an
/// image's pixels the same way) brings them to main memory when drawing has
/// changed them since; `read` 0 skips that. Pixels written into the pixmap
/// of LockImage with `write`, given by GrabImage or TImage::SetPixmap go back
/// to the GPU at UnlockImage, or else when the image is next drawn or made
/// the target; while it is the target, call UnlockImage before drawing more.
///
/// Lifetime.
/// - When the main graphics change (OpenGraphics again, EndGraphics: a new
///   GraphicsSeq), the GPU's copy goes with the old context. The image stays
///   valid: under the next graphics it starts from the pixels last brought
///   to main memory (LockImage, collision, GrabImage), or transparent when
///   there are none, and can be drawn into at once.
/// - When its graphics end, they stop drawing into it; the same holds.
/// - Freed (its last reference dropped), its texture and framebuffers go at
///   once, after queued drawing that uses them. The current target is held
///   by its graphics: dropping a program's last reference to it changes
///   nothing until SetRenderImage moves drawing elsewhere (or the graphics
///   close), and then it is freed.
/// - Other graphics than the ones it was made under draw into it only when
///   they share textures with those (with the GL driver: both opened after
///   GLShareContexts); else SetRenderImage answers 0 with the reason.
///
/// Flags as for CreateImage: -1 means the automatic image flags, and
/// IMAGE_DYNAMIC is always added. IMAGE_FILTERED samples it linearly where
/// it is drawn scaled or turned (without, it scales up in sharp pixels);
/// IMAGE_MIPMAPPED makes its mipmaps whenever drawing leaves it and after
/// pixels are written; IMAGE_MASKED masks pixmaps given to it without alpha.
/// \ingroup draw2d
/// \since 1.1
#pragma once

#include <cstdint>

#include "image.h"
#include "../runtime/object.h"

namespace tazmix {

/// A drawing target's own part of the drawing state (the rest, the pen, is
/// shared by all targets): TVex2DGraphics' fields of the same names.
/// \since 1.1
struct SurfaceState {
  /// The viewport's left edge. \since 1.1
  int32_t viewport_x = 0;
  /// The viewport's top edge. \since 1.1
  int32_t viewport_y = 0;
  /// The viewport's width. \since 1.1
  int32_t viewport_w = 0;
  /// The viewport's height. \since 1.1
  int32_t viewport_h = 0;
  /// The origin's x. \since 1.1
  float origin_x = 0;
  /// The origin's y. \since 1.1
  float origin_y = 0;
  /// The virtual resolution's width. \since 1.1
  float vres_width = 0;
  /// The virtual resolution's height. \since 1.1
  float vres_height = 0;
  /// How the virtual resolution fits: VIRTUAL_STRETCH or VIRTUAL_LETTERBOX. \since 1.1
  int32_t vres_fit = 0;
  /// 1 once the program set the virtual resolution itself. \since 1.1
  int32_t vres_own = 0;
  /// The target's width the state was last laid out for. \since 1.1
  int32_t width = 0;
  /// The target's height the state was last laid out for. \since 1.1
  int32_t height = 0;
};

/// A render image: one frame, made by the current 2D driver with
/// CreateRenderFrame, that drawing can go into. Programs make them with
/// CreateRenderImage and use them as any TImage.
/// \since 1.1
class TRenderImage : public TImage {
 public:
  /// 1 while the GPU holds drawing that the pixmap lacks. \since 1.1
  int32_t drawn = 0;
  /// 1 while the pixmap holds pixels that the GPU lacks. \since 1.1
  int32_t written = 0;
  /// Its surface (viewport, origin, virtual resolution) while it is not the
  /// target. \since 1.1
  SurfaceState surface;

  /// The driver frame to draw the image with, brought up to date with the
  /// pixmap first.
  /// \param index the frame; only 0 exists.
  /// \return the frame; Null while it is the current target (an image is
  ///   never drawn into itself), when the driver could make none under the
  ///   current GraphicsSeq (tried once per GraphicsSeq), without a driver,
  ///   and for an index but 0.
  /// \since 1.1
  Ref<TImageFrame> Frame(int32_t index) override;
  /// The pixmap, with the GPU's pixels read into it first (ReadRenderFrame)
  /// when `read` is not 0 and drawing changed them since. A pixmap of the
  /// image's size that an earlier Lock gave is filled in place.
  /// \param index the frame; only 0 exists.
  /// \param read non-zero to bring the GPU's pixels to main memory first.
  /// \param write non-zero: the pixmap's pixels go back to the GPU at Unlock
  ///   or at the next use.
  /// \return the pixmap; Null for an index but 0, or when it can't be made.
  /// \since 1.1
  Ref<TPixmap> Lock(int32_t index, int32_t read, int32_t write) override;
  /// As for any image (masked with IMAGE_MASKED); the driver frame stays and
  /// gets the pixels at the next use. Nothing for an index but 0.
  /// \param index the frame; only 0 exists.
  /// \param pixmap the pixels; the frame takes its top-left part of the
  ///   image's size.
  /// \since 1.1
  void SetPixmap(int32_t index, const Ref<TPixmap>& pixmap) override;
  /// Puts written pixels on the GPU now (WriteRenderFrame); nothing when
  /// none were written or the driver frame belongs to graphics that are
  /// gone.
  /// \param index the frame; only 0 exists.
  /// \since 1.1
  void Unlock(int32_t index) override;

  /// The frame drawing goes into, as Frame makes it, also while it is the
  /// target. Makes it with CreateRenderFrame when there is none for the
  /// current GraphicsSeq; the GPU's copy then starts from the pixmap.
  /// \return the frame; Null without a current driver or when the driver
  ///   could make none (the reason noted).
  /// \since 1.1
  Ref<TImageFrame> TargetFrame();
  /// \return whether it is the current graphics' target. \since 1.1
  bool IsTarget() const;

  /// The image without its driver frame, its surface the whole image.
  /// CreateRenderImage is the usual way in.
  /// \param width, height the size; the caller checks it is at least 1 x 1.
  /// \param flags the image flags, as they are.
  /// \param mask_r, mask_g, mask_b the mask colour.
  /// \return the image; never Null.
  /// \since 1.1
  static Ref<TRenderImage> Create(int32_t width, int32_t height, int32_t flags, int32_t mask_r, int32_t mask_g,
                                  int32_t mask_b);
};

/// Makes a render image: transparent, with the automatic mid-handle applied
/// as for CreateImage, the mask colour of SetMaskColor.
/// \param width, height the size in pixels, at least 1 x 1.
/// \param flags the image flags; -1 for the automatic ones. IMAGE_DYNAMIC is
///   always added.
/// \return the image; Null, with one line recorded (runtime/error_report.h),
///   for a size below 1 x 1, without graphics, where the driver can't draw
///   into images (a GL with neither GL 3.0 nor a framebuffer-object
///   extension) or not at that size:
///   `CreateRenderImage(0 x 8): the size must be at least 1 x 1`,
///   `CreateRenderImage(8 x 8): no graphics are open: call OpenGraphics first`,
///   `CreateRenderImage(100000 x 100000): GL draws into images of at most 16384 x 16384`.
/// \since 1.1
Ref<TImage> CreateRenderImage(int32_t width, int32_t height, int32_t flags = -1);

/// Sends all drawing of the current graphics into the render image, or into
/// the window for Null.
/// \param image a render image (CreateRenderImage), or Null.
/// \return 1 when drawing goes there now; 0, with one line recorded and
///   drawing going where it went, for an image that is not a render image or
///   one the graphics can't draw into:
///   `SetRenderImage(image): not a render image (CreateRenderImage makes them)`,
///   `SetRenderImage(render image): these graphics don't share textures with the ones it was made under (see GLShareContexts)`.
/// \throws Thrown (TNullObjectException naming SetRenderImage) without open
///   graphics, like every drawing call.
/// \since 1.1
int32_t SetRenderImage(const Ref<TImage>& image);

/// The current graphics' render image.
/// \return the image drawing goes into; Null while it goes into the window.
/// \throws Thrown (TNullObjectException naming RenderImage) without open
///   graphics.
/// \since 1.1
Ref<TImage> RenderImage();

}  // namespace tazmix
