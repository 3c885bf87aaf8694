#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <random>
#include <set>
#include <string>
#include <vector>

#include "game/word_list.h"
#include "runtime/exception.h"
#include "runtime/random.h"
#include "stream/filesystem.h"
#include "stream/path.h"
#include "stream/stream_exception.h"
#include "stream/stream_module.h"
#include "tests/support/child_process.h"
#include "tests/support/temp_dir.h"
#include "tests/support/unprivileged.h"

using namespace tazmix;
using namespace tazmix::testing;
using namespace vindra;
using namespace std::string_literals;

namespace {

std::string Record(const std::string& latin1) {
  const auto n = static_cast<uint32_t>(latin1.size());
  std::string r{char(n), char(n >> 8), char(n >> 16), char(n >> 24)};
  return r + latin1;
}

std::string Records(const std::vector<std::string>& words) {
  std::string all;
  for (const auto& w : words) all += Record(w);
  return all;
}

std::string Length(int32_t n) {
  const auto u = static_cast<uint32_t>(n);
  return {char(u), char(u >> 8), char(u >> 16), char(u >> 24)};
}

// Runs the loader in a folder holding `content` as Language.txt, from inside
// that folder; restores the current folder afterwards.
class WordListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitStream();
    before_ = CurrentDir();
    ASSERT_TRUE(ChangeDir(String::FromUTF8String(dir_.Path())));
    SeedRandom(1234);
    WordList = nullptr;
    CurrentWord = nullptr;
  }
  void TearDown() override { ChangeDir(before_); }

  void File(const std::string& content) { dir_.Write("Language.txt", content); }

  // The text of the exception LoadWordList raises ("" when it returns), and
  // whether that was the stream read exception.
  std::string Failure(int32_t minLength, int32_t maxLength, int32_t wordCount, bool* read_error = nullptr) {
    try {
      LoadWordList(minLength, maxLength, wordCount);
    } catch (const Thrown& t) {
      if (read_error) *read_error = t.As<TStreamReadException>() != nullptr;
      return t.Text().ToCString();
    }
    return "";
  }

  std::set<std::string> Words() const {
    std::set<std::string> words;
    for (auto& w : WordList) words.insert(Cast<TGameWord>(w)->Content.ToCString());
    return words;
  }

  bool CurrentIsListed() const { return CurrentWord && WordList->Contains(Ref<Object>(CurrentWord)); }

  TempDir dir_;
  String before_;
};

}  // namespace

TEST_F(WordListTest, KeepsThePlayableWordsOfTheLengthRange) {
  File(Records({"Haus", "Baum", "Ei"}));
  LoadWordList(0, 5, 10);
  EXPECT_EQ(Words(), (std::set<std::string>{"Haus", "Baum", "Ei"}));
  EXPECT_TRUE(CurrentIsListed());

  File(Records({"Ei", "Uhr", "Haus", "Lampe", "Fenster", "Computer", "", "e-mail", "Stra\xDF" "e", "B52", "Tab\t"}));
  LoadWordList(3, 7, -1);
  EXPECT_EQ(Words(), (std::set<std::string>{"Uhr", "Haus", "Lampe", "Fenster", "Stra\xDF" "e", "B52"}));
  LoadWordList(5, -1, 1);
  EXPECT_EQ(Words(), (std::set<std::string>{"Lampe", "Fenster", "Computer", "Stra\xDF" "e"}));
  LoadWordList(0, -1, -1);
  EXPECT_EQ(Words().size(), 8u);
}

TEST_F(WordListTest, TrimsAtRandomToTheWordCount) {
  std::vector<std::string> twenty;
  for (char c = 'a'; c < 'a' + 20; ++c) twenty.push_back(std::string("Wort") + c);
  File(Records(twenty));
  LoadWordList(0, -1, 10);
  EXPECT_EQ(WordList->Count(), 10);
  EXPECT_TRUE(CurrentIsListed());
  const std::set<std::string> first = Words();

  SeedRandom(1234);
  LoadWordList(0, -1, 10);
  EXPECT_EQ(Words(), first);  // the same seed draws the same round

  File(Records({"eins", "zwei", "drei", "vier", "acht", "neun", "zehn"}));
  LoadWordList(0, -1, 10);
  EXPECT_EQ(WordList->Count(), 7);
}

