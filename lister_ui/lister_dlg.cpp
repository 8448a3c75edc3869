#include "lister_ui/lister_dlg.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <utility>

#include "lister_ui/about_dlg.h"
#include "lister_ui/settings/settings_sheet.h"
#include "listing/listing_run.h"
#include "qt_common/desktop_program.h"
#include "qt_common/native_keys.h"

namespace {

// The dialog's client area and group boxes, in dialog units.
constexpr QSize kDialogUnits(157, 91);
constexpr QRect kCarrierGroupRect(7, 22, 55, 62);
constexpr QRect kFormatGroupRect(65, 22, 50, 62);

struct RadioLayout {
  const char* object_name;
  const char* text;
  QRect units;
};

// Indexed by slot - 1: the carriers docomo, Vodafone, au, then the formats txt, csv, html.
constexpr std::array<RadioLayout, 6> kRadios{{
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

}  // namespace

CListerDlg::CListerDlg(std::filesystem::path program_folder, veldor::MessageSink* messages,
                       veldor::Shell* shell)
    : DropWindow(messages),
      lister_(std::move(program_folder), this->messages(),
              veldor::GivenOrDesktopShell(shell, own_shell_)),
      settings_(lister_.settings()) {
  CreateControls();
  MarkRadios();
}

CListerDlg::~CListerDlg() { lister_.SaveSettings(); }

void CListerDlg::CreateControls() {
  setObjectName(QStringLiteral("listerDialog"));
  setWindowTitle(QStringLiteral("パケット料金表示支援プログラム　VELDOR"));
  setWindowIcon(veldor::ui::ProgramIcon(QStringLiteral("veldor")));

  layout_.Add(new QLabel(QStringLiteral("フォルダをドラッグ＆ドロップしてください。"), this),
              "dropHintLabel", QRect(17, 7, 125, 8));
  CreateRadioGroup(QStringLiteral("機種"), "carrierGroup", kCarrierGroupRect, 1);
  CreateRadioGroup(QStringLiteral("出力形式"), "formatGroup", kFormatGroupRect, kFirstFormatSlot);
  auto* settings = layout_.Add(new QPushButton(QStringLiteral("設定(&O)"), this), "settingsButton",
                               QRect(118, 70, 32, 13));
  veldor::ui::MakePlainPushButton(*settings);
  connect(settings, &QPushButton::clicked, this, &CListerDlg::OnSettingsClicked);
  layout_.Place(*this, kDialogUnits);

  for (std::size_t slot = 1; slot + 1 < radios_.size(); ++slot) {
    setTabOrder(radios_[slot], radios_[slot + 1]);
  }
  setTabOrder(radios_.back(), settings);
  CreateContextMenu(QStringLiteral("Veldor のﾊﾞｰｼﾞｮﾝ情報(&A)..."));
}

void CListerDlg::CreateRadioGroup(const QString& title, const char* name, const QRect& units,
                                  int first_slot) {
  auto* group = layout_.Add(new QGroupBox(title, this), name, units);
  QList<QRadioButton*> radios;
  for (int slot = first_slot; slot < first_slot + 3; ++slot) {
    const RadioLayout& radio_layout = kRadios[static_cast<std::size_t>(slot - 1)];
    // A radio's text may use the room up to its group's frame.
    auto* radio =
        layout_.Add(new QRadioButton(QString::fromUtf8(radio_layout.text), group),
                    radio_layout.object_name, radio_layout.units,
                    units.left() + units.width() - kGroupPadding - radio_layout.units.left());
    // clicked comes from the user only, so marking the stored choice changes nothing.
    connect(radio, &QRadioButton::clicked, this, [this, slot] { OnRadioClicked(slot); });
    radios_[static_cast<std::size_t>(slot)] = radio;
    radios << radio;
  }
  veldor::ui::MakeNativeRadioGroup(radios);
}

void CListerDlg::MarkRadios() {
  // Values outside 1..3 never reach here: the settings load turns them into 1.
  if (veldor::CarrierOfCompany(settings_.company)) {
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
  if (veldor::ui::RunSettingsSheet(this, context())) MarkRadios();
}

void CListerDlg::ShowAbout() {
  CAboutDlg about(this);
  about.exec();
}

void CListerDlg::HandleDrop(const std::vector<std::filesystem::path>& paths) {
  veldor::RunDrop(paths, context());
}
