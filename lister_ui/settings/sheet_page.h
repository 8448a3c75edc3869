#pragma once
// What the settings sheet asks of each of its pages.

#include <QWidget>

namespace veldor::ui {

/// One tab of the settings sheet. The sheet initialises a page the first time its tab is
/// shown, asks it before the user leaves it, and applies every initialised page on OK.
class CSheetPage : public QWidget {
 public:
  using QWidget::QWidget;

  /// Puts the page's fields into its controls; runs once, when the page is first shown.
  virtual void OnInitDialog() {}
  /// Reads the controls back into the fields; false keeps the user on the page.
  virtual bool OnKillActive() { return true; }
  /// Called on OK for every initialised page, in page order; false keeps the sheet open.
  virtual bool OnApply() { return true; }

  bool initialised() const { return initialised_; }
  /// Runs the initialisation unless it has already run.
  void EnsureInitialised() {
    if (initialised_) return;
    initialised_ = true;
    OnInitDialog();
  }

 private:
  bool initialised_ = false;
};

}  // namespace veldor::ui
