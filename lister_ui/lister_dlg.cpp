#include "lister_ui/lister_dlg.h"

#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <algorithm>
#include <utility>

#include "engine/listing_run.h"
#include "lister_ui/about_dlg.h"
#include "lister_ui/settings/settings_sheet.h"
#include "qt_common/context_menu.h"
#include "qt_common/dialog_font.h"
#include "qt_common/dialog_units.h"
#include "qt_common/drop_paths.h"
#include "qt_common/qt_message_sink.h"

namespace {

// The dialog's client area and controls, in dialog units.
constexpr QSize kDialogUnits(157, 91);
constexpr QRect kHintRect(17, 7, 125, 8);
constexpr QRect kCarrierGroupRect(7, 22, 55, 62);
constexpr QRect kFormatGroupRect(65, 22, 50, 62);
constexpr QRect kSettingsRect(118, 70, 32, 13);

struct RadioSpec {
  const char* object_name;
  const char* text;
  QRect units;
};

// Indexed by slot - 1: the carriers docomo, Vodafone, au, then the formats txt, csv, html.
constexpr std::array<RadioSpec, 6> kRadios{{
    {"carrierDocomoRadio", "docomo(&D)", QRect(11, 38, 44, 12)},
    {"carrierVodafoneRadio", "Vodafone(&V)", QRect(11, 51, 48, 12)},
    {"carrierAuRadio", "au(&A)", QRect(11, 64, 42, 12)},
    {"formatTxtRadio", "txt(&T)", QRect(69, 38, 31, 12)},
    {"formatCsvRadio", "csv(&C)", QRect(69, 51, 31, 12)},
    {"formatHtmlRadio", "html(&H)", QRect(69, 64, 35, 12)},
}};
constexpr int kFirstFormatSlot = 4;
// Room kept between a radio's text and its group's frame, in dialog units.
constexpr int kGroupPadding = 2;

veldor::MessageSink& Pick(veldor::MessageSink* given, std::unique_ptr<veldor::MessageSink>& own,
                          QWidget* owner) {
  if (given != nullptr) return *given;
  own = std::make_unique<veldor::ui::QtMessageSink>(owner);
  return *own;
}

veldor::Shell& Pick(veldor::Shell* given, std::unique_ptr<veldor::Shell>& own) {
  if (given != nullptr) return *given;
  own = std::make_unique<veldor::DesktopShell>();
  return *own;
}

}  // namespace

QIcon ListerIcon() {
  QIcon icon;
  for (int size : {16, 32, 48, 64, 128, 256}) {
    icon.addFile(QStringLiteral(":/veldor/icons/veldor-%1.png").arg(size), QSize(size, size));
  }
  return icon;
}

CListerDlg::CListerDlg(std::filesystem::path program_folder, veldor::MessageSink* messages,
                       veldor::Shell* shell)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint),
      units_(veldor::ui::DialogFont()),
      program_folder_(std::move(program_folder)),
      profile_(program_folder_ / "quorsel.ini"),
      lists_(program_folder_),
      context_{settings_,
               lists_,
               Pick(messages, own_messages_, this),
               Pick(shell, own_shell_),
               file_system_,
               program_folder_,
               {}} {
  CreateControls();
  context_.browser_path = veldor::FindBrowserPath(program_folder_);
  veldor::LoadSettings(settings_, profile_);
  MarkRadios();
  veldor::LoadListsAtStartup(lists_, context_.messages);
}

CListerDlg::~CListerDlg() { veldor::SaveSettings(settings_, profile_); }

void CListerDlg::CreateControls() {
  setObjectName(QStringLiteral("listerDialog"));
  setWindowTitle(QStringLiteral("パケット料金表示支援プログラム　VELDOR"));
  setWindowIcon(ListerIcon());
  setFont(veldor::ui::DialogFont());
  setAcceptDrops(true);

  auto* hint = new QLabel(QStringLiteral("フォルダをドラッグ＆ドロップしてください。"), this);
  hint->setObjectName(QStringLiteral("dropHintLabel"));
  auto* carriers = CreateRadioGroup(QStringLiteral("機種"), 1);
  carriers->setObjectName(QStringLiteral("carrierGroup"));
  auto* formats = CreateRadioGroup(QStringLiteral("出力形式"), kFirstFormatSlot);
  formats->setObjectName(QStringLiteral("formatGroup"));
  auto* settings = new QPushButton(QStringLiteral("設定(&O)"), this);
  settings->setObjectName(QStringLiteral("settingsButton"));
  connect(settings, &QPushButton::clicked, this, &CListerDlg::OnSettingsClicked);

  FitUnits(*hint, *settings);
  veldor::ui::PlaceWidget(*hint, units_, kHintRect);
  PlaceRadioGroup(*carriers, kCarrierGroupRect, 1);
  PlaceRadioGroup(*formats, kFormatGroupRect, kFirstFormatSlot);
  veldor::ui::PlaceWidget(*settings, units_, kSettingsRect);
  setFixedSize(units_.ToPixels(kDialogUnits));

  for (std::size_t slot = 1; slot + 1 < radios_.size(); ++slot) {
    setTabOrder(radios_[slot], radios_[slot + 1]);
  }
  setTabOrder(radios_.back(), settings);

  QAction* about = nullptr;
  context_menu_ = veldor::ui::CreateDialogContextMenu(
      *this, QStringLiteral("Veldor のﾊﾞｰｼﾞｮﾝ情報(&A)..."), &about);
  connect(about, &QAction::triggered, this, &CListerDlg::ShowAbout);
}

