#pragma once
// Messages for the terminal programs: each message is one record on the output, as text for
// people or as one JSON object per line for scripts; questions are answered by policy or
// asked on the terminal.

#include <iosfwd>
#include <optional>
#include <string_view>

#include "platform/messages.h"

namespace veldor {

enum class MessageFormat { Text, Json };
/// The format named "text" or "json" (the value of --messages), or nothing.
std::optional<MessageFormat> MessageFormatNamed(std::string_view name);
/// How questions are answered: --yes, --no, or asked when the input is a terminal.
enum class AnswerPolicy { Ask, Yes, No };

class TerminalMessages : public MessageSink {
 public:
  /// `interactive` says whether `in` is a terminal the user can answer on; with Ask and no
  /// terminal, questions are answered No/Cancel. In text mode a question is asked on `out`
  /// itself; in JSON mode `out` carries only the records, so the question is asked on
  /// `prompt` (the terminal's stderr), and without `prompt` it is answered No/Cancel.
  TerminalMessages(std::ostream& out, std::istream& in, bool interactive, MessageFormat format,
                   AnswerPolicy policy, std::ostream* prompt = nullptr);

  Answer Show(const Message& message) override;

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

  /// The answer the policy gives, or nothing when the user is to be asked.
  std::optional<Answer> Decided(const Message& message) const;
};

}  // namespace veldor
