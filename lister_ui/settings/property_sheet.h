#pragma once
// The settings sheet "VELDORのプロパティ": four pages in tabs, with OK and Cancel.

#include <QDialog>
#include <array>

#include "listing/lister.h"
#include "settings_sheet/sheet_draft.h"

class QPushButton;
class QTabWidget;

namespace veldor::ui {

class CSheetPage;
class CPage1;
class CPage2;
class CTextPage;

/// A modal tabbed dialog over a draft of the settings and lists. Each page is initialised
/// the first time its tab is shown; the basic page may refuse to be left; OK stores the page
/// on view and closes only when the draft has been applied (Cancel drops it).
class CPSeet : public QDialog {
  Q_OBJECT

 public:
  explicit CPSeet(ListerContext& context, QWidget* parent = nullptr);
  /// Deletes the pages while the draft they bind to is still there.
  ~CPSeet() override;

  CPage1& page1() const { return *page1_; }
  CPage2& page2() const { return *page2_; }
  CTextPage& page3() const { return *page3_; }
  CTextPage& page4() const { return *page4_; }
  QTabWidget* tabs() const { return tabs_; }

 private:
  void OnTabChanged(int index);
  void OnOk();

  SheetDraft draft_;
  CPage1* page1_;
  CPage2* page2_;
  CTextPage* page3_;
  CTextPage* page4_;
  std::array<CSheetPage*, 4> pages_{};
  QTabWidget* tabs_;
  int current_ = 0;
};

}  // namespace veldor::ui
