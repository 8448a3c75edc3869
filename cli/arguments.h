#pragma once
// The command line of the terminal programs: long options with their value as the next
// argument or as --name=value, -h/--help, --version, and operands anywhere; after "--" every
// argument is an operand. "-" alone is an operand too.

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace veldor {

/// A long option a program accepts, such as {"--carrier", true}.
struct OptionSpec {
  std::string_view name;
  bool takes_value;
};

/// Why a command line was refused. `option` is the argument as given for an unknown option
/// (a flag given a value included), else the option's name; `value` is a refused value.
struct UsageError {
  enum class Kind { UnknownOption, MissingValue, BadValue };
  Kind kind;
  std::string option;
  std::string value;
};

struct CommandLine {
  std::vector<std::string> operands;
  bool help = false;
  bool version = false;
};

/// Takes an option's name and value (empty for a flag); false refuses the value.
using ApplyOption = std::function<bool(std::string_view name, const std::string& value)>;

/// Reads `args` in order into `line`, handing each option of `options` to `apply` as it
/// comes. Stops at the first problem and returns it.
std::optional<UsageError> ParseCommandLine(const std::vector<std::string>& args,
                                           std::span<const OptionSpec> options,
                                           const ApplyOption& apply, CommandLine& line);

/// The path an argument names: its bytes on Linux; on Windows the arguments arrive as UTF-8
/// (see windows_console.h) and are turned back into the UTF-16 of the path.
std::filesystem::path ArgumentPath(const std::string& argument);

/// The words of a usage error, such as "unknown option '--bogus'".
std::string Describe(const UsageError& error);

/// What a program answers before it does its work: a usage `problem` with a short usage
/// line and a pointer to --help (status 2), the whole `usage` for --help, or its name and
/// version for --version (status 0). Nothing when the program goes on.
std::optional<int> AnswerCommandLine(std::string_view program, std::string_view operand,
                                     std::string_view usage, const CommandLine& line,
                                     const std::optional<std::string>& problem, std::ostream& out,
                                     std::ostream& err);

}  // namespace veldor
