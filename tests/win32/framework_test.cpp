// The framework under the windows: the dialog base (binding, dispatch,
// modal and modeless runs, the exception boundary), reflection (a message
// about a wrapped control, or about an item of a menu the program draws,
// goes to its wrapper or menu first), the plain window base, the
// self-cleaning timer, and chained hooks on an existing window.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "modal_driver.h"
#include "resource.h"
#include "ui/win32/callback_guard.h"
#include "ui/win32/control.h"
#include "ui/win32/dialog.h"
#include "ui/win32/module.h"
#include "ui/win32/owner_drawn_menu.h"
#include "ui/win32/window.h"
#include "ui/win32/window_subclass.h"
#include "ui/win32/window_timer.h"

namespace mirevo::win32 {
namespace {

using namespace testing;

int Count(const std::vector<UINT>& messages, UINT message) {
  return static_cast<int>(std::count(messages.begin(), messages.end(), message));
}

class HostDialog : public Dialog {
 public:
  explicit HostDialog(int templateId) : Dialog(templateId) { InitCommonControlsForApp(); }

  // Called with every message the handler gets, before the base's dispatch;
  // a value answers the message.
  std::function<std::optional<LRESULT>(UINT message, WPARAM wParam)> onMessage;
  std::vector<UINT> seen;     // every message the handler got
  std::vector<int> commands;  // the ids OnCommand got
  HWND boundAtInit = nullptr;

