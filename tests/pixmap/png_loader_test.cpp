#include <gtest/gtest.h>

#include <sys/resource.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "pixmap/pixmap_loader.h"
#include "pixmap/png_loader.h"
#include "runtime/exception.h"
#include "stream/stream_exception.h"
#include "tests/pixmap/memory_stream.h"
#include "tests/pixmap/png_test_support.h"

using namespace tazmix;
using namespace pixmap_test;

namespace {

class PngLoad : public ::testing::Test {
 protected:
  void SetUp() override { InitPNGLoader(); }
};

Ref<TPixmap> LoadBytes(const Bytes& bytes) { return LoadPixmap(Ref<Object>(New<MemoryStream>(bytes))); }

// Compares a loaded pixmap with the reference decoding of the same file;
// `tolerance` allows for 16-bit samples, which the loader cuts to their high
// byte and the reference rounds.
void ExpectMatchesReference(const std::string& name, const TPixmap& pixmap, int tolerance) {
  uint32_t w = 0, h = 0;
  const Bytes ref = ReferenceRGBA(ReadFile(DataPath(name)), &w, &h);
  ASSERT_FALSE(ref.empty()) << name;
  ASSERT_EQ(static_cast<uint32_t>(pixmap.width), w) << name;
  ASSERT_EQ(static_cast<uint32_t>(pixmap.height), h) << name;
  int worst = 0;
  for (int32_t y = 0; y < pixmap.height; ++y)
    for (int32_t x = 0; x < pixmap.width; ++x) {
      const uint32_t argb = static_cast<uint32_t>(pixmap.ReadPixel(x, y));
      const uint8_t* r = &ref[(static_cast<size_t>(y) * w + static_cast<size_t>(x)) * 4];
      const int got[4] = {int(argb >> 16 & 0xFF), int(argb >> 8 & 0xFF), int(argb & 0xFF), int(argb >> 24)};
      for (int c = 0; c < 4; ++c) worst = std::max(worst, std::abs(got[c] - r[c]));
    }
  EXPECT_LE(worst, tolerance) << name;
}

bool SamePixels(const TPixmap& a, const TPixmap& b) {
  if (a.width != b.width || a.height != b.height || a.format != b.format) return false;
  for (int32_t y = 0; y < a.height; ++y)
    if (std::memcmp(a.PixelPtr(0, y), b.PixelPtr(0, y), static_cast<size_t>(a.width) * BytesPerPixel[a.format]) != 0)
      return false;
  return true;
}

std::vector<std::string> PngFilesIn(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(DataPath(folder)))
    if (entry.path().extension() == ".png") names.push_back(folder + "/" + entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

TEST_F(PngLoad, EveryBasicImageLoadsInItsFormatWithTheRightPixels) {
  struct Case {
    const char* name;
    int32_t format;
  };
  // Grey stays grey, RGB and palettes become RGB, anything with alpha or a
  // transparency chunk becomes RGBA.
  const Case cases[] = {
      {"basn0g01", FORMAT_GREY8},   {"basn0g02", FORMAT_GREY8},   {"basn0g04", FORMAT_GREY8},
      {"basn0g08", FORMAT_GREY8},   {"basn0g16", FORMAT_GREY8},   {"basn2c08", FORMAT_RGB24},
      {"basn2c16", FORMAT_RGB24},   {"basn3p01", FORMAT_RGB24},   {"basn3p02", FORMAT_RGB24},
      {"basn3p04", FORMAT_RGB24},   {"basn3p08", FORMAT_RGB24},   {"basn4a08", FORMAT_RGBA32},
      {"basn4a16", FORMAT_RGBA32},  {"basn6a08", FORMAT_RGBA32},  {"basn6a16", FORMAT_RGBA32},
      {"ftbbn0g01", FORMAT_RGBA32}, {"ftbbn0g02", FORMAT_RGBA32}, {"ftbbn0g04", FORMAT_RGBA32},
      {"ftbbn2c16", FORMAT_RGBA32}, {"ftbbn3p08", FORMAT_RGBA32}, {"ftbgn2c16", FORMAT_RGBA32},
      {"ftbgn3p08", FORMAT_RGBA32}, {"ftbrn2c08", FORMAT_RGBA32}, {"ftbwn0g16", FORMAT_RGBA32},
      {"ftbwn3p08", FORMAT_RGBA32}, {"ftbyn3p08", FORMAT_RGBA32}, {"ftp0n0g08", FORMAT_GREY8},
      {"ftp0n2c08", FORMAT_RGB24},  {"ftp0n3p08", FORMAT_RGB24},  {"ftp1n3p08", FORMAT_RGBA32},
  };
  for (const auto& c : cases) {
    const std::string name = std::string("pngsuite/") + c.name + ".png";
    Ref<TPixmap> p = LoadPixmap(DataUrl(name));
    ASSERT_TRUE(p) << name;
    EXPECT_EQ(p->format, c.format) << name;
    EXPECT_EQ(p->capacity, p->pitch * p->height) << name;
    const bool sixteen = std::string(c.name).ends_with("16");
    ExpectMatchesReference(name, *p, sixteen ? 1 : 0);
  }
}

TEST_F(PngLoad, InterlacedTwinsEqualTheirPlainTwins) {
  int twins = 0;
  for (const char* folder : {"pngsuite", "pngsuite/interlaced"}) {
    for (const std::string& name : PngFilesIn(folder)) {
      const std::string file = name.substr(name.rfind('/') + 1);
      if (file[0] != 'i') continue;
      Ref<TPixmap> interlaced = LoadPixmap(DataUrl(name));
      Ref<TPixmap> plain = LoadPixmap(DataUrl("pngsuite/" + file.substr(1)));
      ASSERT_TRUE(interlaced) << name;
      ASSERT_TRUE(plain) << name;
      EXPECT_TRUE(SamePixels(*interlaced, *plain)) << name;
      ++twins;
    }
  }
  EXPECT_EQ(twins, 30);
}

TEST_F(PngLoad, DamagedFilesGiveNull) {
  int damaged = 0;
  for (const std::string& name : PngFilesIn("crashers")) {
    if (name.ends_with("empty_ancillary_chunks.png")) continue;
    EXPECT_FALSE(LoadPixmap(DataUrl(name))) << name;
    EXPECT_FALSE(LoadBytes(ReadFile(DataPath(name)))) << name;
    ++damaged;
  }
  EXPECT_EQ(damaged, 22);
  // Empty ancillary chunks only break data the loader does not use: the
  // picture itself is intact and loads.
  Ref<TPixmap> tolerated = LoadPixmap(DataUrl("crashers/empty_ancillary_chunks.png"));
  ASSERT_TRUE(tolerated);
  ExpectMatchesReference("crashers/empty_ancillary_chunks.png", *tolerated, 0);
}

TEST_F(PngLoad, ChunksClaimingGigabytesTakeNoMemory) {
  // Each file announces an ancillary or unknown chunk of about 2 GB in a few
  // dozen bytes; the loader must fail without ever holding such a buffer.
  auto peak_kib = [] {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
  };
  const long before = peak_kib();
  for (const std::string& name : PngFilesIn("crashers")) {
    if (name.find("huge_") == std::string::npos) continue;
    EXPECT_FALSE(LoadPixmap(DataUrl(name))) << name;
  }
  EXPECT_LT(peak_kib() - before, 64 * 1024);
}

TEST_F(PngLoad, EveryTruncatedPrefixGivesNull) {
  for (const char* name : {"pngsuite/basn6a08.png", "pngsuite/basn3p02.png", "pngsuite/ibasn2c16.png",
                           "pngsuite/ftbbn0g01.png"}) {
    const Bytes whole = ReadFile(DataPath(name));
    ASSERT_TRUE(LoadBytes(whole)) << name;
    for (size_t n = 0; n < whole.size(); ++n)
      ASSERT_FALSE(LoadBytes(Bytes(whole.begin(), whole.begin() + static_cast<ptrdiff_t>(n)))) << name << " cut at " << n;
  }
}

TEST_F(PngLoad, FlippedBitsNeverEscapeCrashOrChangeThePicture) {
  const Bytes whole = ReadFile(DataPath("pngsuite/basn0g04.png"));
  Ref<TPixmap> intact = LoadBytes(whole);
  ASSERT_TRUE(intact);
  for (size_t i = 0; i < whole.size(); ++i)
    for (int bit = 0; bit < 8; ++bit) {
      Bytes damaged = whole;
      damaged[i] ^= static_cast<uint8_t>(1 << bit);
      // Checksums guard the picture's chunks: whatever still loads was
      // damaged only where the loader does not look.
      Ref<TPixmap> p = LoadBytes(damaged);
      if (!p) continue;
      EXPECT_TRUE(SamePixels(*p, *intact)) << "byte " << i << " bit " << bit;
    }
}

TEST_F(PngLoad, StreamsWithoutAPictureGiveNull) {
  std::mt19937 random(1234);
  Bytes noise(4096);
  for (auto& b : noise) b = static_cast<uint8_t>(random());
  EXPECT_FALSE(LoadBytes(noise));
  EXPECT_FALSE(LoadBytes({}));
  const Bytes png = ReadFile(DataPath("pngsuite/basn2c08.png"));
  EXPECT_FALSE(LoadBytes(Bytes(png.begin(), png.begin() + 7)));
  // A true signature followed by noise.
  Bytes signed_noise(png.begin(), png.begin() + 8);
  signed_noise.insert(signed_noise.end(), noise.begin(), noise.end());
  EXPECT_FALSE(LoadBytes(signed_noise));
  // A good picture in a stream that cannot tell its position.
  EXPECT_FALSE(LoadPixmap(Ref<Object>(New<PositionlessStream>(png))));
  EXPECT_FALSE(LoadPixmap(String("/nonexistent/picture.png")));
}

TEST_F(PngLoad, TheCallersStreamStaysOpenAndKeepsItsReadPosition) {
  Bytes data = {'x', 'y'};
  const Bytes png = ReadFile(DataPath("pngsuite/basn0g08.png"));
  data.insert(data.end(), png.begin(), png.end());
  Ref<MemoryStream> stream = New<MemoryStream>(data);
  stream->Seek(2);
  Ref<TPixmap> p = LoadPixmap(Ref<Object>(stream));
  ASSERT_TRUE(p);
  EXPECT_EQ(p->format, FORMAT_GREY8);
  EXPECT_EQ(stream->closes, 0);
}

TEST_F(PngLoad, DirectLoadRaisesOnlyForShortStreams) {
  const Bytes png = ReadFile(DataPath("pngsuite/basn6a08.png"));
  // Not a PNG: plain failure.
  EXPECT_FALSE(LoadPixmapPNG(Ref<Object>(New<MemoryStream>(Bytes(64, 'A')))));
  // Too short for the signature, or cut inside the data: a stream exception.
  for (size_t n : {size_t{5}, size_t{60}, png.size() - 1}) {
    try {
      LoadPixmapPNG(Ref<Object>(New<MemoryStream>(Bytes(png.begin(), png.begin() + static_cast<ptrdiff_t>(n)))));
      ADD_FAILURE() << "no exception at " << n;
    } catch (const Thrown& thrown) {
      EXPECT_TRUE(thrown.As<TStreamReadException>()) << n;
    }
  }
  // Corrupt data detected by the decoder: plain failure.
  EXPECT_FALSE(LoadPixmapPNG(DataUrl("crashers/badcrc.png")));
}

TEST_F(PngLoad, OversizedHeadersFailBeforeAnyPixelMemory) {
  const Bytes tiny_data(200, 0);
  // Far beyond anything a pixmap can hold.
  EXPECT_FALSE(LoadBytes(MakePng(100000, 100000, 6, tiny_data)));
  EXPECT_FALSE(LoadBytes(MakePng(PNG_MAX_SIDE + 1, 1, 0, tiny_data)));
  // Within the side limit but beyond the pixel budget.
  EXPECT_FALSE(LoadBytes(MakePng(PNG_MAX_SIDE, PNG_MAX_SIDE, 0, tiny_data)));
  // Plausible size, but a few hundred bytes cannot hold 256 MB of pixels.
  EXPECT_FALSE(LoadBytes(MakePng(8000, 8000, 6, tiny_data)));
  // A small picture whose data runs short is a decoding error.
  EXPECT_FALSE(LoadBytes(MakePng(300, 300, 2, tiny_data)));

  // A big but highly compressible picture is legitimate and loads.
  const uint32_t side = 2000;
  Bytes raw(static_cast<size_t>(side) * (side * 4 + 1), 0);
  Ref<TPixmap> big = LoadBytes(MakePng(side, side, 6, raw));
  ASSERT_TRUE(big);
  EXPECT_EQ(big->width, 2000);
  EXPECT_EQ(big->ReadPixel(1999, 1999), 0);
}

TEST_F(PngLoad, GreyWithAlphaAndSixteenBitSamples) {
  // A 1x1 grey-with-alpha picture (200, 64) and a 16-bit RGB one.
  Bytes ga = MakePng(1, 1, 4, {0, 200, 64});
  Ref<TPixmap> p = LoadBytes(ga);
  ASSERT_TRUE(p);
  EXPECT_EQ(p->format, FORMAT_RGBA32);
  EXPECT_EQ(static_cast<uint32_t>(p->ReadPixel(0, 0)), 0x40C8C8C8u);

  const Bytes png = MakePng(1, 1, 2, {0, 0x12, 0xFF, 0xAB, 0x80, 0x01, 0x7F}, 16);
  Ref<TPixmap> deep = LoadBytes(png);
  ASSERT_TRUE(deep);
  EXPECT_EQ(deep->format, FORMAT_RGB24);
  EXPECT_EQ(static_cast<uint32_t>(deep->ReadPixel(0, 0)), 0xFF12AB01u);
}
