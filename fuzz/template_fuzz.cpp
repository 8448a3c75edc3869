// A template and a file name as the checker and the page builder read them: the checker's
// incremental tag search answers as the plain search, a template the checker passes gives a
// page, one the page builder refuses leaves the old page as it was, and no file name
// reaches a page unescaped. The input is the template, then after a NUL the file name.
#include <algorithm>

#include "checker/check_template.h"
#include "fuzz_support.h"
#include "template_rules/template_rules.h"
#include "text/cp932.h"
#include "writers/html_listing.h"

namespace {

using namespace veldor;

// Answers every message with OK and counts the warnings and errors, and the places that lie
// outside a template of `lines` lines.
struct CountingSink : MessageSink {
  Answer Show(const Message& message) override {
    errors += message.icon == Icon::Stop || message.icon == Icon::Exclamation;
    return Answer::Ok;
  }
  Answer ShowAt(const Message& message, const MessagePlace& place) override {
    outside += place.line > lines || (place.line != 0 && place.column == 0);
    return Show(message);
  }
  int errors = 0;
  std::size_t lines = 0;
  int outside = 0;
};

// Builds docomo's "index.html" over an old one, from `text`, for one file named `name`.
std::pair<WriteOutcome, std::string> Page(std::string_view text, const std::string& name) {
  const auto& folder = fuzz::Scratch();
  folder.Write("template/docomo/index.html", text);
  folder.Write("index.html", "old");
  // The name as a disk may give it, any bytes.
  const std::string cp932 = NameToCp932(name);
  const FileRecord record{cp932, 1, 1, 0, cp932, "2003/11/05 13:05:18", "2003/11/05 13:05:18",
                          name};
  CountingSink messages;
  const WriteOutcome outcome = RenderHtmlListing(
      Listing{{record}, name.size(), name.size()}, folder.path(), "index.html", ListingSettings{},
      ReplaceLists(folder.path()), folder / "template", messages);
  return {outcome, folder.Read("index.html")};
}

// No raw markup is left, and every "&" starts one of the entities the page builder writes
// or a numeric reference.
bool Escaped(std::string page) {
  for (const std::string_view entity : {"&amp;", "&lt;", "&gt;", "&quot;", "&#39;"}) {
    for (std::size_t at; (at = page.find(entity)) != std::string::npos;)
      page.replace(at, entity.size(), "_");
  }
  for (std::size_t at; (at = page.find("&#x")) != std::string::npos;) {
    const std::size_t end = page.find_first_not_of("0123456789ABCDEF", at + 3);
    if (end == at + 3 || end == std::string::npos || page[end] != ';') return false;
    page.replace(at, end + 1 - at, "_");
  }
  return page.find_first_of("&<>\"'") == std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t nul = std::min(input.find('\0'), input.size());
  const std::string_view text = input.substr(0, nul);
  const std::string name(input.substr(std::min(nul + 1, input.size())));
  TagCandidateSearch search(text);
  for (std::size_t from = 0;;) {
    const TagCandidate plain = FindTagCandidate(text, from), found = search.Next(from);
    fuzz::Require(plain.open == found.open && plain.close == found.close,
                  "the incremental search finds what the plain search finds");
    if (!found.found()) break;
    from = found.open + 1;
  }
  const auto [outcome, page] = Page(text, "a.jpg");
  fuzz::Require(outcome == WriteOutcome::Written || page == "old", "a refused page writes nothing");
  CountingSink checked;
  checked.lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
  CheckTemplate(fuzz::Scratch() / "template/docomo/index.html", checked);
  fuzz::Require(checked.outside == 0, "every message's place lies in the template");
  fuzz::Require(checked.errors > 0 || outcome == WriteOutcome::Written,
                "a template the checker passes renders");
  fuzz::Require(name.empty() ||
                    Escaped(Page("b\n[@START@]\n[@FNAME@] [@FTEXT@]\n[@STOP@]\na\n", name).second),
                "a name reaches the page escaped");
  return 0;
}
