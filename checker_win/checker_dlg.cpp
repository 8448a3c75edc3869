#include "checker_win/checker_dlg.h"

#include "checker/check_template.h"
#include "checker_win/resource.h"

CCheckerDlg::CCheckerDlg(veldor::MessageSink* messages, std::vector<std::filesystem::path> paths)
    : DropDialog(messages, IDS_ABOUTBOX, IDD_ABOUTBOX, std::move(paths)) {}

void CCheckerDlg::HandleDrop(std::vector<std::filesystem::path> paths) {
  veldor::CheckDroppedFiles(paths, messages());
}
