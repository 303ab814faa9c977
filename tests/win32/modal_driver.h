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

// The first visible, enabled window of this thread with the class that
// satisfies the predicate (any, without one), nullptr if none.
inline HWND CurrentWindow(const wchar_t* className,
                          const std::function<bool(HWND)>& matches = nullptr) {
  struct Search {
    const wchar_t* className;
    const std::function<bool(HWND)>& matches;
    HWND found;
  } search{className, matches, nullptr};
  ::EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND hwnd, LPARAM param) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(param);
        wchar_t name[16] = {};
        ::GetClassNameW(hwnd, name, 16);
        if (std::wstring_view(name) != s.className || !::IsWindowVisible(hwnd) ||
            !::IsWindowEnabled(hwnd) || (s.matches && !s.matches(hwnd))) {
          return TRUE;
        }
        s.found = hwnd;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

class DialogScript {
 public:
  using Action = std::function<void(HWND window)>;

  // The next step, run once the current dialog's title is title (GBK).
  DialogScript& On(std::string_view title, Action action) {
    std::wstring wide = WideFromGbk(title);
    return When([wide](HWND dialog) { return ReadWideText(dialog) == wide; }, std::move(action));
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
  // comes, or a dialog stays open after the last step) fails the test and
  // cancels the dialog left, so a broken dialog cannot hang the run.
  template <typename Open>
  auto Run(Open open) {
    struct Armed {
      DialogScript& script;
      UINT_PTR timer;
      ~Armed() {
        ::KillTimer(nullptr, timer);
        active_ = nullptr;
        EXPECT_EQ(script.next_, script.steps_.size())
            << "steps left when the modal loop ended; stalled at step " << script.next_;
      }
    };
    active_ = this;
    Armed armed{*this, ::SetTimer(nullptr, 0, kTickMs, &DialogScript::Tick)};
    return open();
  }

 private:
  struct Step {
    const wchar_t* className;
    std::function<bool(HWND)> matches;
    Action action;
  };

  static constexpr UINT kTickMs = 15;
  static constexpr int kStallTicks = 400;

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
    HWND dialog = CurrentWindow(kDialogClass);
    if (++idleTicks_ < kStallTicks || dialog == nullptr) return;
    ADD_FAILURE() << "dialog script stalled at step " << next_ << " of " << steps_.size();
    next_ = steps_.size();
    idleTicks_ = 0;
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
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

// Escape as typed into the focused control; the dialog manager turns it
// into IDCANCEL.
inline void PressEscape() {
  ::PostMessageW(::GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
}

inline void Type(HWND dialog, int controlId, const std::wstring& text) {
  ::SendMessageW(::GetDlgItem(dialog, controlId), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(text.c_str()));
}

inline std::wstring Shown(HWND dialog, int controlId) {
  return ReadWideText(::GetDlgItem(dialog, controlId));
}

inline void Choose(HWND dialog, int comboId, int index) {
  ::SendMessageW(::GetDlgItem(dialog, comboId), CB_SETCURSEL, index, 0);
}

inline int Chosen(HWND dialog, int comboId) {
  return static_cast<int>(::SendMessageW(::GetDlgItem(dialog, comboId), CB_GETCURSEL, 0, 0));
}

inline void Pick(HWND dialog, int pickerId, int year, int month, int day, int hour, int minute) {
  SYSTEMTIME time{};
  time.wYear = static_cast<WORD>(year);
  time.wMonth = static_cast<WORD>(month);
  time.wDay = static_cast<WORD>(day);
  time.wHour = static_cast<WORD>(hour);
  time.wMinute = static_cast<WORD>(minute);
  ::SendMessageW(::GetDlgItem(dialog, pickerId), DTM_SETSYSTEMTIME, GDT_VALID,
                 reinterpret_cast<LPARAM>(&time));
}

inline bool Checked(HWND dialog, int controlId) {
  return ::IsDlgButtonChecked(dialog, controlId) == BST_CHECKED;
}

inline bool Enabled(HWND dialog, int controlId) {
  return ::IsWindowEnabled(::GetDlgItem(dialog, controlId)) != FALSE;
}

inline bool HasFocus(HWND dialog, int controlId) {
  return ::GetFocus() == ::GetDlgItem(dialog, controlId);
}

}  // namespace mirevo::win32::testing
