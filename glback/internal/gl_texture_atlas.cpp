#include "glback/internal/gl_texture_atlas.h"

#include <GL/gl.h>

#include <algorithm>
#include <vector>

#include "draw2d/image_flags.h"
#include "glback/internal/gl_new_texture.h"
#include "glback/internal/gl_queue.h"
#include "glback/internal/gl_state.h"
#include "graphics/graphics.h"
#include "pixmap/pixel_format.h"
#include "pixmap/pixmap_resize.h"

namespace tazmix {

namespace {

constexpr int32_t kPageKinds = IMAGE_FILTERED | IMAGE_MIPMAPPED;

int32_t BorderOf(int32_t flags) { return (flags & IMAGE_MIPMAPPED) ? kAtlasMipBorder : 1; }

// The side a place takes: the image and its border on both sides, rounded
// up to a whole number of borders on mipmapped pages.
int32_t PlacedSide(int32_t side, int32_t flags) {
  const int32_t border = BorderOf(flags);
  const int32_t bordered = side + 2 * border;
  if (!(flags & IMAGE_MIPMAPPED)) return bordered;
  return (bordered + border - 1) / border * border;
}

// The shelf that fits the rectangle with the least height to spare, opening
// a new one below the others when none does.
bool Place(GLAtlasPage& page, int32_t width, int32_t height, int32_t& x, int32_t& y) {
  GLAtlasShelf* best = nullptr;
  for (GLAtlasShelf& s : page.shelves) {
    if (s.height >= height && page.size - s.used >= width && (!best || s.height < best->height)) best = &s;
  }
  // A shelf far taller than the rectangle would waste most of its row.
  if (best && best->height > height * 2 && page.size - page.bottom >= height) best = nullptr;
  if (!best) {
    if (page.size - page.bottom < height || page.size < width) return false;
    page.shelves.push_back({page.bottom, height, 0});
    page.bottom += height;
    best = &page.shelves.back();
  }
  x = best->used;
  y = best->y;
  best->used += width;
  ++page.frames;
  return true;
}

// Forgets the pages of an earlier GraphicsSeq: their textures died with it.
GLShared& FollowGraphicsSeq() {
  GLShared& shared = GLBack().shared;
  if (shared.atlas_seq == GraphicsSeq()) return shared;
  shared.atlas_pages.clear();
  shared.atlas_seq = GraphicsSeq();
  GLint max_size = 0;
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &max_size);
  shared.atlas_page_size = std::min<int32_t>(kAtlasPageSize, max_size);
  return shared;
}

// The image with its border: texels outside the image repeat the image's
// nearest edge texel. On a mipmapped page the border is laid out as a
// texture of the image's own is (the image at its top-left corner, clamped
// there, its last column and row repeated once, transparent beyond), so the
// levels hold what such a texture's levels hold.
Ref<TPixmap> BorderedPixmap(const TPixmap& rgba, int32_t width, int32_t height, int32_t border, bool mipmapped) {
  Ref<TPixmap> out = CreatePixmap(width, height, FORMAT_RGBA32, 4);
  if (!out) return nullptr;
  out->ClearPixels(0);
  const int32_t right = mipmapped ? border + rgba.width + 1 : width;
  const int32_t bottom = mipmapped ? border + rgba.height + 1 : height;
  for (int32_t y = 0; y < bottom; ++y) {
    const uint8_t* row = rgba.PixelPtr(0, std::clamp(y - border, 0, rgba.height - 1));
    auto* dst = out->PixelPtr(0, y);
    for (int32_t x = 0; x < right; ++x) {
      const uint8_t* p = row + static_cast<size_t>(std::clamp(x - border, 0, rgba.width - 1)) * 4;
      std::copy_n(p, 4, dst + static_cast<size_t>(x) * 4);
    }
  }
  return out;
}

bool AllOpaque(const TPixmap& rgba) {
  for (int32_t y = 0; y < rgba.height; ++y) {
    const uint8_t* p = rgba.PixelPtr(0, y);
    for (int32_t x = 0; x < rgba.width; ++x) {
      if (p[x * 4 + 3] != 255) return false;
    }
  }
  return true;
}

// Writes the bordered image at (x, y) of the bound page, and on a mipmapped
// page its halved copies into the levels below.
void Upload(Ref<TPixmap> block, int32_t x, int32_t y, int32_t flags) {
  for (int32_t level = 0; block; ++level) {
    glPixelStorei(GL_UNPACK_ROW_LENGTH, block->pitch / 4);
    glTexSubImage2D(GL_TEXTURE_2D, level, x >> level, y >> level, block->width, block->height, GL_RGBA,
                    GL_UNSIGNED_BYTE, block->pixels);
    NoteGLUpload();
    if (!(flags & IMAGE_MIPMAPPED) || level == kAtlasMipLevels) break;
    block = ResizePixmap(block, block->width / 2, block->height / 2);
  }
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
}

}  // namespace

