#pragma once
// The listing program for the terminal: one drop of the given paths, with the settings and
// lists of a program folder, every message printed as a record.

#include <iosfwd>
#include <string>
#include <vector>

namespace veldor {

/// Runs `veldor-cli` with `args` (without the program name). Messages go to `out`, usage
/// errors to `err`; questions are asked on `in` when `interactive` and no --yes/--no was
/// given. Returns 2 for a usage error, 1 when a warning or stop message was shown, else 0.
int RunVeldorCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                 std::istream& in, bool interactive);

/// The usage text printed for a usage error and for --help.
std::string VeldorCliUsage();

}  // namespace veldor
