#pragma once
// The core's messages as modal Windows message boxes.

#include <windows.h>

#include "platform/messages.h"

namespace veldor::win {

/// Shows each message with MessageBoxW, with the message's icon, buttons and default
/// button. Its owner is the active window of this thread (the settings sheet, a page's own
/// dialog) when there is one, else `owner`, so that every box is modal to the window the
/// user is working in.
class MessageBoxSink : public MessageSink {
 public:
  explicit MessageBoxSink(HWND owner = nullptr) : owner_(owner) {}
  void SetOwner(HWND owner) { owner_ = owner; }
  Answer Show(const Message& message) override;

 private:
  HWND owner_;
};

/// MessageBoxW's style for `message`: icon, buttons and default button.
UINT MessageBoxStyle(const Message& message);

}  // namespace veldor::win