bool AtlasTakes(int32_t width, int32_t height, int32_t flags) {
  if (flags & IMAGE_DYNAMIC) return false;
  return PlacedSide(width, flags) <= kAtlasMaxSide && PlacedSide(height, flags) <= kAtlasMaxSide;
}

bool PlaceInAtlas(const Ref<TPixmap>& pixmap, int32_t flags, AtlasPlace& place) {
  if (!pixmap || pixmap->width <= 0 || pixmap->height <= 0) return false;
  GLShared& shared = FollowGraphicsSeq();
  const int32_t kind = flags & kPageKinds;
  const int32_t width = PlacedSide(pixmap->width, kind);
  const int32_t height = PlacedSide(pixmap->height, kind);
  if (width > shared.atlas_page_size || height > shared.atlas_page_size) return false;
  const Ref<TPixmap> rgba = pixmap->format == FORMAT_RGBA32 ? pixmap : pixmap->Convert(FORMAT_RGBA32);
  if (!rgba) return false;
  const int32_t border = BorderOf(kind);
  const bool mipmapped = (kind & IMAGE_MIPMAPPED) != 0;
  Ref<TPixmap> block = BorderedPixmap(*rgba, width, height, border, mipmapped);
  if (!block) return false;

  GLAtlasPage* page = nullptr;
  int32_t x = 0, y = 0;
  for (GLAtlasPage& p : shared.atlas_pages) {
    if (p.flags == kind && Place(p, width, height, x, y)) {
      page = &p;
      break;
    }
  }
  if (!page) {
    GLAtlasPage fresh;
    fresh.flags = kind;
    fresh.size = shared.atlas_page_size;
    fresh.texture = CreateTexture(fresh.size, fresh.size, kind, kAtlasMipLevels);
    shared.atlas_pages.push_back(std::move(fresh));
    page = &shared.atlas_pages.back();
    Place(*page, width, height, x, y);
  }
  BindGLTextureForUpload(page->texture);
  Upload(block, x, y, kind);
  place.texture = page->texture;
  place.page_size = page->size;
  place.x = x + border;
  place.y = y + border;
  // The border repeats the edge, so it is opaque exactly when the image is;
  // smaller mipmap levels mix in the transparent part.
  place.opaque = !mipmapped && AllOpaque(*rgba);
  return true;
}

void ReleaseAtlasSpace(uint32_t texture) {
  GLShared& shared = GLBack().shared;
  if (shared.atlas_seq != GraphicsSeq()) return;
  for (GLAtlasPage& page : shared.atlas_pages) {
    if (page.texture != texture) continue;
    if (--page.frames == 0) {
      // Its places are handed out again: queued quads must sample them first.
      SyncGLTextureUse(texture);
      page.shelves.clear();
      page.bottom = 0;
    }
    return;
  }
}

int32_t AtlasPageCount() {
  return static_cast<int32_t>(FollowGraphicsSeq().atlas_pages.size());
}

}  // namespace tazmix
