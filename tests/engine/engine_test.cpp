// The records of a folder, their order, the extended-text lists and the settings file.
#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <random>

#include "engine/sort.h"
#include "reference_sort.h"
#include "support/recording_messages.h"
#include "support/temp_folder.h"
#include "support/test_runner.h"

namespace veldor {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;
using Rows = std::vector<ReplaceRow>;

TEST(ChargeTest, PacketsAndCharges) {
  // Size, rate in hundredths of a yen as the settings file stores it, packets, yen. The
  // double nearest 0.29 lies below it, so 50 packets make 14.5 and fall short of rounding up.
  // clang-format off
  const std::int64_t rows[][4] = {{0, 30, 0, 0}, {1, 30, 1, 0}, {128, 30, 1, 0}, {129, 27, 2, 1},
      {640, 30, 5, 2}, {12416, 30, 97, 29}, {6400, 27, 50, 14}, {6400, 29, 50, 14}, {-5, 30, 0, 0},
      {3221225472, 30, 25165824, 7549747}};
  // clang-format on
  for (const auto& [size, rate, packets, yen] : rows) {
    EXPECT_EQ(PacketsForSize(size), packets) << size;
    EXPECT_EQ(ChargeForPackets(packets, static_cast<double>(rate) * 0.01), yen) << size;
  }
  // An absurd rate from a hand-edited settings file must not overflow.
  EXPECT_GT(ChargeForPackets(std::int64_t{1} << 56, 2e7), 0);
  EXPECT_LT(ChargeForPackets(std::int64_t{1} << 56, -2e7), 0);
}

// Folders list their entries in the order given; a file without a status vanished after
// the enumeration.
struct FakeFileSystem : FileSystem {
  void Add(const fs::path& folder, const fs::path& name, std::optional<FileStatus> status) {
    folders[folder].push_back({name, false, status});
  }
  std::optional<FileStatus> Status(const fs::path&) override { return std::nullopt; }
  std::optional<std::vector<FolderEntry>> Enumerate(const fs::path& folder) override {
    return folders.contains(folder) ? std::optional(folders[folder]) : std::nullopt;
  }
  std::map<fs::path, std::vector<FolderEntry>> folders;
};

class ScanTest : public ::testing::Test {
 protected:
  ScanTest() {
    testing::PinTimeZoneToTokyo();
    settings_.company = CompanyValue(Carrier::Au);
    // Another run's unfinished listing is never listed; a name merely like it is.
    for (const char* name : {".jpg", ".f.txt.tmp-77-0-1-23", ".jpg.tmp-1-2", "README", "a.JPG",
                             "a.jpeg", "a.jpg.baz", "b.gif", "c.png", ".f.txt.tmp-1-"})
      fs_.Add("/f", name, kStatus);
    fs_.folders["/f"].push_back({"x.jpg", true, kStatus});  // folders are never listed
    fs_.folders["/f/x.jpg"];
  }
  Names Scan() {
    Names names;
    const Listing listing = ScanFolder("/f", settings_, lists_, fs_).value_or(Listing{});
    for (const auto& record : listing.records) names.push_back(record.file_name);
    return names;
  }

