#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "draw2d/internal/collision_scan.h"

using namespace tazmix;

namespace {

struct Row {
  int32_t y;
  int32_t count;
  size_t listed;
  float left;
  float right;
};

// Scans the polygons and records every row the span function is called for.
std::vector<Row> Rows(const std::vector<std::vector<float>>& polygons) {
  std::vector<ScanPolygon> in;
  for (const auto& p : polygons) in.push_back({p, 4, nullptr});
  std::vector<Row> rows;
  ScanPolygons(in, [&](const std::vector<rpoly*>& active, int32_t count, int32_t y) {
    rows.push_back({y, count, active.size(), active[0]->ldat[0], active[0]->rdat[0]});
    return 0;
  });
  return rows;
}

std::vector<float> Box(float x0, float y0, float x1, float y1) {
  return {x0, y0, 0, 0, x1, y0, 1, 0, x1, y1, 1, 1, x0, y1, 0, 1};
}

}  // namespace

TEST(ScanPolygons, EitherVertexOrderGivesTheSameSpans) {
  std::vector<float> clockwise = Box(2, 3, 12, 7);
  std::vector<float> counter = {2, 3, 0, 0, 2, 7, 0, 1, 12, 7, 1, 1, 12, 3, 1, 0};
  for (const auto& polygon : {clockwise, counter}) {
    std::vector<Row> rows = Rows({polygon});
    ASSERT_EQ(rows.size(), 4u);
    for (size_t i = 0; i < rows.size(); ++i) {
      EXPECT_EQ(rows[i].y, static_cast<int32_t>(3 + i));
      EXPECT_EQ(rows[i].left, 2);
      EXPECT_EQ(rows[i].right, 12);
    }
  }
}

TEST(ScanPolygons, APolygonWithoutHeightLeavesTheActiveCountAlone) {
  // The flat polygon ends on the row it is reached, before it ever became
  // active; the box beside it must still be counted on every row.
  std::vector<float> flat = Box(2, 5.2f, 8, 5.7f);
  std::vector<Row> rows = Rows({flat, Box(0, 0, 10, 10)});
  ASSERT_EQ(rows.size(), 10u);
  for (const Row& row : rows) {
    EXPECT_EQ(row.count, 1) << "row " << row.y;
    EXPECT_EQ(row.listed, 1u) << "row " << row.y;
  }
}

TEST(ScanPolygons, ANegativeSpanResultEndsTheScan) {
  std::vector<float> box = Box(0, 0, 4, 100);
  const ScanPolygon in[1] = {{box, 4, nullptr}};
  int32_t calls = 0;
  const int32_t result = ScanPolygons(in, [&](const std::vector<rpoly*>&, int32_t, int32_t y) {
    ++calls;
    return y == 6 ? -7 : 3;
  });
  EXPECT_EQ(result, -7);
  EXPECT_EQ(calls, 7);
  EXPECT_EQ(ScanPolygons({}, [](const std::vector<rpoly*>&, int32_t, int32_t) { return 1; }), 0);
}
