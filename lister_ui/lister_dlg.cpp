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

// In tab order: the carriers docomo, Vodafone, au, then the formats txt, csv, html.
constexpr std::array<RadioLayout, 6> kRadios{{
    {"carrierDocomoRadio", "docomo(&D)", QRect(11, 38, 44, 12)},
    {"carrierVodafoneRadio", "Vodafone(&V)", QRect(11, 51, 48, 12)},
    {"carrierAuRadio", "au(&A)", QRect(11, 64, 42, 12)},
    {"formatTxtRadio", "txt(&T)", QRect(69, 38, 31, 12)},
    {"formatCsvRadio", "csv(&C)", QRect(69, 51, 31, 12)},
    {"formatHtmlRadio", "html(&H)", QRect(69, 64, 35, 12)},
}};
constexpr std::size_t kFirstFormat = 3;
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
  const auto carriers =
      CreateRadioGroup(QStringLiteral("機種"), "carrierGroup", kCarrierGroupRect, 0);
  format_radios_ =
      CreateRadioGroup(QStringLiteral("出力形式"), "formatGroup", kFormatGroupRect, kFirstFormat);
  // clicked comes from the user only, so marking the stored choice changes nothing.
  for (std::size_t i = 0; i < veldor::kCarriers.size(); ++i) {
    const veldor::Carrier carrier = veldor::kCarriers[i];
    carrier_radios_[carrier] = carriers[i];
    connect(carriers[i], &QRadioButton::clicked, this,
            [this, carrier] { settings_.company = veldor::CompanyValue(carrier); });
  }
  for (std::size_t i = 0; i < format_radios_.size(); ++i) {
    connect(format_radios_[i], &QRadioButton::clicked, this,
            [this, i] { settings_.output_mode = static_cast<int>(i) + 1; });
  }
  auto* settings = layout_.Add(new QPushButton(QStringLiteral("設定(&O)"), this), "settingsButton",
                               QRect(118, 70, 32, 13));
  veldor::ui::MakePlainPushButton(*settings);
  connect(settings, &QPushButton::clicked, this, &CListerDlg::OnSettingsClicked);
  layout_.Place(*this, kDialogUnits);

  const QList<QWidget*> tab_order{carriers[0],       carriers[1],       carriers[2],
                                  format_radios_[0], format_radios_[1], format_radios_[2],
                                  settings};
  for (qsizetype i = 0; i + 1 < tab_order.size(); ++i) setTabOrder(tab_order[i], tab_order[i + 1]);
  CreateContextMenu(QStringLiteral("Veldor のﾊﾞｰｼﾞｮﾝ情報(&A)..."));
}

std::array<QRadioButton*, 3> CListerDlg::CreateRadioGroup(const QString& title, const char* name,
                                                          const QRect& units, std::size_t first) {
  auto* group = layout_.Add(new QGroupBox(title, this), name, units);
  std::array<QRadioButton*, 3> radios{};
  for (std::size_t i = 0; i < radios.size(); ++i) {
    const RadioLayout& radio_layout = kRadios[first + i];
    // A radio's text may use the room up to its group's frame.
    radios[i] =
        layout_.Add(new QRadioButton(QString::fromUtf8(radio_layout.text), group),
                    radio_layout.object_name, radio_layout.units,
                    units.left() + units.width() - kGroupPadding - radio_layout.units.left());
  }
  veldor::ui::MakeNativeRadioGroup({radios[0], radios[1], radios[2]});
  return radios;
}

void CListerDlg::MarkRadios() {
  // Values outside 1..3 never reach here: the settings load turns them into 1.
  if (const std::optional<veldor::Carrier> carrier = veldor::CarrierOfCompany(settings_.company)) {
    carrier_radios_[*carrier]->setChecked(true);
  }
  if (settings_.output_mode >= 1 && settings_.output_mode <= 3) {
    format_radios_[static_cast<std::size_t>(settings_.output_mode - 1)]->setChecked(true);
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