TEST_F(WordListTest, TrimmingDrawsExactlyAsRepeatedNextWordDoes) {
  // The round's start trims on an index instead of walking the list per
  // word; it must keep the very words, order and current word that calling
  // NextWord until the count fits would leave, for any seed.
  std::vector<std::string> words;
  for (int i = 0; i < 300; ++i) words.push_back("Wort" + std::to_string(i));
  File(Records(words));
  for (int32_t seed : {1, 77, 4660, 123456}) {
    for (int32_t count : {2, 10, 299}) {
      auto listed = [] {
        std::vector<std::string> out;
        for (auto& w : WordList) out.push_back(Cast<TGameWord>(w)->Content.ToCString());
        return out;
      };
      SeedRandom(seed);
      LoadWordList(0, -1, -1);
      while (WordList->Count() > count) NextWord();
      const auto expected = listed();
      const std::string expected_current = CurrentWord->Content.ToCString();
      const int32_t expected_state = RandomSeed();

      SeedRandom(seed);
      LoadWordList(0, -1, count);
      EXPECT_EQ(listed(), expected) << seed << " " << count;
      EXPECT_EQ(CurrentWord->Content.ToCString(), expected_current);
      EXPECT_TRUE(CurrentIsListed());
      EXPECT_EQ(RandomSeed(), expected_state);  // no draw more or less
    }
  }
}

TEST_F(WordListTest, NextWordDrawsUntilNoneIsLeft) {
  File(Records({"Haus", "Baum", "Ei"}));
  LoadWordList(0, -1, -1);
  std::set<std::string> seen;
  for (int i = 3; i > 0; --i) {
    ASSERT_EQ(WordList->Count(), i);
    ASSERT_TRUE(CurrentIsListed());
    seen.insert(CurrentWord->Content.ToCString());
    NextWord();
  }
  EXPECT_EQ(seen.size(), 3u);
  EXPECT_FALSE(CurrentWord);
  EXPECT_EQ(WordList->Count(), 0);
  NextWord();  // nothing left: stays so
  EXPECT_FALSE(CurrentWord);

  // A word still current from the last round is only let go.
  LoadWordList(0, -1, -1);
  const Ref<TGameWord> old = CurrentWord;
  LoadWordList(0, -1, -1);
  EXPECT_EQ(WordList->Count(), 3);
  EXPECT_NE(CurrentWord, old);
}

TEST_F(WordListTest, MissingEmptyAndUnfittingFilesAreRuntimeErrors) {
  EXPECT_EQ(Failure(0, 5, 10), "Can't load Language.txt! - EXIT");
  ASSERT_TRUE(CreateDir("Language.txt"));
  EXPECT_EQ(Failure(0, 5, 10), "Can't load Language.txt! - EXIT");
  ASSERT_TRUE(DeleteDir("Language.txt"));

  File("");
  EXPECT_EQ(Failure(0, 5, 10), "Language.txt is empty! - EXIT");
  File(Records({"Haus", "Baum", "Ei"}));
  EXPECT_EQ(Failure(5, -1, 15), "Language.txt is empty! - EXIT");
  File(Records({"", "e-mail", "Hallo!"}));
  EXPECT_EQ(Failure(0, -1, -1), "Language.txt is empty! - EXIT");
}

TEST_F(WordListTest, BrokenRecordsRaiseTheReadError) {
  bool read_error = false;
  File(Records({"Haus"}) + Length(10) + "abc");
  EXPECT_EQ(Failure(0, -1, -1, &read_error), "Error reading from stream");
  EXPECT_TRUE(read_error);

  File(Records({"Haus"}) + "\x02\x00"s);
  read_error = false;
  EXPECT_EQ(Failure(0, -1, -1, &read_error), "Error reading from stream");
  EXPECT_TRUE(read_error);

  File(Records({"Haus"}) + Length(-1) + "Baum");
  read_error = false;
  EXPECT_EQ(Failure(0, -1, -1, &read_error), "Error reading from stream");
  EXPECT_TRUE(read_error);

  File(Length(2147483647) + "abcdef");  // 10 bytes announcing 2 GiB
  read_error = false;
  EXPECT_EQ(Failure(0, -1, -1, &read_error), "Error reading from stream");
  EXPECT_TRUE(read_error);

  File(Record(std::string(300, 'a')) + Length(400) + std::string(10, 'a'));
  read_error = false;
  EXPECT_EQ(Failure(0, -1, -1, &read_error), "Error reading from stream");
  EXPECT_TRUE(read_error);
}

