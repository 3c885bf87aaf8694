// File permissions do not stop root, and tests often run as root in
// containers. This runs a check where they hold.
#pragma once

#include <functional>
#include <optional>

namespace tazmix::testing {

// Runs `check` directly for an ordinary user; as root, in a child process
// that has given up root's rights (user and group "nobody"), so the paths it
// touches must be reachable for everyone. Returns the check's answer, or
// nothing when the rights could not be given up.
std::optional<bool> WithoutRootRights(const std::function<bool()>& check);

}  // namespace tazmix::testing
