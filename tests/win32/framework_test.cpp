// The framework under the windows: the dialog base (binding, dispatch,
// modal and modeless runs, the exception boundary) and chained hooks on an
// existing window. Reflection is seen at work in the program's own controls
// (the list, the flat buttons, the links, the menus).
#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "modal_driver.h"
#include "resource.h"
#include "ui/win32/callback_guard.h"
#include "ui/win32/dialog.h"
#include "ui/win32/module.h"
#include "ui/win32/window_subclass.h"

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
// modal run disables its owner for the run only and returns the result
// given to Close, and Escape in a modeless dialog reaches it from inside
// that modal loop.
TEST(DialogBase, BindsDispatchesRunsModalAndModelessAndStopsExceptions) {
  std::vector<std::string> errors;
  SetCallbackErrorHandler([&](std::string_view what) { errors.emplace_back(what); });
  HostDialog modeless(IDD_KEYWORD), owner(IDD_KEYWORD), dialog(IDD_TYPE);
  ASSERT_TRUE(modeless.CreateModeless(nullptr));
  EXPECT_FALSE(modeless.CreateModeless(nullptr)) << "one window per object";
  ASSERT_TRUE(owner.CreateModeless(nullptr));
  ::ShowWindow(modeless.Hwnd(), SW_SHOW);
  DialogScript script;
  script
      .On("请选择此作品的类型",
          [&](HWND window) {
            EXPECT_FALSE(::IsWindowEnabled(owner.Hwnd()));
            for (int id : {IDC_TYPE_OVA, IDC_TYPE_MANGA}) PostCommand(window, id);
            ::PostMessageW(modeless.Item(IDC_KEYWORD), WM_KEYDOWN, VK_ESCAPE, 0);
          })
      .On("请选择此作品的类型", [&](HWND) { dialog.Close(IDC_TYPE_OVA); });
  EXPECT_EQ(script.Run([&] { return dialog.RunModal(owner.Hwnd()); }), IDC_TYPE_OVA);
  SetCallbackErrorHandler(nullptr);
  EXPECT_EQ(errors, std::vector<std::string>{"OVA"});
  EXPECT_EQ(dialog.commands, std::vector<int>{IDC_TYPE_MANGA});
  EXPECT_TRUE(::IsWindowEnabled(owner.Hwnd()));
  EXPECT_EQ(dialog.Hwnd(), nullptr);
  EXPECT_EQ(modeless.commands.back(), IDCANCEL);
  EXPECT_EQ(modeless.Hwnd(), nullptr) << "the cancel closed it";
  EXPECT_TRUE(modeless.CreateModeless(nullptr)) << "unbound: the object can open a window again";
  EXPECT_EQ(HostDialog(4242).RunModal(nullptr), -1) << "a missing template";
}

constexpr UINT kNoted = WM_USER + 1;

// Notes kNoted under its name in a shared log, and answers it or passes it
// on as told.
class Hook final : public WindowSubclass {
 public:
  Hook(const char* name, std::vector<std::string>& log) : name_(name), log_(log) {}
  ~Hook() override { Detach(); }  // it overrides OnDetached
  bool answers = false;
  HWND detachedFrom = nullptr;

 protected:
  std::optional<LRESULT> HandleMessage(UINT message, WPARAM, LPARAM) override {
    if (message != kNoted) return std::nullopt;
    log_.push_back(name_);
    return answers ? std::optional<LRESULT>(1) : std::nullopt;
  }
  void OnDetached(HWND window) override { detachedFrom = window; }

 private:
  std::string name_;
  std::vector<std::string>& log_;
};

// The hook attached last sees a message first; an answer ends the chain;
// hooks let go in any order, and all of them when the window goes.
TEST(WindowSubclassTest, HooksChainLastAttachedFirstAndLetGoInAnyOrder) {
  HostDialog dialog(IDD_KEYWORD);
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  HWND edit = dialog.Item(IDC_KEYWORD);
  using Log = std::vector<std::string>;
  Log log;
  const auto noted = [&](LRESULT result) {
    log.clear();
    EXPECT_EQ(::SendMessageW(edit, kNoted, 0, 0), result);
    return log;
  };
  Hook first("1", log), second("2", log);
  ASSERT_TRUE(first.Attach(edit) && second.Attach(edit));
  EXPECT_EQ(noted(0), (Log{"2", "1"})) << "0: the edit's own answer";
  second.answers = true;
  EXPECT_EQ(noted(1), Log{"2"});
  second.answers = false;
  first.Detach();
  EXPECT_EQ(noted(0), Log{"2"}) << "the later hook stays";
  ASSERT_TRUE(first.Attach(edit));
  ::DestroyWindow(edit);
  for (const Hook* hook : {&first, &second}) {
    EXPECT_EQ(hook->Hwnd(), nullptr);
    EXPECT_EQ(hook->detachedFrom, edit);
  }
}

}  // namespace
}  // namespace mirevo::win32
