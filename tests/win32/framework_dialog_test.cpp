// The dialog base: binding of the object to its window, dispatch of
// commands and notifications, modal and modeless runs, the exception
// boundary of the dialog procedure, and modeless keyboard navigation.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "dialog_host.h"
#include "modal_driver.h"
#include "resource.h"
#include "ui/win32/callback_guard.h"
#include "ui/win32/modeless_keyboard.h"

namespace mirevo::win32 {
namespace {

using namespace testing;

TEST(DialogBinding, BoundFromInitDialogAndDispatchesCommandsAndNotifications) {
  HostDialog dialog(IDD_TYPE);
  dialog.onNotify = [](NMHDR* header) -> std::optional<LRESULT> {
    if (header->code == static_cast<UINT>(NM_CUSTOMDRAW)) return CDRF_NOTIFYITEMDRAW;
    return std::nullopt;
  };
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  EXPECT_EQ(dialog.initCount, 1);
  EXPECT_NE(dialog.Hwnd(), nullptr);
  EXPECT_EQ(dialog.hwndSeenAtInit, dialog.Hwnd());
  EXPECT_EQ(::GetWindowLongPtrW(dialog.Hwnd(), DWLP_USER), reinterpret_cast<LONG_PTR>(&dialog));
  EXPECT_FALSE(dialog.CreateModeless(nullptr)) << "one window per object";

  ::SendMessageW(dialog.Hwnd(), WM_COMMAND, MAKEWPARAM(IDC_TYPE_MANGA, BN_CLICKED),
                 reinterpret_cast<LPARAM>(dialog.Item(IDC_TYPE_MANGA)));
  ::SendMessageW(dialog.Hwnd(), WM_COMMAND, MAKEWPARAM(IDC_TYPE_DRAMA, BN_SETFOCUS),
                 reinterpret_cast<LPARAM>(dialog.Item(IDC_TYPE_DRAMA)));
  ASSERT_EQ(dialog.commands.size(), 2u);
  EXPECT_EQ(dialog.commands[0].id, IDC_TYPE_MANGA);
  EXPECT_EQ(dialog.commands[0].code, BN_CLICKED);
  EXPECT_EQ(dialog.commands[1].id, IDC_TYPE_DRAMA);
  EXPECT_EQ(dialog.commands[1].code, BN_SETFOCUS);

  // The answer to a notification comes back through DWLP_MSGRESULT.
  NMHDR custom{dialog.Item(IDOK), IDOK, static_cast<UINT>(NM_CUSTOMDRAW)};
  EXPECT_EQ(::SendMessageW(dialog.Hwnd(), WM_NOTIFY, IDOK, reinterpret_cast<LPARAM>(&custom)),
            CDRF_NOTIFYITEMDRAW);
  NMHDR other{dialog.Item(IDOK), IDOK, static_cast<UINT>(NM_CLICK)};
  EXPECT_EQ(::SendMessageW(dialog.Hwnd(), WM_NOTIFY, IDOK, reinterpret_cast<LPARAM>(&other)), 0);
}

TEST(DialogLifetime, CloseOkEscapeAndTheDestructorEndAModelessWindow) {
  HostDialog dialog(IDD_KEYWORD);
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  HWND hwnd = dialog.Hwnd();
  dialog.Close(IDOK);
  EXPECT_FALSE(::IsWindow(hwnd));
  EXPECT_EQ(dialog.Hwnd(), nullptr);
  EXPECT_EQ(dialog.destroyCount, 1);

  // The object can open its window again; OK and Escape close it through
  // OnOk and OnCancel.
  for (int id : {IDOK, IDCANCEL}) {
    ASSERT_TRUE(dialog.CreateModeless(nullptr));
    hwnd = dialog.Hwnd();
    ::SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    EXPECT_FALSE(::IsWindow(hwnd)) << "command " << id;
  }
  EXPECT_EQ(dialog.initCount, 3);

  {
    HostDialog scoped(IDD_KEYWORD);
    ASSERT_TRUE(scoped.CreateModeless(nullptr));
    hwnd = scoped.Hwnd();
  }
  EXPECT_FALSE(::IsWindow(hwnd)) << "the destructor destroys a window still open";
}

TEST(DialogBoundary, ExceptionsInHandlersAreReportedAndStopThere) {
  std::vector<std::string> errors;
  SetCallbackErrorHandler([&](std::string_view what) { errors.emplace_back(what); });
  HostDialog dialog(IDD_TYPE);
  dialog.onInit = [](HostDialog&) { throw 42; };
  dialog.onCommand = [](HostDialog&, int id) {
    if (id == IDC_TYPE_OVA) throw std::runtime_error("handler failed");
    return false;
  };
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  ::SendMessageW(dialog.Hwnd(), WM_COMMAND, MAKEWPARAM(IDC_TYPE_OVA, BN_CLICKED), 0);
  // The window survives and keeps dispatching.
  ::SendMessageW(dialog.Hwnd(), WM_COMMAND, MAKEWPARAM(IDC_TYPE_ANIME, BN_CLICKED), 0);
  SetCallbackErrorHandler(nullptr);
  EXPECT_EQ(errors, (std::vector<std::string>{"unknown exception", "handler failed"}));
  EXPECT_EQ(dialog.commands.back().id, IDC_TYPE_ANIME);
}

// The dialogs' own tests end their runs with OK and Cancel; here a result
// of the dialog's choosing, with the owner disabled for the run only.
TEST(DialogModal, RunModalDisablesTheOwnerAndReturnsTheResultGiven) {
  HostDialog owner(IDD_KEYWORD);
  ASSERT_TRUE(owner.CreateModeless(nullptr));
  HostDialog dialog(IDD_TYPE);
  dialog.onCommand = [](HostDialog& d, int id) {
    if (id == IDC_TYPE_OVA) d.Close(IDC_TYPE_OVA);
    return false;
  };
  DialogScript script;
  script.On("请选择此作品的类型", [&](HWND d) {
    EXPECT_FALSE(::IsWindowEnabled(owner.Hwnd()));
    Click(d, IDC_TYPE_OVA);
  });
  EXPECT_EQ(script.Run([&] { return dialog.RunModal(owner.Hwnd()); }), IDC_TYPE_OVA);
  EXPECT_TRUE(::IsWindowEnabled(owner.Hwnd()));
  EXPECT_EQ(dialog.Hwnd(), nullptr);
  EXPECT_FALSE(dialog.IsModal());
}

TEST(DialogModal, MissingTemplateFailsWithMinusOne) {
  HostDialog dialog(4242);
  EXPECT_EQ(dialog.RunModal(nullptr), -1);
  EXPECT_EQ(dialog.initCount, 0);
  EXPECT_FALSE(dialog.CreateModeless(nullptr));
}

// Keyboard navigation of modeless dialogs, in a loop of one's own and inside
// the modal loop of another dialog.
TEST(ModelessKeyboard, EscapeBecomesTheCancelOfItsOwnDialogOnly) {
  HostDialog modeless(IDD_KEYWORD);
  HostDialog other(IDD_TYPE);
  ASSERT_TRUE(modeless.CreateModeless(nullptr));
  ASSERT_TRUE(other.CreateModeless(nullptr));
  ::DestroyWindow(other.Hwnd());  // no longer registered either
  MSG foreign{::GetDesktopWindow(), WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
  EXPECT_FALSE(RouteToModelessDialog(foreign));
  MSG paint{modeless.Item(IDC_KEYWORD), WM_PAINT, 0, 0, 0, {}};
  EXPECT_FALSE(RouteToModelessDialog(paint));
  EXPECT_FALSE(modeless.Saw(IDCANCEL));
  ASSERT_NE(modeless.Hwnd(), nullptr);

  MSG escape{modeless.Item(IDC_KEYWORD), WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
  EXPECT_TRUE(RouteToModelessDialog(escape));
  EXPECT_TRUE(modeless.Saw(IDCANCEL));
  EXPECT_EQ(modeless.Hwnd(), nullptr) << "the cancel closed it";
}

TEST(ModelessKeyboard, WorksInsideAnotherDialogsModalLoop) {
  HostDialog modeless(IDD_KEYWORD);
  ASSERT_TRUE(modeless.CreateModeless(nullptr));
  ::ShowWindow(modeless.Hwnd(), SW_SHOW);

  HostDialog modal(IDD_TYPE);
  DialogScript script;
  script.On("请选择此作品的类型",
            [&](HWND) { ::PostMessageW(modeless.Item(IDC_KEYWORD), WM_KEYDOWN, VK_ESCAPE, 0); });
  script.On("请选择此作品的类型", [](HWND dialog) { PostCommand(dialog, IDOK); });
  EXPECT_EQ(script.Run([&] { return modal.RunModal(nullptr); }), IDOK);
  EXPECT_TRUE(modeless.Saw(IDCANCEL));
}

}  // namespace
}  // namespace mirevo::win32
