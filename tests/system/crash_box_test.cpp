#include <gtest/gtest.h>

#include <csignal>

#include "tests/support/child_process.h"

namespace tazmix {
namespace {

TEST(CrashMessageBox, WithoutADisplayTheReporterOnlyWritesTheName) {
  test::ChildOptions options;
  options.environment = test::OwnSignalHandlersEnvironment();
  options.environment.push_back("DISPLAY=");
  options.environment.push_back("WAYLAND_DISPLAY=");
  const test::ChildResult r =
      test::RunChild(std::string(TAZMIX_TEST_HELPER_DIR) + "/system_crash", {"system_crash"}, options);
  EXPECT_FALSE(r.exited);
  EXPECT_EQ(r.signal_number, SIGSEGV);
  EXPECT_EQ(r.err, "EXCEPTION_ACCESS_VIOLATION\n");
}

}  // namespace
}  // namespace tazmix
