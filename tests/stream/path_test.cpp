#include <gtest/gtest.h>

#include "stream/path.h"

using namespace tazmix;

namespace {
std::string T(const String& s) { return s.ToUTF8String(); }
}  // namespace

TEST(Path, FixPathNormalisesSeparatorsAndRoots) {
  EXPECT_EQ(T(FixPath("c:\\data\\x.txt")), "c:/data/x.txt");
  EXPECT_EQ(T(FixPath("c:")), "c:/");
  EXPECT_EQ(T(FixPath("c:a/b")), "c:/a/b");
  EXPECT_EQ(T(FixPath("c:/a")), "c:/a");
  EXPECT_EQ(T(FixPath("incbin::a/b")), "incbin::a/b");  // a protocol, not a drive
  EXPECT_EQ(T(FixPath("a/c:x")), "a/c:x");              // a "/" comes first
  EXPECT_EQ(T(FixPath("//srv")), "//srv/");
  EXPECT_EQ(T(FixPath("\\\\srv\\share")), "//srv/share");
  EXPECT_EQ(T(FixPath("a/b/", true)), "a/b");
  EXPECT_EQ(T(FixPath("a/b/", false)), "a/b/");
  EXPECT_EQ(T(FixPath("/", true)), "/");
  EXPECT_EQ(T(FixPath("c:/", true)), "c:/");
  EXPECT_EQ(T(FixPath("//srv/", true)), "//srv/");
  EXPECT_EQ(T(FixPath("")), "");
}

TEST(Path, Roots) {
  EXPECT_EQ(T(RootPath("//server/share/x")), "//server/");
  EXPECT_EQ(T(RootPath("//server")), "");
  EXPECT_EQ(T(RootPath("c:/x")), "c:/");
  EXPECT_EQ(T(RootPath("/usr/lib")), "/");
  EXPECT_EQ(T(RootPath("a/b")), "");
  EXPECT_EQ(T(RootPath("a:b/c")), "");
  EXPECT_TRUE(IsRootPath("/"));
  EXPECT_TRUE(IsRootPath("c:/"));
  EXPECT_TRUE(IsRootPath("//srv/"));
  EXPECT_FALSE(IsRootPath("/x"));
  EXPECT_FALSE(IsRootPath(""));
  EXPECT_TRUE(IsRealPath("/x"));
  EXPECT_TRUE(IsRealPath("c:/x"));
  EXPECT_FALSE(IsRealPath("x/y"));
}

TEST(Path, StrippingAndExtracting) {
  EXPECT_EQ(T(StripDir("a/b/c.txt")), "c.txt");
  EXPECT_EQ(T(StripDir("c.txt")), "c.txt");
  EXPECT_EQ(T(StripDir("a\\b")), "b");
  EXPECT_EQ(T(StripExt("a/b/c.txt")), "a/b/c");
  EXPECT_EQ(T(StripExt("a.b/c")), "a.b/c");
  EXPECT_EQ(T(StripExt("x.tar.gz")), "x.tar");
  EXPECT_EQ(T(StripAll("a/b/c.txt")), "c");
  EXPECT_EQ(T(ExtractExt("a/b/c.txt")), "txt");
  EXPECT_EQ(T(ExtractExt("a.b/c")), "");
  EXPECT_EQ(T(ExtractExt("noext")), "");
  EXPECT_EQ(T(StripSlash("a/b/")), "a/b");
  EXPECT_EQ(T(StripSlash("c:/")), "c:/");
  EXPECT_EQ(T(StripSlash("/")), "/");
  EXPECT_EQ(T(ExtractDir("a/b/c.txt")), "a/b");
  EXPECT_EQ(T(ExtractDir("/x")), "/");
  EXPECT_EQ(T(ExtractDir("x")), "");
  EXPECT_EQ(T(ExtractDir("..")), "..");
  EXPECT_EQ(T(ExtractDir(".")), ".");
  EXPECT_EQ(T(ExtractDir("c:/")), "c:/");
  EXPECT_EQ(T(ExtractDir("c:/a")), "c:/");
  EXPECT_EQ(T(ExtractDir("//srv/a")), "//srv/");
  EXPECT_EQ(T(ExtractDir("c:")), "c:/");
}

TEST(Path, RealPathResolvesDotsAsText) {
  EXPECT_EQ(T(RealPath("c:/a/./b/../c")), "c:/a/c");
  EXPECT_EQ(T(RealPath("c:/a/..")), "c:/");
  EXPECT_EQ(T(RealPath("c:/../..")), "c:/");
  EXPECT_EQ(T(RealPath("/a//b/")), "/a/b");
  EXPECT_EQ(T(RealPath("/a/..")), "/");
  EXPECT_EQ(T(RealPath("//srv/share/../x")), "//srv/x");
  const std::string cwd = T(CurrentDir());
  ASSERT_FALSE(cwd.empty());
  EXPECT_EQ(cwd[0], '/');
  EXPECT_EQ(T(RealPath("rel/x")), cwd + "/rel/x");
  EXPECT_EQ(T(RealPath(".")), cwd);
  EXPECT_EQ(T(RealPath("rel\\..\\y")), cwd + "/y");
}
