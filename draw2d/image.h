// Images: one or more frames of equal size, each a pixmap in main memory and,
// once drawn, a driver frame made by the current 2D driver.
//
// Driver frames are made lazily and remembered with the GraphicsSeq at which
// they were made; a different GraphicsSeq means the context they belonged to
// is gone, so each frame is rebuilt once after every change of context.
#pragma once

#include <cstdint>
#include <vector>

#include "image_flags.h"
#include "image_frame.h"
#include "../pixmap/pixmap.h"
#include "../runtime/object.h"

namespace tazmix {

inline constexpr int32_t IMAGE_MAX_FRAMES = 1 << 20;

class TImage : public Object {
 public:
  int32_t width = 0;
  int32_t height = 0;
  int32_t flags = 0;
  int32_t mask_r = 0;
  int32_t mask_g = 0;
  int32_t mask_b = 0;
  // The point of the image that lands on the drawing position.
  float handle_x = 0;
  float handle_y = 0;
  std::vector<Ref<TPixmap>> pixmaps;    // one per frame; Null until set or locked
  std::vector<Ref<TImageFrame>> frames;  // one per frame; Null until made
  std::vector<int32_t> seqs;             // GraphicsSeq of each driver frame; 0 = none

  virtual int32_t _pad() { return 0; }
  // The drawable frame, made by the current 2D driver when the remembered
  // GraphicsSeq is not the current one. Null when there is no driver or it
  // cannot make a frame (the next call tries again), and for an index outside
  // the image.
  virtual Ref<TImageFrame> Frame(int32_t index);
  // The frame's pixmap, made (FORMAT_RGBA32, not cleared) when there is none.
  // A non-zero `write` drops the driver frame so the next Frame rebuilds it;
  // `read` has no effect. Null for an index outside the image.
  virtual Ref<TPixmap> Lock(int32_t index, int32_t read, int32_t write);
  // Attaches a pixmap to a frame; with IMAGE_MASKED a pixmap without alpha is
  // replaced by its masked RGBA copy. Nothing for an index outside the image.
  virtual void SetPixmap(int32_t index, const Ref<TPixmap>& pixmap);
  // The end of a Lock (UnlockImage). Nothing for an image, whose frames are
  // remade from the pixmap at the next draw; a render image puts the
  // pixmap's pixels back on the GPU here.
  virtual void Unlock(int32_t index);

  // Gives a new image its size, flags, mask colour and `frames` empty frame
  // slots: Create's work, for classes derived from TImage. The arguments are
  // the caller's to check.
  void Setup(int32_t width, int32_t height, int32_t frames, int32_t flags, int32_t mask_r, int32_t mask_g,
             int32_t mask_b);

  // A new image with `frames` empty frames and the handle at (0, 0); Null
  // when the size or the frame count is negative, or the count is above
  // IMAGE_MAX_FRAMES (the frame slots are made at once, pixels only later).
  static Ref<TImage> Create(int32_t width, int32_t height, int32_t frames, int32_t flags, int32_t mask_r,
                            int32_t mask_g, int32_t mask_b);
  // A one-frame image of a TPixmap or of the picture at the URL; Null when
  // there is no picture.
  static Ref<TImage> Load(const Ref<Object>& url, int32_t flags, int32_t mask_r, int32_t mask_g,
                          int32_t mask_b);
  // Frames first .. first + count - 1 of a sheet of equal cells numbered row
  // by row; Null when there is no picture or it holds too few whole cells.
  static Ref<TImage> LoadAnim(const Ref<Object>& url, int32_t cell_width, int32_t cell_height,
                              int32_t first, int32_t count, int32_t flags, int32_t mask_r,
                              int32_t mask_g, int32_t mask_b);

  int32_t FrameCount() const { return static_cast<int32_t>(pixmaps.size()); }
};

// Runs once: initialises pixmaps and the graphics core, registers the classes.
void InitImages();

}  // namespace tazmix
