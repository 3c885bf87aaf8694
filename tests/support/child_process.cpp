#include "tests/support/child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <stdexcept>

namespace tazmix::test {

ChildResult RunChild(const std::string& program, const std::vector<std::string>& args,
                     const ChildOptions& options) {
  int out_pipe[2], err_pipe[2];
  if (pipe2(out_pipe, O_CLOEXEC) != 0 || pipe2(err_pipe, O_CLOEXEC) != 0) throw std::runtime_error("pipe");

  std::vector<char*> argv;
  for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);

  // The parent's environment with the requested entries replacing any of the
  // same name; built before fork, so the child only calls exec-safe functions.
  std::vector<std::string> env_text;
  for (char** e = environ; *e; ++e) {
    const std::string entry(*e);
    const std::string name = entry.substr(0, entry.find('=') + 1);
    bool replaced = false;
    for (const auto& o : options.environment) replaced = replaced || o.compare(0, name.size(), name) == 0;
    if (!replaced) env_text.push_back(entry);
  }
  env_text.insert(env_text.end(), options.environment.begin(), options.environment.end());
  std::vector<char*> envp;
  for (auto& e : env_text) envp.push_back(e.data());
  envp.push_back(nullptr);

  const pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork");
  if (pid == 0) {
    dup2(out_pipe[1], STDOUT_FILENO);
    dup2(err_pipe[1], STDERR_FILENO);
    if (!options.working_directory.empty() && chdir(options.working_directory.c_str()) != 0) _exit(120);
    const rlimit no_core{0, 0};
    setrlimit(RLIMIT_CORE, &no_core);
    execve(program.c_str(), argv.data(), envp.data());
    _exit(121);
  }
  close(out_pipe[1]);
  close(err_pipe[1]);

  ChildResult result;
  pollfd fds[2] = {{out_pipe[0], POLLIN, 0}, {err_pipe[0], POLLIN, 0}};
  std::string* sinks[2] = {&result.out, &result.err};
  int open_count = 2;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(options.timeout_ms);
  while (open_count > 0) {
    int wait_ms = -1;
    if (options.timeout_ms > 0) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
      wait_ms = static_cast<int>(std::max<int64_t>(left.count(), 0));
    }
    const int ready = poll(fds, 2, wait_ms);
    if (ready < 0) {
      if (errno == EINTR) continue;
      break;
    }
    if (ready == 0 && options.timeout_ms > 0) {
      // Out of time: what it wrote so far is kept; a grandchild holding the
      // pipes open must not keep the caller waiting either.
      result.timed_out = true;
      kill(pid, SIGKILL);
      for (pollfd& f : fds) {
        if (f.fd >= 0) close(f.fd);
      }
      break;
    }
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
      char buffer[4096];
      const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
      if (n > 0) {
        sinks[i]->append(buffer, static_cast<size_t>(n));
      } else {
        close(fds[i].fd);
        fds[i].fd = -1;
        --open_count;
      }
    }
  }

  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  if (WIFEXITED(status)) {
    result.exited = true;
    result.exit_code = WEXITSTATUS(status);
  } else if (WIFSIGNALED(status)) {
    result.signal_number = WTERMSIG(status);
  }
  return result;
}

std::vector<std::string> OwnSignalHandlersEnvironment() {
  return {"ASAN_OPTIONS=handle_segv=0:handle_sigfpe=0:handle_sigbus=0:handle_sigill=0:"
          "handle_abort=0:allow_user_segv_handler=1:use_sigaltstack=0"};
}

std::string FolderOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string RealPath(const std::string& path) { return std::filesystem::canonical(path).string(); }

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "tazmix-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp");
  path_ = RealPath(pattern);
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace tazmix::test
