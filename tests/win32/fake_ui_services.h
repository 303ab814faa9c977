// The four UI services as one fake for the Win32 tests: it records every
// call and answers from a script instead of showing anything.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/win32/ui_services.h"

namespace mirevo::testing {

// What the fake recorded, and the answers it gives the message boxes.
struct FakeUiRecord {
  struct Message {
    HWND owner;
    std::string text, caption;  // GBK; the caption empty when left to the service
    win32::MessageButtons buttons;
  };
  struct Opened {
    HWND owner;
    std::string address;  // GBK
  };

  // The answers to the boxes in the order shown; past them, the first button.
  std::vector<win32::MessageAnswer> answers;
  std::vector<Message> messages;
  std::vector<Opened> addresses, links;
  std::vector<std::pair<DWORD, NOTIFYICONDATAW>> notified;  // NIM_ADD, NIM_MODIFY, NIM_DELETE
  std::vector<COLORREF> offeredColours;
  int adds = 0;
};

struct FakeUiServices final : FakeUiRecord,
                              win32::MessageBoxService,
                              win32::ShellOpenService,
                              win32::NotifyIconService,
                              win32::ColourChooserService {
  win32::MessageAnswer Show(HWND owner, std::string_view text, std::string_view caption,
                            win32::MessageButtons buttons, win32::MessageIcon) override {
    messages.push_back({owner, std::string(text), std::string(caption), buttons});
    if (whileShowing) whileShowing(owner);
    if (messages.size() <= answers.size()) return answers[messages.size() - 1];
    return buttons == win32::MessageButtons::kOk ? win32::MessageAnswer::kOk
                                                 : win32::MessageAnswer::kYes;
  }
  bool Open(HWND owner, std::string_view address) override {
    addresses.push_back({owner, std::string(address)});
    return true;
  }
  bool OpenLink(HWND owner, std::string_view target) override {
    links.push_back({owner, std::string(target)});
    return true;
  }
  bool Notify(DWORD message, const NOTIFYICONDATAW& data) override {
    notified.push_back({message, data});
    return message != NIM_ADD || ++adds != refusedAdd;
  }
  std::optional<COLORREF> Choose(HWND, COLORREF initial) override {
    offeredColours.push_back(initial);
    return chosenColour;
  }

  // Forgets what was recorded and the answers to the message boxes.
  void Forget() { static_cast<FakeUiRecord&>(*this) = {}; }

  int refusedAdd = 0;                            // the NIM_ADD that fails, from 1; 0: none
  std::optional<COLORREF> chosenColour;          // nullopt: the user cancels
  std::function<void(HWND owner)> whileShowing;  // what happens while a box is up
  win32::UiServices services{*this, *this, *this, *this};
};

}  // namespace mirevo::testing