  // 2003/11/05 13:05:18 and 2003/01/03 00:00:00 in Tokyo.
  static constexpr FileStatus kStatus{6400, 1068005118, 1041519600};
  ListingSettings settings_;
  testing::TempFolder program_;
  ReplaceLists lists_{program_.path()};
  FakeFileSystem fs_;
};

TEST_F(ScanTest, FilterByExtension) {
  const std::tuple<int, Names, Names> rows[] = {
      {1, {".jpg", ".gif", ".png"}, {".jpg", "a.JPG", "b.gif", "c.png"}},
      {0,
       {},
       {".jpg", ".jpg.tmp-1-2", "README", "a.JPG", "a.jpeg", "a.jpg.baz", "b.gif", "c.png",
        ".f.txt.tmp-1-"}},
      {1, {".BAZ", ".Jpeg"}, {"a.jpeg", "a.jpg.baz"}},
      {1, {}, {}},
      {1, {""}, {}},  // an empty entry lets no name without an extension through
  };
  for (const auto& [all_files, extensions, listed] : rows) {
    settings_.all_files = all_files;
    settings_.extensions = extensions;
    EXPECT_EQ(Scan(), listed) << ::testing::PrintToString(extensions);
  }
  EXPECT_FALSE(ScanFolder("/missing", settings_, lists_, fs_));
}

// Every time a file system holds has its date in Tokyo, before 1970 and after 3000 as well;
// a time the system cannot convert shows dashes as wide as a date.
TEST_F(ScanTest, DatesOfEveryTime) {
  const std::pair<std::time_t, std::string_view> rows[] = {
      {-41104, "1969/12/31 21:34:56"},
      {-11644473600, "1601/01/01 09:00:00"},
      {16725229323, "2500/01/01 10:02:03"},
      {253402214400, "9999/12/31 09:00:00"},
      {std::numeric_limits<std::time_t>::max(), "----/--/-- --:--:--"}};
  for (const auto& [time, date] : rows) EXPECT_EQ(FormatLocalTime(time), date) << time;
}

// Ascending puts the smaller value of every key first, descending the larger; the fast sort
// must agree with the reference below in everything else.
TEST(SortRecordsTest, AscendingPutsTheSmallerFirst) {
  const FileRecord small{"a.jpg", 5, 1, 0, "a.jpg", "2003/11/05 13:05:18", "2003/11/05 13:05:18",
                         {}};
  const FileRecord big{"b.jpg", 3221225472, 3, 1, "z", "2003/11/05 13:05:19", "2004/01/01 00:00:00",
                       {}};
  for (int key = 0; key <= 6; ++key) {
    for (auto records : {std::vector{small, big}, std::vector{big, small}}) {
      SortRecords(records, key, 0);
      EXPECT_EQ(records[0].file_name + records[1].file_name, "a.jpgb.jpg") << key;
      SortRecords(records, key, 1);
      EXPECT_EQ(records[0].file_name + records[1].file_name, "b.jpga.jpg") << key;
    }
  }
}

TEST(SortRecordsTest, MatchesTheSelectionSort) {
  // Few values, so that most keys tie many times; the other fields tell tied records apart.
  // Half-width katakana above some lead bytes, differences in a second byte, and a lead
  // byte at the end of a text.
  // clang-format off
  const char* const texts[] = {"", "a", "B", "b", "ab", "\xB1", "\x82\xA0", "a\x82\xA0", "\x82\xA2",
      "\x82" "a", "a\x82", "\xE0\x40", "\xB1\x82\xA0", "\x82\xA0\xB1", "\x82\xA0\x82\xA2", "a\x82\xA2"};
  // clang-format on
  const char* const dates[] = {"2003/11/05 13:05:18", "2003/11/05 13:05:19", "2004/01/01 00:00:00"};
  std::mt19937 rng(20031105);
  std::uniform_int_distribution<int> text(0, 15), date(0, 2);
  std::uniform_int_distribution<std::int64_t> number(-1, 3);
  for (std::size_t round = 0; round < 40; ++round) {
    std::vector<FileRecord> input;
    for (std::size_t i = round < 5 ? round
                                   : std::uniform_int_distribution<std::size_t>(0, 120)(rng);
         i > 0; --i) {
      input.push_back({texts[text(rng)],
                       number(rng),
                       number(rng),
                       number(rng) * 4000000000LL,
                       texts[text(rng)],
                       dates[date(rng)],
                       dates[date(rng)],
                       {}});
    }
    for (const int key : {0, 1, 2, 3, 4, 5, 6, -1, 7}) {
      for (const int style : {0, 1, 2}) {
        auto fast = input, slow = input;
        SortRecords(fast, key, style);
        testing::ReferenceSelectionSort(slow, key, style);
        ASSERT_TRUE(fast == slow) << "round " << round << " key " << key << " style " << style;
      }
    }
  }
}

TEST(ParseReplaceLineTest, Rows) {
  // A line and its entry as "name|text", "-" for none.
  // clang-format off
  const std::pair<const char*, const char*> rows[] = {
      {"photo01.jpg,Sea at dawn", "photo01.jpg|Sea at dawn"}, {"name,one, two", "name|one, two"},
      {"photo01.jpg", "-"}, {"photo01.jpg,", "-"}, {"", "-"}, {",text", "|text"},
      {"\"a,b.jpg\",memo", "a,b.jpg|memo"}, {"\"a\"\",b\",t", "a\",b|t"}, {"\"\",t", "|t"},
      {"\"x\",", "-"}, {"\"", "-"}, {"a,\"\"", "-"}, {"a,\"", "-"}, {"a,b\"c", "a|b\"c"},
      // No closing quote and comma: the name is empty and the text starts after the quote.
      {"\"abc", "|abc"}, {"\"a\"\",b", "|a\"\",b"}, {"\"\"x\"", "|x"}, {"\",t", "|,t"},
      {"a,\"memo\"", "a|memo"}, {"a,\"x\"y\"", "a|x\"y"}, {"a,\"say \"\"hi\"\"\"", "a|say \"hi\""}, {"a,\"\"\"\"\"", "a|\"\""},
      // The last character is taken for the closing quote even when it is not one.
      {"a,\"memo", "a|mem"},
      // 0x5C as the second byte of a double-byte character is just part of the text.
      {"\x83\x5C.jpg,\x95\x5C", "\x83\x5C.jpg|\x95\x5C"}};
  // clang-format on
  for (const auto& [line, entry] : rows) {
    const auto row = ParseReplaceLine(line);
    EXPECT_EQ(row ? row->first + "|" + row->second : "-", entry) << line;
  }
}

class ReplaceListsTest : public ::testing::Test {
 protected:
  Rows Read(ListKind kind) const {
    Rows rows;
    const ReplaceList& list = lists_.list(kind);
    for (std::size_t i = 0; i < list.size(); ++i) rows.emplace_back(list.name(i), list.text(i));
    return rows;
  }

