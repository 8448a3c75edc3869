#include "cli/terminal_messages.h"

#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "text/cp932.h"
#include "text/json.h"

namespace veldor {

namespace {

std::string_view IconName(Icon icon) {
  switch (icon) {
    case Icon::None:
      return "none";
    case Icon::Exclamation:
      return "exclamation";
    case Icon::Question:
      return "question";
    case Icon::Stop:
      return "stop";
  }
  return "none";
}

std::string_view IconWord(Icon icon) {
  switch (icon) {
    case Icon::None:
      return "";
    case Icon::Exclamation:
      return "警告";
    case Icon::Question:
      return "質問";
    case Icon::Stop:
      return "エラー";
  }
  return "";
}

std::string_view ButtonsName(Buttons buttons) {
  switch (buttons) {
    case Buttons::Ok:
      return "ok";
    case Buttons::YesNo:
      return "yesno";
    case Buttons::OkCancel:
      return "okcancel";
  }
  return "ok";
}

std::string_view AnswerName(Answer answer) {
  switch (answer) {
    case Answer::Ok:
      return "ok";
    case Answer::Yes:
      return "yes";
    case Answer::No:
      return "no";
    case Answer::Cancel:
      return "cancel";
  }
  return "ok";
}

std::string_view AnswerWord(Answer answer) {
  switch (answer) {
    case Answer::Ok:
      return "OK";
    case Answer::Yes:
      return "はい";
    case Answer::No:
      return "いいえ";
    case Answer::Cancel:
      return "キャンセル";
  }
  return "OK";
}

Answer Accept(Buttons buttons) { return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok; }
Answer Decline(Buttons buttons) { return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel; }

void WriteJson(std::ostream& out, const Message& message, Answer answer,
               const MessagePlace* place) {
  std::string record = "{\"caption\": ";
  AppendJsonString(record, WellFormedUtf8(message.caption));
  record += ", \"text\": ";
  AppendJsonString(record, WellFormedUtf8(message.text));
  record.append(", \"icon\": \"").append(IconName(message.icon));
  record.append("\", \"buttons\": \"").append(ButtonsName(message.buttons));
  record.append("\", \"answer\": \"").append(AnswerName(answer)).append("\"");
  if (place != nullptr) {
    if (place->line != 0) {
      record.append(", \"line\": ").append(std::to_string(place->line));
      record.append(", \"column\": ").append(std::to_string(place->column));
    }
    record += ", \"rule\": ";
    AppendJsonString(record, place->rule);
    if (!place->suggestion.empty()) {
      record += ", \"suggestion\": ";
      AppendJsonString(record, WellFormedUtf8(place->suggestion));
    }
  }
  out << record << "}\n";
}

// Names of files reach the terminal inside messages; a control character in one must not
// act on the terminal (move the cursor, change colours or the title), so each C0 or C1
// control but the tab shows as "?".
std::string Printable(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    const bool c1 =
        byte == 0xC2 && i + 1 < utf8.size() && static_cast<unsigned char>(utf8[i + 1]) <= 0x9F;
    if ((byte < 0x20 && byte != '\t') || byte == 0x7F || c1) {
      out += '?';
      if (c1) ++i;
    } else {
      out += utf8[i];
    }
  }
  return out;
}

// "[caption] word", then the text indented, one terminal line per line of the message.
void WriteTextBody(std::ostream& out, const Message& message) {
  out << '[' << Printable(WellFormedUtf8(message.caption)) << ']';
  if (const std::string_view word = IconWord(message.icon); !word.empty()) out << ' ' << word;
  out << '\n';
  const std::string text = WellFormedUtf8(message.text);
  std::string_view rest = text;
  while (true) {
    const std::size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    out << "  " << Printable(line) << '\n';
    if (end == std::string_view::npos) break;
    rest.remove_prefix(end + 1);
  }
}

// One line as editors read a compiler's: "FILE:LINE:COLUMN: error: TEXT", without the
// place when the message has none, the text's line breaks as blanks; a suggestion follows
// as a note at the same place.
void WriteGnu(std::ostream& out, const Message& message, const MessagePlace& place) {
  std::string where = Printable(WellFormedUtf8(place.file));
  if (place.line != 0) {
    where += ':' + std::to_string(place.line) + ':' + std::to_string(place.column);
  }
  std::string text;
  for (std::size_t i = 0; i < message.text.size(); ++i) {
    if (message.text[i] == '\r' && i + 1 < message.text.size() && message.text[i + 1] == '\n') {
      continue;
    }
    text += message.text[i] == '\n' ? ' ' : message.text[i];
  }
  const bool error = message.icon == Icon::Exclamation || message.icon == Icon::Stop;
  if (!where.empty()) where += ": ";
  out << where << (error ? "error: " : "note: ") << Printable(WellFormedUtf8(text)) << '\n';
  if (!place.suggestion.empty()) {
    out << where << "note: " << Printable(WellFormedUtf8(place.suggestion)) << " のことですか？\n";
  }
}

// Reads answers until one fits; the end of the input declines.
Answer ReadAnswer(std::ostream& where, std::istream& in, Buttons buttons) {
  for (;;) {
    where << "  " << AnswerWord(Accept(buttons)) << "(y) / " << AnswerWord(Decline(buttons))
          << "(n)? " << std::flush;
    std::string line;
    if (!std::getline(in, line)) {
      where << '\n';
      return Decline(buttons);
    }
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
    while (!line.empty() && line.front() == ' ') line.erase(0, 1);
    if (line == "y" || line == "Y" || line == "yes" || line == "ok" || line == "はい") {
      return Accept(buttons);
    }
    if (line == "n" || line == "N" || line == "no" || line == "cancel" || line == "いいえ") {
      return Decline(buttons);
    }
  }
}

}  // namespace

