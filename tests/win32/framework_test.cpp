// The framework under the windows: the dialog base (binding, dispatch,
// modal and modeless runs, the exception boundary), the plain window base,
// messages handed back to a control's wrapper, and timers that end with
// their objects.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "modal_driver.h"
#include "resource.h"
#include "support/temp_folder.h"
#include "ui/win32/callback_guard.h"
#include "ui/win32/control.h"
#include "ui/win32/dialog.h"
#include "ui/win32/module.h"
#include "ui/win32/shell_open.h"
#include "ui/win32/window.h"
#include "ui/win32/window_timer.h"

namespace mirevo::win32 {
namespace {

using namespace mirevo::testing;

// Notes the commands; a command for "OVA" throws.
class HostDialog : public Dialog {
 public:
  explicit HostDialog(int templateId) : Dialog(templateId) { InitCommonControlsForApp(); }
  std::vector<int> commands;

 protected:
  std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_COMMAND && LOWORD(wParam) == IDC_TYPE_OVA) throw std::runtime_error("OVA");
    return Dialog::HandleMessage(message, wParam, lParam);
  }
  bool OnCommand(int id, int code, HWND control) override {
    commands.push_back(id);
    return Dialog::OnCommand(id, code, control);
  }
};

// An exception stops at the dialog procedure, which goes on dispatching; a
// modal run disables its owner (Windows enables it again when the run ends)
// and returns the result given to Close. One window per object; unbound by
// its window's end, the object can open one again. (Keys that reach a
// modeless dialog from another loop are the settings dialog's, in the main
// window test.)
TEST(DialogBase, BindsDispatchesRunsModalAndStopsExceptions) {
  std::vector<std::string> errors;
  SetCallbackErrorHandler([&](std::string_view what) { errors.emplace_back(what); });
  HostDialog owner(IDD_KEYWORD), dialog(IDD_TYPE);
  ASSERT_TRUE(owner.CreateModeless(nullptr));
  EXPECT_FALSE(owner.CreateModeless(nullptr)) << "one window per object";
  DialogScript script;
  script
      .On("请选择此作品的类型",
          [&](HWND window) {
            EXPECT_FALSE(::IsWindowEnabled(owner.Hwnd()));
            for (int id : {IDC_TYPE_OVA, IDC_TYPE_MANGA}) journey::Press(window, id);
          })
      .On("请选择此作品的类型", [&](HWND) { dialog.Close(IDC_TYPE_OVA); });
  EXPECT_EQ(script.Run([&] { return dialog.RunModal(owner.Hwnd()); }), IDC_TYPE_OVA);
  SetCallbackErrorHandler(nullptr);
  EXPECT_EQ(errors, std::vector<std::string>{"OVA"});
  EXPECT_EQ(dialog.commands, std::vector<int>{IDC_TYPE_MANGA});
  EXPECT_EQ(dialog.Hwnd(), nullptr);
  owner.Close(IDCANCEL);
  EXPECT_EQ(owner.Hwnd(), nullptr);
  EXPECT_TRUE(owner.CreateModeless(nullptr)) << "unbound: the object can open a window again";
  EXPECT_EQ(HostDialog(4242).RunModal(nullptr), -1) << "a missing template";
}

constexpr UINT kNoted = WM_USER + 1;

// Answers the colour request and the notifications of its control for the
// parent.
class Painter final : public Control {
 public:
  std::optional<LRESULT> OnReflected(UINT message, WPARAM, LPARAM) override {
    return message == WM_NOTIFY ? 7 : 42;
  }
};

// A window of its own: bound before WM_CREATE, answering kNoted, with a
// static child.
class Probe final : public Window {
 public:
  HWND boundAtCreate = nullptr;
  std::vector<UINT_PTR> ticks;

