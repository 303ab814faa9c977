// The message-box service. Windows show every message and question through
// it, so tests can replace it with a fake that records texts and answers
// from a script.
#pragma once

#include <windows.h>

#include <string_view>

namespace mirevo::win32 {

enum class MessageButtons { kOk, kYesNo, kYesNoCancel };
enum class MessageIcon { kNone, kInformation, kWarning, kError, kQuestion };
enum class MessageAnswer { kOk, kYes, kNo, kCancel };

class MessageBoxService {
 public:
  virtual ~MessageBoxService() = default;

  // Shows text (GBK) with caption (GBK; empty: the program's name) owned by
  // owner (may be nullptr), and returns the button the user chose. Closing
  // a Yes/No box with the close box answers kNo; Escape on a
  // Yes/No/Cancel box answers kCancel.
  virtual MessageAnswer Show(HWND owner, std::string_view text, std::string_view caption,
                             MessageButtons buttons = MessageButtons::kOk,
                             MessageIcon icon = MessageIcon::kNone) = 0;
};

// MessageBoxW with the texts converted from GBK.
class Win32MessageBox final : public MessageBoxService {
 public:
  MessageAnswer Show(HWND owner, std::string_view text, std::string_view caption,
                     MessageButtons buttons, MessageIcon icon) override;
};

}  // namespace mirevo::win32
