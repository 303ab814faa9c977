// "关于……": the program's icon, name and version, who makes it, and three
// links to the project's pages.
#pragma once

#include "ui/controls/program_dialog.h"
#include "ui/controls/static_link.h"
#include "ui/win32/shell_open.h"

namespace mirevo::ui {

class AboutDialog final : public ProgramDialog {
 public:
  // The links open their pages through shell.
  explicit AboutDialog(win32::ShellOpenService& shell);

 protected:
  bool OnOpen() override;

 private:
  // Their targets are the string resources with their ids.
  StaticLink blog_;
  StaticLink download_;
  StaticLink guestbook_;
};

}  // namespace mirevo::ui
