#include "cli/arguments.h"

#include <algorithm>
#include <ostream>

#include "veldor_version.h"

namespace veldor {

std::filesystem::path ArgumentPath(const std::string& argument) {
#ifdef _WIN32
  return std::filesystem::path(
      std::u8string(reinterpret_cast<const char8_t*>(argument.data()), argument.size()));
#else
  return argument;
#endif
}

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
    } else if (arg == "--version") {
      line.version = true;
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

std::string Describe(const UsageError& error) {
  switch (error.kind) {
    case UsageError::Kind::UnknownOption:
      return "unknown option '" + error.option + "'";
    case UsageError::Kind::MissingValue:
      return error.option + " needs a value";
    case UsageError::Kind::BadValue:
      break;
  }
  return "invalid value for " + error.option + ": '" + error.value + "'";
}

std::optional<int> AnswerCommandLine(std::string_view program, std::string_view operand,
                                     std::string_view usage, const CommandLine& line,
                                     const std::optional<std::string>& problem, std::ostream& out,
                                     std::ostream& err) {
  if (problem) {
    err << program << ": " << *problem << "\nusage: " << program << " [OPTION]... " << operand
        << "...\nTry '" << program << " --help' for more information.\n";
    return 2;
  }
  if (line.help) {
    out << usage;
    return 0;
  }
  if (line.version) {
    out << program << ' ' << VELDOR_VERSION << '\n';
    return 0;
  }
  return std::nullopt;
}

}  // namespace veldor
