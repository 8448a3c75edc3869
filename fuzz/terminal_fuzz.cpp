// No control byte of a message reaches the terminal, JSON is one object per line, and gnu
// output one line per message and suggestion.
#include <algorithm>
#include <sstream>

#include "cli/terminal_messages.h"
#include "fuzz_support.h"

// The input is a caption, then (after a NUL) the text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace veldor;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t cut = std::min(input.find('\0'), input.size());
  const Message message{std::string(input.substr(0, cut)),
                        std::string(input.substr(std::min(cut + 1, input.size()))),
                        static_cast<Icon>(size % 4), Buttons::Ok, false};
  // In gnu lines the caption stands for the file and the text for a suggestion.
  const MessagePlace place{message.caption, 1, 1, "rule", message.text};
  for (const MessageFormat format :
       {MessageFormat::Text, MessageFormat::Json, MessageFormat::Gnu}) {
    std::ostringstream out;
    std::istringstream in;
    TerminalMessages(out, in, false, format, AnswerPolicy::No).ShowAt(message, place);
    const std::string shown = out.str();
    fuzz::Require(
        std::all_of(shown.begin(), shown.end(),
                    [](unsigned char c) { return c >= 0x20 ? c != 0x7F : c == '\n' || c == '\t'; }),
        "no control byte reaches the terminal");
    if (format == MessageFormat::Json)
      fuzz::Require(shown.starts_with("{\"caption\": \"") && shown.ends_with("}\n") &&
                        shown.find('\n') == shown.size() - 1,
                    "one JSON object on one line");
    if (format == MessageFormat::Gnu)
      fuzz::Require(
          std::count(shown.begin(), shown.end(), '\n') == (message.text.empty() ? 1 : 2) &&
              shown.ends_with("\n"),
          "one gnu line, and a note for a suggestion");
  }
  return 0;
}
