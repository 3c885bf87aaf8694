/// \file
/// Making, loading and handling images through the drawing layer: the mask
/// colour, automatic mid-handles and automatic flags set here apply to every
/// image made from now on. An image (TImage, image.h) holds one or more
/// frames of the same size and is drawn with DrawImage (draw_image.h).
///
/// \code{.cpp}
/// tazmix::SetMaskColor(255, 0, 255);           // magenta turns transparent
/// tazmix::AutoMidHandle(1);                    // images turn about their middle
/// tazmix::Ref<tazmix::TImage> ship = tazmix::LoadImage("ship.png");
/// if (!ship) tazmix::Notify(tazmix::LastErrorText());  // says why
/// tazmix::Ref<tazmix::TImage> walk = tazmix::LoadAnimImage("walk.png", 32, 32, 0, 8);
/// tazmix::DrawImage(walk, 100, 100, 3);        // its fourth cell
/// \endcode
/// \ingroup draw2d
/// \since 1.0
#pragma once

#include <cstdint>

#include "image.h"
#include "../pixmap/pixmap.h"
#include "../runtime/object.h"
#include "../runtime/string.h"

namespace tazmix {

/// Loads a picture as a one-frame image.
/// \param url a file name, a bank or stream URL, or a TPixmap (kept, not copied).
/// \param flags the image flags (image_flags.h: IMAGE_MASKED, IMAGE_FILTERED,
///   IMAGE_MIPMAPPED, ...); -1 takes those AutoImageFlags set
///   (IMAGE_MASKED | IMAGE_FILTERED at start).
/// \return the image, with its handle at its centre while AutoMidHandle is
///   on; Null when the picture can't be loaded, recording one line with the
///   loader's reason, e.g.
///   `LoadImage("ball.png"): can't open the file: No such file or directory`.
/// \since 1.0
Ref<TImage> LoadImage(const Ref<Object>& url, int32_t flags = -1);
/// LoadImage of a file name or URL given as text.
/// \param url the file name or URL.
/// \param flags as for LoadImage.
/// \return as LoadImage.
/// \since 1.0
Ref<TImage> LoadImage(const String& url, int32_t flags = -1);
/// Loads a picture cut into cells of equal size, read left to right and top
/// to bottom, as the frames of one image.
/// \param url a file name, a bank or stream URL, or a TPixmap.
/// \param cell_width, cell_height the size of a cell, and of every frame.
/// \param first the first cell taken (0 is the top left one).
/// \param count how many cells are taken, from `first` on.
/// \param flags as for LoadImage.
/// \return the image of `count` frames; Null when the picture can't be
///   loaded or does not hold those cells, recording one line with the reason
///   (e.g. "the picture holds 6 cells, fewer than cell 2 + 5").
/// \since 1.0
Ref<TImage> LoadAnimImage(const Ref<Object>& url, int32_t cell_width, int32_t cell_height, int32_t first,
                          int32_t count, int32_t flags = -1);
/// LoadAnimImage of a file name or URL given as text.
/// \param url the file name or URL.
/// \param cell_width, cell_height, first, count, flags as for LoadAnimImage.
/// \return as LoadAnimImage.
/// \since 1.0
Ref<TImage> LoadAnimImage(const String& url, int32_t cell_width, int32_t cell_height, int32_t first,
                          int32_t count, int32_t flags = -1);
/// An empty image to draw into with LockImage or GrabImage: IMAGE_DYNAMIC is
/// always added.
/// \param width, height the size of every frame.
/// \param frames the number of frames.
/// \param flags as for LoadImage.
/// \return the image (its pixels are made on first use); Null, recording no
///   line, when a size or the frame count is negative or the count is above
///   IMAGE_MAX_FRAMES.
/// \since 1.0
Ref<TImage> CreateImage(int32_t width, int32_t height, int32_t frames = 1, int32_t flags = -1);

/// Sets the point of the image that is placed at the drawing position and
/// that rotation turns about.
/// \param image the image; Null does nothing.
/// \param x, y the handle, in pixels from the image's top left corner.
/// \since 1.0
void SetImageHandle(const Ref<TImage>& image, float x, float y);
/// Puts the image's handle at its centre.
/// \param image the image; Null does nothing.
/// \since 1.0
void MidHandleImage(const Ref<TImage>& image);
/// The width of the image's frames.
/// \param image the image.
/// \return the width in pixels; 0 for Null.
/// \since 1.0
int32_t ImageWidth(const Ref<TImage>& image);
/// The height of the image's frames.
/// \param image the image.
/// \return the height in pixels; 0 for Null.
/// \since 1.0
int32_t ImageHeight(const Ref<TImage>& image);
/// Opens a frame's pixels for reading and writing; UnlockImage ends it.
/// \param image the image.
/// \param frame the frame.
/// \param read non-zero: the pixmap holds the frame's pixels.
/// \param write non-zero: what is written goes to the frame.
/// \return the frame's pixmap; Null for a Null image or a frame it does not have.
/// \since 1.0
Ref<TPixmap> LockImage(const Ref<TImage>& image, int32_t frame = 0, int32_t read = 1, int32_t write = 1);
/// Ends a LockImage: a render image's pixels written meanwhile go back to the
/// GPU (render_image.h); nothing for other images.
/// \param image the image; Null does nothing.
/// \param frame the frame that was locked.
/// \since 1.0
void UnlockImage(const Ref<TImage>& image, int32_t frame = 0);
/// Copies the context's pixels at (x, y) (its render image's while it has
/// one), of the image's size, into a frame; masked images get the mask
/// colour made transparent. Whatever of the rectangle lies off the context
/// comes out transparent.
/// \param image the image; Null does nothing.
/// \param x, y the rectangle's top left corner on the context.
/// \param frame the frame to fill; one the image does not have is left alone.
/// \since 1.0
void GrabImage(const Ref<TImage>& image, int32_t x, int32_t y, int32_t frame = 0);

/// Sets the colour that masked images make transparent when loaded or
/// grabbed from now on (black at start).
/// \param red, green, blue 0..255 each.
/// \since 1.0
void SetMaskColor(int32_t red, int32_t green, int32_t blue);
/// Reads the mask colour.
/// \param[out] red, green, blue the colour SetMaskColor stored.
/// \since 1.0
void GetMaskColor(int32_t& red, int32_t& green, int32_t& blue);
/// Non-zero: images loaded or created from now on get their handle at their
/// centre (off at start).
/// \param flag 0 or non-zero.
/// \since 1.0
void AutoMidHandle(int32_t flag);
/// Sets the flags used when an image function is given -1.
/// \param flags the image flags; -1 leaves them as they are.
/// \since 1.0
void AutoImageFlags(int32_t flags);

}  // namespace tazmix
