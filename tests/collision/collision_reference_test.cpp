// Cross-checks of the collision functions against a brute-force model that
// looks at pixel centres: a screen pixel belongs to a drawn image when its
// centre, mapped back into the image, lands on a pixel with alpha 128 or more.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <random>
#include <vector>

#include "collision_fixture.h"

using namespace collision_test;

namespace {

// Formats whose masks the collision code reads in different ways.
constexpr std::array<int32_t, 5> kFormats = {FORMAT_RGBA32, FORMAT_BGRA32, FORMAT_ALPHA8, FORMAT_BLACK_ALPHA8,
                                             FORMAT_RGB24};

int32_t Uniform(std::mt19937& rng, int32_t lo, int32_t hi) { return std::uniform_int_distribution<int32_t>(lo, hi)(rng); }

// A random mask made of cell x cell blocks, each solid with some chance;
// solid alphas are 128..255 and empty ones 0..127, so the threshold matters.
Placed RandomImage(std::mt19937& rng, int32_t w, int32_t h, int32_t cell, int32_t format) {
  const int32_t density = Uniform(rng, 20, 80);
  const int32_t across = (w + cell - 1) / cell, down = (h + cell - 1) / cell;
  std::vector<uint8_t> blocks(static_cast<size_t>(across * down));
  for (auto& b : blocks) b = Uniform(rng, 0, 99) < density;
  std::vector<int32_t> alpha(static_cast<size_t>(w * h));
  for (int32_t y = 0; y < h; ++y) {
    for (int32_t x = 0; x < w; ++x) {
      const bool on = blocks[static_cast<size_t>((y / cell) * across + x / cell)] != 0;
      alpha[static_cast<size_t>(y * w + x)] = on ? Uniform(rng, 128, 255) : Uniform(rng, 0, 127);
    }
  }
  return PlacedImage(w, h, format, alpha);
}

void PlaceOnGrid(std::mt19937& rng, Placed& p) {
  p.image->handle_x = static_cast<float>(Uniform(rng, 0, p.W()));
  p.image->handle_y = static_cast<float>(Uniform(rng, 0, p.H()));
  p.x = static_cast<float>(Uniform(rng, -30, 30));
  p.y = static_cast<float>(Uniform(rng, -30, 30));
}

}  // namespace

using CollisionReference = CollisionTest;

TEST_F(CollisionReference, UnturnedImagesAtWholePixelsAgreeExactly) {
  std::mt19937 rng(20240611);
  int32_t hits = 0, misses = 0;
  for (int32_t trial = 0; trial < 3000; ++trial) {
    const float ox = static_cast<float>(Uniform(rng, -30, 30)), oy = static_cast<float>(Uniform(rng, -30, 30));
    SetOrigin(ox, oy);
    const int32_t cell = Uniform(rng, 1, 3);
    Placed a = RandomImage(rng, Uniform(rng, 1, 40), Uniform(rng, 1, 40), cell, kFormats[Uniform(rng, 0, 4)]);
    Placed b = RandomImage(rng, Uniform(rng, 1, 40), Uniform(rng, 1, 40), cell, kFormats[Uniform(rng, 0, 4)]);
    PlaceOnGrid(rng, a);
    PlaceOnGrid(rng, b);
    const bool expected = BruteOverlap(a, b, ox, oy);
    ASSERT_EQ(ImagesOverlap(a.image, a.x, a.y, 0, b.image, b.x, b.y, 0), expected ? 1 : 0) << "trial " << trial;
    (expected ? hits : misses)++;
  }
  // Both answers must have been exercised often.
  EXPECT_GT(hits, 500) << misses;
  EXPECT_GT(misses, 500) << hits;
}

TEST_F(CollisionReference, ALayerOfImagesReportsExactlyTheOverlappingIds) {
  std::mt19937 rng(77);
  for (int32_t trial = 0; trial < 200; ++trial) {
    ClearCollisionLayers(0);
    std::vector<Placed> placed;
    std::vector<Ref<Object>> ids;
    const int32_t layers = Layer(Uniform(rng, 0, 30)) | Layer(Uniform(rng, 0, 30));
    for (int32_t i = 0; i < 12; ++i) {
      placed.push_back(RandomImage(rng, Uniform(rng, 1, 24), Uniform(rng, 1, 24), 2, kFormats[Uniform(rng, 0, 4)]));
      PlaceOnGrid(rng, placed.back());
      ids.push_back(New<Object>());
      CollideImageAt(placed.back().image, placed.back().x, placed.back().y, 0, 0, layers, ids.back());
    }
    Placed probe = RandomImage(rng, Uniform(rng, 1, 40), Uniform(rng, 1, 40), 2, kFormats[Uniform(rng, 0, 4)]);
    PlaceOnGrid(rng, probe);
    std::vector<Object*> expected;
    for (size_t i = 0; i < placed.size(); ++i) {
      if (BruteOverlap(placed[i], probe, 0, 0)) expected.push_back(ids[i].get());
    }
    std::vector<Object*> got;
    for (const Ref<Object>& id : CollideImageAt(probe.image, probe.x, probe.y, 0, layers, 0, nullptr)) {
      got.push_back(id.get());
    }
    // Two chosen layers may be one; each one holds every image once.
    const size_t copies = std::popcount(static_cast<uint32_t>(layers));
    std::vector<Object*> want;
    for (size_t c = 0; c < copies; ++c) want.insert(want.end(), expected.begin(), expected.end());
    std::sort(want.begin(), want.end());
    std::sort(got.begin(), got.end());
    ASSERT_EQ(got, want) << "trial " << trial;
  }
}

