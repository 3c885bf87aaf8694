#include "draw2d/internal/collision_scan.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>

namespace tazmix {

namespace {

// Truncation toward zero that stays defined for every Float: NaN counts as 0
// and values beyond the Int range stick to its ends.
int32_t Trunc(float value) {
  if (!(value == value)) return 0;
  if (value >= 2147483648.0f) return INT32_MAX;
  if (value <= -2147483648.0f) return INT32_MIN;
  return static_cast<int32_t>(value);
}

int32_t VertexRow(const rpoly& p, int32_t index) { return Trunc(p.data[static_cast<size_t>(index) + 1]); }

void Finish(rpoly& p, std::vector<rpoly*>& active, int32_t& active_count) {
  // A polygon can end on the very row it is first reached, before it ever
  // became active; only an active one is in the list and in the count.
  if (p.state == 1) {
    active.erase(std::find(active.begin(), active.end(), &p));
    --active_count;
  }
  p.state = 2;
}

// Starts the next left (walking backward) or right (walking forward) edge
// once row y has reached the end of the current one. False when the
// polygon has no edge below row y and is finished.
bool StepEdge(rpoly& p, int32_t y, bool right, std::vector<rpoly*>& active, int32_t& active_count) {
  int32_t& end = right ? p.Right : p.Left;
  if (y < VertexRow(p, end)) return true;
  const int32_t step = right ? p.channels : p.size - p.channels;
  int32_t s = end;
  int32_t e = -1;
  for (int32_t j = (end + step) % p.size; j != end; j = (j + step) % p.size) {
    if (VertexRow(p, j) > y) {
      e = j;
      break;
    }
    s = j;
  }
  const int64_t height = e < 0 ? 0 : int64_t{VertexRow(p, e)} - VertexRow(p, s);
  if (height <= 0) {
    Finish(p, active, active_count);
    return false;
  }
  std::vector<float>& dat = right ? p.rdat : p.ldat;
  std::vector<float>& add = right ? p.radd : p.ladd;
  const auto rows = static_cast<float>(height);
  for (int32_t c = 0; c < p.channels; ++c) {
    dat[c] = p.data[static_cast<size_t>(s + c)];
    add[c] = (p.data[static_cast<size_t>(e + c)] - dat[c]) / rows;
    dat[c] += add[c] * 0.5f;  // sample at the middle of the row
  }
  end = e;
  if (p.state == 0) {
    p.state = 1;
    active.push_back(&p);
    ++active_count;
  }
  return true;
}

// Spans wider than this are marked a piece at a time, so the buffer never
// grows with the size of a huge quad.
constexpr int64_t kSpanPiece = int64_t{1} << 16;

std::vector<int32_t>& SpanBuffer() {
  static std::vector<int32_t> buffer;
  return buffer;
}

// How one polygon marks its pixels of a row.
struct SpanSampler {
  enum Kind { kSkip, kSolid, kMasked } kind = kSkip;
  const TPixmap* mask = nullptr;
  float u = 0, v = 0, du = 0, dv = 0;
};

std::vector<SpanSampler>& Samplers() {
  static std::vector<SpanSampler> samplers;
  return samplers;
}

float Clamp01(float value) {
  if (!(value > 0)) return 0;  // NaN too
  return value > 1 ? 1 : value;
}

SpanSampler MakeSampler(const rpoly& p, int64_t start) {
  SpanSampler s;
  const TPixmap* mask = p.texture.get();
  // A mask that is not 4 bytes per pixel cannot be read as pixel words; the
  // quads never carry one, and anything else counts as solid rather than
  // being read past its end.
  if (!mask || p.channels < 4 || BytesPerPixel[mask->format] != 4) {
    s.kind = SpanSampler::kSolid;
    return s;
  }
  const int64_t x0 = Trunc(p.ldat[0]);
  const int64_t x1 = Trunc(p.rdat[0]);
  if (x1 - x0 < 1 || mask->width <= 0 || mask->height <= 0) return s;
  const auto across = static_cast<float>(x1 - x0);
  s.kind = SpanSampler::kMasked;
  s.mask = mask;
  s.du = (p.rdat[2] - p.ldat[2]) / across;
  s.dv = (p.rdat[3] - p.ldat[3]) / across;
  const float offset = static_cast<float>(start - x0) + 0.5f;
  s.u = p.ldat[2] + offset * s.du;
  s.v = p.ldat[3] + offset * s.dv;
  return s;
}

// Marks `count` pixels of one polygon; -1 as soon as one was marked already.
int32_t MarkPixels(SpanSampler& s, int32_t* entries, int64_t count) {
  if (s.kind == SpanSampler::kSolid) {
    for (int64_t i = 0; i < count; ++i) {
      if (entries[i] != 0) return -1;
      entries[i] = -1;
    }
    return 0;
  }
  if (s.kind == SpanSampler::kSkip) return 0;
  const TPixmap& mask = *s.mask;
  const auto w = static_cast<float>(mask.width);
  const auto h = static_cast<float>(mask.height);
  for (int64_t i = 0; i < count; ++i) {
    const int32_t column = std::min(Trunc(Clamp01(s.u) * w), mask.width - 1);
    const int32_t row = std::min(Trunc(Clamp01(s.v) * h), mask.height - 1);
    // Byte 3 is alpha in both 4-byte formats: the top bit of the pixel word.
    if (mask.PixelPtr(column, row)[3] & 0x80) {
      if (entries[i] != 0) return -1;
      entries[i] = 1;
    }
    s.u += s.du;
    s.v += s.dv;
  }
  return 0;
}

// The working records of one scan. A scan reuses those of the last one, so
// steady use allocates nothing; a scan started from inside a span function
// gets records of its own.
class PolygonRecords {
 public:
  explicit PolygonRecords(size_t n) {
    Shared& shared = SharedRecords();
    lists_ = shared.busy ? &own_ : &shared.lists;
    shared_ = shared.busy ? nullptr : &shared;
    if (shared_) shared_->busy = true;
    while (lists_->records.size() < n) lists_->records.push_back(std::make_unique<rpoly>());
    lists_->active.clear();
  }
  ~PolygonRecords() {
    if (!shared_) return;
    // Masks are let go at once rather than held until the next scan.
    for (auto& p : shared_->lists.records) p->texture = nullptr;
    shared_->busy = false;
  }
  PolygonRecords(const PolygonRecords&) = delete;
  PolygonRecords& operator=(const PolygonRecords&) = delete;

