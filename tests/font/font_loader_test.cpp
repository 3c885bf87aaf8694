#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "font/font_loader.h"

using namespace tazmix;

namespace {

constexpr const char* kKey = "recording-loader-test";

class StubFont : public TFont {
 public:
  int32_t Style() override { return 0; }
};

// Loaders stay in the chain for the whole process, so the calls go to one
// log that outlives every test.
std::vector<const TFontLoader*>& Calls() {
  static std::vector<const TFontLoader*> calls;
  return calls;
}

// Records every call; answers with a fixed font (Null: declines) only for the
// URL kKey, so loaders left in the chain by one test stay quiet in the next.
class RecordingLoader : public TFontLoader {
 public:
  explicit RecordingLoader(Ref<TFont> answer) : answer_(std::move(answer)) {}
  Ref<TFont> LoadFont(const Ref<Object>& url, int32_t size, int32_t style) override {
    Calls().push_back(this);
    last_url = url;
    last_size = size;
    last_style = style;
    String text;
    return String::FromObject(url.get(), &text) && text == String(kKey) ? answer_ : nullptr;
  }
  Ref<Object> last_url;
  int32_t last_size = 0;
  int32_t last_style = 0;

 private:
  Ref<TFont> answer_;
};

std::vector<const TFontLoader*> Chain() {
  std::vector<const TFontLoader*> out;
  for (TFontLoader* l = FirstFontLoader(); l; l = l->Next()) out.push_back(l);
  return out;
}

}  // namespace

TEST(FontLoader, WithoutLoadersNothingLoads) {
  if (FirstFontLoader()) GTEST_SKIP() << "the chain only starts empty in a fresh process";
  EXPECT_FALSE(LoadFont(String("any.ttf"), 16, 0));
}

TEST(FontLoader, NewestLoaderIsAskedFirstAndOlderOnlyWhenItDeclines) {
  std::vector<const TFontLoader*>& calls = Calls();
  calls.clear();
  Ref<TFont> older_font = New<StubFont>();
  Ref<TFont> newer_font = New<StubFont>();
  auto older = New<RecordingLoader>(older_font);
  auto declining = New<RecordingLoader>(nullptr);
  auto newer = New<RecordingLoader>(newer_font);

  AddFontLoader(older);
  AddFontLoader(declining);
  const String url(kKey);
  EXPECT_EQ(LoadFont(url, 24, FONT_SMOOTH), older_font);
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0], declining.get());
  EXPECT_EQ(calls[1], older.get());
  // Every loader sees the very same arguments.
  EXPECT_EQ(older->last_url, url.AsObject());
  EXPECT_EQ(older->last_size, 24);
  EXPECT_EQ(older->last_style, FONT_SMOOTH);

  calls.clear();
  AddFontLoader(newer);
  EXPECT_EQ(LoadFont(url, 24, 0), newer_font);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0], newer.get());
}

TEST(FontLoader, AddingALoaderAgainLeavesTheChainUnchanged) {
  std::vector<const TFontLoader*>& calls = Calls();
  calls.clear();
  auto first = New<RecordingLoader>(nullptr);
  auto second = New<RecordingLoader>(nullptr);
  AddFontLoader(first);
  AddFontLoader(second);
  const auto before = Chain();

  AddFontLoader(first);   // linked to a successor
  AddFontLoader(second);  // the head
  EXPECT_EQ(Chain(), before);
}

TEST(FontLoader, AddingTheLastLoaderAgainDoesNotCloseTheChainIntoARing) {
  std::vector<const TFontLoader*>& calls = Calls();
  calls.clear();
  auto only = New<RecordingLoader>(nullptr);
  AddFontLoader(only);
  const auto before = Chain();
  AddFontLoader(only);
  EXPECT_EQ(Chain(), before);

  // Everyone declines, so every loader is asked exactly once and Null comes back.
  EXPECT_FALSE(LoadFont(String("x"), 10, 0));
  EXPECT_EQ(std::count(calls.begin(), calls.end(), only.get()), 1);
}
