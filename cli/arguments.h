#pragma once
// The command line of the terminal programs: long options with their value as the next
// argument or as --name=value, -h/--help, and operands anywhere; after "--" every argument is
// an operand. "-" alone is an operand too.

#include <functional>
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
};

/// Takes an option's name and value (empty for a flag); false refuses the value.
using ApplyOption = std::function<bool(std::string_view name, const std::string& value)>;

/// Reads `args` in order into `line`, handing each option of `options` to `apply` as it
/// comes. Stops at the first problem and returns it.
std::optional<UsageError> ParseCommandLine(const std::vector<std::string>& args,
                                           std::span<const OptionSpec> options,
                                           const ApplyOption& apply, CommandLine& line);

}  // namespace veldor
