// Every page and the input dialog have the size of their dialog in dialog units. With
// VELDOR_SCREENSHOT_DIR set, the renderings are kept there as PNG files.

#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <cstdlib>

#include "lister_ui/settings/input_dialog.h"
#include "lister_ui/settings/text_page.h"
#include "qt_common/dialog_font.h"
#include "qt_common/dialog_units.h"
#include "settings_test_fixture.h"

namespace veldor::testing {
namespace {

void Keep(QWidget& widget, const char* name) {
  const QPixmap shot = widget.grab();
  EXPECT_FALSE(shot.isNull());
  if (const char* dir = std::getenv("VELDOR_SCREENSHOT_DIR")) {
    EXPECT_TRUE(shot.save(QString::fromUtf8(dir) + "/" + name, "PNG")) << name;
  }
}

class ScreenshotTest : public SheetTest {};

TEST_F(ScreenshotTest, PagesAndInputDialogHaveTheirDialogSizes) {
  folder.Write("template/docomo/index.html", "x");
  folder.Write("template/docomo/top.htm", "x");
  folder.Write("template/docomo/gallery.html", "x");
  folder.Write("replace_list.csv",
               Utf8ToCp932("photo01.jpg,夜明けの海\r\nphoto02.jpg,港の朝市\r\n"));
  folder.Write("replace_list2.csv", Utf8ToCp932("Trip,夏の旅行\r\n"));
  const ui::DialogUnits units(ui::DialogFont());
  const QSize page_size = units.ToPixels(QSize(210, 154));

  ui::CPSeet sheet(context);
  sheet.show();
  const char* names[] = {"settings-basic.png", "settings-output.png", "settings-text1.png",
                         "settings-text2.png"};
  for (int i = 0; i < 4; ++i) {
    ClickTab(sheet, i);
    ASSERT_EQ(sheet.tabs()->currentIndex(), i);
    EXPECT_EQ(sheet.tabs()->currentWidget()->size(), page_size) << names[i];
    Keep(sheet, names[i]);
  }

  ui::CInputDlg dialog(2, &sheet);
  dialog.name = "photo01.jpg";
  dialog.text = QStringLiteral("夜明けの海");
  dialog.show();
  EXPECT_EQ(dialog.size(), units.ToPixels(QSize(195, 75)));
  Keep(dialog, "settings-input.png");
  EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace veldor::testing
