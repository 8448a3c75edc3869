#include "checker_ui/checker_dlg.h"

#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QTimer>
#include <utility>

#include "checker/check_template.h"
#include "checker_ui/about_dlg.h"
#include "qt_common/context_menu.h"
#include "qt_common/dialog_font.h"
#include "qt_common/dialog_units.h"
#include "qt_common/drop_paths.h"
#include "qt_common/qt_message_sink.h"

namespace {

constexpr QSize kDialogUnits(131, 67);
constexpr QRect kHintRect(21, 23, 89, 19);

veldor::MessageSink& Pick(veldor::MessageSink* given, std::unique_ptr<veldor::MessageSink>& own,
                          QWidget* owner) {
  if (given != nullptr) return *given;
  own = std::make_unique<veldor::ui::QtMessageSink>(owner);
  return *own;
}

}  // namespace

QIcon CheckerIcon() {
  QIcon icon;
  for (int size : {16, 32, 48, 64, 128, 256}) {
    icon.addFile(QStringLiteral(":/tovrin/icons/tovrin-%1.png").arg(size), QSize(size, size));
  }
  return icon;
}

CCheckerDlg::CCheckerDlg(veldor::MessageSink* messages)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint),
      units_(veldor::ui::DialogFont()),
      messages_(Pick(messages, own_messages_, this)) {
  CreateControls();
}

CCheckerDlg::~CCheckerDlg() = default;

void CCheckerDlg::CreateControls() {
  setObjectName(QStringLiteral("checkerDialog"));
  setWindowTitle(QStringLiteral("tovrin"));
  setWindowIcon(CheckerIcon());
  setFont(veldor::ui::DialogFont());
  setAcceptDrops(true);
  auto* hint =
      new QLabel(QStringLiteral("テンプレートファイルを\nドラッグ＆ドロップしてください。"), this);
  hint->setObjectName(QStringLiteral("dropHintLabel"));
  hint->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // A style or font that needs more room for the two lines gets a wider unit.
  units_.FitWidth(kHintRect.width(), hint->sizeHint().width());
  veldor::ui::PlaceWidget(*hint, units_, kHintRect);

  QAction* about = nullptr;
  context_menu_ = veldor::ui::CreateDialogContextMenu(
      *this, QStringLiteral("tovrin のﾊﾞｰｼﾞｮﾝ情報(&A)..."), &about);
  connect(about, &QAction::triggered, this, &CCheckerDlg::ShowAbout);

  setFixedSize(units_.ToPixels(kDialogUnits));
}

void CCheckerDlg::ShowAbout() {
  CAboutDlg about(this);
  about.exec();
}

void CCheckerDlg::DropPaths(const std::vector<std::filesystem::path>& paths) {
  if (drop_running_ || paths.empty()) return;
  drop_running_ = true;
  veldor::CheckDroppedFiles(paths, messages_);
  drop_running_ = false;
}

void CCheckerDlg::DropWhenShown(std::vector<std::filesystem::path> paths) {
  if (isVisible()) {
    DropSoon(std::move(paths));
  } else {
    paths_when_shown_ = std::move(paths);
  }
}

void CCheckerDlg::DropSoon(std::vector<std::filesystem::path> paths) {
  QTimer::singleShot(0, this, [this, paths = std::move(paths)] { DropPaths(paths); });
}

void CCheckerDlg::dragEnterEvent(QDragEnterEvent* event) {
  // While a drop's messages are open, a further drop is refused rather than interleaved.
  if (!drop_running_ && veldor::ui::HasLocalPaths(*event->mimeData())) {
    event->acceptProposedAction();
  }
}

void CCheckerDlg::dropEvent(QDropEvent* event) {
  std::vector<std::filesystem::path> paths = veldor::ui::LocalPaths(*event->mimeData());
  if (paths.empty() || drop_running_) return;
  event->acceptProposedAction();
  // The check shows modal boxes; it starts after the drop is finished so that the file
  // manager the paths came from is not kept waiting for the end of the drag.
  DropSoon(std::move(paths));
}

void CCheckerDlg::contextMenuEvent(QContextMenuEvent* event) {
  context_menu_->exec(event->globalPos());
}

void CCheckerDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!paths_when_shown_.empty()) DropSoon(std::exchange(paths_when_shown_, {}));
}
