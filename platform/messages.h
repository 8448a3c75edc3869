#pragma once
// The one way the core tells the user something: a modal message with a caption, a text,
// an icon and buttons, answered before the core goes on.

#include <string>

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

/// Shows messages to the user. Terminal programs print them, the desktop programs show a
/// modal box, tests record them and answer from a script.
class MessageSink {
 public:
  virtual ~MessageSink() = default;
  /// Shows `message` and returns the user's answer (Ok for a message with only OK).
  virtual Answer Show(const Message& message) = 0;
};

}  // namespace veldor
