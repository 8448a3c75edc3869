#include "cli/tovrin_command.h"

#include <filesystem>
#include <optional>
#include <ostream>
#include <string_view>

#include "checker/check_template.h"
#include "cli/arguments.h"
#include "cli/terminal_messages.h"
#include "platform/dropped_path.h"

namespace veldor {

namespace {

constexpr std::string_view kUsage =
    "usage: tovrin-cli [--messages text|json] FILE...\n"
    "Checks each HTML template FILE (.html or .htm) and reports every grammar error.\n"
    "  --messages text   messages for people (default)\n"
    "  --messages json   one JSON object per message and line\n"
    "Exit status: 0 no warning, 1 a warning or error was reported, 2 usage error.\n";

struct Options {
  MessageFormat format = MessageFormat::Text;
  std::vector<std::filesystem::path> files;
  bool help = false;
};

constexpr OptionSpec kOptions[] = {{"--messages", true}};

std::string Describe(const UsageError& error) {
  switch (error.kind) {
    case UsageError::Kind::UnknownOption:
      return "unknown option: " + error.option;
    case UsageError::Kind::MissingValue:
      return error.option + " needs a value";
    case UsageError::Kind::BadValue:
      break;
  }
  return "unknown message format: " + error.value;
}

// Fills `options`; on a usage error returns its description.
std::optional<std::string> ParseArgs(const std::vector<std::string>& args, Options& options) {
  const auto apply = [&options](std::string_view, const std::string& value) {
    const std::optional<MessageFormat> format = MessageFormatNamed(value);  // --messages
    if (format) options.format = *format;
    return format.has_value();
  };
  CommandLine line;
  if (const std::optional<UsageError> error = ParseCommandLine(args, kOptions, apply, line)) {
    return Describe(*error);
  }
  options.files.assign(line.operands.begin(), line.operands.end());
  options.help = line.help;
  if (!options.help && options.files.empty()) return "no FILE given";
  return std::nullopt;
}

}  // namespace

int RunTovrinCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                 std::istream& in, bool interactive) {
  Options options;
  if (const std::optional<std::string> problem = ParseArgs(args, options)) {
    err << "tovrin-cli: " << *problem << '\n' << kUsage;
    return 2;
  }
  if (options.help) {
    out << kUsage;
    return 0;
  }
  std::vector<std::filesystem::path> paths;
  for (const auto& file : options.files) paths.push_back(DroppedPath(file));
  // Every message of the checker has only an OK button; the policy never comes into play.
  TerminalMessages messages(out, in, interactive, options.format, AnswerPolicy::Ask, &err);
  CheckDroppedFiles(paths, messages);
  return messages.warned() ? 1 : 0;
}

}  // namespace veldor
