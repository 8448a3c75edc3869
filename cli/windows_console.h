#pragma once
// What a terminal program's wmain does on Windows before it runs: arguments from UTF-16 to
// UTF-8, output in binary mode (no CR added before LF), and UTF-8 text turned into UTF-16
// for a console window, which shows nothing else right.

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/program_output.h"

namespace veldor {

/// Runs the program's command-line function with Windows' arguments and standard streams.
/// A failed write of the output (to a file or a pipe) ends it with status 1 and a line on
/// stderr that names `program`.
int RunWithWindowsConsole(const char* program, int argc, wchar_t** argv, CommandFunction command);

}  // namespace veldor
