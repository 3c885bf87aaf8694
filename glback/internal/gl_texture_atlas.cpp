#include "glback/internal/gl_texture_atlas.h"

#include <GL/gl.h>

#include <algorithm>
#include <vector>

#include "draw2d/image_flags.h"
#include "glback/internal/gl_new_texture.h"
#include "glback/internal/gl_texture_cache.h"
#include "graphics/graphics.h"

namespace tazmix {

namespace {

struct Shelf {
  int32_t y = 0;
  int32_t height = 0;
  int32_t used = 0;  // width taken from the left
};

struct Page {
  uint32_t texture = 0;
  bool filtered = false;
  int32_t size = 0;
  int32_t bottom = 0;  // height taken by shelves from the top
  int32_t frames = 0;  // frames placed and not yet released
  std::vector<Shelf> shelves;

  // The shelf that fits the rectangle with the least height to spare,
  // opening a new one below the others when none does.
  bool Place(int32_t width, int32_t height, int32_t& x, int32_t& y) {
    Shelf* best = nullptr;
    for (Shelf& s : shelves) {
      if (s.height >= height && size - s.used >= width && (!best || s.height < best->height)) best = &s;
    }
    // A shelf far taller than the rectangle would waste most of its row.
    if (best && best->height > height * 2 && size - bottom >= height) best = nullptr;
    if (!best) {
      if (size - bottom < height || size < width) return false;
      shelves.push_back({bottom, height, 0});
      bottom += height;
      best = &shelves.back();
    }
    x = best->used;
    y = best->y;
    best->used += width;
    ++frames;
    return true;
  }
};

int32_t pages_seq = 0;
int32_t page_size = 0;
std::vector<Page> pages;

// Forgets the pages of an earlier GraphicsSeq: their textures died with it.
void FollowGraphicsSeq() {
  if (pages_seq == GraphicsSeq()) return;
  pages.clear();
  pages_seq = GraphicsSeq();
  GLint max_size = 0;
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &max_size);
  page_size = std::min<int32_t>(kAtlasPageSize, max_size);
}

}  // namespace

bool AtlasTakes(int32_t width, int32_t height, int32_t flags) {
  if (flags & (IMAGE_MIPMAPPED | IMAGE_DYNAMIC)) return false;
  return width <= kAtlasMaxSide - 2 && height <= kAtlasMaxSide - 2;
}

bool ReserveAtlasSpace(int32_t width, int32_t height, int32_t flags, AtlasPlace& place) {
  FollowGraphicsSeq();
  if (width <= 0 || height <= 0 || width > page_size || height > page_size) return false;
  const bool filtered = (flags & IMAGE_FILTERED) != 0;
  for (Page& page : pages) {
    if (page.filtered == filtered && page.Place(width, height, place.x, place.y)) {
      place.texture = page.texture;
      place.page_size = page.size;
      BindTexture(page.texture);
      return true;
    }
  }
  Page page;
  page.filtered = filtered;
  page.size = page_size;
  page.texture = CreateTexture(page_size, page_size, filtered ? IMAGE_FILTERED : 0);
  page.Place(width, height, place.x, place.y);
  place.texture = page.texture;
  place.page_size = page.size;
  pages.push_back(std::move(page));
  return true;
}

void ReleaseAtlasSpace(uint32_t texture) {
  if (pages_seq != GraphicsSeq()) return;
  for (Page& page : pages) {
    if (page.texture != texture) continue;
    if (--page.frames == 0) {
      page.shelves.clear();
      page.bottom = 0;
    }
    return;
  }
}

int32_t AtlasPageCount() {
  FollowGraphicsSeq();
  return static_cast<int32_t>(pages.size());
}

}  // namespace tazmix
