#pragma once
// What every test program's main does besides running the tests.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>

namespace veldor::testing {

/// Fails loudly when a forked child of a test returns into the test runner instead of
/// running its program or exiting: its verdicts would otherwise count as the test's own.
struct ForkedRunnerGuard : ::testing::EmptyTestEventListener {
  void OnTestEnd(const ::testing::TestInfo& test) override {
    if (::getpid() == runner) return;
    std::printf("[  FAILED  ] %s.%s: a forked child returned into the test runner\n",
                test.test_suite_name(), test.name());
    std::fflush(stdout);
    ::_exit(1);
  }
  const pid_t runner = ::getpid();
};

/// Runs the tests selected on the command line with the guard in place.
inline int RunAllTests(int& argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::UnitTest::GetInstance()->listeners().Append(new ForkedRunnerGuard);
  return RUN_ALL_TESTS();
}

}  // namespace veldor::testing
