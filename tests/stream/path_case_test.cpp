#include <gtest/gtest.h>

#include "stream/filesystem.h"
#include "stream/path.h"
#include "stream/path_case.h"
#include "tests/support/temp_dir.h"

using namespace tazmix;
using namespace tazmix::testing;

namespace {
String S(const std::string& path) { return String::FromUTF8String(path); }
std::string T(const String& s) { return s.ToUTF8String(); }
}  // namespace

TEST(PathCase, FindsEveryComponentsCaseOnDisk) {
  TempDir dir;
  CreateDir(S(dir / "data/Sub"), true);
  dir.Write("data/Word.txt", "w");
  dir.Write("data/Sub/Äpfel.txt", "a");

  EXPECT_EQ(T(ResolvePathCase(S(dir / "DATA/word.TXT"))), dir / "data/Word.txt");
  EXPECT_EQ(T(ResolvePathCase(S(dir / "data/sub/äPFEL.txt"))), dir / "data/Sub/Äpfel.txt");
  EXPECT_EQ(T(ResolvePathCase(S(dir / "Data/SUB/"))), dir / "data/Sub/");
  EXPECT_EQ(T(ResolvePathCase(S(dir / "data/Word.txt"))), dir / "data/Word.txt");  // exists: as given
  EXPECT_EQ(T(ResolvePathCase(S(dir / "data/Word.txt/x"))), "");
  EXPECT_EQ(T(ResolvePathCase(S(dir / "DATA/missing.txt"))), "");
  EXPECT_EQ(T(ResolvePathCase(S(dir / "MISSING/word.txt"))), "");
  EXPECT_EQ(T(ResolvePathCase(S(dir / "DATA/<word.txt"))), "");
  EXPECT_EQ(T(ResolvePathCase("/USR")), "/usr");  // right below the root

  const String before = CurrentDir();
  ASSERT_TRUE(ChangeDir(S(dir.Path())));
  EXPECT_EQ(T(ResolvePathCase("DATA/word.TXT")), "data/Word.txt");
  EXPECT_EQ(T(ResolvePathCase("Data")), "data");
  EXPECT_EQ(T(ResolvePathCase("")), "");
  ChangeDir(before);
}