 protected:
  std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM) override {
    if (message == WM_CREATE) boundAtCreate = Hwnd();
    if (message == WM_TIMER) ticks.push_back(wParam);
    if (message == WM_NOTIFY) return 1;  // what reaches the window itself
    return message == kNoted ? std::optional<LRESULT>(5) : std::nullopt;
  }
};

// WM_CTLCOLOR* and WM_NOTIFY about a wrapped control are answered by the
// wrapper; what comes from an unwrapped control reaches the window's
// handler. A control that goes takes its wrapper's binding with it. (In a
// dialog the same shows on the main window's list and the about box's
// links, which leave the list's clicks to the window.) A timer ticks with its id until
// its object goes; another timer of the window shows that the window is
// still there to tick.
TEST(WindowBase, ReflectsToAWrappedControlAndTicksUntilTheTimerGoes) {
  Probe window;
  ASSERT_TRUE(window.Create(L"MirevoProbe", WS_POPUP, 0, nullptr, {0, 0, 100, 100}));
  EXPECT_EQ(window.boundAtCreate, window.Hwnd());
  EXPECT_EQ(::SendMessageW(window.Hwnd(), kNoted, 0, 0), 5);
  HWND control = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, window.Hwnd(),
                                   nullptr, nullptr, nullptr);
  const auto notify = [&](UINT code) {
    NMHDR header{control, 1, code};
    return ::SendMessageW(window.Hwnd(), WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&header));
  };
  Painter painter;
  ASSERT_TRUE(painter.Attach(control));
  EXPECT_EQ(Control::FromHandle(control), &painter);
  EXPECT_EQ(::SendMessageW(window.Hwnd(), WM_CTLCOLORSTATIC, 0, reinterpret_cast<LPARAM>(control)),
            42);
  EXPECT_EQ(notify(NM_CUSTOMDRAW), 7);
  ::DestroyWindow(control);
  EXPECT_EQ(notify(NM_CUSTOMDRAW), 1);
  EXPECT_EQ(std::pair(painter.Hwnd(), Control::FromHandle(control)),
            std::pair(HWND{nullptr}, static_cast<Control*>(nullptr)));

  WindowTimer other(2);
  ASSERT_TRUE(other.Start(window.Hwnd(), 10));
  const auto ticksOf = [&](UINT_PTR id) {
    window.ticks.clear();
    for (int i = 0; i < 100 && std::count(window.ticks.begin(), window.ticks.end(), 2) < 3; ++i) {
      ::Sleep(10);
      Pump();
    }
    return std::count(window.ticks.begin(), window.ticks.end(), id);
  };
  {
    WindowTimer timer(1);
    ASSERT_TRUE(timer.Start(window.Hwnd(), 10));
    EXPECT_GT(ticksOf(1), 0);
  }
  EXPECT_EQ(ticksOf(1), 0);
  EXPECT_GE(ticksOf(2), 3);
  window.Destroy();
  EXPECT_EQ(window.Hwnd(), nullptr);
}

// The shell gets every address, also one whose bytes are not GBK (a name
// from a hand-edited file): those are converted as the list shows them. The
// browser is the test command's, which writes the address down.
TEST(ShellOpenTest, AnAddressThatIsNotGbkStillReachesTheBrowser) {
  const char* log = std::getenv("MIREVO_JOURNEY_BROWSER_LOG");
  ASSERT_NE(log, nullptr) << "run by ctest, which provides the browser";
  const std::string logPath = journey::WindowsPath(log).string();
  std::filesystem::remove(logPath);
  EXPECT_TRUE(Win32ShellOpen().Open(nullptr, "http://example.invalid/?k=\xD6\xD0\x81\x30"));
  EXPECT_TRUE(journey::WaitFor([&] { return !ReadBytes(logPath).empty(); }, journey::kStartWaitMs));
  EXPECT_EQ(ReadBytes(logPath),
            reinterpret_cast<const char*>(u8"http://example.invalid/?k=中\uFFFD0\n"));
}

}  // namespace
}  // namespace mirevo::win32
