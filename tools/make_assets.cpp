// make_assets: draws the game's pictures with the library's own pixmap, PNG
// and font code and writes them into a folder.
//
//   make_assets <output folder> <font folder>
//   make_assets --icons <output folder> <font folder>
//
// The font folder holds LiberationSans-Regular.ttf and LiberationSans-Bold.ttf
// (Debian's fonts-liberation2). Writes Title.png, Dif0.png, Dif1.png,
// Dif2.png, Clipboard.png, Clock.png and Row.png; with --icons instead the
// menu icon as vindra-48.png, vindra-64.png, vindra-128.png and
// vindra-256.png. Exit code 1 with a message on standard error when a font is
// missing or a file cannot be written.
#include <cstdio>
#include <string>

#include "font/freetype_font.h"
#include "pixmap/png_loader.h"
#include "runtime/exception.h"
#include "runtime/string.h"
#include "tools/make_assets/pictures.h"

using namespace tazmix;
using namespace vindra::assets;

namespace {

bool Save(const Ref<TPixmap>& pixmap, const std::string& folder, const char* name) {
  const std::string path = folder + "/" + name;
  if (SavePixmapPNG(pixmap, String::FromUTF8String(path), 9)) return true;
  std::fprintf(stderr, "make_assets: can't write %s\n", path.c_str());
  return false;
}

bool SaveIcons(FontSet& fonts, const std::string& out) {
  bool ok = true;
  for (const int32_t size : {48, 64, 128, 256}) {
    const std::string name = "vindra-" + std::to_string(size) + ".png";
    ok = Save(DrawIcon(fonts, size).ToRGBA(), out, name.c_str()) && ok;
  }
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  const bool icons = argc == 4 && std::string(argv[1]) == "--icons";
  if (argc != 3 && !icons) {
    std::fprintf(stderr, "usage: make_assets [--icons] <output folder> <font folder>\n");
    return 2;
  }
  const std::string out = argv[argc - 2];
  InitFreeTypeFont();
  InitPNGLoader();
  FontSet fonts(argv[argc - 1]);
  if (!fonts.Usable()) {
    std::fprintf(stderr, "make_assets: no LiberationSans-Regular.ttf and LiberationSans-Bold.ttf in %s\n",
                 argv[argc - 1]);
    return 1;
  }
  try {
    if (icons) return SaveIcons(fonts, out) ? 0 : 1;
    bool ok = Save(DrawTitle(fonts).ToRGBA(), out, "Title.png");
    for (int32_t i = 0; i < 3; ++i) {
      const std::string name = "Dif" + std::to_string(i) + ".png";
      ok = Save(DrawButton(fonts, i).ToRGBA(), out, name.c_str()) && ok;
    }
    ok = Save(DrawCellTile().ToRGBA(), out, "Clipboard.png") && ok;
    ok = Save(DrawClockFace(fonts).ToRGBA(), out, "Clock.png") && ok;
    // Loaded masked by the game: pure black becomes transparent.
    ok = Save(DrawClockHand().ToRGBOverBlack(), out, "Row.png") && ok;
    return ok ? 0 : 1;
  } catch (const Thrown& t) {
    std::fprintf(stderr, "make_assets: %s\n", t.Text().ToUTF8String().c_str());
    return 1;
  }
}
