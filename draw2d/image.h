/// \file
/// Images: one or more frames of equal size, each a pixmap in main memory
/// and, once drawn, a driver frame made by the current 2D driver. Programs
/// make and load them with the functions of image_api.h (LoadImage,
/// LoadAnimImage, CreateImage), which add the mask colour, the automatic
/// flags and the automatic mid-handle, and draw them with draw_image.h. This
/// header holds the class itself, for code that works on frames directly.
///
/// Driver frames are made lazily and remembered with the GraphicsSeq at which
/// they were made; a different GraphicsSeq means the context they belonged to
/// is gone, so each frame is rebuilt once after every change of context, and
/// images outlive a change of window.
///
/// \code{.cpp}
/// tazmix::Ref<tazmix::TImage> walk = tazmix::LoadAnimImage("walk.png", 32, 32, 0, 8);
/// if (walk) {
///   tazmix::Ref<tazmix::TPixmap> first = walk->Lock(0, 1, 1);  // frame 0's pixels, to be changed
///   tazmix::WritePixel(first, 0, 0, tazmix::PackARGB(255, 255, 0, 0));
///   walk->Unlock(0);  // the next draw makes frame 0 anew
/// }
/// \endcode
/// \ingroup draw2d
/// \since 1.0
#pragma once

#include <cstdint>
#include <vector>

#include "image_flags.h"
#include "image_frame.h"
#include "../pixmap/pixmap.h"
#include "../runtime/object.h"

namespace tazmix {

/// The most frames an image may have: TImage::Create (and so CreateImage)
/// answers Null above it, since the frame slots are made at once. \since 1.0
inline constexpr int32_t IMAGE_MAX_FRAMES = 1 << 20;

/// An image: frames of equal size, their pixels in main memory, drawn
/// through frames the current 2D driver makes of them.
/// \since 1.0
class TImage : public Object {
 public:
  /// The width of every frame, in pixels. \since 1.0
  int32_t width = 0;
  /// The height of every frame, in pixels. \since 1.0
  int32_t height = 0;
  /// The image flags (IMAGE_MASKED, IMAGE_FILTERED, ...; image_flags.h). \since 1.0
  int32_t flags = 0;
  /// Red of the mask colour that IMAGE_MASKED makes transparent. \since 1.0
  int32_t mask_r = 0;
  /// Green of the mask colour. \since 1.0
  int32_t mask_g = 0;
  /// Blue of the mask colour. \since 1.0
  int32_t mask_b = 0;
  /// The x of the point of the image that lands on the drawing position
  /// (SetImageHandle), in pixels from its left edge. \since 1.0
  float handle_x = 0;
  /// The y of the handle, in pixels from the top edge. \since 1.0
  float handle_y = 0;
  /// The pixels, one pixmap per frame; Null until set or locked. \since 1.0
  std::vector<Ref<TPixmap>> pixmaps;    // one per frame; Null until set or locked
  /// The driver frames, one per frame; Null until made. \since 1.0
  std::vector<Ref<TImageFrame>> frames;  // one per frame; Null until made
  /// The GraphicsSeq at which each driver frame was made; 0 for none. \since 1.0
  std::vector<int32_t> seqs;             // GraphicsSeq of each driver frame; 0 = none

  /// Keeps the slot order of the class record. \return 0. \since 1.0
  virtual int32_t _pad() { return 0; }
  /// The drawable frame, made by the current 2D driver (CreateFrameFromPixmap)
  /// when the remembered GraphicsSeq is not the current one.
  /// \param index the frame, from 0.
  /// \return the driver frame; Null when there is no driver or it cannot
  ///   make a frame (the next call tries again), and for an index outside
  ///   the image.
  /// \since 1.0
  virtual Ref<TImageFrame> Frame(int32_t index);
  /// The frame's pixmap, made (FORMAT_RGBA32, transparent) when there is
  /// none. LockImage is the usual way in.
  /// \param index the frame, from 0.
  /// \param read ignored here (render images read the GPU's pixels first).
  /// \param write non-zero drops the driver frame, so the next Frame makes
  ///   it anew from the pixmap.
  /// \return the pixmap, to read and write in place; Null for an index
  ///   outside the image, or when the pixmap can't be made (too large).
  /// \since 1.0
  virtual Ref<TPixmap> Lock(int32_t index, int32_t read, int32_t write);
  /// Attaches a pixmap to a frame and drops its driver frame; with
  /// IMAGE_MASKED a pixmap without alpha is replaced by its masked RGBA copy.
  /// Nothing for an index outside the image.
  /// \param index the frame, from 0.
  /// \param pixmap the pixels, kept (not copied) unless masked; should be of
  ///   the image's size. Null empties the frame.
  /// \since 1.0
  virtual void SetPixmap(int32_t index, const Ref<TPixmap>& pixmap);
  /// Ends a Lock (UnlockImage). Nothing for an image, whose frames are made
  /// anew from the pixmap at the next draw; a render image puts the pixmap's
  /// pixels back on the GPU here.
  /// \param index the frame, from 0.
  /// \since 1.1
  virtual void Unlock(int32_t index);