std::optional<MessageFormat> MessageFormatNamed(std::string_view name) {
  if (name == "text") return MessageFormat::Text;
  if (name == "json") return MessageFormat::Json;
  return std::nullopt;
}

TerminalMessages::TerminalMessages(std::ostream& out, std::istream& in, bool interactive,
                                   MessageFormat format, AnswerPolicy policy, std::ostream* prompt)
    : out_(out),
      in_(in),
      interactive_(interactive),
      format_(format),
      policy_(policy),
      prompt_(prompt) {}

Answer TerminalMessages::Show(const Message& message) { return Print(message, nullptr); }

Answer TerminalMessages::ShowAt(const Message& message, const MessagePlace& place) {
  return Print(message, &place);
}

Answer TerminalMessages::Print(const Message& message, const MessagePlace* place) {
  if (message.icon == Icon::Exclamation || message.icon == Icon::Stop) warned_ = true;
  const std::optional<Answer> decided = Decided(message);
  Answer answer = Answer::Ok;
  if (format_ == MessageFormat::Text) {
    WriteTextBody(out_, message);
    answer = decided ? *decided : ReadAnswer(out_, in_, message.buttons);
    if (decided && message.buttons != Buttons::Ok) out_ << "  → " << AnswerWord(answer) << '\n';
    out_ << '\n';
  } else {
    if (!decided) WriteTextBody(*prompt_, message);
    answer = decided ? *decided : ReadAnswer(*prompt_, in_, message.buttons);
    if (format_ == MessageFormat::Json) {
      WriteJson(out_, message, answer, place);
    } else {
      WriteGnu(out_, message, place ? *place : MessagePlace{});
    }
  }
  out_.flush();
  return answer;
}

std::optional<Answer> TerminalMessages::Decided(const Message& message) const {
  if (message.buttons == Buttons::Ok) return Answer::Ok;
  switch (policy_) {
    case AnswerPolicy::Yes:
      return Accept(message.buttons);
    case AnswerPolicy::No:
      return Decline(message.buttons);
    case AnswerPolicy::Ask:
      break;
  }
  const bool can_ask = interactive_ && (format_ == MessageFormat::Text || prompt_ != nullptr);
  if (!can_ask) return Decline(message.buttons);
  return std::nullopt;
}

}  // namespace veldor
