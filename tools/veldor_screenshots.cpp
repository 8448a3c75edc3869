// veldor_screenshots <folder>: renders the main window, its about box, the four pages of
// the settings sheet and the input dialog into <folder>, on a program folder of samples.

#include <QApplication>
#include <QTabWidget>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <string>

#include "lister_ui/lister_dlg.h"
#include "lister_ui/settings/input_dialog.h"
#include "lister_ui/settings/property_sheet.h"
#include "screenshot.h"
#include "text/cp932.h"

namespace {

void Write(const std::filesystem::path& file, const std::string& bytes) {
  std::filesystem::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << bytes;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
  QTemporaryDir scratch;
  const std::filesystem::path program = scratch.path().toStdString();
  for (const char* name : {"index.html", "top.htm", "gallery.html"}) {
    Write(program / "template/docomo" / name, "x");
  }
  Write(program / "replace_list.csv",
        veldor::Utf8ToCp932("photo01.jpg,夜明けの海\r\nphoto02.jpg,港の朝市\r\n"));
  Write(program / "replace_list2.csv", veldor::Utf8ToCp932("Trip,夏の旅行\r\n"));

  CListerDlg dialog(program);
  veldor::tools::Save(dialog, folder, "veldor-main.png");
  veldor::tools::SaveAboutBox(dialog, folder, "veldor-about.png");

  veldor::ui::CPSeet sheet(dialog.context());
  const char* const pages[] = {"settings-basic.png", "settings-output.png", "settings-text1.png",
                               "settings-text2.png"};
  for (int index = 0; index < 4; ++index) {
    sheet.tabs()->setCurrentIndex(index);
    veldor::tools::Save(sheet, folder, pages[index]);
  }
  veldor::ui::CInputDlg input(veldor::ui::CInputDlg::Mode::EditFileName, dialog.messages(), &sheet);
  input.name = QStringLiteral("photo01.jpg");
  input.text = QStringLiteral("夜明けの海");
  veldor::tools::Save(input, folder, "settings-input.png", false);
  return 0;
}
