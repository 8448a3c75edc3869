#pragma once
// A message sink that records every message and answers from a script.

#include <gtest/gtest.h>

#include <deque>

#include "platform/messages.h"
#include "text/cp932.h"

namespace veldor {

/// Failures show a message as the user reads it: caption, text in UTF-8, icon and buttons.
inline void PrintTo(const Message& m, std::ostream* out) {
  *out << "[" << m.caption << "] " << ::testing::PrintToString(m.text) << " icon "
       << static_cast<int>(m.icon) << " buttons " << static_cast<int>(m.buttons);
}

}  // namespace veldor

namespace veldor::testing {

class RecordingMessages : public MessageSink {
 public:
  /// Answers for the coming questions, in order. A question with no scripted answer fails
  /// the test and is answered with the first button.
  void Script(std::initializer_list<Answer> answers) {
    answers_.insert(answers_.end(), answers.begin(), answers.end());
  }

  Answer Show(const Message& message) override {
    shown.push_back(message);
    if (message.buttons == Buttons::Ok) return Answer::Ok;
    if (answers_.empty()) {
      ADD_FAILURE() << "unscripted question: " << message.text;
      return message.buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
    const Answer answer = answers_.front();
    answers_.pop_front();
    return answer;
  }

  /// Each message's place as "LINE:COLUMN RULE SUGGESTION" (without what it lacks), for
  /// the messages shown with one.
  Answer ShowAt(const Message& message, const MessagePlace& place) override {
    std::string said = place.line == 0
                           ? ""
                           : std::to_string(place.line) + ":" + std::to_string(place.column) + " ";
    said += place.rule;
    if (!place.suggestion.empty()) said += " " + place.suggestion;
    places.push_back(said);
    return Show(message);
  }

  std::vector<Message> shown;
  std::vector<std::string> places;

 private:
  std::deque<Answer> answers_;
};

/// A message for comparisons: caption, text, icon, buttons.
inline Message U8Message(const std::string& caption, const std::string& text, Icon icon,
                         Buttons buttons = Buttons::Ok) {
  return Message{caption, text, icon, buttons, false};
}

}  // namespace veldor::testing
