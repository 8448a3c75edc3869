#pragma once
// What the settings sheet asks of each of its pages.

#include <QWidget>

#include "qt_common/dialog_font.h"
#include "qt_common/unit_layout.h"

namespace veldor::ui {

/// One tab of the settings sheet. The sheet initialises a page the first time its tab is
/// shown and asks it to store its controls before the user leaves it or presses OK.
class CSheetPage : public QWidget {
 public:
  explicit CSheetPage(QWidget* parent = nullptr) : QWidget(parent) { setFont(DialogFont()); }

  /// Loads the controls from the draft; runs once, when the page is first shown.
  virtual void OnInitDialog() {}
  /// Stores the controls into the draft; false keeps the user on the page.
  virtual bool OnKillActive() { return true; }

  bool initialised() const { return initialised_; }
  /// Runs the initialisation unless it has already run.
  void EnsureInitialised() {
    if (initialised_) return;
    initialised_ = true;
    OnInitDialog();
  }

  /// The dialog units the page is laid out in.
  const DialogUnits& dialog_units() const { return layout_.units(); }
  /// Lays the page out again in `units` where they are wider than its own: the sheet
  /// gives every page the widest unit any page needs.
  void UseDialogUnits(const DialogUnits& units) { layout_.PlaceIn(*this, units); }

 protected:
  /// Places the controls added to `layout_`, with a unit wide enough for their texts,
  /// on a page of the pages' common size.
  void PlaceControls() { layout_.Place(*this, QSize(210, 154)); }

  UnitLayout layout_{DialogFont()};

 private:
  bool initialised_ = false;
};

}  // namespace veldor::ui
