// Waiting for the system driver to deliver something: the tests poll it
// until a condition holds, within a bound in real time, and a failure says
// what was awaited.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include "system/system_driver.h"

namespace tazmix::testing {

inline ::testing::AssertionResult AwaitSystem(const std::function<bool()>& done, const std::string& what,
                                              std::chrono::milliseconds limit = std::chrono::seconds(10)) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return ::testing::AssertionFailure() << "gave up waiting for " << what;
    PollSystem();
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return ::testing::AssertionSuccess();
}

}  // namespace tazmix::testing
