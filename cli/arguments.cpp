#include "cli/arguments.h"

#include <algorithm>

namespace veldor {

std::optional<UsageError> ParseCommandLine(const std::vector<std::string>& args,
                                           std::span<const OptionSpec> options,
                                           const ApplyOption& apply, CommandLine& line) {
  bool only_operands = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (only_operands || arg.size() < 2 || arg[0] != '-') {
      line.operands.push_back(arg);
    } else if (arg == "--") {
      only_operands = true;
    } else if (arg == "-h" || arg == "--help") {
      line.help = true;
    } else {
      const std::size_t equals = arg.starts_with("--") ? arg.find('=') : std::string::npos;
      const std::string name = arg.substr(0, equals);
      const auto spec = std::ranges::find(options, name, &OptionSpec::name);
      const bool has_value = equals != std::string::npos;
      if (spec == options.end() || (has_value && !spec->takes_value)) {
        return UsageError{UsageError::Kind::UnknownOption, arg, ""};
      }
      std::string value = has_value ? arg.substr(equals + 1) : "";
      if (spec->takes_value && !has_value) {
        if (++i == args.size()) return UsageError{UsageError::Kind::MissingValue, name, ""};
        value = args[i];
      }
      if (!apply(name, value)) return UsageError{UsageError::Kind::BadValue, name, value};
    }
  }
  return std::nullopt;
}

}  // namespace veldor
