#include "system/platform/dialog_program.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "runtime/exception.h"
#include "system/file_request.h"

extern char** environ;

namespace tazmix {

namespace {

bool IsExecutableFile(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(path.c_str(), X_OK) == 0;
}

std::string FindOnPath(const std::string& name) {
  const char* path = std::getenv("PATH");
  if (!path) return std::string();
  std::string dirs(path);
  size_t start = 0;
  while (start <= dirs.size()) {
    size_t end = dirs.find(':', start);
    if (end == std::string::npos) end = dirs.size();
    std::string dir = dirs.substr(start, end - start);
    if (dir.empty()) dir = ".";
    std::string candidate = dir + "/" + name;
    if (IsExecutableFile(candidate)) return candidate;
    start = end + 1;
  }
  return std::string();
}

// The groups in the order the dialog lists them: the selected one first.
std::vector<FileFilterGroup> OrderedGroups(const String& filter, const String& path) {
  std::vector<FileFilterGroup> groups = ParseFileFilter(filter);
  const int32_t selected = DefaultFilterGroup(filter, path);
  if (selected > 1 && selected <= static_cast<int32_t>(groups.size())) {
    FileFilterGroup first = groups[static_cast<size_t>(selected - 1)];
    groups.erase(groups.begin() + (selected - 1));
    groups.insert(groups.begin(), first);
  }
  return groups;
}

std::string JoinPatterns(const FileFilterGroup& group) {
  std::string joined;
  for (const String& pattern : group.patterns) {
    if (!joined.empty()) joined += ' ';
    joined += pattern.ToUTF8String();
  }
  return joined;
}

// "folder/name", "folder/" (a trailing slash opens the folder) or "name".
std::string InitialPath(const String& path) {
  const InitialFileLocation at = SplitRequestPath(path);
  std::string initial = at.folder.ToUTF8String();
  if (!initial.empty() && initial.back() != '/') initial += '/';
  return initial + at.name.ToUTF8String();
}

}  // namespace

std::string FindDialogProgram(DialogProgram* kind) {
  std::string found = FindOnPath("zenity");
  if (!found.empty()) {
    *kind = DialogProgram::kZenity;
    return found;
  }
  found = FindOnPath("kdialog");
  if (!found.empty()) *kind = DialogProgram::kKDialog;
  return found;
}

std::vector<std::string> FileDialogArguments(DialogProgram kind, const String& title, const String& filter,
                                             bool save, const String& path) {
  const std::vector<FileFilterGroup> groups = OrderedGroups(filter, path);
  const std::string initial = InitialPath(path);
  std::vector<std::string> args;
  if (kind == DialogProgram::kZenity) {
    args = {"--file-selection", "--title=" + title.ToUTF8String()};
    if (save) {
      args.push_back("--save");
      args.push_back("--confirm-overwrite");
    }
    if (!initial.empty()) args.push_back("--filename=" + initial);
    for (const FileFilterGroup& group : groups) {
      args.push_back("--file-filter=" + group.description.ToUTF8String() + " | " + JoinPatterns(group));
    }
    return args;
  }
  args = {"--title", title.ToUTF8String(), save ? "--getsavefilename" : "--getopenfilename",
          initial.empty() ? std::string(".") : initial};
  std::string filter_text;
  for (const FileFilterGroup& group : groups) {
    if (!filter_text.empty()) filter_text += '\n';
    filter_text += group.description.ToUTF8String() + " (" + JoinPatterns(group) + ")";
  }
  if (!filter_text.empty()) args.push_back(filter_text);
  return args;
}

std::vector<std::string> DirDialogArguments(DialogProgram kind, const String& title, const String& folder) {
  std::string start = folder.ToUTF8String();
  if (kind == DialogProgram::kZenity) {
    std::vector<std::string> args = {"--file-selection", "--directory", "--title=" + title.ToUTF8String()};
    if (!start.empty()) {
      if (start.back() != '/') start += '/';
      args.push_back("--filename=" + start);
    }
    return args;
  }
  return {"--title", title.ToUTF8String(), "--getexistingdirectory", start.empty() ? std::string(".") : start};
}

String RunDialogProgram(const std::string& program, const std::vector<std::string>& args,
                        const std::function<void()>& idle) {
  int out[2];
  if (pipe2(out, O_CLOEXEC) != 0) return String();

  // The child reads nothing and its complaints stay off the program's own
  // standard error.
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, out[1], 1);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);

  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);

  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  if (spawned != 0) {
    close(out[0]);
    return String();
  }

  std::string output;
  char buffer[4096];
  for (;;) {
    pollfd fd{out[0], POLLIN, 0};
    const int ready = poll(&fd, 1, 100);
    if (ready < 0 && errno != EINTR) break;
    if (ready <= 0) {
      if (idle) idle();
      continue;
    }
    const ssize_t n = read(out[0], buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    // A path is short; a program that floods the pipe is not a dialog.
    if (output.size() < 65536) output.append(buffer, static_cast<size_t>(n));
  }
  close(out[0]);

  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return String();

  const size_t line_end = output.find('\n');
  if (line_end != std::string::npos) output.resize(line_end);
  if (!output.empty() && output.back() == '\r') output.pop_back();
  try {
    return String::FromUTF8String(output);
  } catch (const Thrown&) {
    return String();  // a name beyond 16-bit characters cannot be a String
  }
}

}  // namespace tazmix
