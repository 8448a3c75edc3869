#pragma once
// The terminal template checker: tovrin-cli [--messages text|json] FILE...

#include <iosfwd>
#include <string>
#include <vector>

namespace veldor {

/// Runs tovrin-cli with `args` (without the program name): each FILE, as a drop delivers it
/// (see DroppedPath), is handled in order as a drop on the checker, every message printed to `out`.
/// `interactive` says whether `in` is a terminal. Returns the exit status: 2 for a usage error
/// (usage on `err`), 1 when a message with an exclamation or stop icon was shown, else 0.
int RunTovrinCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                 std::istream& in, bool interactive);

}  // namespace veldor
