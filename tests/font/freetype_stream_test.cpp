#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "font/font_loader.h"
#include "font/freetype_font.h"
#include "stream/bank.h"
#include "stream/bank_stream.h"
#include "stream/stream_factory.h"
#include "tests/font/font_test_util.h"

using namespace tazmix;
using tazmix::testing::LiberationSansPath;

namespace {

// Serves "fonttest::<name>" from banks held here: a protocol only the tests
// know, so the font comes through the stream factories and nothing else.
class BankShelf : public TStreamFactory {
 public:
  Ref<TStream> CreateStream(const Ref<Object>&, const String& proto, const String& path, bool readable,
                            bool) override {
    if (proto != String("fonttest") || !readable) return nullptr;
    for (auto& [name, bank] : banks)
      if (String(name.c_str()) == path) return TBankStream::Create(bank);
    return nullptr;
  }
  std::vector<std::pair<std::string, Ref<TBank>>> banks;
};

BankShelf& Shelf() {
  static BankShelf* shelf = new BankShelf;  // the factory chain keeps it
  return *shelf;
}

Ref<TBank> BankOf(const std::string& bytes) {
  Ref<TBank> bank = TBank::Create(static_cast<int32_t>(bytes.size()));
  if (!bytes.empty()) std::memcpy(bank->Buf(), bytes.data(), bytes.size());
  return bank;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class FreeTypeStream : public ::testing::Test {
 protected:
  void SetUp() override {
    InitFreeTypeFont();
    Shelf().banks = {{"sans", BankOf(ReadFile(LiberationSansPath()))},
                     {"empty", BankOf("")},
                     {"half", BankOf(ReadFile(LiberationSansPath()).substr(0, 200000))}};
  }
  void TearDown() override { Shelf().banks.clear(); }
};

}  // namespace

TEST_F(FreeTypeStream, InitialisationPutsTheFreeTypeLoaderIntoTheChainOnce) {
  InitFreeTypeFont();
  int count = 0;
  for (TFontLoader* l = FirstFontLoader(); l; l = l->Next())
    if (dynamic_cast<TFreeTypeFontLoader*>(l)) ++count;
  EXPECT_EQ(count, 1);
}

TEST_F(FreeTypeStream, AStreamUrlLoadsTheSameFontAsThePathAndOutlivesItsSource) {
  Ref<TFont> by_url = LoadFont(String("fonttest::sans"), 16, FONT_SMOOTH);
  ASSERT_TRUE(by_url);
  Ref<TFont> by_path = LoadFont(String(LiberationSansPath().c_str()), 16, FONT_SMOOTH);
  ASSERT_TRUE(by_path);
  // The bank goes away; the font keeps its own copy of the bytes.
  Shelf().banks.clear();

  EXPECT_EQ(by_url->Height(), by_path->Height());
  EXPECT_EQ(by_url->CountGlyphs(), by_path->CountGlyphs());
  for (char16_t c : std::u16string(u"Wörter")) {
    const int32_t index = by_url->CharToGlyph(c);
    ASSERT_EQ(index, by_path->CharToGlyph(c));
    Ref<TPixmap> a = Cast<TPixmap>(by_url->LoadGlyph(index)->Pixels());
    Ref<TPixmap> b = Cast<TPixmap>(by_path->LoadGlyph(index)->Pixels());
    ASSERT_TRUE(a && b);
    ASSERT_EQ(a->width, b->width);
    ASSERT_EQ(a->height, b->height);
    for (int32_t y = 0; y < a->height; ++y)
      EXPECT_EQ(std::memcmp(a->PixelPtr(0, y), b->PixelPtr(0, y), static_cast<size_t>(a->width)), 0);
  }
}

TEST_F(FreeTypeStream, UnreadableEmptyOrDamagedSourcesGiveNullWithoutRaising) {
  EXPECT_FALSE(LoadFont(String("fonttest::empty"), 16, 0));
  EXPECT_FALSE(LoadFont(String("fonttest::half"), 16, 0));
  EXPECT_FALSE(LoadFont(String("fonttest::nothing-here"), 16, 0));
  EXPECT_FALSE(LoadFont(String("noprotocol::sans"), 16, 0));
  // "::" at the very start is no protocol: a file name, here a missing one.
  EXPECT_FALSE(LoadFont(String("::sans"), 16, 0));
}

TEST_F(FreeTypeStream, SourcesThatAreNoTextAreDeclined) {
  // A bank is a fine stream URL, but this loader only takes names.
  Ref<TBank> bank = BankOf(ReadFile(LiberationSansPath()));
  Ref<TFreeTypeFontLoader> loader = New<TFreeTypeFontLoader>();
  EXPECT_FALSE(loader->LoadFont(bank, 16, 0));
  EXPECT_FALSE(loader->LoadFont(nullptr, 16, 0));
  EXPECT_FALSE(loader->LoadFont(String("").AsObject(), 16, 0));
  EXPECT_TRUE(loader->LoadFont(String(LiberationSansPath().c_str()).AsObject(), 16, 0));
}