 protected:
  std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    seen.push_back(message);
    if (message == WM_INITDIALOG) boundAtInit = Hwnd();
    if (std::optional<LRESULT> answer = onMessage ? onMessage(message, wParam) : std::nullopt)
      return answer;
    return Dialog::HandleMessage(message, wParam, lParam);
  }
  bool OnCommand(int id, int code, HWND control) override {
    commands.push_back(id);
    return Dialog::OnCommand(id, code, control);
  }
};

// Notes the messages reflected to it and answers them with answer (nullopt:
// leaves them to the parent).
class Probe final : public Control {
 public:
  std::optional<LRESULT> OnReflected(UINT message, WPARAM, LPARAM) override {
    reflected.push_back(message);
    return answer;
  }
  std::optional<LRESULT> answer;
  std::vector<UINT> reflected;
};

TEST(DialogBase, IsBoundFromInitDialogUntilCloseOrItsDestructorEndsTheWindow) {
  std::vector<std::string> errors;
  SetCallbackErrorHandler([&](std::string_view what) { errors.emplace_back(what); });
  HostDialog dialog(IDD_TYPE);
  dialog.onMessage = [](UINT message, WPARAM wParam) -> std::optional<LRESULT> {
    if (message == WM_COMMAND && LOWORD(wParam) == IDC_TYPE_OVA) throw std::runtime_error("OVA");
    return std::nullopt;
  };
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  HWND hwnd = dialog.Hwnd();
  EXPECT_NE(hwnd, nullptr);
  EXPECT_EQ(dialog.boundAtInit, hwnd);
  EXPECT_FALSE(dialog.CreateModeless(nullptr)) << "one window per object";
  // An exception stops at the dialog procedure, which goes on dispatching.
  for (int id : {IDC_TYPE_OVA, IDC_TYPE_MANGA})
    ::SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
  SetCallbackErrorHandler(nullptr);
  EXPECT_EQ(errors, std::vector<std::string>{"OVA"});
  EXPECT_EQ(dialog.commands, std::vector<int>{IDC_TYPE_MANGA});
  dialog.Close(IDOK);
  EXPECT_FALSE(::IsWindow(hwnd));
  EXPECT_EQ(dialog.Hwnd(), nullptr);
  ASSERT_TRUE(dialog.CreateModeless(nullptr)) << "unbound: the object can open a window again";
  {
    HostDialog scoped(IDD_KEYWORD);
    ASSERT_TRUE(scoped.CreateModeless(nullptr));
    hwnd = scoped.Hwnd();
  }
  EXPECT_FALSE(::IsWindow(hwnd)) << "the destructor destroys a window still open";
  EXPECT_EQ(HostDialog(4242).RunModal(nullptr), -1) << "a missing template";
}

// A modal run disables its owner for the run only and returns the result
// given to Close; Escape in a modeless dialog reaches it from inside that
// modal loop.
TEST(DialogBase, RunModalDisablesTheOwnerAndModelessKeysWorkInsideIt) {
  HostDialog modeless(IDD_KEYWORD), owner(IDD_KEYWORD), dialog(IDD_TYPE);
  ASSERT_TRUE(modeless.CreateModeless(nullptr));
  ASSERT_TRUE(owner.CreateModeless(nullptr));
  ::ShowWindow(modeless.Hwnd(), SW_SHOW);
  DialogScript script;
  script
      .On("请选择此作品的类型",
          [&](HWND) {
            EXPECT_FALSE(::IsWindowEnabled(owner.Hwnd()));
            ::PostMessageW(modeless.Item(IDC_KEYWORD), WM_KEYDOWN, VK_ESCAPE, 0);
          })
      .On("请选择此作品的类型", [&](HWND) { dialog.Close(IDC_TYPE_OVA); });
  EXPECT_EQ(script.Run([&] { return dialog.RunModal(owner.Hwnd()); }), IDC_TYPE_OVA);
  EXPECT_TRUE(::IsWindowEnabled(owner.Hwnd()));
  EXPECT_EQ(dialog.Hwnd(), nullptr);
  EXPECT_EQ(modeless.commands.back(), IDCANCEL);
  EXPECT_EQ(modeless.Hwnd(), nullptr) << "the cancel closed it";
}

// Sends the parent a message about a control, as the control or the system
// would send it.
LRESULT SendAbout(HWND parent, HWND control, UINT message) {
  const UINT id = static_cast<UINT>(::GetDlgCtrlID(control));
  NMHDR header{control, id, static_cast<UINT>(NM_CLICK)};
  DRAWITEMSTRUCT draw{ODT_BUTTON, id, 0, 0, 0, control, nullptr, {}, 0};
  MEASUREITEMSTRUCT measure{ODT_BUTTON, id, 0, 0, 0, 0};
  LPARAM lParam = reinterpret_cast<LPARAM>(control);  // WM_CTLCOLORSTATIC
  if (message == WM_NOTIFY) lParam = reinterpret_cast<LPARAM>(&header);
  if (message == WM_DRAWITEM) lParam = reinterpret_cast<LPARAM>(&draw);
  if (message == WM_MEASUREITEM) lParam = reinterpret_cast<LPARAM>(&measure);
  return ::SendMessageW(parent, message, message == WM_CTLCOLORSTATIC ? 0 : id, lParam);
}

// The wrapper's answer is the dialog's; a message the wrapper leaves, or
// about a control without one, reaches the dialog's own handler.
TEST(DialogReflection, AWrappedControlAnswersForTheDialog) {
  const UINT reflected[] = {WM_NOTIFY, WM_DRAWITEM, WM_MEASUREITEM, WM_CTLCOLORSTATIC};
  HostDialog dialog(IDD_KEYWORD);
  dialog.onMessage = [&](UINT message, WPARAM) -> std::optional<LRESULT> {
    if (std::find(std::begin(reflected), std::end(reflected), message) == std::end(reflected))
      return std::nullopt;
    return 5;
  };
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  HWND wrapped = dialog.Item(IDC_SEARCH_NOW);
  Probe probe;
  ASSERT_TRUE(probe.Attach(wrapped));
  EXPECT_EQ(Control::FromHandle(wrapped), &probe);
  EXPECT_FALSE(Probe().Attach(wrapped)) << "one wrapper per control";
  struct Case {
    HWND control;
    std::optional<LRESULT> wrapperAnswer;
    LRESULT result;
    int wrapperSees, dialogSees;
  };
  const Case cases[] = {
      {wrapped, 77, 77, 1, 0}, {wrapped, std::nullopt, 5, 1, 1}, {dialog.Item(IDOK), 77, 5, 0, 1}};
  for (UINT message : reflected) {
    for (const Case& c : cases) {
      SCOPED_TRACE(::testing::Message() << message << " " << (&c - cases));
      probe.answer = c.wrapperAnswer;
      probe.reflected.clear();
      dialog.seen.clear();
      EXPECT_EQ(SendAbout(dialog.Hwnd(), c.control, message), c.result);
      EXPECT_EQ(Count(probe.reflected, message), c.wrapperSees);
      EXPECT_EQ(Count(dialog.seen, message), c.dialogSees);
    }
  }
  probe.Detach();
  EXPECT_EQ(Control::FromHandle(wrapped), nullptr);
  EXPECT_EQ(SendAbout(dialog.Hwnd(), wrapped, WM_NOTIFY), 5);
}

// Three owner-drawn items whose data marks them as this menu's; a key
// chooses the third.
class DrawnMenu final : public OwnerDrawnMenu {
 public:
  static constexpr ULONG_PTR kData = 0x5EED;
  DrawnMenu() {
    for (UINT id : {0u, 1u, 2u})
      ::AppendMenuW(menu, MF_OWNERDRAW, id + 100, reinterpret_cast<const wchar_t*>(kData + id));
  }
  ~DrawnMenu() override { ::DestroyMenu(menu); }

  HMENU menu = ::CreatePopupMenu();
  std::vector<UINT> measured, drawn;

