#include "cli/tovrin_command.h"

#include <filesystem>
#include <optional>
#include <ostream>
#include <string_view>
#include <system_error>

#include "checker/check_template.h"
#include "cli/terminal_messages.h"

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

std::optional<MessageFormat> ParseFormat(std::string_view value) {
  if (value == "text") return MessageFormat::Text;
  if (value == "json") return MessageFormat::Json;
  return std::nullopt;
}

// Fills `options`; on a usage error returns its description.
std::optional<std::string> ParseArgs(const std::vector<std::string>& args, Options& options) {
  bool only_files = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (only_files || arg == "-" || !arg.starts_with("-")) {
      options.files.emplace_back(arg);
    } else if (arg == "--") {
      only_files = true;
    } else if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg == "--messages" || arg.starts_with("--messages=")) {
      std::string_view value;
      if (arg == "--messages") {
        if (++i == args.size()) return "--messages needs a value";
        value = args[i];
      } else {
        value = std::string_view(arg).substr(std::string_view("--messages=").size());
      }
      const std::optional<MessageFormat> format = ParseFormat(value);
      if (!format) return "unknown message format: " + std::string(value);
      options.format = *format;
    } else {
      return "unknown option: " + arg;
    }
  }
  if (!options.help && options.files.empty()) return "no FILE given";
  return std::nullopt;
}

// As a drop delivers it: absolute, symbolic links left as they are.
std::filesystem::path MakeAbsolute(const std::filesystem::path& file) {
  std::error_code ec;
  std::filesystem::path absolute = std::filesystem::absolute(file, ec);
  return ec ? file : absolute;
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
  for (const auto& file : options.files) paths.push_back(MakeAbsolute(file));
  // Every message of the checker has only an OK button; the policy never comes into play.
  TerminalMessages messages(out, in, interactive, options.format, AnswerPolicy::Ask, &err);
  CheckDroppedFiles(paths, messages);
  return messages.warned() ? 1 : 0;
}

}  // namespace veldor
