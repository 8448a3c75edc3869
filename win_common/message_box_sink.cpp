#include "win_common/message_box_sink.h"

#include "win_common/win_text.h"

namespace veldor::win {

UINT MessageBoxStyle(const Message& message) {
  UINT style = MB_OK;
  switch (message.buttons) {
    case Buttons::YesNo:
      style = MB_YESNO;
      break;
    case Buttons::OkCancel:
      style = MB_OKCANCEL;
      break;
    case Buttons::Ok:
      break;
  }
  switch (message.icon) {
    case Icon::Exclamation:
      style |= MB_ICONEXCLAMATION;
      break;
    case Icon::Question:
      style |= MB_ICONQUESTION;
      break;
    case Icon::Stop:
      style |= MB_ICONSTOP;
      break;
    case Icon::None:
      break;
  }
  if (message.second_button_default && message.buttons != Buttons::Ok) style |= MB_DEFBUTTON2;
  return style;
}

Answer MessageBoxSink::Show(const Message& message) {
  const HWND active = ::GetActiveWindow();
  const int pressed =
      ::MessageBoxW(active != nullptr ? active : owner_, WideFromUtf8(message.text).c_str(),
                    WideFromUtf8(message.caption).c_str(), MessageBoxStyle(message));
  switch (pressed) {
    case IDYES:
      return Answer::Yes;
    case IDNO:
      return Answer::No;
    case IDCANCEL:
      return message.buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    default:
      return Answer::Ok;
  }
}

}  // namespace veldor::win
