// A dialog for the framework tests: opens any of the program's dialog
// resources through the framework and lets a test plug in handlers.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "ui/win32/dialog.h"
#include "ui/win32/module.h"

namespace mirevo::win32::testing {

class HostDialog : public Dialog {
 public:
  struct Command {
    int id;
    int code;
  };

  explicit HostDialog(int templateId) : Dialog(templateId) {
    static const bool initialised = InitCommonControlsForApp();
    (void)initialised;
  }

  bool Saw(int id) const {
    for (const Command& command : commands)
      if (command.id == id) return true;
    return false;
  }

  std::function<void(HostDialog&)> onInit;
  std::function<std::optional<LRESULT>(NMHDR*)> onNotify;
  // Called for every command before the base handling; true stops it there.
  std::function<bool(HostDialog&, int id)> onCommand;

  std::vector<Command> commands;
  HWND hwndSeenAtInit = nullptr;
  int initCount = 0;
  int destroyCount = 0;

 protected:
  bool OnInitDialog() override {
    ++initCount;
    hwndSeenAtInit = Hwnd();
    if (onInit) onInit(*this);
    return true;
  }

  bool OnCommand(int id, int code, HWND control) override {
    commands.push_back({id, code});
    if (onCommand && onCommand(*this, id)) return true;
    return Dialog::OnCommand(id, code, control);
  }

  std::optional<LRESULT> OnNotify(NMHDR* header) override {
    return onNotify ? onNotify(header) : std::nullopt;
  }

  void OnDestroy() override { ++destroyCount; }
};

}  // namespace mirevo::win32::testing
