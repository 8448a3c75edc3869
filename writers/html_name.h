#pragma once
// File and folder names as they go into an HTML page: every character reaches the page
// (those Shift_JIS lacks as numeric references), markup is escaped, and inside a URL
// attribute the characters a URL would read otherwise are percent-encoded, so that a link
// reaches its file.

#include <string>
#include <string_view>

namespace veldor {

/// Where in a template a name is written.
enum class NameContext {
  Text,         ///< page text or a quoted attribute that holds no URL
  Unquoted,     ///< an unquoted attribute value that holds no URL
  Url,          ///< a quoted URL attribute (href, src, ...)
  UnquotedUrl,  ///< an unquoted URL attribute
};

/// Appends a name. `native` is the name as the file system gives it (NameBytes), `cp932` its
/// CP932 text (NameToCp932 of it); with `native` empty, `cp932` is all there is. LFs that
/// stay in the page are written as CR LF.
void AppendHtmlName(std::string& out, std::string_view native, std::string_view cp932,
                    NameContext context);

/// Follows a template's markup far enough to tell whether a point in it stands inside an
/// attribute value, and of which attribute. Fed with the text between tags, in order.
class AttributeScanner {
 public:
  /// Reads `text` as page markup.
  void Feed(std::string_view text);
  /// The context of a tag standing at the current point. A tag right after "=" starts an
  /// unquoted value.
  NameContext TagContext();

 private:
  enum class State {
    Data,
    Open,
    Bang,
    BangDash,
    Comment,
    Bogus,
    TagName,
    BeforeName,
    Name,
    AfterName,
    BeforeValue,
    DoubleQuoted,
    SingleQuoted,
    Unquoted
  };
  void Step(char c);
  bool IsUrlAttribute() const;

  State state_ = State::Data;
  std::string name_;  // the attribute being read, in lower case
  int dashes_ = 0;    // "-" read just before, in a comment
};

}  // namespace veldor
