#pragma once
// The core's messages as modal Qt message boxes.

#include <QPointer>
#include <QWidget>

#include "platform/messages.h"

class QMessageBox;

namespace veldor::ui {

/// Gives `box` the caption, text, icon, buttons and default button of `message`.
void ConfigureMessageBox(QMessageBox& box, const Message& message);
/// The answer that `box`, configured for `buttons`, was closed with. A box closed without
/// a button (Esc, the close box) answers No or Cancel.
Answer AnswerOf(const QMessageBox& box, Buttons buttons);

/// Shows each message in a modal QMessageBox. Its parent is the modal window in front
/// (a settings sheet, a page's own dialog) when there is one, else `fallback_parent`,
/// so that every box is modal to the window the user is working in.
class QtMessageSink : public MessageSink {
 public:
  explicit QtMessageSink(QWidget* fallback_parent);
  Answer Show(const Message& message) override;

 private:
  QPointer<QWidget> fallback_parent_;
};

}  // namespace veldor::ui
