#include "draw2d/collision.h"

#include "draw2d/draw_state.h"
#include "draw2d/internal/current_drawing.h"
#include "draw2d/vex2d_graphics.h"

namespace tazmix {

namespace {

constexpr int32_t kScratchLayer = INT32_MIN;  // bit 31

void SetRotationAndScale(float rotation, float scale_x, float scale_y) {
  SetRotation(rotation);
  SetScale(scale_x, scale_y);
}

}  // namespace

std::vector<Ref<Object>> CollideImageAt(const Ref<TImage>& image, float x, float y, int32_t frame,
                                        int32_t collide_mask, int32_t write_mask, const Ref<Object>& id) {
  // An image without that frame has nothing to collide with.
  if (!image || frame < 0 || frame >= image->FrameCount()) return {};
  Ref<TQuad> quad = MakeQuad(image.get(), frame, x, y, static_cast<float>(image->width),
                             static_cast<float>(image->height), id);
  return CollideQuadLayers(*quad, collide_mask, write_mask);
}

std::vector<Ref<Object>> CollideRectAt(float x, float y, float width, float height, int32_t collide_mask,
                                       int32_t write_mask, const Ref<Object>& id) {
  Ref<TQuad> quad = MakeQuad(nullptr, 0, x, y, width, height, id);
  return CollideQuadLayers(*quad, collide_mask, write_mask);
}

int32_t ImagesOverlap(const Ref<TImage>& image1, float x1, float y1, int32_t frame1, const Ref<TImage>& image2,
                      float x2, float y2, int32_t frame2) {
  ClearCollisionLayers(kScratchLayer);
  CollideImageAt(image1, x1, y1, frame1, 0, kScratchLayer, nullptr);
  return CollideImageAt(image2, x2, y2, frame2, kScratchLayer, 0, nullptr).empty() ? 0 : 1;
}

int32_t ImagesOverlapTransformed(const Ref<TImage>& image1, float x1, float y1, int32_t frame1, float rotation1,
                                 float scale_x1, float scale_y1, const Ref<TImage>& image2, float x2, float y2,
                                 int32_t frame2, float rotation2, float scale_x2, float scale_y2) {
  const float rotation = DrawingGraphics("ImagesOverlapTransformed").tform_rot;
  float scale_x = 1;
  float scale_y = 1;
  GetScale(scale_x, scale_y);
  int32_t hit = 0;
  try {
    ClearCollisionLayers(kScratchLayer);
    SetRotationAndScale(rotation1, scale_x1, scale_y1);
    CollideImageAt(image1, x1, y1, frame1, 0, kScratchLayer, nullptr);
    SetRotationAndScale(rotation2, scale_x2, scale_y2);
    hit = CollideImageAt(image2, x2, y2, frame2, kScratchLayer, 0, nullptr).empty() ? 0 : 1;
  } catch (...) {
    SetRotationAndScale(rotation, scale_x, scale_y);
    throw;
  }
  SetRotationAndScale(rotation, scale_x, scale_y);
  return hit;
}

}  // namespace tazmix
