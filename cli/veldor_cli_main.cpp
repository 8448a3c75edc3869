#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "cli/veldor_command.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv + 1, argv + argc);
  return veldor::RunVeldorCli(args, std::cout, std::cerr, std::cin, isatty(STDIN_FILENO) == 1);
}
