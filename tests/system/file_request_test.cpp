#include "system/file_request.h"

#include <gtest/gtest.h>

namespace tazmix {
namespace {

std::string Describe(const std::vector<FileFilterGroup>& groups) {
  std::string out;
  for (const FileFilterGroup& g : groups) {
    out += g.description.ToUTF8String() + "=";
    for (size_t i = 0; i < g.patterns.size(); ++i) out += (i ? ";" : "") + g.patterns[i].ToUTF8String();
    out += "|";
  }
  return out;
}

TEST(FileRequestRules, FilterGroupsWithAndWithoutDescriptions) {
  EXPECT_EQ(Describe(ParseFileFilter("Image Files:png,jpg;Text:txt")), "Image Files=*.png;*.jpg|Text=*.txt|");
  EXPECT_EQ(Describe(ParseFileFilter("png,jpg")), "Files=*.png;*.jpg|");
  EXPECT_EQ(Describe(ParseFileFilter("")), "");
  EXPECT_EQ(Describe(ParseFileFilter("All:*")), "All=*|");
  // Empty pieces from stray separators are skipped.
  EXPECT_EQ(Describe(ParseFileFilter("Image:png,;;Sound:wav;")), "Image=*.png|Sound=*.wav|");
}

TEST(FileRequestRules, TheDefaultGroupIsTheOneListingThePathsExtension) {
  EXPECT_EQ(DefaultFilterGroup("png,jpg", "pics/a.jpg"), 1);
  EXPECT_EQ(DefaultFilterGroup("png,jpg", "a.png"), 1);
  EXPECT_EQ(DefaultFilterGroup("Image:png;Sound:wav", "x.wav"), 2);
  EXPECT_EQ(DefaultFilterGroup("Image:png;Sound:wav", "X.WAV"), 2);
  EXPECT_EQ(DefaultFilterGroup("Image Files:PNG,jpg;Text:txt", "a.png"), 1);
  EXPECT_EQ(DefaultFilterGroup("Image:png;Sound:wav;Text:txt", "dir\\notes.txt"), 3);
  // Whole extensions only: "pn" is not "png", "wav" is not "wave".
  EXPECT_EQ(DefaultFilterGroup("Image:png;Sound:wave", "a.pn"), 0);
  EXPECT_EQ(DefaultFilterGroup("Image:png;Sound:wave", "a.wav"), 0);
  EXPECT_EQ(DefaultFilterGroup("Image:png", "noextension"), 0);
  EXPECT_EQ(DefaultFilterGroup("Image:png", ""), 0);
  EXPECT_EQ(DefaultFilterGroup("", "a.png"), 0);
  // A dot in a folder name does not hide the file's extension.
  EXPECT_EQ(DefaultFilterGroup("Text:txt;Image:png", "./my.pics/a.png"), 2);
}

TEST(FileRequestRules, ThePathSplitsIntoInitialFolderAndName) {
  auto check = [](const char* path, const char* folder, const char* name) {
    InitialFileLocation at = SplitRequestPath(path);
    EXPECT_EQ(at.folder, String(folder)) << path;
    EXPECT_EQ(at.name, String(name)) << path;
  };
  check("pics/a.jpg", "pics", "a.jpg");
  check("pics\\sub/a.jpg", "pics/sub", "a.jpg");
  check("a.jpg", "", "a.jpg");
  check("/home/u/", "/home/u", "");
  check("/a.jpg", "/", "a.jpg");
  check("", "", "");
}

}  // namespace
}  // namespace tazmix
