#include "cli/veldor_command.h"

#ifdef _WIN32
#include "cli/windows_console.h"

int wmain(int argc, wchar_t** argv) {
  return veldor::RunWithWindowsConsole(argc, argv, veldor::RunVeldorCli);
}
#else
#include <unistd.h>

#include <iostream>

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv + 1, argv + argc);
  return veldor::RunVeldorCli(args, std::cout, std::cerr, std::cin, isatty(STDIN_FILENO) == 1);
}
#endif
