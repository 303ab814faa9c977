// Fakes of the UI services for the Win32 tests: they record every call and
// answer from a script instead of showing anything.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "ui/win32/message_box.h"
#include "ui/win32/shell_open.h"
#include "ui/win32/ui_services.h"

namespace mirevo::win32::testing {

struct ShownMessage {
  HWND owner;
  std::string text;     // GBK
  std::string caption;  // GBK, empty when the caller left it to the service
  MessageButtons buttons;
  MessageIcon icon;
};

class RecordingMessageBox final : public MessageBoxService {
 public:
  // Answers given in order; once used up, every box is answered as if the
  // user pressed its first button.
  void Script(std::deque<MessageAnswer> answers) { answers_ = std::move(answers); }

  MessageAnswer Show(HWND owner, std::string_view text, std::string_view caption,
                     MessageButtons buttons, MessageIcon icon) override {
    shown.push_back({owner, std::string(text), std::string(caption), buttons, icon});
    if (!answers_.empty()) {
      MessageAnswer answer = answers_.front();
      answers_.pop_front();
      return answer;
    }
    return buttons == MessageButtons::kOk ? MessageAnswer::kOk : MessageAnswer::kYes;
  }

  std::vector<ShownMessage> shown;

 private:
  std::deque<MessageAnswer> answers_;
};

class RecordingShellOpen final : public ShellOpenService {
 public:
  bool Open(HWND owner, std::string_view address) override {
    opened.push_back({owner, std::string(address)});
    return accept;
  }

  struct Opened {
    HWND owner;
    std::string address;
  };
  std::vector<Opened> opened;
  bool accept = true;
};

// Both fakes as one set of services.
struct FakeUiServices {
  RecordingMessageBox messages;
  RecordingShellOpen shell;
  UiServices services{messages, shell};
};

}  // namespace mirevo::win32::testing
