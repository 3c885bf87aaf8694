#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "stream/bank_stream.h"
#include "stream/cstream.h"
#include "stream/filesystem.h"
#include "stream/path.h"
#include "stream/stream_module.h"
#include "tests/stream/stream_test_util.h"
#include "tests/support/temp_dir.h"

using namespace tazmix;
using namespace tazmix::testing;

namespace {

String S(const std::string& path) { return String::FromUTF8String(path); }

std::vector<std::string> Names(const std::vector<String>& names) {
  std::vector<std::string> out;
  for (const String& n : names) out.push_back(n.ToUTF8String());
  std::sort(out.begin(), out.end());
  return out;
}

}  // namespace

TEST(FileSystem, TypesSizesTimesAndModes) {
  TempDir dir;
  const std::string file = dir.Write("f.txt", "12345");
  EXPECT_EQ(FileType(S(file)), 1);
  EXPECT_EQ(FileType(S(dir.Path())), 2);
  EXPECT_EQ(FileType(S(dir.Path() + "/")), 2);
  EXPECT_EQ(FileType(S(dir / "missing")), 0);
  EXPECT_EQ(FileSize(S(file)), 5);
  EXPECT_EQ(FileSize(S(dir / "missing")), -1);
  EXPECT_GT(FileTime(S(file)), 1600000000);
  EXPECT_EQ(FileTime(S(dir / "missing")), 0);
  SetFileMode(S(file), 0640);
  EXPECT_EQ(FileMode(S(file)), 0640);
  EXPECT_EQ(FileMode(S(dir / "missing")), -1);
  // Backslashes are separators on input.
  std::string back = file;
  std::replace(back.begin(), back.end(), '/', '\\');
  EXPECT_EQ(FileType(S(back)), 1);
}

TEST(FileSystem, NamesWithAngleBracketsAreNeverThere) {
  TempDir dir;
  dir.Write("a<b", "x");
  dir.Write("c>d", "x");
  EXPECT_EQ(FileType(S(dir / "a<b")), 0);
  EXPECT_EQ(FileSize(S(dir / "c>d")), -1);
  EXPECT_FALSE(CreateFile(S(dir / "e<f")));
  EXPECT_FALSE(CreateDir(S(dir / "g>h")));
  EXPECT_FALSE(std::filesystem::exists(dir / "g>h"));
  EXPECT_FALSE(ReadFile(S(dir / "a<b")));
  EXPECT_FALSE(ReadDir(S(dir / "<")));
}

TEST(FileSystem, CreateAndDeleteFiles) {
  TempDir dir;
  const String f = S(dir / "new.txt");
  EXPECT_TRUE(CreateFile(f));
  EXPECT_EQ(FileSize(f), 0);
  dir.Write("new.txt", "content");
  EXPECT_TRUE(CreateFile(f));  // replaces the old one
  EXPECT_EQ(FileSize(f), 0);

  SetFileMode(f, 0444);
  EXPECT_TRUE(DeleteFile(f));  // read-only files go too
  EXPECT_EQ(FileType(f), 0);
  EXPECT_TRUE(DeleteFile(f));  // nothing there: done already

  EXPECT_FALSE(CreateFile(S(dir / "no/such/folder/f")));
  // A folder is not a file: it stays, with its permissions.
  ASSERT_TRUE(CreateDir(S(dir / "sub")));
  EXPECT_FALSE(DeleteFile(S(dir / "sub")));
  EXPECT_EQ(FileMode(S(dir / "sub")) & 0700, 0700);
  EXPECT_FALSE(CreateFile(S(dir / "sub")));
}

TEST(FileSystem, CreateDirOneLevelOrAllOfThem) {
  TempDir dir;
  EXPECT_FALSE(CreateDir(S(dir / "a/b/c")));
  EXPECT_TRUE(CreateDir(S(dir / "a/b/c/"), true));
  EXPECT_EQ(FileType(S(dir / "a/b/c")), 2);
  EXPECT_TRUE(CreateDir(S(dir / "a/b/c"), true));  // all there already
  EXPECT_TRUE(CreateDir(S(dir / "a/b/./../b2"), true));
  EXPECT_EQ(FileType(S(dir / "a/b2")), 2);

  dir.Write("file", "x");
  EXPECT_FALSE(CreateDir(S(dir / "file/b/c"), true));
  EXPECT_FALSE(CreateDir(S(dir / "file")));
}

TEST(FileSystem, ListingFolders) {
  TempDir dir;
  dir.Write("one", "1");
  dir.Write("Grüße", "2");
  CreateDir(S(dir / "sub"));
  EXPECT_EQ(Names(LoadDir(S(dir.Path()), true)), (std::vector<std::string>{"Grüße", "one", "sub"}));
  EXPECT_EQ(Names(LoadDir(S(dir.Path() + "/"), false)),
            (std::vector<std::string>{".", "..", "Grüße", "one", "sub"}));
  EXPECT_TRUE(LoadDir(S(dir / "missing"), true).empty());
  EXPECT_TRUE(LoadDir(S(dir / "one"), true).empty());

  Ref<TDirListing> handle = ReadDir(S(dir.Path()));
  ASSERT_TRUE(handle);
  int count = 0;
  while (!NextFile(handle).IsEmpty()) ++count;
  EXPECT_EQ(count, 5);
  EXPECT_EQ(NextFile(handle), String());
  CloseDir(handle);
  EXPECT_EQ(NextFile(handle), String());
  EXPECT_FALSE(ReadDir(S(dir / "missing")));
}