  testing::TempFolder folder_;
  ReplaceLists lists_{folder_.path()};
  testing::RecordingMessages messages_;
};

TEST_F(ReplaceListsTest, LoadAndLookup) {
  folder_.Write("replace_list.csv", "a.jpg,old\r\nz.jpg,gone\r\n");
  ASSERT_TRUE(lists_.LoadReplaceList(ListKind::FileNames));
  folder_.Write("replace_list.csv",
                "Trip,first\r\nTrip,second\n\r\nno comma\n,empty\r\n\x83\x5C,sign");
  ASSERT_TRUE(lists_.LoadReplaceList(ListKind::FileNames));
  EXPECT_EQ(Read(ListKind::FileNames),
            (Rows{{"Trip", "first"}, {"Trip", "second"}, {"", "empty"}, {"\x83\x5C", "sign"}}));
  const Rows lookups = {
      {"Trip", "first"}, {"trip", "trip"}, {"", "empty"}, {"\x83\x5C", "sign"}, {"\x83", "\x83"}};
  for (const auto& [key, text] : lookups)
    EXPECT_EQ(lists_.FindExtendedText(ListKind::FileNames, key), text) << key;
  folder_.Write("replace_list2.csv", "\xEF\xBB\xBF海,\x82\xA0\r\n");  // not UTF-8 after the mark
  ASSERT_TRUE(lists_.LoadReplaceList(ListKind::FolderNames));
  EXPECT_EQ(Read(ListKind::FolderNames), (Rows{{"\xE6\xB5\xB7", "\x82\xA0"}}));
}

TEST_F(ReplaceListsTest, WriteAndReread) {
  ASSERT_TRUE(lists_.WriteReplaceList(
      ListKind::FileNames,
      {{"a.jpg", "Sea at dawn"}, {"b.jpg", ""}, {"a,b.jpg", "one, two"}, {"say \"hi\"", "x"}}));
  EXPECT_EQ(folder_.Read("replace_list.csv"),
            "a.jpg,Sea at dawn\r\nb.jpg,\r\n\"a,b.jpg\",\"one, two\"\r\n\"say \"\"hi\"\"\",x\r\n");
  // The list in memory is what a reload gives: the row without text is gone.
  EXPECT_EQ(Read(ListKind::FileNames),
            (Rows{{"a.jpg", "Sea at dawn"}, {"a,b.jpg", "one, two"}, {"say \"hi\"", "x"}}));
}

TEST_F(ReplaceListsTest, Startup) {
  LoadListsAtStartup(lists_, messages_);
  EXPECT_EQ(messages_.shown, std::vector<Message>{});
  EXPECT_EQ(folder_.Read("replace_list.csv") + folder_.Read("replace_list2.csv"), "");
  ASSERT_TRUE(lists_.WriteReplaceList(ListKind::FileNames, {{"a.jpg", "kept"}}));
  fs::remove(lists_.FilePath(ListKind::FileNames));
  fs::create_directory(lists_.FilePath(ListKind::FileNames));
  folder_.Write("replace_list2.csv", "Trip,loaded\r\n");
  LoadListsAtStartup(lists_, messages_);
  EXPECT_EQ(messages_.shown, std::vector<Message>{ReplaceListMessage(
                                 ListKind::FileNames, ListMessage::StartupReadError)});
  EXPECT_EQ(lists_.FindExtendedText(ListKind::FolderNames, "Trip"), "loaded");
  // A failed load or write keeps the list in memory.
  EXPECT_FALSE(lists_.WriteReplaceList(ListKind::FileNames, {{"a.jpg", "new"}}));
  EXPECT_EQ(Read(ListKind::FileNames), (Rows{{"a.jpg", "kept"}}));
}

// Each situation's caption and text, the list file's name in front.
TEST(ReplaceListMessageTest, Texts) {
  const std::string tail =
      "に失敗しました。\r\n他のプログラムがこのファイルにアクセスしていないか\r\n確かめ";
  // clang-format off
  const std::tuple<ListKind, ListMessage, const char*, std::string> rows[] = {
      {ListKind::FileNames, ListMessage::StartupReadError, "読み取りエラーです",
       "\"replace_list.csv\"の読み込み" + tail + "た後、再度起動してください。"},
      {ListKind::FolderNames, ListMessage::PageReadError, "読み取りエラーです",
       "\"replace_list2.csv\"の読み込み" + tail + "てください。"},
      {ListKind::FileNames, ListMessage::PageWriteError, "書き込みエラーです",
       "\"replace_list.csv\"の書き込み" + tail + "た後、再度保存してください。"}};
  // clang-format on
  for (const auto& [kind, situation, caption, text] : rows)
    EXPECT_EQ(ReplaceListMessage(kind, situation),
              testing::U8Message(caption, text, Icon::Exclamation));
}

// Every key at its default, in the order a fresh file lists them.
constexpr std::string_view kFresh =
    "[MAIN_OPTION]\r\ndocomo_rate=30\r\nJ-PHONE_rate=30\r\nau_rate=27\r\ncompany=1\r\n"
    "output_mode=1\r\n[PAGE_1]\r\nsort_key=0\r\nsort_style=0\r\nover_write=0\r\nprint_result=1\r\n"
    "file_open=0\r\nall_files=1\r\next_strings=.jpg .gif .png \r\n[PAGE_2]\r\noutput_items1=1\r\n"
    "output_items2=1\r\noutput_items3=0\r\noutput_items4=1\r\noutput_items5=1\r\n"
    "output_items6=0\r\ntemplates1=index.html/\r\ntemplates2=index.html/\r\n"
    "templates3=index.html/\r\n";
// Every key away from its default.
constexpr std::string_view kCustom =
    "[MAIN_OPTION]\r\ndocomo_rate=29\r\nJ-PHONE_rate=0\r\nau_rate=4294967295\r\ncompany=3\r\n"
    "output_mode=2\r\n[PAGE_1]\r\nsort_key=9\r\nsort_style=2\r\nover_write=1\r\nprint_result=0\r\n"
    "file_open=1\r\nall_files=0\r\next_strings=\r\n[PAGE_2]\r\noutput_items1=0\r\n"
    "output_items2=0\r\noutput_items3=1\r\noutput_items4=0\r\noutput_items5=0\r\n"
    "output_items6=1\r\ntemplates1=\r\ntemplates2=a.html//b.html/\r\ntemplates3=\x95\x5C.html/\r\n";

TEST(SettingsTest, LoadsAndSavesEveryKey) {
  testing::TempFolder folder;
  Profile profile(folder / "quorsel.ini");
  folder.Write("quorsel.ini", kCustom);
  ListingSettings s;
  LoadSettings(s, profile);
  EXPECT_EQ(s.rates, (PerCarrier<double>{{0.28999999999999998, 0.0, 4294967295.0 * 0.01}}));
  EXPECT_EQ(s.CurrentRate(), 4294967295.0 * 0.01);
  EXPECT_EQ((std::vector<int>{s.company, s.output_mode, s.sort_key, s.sort_style, s.over_write,
                              s.print_result, s.file_open, s.all_files}),
            (std::vector<int>{3, kCsv, 9, 2, 1, 0, 1, 0}));
  EXPECT_EQ(s.extensions, Names{});
  EXPECT_EQ(s.output_items, (std::array<int, kColumnCount>{0, 0, 1, 0, 0, 1}));
  EXPECT_EQ(s.templates,
            (PerCarrier<Names>{{Names{}, {"a.html", "", "b.html"}, {"\x95\x5C.html"}}}));
  fs::remove(folder / "quorsel.ini");
  SaveSettings(s, profile);
  EXPECT_EQ(folder.Read("quorsel.ini"), kCustom);

  fs::remove(folder / "quorsel.ini");
  LoadSettings(s, profile);
  SaveSettings(s, profile);
  EXPECT_EQ(folder.Read("quorsel.ini"), kFresh);

  // A carrier or format outside 1..3 loads as 1.
  for (const std::string bad : {"0", "4", "-1", "x"}) {
    folder.Write("quorsel.ini", "[MAIN_OPTION]\r\ncompany=" + bad + "\r\noutput_mode=" + bad);
    s.company = s.output_mode = kHtml;
    LoadSettings(s, profile);
    EXPECT_EQ(s.company * 10 + s.output_mode, 11) << bad;
  }
  folder.Write("quorsel.ini", "[PAGE_2]\r\ntemplates1=index.html\r\ntemplates2=b/a/b//a//\r\n");
  LoadSettings(s, profile);
  EXPECT_EQ(s.templates[Carrier::Docomo], Names{});  // a name without its "/" is no entry
  EXPECT_EQ(s.templates[Carrier::Vodafone], (Names{"b", "a", ""}));  // nor is a name given again
  // A file an editor saved as UTF-8 with a byte-order mark reads as CP932 and is written
  // back in CP932, without the mark.
  folder.Write("quorsel.ini",
               "\xEF\xBB\xBF[MAIN_OPTION]\r\ncompany=3\r\n[PAGE_2]\r\ntemplates1=海.html/\r\n");
  LoadSettings(s, profile);
  EXPECT_EQ(s.company, 3);
  EXPECT_EQ(s.templates[Carrier::Docomo], Names{"\x8A\x43.html"});
  ASSERT_TRUE(profile.WriteInt("MAIN_OPTION", "company", 2));
  EXPECT_EQ(folder.Read("quorsel.ini"),
            "[MAIN_OPTION]\r\ncompany=2\r\n[PAGE_2]\r\ntemplates1=\x8A\x43.html/\r\n");
}

TEST(ParseExtensionListTest, Rows) {
  // A full-width blank (0x81 0x40) is a character, not white space.
  // clang-format off
  const std::pair<std::string_view, Names> rows[] = {
      {".jpg .gif .png ", {".jpg", ".gif", ".png"}}, {".jpg  .gif  .png  ", {".jpg", ".gif", ".png"}},
      {".jpg.gif", {".jp", ".gif"}}, {".jpg,.gif", {".jpg", ".gif"}}, {"jpg .gif", {".gif"}},
      {"jpg gif", {}}, {"", {}}, {"..jpg", {".jpg"}}, {".jpg\t\r\n\v\f", {".jpg"}},
      {".jpg\x81\x40", {".jpg\x81\x40"}}};
  // clang-format on
  for (const auto& [text, extensions] : rows)
    EXPECT_EQ(ParseExtensionList(text), extensions) << text;
}

}  // namespace
}  // namespace veldor
