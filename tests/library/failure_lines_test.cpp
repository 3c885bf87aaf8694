// Failures explain themselves: each failing load or open answers with its
// usual Null or 0 and records exactly one line naming the call, its subject
// and the reason, through the log hook and LastErrorText.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "draw2d/draw_text.h"
#include "draw2d/image_api.h"
#include "draw2d/image_font.h"
#include "font/font_loader.h"
#include "glback/tazmix_module.h"
#include "graphics/graphics.h"
#include "pixmap/pixmap.h"
#include "pixmap/pixmap_loader.h"
#include "pixmap/png_loader.h"
#include "runtime/error_report.h"
#include "tests/support/temp_dir.h"

namespace tazmix {
namespace {

std::vector<String> lines;
void Collect(const String& line) { lines.push_back(line); }

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Row {
  const char* what;
  std::function<bool()> fails;  // makes the call; true when it answered Null or 0
  std::string line;             // the line expected, UTF-8
};

class FailureLinesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetErrorEcho(false);
    previous_ = SetErrorLogHook(Collect);
  }
  void TearDown() override {
    SetErrorLogHook(previous_);
    SetErrorEcho(true);
  }

  void Check(const std::vector<Row>& rows) {
    for (const Row& row : rows) {
      SCOPED_TRACE(row.what);
      lines.clear();
      ClearLastError();
      EXPECT_TRUE(row.fails());
      std::string all;
      for (const String& line : lines) all += line.ToUTF8String() + "\n";
      ASSERT_EQ(lines.size(), 1u) << all;
      EXPECT_EQ(lines[0].ToUTF8String(), row.line);
      EXPECT_EQ(LastErrorText(), lines[0]);
    }
  }

  testing::TempDir dir_;
  ErrorLogHook previous_ = nullptr;
};

String Text(const std::string& utf8) { return String::FromUTF8String(utf8); }

TEST_F(FailureLinesTest, EachFailureGivesItsResultAndOneLine) {
  const std::string missing = dir_ / "missing.png";
  const std::string text = dir_.Write("notes.txt", "not a picture at all");
  std::string png = FileBytes(TAZMIX_TEST_DATA_DIR "/png/pngsuite/basn2c08.png");
  ASSERT_GT(png.size(), 30u);
  png[20] ^= 0x01;  // the image width inside IHDR, so its checksum no longer fits
  const std::string corrupt = dir_.Write("corrupt.png", png);

  // Before anything is started, the call says which start-up is missing.
  if (!TPixmapLoader::First() && !GetGraphicsDriver()) {
    Check({
        {"no loader installed", [&] { return !LoadImage(Text(text)); },
         "LoadImage(\"" + text + "\"): no pixmap loader is installed: call InitTazmix() or InitPNGLoader() first"},
        {"no driver installed", [] { return !OpenGraphics(640, 480, 0, 60, 0); },
         "OpenGraphics(640 x 480): no graphics driver: call InitTazmix() or InitGLVex2DDriver() first"},
    });
  }

  InitTazmix();
  Check({
      {"missing file", [&] { return !LoadImage(Text(missing)); },
       "LoadImage(\"" + missing + "\"): can't open the file: No such file or directory"},
      {"corrupt PNG", [&] { return !LoadImage(Text(corrupt)); },
       "LoadImage(\"" + corrupt + "\"): libpng: IHDR: CRC error"},
      {"no loader for the format", [&] { return !LoadPixmap(Text(text)); },
       "LoadPixmap(\"" + text + "\"): no loader for this format"},
      {"PNG loader on other data", [&] { return !LoadPixmapPNG(Text(text)); },
       "LoadPixmapPNG(\"" + text + "\"): not a PNG file"},
      {"missing font file", [&] { return !LoadImageFont(Text(dir_ / "missing.ttf"), 16, 0); },
       "LoadImageFont(\"" + dir_ / "missing.ttf" + "\", 16): can't open the file: No such file or directory"},
      {"no font", [&] { return !LoadFont(Text(text), 16, 0); },
       "LoadFont(\"" + text + "\", 16): FreeType: unknown file format"},
      {"unwritable picture",
       [&] { return SavePixmapPNG(CreatePixmap(2, 2, FORMAT_RGBA32), Text(dir_ / "no/x.png"), 6) == 0; },
       "SavePixmapPNG(\"" + dir_ / "no/x.png" + "\"): can't open the file: No such file or directory"},
      {"window of no size", [] { return !OpenGraphics(0, 600, 0, 60, 0); },
       "OpenGraphics(0 x 600): the size must be at least 1 x 1"},
      {"full screen at a depth the display lacks", [] { return !OpenGraphics(1000, 700, 16, 60, 0); },
       "OpenGraphics(1000 x 700, depth 16): the display has no mode of 1000 x 700 at depth 16 (GraphicsModes() "
       "lists those it has)"},
  });
}

}  // namespace
}  // namespace tazmix
