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
    "usage: tovrin-cli [--messages text|json|gnu] FILE...\n"
    "Checks each HTML template FILE (.html or .htm) and reports every grammar error.\n"
    "  --messages text   messages for people (default)\n"
    "  --messages json   one JSON object per message and line, with the line, column\n"
    "                    and rule of the error and a suggested tag where one is near\n"
    "  --messages gnu    FILE:LINE:COLUMN: error: TEXT, one line per message, as editors\n"
    "                    read them; a suggested tag follows as a note\n"
    "  -h, --help        print this help and exit\n"
    "  --version         print the version and exit\n"
    "Exit status: 0 no warning, 1 a warning or error was reported or the output could not be\n"
    "written, 2 usage error.\n";

struct Options {
  MessageFormat format = MessageFormat::Text;
  std::vector<std::filesystem::path> files;
};

constexpr OptionSpec kOptions[] = {{"--messages", true}};

// Fills `options` and `line`; on a usage error returns its description.
std::optional<std::string> ParseArgs(const std::vector<std::string>& args, Options& options,
                                     CommandLine& line) {
  const auto apply = [&options](std::string_view, const std::string& value) {
    const std::optional<MessageFormat> format =
        value == "gnu" ? MessageFormat::Gnu : MessageFormatNamed(value);  // --messages
    if (format) options.format = *format;
    return format.has_value();
  };
  if (const std::optional<UsageError> error = ParseCommandLine(args, kOptions, apply, line)) {
    return Describe(*error);
  }
  for (const std::string& operand : line.operands) options.files.push_back(ArgumentPath(operand));
  if (!line.help && !line.version && options.files.empty()) return "no FILE given";
  return std::nullopt;
}

}  // namespace

int RunTovrinCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                 std::istream& in, bool interactive) {
  Options options;
  CommandLine line;
  const std::optional<std::string> problem = ParseArgs(args, options, line);
  if (const auto status =
          AnswerCommandLine("tovrin-cli", "FILE", kUsage, line, problem, out, err)) {
    return *status;
  }
  std::vector<std::filesystem::path> paths;
  for (const auto& file : options.files) paths.push_back(DroppedPath(file));
  // Every message of the checker has only an OK button; the policy never comes into play.
  TerminalMessages messages(out, in, interactive, options.format, AnswerPolicy::Ask, &err);
  CheckDroppedFiles(paths, messages);
  return messages.warned() ? 1 : 0;
}

}  // namespace veldor
