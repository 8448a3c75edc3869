#include "lister_win/settings/output_page.h"

#include <utility>

#include "lister_win/resource.h"
#include "win_common/win_text.h"

namespace {

// The check box of each column, in the order of the columns (output_items1..6).
constexpr int kItemChecks[] = {IDC_ITEM_SIZE,    IDC_ITEM_MODIFIED, IDC_ITEM_CREATED,
                               IDC_ITEM_PACKETS, IDC_ITEM_CHARGE,   IDC_ITEM_TEXT};

}  // namespace

CPage2::CPage2(veldor::SheetDraft& draft) : CSheetPage(IDD_PAGE2), draft_(draft) {}

void CPage2::OnInitDialog() {
  draft_.OpenOutput();
  for (const veldor::Carrier carrier : veldor::kCarriers) {
    const std::wstring name = veldor::win::WideFromUtf8(veldor::CarrierName(carrier));
    ::SendMessageW(Item(IDC_CARRIER), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
  }
  ::SendMessageW(Item(IDC_CARRIER), CB_SETCURSEL, static_cast<WPARAM>(draft_.CarrierPosition()), 0);
  const veldor::ListingSettings& settings = draft_.settings();
  for (std::size_t i = 0; i < settings.output_items.size(); ++i) {
    ::CheckDlgButton(hwnd(), kItemChecks[i],
                     settings.output_items[i] == 1 ? BST_CHECKED : BST_UNCHECKED);
  }
  FillList(ShownCarrier());
}

std::optional<veldor::Carrier> CPage2::ShownCarrier() const {
  const auto index = ::SendMessageW(Item(IDC_CARRIER), CB_GETCURSEL, 0, 0);
  return veldor::SheetDraft::CarrierAt(index == CB_ERR ? -1 : static_cast<int>(index));
}

void CPage2::FillList(std::optional<veldor::Carrier> carrier) {
  const HWND list = Item(IDC_TEMPLATES);
  ::SendMessageW(list, LB_RESETCONTENT, 0, 0);
  listed_.clear();
  if (!carrier) return;
  for (std::string& name : draft_.TemplateFiles(*carrier)) {
    // The list box sorts its items; each keeps the index of its name's bytes.
    const auto item = ::SendMessageW(list, LB_ADDSTRING, 0,
                                     reinterpret_cast<LPARAM>(veldor::win::Wide(name).c_str()));
    ::SendMessageW(list, LB_SETITEMDATA, static_cast<WPARAM>(item),
                   static_cast<LPARAM>(listed_.size()));
    ::SendMessageW(list, LB_SETSEL, draft_.IsChosen(*carrier, name) ? TRUE : FALSE, item);
    listed_.push_back(std::move(name));
  }
}

void CPage2::OnSelectionChanged() {
  const std::optional<veldor::Carrier> carrier = ShownCarrier();
  if (!carrier) return;
  std::vector<std::string> chosen;
  const HWND list = Item(IDC_TEMPLATES);
  const auto count = ::SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (LRESULT item = 0; item < count; ++item) {
    if (::SendMessageW(list, LB_GETSEL, static_cast<WPARAM>(item), 0) <= 0) continue;
    const auto name = ::SendMessageW(list, LB_GETITEMDATA, static_cast<WPARAM>(item), 0);
    chosen.push_back(listed_[static_cast<std::size_t>(name)]);
  }
  draft_.Choose(*carrier, std::move(chosen));
}

bool CPage2::OnCommand(int id, int code) {
  if (id == IDC_CARRIER && code == CBN_SELCHANGE) {
    FillList(ShownCarrier());
    return true;
  }
  if (id == IDC_TEMPLATES && code == LBN_SELCHANGE) {
    OnSelectionChanged();
    return true;
  }
  return false;
}

bool CPage2::OnKillActive() {
  veldor::ListingSettings& settings = draft_.settings();
  for (std::size_t i = 0; i < settings.output_items.size(); ++i) {
    settings.output_items[i] = Checked(kItemChecks[i]) ? 1 : 0;
  }
  return true;
}
