#include "cli/veldor_command.h"

#ifdef _WIN32
#include "cli/windows_console.h"

int wmain(int argc, wchar_t** argv) {
  return veldor::RunWithWindowsConsole("veldor-cli", argc, argv, veldor::RunVeldorCli);
}
#else
#include <unistd.h>

#include <iostream>

#include "cli/program_output.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv + 1, argv + argc);
  veldor::ProgramOutput output(STDOUT_FILENO);
  std::ostream out(&output);
  std::cin.tie(&out);  // a question shows before its answer is read
  const int status =
      veldor::RunVeldorCli(args, out, std::cerr, std::cin, isatty(STDIN_FILENO) == 1);
  return veldor::FinishOutput("veldor-cli", out, output, std::cerr, status);
}
#endif