 protected:
  bool OwnsItemData(ULONG_PTR data) const override { return data - kData < 3; }
  bool OwnsMenu(HMENU shown) const override { return shown == menu; }
  void MeasureItem(MEASUREITEMSTRUCT& item) override {
    measured.push_back(item.itemID);
    item.itemWidth = 80;
    item.itemHeight = 20;
  }
  void DrawItem(const DRAWITEMSTRUCT& item) override { drawn.push_back(item.itemID); }
  LRESULT MenuChar(wchar_t, HMENU) override { return MAKELRESULT(2, MNC_EXECUTE); }
};

TEST(DialogReflection, AMenuThatTheProgramDrawsIsMeasuredDrawnAndFoundByKey) {
  HostDialog dialog(IDD_KEYWORD);
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  DrawnMenu menu;
  DialogScript script;
  script.OnMenu([](HWND popup) {
    ::UpdateWindow(popup);  // draws the items now
    ::PostMessageW(popup, WM_CHAR, L'q', 0);
  });
  EXPECT_EQ(script.Run([&] {
    return ::TrackPopupMenu(menu.menu, TPM_RETURNCMD, 20, 20, 0, dialog.Hwnd(), nullptr);
  }),
            102)
      << "the item WM_MENUCHAR named";
  for (UINT id : {100u, 101u, 102u}) {
    EXPECT_GE(Count(menu.measured, id), 1) << id;
    EXPECT_GE(Count(menu.drawn, id), 1) << id;
  }
  for (UINT message : {WM_MEASUREITEM, WM_DRAWITEM, WM_MENUCHAR})
    EXPECT_EQ(Count(dialog.seen, message), 0) << message;
  // An item of none of the program's menus is left to the dialog.
  MEASUREITEMSTRUCT foreign{ODT_MENU, 0, 7, 0, 0, 0x1234};
  ::SendMessageW(dialog.Hwnd(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&foreign));
  EXPECT_EQ(foreign.itemWidth, 0u);
  EXPECT_EQ(Count(dialog.seen, WM_MEASUREITEM), 1);
}

// ---- The plain window base, the timer and the hooks ----------------------

class TestWindow final : public Window {
 public:
  bool Create() { return Window::Create(L"MirevoTest", WS_POPUP, 0, nullptr, {0, 0, 90, 60}); }

  std::vector<UINT> seen;
  std::vector<UINT> timers;
  HWND boundAtNcCreate = nullptr;

 protected:
  std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM) override {
    if (message == WM_NCCREATE) boundAtNcCreate = Hwnd();
    if (message == WM_TIMER) timers.push_back(static_cast<UINT>(wParam));
    seen.push_back(message);
    return message == WM_USER ? std::optional<LRESULT>(42) : std::nullopt;
  }
};

TEST(WindowBase, BindsAtNcCreateDispatchesReflectsAndUnbindsWhenDestroyed) {
  TestWindow window;
  ASSERT_TRUE(window.Create());
  HWND hwnd = window.Hwnd();
  ASSERT_NE(hwnd, nullptr);
  EXPECT_EQ(window.boundAtNcCreate, hwnd);
  EXPECT_FALSE(window.Create()) << "one window per object";
  EXPECT_EQ(::SendMessageW(hwnd, WM_USER, 0, 0), 42);

  // A message about a wrapped child goes to its wrapper; about another
  // child, to the handler.
  HWND children[2];
  for (int id : {0, 1})
    children[id] =
        ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 9, 9, hwnd,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id + 7)), nullptr, nullptr);
  Probe probe;
  probe.answer = 77;
  ASSERT_TRUE(probe.Attach(children[0]));
  NMHDR header{children[0], 7, static_cast<UINT>(NM_CLICK)};
  EXPECT_EQ(::SendMessageW(hwnd, WM_NOTIFY, 7, reinterpret_cast<LPARAM>(&header)), 77);
  EXPECT_EQ(::SendMessageW(hwnd, WM_CTLCOLORSTATIC, 0, reinterpret_cast<LPARAM>(children[0])), 77);
  EXPECT_EQ(probe.reflected, (std::vector<UINT>{WM_NOTIFY, WM_CTLCOLORSTATIC}));
  EXPECT_EQ(Count(window.seen, WM_NOTIFY) + Count(window.seen, WM_CTLCOLORSTATIC), 0);
  header.hwndFrom = children[1];
  ::SendMessageW(hwnd, WM_NOTIFY, 8, reinterpret_cast<LPARAM>(&header));
  EXPECT_EQ(Count(window.seen, WM_NOTIFY), 1);

  window.Destroy();
  EXPECT_FALSE(::IsWindow(hwnd));
  EXPECT_EQ(window.Hwnd(), nullptr);
  EXPECT_EQ(window.seen.back(), static_cast<UINT>(WM_NCDESTROY));
  EXPECT_EQ(probe.Hwnd(), nullptr) << "the child went with it";
  ASSERT_TRUE(window.Create()) << "unbound: the object can make a new window";
  {
    TestWindow scoped;
    ASSERT_TRUE(scoped.Create());
    hwnd = scoped.Hwnd();
  }
  EXPECT_FALSE(::IsWindow(hwnd)) << "the destructor destroys the window";
}

