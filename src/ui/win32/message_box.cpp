#include "ui/win32/message_box.h"

#include "ui/win32/module.h"
#include "ui/win32/wide_text.h"

namespace mirevo::win32 {
namespace {

UINT ButtonFlags(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::kYesNo:
      return MB_YESNO;
    case MessageButtons::kYesNoCancel:
      return MB_YESNOCANCEL;
    case MessageButtons::kOk:
      break;
  }
  return MB_OK;
}

UINT IconFlags(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::kInformation:
      return MB_ICONINFORMATION;
    case MessageIcon::kWarning:
      return MB_ICONWARNING;
    case MessageIcon::kError:
      return MB_ICONERROR;
    case MessageIcon::kQuestion:
      return MB_ICONQUESTION;
    case MessageIcon::kNone:
      break;
  }
  return 0;
}

MessageAnswer AnswerOf(int result, MessageButtons buttons) {
  switch (result) {
    case IDYES:
      return MessageAnswer::kYes;
    case IDNO:
      return MessageAnswer::kNo;
    case IDCANCEL:
      return MessageAnswer::kCancel;
    case IDOK:
      return MessageAnswer::kOk;
    default:
      // The box could not be shown: answer as a user who dismissed it.
      return buttons == MessageButtons::kYesNo ? MessageAnswer::kNo
             : buttons == MessageButtons::kOk  ? MessageAnswer::kOk
                                               : MessageAnswer::kCancel;
  }
}

}  // namespace

MessageAnswer Win32MessageBox::Show(HWND owner, std::string_view text, std::string_view caption,
                                    MessageButtons buttons, MessageIcon icon) {
  const std::wstring wideText = WideFromGbk(text);
  const std::wstring wideCaption = WideFromGbk(caption.empty() ? ApplicationName() : caption);
  const int result = ::MessageBoxW(owner, wideText.c_str(), wideCaption.c_str(),
                                   ButtonFlags(buttons) | IconFlags(icon));
  return AnswerOf(result, buttons);
}

}  // namespace mirevo::win32
