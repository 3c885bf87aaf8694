// The Debian package as a player gets it: packed from this build into a
// folder of the test's own, unpacked into a temporary root, the game started
// through its /usr/games link on a virtual display, every library it loads
// traced to the package's Depends, and the menu entry, metainfo and package
// judged by Debian's own checkers.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tests/e2e/game_window.h"
#include "tests/support/child_process.h"

using namespace vindra::e2e;
namespace fs = std::filesystem;

namespace {

const char* const kFont = "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf";

bool Installed(const std::string& program) { return access(program.c_str(), X_OK) == 0; }

// Runs a command, ended after `seconds`; exit code 124 then.
tazmix::test::ChildResult RunBounded(const std::vector<std::string>& command, int seconds) {
  std::vector<std::string> argv = {"timeout", "-k", "5", std::to_string(seconds)};
  argv.insert(argv.end(), command.begin(), command.end());
  return tazmix::test::RunChild("/usr/bin/timeout", argv);
}

std::string Said(const tazmix::test::ChildResult& r) {
  return "exit " + std::to_string(r.exit_code) + (r.exit_code == 124 ? " (timed out)" : "") + "\n" + r.out + r.err;
}

// The package names of a Debian relationship field ("a (>= 1), b | c:any"),
// every alternative's; also reads dpkg -S's "a:amd64, b:amd64".
std::vector<std::string> RelatedPackages(std::string field) {
  std::replace(field.begin(), field.end(), '|', ',');
  std::vector<std::string> names;
  std::istringstream items(field);
  for (std::string item; std::getline(items, item, ',');) {
    const size_t start = item.find_first_not_of(" \t\n");
    if (start == std::string::npos) continue;
    const size_t end = item.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789+-.", start);
    names.push_back(item.substr(start, end - start));
  }
  return names;
}

// Every installed package that `roots` bring, through Depends and
// Pre-Depends and what provides a virtual package, the roots included.
std::set<std::string> Reached(const std::vector<std::string>& roots) {
  std::map<std::string, std::string> depends;
  std::multimap<std::string, std::string> providers;
  std::istringstream lines(
      RunBounded({"dpkg-query", "-W",
                  "--showformat=${db:Status-Abbrev}\t${Package}\t${Provides}\t${Pre-Depends}, ${Depends}\n"},
                 20)
          .out);
  for (std::string line; std::getline(lines, line);) {
    std::vector<std::string> fields;
    std::istringstream parts(line);
    for (std::string f; std::getline(parts, f, '\t');) fields.push_back(f);
    if (fields.size() < 4 || fields[0].rfind("ii", 0) != 0) continue;
    depends[fields[1]] = fields[3];
    for (const std::string& virtual_name : RelatedPackages(fields[2])) providers.emplace(virtual_name, fields[1]);
  }
  std::set<std::string> reached;
  std::deque<std::string> next(roots.begin(), roots.end());
  while (!next.empty()) {
    const std::string name = next.front();
    next.pop_front();
    std::vector<std::string> packages;
    if (depends.count(name)) packages.push_back(name);
    for (auto [p, end] = providers.equal_range(name); p != end; ++p) packages.push_back(p->second);
    for (const std::string& package : packages) {
      if (!reached.insert(package).second) continue;
      for (const std::string& d : RelatedPackages(depends[package])) next.push_back(d);
    }
  }
  return reached;
}

// The files a process loaded (its own program included), from the dynamic
// loader's log: LD_DEBUG=libs with LD_DEBUG_OUTPUT=<prefix> writes
// <prefix>.<pid>, one "calling init: <path>" line per library set up.
std::set<std::string> LoadedLibraries(const std::string& folder) {
  std::set<std::string> loaded;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.path().filename().string().rfind("ld.", 0) != 0) continue;
    std::ifstream log(entry.path());
    for (std::string line; std::getline(log, line);) {
      const size_t at = line.find("calling init: ");
      if (at != std::string::npos) loaded.insert(line.substr(at + 14));
    }
  }
  return loaded;
}

