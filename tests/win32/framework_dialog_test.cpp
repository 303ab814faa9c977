// The dialog base: binding of the object to its window, dispatch of
// commands and notifications, modal and modeless runs, and the exception
// boundary of the dialog procedure.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "dialog_host.h"
#include "resource.h"
#include "ui/win32/callback_guard.h"
#include "ui/win32/control_text.h"
#include "ui/win32/dialog_controls.h"

namespace mirevo::win32 {
namespace {

using testing::HostDialog;

class ErrorRecorder {
 public:
  ErrorRecorder() {
    SetCallbackErrorHandler([this](std::string_view what) { errors.emplace_back(what); });
  }
  ~ErrorRecorder() { SetCallbackErrorHandler(nullptr); }
  std::vector<std::string> errors;
};

TEST(DialogBinding, ModelessDialogIsBoundFromInitDialog) {
  HostDialog dialog(IDD_TYPE);
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  EXPECT_EQ(dialog.initCount, 1);
  EXPECT_NE(dialog.Hwnd(), nullptr);
  EXPECT_EQ(dialog.hwndSeenAtInit, dialog.Hwnd());
  EXPECT_EQ(::GetWindowLongPtrW(dialog.Hwnd(), DWLP_USER), reinterpret_cast<LONG_PTR>(&dialog));
  EXPECT_EQ(ReadWideText(dialog.Hwnd()), L"请选择此作品的类型");
  EXPECT_FALSE(dialog.CreateModeless(nullptr)) << "one window per object";
}

TEST(DialogBinding, CommandsReachOnCommandWithIdAndCode) {
  HostDialog dialog(IDD_TYPE);
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  ::SendMessageW(dialog.Hwnd(), WM_COMMAND, MAKEWPARAM(IDC_TYPE_MANGA, BN_CLICKED),
                 reinterpret_cast<LPARAM>(dialog.Item(IDC_TYPE_MANGA)));
  ::SendMessageW(dialog.Hwnd(), WM_COMMAND, MAKEWPARAM(IDC_TYPE_DRAMA, BN_SETFOCUS),
                 reinterpret_cast<LPARAM>(dialog.Item(IDC_TYPE_DRAMA)));
  ASSERT_EQ(dialog.commands.size(), 2u);
  EXPECT_EQ(dialog.commands[0].id, IDC_TYPE_MANGA);
  EXPECT_EQ(dialog.commands[0].code, BN_CLICKED);
  EXPECT_EQ(dialog.commands[1].id, IDC_TYPE_DRAMA);
  EXPECT_EQ(dialog.commands[1].code, BN_SETFOCUS);
}

TEST(DialogBinding, NotifyAnswerComesBackThroughMsgResult) {
  HostDialog dialog(IDD_TYPE);
  dialog.onNotify = [](NMHDR* header) -> std::optional<LRESULT> {
    if (header->code == static_cast<UINT>(NM_CUSTOMDRAW)) return CDRF_NOTIFYITEMDRAW;
    return std::nullopt;
  };
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  NMHDR custom{dialog.Item(IDOK), IDOK, static_cast<UINT>(NM_CUSTOMDRAW)};
  EXPECT_EQ(::SendMessageW(dialog.Hwnd(), WM_NOTIFY, IDOK, reinterpret_cast<LPARAM>(&custom)),
            CDRF_NOTIFYITEMDRAW);
  NMHDR other{dialog.Item(IDOK), IDOK, static_cast<UINT>(NM_CLICK)};
  EXPECT_EQ(::SendMessageW(dialog.Hwnd(), WM_NOTIFY, IDOK, reinterpret_cast<LPARAM>(&other)), 0);
}

TEST(DialogLifetime, CloseDestroysModelessWindowAndUnbinds) {
  HostDialog dialog(IDD_KEYWORD);
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  HWND hwnd = dialog.Hwnd();
  dialog.Close(IDOK);
  EXPECT_FALSE(::IsWindow(hwnd));
  EXPECT_EQ(dialog.Hwnd(), nullptr);
  EXPECT_EQ(dialog.destroyCount, 1);
  // The object can open its window again.
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  EXPECT_EQ(dialog.initCount, 2);
}

TEST(DialogLifetime, DestructorDestroysAModelessWindowStillOpen) {
  HWND hwnd = nullptr;
  {
    HostDialog dialog(IDD_KEYWORD);
    ASSERT_TRUE(dialog.CreateModeless(nullptr));
    hwnd = dialog.Hwnd();
    ASSERT_TRUE(::IsWindow(hwnd));
  }
  EXPECT_FALSE(::IsWindow(hwnd));
}

TEST(DialogLifetime, IdOkAndEscapeCloseThroughOnOkAndOnCancel) {
  for (int id : {IDOK, IDCANCEL}) {
    HostDialog dialog(IDD_TIME);
    ASSERT_TRUE(dialog.CreateModeless(nullptr));
    HWND hwnd = dialog.Hwnd();
    ::SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    EXPECT_FALSE(::IsWindow(hwnd)) << "command " << id;
  }
}

TEST(DialogBoundary, ExceptionInAHandlerIsReportedAndStopsThere) {
  ErrorRecorder recorder;
  HostDialog dialog(IDD_TYPE);
  dialog.onCommand = [](HostDialog&, int id) {
    if (id == IDC_TYPE_OVA) throw std::runtime_error("handler failed");
    return false;
  };
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  ::SendMessageW(dialog.Hwnd(), WM_COMMAND, MAKEWPARAM(IDC_TYPE_OVA, BN_CLICKED), 0);
  ASSERT_EQ(recorder.errors.size(), 1u);
  EXPECT_EQ(recorder.errors[0], "handler failed");
  // The window survives and keeps dispatching.
  ::SendMessageW(dialog.Hwnd(), WM_COMMAND, MAKEWPARAM(IDC_TYPE_ANIME, BN_CLICKED), 0);
  EXPECT_EQ(dialog.commands.back().id, IDC_TYPE_ANIME);
  EXPECT_EQ(recorder.errors.size(), 1u);
}

TEST(DialogBoundary, NonStandardExceptionIsReportedToo) {
  ErrorRecorder recorder;
  HostDialog dialog(IDD_TYPE);
  dialog.onInit = [](HostDialog&) { throw 42; };
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  ASSERT_EQ(recorder.errors.size(), 1u);
  EXPECT_EQ(recorder.errors[0], "unknown exception");
}

// A modal run is answered from inside its own message loop: a timer set at
// initialisation fires once the loop runs and plays the user's part.
TEST(DialogModal, RunModalReturnsTheResultGivenByTheDialog) {
  HostDialog owner(IDD_KEYWORD);
  ASSERT_TRUE(owner.CreateModeless(nullptr));

  HostDialog dialog(IDD_TYPE);
  bool ownerDisabledDuringRun = false;
  int chosenAtOk = -1;
  dialog.onInit = [](HostDialog& d) {
    SetRadioIndex(d.Hwnd(), IDC_TYPE_ANIME, IDC_TYPE_DRAMA, 0);
    ::SetTimer(d.Hwnd(), 1, 1, nullptr);
  };
  dialog.onTimer = [&](HostDialog& d) {
    ::KillTimer(d.Hwnd(), 1);
    ownerDisabledDuringRun = !::IsWindowEnabled(owner.Hwnd());
    ::SendMessageW(d.Item(IDC_TYPE_OVA), BM_CLICK, 0, 0);
    ::PostMessageW(d.Hwnd(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  };
  dialog.onCommand = [&](HostDialog& d, int id) {
    if (id == IDOK) chosenAtOk = RadioIndex(d.Hwnd(), IDC_TYPE_ANIME, IDC_TYPE_DRAMA);
    return false;
  };

  EXPECT_EQ(dialog.RunModal(owner.Hwnd()), IDOK);
  EXPECT_TRUE(ownerDisabledDuringRun);
  EXPECT_TRUE(::IsWindowEnabled(owner.Hwnd()));
  EXPECT_EQ(chosenAtOk, 2) << "the click on OVA reached the radio group";
  EXPECT_EQ(dialog.Hwnd(), nullptr);
  EXPECT_FALSE(dialog.IsModal());
}

TEST(DialogModal, EscapeEndsTheRunWithCancel) {
  HostDialog dialog(IDD_RECORD);
  dialog.onInit = [](HostDialog& d) {
    ::PostMessageW(d.Hwnd(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  };
  EXPECT_EQ(dialog.RunModal(nullptr), IDCANCEL);
  bool sawCancel = false;
  for (const HostDialog::Command& command : dialog.commands) sawCancel |= command.id == IDCANCEL;
  EXPECT_TRUE(sawCancel);
}

TEST(DialogModal, ACustomResultEndsTheRun) {
  HostDialog dialog(IDD_TIME);
  dialog.onCommand = [](HostDialog& d, int id) {
    if (id != IDC_CLEAR_TIME) return false;
    d.Close(IDC_CLEAR_TIME);
    return true;
  };
  dialog.onInit = [](HostDialog& d) {
    ::PostMessageW(d.Hwnd(), WM_COMMAND, MAKEWPARAM(IDC_CLEAR_TIME, BN_CLICKED), 0);
  };
  EXPECT_EQ(dialog.RunModal(nullptr), IDC_CLEAR_TIME);
}

TEST(DialogModal, MissingTemplateFailsWithMinusOne) {
  HostDialog dialog(4242);
  EXPECT_EQ(dialog.RunModal(nullptr), -1);
  EXPECT_EQ(dialog.initCount, 0);
  EXPECT_FALSE(dialog.CreateModeless(nullptr));
}

}  // namespace
}  // namespace mirevo::win32
