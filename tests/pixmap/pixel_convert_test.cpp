#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "pixmap/pixel_convert.h"
#include "pixmap/pixel_format.h"

using namespace tazmix;

namespace {

using Bytes = std::vector<uint8_t>;

// Source bytes of two pixels per format and what they expand to.
struct ExpandCase {
  int32_t format;
  Bytes src;
  Bytes rgba;
};

const ExpandCase kExpand[] = {
    {FORMAT_GREY8, {0x10, 0xF0}, {0x10, 0x10, 0x10, 255, 0xF0, 0xF0, 0xF0, 255}},
    {FORMAT_ALPHA8, {0x80, 0x00}, {255, 255, 255, 0x80, 255, 255, 255, 0}},
    {FORMAT_BGR24, {1, 2, 3, 4, 5, 6}, {3, 2, 1, 255, 6, 5, 4, 255}},
    {FORMAT_RGB24, {1, 2, 3, 4, 5, 6}, {1, 2, 3, 255, 4, 5, 6, 255}},
    {FORMAT_BGRA32, {1, 2, 3, 4, 5, 6, 7, 8}, {3, 2, 1, 4, 7, 6, 5, 8}},
    {FORMAT_RGBA32, {1, 2, 3, 4, 5, 6, 7, 8}, {1, 2, 3, 4, 5, 6, 7, 8}},
    {FORMAT_RED8, {9, 200}, {9, 0, 0, 1, 200, 0, 0, 1}},
    {FORMAT_GREEN8, {9, 200}, {0, 9, 0, 1, 0, 200, 0, 1}},
    {FORMAT_BLUE8, {9, 200}, {0, 0, 9, 1, 0, 0, 200, 1}},
    {FORMAT_BLACK_ALPHA8, {9, 200}, {0, 0, 0, 9, 0, 0, 0, 200}},
    {FORMAT_INTENSITY8, {9, 200}, {9, 9, 9, 9, 200, 200, 200, 200}},
    {FORMAT_LUMINANCE8, {9, 200}, {9, 9, 9, 1, 200, 200, 200, 1}},
};

// Two RGBA pixels: (30, 60, 90, 200) and (255, 254, 0, 7).
const Bytes kRGBA = {30, 60, 90, 200, 255, 254, 0, 7};

struct ReduceCase {
  int32_t format;
  Bytes dst;
};

const ReduceCase kReduce[] = {
    {FORMAT_GREY8, {60, 169}},  // (255 + 254 + 0) / 3 = 169.67 drops the fraction
    {FORMAT_ALPHA8, {200, 7}},
    {FORMAT_BGR24, {90, 60, 30, 0, 254, 255}},
    {FORMAT_RGB24, {30, 60, 90, 255, 254, 0}},
    {FORMAT_BGRA32, {90, 60, 30, 200, 0, 254, 255, 7}},
    {FORMAT_RGBA32, {30, 60, 90, 200, 255, 254, 0, 7}},
    {FORMAT_RED8, {30, 255}},
    {FORMAT_GREEN8, {60, 254}},
    {FORMAT_BLUE8, {90, 0}},
    {FORMAT_BLACK_ALPHA8, {200, 7}},
    {FORMAT_INTENSITY8, {95, 129}},  // (30+60+90+200)/4 = 95, (255+254+0+7)/4 = 129
    {FORMAT_LUMINANCE8, {60, 169}},
};

}  // namespace

TEST(PixelConvert, ExpandsEveryFormatToRGBA) {
  for (const auto& c : kExpand) {
    Bytes out(8, 0xCD);
    ExpandToRGBA32(c.src.data(), out.data(), c.format, 2);
    EXPECT_EQ(out, c.rgba) << "format " << c.format;
    // ConvertPixels takes the same road.
    Bytes via_convert(8, 0xCD);
    ConvertPixels(c.src.data(), c.format, via_convert.data(), FORMAT_RGBA32, 2);
    EXPECT_EQ(via_convert, c.rgba) << "format " << c.format;
  }
}

TEST(PixelConvert, ReducesRGBAToEveryFormat) {
  for (const auto& c : kReduce) {
    Bytes out(c.dst.size() + 1, 0xCD);
    ReduceFromRGBA32(kRGBA.data(), out.data(), c.format, 2);
    EXPECT_EQ(Bytes(out.begin(), out.end() - 1), c.dst) << "format " << c.format;
    EXPECT_EQ(out.back(), 0xCD) << "format " << c.format << " wrote past the run";
  }
}

TEST(PixelConvert, BetweenOtherFormatsGoesThroughRGBA) {
  for (const auto& from : kExpand) {
    for (int32_t to = 1; to < FORMAT_COUNT; ++to) {
      Bytes rgba(8), expected(static_cast<size_t>(2 * BytesPerPixel[to]));
      ExpandToRGBA32(from.src.data(), rgba.data(), from.format, 2);
      ReduceFromRGBA32(rgba.data(), expected.data(), to, 2);
      if (from.format == to) expected = from.src;
      Bytes out(expected.size());
      ConvertPixels(from.src.data(), from.format, out.data(), to, 2);
      EXPECT_EQ(out, expected) << from.format << " -> " << to;
    }
  }
  // Grey to RGB gives (v, v, v).
  const uint8_t grey[1] = {77};
  uint8_t rgb[3] = {};
  ConvertPixels(grey, FORMAT_GREY8, rgb, FORMAT_RGB24, 1);
  EXPECT_EQ((std::array<uint8_t, 3>{rgb[0], rgb[1], rgb[2]}), (std::array<uint8_t, 3>{77, 77, 77}));
}

TEST(PixelConvert, LongRunsBetweenOtherFormatsStayExact) {
  // Longer than any internal piece, so the run is converted in several parts.
  const int32_t n = 1000;
  Bytes bgr(static_cast<size_t>(n) * 3);
  for (size_t i = 0; i < bgr.size(); ++i) bgr[i] = static_cast<uint8_t>(i * 7 + 3);
  Bytes rgb(bgr.size(), 0);
  ConvertPixels(bgr.data(), FORMAT_BGR24, rgb.data(), FORMAT_RGB24, n);
  for (int32_t i = 0; i < n; ++i) {
    ASSERT_EQ(rgb[i * 3 + 0], bgr[i * 3 + 2]) << i;
    ASSERT_EQ(rgb[i * 3 + 1], bgr[i * 3 + 1]) << i;
    ASSERT_EQ(rgb[i * 3 + 2], bgr[i * 3 + 0]) << i;
  }
}