// The packages a file belongs to, by dpkg -S, trying the path's other name
// under merged /usr (/lib and /usr/lib are one folder; dpkg knows only one).
std::map<std::string, std::set<std::string>> OwningPackages(const std::set<std::string>& files) {
  auto names_of = [](const std::string& path) {
    std::vector<std::string> names;
    for (const std::string& p : {path, tazmix::test::RealPath(path)}) {
      names.push_back(p);
      names.push_back(p.rfind("/usr/", 0) == 0 ? p.substr(4) : "/usr" + p);
    }
    return names;
  };
  std::vector<std::string> query = {"dpkg", "-S"};
  for (const std::string& f : files) {
    for (const std::string& name : names_of(f)) query.push_back(name);
  }
  std::map<std::string, std::set<std::string>> owner_of_name;
  std::istringstream lines(RunBounded(query, 30).out);
  for (std::string line; std::getline(lines, line);) {
    const size_t colon = line.rfind(": /");
    if (colon == std::string::npos || line.rfind("diversion", 0) == 0) continue;
    for (const std::string& package : RelatedPackages(line.substr(0, colon))) {
      owner_of_name[line.substr(colon + 2)].insert(package);
    }
  }
  std::map<std::string, std::set<std::string>> owners;
  for (const std::string& f : files) {
    for (const std::string& name : names_of(f)) owners[f].merge(std::set<std::string>(owner_of_name[name]));
  }
  return owners;
}

class DebPackage : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!Installed("/usr/bin/dpkg-deb") || !Installed("/usr/bin/dpkg-shlibdeps")) {
      GTEST_SKIP() << "dpkg-deb or dpkg-shlibdeps is missing: scripts/install-deps.sh installs dpkg-dev";
    }
    const auto packed = RunBounded({VINDRA_CPACK, "--config", VINDRA_CPACK_CONFIG, "-B", out_.Path()}, 40);
    ASSERT_EQ(packed.exit_code, 0) << "cpack: " << Said(packed);
    for (const auto& entry : fs::directory_iterator(out_.Path())) {
      const std::string name = entry.path().filename().string();
      if (name.rfind(VINDRA_DEB_NAME "_", 0) == 0 && entry.path().extension() == ".deb") deb_ = entry.path();
    }
    ASSERT_FALSE(deb_.empty()) << "no " VINDRA_DEB_NAME "_<arch>.deb; cpack said: " << Said(packed);
    root_ = out_.Path() + "/root";
    const auto unpacked = RunBounded({"dpkg-deb", "-x", deb_, root_}, 10);
    ASSERT_EQ(unpacked.exit_code, 0) << "dpkg-deb -x: " << Said(unpacked);
    // What fonts-liberation2 puts in place: the font the package links to.
    const fs::path font = root_ + kFont;
    fs::create_directories(font.parent_path());
    fs::create_symlink(kFont, font);
  }

  std::string Field(const std::string& name) { return RunBounded({"dpkg-deb", "-f", deb_, name}, 10).out; }

  tazmix::test::TempFolder out_;
  std::string deb_;
  std::string root_;
};

TEST_F(DebPackage, UnpackedGamePlaysThroughItsLink) {
  const std::string folder = root_ + "/usr/lib/games/vindra";
  EXPECT_TRUE(fs::is_symlink(folder + "/arial.ttf")) << "arial.ttf is a link, not a copy";
  EXPECT_TRUE(fs::is_regular_file(folder + "/arial.ttf")) << "the link leads to the font";
  ASSERT_TRUE(fs::is_symlink(root_ + "/usr/games/vindra"));

  VirtualDisplay display;
  ASSERT_TRUE(display.Running()) << "Xvfb did not start";
  GameWindow game(display);
  // Started from another folder: the game finds its files from its own.
  ASSERT_TRUE(game.Start(root_ + "/usr/games/vindra", {}, out_.Path(), 20000));
  ASSERT_TRUE(game.WaitForTitle(15000));
  game.Click(400, 237);
  ASSERT_TRUE(game.WaitForRound(15000));
  game.Key("Escape");
  ASSERT_TRUE(game.WaitForTitle(15000));
  game.Key("Escape");
  const Exit exit = game.Game().WaitForExit(10000);
  EXPECT_FALSE(exit.running) << "still running 10 s after Escape on the title";
  EXPECT_TRUE(exit.exited) << "signal " << exit.signal_number;
  EXPECT_EQ(exit.code, 0) << game.Game().Stderr();
}

