// The web platform's judging of a PNG file before the browser decodes it:
// the format the library's PNG reading gives for each colour type, and
// damaged or oversized files refused with a reason.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pixmap/pixel_format.h"
#include "pixmap/platform/web/png_header.h"
#include "stream/load_save.h"

namespace tazmix {
namespace {

std::vector<uint8_t> Suite(const char* name) {
  return LoadByteArray(String(TAZMIX_TEST_DATA_DIR "/png/pngsuite/") + String(name));
}

TEST(PngHeader, FormatsFollowTheColourTypeAndTransparency) {
  const struct {
    const char* file;
    int format;
  } cases[] = {{"basn0g08.png", FORMAT_GREY8}, {"basn2c08.png", FORMAT_RGB24}, {"basn3p08.png", FORMAT_RGB24},
               {"basn4a08.png", FORMAT_RGBA32}, {"basn6a16.png", FORMAT_RGBA32}, {"ftbbn0g04.png", FORMAT_RGBA32},
               {"ftbrn2c08.png", FORMAT_RGBA32}, {"ftbbn3p08.png", FORMAT_RGBA32}};
  for (const auto& c : cases) {
    const std::vector<uint8_t> file = Suite(c.file);
    ASSERT_TRUE(HasPngSignature(file.data(), file.size())) << c.file;
    PngHeaderInfo header;
    EXPECT_EQ(ReadPngHeader(file.data(), file.size(), &header), nullptr) << c.file;
    EXPECT_EQ(header.format, c.format) << c.file;
    EXPECT_EQ(header.width, 32) << c.file;
  }
}

TEST(PngHeader, DamagedAndOversizedFilesAreRefused) {
  const std::vector<uint8_t> file = Suite("basn2c08.png");
  PngHeaderInfo header;
  for (size_t keep : {size_t{8}, size_t{20}, size_t{33}, size_t{40}}) {
    EXPECT_NE(ReadPngHeader(file.data(), keep, &header), nullptr) << keep;
  }
  std::vector<uint8_t> huge = file;
  huge[16] = 0x7F;  // width 2^30 and more
  EXPECT_NE(ReadPngHeader(huge.data(), huge.size(), &header), nullptr);
  std::vector<uint8_t> claims = file;
  claims[18] = 0x10;  // 4096 x 32 from a file of a few hundred bytes
  EXPECT_STREQ(ReadPngHeader(claims.data(), claims.size(), &header), "file too short for the picture it announces");
  std::vector<uint8_t> colour = file;
  colour[25] = 5;
  EXPECT_NE(ReadPngHeader(colour.data(), colour.size(), &header), nullptr);
}

}  // namespace
}  // namespace tazmix