QGroupBox* CListerDlg::CreateRadioGroup(const QString& title, int first_slot) {
  auto* group = new QGroupBox(title, this);
  for (int slot = first_slot; slot < first_slot + 3; ++slot) {
    const RadioSpec& spec = kRadios[static_cast<std::size_t>(slot - 1)];
    auto* radio = new QRadioButton(QString::fromUtf8(spec.text), group);
    radio->setObjectName(QString::fromLatin1(spec.object_name));
    // clicked comes from the user only, so marking the stored choice changes nothing.
    connect(radio, &QRadioButton::clicked, this, [this, slot] { OnRadioClicked(slot); });
    radios_[static_cast<std::size_t>(slot)] = radio;
  }
  return group;
}

void CListerDlg::FitUnits(const QLabel& hint, const QPushButton& settings) {
  units_.FitWidth(kHintRect.width(), hint.sizeHint().width());
  units_.FitWidth(kSettingsRect.width(), veldor::ui::PushButtonTextWidth(settings));
  for (std::size_t slot = 1; slot < radios_.size(); ++slot) {
    const QRect& group =
        slot < std::size_t{kFirstFormatSlot} ? kCarrierGroupRect : kFormatGroupRect;
    const QRect& radio = kRadios[slot - 1].units;
    // A radio may use the room up to its group's frame.
    units_.FitWidth(group.left() + group.width() - kGroupPadding - radio.left(),
                    radios_[slot]->sizeHint().width());
  }
}

void CListerDlg::PlaceRadioGroup(QGroupBox& group, const QRect& group_units, int first_slot) {
  const QRect group_pixels = units_.ToPixels(group_units);
  group.setGeometry(group_pixels);
  for (int slot = first_slot; slot < first_slot + 3; ++slot) {
    QRadioButton* radio = radios_[static_cast<std::size_t>(slot)];
    // The radios are given in the dialog's coordinates, like the rest of the layout.
    QRect pixels = units_.ToPixels(kRadios[static_cast<std::size_t>(slot - 1)].units);
    pixels.setWidth(std::max(pixels.width(), radio->sizeHint().width()));
    radio->setGeometry(pixels.translated(-group_pixels.topLeft()));
  }
}

void CListerDlg::MarkRadios() {
  // Values outside 1..3 never reach here: the settings load turns them into 1.
  if (settings_.company >= 1 && settings_.company <= 3) {
    radios_[static_cast<std::size_t>(settings_.company)]->setChecked(true);
  }
  if (settings_.output_mode >= 1 && settings_.output_mode <= 3) {
    radios_[static_cast<std::size_t>(kFirstFormatSlot - 1 + settings_.output_mode)]->setChecked(
        true);
  }
}

void CListerDlg::OnRadioClicked(int slot) {
  if (slot < kFirstFormatSlot) {
    settings_.company = slot;
  } else {
    settings_.output_mode = slot - kFirstFormatSlot + 1;
  }
}

void CListerDlg::OnSettingsClicked() {
  if (veldor::ui::RunSettingsSheet(this, context_)) MarkRadios();
}

void CListerDlg::ShowAbout() {
  CAboutDlg about(this);
  about.exec();
}

void CListerDlg::DropPaths(const std::vector<std::filesystem::path>& paths) {
  if (drop_running_ || paths.empty()) return;
  drop_running_ = true;
  veldor::RunDrop(paths, context_);
  drop_running_ = false;
}

void CListerDlg::DropWhenShown(std::vector<std::filesystem::path> paths) {
  if (isVisible()) {
    DropSoon(std::move(paths));
  } else {
    paths_when_shown_ = std::move(paths);
  }
}

void CListerDlg::DropSoon(std::vector<std::filesystem::path> paths) {
  QTimer::singleShot(0, this, [this, paths = std::move(paths)] { DropPaths(paths); });
}

void CListerDlg::dragEnterEvent(QDragEnterEvent* event) {
  // While a drop's messages are open, a further drop is refused rather than interleaved.
  if (!drop_running_ && veldor::ui::HasLocalPaths(*event->mimeData())) {
    event->acceptProposedAction();
  }
}

void CListerDlg::dropEvent(QDropEvent* event) {
  std::vector<std::filesystem::path> paths = veldor::ui::LocalPaths(*event->mimeData());
  if (paths.empty() || drop_running_) return;
  event->acceptProposedAction();
  // The run shows modal boxes; it starts after the drop is finished so that the file
  // manager the paths came from is not kept waiting for the end of the drag.
  DropSoon(std::move(paths));
}

void CListerDlg::contextMenuEvent(QContextMenuEvent* event) {
  context_menu_->exec(event->globalPos());
}

void CListerDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!paths_when_shown_.empty()) DropSoon(std::exchange(paths_when_shown_, {}));
}
