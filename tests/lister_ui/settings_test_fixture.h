#pragma once
// A program folder in a temporary folder, with the context the settings sheet works on.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QListWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/lister_context.h"
#include "lister_ui/settings/property_sheet.h"
#include "platform/file_system.h"
#include "support/qt_test_support.h"
#include "support/recording_messages.h"
#include "support/temp_folder.h"
#include "text/cp932.h"

namespace veldor::testing {

class SheetTest : public ::testing::Test {
 protected:
  SheetTest() : lists(folder.path()) {}

  /// A child of `parent` found by its object name; fails the test when missing.
  template <typename W>
  static W* Find(const QWidget& parent, const char* name) {
    W* widget = parent.findChild<W*>(QString::fromUtf8(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }

  /// Clicks the tab of page `index` as the user would.
  static void ClickTab(ui::CPSeet& sheet, int index) {
    QTabBar* bar = sheet.tabs()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
  }
  static void ClickOk(ui::CPSeet& sheet) { Find<QAbstractButton>(sheet, "okButton")->click(); }
  static void ClickCancel(ui::CPSeet& sheet) {
    Find<QAbstractButton>(sheet, "cancelButton")->click();
  }

  /// Clicks the item `name` of `list` as the user would; it must be there once.
  static void ClickItem(QListWidget& list, const char* name) {
    const auto found = list.findItems(QString::fromUtf8(name), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << name;
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      list.visualItemRect(found.front()).center());
  }

  TempFolder folder;
  ListingSettings settings;
  ReplaceLists lists;
  RecordingMessages messages;
  RecordingShell shell;
  RealFileSystem file_system;
  ListerContext context{settings, lists, messages, shell, file_system, folder.path(), {}};
};

}  // namespace veldor::testing
