#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>

#include "stream/cstream.h"
#include "tests/stream/stream_test_util.h"
#include "tests/support/temp_dir.h"

using namespace tazmix;
using namespace tazmix::testing;

namespace {

String S(const std::string& path) { return String::FromUTF8String(path); }

}  // namespace

TEST(CStream, OpenModes) {
  TempDir dir;
  const std::string file = dir.Write("f.bin", "hello");
  auto neither = TCStream::OpenFile(S(file), false, false);
  ASSERT_TRUE(neither);
  EXPECT_EQ(neither->Mode(), TCStream::MODE_READ);
  EXPECT_EQ(neither->Size(), 5);
  EXPECT_EQ(neither->ReadString(5), String("hello"));

  auto both = TCStream::OpenFile(S(file), true, true);
  EXPECT_EQ(both->Mode(), TCStream::MODE_READ | TCStream::MODE_WRITE);
  auto write = TCStream::OpenFile(S(file), false, true);  // truncates
  EXPECT_EQ(write->Mode(), TCStream::MODE_WRITE);
  EXPECT_EQ(write->Size(), 0);
  char b;
  EXPECT_EQ(write->Read(&b, 1), 0);  // reading a write-only file moves nothing
}

TEST(CStream, WritingPastTheEndGrowsAndSeekingBackKeepsTheSize) {
  TempDir dir;
  const std::string file = dir.Write("f.bin", "abc");
  auto s = TCStream::OpenFile(S(file), true, true);
  EXPECT_EQ(s->Seek(2), 2);
  s->WriteString("XYZ");
  EXPECT_EQ(s->Pos(), 5);
  EXPECT_EQ(s->Size(), 5);
  EXPECT_EQ(s->Seek(0), 0);
  EXPECT_EQ(s->Size(), 5);
  EXPECT_EQ(s->ReadString(5), String("abXYZ"));
  // Turning from reading to writing and back without a seek in between.
  s->Seek(1);
  EXPECT_EQ(s->ReadByte(), 'b');
  s->WriteByte('!');
  EXPECT_EQ(s->ReadByte(), 'Y');
  s->Close();
  EXPECT_EQ(dir.Read("f.bin"), "ab!YZ");
}

TEST(CStream, CloseIsFinalAndRepeatable) {
  TempDir dir;
  auto s = TCStream::OpenFile(S(dir.Write("f.bin", "abc")), true, false);
  s->Seek(2);
  EXPECT_EQ(s->Close(), 0);
  EXPECT_EQ(s->Pos(), 0);
  EXPECT_EQ(s->Size(), 0);
  EXPECT_EQ(s->Close(), 0);
  char b;
  EXPECT_EQ(s->Read(&b, 1), 0);
}

TEST(CStream, DestroyingFlushesAndCloses) {
  TempDir dir;
  TCStream::OpenFile(S(dir / "f.bin"), false, true)->WriteString("kept");
  EXPECT_EQ(dir.Read("f.bin"), "kept");
}

TEST(CStream, WhatCannotBeOpenedGivesNull) {
  TempDir dir;
  EXPECT_FALSE(TCStream::OpenFile(S(dir / "missing"), true, false));
  EXPECT_FALSE(TCStream::OpenFile(S(dir.Path()), true, false));  // a folder
  dir.Write("a<b", "x");
  EXPECT_FALSE(TCStream::OpenFile(S(dir / "a<b"), true, false));
  EXPECT_FALSE(TCStream::OpenFile(S(dir / "x>"), false, true));
  EXPECT_FALSE(TCStream::OpenFile(S(dir / "missing/f"), false, true));
}

TEST(CStream, BackslashesAndUtf8Names) {
  TempDir dir;
  dir.Write("Grüße.txt", "ok");
  auto s = TCStream::OpenFile(S(dir.Path() + "\\Grüße.txt"), true, false);
  ASSERT_TRUE(s);
  EXPECT_EQ(s->ReadString(2), String("ok"));
}
