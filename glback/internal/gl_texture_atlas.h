// Shared texture pages for small image frames. On a software renderer every
// change of bound texture is costly, so frames that are small, fixed and
// without mipmaps share large pages instead of holding a texture each, and
// quads drawn from one page in a row bind it once.
//
// Pages are packed in shelves (rows of rectangles, each row as high as its
// tallest use). A page samples in one filter mode, so filtered and unfiltered
// frames never share one. Pages belong to the GraphicsSeq they were made
// under: once it changes they are forgotten without being deleted, like the
// frames of that context. Space is not reused rectangle by rectangle; a page
// whose every frame has been released is emptied for reuse.
#pragma once

#include <cstdint>

namespace tazmix {

// Pages are this size unless GL holds less.
inline constexpr int32_t kAtlasPageSize = 1024;
// Frames whose padded sides are both at most this go into a page.
inline constexpr int32_t kAtlasMaxSide = 128;

// A rectangle reserved in a page: its texture and top-left texel.
struct AtlasPlace {
  uint32_t texture = 0;
  int32_t x = 0;
  int32_t y = 0;
  int32_t page_size = 0;  // width and height of the page
};

// Whether a frame of these image flags and image size belongs in a page:
// not mipmapped, not dynamic (drawn into or grabbed), both sides small with
// the one-pixel border around them.
bool AtlasTakes(int32_t width, int32_t height, int32_t flags);

// Reserves a width x height rectangle in a page of the flags' filter mode
// under the current GraphicsSeq, making a page when none has room. The
// page's texture is left bound. False when the rectangle cannot be placed.
bool ReserveAtlasSpace(int32_t width, int32_t height, int32_t flags, AtlasPlace& place);

// A frame in the page `texture` was released under the GraphicsSeq its page
// belongs to; the page empties once it holds no frame.
void ReleaseAtlasSpace(uint32_t texture);

// The number of pages of the current GraphicsSeq (for tests).
int32_t AtlasPageCount();

}  // namespace tazmix
