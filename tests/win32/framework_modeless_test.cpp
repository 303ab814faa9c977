// Keyboard navigation of modeless dialogs, in a loop of one's own and inside
// the modal loop of another dialog.
#include <gtest/gtest.h>

#include <windows.h>

#include "dialog_host.h"
#include "resource.h"
#include "ui/win32/modeless_keyboard.h"

namespace mirevo::win32 {
namespace {

using testing::HostDialog;

bool SawCommand(const HostDialog& dialog, int id) {
  for (const HostDialog::Command& command : dialog.commands)
    if (command.id == id) return true;
  return false;
}

TEST(ModelessKeyboard, EscapeInAModelessDialogBecomesItsCancel) {
  HostDialog modeless(IDD_KEYWORD);
  ASSERT_TRUE(modeless.CreateModeless(nullptr));
  MSG escape{modeless.Item(IDC_KEYWORD), WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
  EXPECT_TRUE(RouteToModelessDialog(escape));
  EXPECT_TRUE(SawCommand(modeless, IDCANCEL));
  EXPECT_EQ(modeless.Hwnd(), nullptr) << "the cancel closed it";
}

TEST(ModelessKeyboard, MessagesOfOtherWindowsAndNonKeysAreLeftAlone) {
  HostDialog modeless(IDD_KEYWORD);
  HostDialog other(IDD_TYPE);
  ASSERT_TRUE(modeless.CreateModeless(nullptr));
  ASSERT_TRUE(other.CreateModeless(nullptr));
  ::DestroyWindow(other.Hwnd());  // no longer registered either
  MSG foreign{::GetDesktopWindow(), WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
  EXPECT_FALSE(RouteToModelessDialog(foreign));
  MSG paint{modeless.Item(IDC_KEYWORD), WM_PAINT, 0, 0, 0, {}};
  EXPECT_FALSE(RouteToModelessDialog(paint));
  EXPECT_FALSE(SawCommand(modeless, IDCANCEL));
  EXPECT_NE(modeless.Hwnd(), nullptr);
}

TEST(ModelessKeyboard, WorksInsideAnotherDialogsModalLoop) {
  HostDialog modeless(IDD_KEYWORD);
  ASSERT_TRUE(modeless.CreateModeless(nullptr));
  ::ShowWindow(modeless.Hwnd(), SW_SHOW);

  HostDialog modal(IDD_TYPE);
  int stage = 0;
  modal.onInit = [](HostDialog& d) { ::SetTimer(d.Hwnd(), 1, 1, nullptr); };
  modal.onTimer = [&](HostDialog& d) {
    if (stage++ == 0) {
      ::PostMessageW(modeless.Item(IDC_KEYWORD), WM_KEYDOWN, VK_ESCAPE, 0);
      return;
    }
    ::KillTimer(d.Hwnd(), 1);
    d.Close(IDOK);
  };
  EXPECT_EQ(modal.RunModal(nullptr), IDOK);
  EXPECT_TRUE(SawCommand(modeless, IDCANCEL));
}

}  // namespace
}  // namespace mirevo::win32
