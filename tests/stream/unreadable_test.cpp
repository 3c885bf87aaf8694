// Every loader meets a folder it may not read with its failure result.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "stream/bank.h"
#include "stream/filesystem.h"
#include "stream/load_save.h"
#include "stream/stream_factory.h"
#include "tests/stream/stream_test_util.h"
#include "tests/support/temp_dir.h"
#include "tests/support/unprivileged.h"

using namespace tazmix;
using namespace tazmix::testing;

TEST(Unreadable, LoadersFailCleanlyOnAFolderThatMayNotBeRead) {
  TempDir dir;
  chmod(dir.Path().c_str(), 0755);
  dir.Write("f.txt", "data");
  CreateDir(String::FromUTF8String(dir / "closed"));
  dir.Write("closed/inner.txt", "secret");
  chmod((dir / "closed").c_str(), 0);
  chmod((dir / "f.txt").c_str(), 0);
  const String closed = String::FromUTF8String(dir / "closed");
  const String inner = String::FromUTF8String(dir / "closed/inner.txt");
  const String locked = String::FromUTF8String(dir / "f.txt");

  const auto result = WithoutRootRights([&] {
    return !ReadDir(closed) && LoadDir(closed, true).empty() && !DeleteDir(closed, true) &&
           FileType(inner) == 0 && FileSize(inner) == -1 && !ReadStream(inner) && !ReadStream(locked) &&
           !LoadBank(inner) && !ReadFile(locked) && !CopyFile(locked, String::FromUTF8String(dir / "copy")) &&
           !CopyDir(closed, String::FromUTF8String(dir / "copydir")) &&
           Raises<TStreamReadException>([&] { LoadByteArray(inner); }) &&
           Raises<TStreamReadException>([&] { LoadString(locked); }) &&
           Raises<TStreamWriteException>([&] { SaveString("x", inner); });
  });
  if (!result) GTEST_SKIP() << "cannot give up root's rights here";
  EXPECT_TRUE(*result);
  chmod((dir / "closed").c_str(), 0700);
  EXPECT_EQ(dir.Read("closed/inner.txt"), "secret");
}
