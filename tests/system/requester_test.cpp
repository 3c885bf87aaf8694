// File and folder requesters through a stand-in dialog program on PATH.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/child_process.h"
#include "system/system_driver.h"

namespace tazmix {
namespace {

class Requesters : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* path = std::getenv("PATH");
    saved_path_ = path ? path : "";
    setenv("PATH", folder_.Path().c_str(), 1);
  }
  void TearDown() override { setenv("PATH", saved_path_.c_str(), 1); }

  // A dialog program that writes each argument on a line of its own into
  // args.txt, prints `answer` and exits with `status`.
  void MakeProgram(const std::string& name, const std::string& answer, int status = 0) {
    const std::string file = folder_.Path() + "/" + name;
    std::ofstream script(file);
    script << "#!/bin/sh\n"
           << "for a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" << folder_.Path() << "/args.txt'\n"
           << "printf '%s\\n' '" << answer << "'\n"
           << "exit " << status << "\n";
    script.close();
    chmod(file.c_str(), 0755);
  }

  std::vector<std::string> Arguments() const {
    std::ifstream in(folder_.Path() + "/args.txt");
    std::vector<std::string> lines;
    std::string line, all;
    while (std::getline(in, line)) lines.push_back(line);
    return lines;
  }

  test::TempFolder folder_;
  std::string saved_path_;
};

TEST_F(Requesters, ZenityGetsTheTitleInitialPathAndFilterGroupsAndItsAnswerComesBack) {
  MakeProgram("zenity", "/home/u/pics/b.jpg");
  EXPECT_EQ(RequestFile(u"Bild öffnen", "Image Files:png,jpg;Text:txt", 0, "pics/a.jpg"),
            String("/home/u/pics/b.jpg"));
  const std::vector<std::string> expected = {
      "--file-selection", "--title=Bild öffnen", "--filename=pics/a.jpg",
      "--file-filter=Image Files | *.png *.jpg", "--file-filter=Text | *.txt"};
  EXPECT_EQ(Arguments(), expected);
}

TEST_F(Requesters, TheSelectedGroupComesFirstAndSavingAsksBeforeOverwriting) {
  MakeProgram("zenity", "x.wav");
  EXPECT_EQ(RequestFile("Save", "Image:png;Sound:wav", 1, "x.wav"), String("x.wav"));
  const std::vector<std::string> expected = {"--file-selection", "--title=Save",           "--save",
                                             "--confirm-overwrite", "--filename=x.wav",
                                             "--file-filter=Sound | *.wav", "--file-filter=Image | *.png"};
  EXPECT_EQ(Arguments(), expected);
}

TEST_F(Requesters, AFolderIsOfferedWithItsTrailingSlashAndAPlainListIsOneGroup) {
  MakeProgram("zenity", "/tmp/a.png");
  RequestFile("Open", "png,jpg", 0, "/tmp/");
  const std::vector<std::string> expected = {"--file-selection", "--title=Open", "--filename=/tmp/",
                                             "--file-filter=Files | *.png *.jpg"};
  EXPECT_EQ(Arguments(), expected);
}

TEST_F(Requesters, CancellingOrAFailingProgramGivesTheEmptyText) {
  MakeProgram("zenity", "/ignored", 1);
  EXPECT_EQ(RequestFile("Open", "", 0, ""), String(""));
  EXPECT_EQ(RequestDir("Folder", ""), String(""));
}

TEST_F(Requesters, WithoutADialogProgramTheResultIsEmpty) {
  EXPECT_EQ(RequestFile("Open", "png", 0, "a.png"), String(""));
  EXPECT_EQ(RequestDir("Folder", "/tmp"), String(""));
  // Present but not executable: not a program.
  std::ofstream(folder_.Path() + "/zenity") << "#!/bin/sh\necho /nope\n";
  EXPECT_EQ(RequestFile("Open", "png", 0, "a.png"), String(""));
}

TEST_F(Requesters, KDialogStandsInWhenThereIsNoZenity) {
  MakeProgram("kdialog", "/home/u/doc.txt");
  EXPECT_EQ(RequestFile("Open", "Image Files:png,jpg;Text:txt", 0, "docs/doc.txt"), String("/home/u/doc.txt"));
  const std::vector<std::string> expected = {"--title", "Open", "--getopenfilename", "docs/doc.txt",
                                             "Text (*.txt)", "Image Files (*.png *.jpg)"};
  EXPECT_EQ(Arguments(), expected);

  MakeProgram("kdialog", "/home/u");
  EXPECT_EQ(RequestDir("Where", "/home"), String("/home/u"));
  const std::vector<std::string> dir = {"--title", "Where", "--getexistingdirectory", "/home"};
  EXPECT_EQ(Arguments(), dir);
}

TEST_F(Requesters, TheFolderRequesterStartsInTheFullPathOfItsFolder) {
  MakeProgram("zenity", "/chosen");
  EXPECT_EQ(RequestDir("Pick", String::FromUTF8String(folder_.Path())), String("/chosen"));
  const std::vector<std::string> expected = {"--file-selection", "--directory", "--title=Pick",
                                             "--filename=" + folder_.Path() + "/"};
  EXPECT_EQ(Arguments(), expected);
}

}  // namespace
}  // namespace tazmix