  /// Gives a new image its size, flags, mask colour and `frames` empty frame
  /// slots: Create's work, for classes derived from TImage. The arguments are
  /// the caller's to check.
  /// \param width, height the size of every frame.
  /// \param frames the number of frames, 0 .. IMAGE_MAX_FRAMES.
  /// \param flags the image flags.
  /// \param mask_r, mask_g, mask_b the mask colour.
  /// \since 1.1
  void Setup(int32_t width, int32_t height, int32_t frames, int32_t flags, int32_t mask_r, int32_t mask_g,
             int32_t mask_b);

  /// A new image with empty frames and the handle at (0, 0); no pixels are
  /// made until a frame is locked or drawn. CreateImage is the usual way in.
  /// \param width, height the size of every frame.
  /// \param frames the number of frames.
  /// \param flags the image flags, as they are (-1 is not translated here).
  /// \param mask_r, mask_g, mask_b the mask colour.
  /// \return the image; Null, recording nothing, when the size or the frame
  ///   count is negative or the count is above IMAGE_MAX_FRAMES.
  /// \since 1.0
  static Ref<TImage> Create(int32_t width, int32_t height, int32_t frames, int32_t flags, int32_t mask_r,
                            int32_t mask_g, int32_t mask_b);
  /// A one-frame image of a pixmap or of a picture file. LoadImage is the
  /// usual way in.
  /// \param url a TPixmap (kept, not copied), or any URL LoadPixmap takes
  ///   (a file, a bank, a stream).
  /// \param flags the image flags, as they are.
  /// \param mask_r, mask_g, mask_b the mask colour.
  /// \return the image; Null when there is no picture, with the loader's
  ///   reason noted for the calling scope (LoadImage's line, e.g.
  ///   `LoadImage("ball.png"): can't open the file: No such file or directory`).
  /// \since 1.0
  static Ref<TImage> Load(const Ref<Object>& url, int32_t flags, int32_t mask_r, int32_t mask_g,
                          int32_t mask_b);
  /// An image of frames cut from a sheet of equal cells numbered row by row
  /// from the top left (cells that don't fit whole are left out).
  /// LoadAnimImage is the usual way in.
  /// \param url a TPixmap, or any URL LoadPixmap takes.
  /// \param cell_width, cell_height the size of a cell, and of every frame.
  /// \param first the first cell to take, from 0.
  /// \param count how many cells to take, in order.
  /// \param flags the image flags, as they are.
  /// \param mask_r, mask_g, mask_b the mask colour.
  /// \return the image; Null when there is no picture (the loader's reason
  ///   noted), for a cell size below 1 or a negative first or count (noted
  ///   as "cells of 0 x 0 from cell 0, 1 of them, can't be cut out"), or when
  ///   the sheet holds too few whole cells (noted as "the picture holds 4
  ///   cells, fewer than cell 2 + 3"). LoadAnimImage puts the reason in its
  ///   line.
  /// \since 1.0
  static Ref<TImage> LoadAnim(const Ref<Object>& url, int32_t cell_width, int32_t cell_height,
                              int32_t first, int32_t count, int32_t flags, int32_t mask_r,
                              int32_t mask_g, int32_t mask_b);

  /// \return the number of frames. \since 1.0
  int32_t FrameCount() const { return static_cast<int32_t>(pixmaps.size()); }
};

/// Runs once: initialises pixmaps and the graphics core, registers the
/// image classes. InitDraw2D (and so InitTazmix) calls it. \since 1.0
void InitImages();

}  // namespace tazmix
