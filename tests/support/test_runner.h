#pragma once
// What every test program's main does besides running the tests.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace veldor::testing {

#ifndef _WIN32

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
#endif

/// Sets environment variables for one test and puts back what they were when it ends.
class ScopedEnvironment {
 public:
  ScopedEnvironment() = default;
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
  ~ScopedEnvironment() {
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) Put(it->first, it->second);
  }
  /// Sets `name` to `value`, or removes it for nothing.
  void Set(const std::string& name, const std::optional<std::string>& value) {
    const char* old = std::getenv(name.c_str());
    saved_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
    Put(name, value);
  }

 private:
  static void Put(const std::string& name, const std::optional<std::string>& value) {
#ifdef _WIN32
    ::_putenv((name + "=" + value.value_or("")).c_str());
#else
    value ? ::setenv(name.c_str(), value->c_str(), 1) : ::unsetenv(name.c_str());
#endif
  }
  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

/// Dates are shown in local time: tests pin the zone to Japan's, whatever runs them (a
/// POSIX zone string, which the Windows C library reads too; Japan keeps no summer time).
inline void PinTimeZoneToTokyo() {
#ifdef _WIN32
  ::_putenv("TZ=JST-9");
  ::_tzset();
#else
  ::setenv("TZ", "JST-9", 1);
  ::tzset();
#endif
}

/// Runs the tests selected on the command line with the guard in place.
inline int RunAllTests(int& argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
#ifndef _WIN32
  ::testing::UnitTest::GetInstance()->listeners().Append(new ForkedRunnerGuard);
#endif
  return RUN_ALL_TESTS();
}

}  // namespace veldor::testing
