#include "settings_sheet/sheet_draft.h"

#include <algorithm>
#include <utility>

#include "template_rules/template_files.h"
#include "text/cp932.h"

namespace veldor {

SheetDraft::SheetDraft(ListerContext& context)
    : context_(context),
      draft_(context.settings),
      extension_bytes_(FormatExtensionList(context.settings.extensions)),
      files_(context, ListKind::FileNames),
      folders_(context, ListKind::FolderNames) {}

std::string SheetDraft::ExtensionText() const { return Cp932ToUtf8(extension_bytes_); }

void SheetDraft::SetExtensionText(std::string_view utf8) {
  if (utf8 != ExtensionText()) extension_bytes_ = Utf8ToCp932(utf8);
}

std::optional<Message> SheetDraft::ExtensionWarning() const {
  if (extension_bytes_.find('.') != std::string::npos) return std::nullopt;
  return Message{"警告", "拡張子の設定が正しく設定されていません。\r\n確認してください。",
                 Icon::Exclamation, Buttons::Ok, false};
}

int SheetDraft::CarrierPosition() const {
  const std::optional<Carrier> carrier = CarrierOfCompany(draft_.company);
  return carrier ? static_cast<int>(*carrier) : -1;
}

std::optional<Carrier> SheetDraft::CarrierAt(int position) {
  if (position < 0 || position >= static_cast<int>(kCarriers.size())) return std::nullopt;
  return kCarriers[static_cast<std::size_t>(position)];
}

std::vector<std::string> SheetDraft::TemplateFiles(Carrier carrier) const {
  return FindTemplateFiles(context_.file_system,
                           CarrierTemplateFolder(TemplateRoot(context_.program_folder), carrier));
}

bool SheetDraft::IsChosen(Carrier carrier, std::string_view name) const {
  const std::vector<std::string>& chosen = draft_.templates[carrier];
  return std::find(chosen.begin(), chosen.end(), name) != chosen.end();
}

void SheetDraft::Choose(Carrier carrier, std::vector<std::string> names) {
  draft_.templates[carrier] = std::move(names);
}

std::vector<Message> SheetDraft::TemplateQuestions() const {
  std::vector<Message> questions;
  for (const Carrier carrier : kCarriers) {
    if (!draft_.templates[carrier].empty()) continue;
    questions.push_back(Message{"確認",
                                std::string(CarrierName(carrier)) +
                                    "用のテンプレートが設定されていません。\r\n"
                                    "このままではhtml出力が利用できませんが、よろしいですか？",
                                Icon::Question, Buttons::OkCancel, true});
  }
  return questions;
}

bool SheetDraft::Apply() {
  if (output_opened_) {
    for (const Message& question : TemplateQuestions()) {
      if (context_.messages.Show(question) != Answer::Ok) return false;
    }
  }
  if (!files_.Apply() || !folders_.Apply()) return false;
  draft_.extensions = ParseExtensionList(extension_bytes_);
  context_.settings = draft_;
  return true;
}

}  // namespace veldor