  rpoly& operator[](size_t k) { return *lists_->records[k]; }
  std::vector<rpoly*>& Active() { return lists_->active; }

 private:
  struct Lists {
    std::vector<std::unique_ptr<rpoly>> records;
    std::vector<rpoly*> active;
  };
  struct Shared {
    Lists lists;
    bool busy = false;
  };
  static Shared& SharedRecords() {
    static Shared shared;
    return shared;
  }
  Lists own_;
  Lists* lists_ = nullptr;
  Shared* shared_ = nullptr;
};

}  // namespace

int32_t FanCross(float x0, float y0, float x1, float y1, float x2, float y2) {
  return Trunc((x2 - x1) * (y1 - y0) - (x1 - x0) * (y2 - y1));
}

void MakeClockwise(std::vector<float>& data, int32_t channels) {
  if (channels < 2) return;
  const auto ch = static_cast<size_t>(channels);
  const size_t n = data.size() / ch;
  size_t turns = 2;
  for (size_t i = 2; i < n; ++i) {
    const float* a = &data[(i - 1) * ch];
    const float* b = &data[i * ch];
    if (FanCross(data[0], data[1], a[0], a[1], b[0], b[1]) >= 0) ++turns;
  }
  if (turns < n) return;
  for (size_t k = 0; k < n / 2; ++k) {
    std::swap_ranges(data.begin() + static_cast<ptrdiff_t>(k * ch), data.begin() + static_cast<ptrdiff_t>((k + 1) * ch),
                     data.begin() + static_cast<ptrdiff_t>((n - 1 - k) * ch));
  }
}

int32_t ScanPolygons(std::span<const ScanPolygon> polygons, const SpanFunction& span) {
  const size_t n = polygons.size();
  PolygonRecords polys(n);
  bool any = false;
  int32_t ymin = 0;
  int32_t ymax = 0;
  for (size_t k = 0; k < n; ++k) {
    rpoly& p = polys[k];
    const ScanPolygon& in = polygons[k];
    p.texture = in.mask;
    p.state = 0;
    p.channels = in.channels;
    p.count = in.channels >= 2 ? static_cast<int32_t>(in.vertices.size() / static_cast<size_t>(in.channels)) : 0;
    p.size = p.count * p.channels;
    if (p.count == 0) {
      p.state = 2;  // nothing to scan
      continue;
    }
    p.data.assign(in.vertices.begin(), in.vertices.begin() + p.size);
    MakeClockwise(p.data, p.channels);
    const auto ch = static_cast<size_t>(p.channels);
    p.ldat.assign(ch, 0);
    p.ladd.assign(ch, 0);
    p.rdat.assign(ch, 0);
    p.radd.assign(ch, 0);
    p.top = VertexRow(p, 0);
    p.Left = 0;
    int32_t bottom = p.top;
    for (int32_t i = p.channels; i < p.size; i += p.channels) {
      const int32_t row = VertexRow(p, i);
      if (row < p.top) {
        p.top = row;
        p.Left = i;
      }
      bottom = std::max(bottom, row);
    }
    p.Right = p.Left;
    ymin = any ? std::min(ymin, p.top) : p.top;
    ymax = any ? std::max(ymax, bottom) : bottom;
    any = true;
  }
  if (!any) return 0;

  std::vector<rpoly*>& active = polys.Active();
  int32_t active_count = 0;
  int32_t result = 0;
  for (int64_t row = ymin; row < ymax; ++row) {
    const auto y = static_cast<int32_t>(row);
    for (size_t k = 0; k < n; ++k) {
      rpoly& p = polys[k];
      if (p.state == 2 || (p.state == 0 && y < p.top)) continue;
      if (StepEdge(p, y, false, active, active_count)) StepEdge(p, y, true, active, active_count);
    }
    if (active_count != 0) {
      result = span(active, active_count, y);
      if (result < 0) return result;
    }
    for (rpoly* p : active) {
      for (int32_t c = 0; c < p->channels; ++c) {
        p->ldat[c] += p->ladd[c];
        p->rdat[c] += p->radd[c];
      }
    }
  }
  return result;
}

int32_t OverlapSpans(const std::vector<rpoly*>& active, int32_t active_count, int32_t /*y*/) {
  if (active_count <= 1 || active.size() < 2) return 0;
  const rpoly& a = *active[0];
  const rpoly& b = *active[1];
  const int64_t a_start = Trunc(a.ldat[0]);
  const int64_t a_end = Trunc(a.rdat[0]);
  const int64_t b_start = Trunc(b.ldat[0]);
  const int64_t b_end = Trunc(b.rdat[0]);
  if (b_start >= a_end || a_start >= b_end) return 0;
  const int64_t start = std::max(a_start, b_start);
  const int64_t width = std::min(a_end, b_end) - start;
  if (width <= 0) return 0;

  const int64_t piece = std::min(width, kSpanPiece);
  std::vector<int32_t>& buffer = SpanBuffer();
  if (static_cast<int64_t>(buffer.size()) < piece) buffer.assign(static_cast<size_t>(piece), 0);
  std::vector<SpanSampler>& samplers = Samplers();
  samplers.clear();
  for (const rpoly* p : active) samplers.push_back(MakeSampler(*p, start));

  for (int64_t done = 0; done < width; done += piece) {
    const int64_t count = std::min(piece, width - done);
    std::fill_n(buffer.begin(), count, 0);
    for (SpanSampler& s : samplers) {
      if (MarkPixels(s, buffer.data(), count) < 0) return -1;
    }
  }
  return 0;
}

int32_t QuadsOverlap(const TQuad& p, const TQuad& q) {
  // Written as the test for overlapping boxes, so a NaN corner rejects.
  if (!(p.maxx >= q.minx && p.maxy >= q.miny && p.minx <= q.maxx && p.miny <= q.maxy)) return 0;
  // An infinite corner has no pixels to compare and no end of rows to scan.
  for (const TQuad* quad : {&p, &q}) {
    if (!std::isfinite(quad->minx) || !std::isfinite(quad->maxx) || !std::isfinite(quad->miny) ||
        !std::isfinite(quad->maxy)) {
      return 0;
    }
  }
  static const SpanFunction overlap = OverlapSpans;
  const ScanPolygon polygons[2] = {{p.xyuv, 4, p.mask}, {q.xyuv, 4, q.mask}};
  return ScanPolygons(polygons, overlap);
}

}  // namespace tazmix
