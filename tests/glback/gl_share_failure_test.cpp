// The shared context is the one GL failure that ends the process: it must
// say why and not report success.
#include <gtest/gtest.h>

#include "tests/support/child_process.h"

namespace tazmix {
namespace {

const std::string kHelper = std::string(TAZMIX_TEST_HELPER_DIR) + "/gl_share_contexts";

TEST(GLShareContexts, FailureEndsTheProcessWithAMessageAndAnErrorCode) {
  test::ChildOptions options;
  options.environment = {"SDL_VIDEODRIVER=no-such-driver"};
  const test::ChildResult r = test::RunChild(kHelper, {kHelper}, options);
  ASSERT_TRUE(r.exited);
  EXPECT_NE(r.exit_code, 0);
  EXPECT_NE(r.err.find("GLGraphicsDriver failed to create the shared GL context"),
            std::string::npos)
      << r.err;
  EXPECT_EQ(r.out, "");
}

TEST(GLShareContexts, SucceedsWhereThereIsADisplay) {
  const test::ChildResult r = test::RunChild(kHelper, {kHelper});
  ASSERT_TRUE(r.exited);
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out, "shared context made\n");
}

}  // namespace
}  // namespace tazmix
