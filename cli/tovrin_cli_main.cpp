#include "cli/tovrin_command.h"

#ifdef _WIN32
#include "cli/windows_console.h"

int wmain(int argc, wchar_t** argv) {
  return veldor::RunWithWindowsConsole(argc, argv, veldor::RunTovrinCli);
}
#else
#include <unistd.h>

#include <iostream>

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return veldor::RunTovrinCli(args, std::cout, std::cerr, std::cin, isatty(STDIN_FILENO) == 1);
}
#endif
