// Fakes of the UI services for the Win32 tests: they record every call and
// answer from a script instead of showing anything.
#pragma once

#include <optional>
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
};

class RecordingMessageBox final : public MessageBoxService {
 public:
  MessageAnswer Show(HWND owner, std::string_view text, std::string_view caption,
                     MessageButtons buttons, MessageIcon) override {
    shown.push_back({owner, std::string(text), std::string(caption), buttons});
    if (shown.size() <= answers.size()) return answers[shown.size() - 1];
    return buttons == MessageButtons::kOk ? MessageAnswer::kOk : MessageAnswer::kYes;
  }

  // The answers to the boxes in the order shown; past them, the first button.
  std::vector<MessageAnswer> answers;
  std::vector<ShownMessage> shown;
};

class RecordingShellOpen final : public ShellOpenService {
 public:
  struct Opened {
    HWND owner;
    std::string address;
  };
  bool Open(HWND owner, std::string_view address) override {
    opened.push_back({owner, std::string(address)});
    return true;
  }
  std::vector<Opened> opened;
};

class RecordingNotifyIcon final : public NotifyIconService {
 public:
  bool Notify(DWORD message, const NOTIFYICONDATAW& data) override {
    calls.push_back({message, data});
    return accept;
  }
  struct Call {
    DWORD message;
    NOTIFYICONDATAW data;
  };
  std::vector<Call> calls;
  bool accept = true;
};

class ScriptedColourChooser final : public ColourChooserService {
 public:
  std::optional<COLORREF> Choose(HWND, COLORREF initial) override {
    offered.push_back(initial);
    return answer;
  }
  std::vector<COLORREF> offered;
  std::optional<COLORREF> answer;  // nullopt: the user cancels
};

// The fakes as one set of services.
struct FakeUiServices {
  RecordingMessageBox messages;
  RecordingShellOpen shell;
  RecordingNotifyIcon notifyIcon;
  ScriptedColourChooser colours;
  UiServices services{messages, shell, notifyIcon, colours};
};

}  // namespace mirevo::win32::testing
