// The three listing formats byte for byte, and the one way each reaches the disk.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <set>

#include "support/recording_messages.h"
#include "support/temp_folder.h"
#include "writers/csv_listing.h"
#include "writers/html_listing.h"
#include "writers/text_listing.h"

namespace veldor {
namespace {

namespace fs = std::filesystem;
using testing::U8Message;
using Messages = std::vector<Message>;
using Files = std::vector<FileRecord>;

// A file modified at 2003/05/01 12:34:56, created at 2003/04/01 08:00:00; the name and
// the text (the name unless given) in UTF-8.
FileRecord File(const std::string& name, std::int64_t size = 0, std::int64_t packets = 0,
                std::int64_t charge = 0, const std::string& text = "") {
  FileRecord r{Utf8ToCp932(name),
               size,
               packets,
               charge,
               Utf8ToCp932(text.empty() ? name : text),
               {},
               {},
               name};
  r.modified_date = "2003/05/01 12:34:56";
  r.created_date = "2003/04/01 08:00:00";
  return r;
}

// A listing of `files` with its longest name and text as the scan counts them.
Listing MakeListing(Files files) {
  Listing listing{std::move(files)};
  for (const FileRecord& r : listing.records) {
    listing.longest_name = std::max(listing.longest_name, r.file_name.size());
    listing.longest_text = std::max(listing.longest_text, r.extended_text.size());
  }
  return listing;
}

const Files kBig = {File("a.jpg", 1234567890, 9645062, 28935),
                    File("big.jpg", 3221225472, 25165824, 7549747)};
const std::string kCsvHeader =
    "ファイル名,ファイルサイズ（byte）,ファイル更新日付,パケット数,パケット料金（円）\r\n\r\n";

// The format, the columns shown (size, modified, created, packets, charge, text), the files
// and the listing in UTF-8.
TEST(FormatTest, ByteForByte) {
  // clang-format off
  const std::tuple<std::string_view, std::array<int, kColumnCount>, Files, std::string> rows[] = {
    {"txt", {1, 1, 0, 1, 1, 0}, {File("a.jpg", 12345, 97, 29), File("abcdef.jpg")},
        "a.jpg            12345 byte   2003/05/01 12:34:56 更新       97 パケット     29 円\r\n"
        "abcdef.jpg           0 byte   2003/05/01 12:34:56 更新        0 パケット      0 円\r\n"},
    {"txt", {1, 1, 1, 1, 1, 1}, {File("a.jpg", 640, 5, 2, "海の写真")},
        "a.jpg   海の写真         640 byte   2003/05/01 12:34:56 更新   "
        "2003/04/01 08:00:00 作成        5 パケット      2 円\r\n"},
    {"txt", {0, 0, 0, 0, 0, 0}, {File("写真.jpg"), File("a.jpg")}, "写真.jpg   \r\na.jpg      \r\n"},
    // A control character of a name is "?", so that one file stays one line.
    {"txt", {0, 0, 0, 0, 0, 1}, {File("a\nb\x7F.jpg"), File("a.jpg", 0, 0, 0, "x\ny")},
        "a?b?.jpg   a?b?.jpg   \r\na.jpg      x\r\ny        \r\n"},
    {"txt", {0, 0, 0, 0, 0, 1}, {File("ab.jpg", 0, 0, 0, "xy"),
        File("abc.jpg", 0, 0, 0, "x")}, "ab.jpg    xy   \r\nabc.jpg   x    \r\n"},
    // Numbers wider than their column are not cut.
    {"txt", {1, 0, 0, 1, 0, 0}, kBig,
        "a.jpg     1234567890 byte   9645062 パケット   \r\n"
        "big.jpg   3221225472 byte   25165824 パケット   \r\n"},
    {"txt", {1, 0, 0, 1, 1, 0}, {File("a.jpg", 12345678, 12345, 123)},
        "a.jpg    12345678 byte    12345 パケット    123 円\r\n"},
    {"txt", {0, 0, 0, 0, 1, 0}, kBig, "a.jpg     28935 円\r\nbig.jpg   7549747 円\r\n"},
    {"txt", {1, 1, 0, 1, 1, 0}, {}, ""}, {"csv", {1, 1, 0, 1, 1, 0}, {}, kCsvHeader},
    {"csv", {1, 1, 0, 1, 1, 0}, kBig, kCsvHeader +
        "a.jpg,1234567890,2003/05/01 12:34:56,9645062,28935\r\n"
        "big.jpg,3221225472,2003/05/01 12:34:56,25165824,7549747\r\n"},
    {"csv", {1, 1, 1, 1, 1, 1}, {File("a.jpg", 640, 5, 2, "海の写真")},
        "ファイル名,拡張テキスト,ファイルサイズ（byte）,ファイル更新日付,ファイル作成日付,"
        "パケット数,パケット料金（円）\r\n\r\n"
        "a.jpg,海の写真,640,2003/05/01 12:34:56,2003/04/01 08:00:00,5,2\r\n"},
    {"csv", {0, 0, 0, 1, 0, 0}, kBig, "ファイル名,パケット数\r\n\r\na.jpg,9645062\r\nbig.jpg,25165824\r\n"},
    {"csv", {0, 0, 0, 0, 1, 0}, kBig,
        "ファイル名,パケット料金（円）\r\n\r\na.jpg,28935\r\nbig.jpg,7549747\r\n"},
    // 表 and ソ end in the byte 0x5C: still no reason to quote. Every LF is written as CR LF.
    {"csv", {0, 0, 0, 0, 0, 1},
        {File("a,b.jpg", 0, 0, 0, "say \"hi\""), File("a.jpg", 0, 0, 0, "two\r\nlines"),
         File("b.jpg", 0, 0, 0, "lf\nonly"), File("c.jpg", 0, 0, 0, "cr\ronly"),
         File("表ソ.jpg", 0, 0, 0, "日本語 text's")},
        "ファイル名,拡張テキスト\r\n\r\n\"a,b.jpg\",\"say \"\"hi\"\"\"\r\na.jpg,\"two\r\r\nlines\"\r\n"
        "b.jpg,\"lf\r\nonly\"\r\nc.jpg,\"cr\ronly\"\r\n表ソ.jpg,日本語 text's\r\n"}};
  // clang-format on
  for (const auto& [format, columns, files, expected] : rows) {
    ListingSettings settings;
    settings.output_items = columns;
    const Listing listing = MakeListing(files);
    EXPECT_EQ(Cp932ToUtf8(format == "csv" ? FormatCsvListing(listing, settings)
                                          : FormatTextListing(listing, settings)),
              expected)
        << expected;
  }
}

// Renders and writes pages of the listing a.jpg, 写真.png from templates of the current
// carrier; file names have list texts.
class HtmlTest : public ::testing::Test {
 protected:
  HtmlTest() {
    lists_.WriteReplaceList(ListKind::FileNames,
                            {{"a.jpg", "<i>\"sea\" & sky</i>"}, {"", "listed"}});
    lists_.WriteReplaceList(ListKind::FolderNames, {{"Trip", "<b>Lab</b>"}});
    fs::create_directories(work_ / "Trip");
  }
  // Renders the template `bytes` (none: no file) named `name` for the folder `folder`.
  WriteOutcome Render(const std::string& name, const std::optional<std::string>& bytes,
                      const fs::path& folder) {
    const std::string carrier(CarrierName(*CarrierOfCompany(settings_.company)));
    if (bytes) program_.Write(fs::path("template") / carrier / name, *bytes);
    return RenderHtmlListing(listing_, folder, name, settings_, lists_, program_ / "template",
                             messages_);
  }

