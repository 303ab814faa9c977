// Plays the user at the modal dialogs and menus the code under test opens,
// from inside their own message loops, and acts on windows as a user would.
// A test lists steps; a thread timer runs one step per tick on the window
// that has the user's attention now (the one visible, enabled dialog or menu
// window of this thread; owners are disabled while a modal dialog runs).
// Clicks are posted, so a nested dialog runs its loop outside the timer
// callback and the steps go on inside it. Message boxes are fakes in these
// tests and never block.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "journey_driver.h"
#include "ui/win32/control_text.h"
#include "ui/win32/wide_text.h"

namespace mirevo::testing {

inline constexpr wchar_t kDialogClass[] = L"#32770";
inline constexpr wchar_t kMenuClass[] = L"#32768";

class DialogScript {
 public:
  using Action = std::function<void(HWND window)>;

  // The next step, run once the current dialog's title is title (GBK).
  DialogScript& On(std::string_view title, Action action) {
    return When([wide = win32::WideFromGbk(title)](
                    HWND dialog) { return win32::ReadWideText(dialog) == wide; },
                std::move(action));
  }
  // The next step, run once a current dialog satisfies the predicate.
  DialogScript& When(std::function<bool(HWND)> matches, Action action) {
    steps_.push_back({kDialogClass, std::move(matches), std::move(action)});
    return *this;
  }
  // The next step, run on the popup menu once it is open.
  DialogScript& OnMenu(Action action) {
    steps_.push_back({kMenuClass, nullptr, std::move(action)});
    return *this;
  }

  // Calls open (which runs a dialog or menu modally) with the steps armed
  // and returns what open returns. A script that stalls (its window never
  // comes, or a dialog or menu stays open after the last step) fails the
  // test and cancels the dialog or menu left, so it cannot hang the run.
  template <typename Open>
  auto Run(Open open) {
    struct Armed {
      DialogScript& script;
      UINT_PTR timer;
      ~Armed() {
        ::KillTimer(nullptr, timer);
        active_ = nullptr;
        EXPECT_EQ(script.next_, script.steps_.size()) << "steps left when the modal loop ended";
      }
    };
    active_ = this;
    Armed armed{*this, ::SetTimer(nullptr, 0, 15, &DialogScript::Tick)};
    return open();
  }

 private:
  struct Step {
    const wchar_t* className;
    std::function<bool(HWND)> matches;  // nullptr: any
    Action action;
  };

  // The first visible, enabled top-level window of this thread with that
  // class that matches; nullptr if none.
  static HWND Current(const wchar_t* className, const std::function<bool(HWND)>& matches) {
    for (HWND window = ::FindWindowExW(nullptr, nullptr, className, nullptr); window != nullptr;
         window = ::FindWindowExW(nullptr, window, className, nullptr)) {
      if (::GetWindowThreadProcessId(window, nullptr) == ::GetCurrentThreadId() &&
          ::IsWindowVisible(window) && ::IsWindowEnabled(window) && (!matches || matches(window)))
        return window;
    }
    return nullptr;
  }

  // One step when its window is there; after 400 ticks (6 s) without one,
  // the failure and the way out.
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (active_ == nullptr) return;
    DialogScript& self = *active_;
    if (self.next_ < self.steps_.size()) {
      const Step& step = self.steps_[self.next_];
      if (HWND window = Current(step.className, step.matches)) {
        ++self.next_;
        self.idleTicks_ = 0;
        return step.action(window);
      }
    }
    HWND menu = Current(kMenuClass, nullptr), dialog = Current(kDialogClass, nullptr);
    if (++self.idleTicks_ < 400 || (menu == nullptr && dialog == nullptr)) return;
    ADD_FAILURE() << "dialog script stalled at step " << self.next_ << " of " << self.steps_.size();
    self.next_ = self.steps_.size();
    if (menu != nullptr) ::EndMenu();
    if (menu == nullptr) ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  }

  static inline DialogScript* active_ = nullptr;
  std::vector<Step> steps_;
  std::size_t next_ = 0;
  int idleTicks_ = 0;
};

// ---- Acting like a user --------------------------------------------------

// A click as the button itself reports it (check boxes and radios toggle).
inline void Click(HWND dialog, int controlId) {
  ::PostMessageW(::GetDlgItem(dialog, controlId), BM_CLICK, 0, 0);
}

// A key typed into the focused control of the window (the window itself
// when the focus is elsewhere); the dialog manager turns Enter and Escape
// into IDOK and IDCANCEL.
inline void PressKey(HWND window, WPARAM key) {
  HWND focus = ::GetFocus();
  ::PostMessageW(::IsChild(window, focus) ? focus : window, WM_KEYDOWN, key, 0x00010001);
}

inline std::wstring Shown(HWND dialog, int controlId) {
  return win32::ReadWideText(::GetDlgItem(dialog, controlId));
}

// Chooses the item with that id from the open popup menu by keyboard.
inline void ChooseItem(HWND menuWindow, UINT id) {
  HMENU menu = reinterpret_cast<HMENU>(::SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
  for (int position = 0; position < ::GetMenuItemCount(menu); ++position) {
    if ((::GetMenuState(menu, position, MF_BYPOSITION) & MF_SEPARATOR) == 0)
      ::PostMessageW(menuWindow, WM_KEYDOWN, VK_DOWN, 0);
    if (::GetMenuItemID(menu, position) == id) break;
  }
  ::PostMessageW(menuWindow, WM_KEYDOWN, VK_RETURN, 0);
}

// Runs what is queued, as the main window's modal loop would: keys go to
// the modeless dialogs first (through the loop's message filter).
inline void Pump() {
  for (MSG msg; ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE);) {
    if (::CallMsgFilterW(&msg, MSGF_DIALOGBOX)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
}

}  // namespace mirevo::testing
