#include "cli/veldor_command.h"

#include <filesystem>
#include <optional>
#include <ostream>
#include <string_view>

#include "cli/arguments.h"
#include "cli/terminal_messages.h"
#include "engine/settings.h"
#include "listing/lister.h"
#include "listing/listing_run.h"
#include "platform/dropped_path.h"
#include "platform/file_io.h"
#include "platform/shell.h"

namespace veldor {
namespace {

struct CliOptions {
  std::optional<std::filesystem::path> program_folder;
  std::optional<int> company;
  std::optional<int> output_mode;
  bool json = false;
  bool to_stdout = false;
  AnswerPolicy policy = AnswerPolicy::Ask;
  MessageFormat format = MessageFormat::Text;
  std::vector<std::filesystem::path> paths;
};

std::optional<int> ParseCarrier(std::string_view value) {
  for (const Carrier carrier : kCarriers) {
    if (value == CarrierName(carrier)) return CompanyValue(carrier);
  }
  return std::nullopt;
}

std::optional<int> ParseFormat(std::string_view value) {
  if (value == "txt") return kTxt;
  if (value == "csv") return kCsv;
  if (value == "html") return kHtml;
  return std::nullopt;
}

constexpr OptionSpec kOptions[] = {
    {"--program-folder", true}, {"--carrier", true}, {"--format", true}, {"--messages", true},
    {"--yes", false},           {"--no", false},     {"--stdout", false}};

constexpr std::string_view kNoHtmlOnStdout = "--stdout cannot carry html listings";

// Hands each piece of a listing to the stream as it comes.
class StreamSink final : public ByteSink {
 public:
  explicit StreamSink(std::ostream& out) : out_(out) {}
  void Write(std::string_view bytes) override {
    out_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }

 private:
  std::ostream& out_;
};

// Applies one option that takes a value; false when the value is not one it accepts.
bool ApplyValue(std::string_view option, const std::string& value, CliOptions& options) {
  if (option == "--program-folder") {
    options.program_folder = ArgumentPath(value);
    return !value.empty();
  }
  if (option == "--carrier") return (options.company = ParseCarrier(value)).has_value();
  if (option == "--format") {
    options.json = value == "json";
    if (options.json) return true;
    return (options.output_mode = ParseFormat(value)).has_value();
  }
  const std::optional<MessageFormat> format = MessageFormatNamed(value);  // --messages
  if (format) options.format = *format;
  return format.has_value();
}

// Reads the options into `options` and `line`; on a usage error returns its description.
std::optional<std::string> ParseArgs(const std::vector<std::string>& args, CliOptions& options,
                                     CommandLine& line) {
  bool yes = false;
  bool no = false;
  const auto apply = [&](std::string_view name, const std::string& value) {
    if (name == "--stdout") {
      options.to_stdout = true;
      return true;
    }
    if (name == "--yes" || name == "--no") {
      (name == "--yes" ? yes : no) = true;
      return true;
    }
    return ApplyValue(name, value, options);
  };
  if (const std::optional<UsageError> error = ParseCommandLine(args, kOptions, apply, line)) {
    return Describe(*error);
  }
  if (yes && no) return "--yes and --no exclude each other";
  if (options.to_stdout && !options.json && options.output_mode == kHtml) {
    return std::string(kNoHtmlOnStdout);
  }
  options.policy = yes ? AnswerPolicy::Yes : no ? AnswerPolicy::No : AnswerPolicy::Ask;
  for (const std::string& operand : line.operands) options.paths.push_back(ArgumentPath(operand));
  if (options.paths.empty() && !line.help && !line.version) return "no PATH given";
  return std::nullopt;
}

int RunDropWith(const CliOptions& options, std::ostream& out, std::ostream& err, std::istream& in,
                bool interactive) {
  // In JSON mode stdout carries only the records, so a question is asked on stderr. When
  // stdout carries the listings, the messages go to stderr.
  TerminalMessages messages(options.to_stdout ? err : out, in, interactive, options.format,
                            options.policy, &err);
  const std::optional<std::filesystem::path> found =
      options.program_folder ? options.program_folder : StartUpProgramFolder(messages);
  if (!found) return 1;
  const std::filesystem::path program_folder = DroppedPath(*found);
  DesktopShell shell;
  // The settings file is only read: the options below hold for this run alone.
  Lister lister(program_folder, messages, shell);
  if (options.company) lister.settings().company = *options.company;
  if (options.output_mode) lister.settings().output_mode = *options.output_mode;
  StreamSink stdout_sink(out);
  lister.context().json_listing = options.json;
  if (options.to_stdout) {
    // The settings may choose html, which a stream cannot carry.
    if (!options.json && lister.settings().output_mode == kHtml) {
      CommandLine line;
      return *AnswerCommandLine("veldor-cli", "PATH", "", line, std::string(kNoHtmlOnStdout), out,
                                err);
    }
    lister.context().listing_stream = &stdout_sink;
  }

  std::vector<std::filesystem::path> dropped;
  dropped.reserve(options.paths.size());
  for (const auto& path : options.paths) dropped.push_back(DroppedPath(path));
  RunDrop(dropped, lister.context());
  out.flush();
  return messages.warned() ? 1 : 0;
}

}  // namespace

std::string VeldorCliUsage() {
  return "usage: veldor-cli [--program-folder DIR] [--carrier docomo|Vodafone|au]\n"
         "                  [--format txt|csv|html|json] [--stdout] [--yes | --no]\n"
         "                  [--messages text|json] PATH...\n"
         "\n"
         "Lists each folder PATH into a listing file inside it (FOLDER/<name>.txt, .csv,\n"
         ".json, or one HTML page per template), and shows size, packets and charge for each\n"
         "file PATH (a path whose name has an extension).\n"
         "\n"
         "  --program-folder DIR  settings (quorsel.ini, read only), lists and templates;\n"
         "                        default: the folder of this program, or\n"
#ifdef _WIN32
         "                        %LOCALAPPDATA%\\VELDOR when that cannot be written\n"
#else
         "                        ~/.local/share/veldor when that cannot be written\n"
#endif
         "  --carrier NAME        carrier for this run\n"
         "  --format FORMAT       listing format for this run; json: one UTF-8 document with\n"
         "                        folder, carrier, rate, sort, every file (name, text,\n"
         "                        size, packets, yen, modified, created) and totals\n"
         "  --stdout              write the listings (txt, csv or json) to standard output,\n"
         "                        one after another, JSON one document a line, instead of\n"
         "                        into the folders; messages go to standard error\n"
         "  --yes, --no           answer every question Yes/OK or No/Cancel; by default\n"
         "                        questions are asked when the input is a terminal, else No\n"
         "  --messages FORMAT     messages as text for people or as JSON lines\n"
         "  -h, --help            print this help and exit\n"
         "  --version             print the version and exit\n"
         "\n"
         "Exit status: 0 done, 1 a warning or error message was shown or the output could not\n"
         "be written, 2 usage error.\n";
}

int RunVeldorCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                 std::istream& in, bool interactive) {
  CliOptions options;
  CommandLine line;
  const std::optional<std::string> problem = ParseArgs(args, options, line);
  if (const auto status =
          AnswerCommandLine("veldor-cli", "PATH", VeldorCliUsage(), line, problem, out, err)) {
    return *status;
  }
  return RunDropWith(options, out, err, in, interactive);
}

}  // namespace veldor
