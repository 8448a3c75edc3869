// No control byte of a message reaches the terminal, and JSON is one object per line.
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
  for (const MessageFormat format : {MessageFormat::Text, MessageFormat::Json}) {
    std::ostringstream out;
    std::istringstream in;
    TerminalMessages(out, in, false, format, AnswerPolicy::No).Show(message);
    const std::string shown = out.str();
    fuzz::Require(
        std::all_of(shown.begin(), shown.end(),
                    [](unsigned char c) { return c >= 0x20 ? c != 0x7F : c == '\n' || c == '\t'; }),
        "no control byte reaches the terminal");
    if (format == MessageFormat::Json)
      fuzz::Require(shown.starts_with("{\"caption\": \"") && shown.ends_with("}\n") &&
                        shown.find('\n') == shown.size() - 1,
                    "one JSON object on one line");
  }
  return 0;
}