TEST_F(CollisionReference, TurnedAndScaledImagesAgreeWhereTheAnswerIsClear) {
  // The scan samples rows and spans at whole pixels, so along the outlines
  // it may differ from the model by a pixel or two. Only pairs that are
  // clearly overlapping (some point solid in both within kMargin all round)
  // or clearly apart (no point within kMargin of both) are judged.
  constexpr double kMargin = 3.0;
  std::vector<std::pair<double, double>> ring;
  for (double r : {kMargin / 2, kMargin}) {
    for (int32_t k = 0; k < 16; ++k) ring.emplace_back(r * std::cos(k * M_PI / 8), r * std::sin(k * M_PI / 8));
  }
  auto all_round = [&](const Placed& p, double sx, double sy) {
    if (!p.SolidAt(sx, sy, 0, 0)) return false;
    for (auto [dx, dy] : ring) {
      if (!p.SolidAt(sx + dx, sy + dy, 0, 0)) return false;
    }
    return true;
  };
  auto near = [&](const Placed& p, double sx, double sy) {
    if (p.SolidAt(sx, sy, 0, 0)) return true;
    for (auto [dx, dy] : ring) {
      if (p.SolidAt(sx + dx, sy + dy, 0, 0)) return true;
    }
    return false;
  };

  std::mt19937 rng(4242);
  int32_t overlapping = 0, apart = 0;
  for (int32_t trial = 0; trial < 1000; ++trial) {
    Placed a = RandomImage(rng, 8 * Uniform(rng, 1, 5), 8 * Uniform(rng, 1, 5), 8, kFormats[Uniform(rng, 0, 3)]);
    Placed b = RandomImage(rng, 8 * Uniform(rng, 1, 5), 8 * Uniform(rng, 1, 5), 8, kFormats[Uniform(rng, 0, 3)]);
    for (Placed* p : {&a, &b}) {
      std::uniform_real_distribution<float> scale(1.0f, 2.0f);
      const float sx = scale(rng) * (Uniform(rng, 0, 3) == 0 ? -1.0f : 1.0f);
      const float sy = scale(rng) * (Uniform(rng, 0, 3) == 0 ? -1.0f : 1.0f);
      p->SetTransform(std::uniform_real_distribution<float>(0, 360)(rng), sx, sy);
      p->image->handle_x = std::uniform_real_distribution<float>(0, static_cast<float>(p->W()))(rng);
      p->image->handle_y = std::uniform_real_distribution<float>(0, static_cast<float>(p->H()))(rng);
    }
    a.x = std::uniform_real_distribution<float>(100, 300)(rng);
    a.y = std::uniform_real_distribution<float>(100, 300)(rng);
    b.x = a.x + std::uniform_real_distribution<float>(-50, 50)(rng);
    b.y = a.y + std::uniform_real_distribution<float>(-50, 50)(rng);

    // Only the common part of the two boxes (grown by the margin) can hold
    // a point near both.
    const std::array<double, 4> ba = a.Box(), bb = b.Box();
    const auto x0 = static_cast<int32_t>(std::floor(std::max(ba[0], bb[0]) - kMargin - 1));
    const auto y0 = static_cast<int32_t>(std::floor(std::max(ba[1], bb[1]) - kMargin - 1));
    const auto x1 = static_cast<int32_t>(std::ceil(std::min(ba[2], bb[2]) + kMargin + 1));
    const auto y1 = static_cast<int32_t>(std::ceil(std::min(ba[3], bb[3]) + kMargin + 1));
    bool clear_overlap = false, anywhere_near = false;
    for (int32_t sy = y0; sy < y1 && !clear_overlap; ++sy) {
      for (int32_t sx = x0; sx < x1 && !clear_overlap; ++sx) {
        const double cx = sx + 0.5, cy = sy + 0.5;
        if (!near(a, cx, cy) || !near(b, cx, cy)) continue;
        anywhere_near = true;
        clear_overlap = all_round(a, cx, cy) && all_round(b, cx, cy);
      }
    }
    if (!clear_overlap && anywhere_near) continue;
    const int32_t result = ImagesOverlapTransformed(a.image, a.x, a.y, 0, a.rotation, a.scale_x, a.scale_y, b.image,
                                                    b.x, b.y, 0, b.rotation, b.scale_x, b.scale_y);
    ASSERT_EQ(result, clear_overlap ? 1 : 0) << "trial " << trial;
    (clear_overlap ? overlapping : apart)++;
  }
  EXPECT_GT(overlapping, 100) << apart;
  EXPECT_GT(apart, 100) << overlapping;
}
