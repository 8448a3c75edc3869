#pragma once
// The one way the core tells the user something: a modal message with a caption, a text,
// an icon and buttons, answered before the core goes on.

#include <cstddef>
#include <string>
#include <string_view>

namespace veldor {

enum class Icon { None, Exclamation, Question, Stop };
enum class Buttons { Ok, YesNo, OkCancel };
enum class Answer { Ok, Yes, No, Cancel };

/// One message as the user sees it. Caption and text are UTF-8, so that every character of
/// a path reaches the user; the text keeps its "\r\n".
struct Message {
  std::string caption;
  std::string text;
  Icon icon = Icon::None;
  Buttons buttons = Buttons::Ok;
  /// The button that is the default: false for the first (OK/Yes), true for the second.
  bool second_button_default = false;

  friend bool operator==(const Message&, const Message&) = default;
};

/// What a message about a file is about, for programs that point editors and scripts at it.
struct MessagePlace {
  /// The file, as UTF-8.
  std::string file;
  /// 1-based line and column (in characters) of what the message names; 0 for the whole file.
  std::size_t line = 0;
  std::size_t column = 0;
  /// A stable kebab-case name of the kind of message, such as "no-such-tag".
  std::string_view rule;
  /// UTF-8 text the user may have meant instead; empty when there is none.
  std::string suggestion;
};

/// Shows messages to the user. Terminal programs print them, the desktop programs show a
/// modal box, tests record them and answer from a script.
class MessageSink {
 public:
  virtual ~MessageSink() = default;
  /// Shows `message` and returns the user's answer (Ok for a message with only OK).
  virtual Answer Show(const Message& message) = 0;
  /// Shows `message` about `place`. A sink with no use for the place shows the message as
  /// Show does, so that what people see does not depend on it.
  virtual Answer ShowAt(const Message& message, const MessagePlace& place) {
    static_cast<void>(place);
    return Show(message);
  }
};

}  // namespace veldor
