// Runs a program as a child process and collects what it did, for tests of
// whole-process behaviour (exit codes, standard error, start-up directory).
#pragma once

#include <string>
#include <vector>

namespace tazmix::test {

struct ChildResult {
  bool exited = false;     // ended through exit (else through a signal)
  int exit_code = -1;      // valid when exited
  int signal_number = 0;   // valid when !exited
  std::string out;         // everything written to standard output
  std::string err;         // everything written to standard error
  bool timed_out = false;  // killed when the time given ran out
};

struct ChildOptions {
  std::string working_directory;  // empty: the test's own
  // Added to the environment, "NAME=value" each.
  std::vector<std::string> environment;
  // Above 0: the child is killed (SIGKILL) once it has run this long.
  int timeout_ms = 0;
};

// Runs `program` with `args` (args[0] is what the child sees as argv[0]).
// Core dumps are switched off in the child.
ChildResult RunChild(const std::string& program, const std::vector<std::string>& args,
                     const ChildOptions& options = {});

// Options that let a sanitizer build leave fault signals to the program's
// own handlers; harmless in a plain build.
std::vector<std::string> OwnSignalHandlersEnvironment();

// The folder of a path (text before the last "/").
std::string FolderOf(const std::string& path);
// The canonical form of an existing path.
std::string RealPath(const std::string& path);

// A fresh temporary folder, removed with everything in it on destruction.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace tazmix::test
