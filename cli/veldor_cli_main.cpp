#include "cli/veldor_command.h"

#ifdef _WIN32
#include "cli/windows_console.h"

int wmain(int argc, wchar_t** argv) {
  return veldor::RunWithWindowsConsole("veldor-cli", argc, argv, veldor::RunVeldorCli);
}
#else
#include "cli/program_output.h"

int main(int argc, char** argv) {
  return veldor::RunWithProgramOutput("veldor-cli", argc, argv, veldor::RunVeldorCli);
}
#endif
