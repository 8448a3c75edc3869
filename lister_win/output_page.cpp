// 出力設定: the optional columns of the txt and csv listings, and each carrier's templates.
#include <algorithm>

#include "lister_win/resource.h"
#include "lister_win/sheet.h"
#include "template_rules/template_files.h"
#include "text/cp932.h"
#include "win_common/win_text.h"

namespace {

// The check box of each column, in the order of the columns (output_items1..6).
constexpr int kItemChecks[] = {IDC_ITEM_SIZE,    IDC_ITEM_MODIFIED, IDC_ITEM_CREATED,
                               IDC_ITEM_PACKETS, IDC_ITEM_CHARGE,   IDC_ITEM_TEXT};

}  // namespace

CPage2::CPage2(veldor::ListerContext& context)
    : CSheetPage(IDD_PAGE2), output_items(context.settings.output_items), context_(context) {}

void CPage2::OnInitDialog() {
  for (const wchar_t* carrier : {L"docomo", L"Vodafone", L"au"}) {
    ::SendMessageW(Item(IDC_CARRIER), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(carrier));
  }
  ::SendMessageW(Item(IDC_CARRIER), CB_SETCURSEL,
                 static_cast<WPARAM>(context_.settings.company - 1), 0);
  for (std::size_t i = 0; i < output_items.size(); ++i) {
    ::CheckDlgButton(hwnd(), kItemChecks[i], output_items[i] == 1 ? BST_CHECKED : BST_UNCHECKED);
  }
  for (const int carrier : veldor::kCarriers) {
    working_[static_cast<std::size_t>(carrier)] =
        context_.settings.templates[static_cast<std::size_t>(carrier)];
  }
  FillTemplates(context_.settings.company);
}

void CPage2::FillTemplates(int company) {
  const HWND list = Item(IDC_TEMPLATES);
  ::SendMessageW(list, LB_RESETCONTENT, 0, 0);
  listed_.clear();
  const std::string_view carrier = veldor::CarrierName(company);
  if (carrier.empty()) return;
  const auto folder = context_.program_folder / "template" / veldor::Cp932ToPath(carrier);
  const auto& chosen = working_[static_cast<std::size_t>(company)];
  for (std::string& name : veldor::FindTemplateFiles(context_.file_system, folder)) {
    // The list box sorts its items; each keeps the index of its name's bytes.
    const auto item = ::SendMessageW(list, LB_ADDSTRING, 0,
                                     reinterpret_cast<LPARAM>(veldor::win::Wide(name).c_str()));
    ::SendMessageW(list, LB_SETITEMDATA, static_cast<WPARAM>(item),
                   static_cast<LPARAM>(listed_.size()));
    const bool selected = std::find(chosen.begin(), chosen.end(), name) != chosen.end();
    ::SendMessageW(list, LB_SETSEL, selected ? TRUE : FALSE, item);
    listed_.push_back(std::move(name));
  }
}

void CPage2::StoreSelection() {
  const auto index = ::SendMessageW(Item(IDC_CARRIER), CB_GETCURSEL, 0, 0);
  if (index == CB_ERR) return;
  auto& chosen = working_[static_cast<std::size_t>(index + 1)];
  chosen.clear();
  const HWND list = Item(IDC_TEMPLATES);
  const auto count = ::SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (LRESULT item = 0; item < count; ++item) {
    if (::SendMessageW(list, LB_GETSEL, static_cast<WPARAM>(item), 0) <= 0) continue;
    const auto name = ::SendMessageW(list, LB_GETITEMDATA, static_cast<WPARAM>(item), 0);
    chosen.push_back(listed_[static_cast<std::size_t>(name)]);
  }
}

bool CPage2::OnCommand(int id, int code) {
  if (id == IDC_CARRIER && code == CBN_SELCHANGE) {
    const auto index = ::SendMessageW(Item(IDC_CARRIER), CB_GETCURSEL, 0, 0);
    if (index != CB_ERR) FillTemplates(static_cast<int>(index) + 1);
    return true;
  }
  if (id == IDC_TEMPLATES && code == LBN_SELCHANGE) {
    StoreSelection();
    return true;
  }
  return false;
}

bool CPage2::OnKillActive() {
  for (std::size_t i = 0; i < output_items.size(); ++i) {
    output_items[i] = Checked(kItemChecks[i]) ? 1 : 0;
  }
  return true;
}

bool CPage2::OnApply() {
  for (const int carrier : veldor::kCarriers) {
    if (!working_[static_cast<std::size_t>(carrier)].empty()) continue;
    const veldor::Message question{"確認",
                                   std::string(veldor::CarrierName(carrier)) +
                                       "用のテンプレートが設定されていません。\r\n"
                                       "このままではhtml出力が利用できませんが、よろしいですか？",
                                   veldor::Icon::Question, veldor::Buttons::OkCancel, true};
    if (context_.messages.Show(question) != veldor::Answer::Ok) return false;
  }
  for (const int carrier : veldor::kCarriers) {
    context_.settings.templates[static_cast<std::size_t>(carrier)] =
        working_[static_cast<std::size_t>(carrier)];
  }
  return true;
}
