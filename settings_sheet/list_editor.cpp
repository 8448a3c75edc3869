#include "settings_sheet/list_editor.h"

#include "text/cp932.h"

namespace veldor {
namespace {

Message Question(const char* text, Buttons buttons) {
  return Message{"確認", text, Icon::Question, buttons, false};
}

// The box's text, or the old bytes when the box shows them unchanged.
std::string KeepOrConvert(const std::string& old_bytes, const std::string& utf8) {
  return Cp932ToUtf8(old_bytes) == utf8 ? old_bytes : Utf8ToCp932(utf8);
}

}  // namespace

ListEditor::ListEditor(ListerContext& context, ListKind kind) : context_(context), kind_(kind) {}

void ListEditor::Open() {
  opened_ = true;
  edited_ = true;
  Read();
}

bool ListEditor::Read() {
  rows_.clear();
  if (!context_.lists.LoadReplaceList(kind_)) {
    last_read_failed_ = true;
    context_.messages.Show(ReplaceListMessage(kind_, ListMessage::PageReadError));
    return false;
  }
  last_read_failed_ = false;
  const ReplaceList& list = context_.lists.list(kind_);
  for (std::size_t i = 0; i < list.size(); ++i) rows_.emplace_back(list.name(i), list.text(i));
  edited_ = false;
  return true;
}

RowInput ListEditor::InputOf(std::size_t index) const {
  return RowInput{Cp932ToUtf8(rows_.at(index).first), Cp932ToUtf8(rows_.at(index).second)};
}

void ListEditor::Add(const RowInput& input) {
  rows_.emplace_back(Utf8ToCp932(input.name), Utf8ToCp932(input.text));
  edited_ = true;
}

void ListEditor::Edit(std::size_t index, const RowInput& input) {
  ReplaceRow& row = rows_.at(index);
  row = {KeepOrConvert(row.first, input.name), KeepOrConvert(row.second, input.text)};
  edited_ = true;
}

void ListEditor::Delete(std::size_t index) {
  rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(index));
  edited_ = true;
}

bool ListEditor::Save() {
  if (!context_.lists.WriteReplaceList(kind_, rows_)) {
    context_.messages.Show(ReplaceListMessage(kind_, ListMessage::PageWriteError));
    return false;
  }
  // The file now holds what the page shows, so the sheet's OK may write it again.
  last_read_failed_ = false;
  edited_ = false;
  return true;
}

bool ListEditor::Reload() {
  if (edited_ &&
      context_.messages.Show(Question("保存された状態を読み込みます。\r\nよろしいですか？",
                                      Buttons::OkCancel)) != Answer::Ok) {
    return false;
  }
  Read();
  return true;
}

void ListEditor::OpenExternally() {
  // A failed save has shown its message; the editor opens the file all the same.
  if (edited_ && context_.messages.Show(
                     Question("リストは編集されています。\r\n同期を取るために内容を保存しますか？",
                              Buttons::YesNo)) == Answer::Yes) {
    Save();
  }
  context_.shell.OpenFile(context_.lists.FilePath(kind_));
}

bool ListEditor::Apply() { return !opened_ || last_read_failed_ || Save(); }

}  // namespace veldor