TEST(FileSystem, NamesThatAreNotUtf8KeepOneCharacterPerByte) {
  TempDir dir;
  dir.Write("\xE4\xC0\xAF", "x");  // ISO 8859-1 bytes, and an overlong "/"
  EXPECT_EQ(LoadDir(S(dir.Path()), true), std::vector<String>{String(u"\u00E4\u00C0\u00AF")});
}

TEST(FileSystem, DeleteDirWithAndWithoutItsContent) {
  TempDir dir;
  CreateDir(S(dir / "t/a/b"), true);
  dir.Write("t/a/b/f", "x");
  dir.Write("t/g", "y");
  chmod((dir / "t/g").c_str(), 0444);
  EXPECT_FALSE(DeleteDir(S(dir / "t")));  // not empty
  EXPECT_EQ(FileType(S(dir / "t")), 2);
  EXPECT_TRUE(DeleteDir(S(dir / "t/"), true));
  EXPECT_EQ(FileType(S(dir / "t")), 0);
  EXPECT_FALSE(DeleteDir(S(dir / "missing"), true));
  EXPECT_TRUE(DeleteDir(S(dir / "missing"), false));  // nothing there afterwards

  // A link inside goes itself; what it points to stays.
  CreateDir(S(dir / "keep"));
  dir.Write("keep/precious", "p");
  CreateDir(S(dir / "t2"));
  ASSERT_EQ(symlink((dir / "keep").c_str(), (dir / "t2/link").c_str()), 0);
  EXPECT_TRUE(DeleteDir(S(dir / "t2"), true));
  EXPECT_EQ(dir.Read("keep/precious"), "p");
  EXPECT_EQ(FileMode(S(dir / "keep")) & 0700, 0700);
}

TEST(FileSystem, RenameAndChangeDir) {
  TempDir dir;
  dir.Write("a", "A");
  EXPECT_TRUE(RenameFile(S(dir / "a"), S(dir / "b")));
  EXPECT_EQ(dir.Read("b"), "A");
  EXPECT_FALSE(RenameFile(S(dir / "a"), S(dir / "c")));

  const String before = CurrentDir();
  CreateDir(S(dir / "sub"));
  EXPECT_TRUE(ChangeDir(S(dir / "sub/")));
  EXPECT_EQ(CurrentDir(), RealPath(S(dir / "sub")));
  EXPECT_EQ(FileType("../b"), 1);
  EXPECT_FALSE(ChangeDir(S(dir / "missing")));
  EXPECT_TRUE(ChangeDir(before));
}

TEST(FileSystem, CopyFilesAndTrees) {
  TempDir dir;
  std::string big(10000, '\0');
  for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i);
  dir.Write("src", big);
  EXPECT_TRUE(CopyFile(S(dir / "src"), S(dir / "dst")));
  EXPECT_EQ(dir.Read("dst"), big);
  EXPECT_FALSE(CopyFile(S(dir / "missing"), S(dir / "dst2")));
  EXPECT_EQ(FileType(S(dir / "dst2")), 0);
  EXPECT_FALSE(CopyFile(S(dir / "src"), S(dir / "no/folder/dst")));
  // Never onto itself, which would empty it.
  EXPECT_FALSE(CopyFile(S(dir / "src"), S(dir / "./src")));
  EXPECT_EQ(dir.Read("src"), big);

  CreateDir(S(dir / "tree/a/b"), true);
  dir.Write("tree/top", "t");
  dir.Write("tree/a/b/deep", "d");
  EXPECT_TRUE(CopyDir(S(dir / "tree"), S(dir / "copy")));
  EXPECT_EQ(dir.Read("copy/top"), "t");
  EXPECT_EQ(dir.Read("copy/a/b/deep"), "d");
  EXPECT_TRUE(CopyDir(S(dir / "tree"), S(dir / "copy")));  // over an existing copy
  EXPECT_FALSE(CopyDir(S(dir / "src"), S(dir / "copy2")));   // not a folder
  EXPECT_FALSE(CopyDir(S(dir / "tree"), S(dir / "src")));    // a file in the way
  EXPECT_FALSE(CopyDir(S(dir / "tree"), S(dir / "tree/a/inside")));
  EXPECT_EQ(FileType(S(dir / "tree/a/inside")), 0);
}

TEST(FileSystem, OpenFileIsAlwaysSeekable) {
  InitStream();
  TempDir dir;
  Ref<TStream> file = ReadFile(S(dir.Write("f", "file data")));
  ASSERT_TRUE(Cast<TCStream>(file));

  auto pipe = New<PipeStream>("piped content", 4);
  Ref<TStream> s = ReadFile(Ref<Object>(pipe));
  ASSERT_TRUE(Cast<TBankStream>(s));
  EXPECT_EQ(s->Size(), 13);
  EXPECT_EQ(s->Seek(6), 6);
  EXPECT_EQ(s->ReadLine(), String("content"));
  s->Seek(0);
  EXPECT_EQ(s->ReadString(5), String("piped"));

  // Nothing to read from a positionless stream that only writes.
  class WriteOnly : public TStream {};
  EXPECT_FALSE(WriteFile(Ref<Object>(New<WriteOnly>())));

  EXPECT_FALSE(ReadFile(S(dir / "missing")));
  EXPECT_FALSE(OpenFile(S(dir.Path()), true, false));
  Ref<TStream> w = WriteFile(S(dir / "w"));
  ASSERT_TRUE(w);
  w->WriteLine("x");
  EXPECT_EQ(CloseFile(w), 0);
  EXPECT_EQ(dir.Read("w"), "x\r\n");
}
