// Any list file loads, within its own bytes as row by row; each row formats and parses back, and a
// write and a reload give back the rows kept.
#include "engine/replace_list.h"
#include "fuzz_support.h"
#include "text/cp932.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace veldor;
  const std::string bytes =
      Cp932FromSavedText(std::string(reinterpret_cast<const char*>(data), size));
  const auto rows = ParseReplaceFile(bytes);
  ReplaceList loaded, assigned;
  loaded.Load(bytes);
  assigned.Assign(rows);
  fuzz::Require(loaded == assigned, "a list parsed within its bytes holds the rows parsed");
  for (const auto& [name, text] : rows) {
    fuzz::Require(loaded.Find(name).has_value(), "every name is found");
  }
  for (const ReplaceRow& row : rows) {
    fuzz::Require(ParseReplaceLine(FormatReplaceLine(row)) == row, "a formatted row parses back");
  }
  ReplaceLists lists(fuzz::Scratch().path());
  if (!lists.WriteReplaceList(ListKind::FileNames, rows)) return 0;
  const ReplaceList written = lists.list(ListKind::FileNames);
  fuzz::Require(
      lists.LoadReplaceList(ListKind::FileNames) && lists.list(ListKind::FileNames) == written,
      "a written list loads back the rows kept");
  return 0;
}
