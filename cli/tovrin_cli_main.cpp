#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "cli/tovrin_command.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return veldor::RunTovrinCli(args, std::cout, std::cerr, std::cin, isatty(STDIN_FILENO) == 1);
}
