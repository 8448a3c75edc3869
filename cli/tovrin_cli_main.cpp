#include "cli/tovrin_command.h"

#ifdef _WIN32
#include "cli/windows_console.h"

int wmain(int argc, wchar_t** argv) {
  return veldor::RunWithWindowsConsole("tovrin-cli", argc, argv, veldor::RunTovrinCli);
}
#else
#include "cli/program_output.h"

int main(int argc, char** argv) {
  return veldor::RunWithProgramOutput("tovrin-cli", argc, argv, veldor::RunTovrinCli);
}
#endif
