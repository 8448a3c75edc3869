#include "lister_ui/settings/property_sheet.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include "lister_ui/settings/basic_page.h"
#include "lister_ui/settings/output_page.h"
#include "lister_ui/settings/text_page.h"
#include "qt_common/dialog_font.h"

namespace veldor::ui {

CPSeet::CPSeet(ListerContext& context, QWidget* parent)
    : QDialog(parent),
      draft_(context),
      page1_(new CPage1(draft_)),
      page2_(new CPage2(draft_)),
      page3_(new CPage3(draft_)),
      page4_(new CPage4(draft_)),
      pages_{page1_, page2_, page3_, page4_},
      tabs_(new QTabWidget(this)) {
  setObjectName(QStringLiteral("settingsSheet"));
  setWindowTitle(QStringLiteral("VELDORのプロパティ"));
  setFont(DialogFont());
  if (parent != nullptr) setWindowIcon(parent->windowIcon());
  // One page size for all: each page is laid out in the widest unit any page needs.
  DialogUnits widest = page1_->dialog_units();
  for (CSheetPage* page : pages_) widest.Widen(page->dialog_units());
  for (CSheetPage* page : pages_) page->UseDialogUnits(widest);
  tabs_->setObjectName(QStringLiteral("pageTabs"));
  tabs_->addTab(page1_, QStringLiteral("基本設定"));
  tabs_->addTab(page2_, QStringLiteral("出力設定"));
  tabs_->addTab(page3_, QStringLiteral("拡張設定1"));
  tabs_->addTab(page4_, QStringLiteral("拡張設定2"));

  auto* buttons = new QDialogButtonBox(this);
  buttons->setObjectName(QStringLiteral("sheetButtons"));
  QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("okButton"));
  ok->setDefault(true);
  QPushButton* cancel =
      buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole);
  cancel->setObjectName(QStringLiteral("cancelButton"));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(ok, &QPushButton::clicked, this, &CPSeet::OnOk);
  connect(cancel, &QPushButton::clicked, this, &CPSeet::reject);
  connect(tabs_, &QTabWidget::currentChanged, this, &CPSeet::OnTabChanged);
  tabs_->setCurrentIndex(0);
  page1_->EnsureInitialised();
  // Ctrl+Tab and Ctrl+Shift+Tab turn the pages whichever control has the focus.
  for (const auto& [keys, step] :
       {std::pair(QKeySequence(Qt::CTRL | Qt::Key_Tab), 1),
        std::pair(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), 3)}) {
    connect(new QShortcut(keys, this), &QShortcut::activated, this,
            [this, step = step] { tabs_->setCurrentIndex((current_ + step) % tabs_->count()); });
  }
  // The sheet opens with the focus on the first control of its first page.
  for (QWidget* w = page1_->nextInFocusChain(); w != page1_; w = w->nextInFocusChain()) {
    if (page1_->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) != 0) {
      w->setFocus();
      break;
    }
  }
}

CPSeet::~CPSeet() { delete tabs_; }

void CPSeet::OnTabChanged(int index) {
  if (index == current_ || index < 0) return;
  // The page being left decides first, while it is still the one on view, so that a
  // refusal leaves the tabs exactly as they were.
  {
    const QSignalBlocker blocker(tabs_);
    tabs_->setCurrentIndex(current_);
  }
  if (!pages_[static_cast<std::size_t>(current_)]->OnKillActive()) return;
  {
    const QSignalBlocker blocker(tabs_);
    tabs_->setCurrentIndex(index);
  }
  current_ = index;
  pages_[static_cast<std::size_t>(index)]->EnsureInitialised();
}

void CPSeet::OnOk() {
  if (pages_[static_cast<std::size_t>(current_)]->OnKillActive() && draft_.Apply()) accept();
}

}  // namespace veldor::ui
