// Texture sizing without GL: the probe is a stand-in that says which sizes fit.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "glback/internal/gl_texture_size.h"
#include "runtime/exception.h"

namespace tazmix {
namespace {

TEST(TextureSize, PowersOfTwo) {
  EXPECT_EQ(Pow2Size(-5), 1);
  EXPECT_EQ(Pow2Size(0), 1);
  EXPECT_EQ(Pow2Size(1), 1);
  EXPECT_EQ(Pow2Size(3), 4);
  EXPECT_EQ(Pow2Size(128), 128);
  EXPECT_EQ(Pow2Size(129), 256);
  EXPECT_EQ(Pow2Size(1 << 30), 1 << 30);
  EXPECT_EQ(Pow2Size(0x7FFFFFFF), 1 << 30);  // no overflow
}

std::vector<std::pair<int32_t, int32_t>> asked;

bool AtMost256Wide(int32_t w, int32_t h) {
  asked.emplace_back(w, h);
  return w <= 256 && h <= 256;
}
bool Nothing(int32_t, int32_t) { return false; }

TEST(TextureSize, ShrinksBothSidesUntilTheProbeAccepts) {
  asked.clear();
  int32_t w = 100, h = 60;
  AdjustTexSize(w, h, AtMost256Wide);
  EXPECT_EQ(w, 128);
  EXPECT_EQ(h, 64);
  EXPECT_EQ(asked.size(), 1u);

  // Only the width is too large, yet both are halved together, and a side of
  // 1 stays 1.
  asked.clear();
  w = 1000, h = 300;
  AdjustTexSize(w, h, AtMost256Wide);
  EXPECT_EQ(w, 256);
  EXPECT_EQ(h, 128);
  EXPECT_EQ(asked, (std::vector<std::pair<int32_t, int32_t>>{{1024, 512}, {512, 256}, {256, 128}}));

  asked.clear();
  w = 1024, h = 1;
  AdjustTexSize(w, h, AtMost256Wide);
  EXPECT_EQ(w, 256);
  EXPECT_EQ(h, 1);
}

TEST(TextureSize, NoSizeAtAllIsARuntimeError) {
  int32_t w = 8, h = 2;
  try {
    AdjustTexSize(w, h, Nothing);
    FAIL() << "no error raised";
  } catch (const Thrown& thrown) {
    EXPECT_TRUE(thrown.As<TRuntimeException>());
    EXPECT_TRUE(thrown.Text() == String("Unable to calculate tex size"));
  }
}

}  // namespace
}  // namespace tazmix
