#include "draw2d/internal/outline_band.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <queue>
#include <tuple>

namespace tazmix {

namespace {

// How far, in widths, the inner point of a concave corner may lie from it.
constexpr double kMiterLimit = 4;

struct Edge {
  double dx, dy;  // unit direction
  double nx, ny;  // unit normal pointing into the shape
  int32_t prev, next;  // the neighbouring edges still in the band
  bool active = true;
  int32_t version = 0;  // bumped whenever its collapse width is recomputed
};

// Where the inner lines of two edges meet when each has moved inward by t:
// base + t * miter.
struct Meet {
  BandPoint base;
  BandPoint miter;
  BandPoint At(double t) const { return {base.x + t * miter.x, base.y + t * miter.y}; }
};

class Inset {
 public:
  // `orientation` is 1 when the signed area is positive, where the inside
  // lies toward (-dy, dx) of every edge, else -1.
  Inset(const std::vector<BandPoint>& outer, double orientation) : outer_(outer), orientation_(orientation) {
    const auto n = static_cast<int32_t>(outer.size());
    edges_.resize(static_cast<size_t>(n));
    for (int32_t i = 0; i < n; ++i) {
      const BandPoint& a = outer[static_cast<size_t>(i)];
      const BandPoint& b = outer[static_cast<size_t>((i + 1) % n)];
      const double length = std::hypot(b.x - a.x, b.y - a.y);
      Edge& e = edges_[static_cast<size_t>(i)];
      e.dx = (b.x - a.x) / length;
      e.dy = (b.y - a.y) / length;
      e.nx = -e.dy * orientation;
      e.ny = e.dx * orientation;
      e.prev = (i + n - 1) % n;
      e.next = (i + 1) % n;
    }
    starts_.resize(static_cast<size_t>(n));
    for (int32_t i = 0; i < n; ++i) starts_[static_cast<size_t>(i)] = MeetOf(edges_[static_cast<size_t>(i)].prev, i);
    active_ = n;
  }

  // Drops the edges that shrink to nothing within `width`, first the first
  // to go; false when fewer than three edges are left.
  bool Shrink(double width) {
    for (int32_t i = 0; i < active_; ++i) Schedule(i);
    while (!queue_.empty()) {
      const auto [t, e, version] = queue_.top();
      queue_.pop();
      Edge& edge = edges_[static_cast<size_t>(e)];
      if (!edge.active || edge.version != version) continue;
      if (t >= width) break;
      edge.active = false;
      if (--active_ < 3) return false;
      const int32_t a = edge.prev;
      const int32_t b = edge.next;
      edges_[static_cast<size_t>(a)].next = b;
      edges_[static_cast<size_t>(b)].prev = a;
      starts_[static_cast<size_t>(b)] = MeetOf(a, b);
      Schedule(a);
      Schedule(b);
    }
    return true;
  }

  // Every outer point's partner at `width`: the points from the end of one
  // remaining edge to the start of the next share the meeting point.
  void InnerPoints(double width, std::vector<BandPoint>& inner) const {
    const auto n = static_cast<int32_t>(outer_.size());
    inner.assign(static_cast<size_t>(n), BandPoint{});
    for (int32_t e = 0; e < n; ++e) {
      const Edge& edge = edges_[static_cast<size_t>(e)];
      if (!edge.active) continue;
      const BandPoint p = starts_[static_cast<size_t>(e)].At(width);
      for (int32_t v = (edge.prev + 1) % n;; v = (v + 1) % n) {
        inner[static_cast<size_t>(v)] = p;
        if (v == e) break;
      }
    }
  }

 private:
  using Entry = std::tuple<double, int32_t, int32_t>;  // width, edge, version