  testing::TempFolder program_, work_;
  ListingSettings settings_;
  ReplaceLists lists_{program_.path()};
  testing::RecordingMessages messages_;
  Listing listing_ =
      MakeListing({File("a.jpg", 12345, 97, 29), File("<b>&[@DNAME@].gif", 100, 1, 0)});
};

// What the user finds at the listing's path (an old listing or a folder), what was set and
// answered, the outcome, the message shown (the overwrite Question, the write Error) and what
// is found there afterwards. How a write that fails halfway leaves the old file is the file
// layer's test.
TEST_F(HtmlTest, WriteAsksKeepsOrReplaces) {
  using O = WriteOutcome;
  const std::tuple<std::string_view, int, Answer, O, char, std::string_view> cases[] = {
      {"old", 1, Answer::Yes, O::Written, 'Q', "new"},
      {"old", 1, Answer::No, O::Declined, 'Q', "old"},
      {"old", 0, Answer::No, O::Written, ' ', "new"},
      {"folder", 1, Answer::No, O::Failed, 'E', "folder"},
      // A link is replaced as it stands, never followed to a file elsewhere.
      {"link", 1, Answer::Yes, O::Written, 'Q', "new"}};
  program_.Write("template/docomo/index.html", "a\n[@START@]\n[@FNAME@]\n[@STOP@]\nz\n");
  const std::string old("old\r\nlisting \x82\xA0 with\0 bytes", 27);
  // Large enough that the listings reach the disk in several pieces.
  const Listing many = MakeListing(Files(3000, File("a.jpg", 12345, 97, 29)));
  std::string page = "a\r\n";
  for (int i = 0; i < 3000; ++i) page += "a.jpg\r\n";
  for (const std::size_t format : {0u, 1u, 2u}) {
    const fs::path path = work_ / "Trip" / std::array{"Trip.txt", "Trip.csv", "index.html"}[format];
    const std::string listed = format == 0   ? FormatTextListing(many, settings_)
                               : format == 1 ? FormatCsvListing(many, settings_)
                                             : page + "z\r\n";
    // The page's question joins folder and template name with "/", whatever the system.
    const std::string asked_path =
        format == 2 ? (work_ / "Trip").string() + "/index.html" : path.string();
    const Messages asked = {
        U8Message("上書き確認", asked_path + "は既に存在します。\r\n上書きしてもよろしいですか？",
                  format == 0 ? Icon::Question : Icon::None, Buttons::YesNo)};
    const Messages failed = {
        U8Message("書き込みエラーです",
                  path.string() + "\r\nに書き込めませんでした。\r\nフォルダへの書き込み権限と"
                                  "空き容量を確認してください。",
                  Icon::Exclamation)};
    for (const auto& [before, over_write, answer, outcome, shown, after] : cases) {
#ifdef _WIN32
      if (before == "link") continue;  // Wine makes no symbolic links
#endif
      SCOPED_TRACE(path.string() + " " + std::string(before) + " " + shown);
      fs::remove_all(path);
      before == "folder" ? (void)fs::create_directory(path) : (void)work_.Write(path, old);
      if (before == "link") fs::remove(path), fs::create_symlink(work_.Write("victim", old), path);
      settings_.over_write = over_write;
      messages_.shown.clear();
      if (shown == 'Q') messages_.Script({answer});
      EXPECT_EQ(format == 0   ? WriteTextListing(many, path, settings_, messages_)
                : format == 1 ? WriteCsvListing(many, path, settings_, messages_)
                              : RenderHtmlListing(many, work_ / "Trip", "index.html", settings_,
                                                  lists_, program_ / "template", messages_),
                outcome);
      EXPECT_EQ(messages_.shown, shown == 'Q' ? asked : shown == 'E' ? failed : Messages{});
      EXPECT_EQ(fs::is_directory(path) ? "folder" : work_.Read(path),
                after == "new" ? listed : std::string(after == "old" ? old : after));
      // No temporary file is left behind.
      EXPECT_EQ(std::distance(fs::directory_iterator(work_ / "Trip"), {}), 1);
      EXPECT_TRUE(!fs::is_symlink(path) && (before != "link" || work_.Read("victim") == old));
    }
    fs::remove_all(path);
  }
}

// The name as the file system gives it, as a path: UTF-8 on Windows, bytes elsewhere.
fs::path NativePath(const std::string& bytes) {
#ifdef _WIN32
  return fs::path(std::u8string(bytes.begin(), bytes.end()));
#else
  return fs::path(bytes);
#endif
}

// What a browser asks for when it follows a link of the page (read as UTF-8): references
// read, then percent escapes.
std::string Resolve(const std::string& href) {
  std::string text;
  const std::pair<std::string_view, char> named[] = {
      {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&#39;", '\''}};
  for (std::size_t i = 0; i < href.size(); ++i) {
    const auto found = std::find_if(std::begin(named), std::end(named), [&](const auto& n) {
      return href.compare(i, n.first.size(), n.first) == 0;
    });
    if (found != std::end(named)) {
      text += found->second;
      i += found->first.size() - 1;
    } else if (href.compare(i, 3, "&#x") == 0) {
      std::size_t digits = 0;
      const auto code = static_cast<char32_t>(std::stoul(href.substr(i + 3), &digits, 16));
      const std::u8string utf8 = fs::path(std::u32string(1, code)).u8string();
      text.append(utf8.begin(), utf8.end());
      i += 3 + digits;  // the ";"
    } else {
      text += href[i];
    }
  }
  std::string bytes;
  for (std::size_t i = 0; i < text.size(); ++i) {
    bytes +=
        text[i] != '%' ? text[i] : static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
    if (text[i] == '%') i += 2;
  }
  return bytes;
}

// One template per row and the page it gives, or the message it shows instead: then the
// page that stood there before is left byte for byte. The checker's own tests go through
// every grammar rule; the failing rows here are one per way the page builder finds an error.
enum class Shows { Page, OpenFailure, TemplateError };
struct PageRow {
  const char* label;
  std::optional<std::string> template_bytes;  // nothing: no template file
  std::string page;
  Shows shows = Shows::Page;
  int company = 1;
  std::string folder = "Trip";
  int over_write = 0;
};

TEST_F(HtmlTest, PagesByteForByte) {
  const std::string good = "a\n[@START@]\n[@FNAME@]\n[@STOP@]\nz\n";
  // clang-format off
  const PageRow rows[] = {
    {"WorkedExample", "Folder [@DNAME@] ([@DTEXT@])\n[@START@]\n"
        "[@FNAME@]: [@PSIZE@] packets, [@PYEN@] yen\n[@STOP@]\nCarrier [@COMPANY@]\n",
        "Folder Trip (<b>Lab</b>)\r\na.jpg: 97 packets, 29 yen\r\n"
        "&lt;b&gt;&amp;[@DNAME@].gif: 1 packets, 0 yen\r\nCarrier docomo\r\n"},
    {"TemplateOfTheCurrentCarrier", "[@COMPANY@]\n[@START@]\n[@PSIZE@]\n[@STOP@]\nend\n",
        "Vodafone\r\n97\r\n1\r\nend\r\n", Shows::Page, CompanyValue(Carrier::Vodafone)},
    {"EveryRecordTag", "\n[@START@]\n[@FNAME@]|[@FSIZE@]|[@FTEXT@]|[@MDATE@]|[@CDATE@]\n[@STOP@]\n\n",
        "\r\na.jpg|12345|<i>\"sea\" & sky</i>|2003/05/01 12:34:56|2003/04/01 08:00:00\r\n"
        "&lt;b&gt;&amp;[@DNAME@].gif|100|&lt;b&gt;&amp;[@DNAME@].gif|2003/05/01 12:34:56|"
        "2003/04/01 08:00:00\r\n\r\n"},
    {"ZeroOutsideTheRepeat",
        "[@FSIZE@] [@PSIZE@] [@PYEN@]\n[@START@]\n[@PYEN@]\n[@STOP@]\n[@PYEN@]\n", "0 0 0\r\n29\r\n0\r\n0\r\n"},
    {"EscapedFolderName", "[@DNAME@]/[@DTEXT@]\n[@START@]\nx\n[@STOP@]\n.\n",
        "R&amp;D &quot;x&quot;/R&amp;D &quot;x&quot;\r\nx\r\nx\r\n.\r\n", Shows::Page, 1, "R&D \"x\""},
    {"EmptyFolder", "<ul>\n[@START@]\n<li>[@FNAME@]</li>\n[@STOP@]\n</ul>\n", "<ul>\r\n</ul>\r\n"},
    // 0x81 0x5B is one character whose second byte is "[", so "\x81[@FNAME@]" holds no tag.
    {"Cp932AndCrLf",
        "\x8E\xCA\x90\x5E [@DNAME@]\r\n[@START@]\r\n\x81[@FNAME@] \xFF\xFE\r\n[@STOP@]\nlast line",
        "\x8E\xCA\x90\x5E Trip\r\n\x81[@FNAME@] \xFF\xFE\r\n\x81[@FNAME@] \xFF\xFE\r\nlast line\r\n"},
    {"Missing", std::nullopt, "old page", Shows::OpenFailure},
    {"EmptyRepeat", "a\n[@START@]\n[@STOP@]\nz\n", "old page", Shows::TemplateError},
    {"UnclosedInAfter", good + "[@DNAME@] [@DNAME\n", "old page", Shows::TemplateError},
    // A list line ",text" names the empty name; the empty record still has no file text.
    {"FileTextOutsideTheRepeat", "[@FTEXT@]\n" + good, "old page", Shows::TemplateError},
    // A folder path without a last component, as the root's: its name is the root path.
    {"Root", "[@DNAME@]\n" + good, "/\r\na\r\na.jpg\r\n&lt;b&gt;&amp;[@DNAME@].gif\r\nz\r\n"},
    // Found before the user is asked whether to replace the old page.
    {"UnknownTagInRepeat", "a\n[@START@]\n[@FNAME@][@NAME@]\n[@STOP@]\nz\n", "old page",
        Shows::TemplateError, 1, "Trip", 1}};
  // clang-format on
  const std::string at =
      "テンプレートファイル\r\n" + (program_ / "template" / "docomo" / "index.html").string();
  const Message open_failure = U8Message(
      "指定されたテンプレートが開けません",
      at + "\r\nが開けません。削除、移動されていないか確認してください。", Icon::Exclamation);
  const Message template_error =
      U8Message("テンプレートにエラーが見つかりました",
                at + "\r\nには文法上のエラーがあります。TEMPLATEフォルダ内の"
                     "tovrin.exeで確認してみてください。",
                Icon::Exclamation);
  const Listing files = listing_;
  for (const PageRow& row : rows) {
    SCOPED_TRACE(row.label);
#ifdef _WIN32
    // No '"' in a name there; the root is a drive's.
    if (row.label == std::string_view("EscapedFolderName") || row.label == std::string_view("Root"))
      continue;
#endif
    settings_.company = row.company;
    settings_.over_write = row.over_write;
    listing_ = std::string_view(row.label) == "EmptyFolder" ? Listing{} : files;
    fs::remove_all(program_ / "template");
    messages_.shown.clear();
    work_.Write(fs::path(row.folder) / "index.html", "old page");
    const fs::path folder = work_ / (std::string_view(row.label) == "Root" ? "Trip/" : row.folder);
    EXPECT_EQ(Render("index.html", row.template_bytes, folder),
              row.shows == Shows::Page ? WriteOutcome::Written : WriteOutcome::Failed);
    EXPECT_EQ(work_.Read(fs::path(row.folder) / "index.html"), row.page);
    EXPECT_EQ(std::distance(fs::directory_iterator(work_ / row.folder), {}), 1);
    EXPECT_EQ(messages_.shown, row.shows == Shows::Page          ? Messages{}
                               : row.shows == Shows::OpenFailure ? Messages{open_failure}
                                                                 : Messages{template_error});
  }
}

// Every name reaches the page whole: a character Shift_JIS lacks as a reference, a name that
// is not UTF-8 as its Shift_JIS text or U+FFFD; inside a URL attribute, quoted either way or
// not, what a URL would read otherwise is escaped, so that every link reaches its file.
TEST_F(HtmlTest, EveryNameReachesThePageAndEveryLinkItsFile) {
  struct NameRow {
    std::string name, text, url;
    bool windows = true;  // a name Windows allows
  };
  // clang-format off
  const NameRow rows[] = {
      {"café", "caf&#xE9;", "caf&#xE9;"}, {"€", "&#x20AC;", "&#x20AC;"},
      {"😀", "&#x1F600;", "&#x1F600;"}, {"𠮷", "&#x20BB7;", "&#x20BB7;"}, {"髙Ⅲ", "髙Ⅲ", "髙Ⅲ"},
      {"a#b", "a#b", "a%23b"}, {"a?b", "a?b", "a%3Fb", false}, {"a%41b", "a%41b", "a%2541b"},
      {"a b", "a b", "a b"}, {"x'y", "x&#39;y", "x&#39;y"}, {"q\"q", "q&quot;q", "q&quot;q", false},
      {"<b>", "&lt;b&gt;", "&lt;b&gt;", false}, {"a&b", "a&amp;b", "a&amp;b"},
      {"lf\nx", "lf\r\nx", "lf%0Ax", false}, {"\xFF", "&#xFFFD;", "%FF", false},
      {"\x82\xA0sjis", "あsjis", "%82%A0sjis", false}};
  // clang-format on
  const fs::path folder = work_ / NativePath("é#");
  std::set<std::string> names;
  for (const NameRow& row : rows) {
#ifdef _WIN32
    if (!row.windows) continue;
#endif
    names.insert(row.name + ".jpg");
    work_.Write(folder / NativePath(row.name + ".jpg"), "x");
  }
  settings_.all_files = 0;
  RealFileSystem disk;
  listing_ = *ScanFolder(folder, settings_, lists_, disk);
  ASSERT_EQ(
      Render("index.html",
             "[@DNAME@] <a href=../[@DNAME@]/>\n[@START@]\n"
             "[@FNAME@]|<a href=\"./[@FNAME@]\">|<A HREF='./[@FNAME@]'>|<img src=./[@FNAME@]>\n"
             "[@STOP@]\n.\n",
             folder),
      WriteOutcome::Written);
  const std::string page = Cp932ToUtf8(work_.Read(folder / "index.html"));
  EXPECT_TRUE(page.starts_with("&#xE9;# <a href=../&#xE9;%23/>\r\n")) << page;
  for (const NameRow& row : rows) {
    if (names.count(row.name + ".jpg") == 0) continue;
    std::string unquoted = row.url;
    for (std::size_t blank; (blank = unquoted.find(' ')) != std::string::npos;)
      unquoted.replace(blank, 1, "%20");
    const std::string line = row.text + ".jpg|<a href=\"./" + row.url + ".jpg\">|<A HREF='./" +
                             row.url + ".jpg'>|<img src=./" + unquoted + ".jpg>\r\n";
    EXPECT_NE(page.find(line), std::string::npos) << line;
  }
  std::multiset<std::string> linked;
  const std::regex href(R"re((?:href|HREF)=(?:"\./([^"]*)"|'\./([^']*)'))re");
  for (auto it = std::sregex_iterator(page.begin(), page.end(), href); it != std::sregex_iterator();
       ++it) {
    const std::string name = Resolve((*it)[1].matched ? (*it)[1].str() : (*it)[2].str());
    EXPECT_TRUE(fs::exists(folder / NativePath(name))) << name;
    linked.insert(name);
  }
  std::multiset<std::string> twice;
  for (const std::string& name : names) twice.insert({name, name});
  EXPECT_EQ(linked, twice);
}

// A name that would leave the template folder and the listed folder, or name a device, is
// neither read nor written, whatever stands where it points.
TEST_F(HtmlTest, RefusesNamesThatLeaveTheirFolder) {
  const std::string good = "a\n[@START@]\n[@FNAME@]\n[@STOP@]\nz\n";
  program_.Write("template/esc.html", good);
  for (const char* name : {"../esc.html", "..\\esc.html", "c:esc.html", "..", "nul.html"}) {
    SCOPED_TRACE(name);
    messages_.shown.clear();
#ifndef _WIN32
    program_.Write(fs::path("template/docomo") / name, good);  // all but ".." are files here
#endif
    EXPECT_EQ(Render(name, std::nullopt, work_ / "Trip"), WriteOutcome::Failed);
    const fs::path shown = (program_ / "template" / "docomo").native() +
                           fs::path::preferred_separator + fs::path(name).native();
    EXPECT_EQ(
        messages_.shown,
        (Messages{U8Message("指定されたテンプレートが開けません",
                            "テンプレートファイル\r\n" + shown.string() +
                                "\r\nが開けません。削除、移動されていないか確認してください。",
                            Icon::Exclamation)}));
    EXPECT_EQ(std::distance(fs::directory_iterator(work_.path()), {}), 1);
    EXPECT_EQ(std::distance(fs::directory_iterator(work_ / "Trip"), {}), 0);
  }
}

#ifndef _WIN32
// A name that the file system refuses as too long is not blamed on permissions or space.
TEST_F(HtmlTest, SaysWhenANameIsTooLong) {
  const fs::path path = work_ / (std::string(252, 'n') + ".txt");
  EXPECT_EQ(WriteTextListing(listing_, path, settings_, messages_), WriteOutcome::Failed);
  EXPECT_EQ(messages_.shown,
            (Messages{U8Message("書き込みエラーです",
                                path.string() + "\r\nは名前が長すぎるので書き込めませんでした。",
                                Icon::Exclamation)}));
  EXPECT_EQ(std::distance(fs::directory_iterator(work_.path()), {}), 1);
}
#endif

// Listing the template's own folder leaves the template as it is.
TEST_F(HtmlTest, NeverReplacesItsTemplate) {
  const fs::path folder = program_ / "template/docomo";
  const std::string good = "a\n[@START@]\n[@FNAME@]\n[@STOP@]\nz\n";
  EXPECT_EQ(Render("index.html", good, folder), WriteOutcome::Failed);
  EXPECT_EQ(program_.Read("template/docomo/index.html"), good);
  EXPECT_EQ(messages_.shown, (Messages{U8Message("書き込みエラーです",
                                                 (folder / "index.html").string() +
                                                     "\r\nはテンプレートファイルそのものなので、"
                                                     "書き込みませんでした。",
                                                 Icon::Exclamation)}));
}

}  // namespace
}  // namespace veldor
