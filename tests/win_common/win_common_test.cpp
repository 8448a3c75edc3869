// What the Win32 programs share: text both ways, and each message's box style.
#include <gtest/gtest.h>

#include "win_common/message_box_sink.h"
#include "win_common/win_text.h"

namespace veldor::win {
namespace {

TEST(WinTextTest, ConvertsThroughTheCoresConversion) {
  EXPECT_EQ(Wide("\x95\x5C\x81\x60"), L"表\uFF5E");  // 0x5C as a second byte; the tilde
  EXPECT_EQ(Cp932FromWide(L"表\u301C é"), "\x95\x5C\x81\x60 ?");
  EXPECT_EQ(Utf8FromWide(L"表😀"), "表😀");  // a surrogate pair is one character
}

TEST(MessageBoxSinkTest, StyleOfEachMessage) {
  const auto style = [](Icon icon, Buttons buttons, bool second) {
    return MessageBoxStyle(Message{"", "", icon, buttons, second});
  };
  EXPECT_EQ(style(Icon::None, Buttons::Ok, false), UINT{MB_OK});
  EXPECT_EQ(style(Icon::Exclamation, Buttons::Ok, true), UINT{MB_OK | MB_ICONEXCLAMATION});
  EXPECT_EQ(style(Icon::Question, Buttons::YesNo, true),
            UINT{MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2});
  EXPECT_EQ(style(Icon::Stop, Buttons::OkCancel, false), UINT{MB_OKCANCEL | MB_ICONSTOP});
}

}  // namespace
}  // namespace veldor::win
