// Answers the program's modal dialogs from inside their own message loops.
// A test lists steps; a thread timer runs one step per tick on the dialog
// that currently has the user's attention (the one enabled dialog window of
// this thread; its owners are disabled while it runs). Clicks are posted, so
// a nested dialog runs its loop outside the timer callback and the steps go
// on inside it. Message boxes are fakes in these tests and never block.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/win32/control_text.h"
#include "ui/win32/wide_text.h"

namespace mirevo::ui::testing {

// The dialog window of this thread that takes input now, nullptr if none.
inline HWND CurrentDialog() {
  struct Search {
    HWND found = nullptr;
  } search;
  ::EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND hwnd, LPARAM param) -> BOOL {
        wchar_t className[16] = {};
        ::GetClassNameW(hwnd, className, 16);
        if (std::wstring_view(className) == L"#32770" && ::IsWindowVisible(hwnd) &&
            ::IsWindowEnabled(hwnd)) {
          reinterpret_cast<Search*>(param)->found = hwnd;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// A wide text for SCOPED_TRACE and failure messages.
inline std::string WideForTrace(std::wstring_view text) {
  std::string utf8(static_cast<std::size_t>(text.size()) * 4 + 1, '\0');
  int length = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                     utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr);
  utf8.resize(length > 0 ? length : 0);
  return utf8;
}

inline std::wstring WindowTitle(HWND hwnd) {
  return win32::ReadWideText(hwnd);
}

class DialogScript {
 public:
  using Action = std::function<void(HWND dialog)>;

  // The next step, run once the current dialog's title is title (GBK).
  DialogScript& On(std::string_view title, Action action) {
    steps_.push_back({win32::WideFromGbk(title), nullptr, std::move(action)});
    return *this;
  }
  // The next step, run once a current dialog satisfies the predicate.
  DialogScript& When(std::function<bool(HWND)> matches, Action action) {
    steps_.push_back({L"", std::move(matches), std::move(action)});
    return *this;
  }

  // Calls open (which runs a dialog modally) with the steps armed, and
  // returns what open returned. A script that stalls (its dialog never
  // comes, or a dialog stays open after the last step) fails the test and
  // cancels every dialog left, so a broken dialog cannot hang the run.
  INT_PTR Run(const std::function<INT_PTR()>& open) {
    active_ = this;
    UINT_PTR timer = ::SetTimer(nullptr, 0, kTickMs, &DialogScript::Tick);
    INT_PTR result = open();
    ::KillTimer(nullptr, timer);
    active_ = nullptr;
    EXPECT_EQ(next_, steps_.size())
        << "steps left when the dialog closed; stalled at step " << next_;
    return result;
  }

 private:
  struct Step {
    std::wstring title;
    std::function<bool(HWND)> matches;
    Action action;
  };

  static constexpr UINT kTickMs = 15;
  static constexpr int kStallTicks = 400;

  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (active_ != nullptr) active_->Advance();
  }

  void Advance() {
    HWND dialog = CurrentDialog();
    if (next_ < steps_.size() && dialog != nullptr) {
      const Step& step = steps_[next_];
      bool ready = step.matches ? step.matches(dialog) : WindowTitle(dialog) == step.title;
      if (ready) {
        ++next_;
        idleTicks_ = 0;
        step.action(dialog);
        return;
      }
    }
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

// A click as the button itself reports it (check boxes toggle first).
inline void Click(HWND dialog, int controlId) {
  ::PostMessageW(::GetDlgItem(dialog, controlId), BM_CLICK, 0, 0);
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
  return win32::ReadWideText(::GetDlgItem(dialog, controlId));
}

inline void Choose(HWND dialog, int comboId, int index) {
  ::SendMessageW(::GetDlgItem(dialog, comboId), CB_SETCURSEL, index, 0);
}

inline int Chosen(HWND dialog, int comboId) {
  return static_cast<int>(::SendMessageW(::GetDlgItem(dialog, comboId), CB_GETCURSEL, 0, 0));
}

inline std::vector<std::wstring> ComboItems(HWND dialog, int comboId) {
  HWND combo = ::GetDlgItem(dialog, comboId);
  std::vector<std::wstring> items;
  int count = static_cast<int>(::SendMessageW(combo, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    std::wstring item(::SendMessageW(combo, CB_GETLBTEXTLEN, i, 0), L'\0');
    ::SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()));
    items.push_back(item);
  }
  return items;
}

inline SYSTEMTIME PickerValue(HWND dialog, int pickerId) {
  SYSTEMTIME time{};
  ::SendMessageW(::GetDlgItem(dialog, pickerId), DTM_GETSYSTEMTIME, 0,
                 reinterpret_cast<LPARAM>(&time));
  return time;
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

}  // namespace mirevo::ui::testing