// dpkg-shlibdeps sees only the libraries the program is linked with; SDL
// opens libGL and libGL Mesa's driver while the window opens. Each library
// the running game loads must come from a package that its Depends bring,
// or a player's machine without it gets no window.
TEST_F(DebPackage, EveryLibraryItLoadsComesFromItsDepends) {
  VirtualDisplay display;
  ASSERT_TRUE(display.Running()) << "Xvfb did not start";
  const std::string logs = out_.Path() + "/loader";
  fs::create_directories(logs);
  {
    GameWindow game(display);
    // env sets the loader's log for the game alone, not for xdotool.
    ASSERT_TRUE(game.Start("/usr/bin/env",
                           {"LD_DEBUG=libs", "LD_DEBUG_OUTPUT=" + logs + "/ld", root_ + "/usr/games/vindra"},
                           out_.Path(), 20000));
    ASSERT_TRUE(game.WaitForTitle(15000));
    game.Key("Escape");
    const Exit exit = game.Game().WaitForExit(10000);
    ASSERT_FALSE(exit.running) << "still running 10 s after Escape on the title";
  }
  std::set<std::string> loaded = LoadedLibraries(logs);
  std::erase_if(loaded, [&](const std::string& path) { return path.rfind(root_, 0) == 0; });  // the package's own
  ASSERT_TRUE(
      std::any_of(loaded.begin(), loaded.end(), [](const std::string& p) { return p.ends_with("/libGL.so.1"); }))
      << "the loader's log shows no libGL.so.1; it shows " << loaded.size() << " files";

  std::vector<std::string> roots = RelatedPackages(Field("Pre-Depends") + "," + Field("Depends"));
  const std::set<std::string> reached = Reached(roots);
  std::string missing;
  for (const auto& [library, packages] : OwningPackages(loaded)) {
    if (packages.empty()) {
      missing += "  " + library + ": in no installed Debian package\n";
    } else if (std::none_of(packages.begin(), packages.end(), [&](const std::string& p) { return reached.count(p); })) {
      missing += "  " + library + " from " + *packages.begin() + "\n";
    }
  }
  EXPECT_EQ(missing, "") << "The game loads libraries that the package's Depends do not bring:\n"
                         << missing << "Depends: " << Field("Depends");
}

TEST_F(DebPackage, DebianCheckersAcceptIt) {
  // Dependencies found from the program's libraries, plus the font's package.
  const std::string depends = Field("Depends");
  for (const char* package : {"fonts-liberation2", "libsdl2-2.0-0", "libpng16-16", "libfreetype6", "libc6"}) {
    EXPECT_NE(depends.find(package), std::string::npos) << package << " not in: " << depends;
  }

  struct Checker {
    const char* program;
    std::vector<std::string> args;
    int seconds;
  };
  const Checker checkers[] = {
      {"desktop-file-validate", {root_ + "/usr/share/applications/org.tazmix.Vindra.desktop"}, 10},
      {"appstreamcli", {"validate", "--no-net", root_ + "/usr/share/metainfo/org.tazmix.Vindra.metainfo.xml"}, 10},
      // Errors fail it; warnings and notes are the packager's to judge.
      // lintian reads the whole package: on a busy machine it takes a minute.
      {"lintian", {"--fail-on", "error", deb_}, 90},
  };
  for (const Checker& c : checkers) {
    SCOPED_TRACE(c.program);
    if (!Installed(std::string("/usr/bin/") + c.program)) {
      ADD_FAILURE() << c.program << " is missing: scripts/install-deps.sh installs it";
      continue;
    }
    std::vector<std::string> command = {c.program};
    command.insert(command.end(), c.args.begin(), c.args.end());
    const auto r = RunBounded(command, c.seconds);
    EXPECT_EQ(r.exit_code, 0) << Said(r);
    EXPECT_EQ(r.out.find("E: "), std::string::npos) << r.out;
  }
}

}  // namespace