// Timer 7 ticks until its destructor; timer 8 goes on, so the window would
// have seen a tick of 7 had there been one. Waits are bounded.
TEST(WindowTimerTest, TicksWithItsIdUntilItsDestructor) {
  TestWindow window;
  ASSERT_TRUE(window.Create());
  const auto pumpUntil = [&](UINT id, int ticks) {
    for (const DWORD start = ::GetTickCount();
         Count(window.timers, id) < ticks && ::GetTickCount() - start < 3000;) {
      ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
      for (MSG msg; ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE);) ::DispatchMessageW(&msg);
    }
    return Count(window.timers, id) >= ticks;
  };
  WindowTimer other(8);
  {
    WindowTimer timer(7);
    ASSERT_TRUE(timer.Start(window.Hwnd(), 10));
    ASSERT_TRUE(other.Start(window.Hwnd(), 10));
    EXPECT_TRUE(pumpUntil(7, 1));
  }
  window.timers.clear();
  EXPECT_TRUE(pumpUntil(8, 5));
  EXPECT_EQ(Count(window.timers, 7), 0);
}

constexpr UINT kNoted = WM_USER + 1;

// Notes kNoted under its name in a shared log; answers it, or passes it on
// (after the hooks under it and the window ran, when it calls the default),
// or throws, as told.
class Hook final : public WindowSubclass {
 public:
  enum Mode { kPass, kAnswer, kCallDefault, kThrow };
  Hook(const char* name, std::vector<std::string>& log) : name_(name), log_(log) {}
  ~Hook() override { Detach(); }  // it overrides OnDetached

  Mode mode = kPass;
  HWND detachedFrom = nullptr;

 protected:
  std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message != kNoted) return std::nullopt;
    log_.push_back(name_);
    if (mode == kThrow) throw std::runtime_error(name_);
    if (mode == kAnswer) return 1;
    if (mode != kCallDefault) return std::nullopt;
    const LRESULT result = CallDefault(message, wParam, lParam);
    log_.push_back(name_ + " after");
    return result + 2;
  }
  void OnDetached(HWND window) override { detachedFrom = window; }

 private:
  std::string name_;
  std::vector<std::string>& log_;
};

TEST(WindowSubclassTest, HooksChainLastAttachedFirstAndLetGoInAnyOrder) {
  HostDialog dialog(IDD_KEYWORD);
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  HWND edit = dialog.Item(IDC_KEYWORD);
  using Log = std::vector<std::string>;
  Log log, errors;
  const auto noted = [&](LRESULT result) {
    log.clear();
    EXPECT_EQ(::SendMessageW(edit, kNoted, 0, 0), result);
    return log;
  };
  Hook first("1", log), second("2", log);
  EXPECT_FALSE(first.Attach(nullptr));
  ASSERT_TRUE(first.Attach(edit));
  EXPECT_FALSE(first.Attach(edit)) << "one window per object";
  ASSERT_TRUE(second.Attach(edit));
  EXPECT_EQ(noted(0), (Log{"2", "1"})) << "0: the edit's own answer";
  first.mode = Hook::kAnswer;
  second.mode = Hook::kCallDefault;
  EXPECT_EQ(noted(3), (Log{"2", "1", "2 after"}));
  second.mode = Hook::kAnswer;
  EXPECT_EQ(noted(1), Log{"2"}) << "an answer ends the chain";
  second.mode = Hook::kThrow;
  SetCallbackErrorHandler([&](std::string_view what) { errors.emplace_back(what); });
  EXPECT_EQ(noted(1), (Log{"2", "1"})) << "reported, and passed on";
  SetCallbackErrorHandler(nullptr);
  EXPECT_EQ(errors, Log{"2"});

  second.mode = first.mode = Hook::kPass;
  first.Detach();
  EXPECT_EQ(first.Hwnd(), nullptr);
  EXPECT_EQ(first.detachedFrom, edit);
  EXPECT_EQ(noted(0), Log{"2"}) << "the later hook stays";
  ASSERT_TRUE(first.Attach(edit));
  EXPECT_EQ(noted(0), (Log{"1", "2"}));
  first.detachedFrom = nullptr;
  ::DestroyWindow(edit);
  for (const Hook* hook : {&first, &second}) {
    EXPECT_EQ(hook->Hwnd(), nullptr);
    EXPECT_EQ(hook->detachedFrom, edit);
  }
}

}  // namespace
}  // namespace mirevo::win32
