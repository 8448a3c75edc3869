#pragma once
// Generated HTML templates of a chosen size and tag count, for timing the template check and
// the renderer on large inputs.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace veldor::bench {

/// A well-formed CP932 template of about `bytes` bytes holding about `tags` tags: listing tags
/// in the before and after sections, all ten tags in the repeat section, Japanese text
/// between them, CR LF line ends. The checker finds no error in it.
inline std::string MakeBenchTemplate(std::size_t bytes, std::size_t tags) {
  constexpr std::array<std::string_view, 10> kAll = {
      "[@FNAME@]", "[@MDATE@]", "[@CDATE@]", "[@FTEXT@]", "[@FSIZE@]",
      "[@PYEN@]",  "[@PSIZE@]", "[@DNAME@]", "[@DTEXT@]", "[@COMPANY@]"};
  constexpr std::array<std::string_view, 3> kListing = {"[@DNAME@]", "[@DTEXT@]", "[@COMPANY@]"};
  // "ファイル" in CP932: double-byte text between the tags.
  constexpr std::string_view kWord = "\x83\x74\x83\x40\x83\x43\x83\x8b";
  const std::size_t per_tag = tags == 0 ? bytes : bytes / tags;
  std::string out;
  out.reserve(bytes + 256);
  std::size_t written = 0;
  auto add_line = [&](std::string_view tag) {
    std::string line = "<li>";
    line += tag;
    while (line.size() + kWord.size() + 7 <= per_tag) line += kWord;
    line += "</li>\r\n";
    out += line;
    ++written;
  };
  const std::size_t edge = tags / 20;  // a twentieth of the tags in each outer section
  for (std::size_t i = 0; i < edge; ++i) add_line(kListing[i % kListing.size()]);
  out += "[@START@]\r\n";
  while (written < tags - edge) add_line(kAll[written % kAll.size()]);
  out += "[@STOP@]\r\n";
  while (written < tags) add_line(kListing[written % kListing.size()]);
  return out;
}

/// A template of about `bytes` bytes whose repeat section holds `opens` "[@" of which none is
/// closed: the worst case for the candidate search, one message per "[@".
inline std::string MakeUnclosedTemplate(std::size_t bytes, std::size_t opens) {
  const std::size_t per_open = opens == 0 ? bytes : bytes / opens;
  std::string out = "<html>\r\n[@START@]\r\n";
  out.reserve(bytes + 256);
  for (std::size_t i = 0; i < opens; ++i) {
    out += "[@X";
    out.append(per_open > 5 ? per_open - 5 : 0, 'x');
    out += "\r\n";
  }
  out += "[@STOP@]\r\n</html>\r\n";
  return out;
}

}  // namespace veldor::bench
