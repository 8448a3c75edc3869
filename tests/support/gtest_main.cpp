// The main of the core's test programs.

#include "support/test_runner.h"

int main(int argc, char** argv) { return veldor::testing::RunAllTests(argc, argv); }
