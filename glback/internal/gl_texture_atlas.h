// Shared texture pages for image frames. Every change of bound texture costs
// a draw call, so frames that are small and fixed share large pages
// instead of holding a texture each, and quads drawn from one page in a row
// (a line of text, a grid of tiles with letters on them) are one draw.
//
// Pages are packed in shelves (rows of rectangles, each row as high as its
// tallest use). A page samples in one way, so frames share a page only with
// frames of the same IMAGE_FILTERED and IMAGE_MIPMAPPED flags.
//
// Each frame sits inside a border repeating its own edge texels, so that
// filtered sampling at any edge finds the image's own colours: one texel
// wide on plain pages. On mipmapped pages the border is kAtlasMipBorder
// texels, laid out as a texture of the frame's own would be (clamped at the
// top and left, the last column and row repeated once, transparent
// beyond), and every place starts and ends on a multiple of it, so the
// first kAtlasMipLevels levels below the full size hold what the frame's own
// texture would and never mix neighbours. The page stops at that level: a
// frame drawn smaller than 1/2^kAtlasMipLevels samples its smallest level
// (where a texture of its own would go on shrinking).
//
// Pages belong to the GraphicsSeq they were made under: once it changes they
// are forgotten without being deleted, like the frames of that context.
// Space is not reused rectangle by rectangle; a page whose every frame has
// been released is emptied for reuse.
#pragma once

#include <cstdint>

#include "pixmap/pixmap.h"

namespace tazmix {

// Pages are this size unless GL holds less.
inline constexpr int32_t kAtlasPageSize = 1024;
// Frames whose bordered sides are both at most this go into a page.
inline constexpr int32_t kAtlasMaxSide = 256;
inline constexpr int32_t kAtlasMipLevels = 4;
inline constexpr int32_t kAtlasMipBorder = 1 << kAtlasMipLevels;

// A frame's place in a page: the page's texture and the image's top-left
// texel (inside its border).
struct AtlasPlace {
  uint32_t texture = 0;
  int32_t x = 0;
  int32_t y = 0;
  int32_t page_size = 0;  // width and height of the page
  bool opaque = false;    // every texel the image's quads can sample has alpha 255
};

// Whether a frame of these image flags and image size belongs in a page:
// not dynamic (drawn into or grabbed), both sides small with their border.
bool AtlasTakes(int32_t width, int32_t height, int32_t flags);

// Places the pixmap (with its border, and its mipmap levels on a mipmapped
// page) in a page of the flags' kind under the current GraphicsSeq, making
// a page when none has room. False when it cannot be placed.
bool PlaceInAtlas(const Ref<TPixmap>& pixmap, int32_t flags, AtlasPlace& place);

// A frame in the page `texture` was released under the GraphicsSeq its page
// belongs to; the page empties once it holds no frame.
void ReleaseAtlasSpace(uint32_t texture);

// The number of pages of the current GraphicsSeq (for tests).
int32_t AtlasPageCount();

}  // namespace tazmix
