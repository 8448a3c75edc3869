#pragma once
// Messages for the terminal programs: each message is one record on the output, as text for
// people, as one JSON object per line for scripts, or as the lines editors read from a
// compiler; questions are answered by policy or asked on the terminal.

#include <iosfwd>
#include <optional>
#include <string_view>

#include "platform/messages.h"

namespace veldor {

/// Gnu ("FILE:LINE:COLUMN: error: TEXT") is for messages about places in files.
enum class MessageFormat { Text, Json, Gnu };
/// The format named "text" or "json" (the value of --messages), or nothing.
std::optional<MessageFormat> MessageFormatNamed(std::string_view name);
/// How questions are answered: --yes, --no, or asked when the input is a terminal.
enum class AnswerPolicy { Ask, Yes, No };

class TerminalMessages : public MessageSink {
 public:
  /// `interactive` says whether `in` is a terminal the user can answer on; with Ask and no
  /// terminal, questions are answered No/Cancel. In text mode a question is asked on `out`
  /// itself; in JSON and Gnu mode `out` carries only the records, so the question is asked
  /// on `prompt` (the terminal's stderr), and without `prompt` it is answered No/Cancel.
  TerminalMessages(std::ostream& out, std::istream& in, bool interactive, MessageFormat format,
                   AnswerPolicy policy, std::ostream* prompt = nullptr);

  Answer Show(const Message& message) override;
  /// JSON adds the place's line, column, rule and suggestion to the record; Gnu prints the
  /// place before the text; text shows the message alone.
  Answer ShowAt(const Message& message, const MessagePlace& place) override;

  /// True once a message with an exclamation or stop icon has been shown.
  bool warned() const { return warned_; }

 private:
  std::ostream& out_;
  std::istream& in_;
  bool interactive_;
  MessageFormat format_;
  AnswerPolicy policy_;
  std::ostream* prompt_;
  bool warned_ = false;

  Answer Print(const Message& message, const MessagePlace* place);
  /// The answer the policy gives, or nothing when the user is to be asked.
  std::optional<Answer> Decided(const Message& message) const;
};

}  // namespace veldor