  // The inner lines of edge a and the edge b after it.
  Meet MeetOf(int32_t a, int32_t b) const {
    const Edge& ea = edges_[static_cast<size_t>(a)];
    const Edge& eb = edges_[static_cast<size_t>(b)];
    const auto n = static_cast<int32_t>(outer_.size());
    const BandPoint& corner = outer_[static_cast<size_t>(b)];
    const double dot = ea.nx * eb.nx + ea.ny * eb.ny;
    const double det = ea.nx * eb.ny - ea.ny * eb.nx;
    Meet m;
    // n_a . p = c_a + t and n_b . p = c_b + t, solved for p.
    if ((a + 1) % n == b || std::fabs(det) < 1e-12) {
      m.base = corner;
    } else {
      const double ca = ea.nx * outer_[static_cast<size_t>(a)].x + ea.ny * outer_[static_cast<size_t>(a)].y;
      const double cb = eb.nx * corner.x + eb.ny * corner.y;
      m.base = {(ca * eb.ny - cb * ea.ny) / det, (ea.nx * cb - eb.nx * ca) / det};
    }
    if (1 + dot < 1e-9) {
      // The edges turn right back: a spike with no inside to speak of.
      m.miter = {eb.nx * kMiterLimit, eb.ny * kMiterLimit};
      return m;
    }
    m.miter = {(ea.nx + eb.nx) / (1 + dot), (ea.ny + eb.ny) / (1 + dot)};
    // Turning away from the inside: a concave corner, whose lines meet ever
    // farther away as the corner gets sharper.
    const bool concave = (ea.dx * eb.dy - ea.dy * eb.dx) * orientation_ < 0;
    const double length = std::hypot(m.miter.x, m.miter.y);
    if (concave && length > kMiterLimit) {
      m.miter.x *= kMiterLimit / length;
      m.miter.y *= kMiterLimit / length;
    }
    return m;
  }

  // The width at which the inner edge of `e` shrinks to nothing.
  void Schedule(int32_t e) {
    Edge& edge = edges_[static_cast<size_t>(e)];
    const Meet& start = starts_[static_cast<size_t>(e)];
    const Meet& end = starts_[static_cast<size_t>(edge.next)];
    const double length = (end.base.x - start.base.x) * edge.dx + (end.base.y - start.base.y) * edge.dy;
    const double rate = (end.miter.x - start.miter.x) * edge.dx + (end.miter.y - start.miter.y) * edge.dy;
    ++edge.version;
    if (!(rate < 0)) return;
    queue_.emplace(std::max(0.0, length / -rate), e, edge.version);
  }

  const std::vector<BandPoint>& outer_;
  const double orientation_;
  std::vector<Edge> edges_;
  std::vector<Meet> starts_;  // where each edge's inner line meets its predecessor's
  int32_t active_ = 0;
  std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> queue_;
};

}  // namespace

std::vector<BandPoint> PolygonPoints(const std::vector<float>& xy) {
  std::vector<BandPoint> points;
  if (xy.size() < 6 || xy.size() % 2 != 0) return points;
  for (size_t k = 0; k < xy.size(); k += 2) {
    const BandPoint p{xy[k], xy[k + 1]};
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) return {};
    if (!points.empty() && points.back().x == p.x && points.back().y == p.y) continue;
    points.push_back(p);
  }
  while (points.size() > 1 && points.back().x == points.front().x && points.back().y == points.front().y) {
    points.pop_back();
  }
  if (points.size() < 3) points.clear();
  return points;
}

BandShape InsetPolygon(const std::vector<BandPoint>& outer, double width, std::vector<BandPoint>& inner) {
  double area = 0;  // twice the signed area
  for (size_t i = 0; i < outer.size(); ++i) {
    const BandPoint& a = outer[i];
    const BandPoint& b = outer[(i + 1) % outer.size()];
    area += a.x * b.y - b.x * a.y;
  }
  if (outer.size() < 3 || !std::isfinite(area) || area == 0) return BandShape::kNothing;
  Inset inset(outer, area > 0 ? 1.0 : -1.0);
  if (!inset.Shrink(width)) return BandShape::kFilled;
  inset.InnerPoints(width, inner);
  return BandShape::kBand;
}

}  // namespace tazmix
