#include "draw2d/collision_quad.h"

#include <typeinfo>
#include <utility>

#include "draw2d/internal/collision_scan.h"
#include "runtime/application.h"

namespace tazmix {

TQuad::~TQuad() {
  Ref<TQuad> next = std::move(link);
  // Only quads nobody else holds are taken apart here; releasing `next`
  // after its own link has been moved out frees exactly one quad per step.
  while (next && next->RefCount() == 1) {
    Ref<TQuad> after = std::move(next->link);
    next = std::move(after);
  }
}

namespace {

// A NaN corner must show in the box so that the box test can refuse it;
// std::min and std::max would drop it depending on its position.
float Least(float a, float b) { return (a < b || a != a) ? a : b; }
float Greatest(float a, float b) { return (a > b || a != a) ? a : b; }

}  // namespace

void TQuad::SetCoords(float x0, float y0, float x1, float y1, float x2, float y2, float x3, float y3) {
  xyuv = {x0, y0, 0, 0, x1, y1, 1, 0, x2, y2, 1, 1, x3, y3, 0, 1};
  minx = Least(Least(x0, x1), Least(x2, x3));
  miny = Least(Least(y0, y1), Least(y2, y3));
  maxx = Greatest(Greatest(x0, x1), Greatest(x2, x3));
  maxy = Greatest(Greatest(y0, y1), Greatest(y2, y3));
}

void RegisterCollisionClasses() {
  RegisterClassRecord(typeid(TQuad));
  RegisterClassRecord(typeid(rpoly));
}

}  // namespace tazmix
