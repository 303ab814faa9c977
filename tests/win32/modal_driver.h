// Plays the user at the modal dialogs and menus the code under test opens,
// from inside their own message loops. A test lists steps; a thread timer
// runs one step per tick on the window that has the user's attention now
// (the one visible, enabled dialog or menu window of this thread; owners are
// disabled while a modal dialog runs). Clicks are posted, so a nested dialog
// runs its loop outside the timer callback and the steps go on inside it.
// Message boxes are fakes in these tests and never block.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/win32/control_text.h"
#include "ui/win32/wide_text.h"

namespace mirevo::win32::testing {

inline constexpr wchar_t kDialogClass[] = L"#32770";
inline constexpr wchar_t kMenuClass[] = L"#32768";

// The first visible, enabled top-level window of this thread with that
// class that matches; nullptr if none.
inline HWND CurrentWindow(const wchar_t* className, const std::function<bool(HWND)>& matches) {
  for (HWND window = ::FindWindowExW(nullptr, nullptr, className, nullptr); window != nullptr;
       window = ::FindWindowExW(nullptr, window, className, nullptr)) {
    if (::GetWindowThreadProcessId(window, nullptr) == ::GetCurrentThreadId() &&
        ::IsWindowVisible(window) && ::IsWindowEnabled(window) && matches(window))
      return window;
  }
  return nullptr;
}

class DialogScript {
 public:
  using Action = std::function<void(HWND window)>;

  // The next step, run once the current dialog's title is title (GBK).
  DialogScript& On(std::string_view title, Action action) {
    return When([wide = WideFromGbk(title)](HWND dialog) { return ReadWideText(dialog) == wide; },
                std::move(action));
  }
  // The next step, run once a current dialog satisfies the predicate.
  DialogScript& When(std::function<bool(HWND)> matches, Action action) {
    steps_.push_back({kDialogClass, std::move(matches), std::move(action)});
    return *this;
  }
  // The next step, run on the popup menu once it is open.
  DialogScript& OnMenu(Action action) {
    steps_.push_back({kMenuClass, [](HWND) { return true; }, std::move(action)});
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
    std::function<bool(HWND)> matches;
    Action action;
  };

  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (active_ != nullptr) active_->Advance();
  }

  void Advance() {
    if (next_ < steps_.size()) {
      const Step& step = steps_[next_];
      if (HWND window = CurrentWindow(step.className, step.matches)) {
        ++next_;
        idleTicks_ = 0;
        step.action(window);
        return;
      }
    }
    const auto any = [](HWND) { return true; };
    HWND menu = CurrentWindow(kMenuClass, any);
    HWND dialog = CurrentWindow(kDialogClass, any);
    if (++idleTicks_ < 400 || (menu == nullptr && dialog == nullptr)) return;
    ADD_FAILURE() << "dialog script stalled at step " << next_ << " of " << steps_.size();
    next_ = steps_.size();
    if (menu != nullptr) ::EndMenu();
    if (menu == nullptr) ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  }

  static inline DialogScript* active_ = nullptr;
  std::vector<Step> steps_;
  std::size_t next_ = 0;
  int idleTicks_ = 0;
};

// --- acting on a dialog like a user ----------------------------------------

// A click as the button itself reports it (check boxes and radios toggle).
inline void Click(HWND dialog, int controlId) {
  ::PostMessageW(::GetDlgItem(dialog, controlId), BM_CLICK, 0, 0);
}

// The command of a button as its parent gets it, for windows that may be
// hidden (the main window in tests) where a click cannot land.
inline void PostCommand(HWND dialog, int controlId) {
  ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(controlId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(dialog, controlId)));
}

// Escape as typed into the dialog's focused control (the dialog itself
// while none has the focus yet); the dialog manager turns it into IDCANCEL.
inline void PressEscape(HWND dialog) {
  HWND focus = ::GetFocus();
  ::PostMessageW(::IsChild(dialog, focus) ? focus : dialog, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
}

inline void Type(HWND dialog, int controlId, const std::wstring& text) {
  ::SetDlgItemTextW(dialog, controlId, text.c_str());
}

inline std::wstring Shown(HWND dialog, int controlId) {
  return ReadWideText(::GetDlgItem(dialog, controlId));
}

inline void Pick(HWND dialog, int pickerId, WORD year, WORD month, WORD day, WORD hour = 0,
                 WORD minute = 0) {
  SYSTEMTIME time{year, month, 0, day, hour, minute, 0, 0};
  ::SendDlgItemMessageW(dialog, pickerId, DTM_SETSYSTEMTIME, GDT_VALID,
                        reinterpret_cast<LPARAM>(&time));
}

}  // namespace mirevo::win32::testing