TEST_F(WordListTest, OverlongRecordsAreNoWords) {
  File(Records({std::string(256, 'a'), "Haus", std::string(100000, 'b')}));
  LoadWordList(0, -1, -1);
  EXPECT_EQ(Words(), (std::set<std::string>{"Haus"}));
}

TEST_F(WordListTest, RandomBytesEndInAResultOrAnErrorNeverACrash) {
  std::mt19937 gen(77);
  for (int round = 0; round < 200; ++round) {
    std::string bytes(gen() % 64, '\0');
    for (char& c : bytes) c = static_cast<char>(gen());
    // Small lengths too, so records get read and judged.
    if (round % 2 && bytes.size() > 4) bytes[1] = bytes[2] = bytes[3] = 0, bytes[0] = char(gen() % 8);
    File(bytes);
    const std::string failure = Failure(0, -1, -1);
    if (failure.empty()) {
      EXPECT_TRUE(CurrentIsListed());
    } else {
      EXPECT_TRUE(failure == "Error reading from stream" || failure == "Language.txt is empty! - EXIT") << failure;
    }
  }
}

TEST_F(WordListTest, AFolderThatMayNotBeReadCannotBeLoaded) {
  File(Records({"Haus"}));
  chmod(dir_.Path().c_str(), 0311);  // may be entered, not listed
  chmod((dir_ / "Language.txt").c_str(), 0);
  const auto result = WithoutRootRights([&] { return Failure(0, -1, -1) == "Can't load Language.txt! - EXIT"; });
  if (!result) GTEST_SKIP() << "cannot give up root's rights here";
  EXPECT_TRUE(*result);
}

// The errors end the program: text on standard error, exit code 255.
class WordListProgram : public ::testing::Test {
 protected:
  test::ChildResult Run(const std::string& content, const char* min, const char* max, const char* count) {
    if (!content.empty() || write_empty_) dir_.Write("Language.txt", content);
    const std::string helper = std::string(TAZMIX_TEST_HELPER_DIR) + "/word_list_load";
    return test::RunChild(helper, {helper, dir_.Path(), min, max, count});
  }
  TempDir dir_;
  bool write_empty_ = false;
};

TEST_F(WordListProgram, EndsWithTheErrorTextsAndCode255) {
  auto r = Run("", "0", "5", "10");
  EXPECT_TRUE(r.exited);
  EXPECT_EQ(r.exit_code, 255);
  EXPECT_EQ(r.err, "Can't load Language.txt! - EXIT");

  write_empty_ = true;
  r = Run("", "0", "5", "10");
  EXPECT_EQ(r.exit_code, 255);
  EXPECT_EQ(r.err, "Language.txt is empty! - EXIT");

  r = Run(Records({"Haus", "Baum", "Ei"}), "5", "-1", "15");
  EXPECT_EQ(r.exit_code, 255);
  EXPECT_EQ(r.err, "Language.txt is empty! - EXIT");

  r = Run(Records({"Haus"}) + Length(-5), "0", "-1", "-1");
  EXPECT_EQ(r.exit_code, 255);
  EXPECT_EQ(r.err, "Error reading from stream");

  r = Run(Length(2147483647) + "abcdef", "0", "-1", "-1");
  EXPECT_EQ(r.exit_code, 255);
  EXPECT_EQ(r.err, "Error reading from stream");

  r = Run(Records({"Haus", "Baum", "Ei"}), "0", "5", "10");
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_EQ(r.out.substr(0, 2), "3 ");
  EXPECT_EQ(r.err, "");
}

// The word file the build makes from assets/words.txt fills every round.
TEST(ShippedWordList, GivesEveryDifficultyAFullRound) {
  InitStream();
  const String before = CurrentDir();
  ASSERT_TRUE(ChangeDir(TAZMIX_BIN_DIR));
  const struct {
    int32_t min, max, count;
  } rounds[] = {{0, 5, 10}, {3, 7, 12}, {5, -1, 15}};
  for (const auto& round : rounds) {
    LoadWordList(round.min, round.max, round.count);
    EXPECT_EQ(WordList->Count(), round.count);
    for (auto& w : WordList) {
      const int32_t n = Cast<TGameWord>(w)->Content.Length();
      EXPECT_TRUE(n >= round.min && (round.max == -1 || n <= round.max));
    }
  }
  LoadWordList(0, -1, -1);
  EXPECT_GE(WordList->Count(), 400);
  ChangeDir(before);
}
