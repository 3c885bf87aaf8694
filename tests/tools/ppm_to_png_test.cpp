#include <gtest/gtest.h>

#include <string>

#include "pixmap/png_loader.h"
#include "tests/support/child_process.h"
#include "tests/support/temp_dir.h"

using namespace tazmix;
using namespace tazmix::testing;

namespace {

std::string Tool() { return test::FolderOf(TAZMIX_TEST_HELPER_DIR) + "/tools/ppm_to_png"; }

test::ChildResult Convert(const TempDir& dir, const std::string& ppm_bytes) {
  return test::RunChild(Tool(), {"ppm_to_png", dir.Write("in.ppm", ppm_bytes), dir / "out.png"});
}

TEST(PpmToPngTest, KeepsEveryPixelAndRowOrder) {
  InitPNGLoader();
  TempDir dir;
  // 2 x 2, a comment in the header: red, green / blue, white.
  const std::string ppm = std::string("P6\n# check frame\n2 2\n255\n") +
                          std::string("\xFF\x00\x00\x00\xFF\x00\x00\x00\xFF\xFF\xFF\xFF", 12);
  const test::ChildResult run = Convert(dir, ppm);
  ASSERT_TRUE(run.exited && run.exit_code == 0) << run.err;
  const Ref<TPixmap> png = LoadPixmapPNG(String::FromUTF8String(dir / "out.png"));
  ASSERT_TRUE(png);
  ASSERT_EQ(png->width, 2);
  ASSERT_EQ(png->height, 2);
  EXPECT_EQ(png->ReadPixel(0, 0) & 0xFFFFFF, 0xFF0000);
  EXPECT_EQ(png->ReadPixel(1, 0) & 0xFFFFFF, 0x00FF00);
  EXPECT_EQ(png->ReadPixel(0, 1) & 0xFFFFFF, 0x0000FF);
  EXPECT_EQ(png->ReadPixel(1, 1) & 0xFFFFFF, 0xFFFFFF);
}

TEST(PpmToPngTest, RefusesWhatIsNotAWholeBinaryPpm) {
  TempDir dir;
  const std::string bad[] = {
      "",
      "P3\n1 1\n255\n255 0 0\n",                   // text samples
      "P6\n1 1\n65535\n\x01\x02\x03\x04\x05\x06",  // 16-bit samples
      "P6\n2 2\n255\n\x01\x02\x03",                // pixels cut short
      "P6\n99999 99999\n255\n\x01\x02\x03",        // a header promising far more than the file holds
      "P6\n-3 2\n255\n",
      "P6\n",
  };
  for (const std::string& bytes : bad) {
    const test::ChildResult run = Convert(dir, bytes);
    EXPECT_TRUE(run.exited) << "signal " << run.signal_number << " for: " << bytes;
    EXPECT_EQ(run.exit_code, 1) << bytes;
  }
}

}  // namespace
