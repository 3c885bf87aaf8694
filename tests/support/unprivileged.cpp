#include "tests/support/unprivileged.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

namespace tazmix::testing {

std::optional<bool> WithoutRootRights(const std::function<bool()>& check) {
  if (geteuid() != 0) return check();
  std::fflush(nullptr);
  const pid_t child = fork();
  if (child < 0) return std::nullopt;
  if (child == 0) {
    const uid_t nobody = 65534;
    if (setgroups(0, nullptr) != 0 || setgid(nobody) != 0 || setuid(nobody) != 0) _exit(77);
    bool ok = false;
    try {
      ok = check();
    } catch (...) {
      ok = false;
    }
    _exit(ok ? 0 : 1);
  }
  int status = 0;
  if (waitpid(child, &status, 0) != child || !WIFEXITED(status)) return false;
  if (WEXITSTATUS(status) == 77) return std::nullopt;
  return WEXITSTATUS(status) == 0;
}

}  // namespace tazmix::testing
