#include <gtest/gtest.h>

#include <string>

#include "tests/support/child_process.h"
#include "tests/support/temp_dir.h"

using namespace tazmix;
using namespace tazmix::testing;

namespace {

std::string Tool() { return test::FolderOf(TAZMIX_TEST_HELPER_DIR) + "/tools/make-wordlist"; }

std::string Record(const std::string& latin1) {
  const auto n = static_cast<uint32_t>(latin1.size());
  return std::string{char(n), char(n >> 8), char(n >> 16), char(n >> 24)} + latin1;
}

}  // namespace

TEST(MakeWordlist, WritesRecordsAndReportsWhatItSkipped) {
  TempDir dir;
  dir.Write("words.txt",
            "Haus\n"
            "  Baum  \n"
            "\n"
            "e-mail\n"
            "\xC5\x81\xC3\xB3\x64\xC5\xBA\n"  // Łódź
            "Stra\xC3\x9F" "e\r\n"
            "B52\n"
            "bad\xFF\n"
            "\xF0\x9F\x98\x80\n"  // beyond 16 bits
            "Ei");
  const auto r = test::RunChild(Tool(), {Tool(), dir / "words.txt", dir / "Language.txt"});
  ASSERT_TRUE(r.exited);
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(dir.Read("Language.txt"),
            Record("Haus") + Record("Baum") + Record("Stra\xDF" "e") + Record("B52") + Record("Ei"));
  EXPECT_EQ(r.err,
            "line 4: \"e-mail\" skipped: not a playable word\n"
            "line 5: \"\xC5\x81\xC3\xB3\x64\xC5\xBA\" skipped: character above 255\n"
            "line 8: \"bad\xFF\" skipped: character above 255\n"
            "line 9: \"\xF0\x9F\x98\x80\" skipped: character above 255\n");
  EXPECT_NE(r.out.find("5 words written, 4 skipped"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("0 to 5 characters:    4"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("3 to 7 characters:    4"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("5 or more characters: 1"), std::string::npos) << r.out;
}

TEST(MakeWordlist, KeepsAnEvenSpreadUpToMax) {
  TempDir dir;
  dir.Write("words.txt", "eins\nzwei\ndrei\nvier\nfünf\nsechs\n");
  const auto r = test::RunChild(Tool(), {Tool(), "--max", "3", "--quiet", dir / "words.txt", dir / "out"});
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(dir.Read("out"), Record("eins") + Record("drei") + Record("f\xFCnf"));
}

TEST(MakeWordlist, FailsOnWhatItCannotReadOrWrite) {
  TempDir dir;
  auto r = test::RunChild(Tool(), {Tool(), dir / "missing.txt", dir / "out"});
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_NE(r.err.find("cannot read"), std::string::npos);
  dir.Write("words.txt", "Haus\n");
  r = test::RunChild(Tool(), {Tool(), dir / "words.txt", dir / "no/folder/out"});
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_NE(r.err.find("cannot write"), std::string::npos);
  r = test::RunChild(Tool(), {Tool(), dir / "words.txt"});
  EXPECT_EQ(r.exit_code, 2);
  r = test::RunChild(Tool(), {Tool(), "--max", "0", dir / "words.txt", dir / "out"});
  EXPECT_EQ(r.exit_code, 2);
}
