// The main of the core's test programs.

#include <gtest/gtest.h>

#include "support/test_runner.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  veldor::testing::GuardTestRunner();
  return RUN_ALL_TESTS();
}
