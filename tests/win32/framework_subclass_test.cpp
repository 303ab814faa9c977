// Subclassing an existing control: the object sees its messages first, can
// answer or pass them on, and lets go when the window is destroyed.
#include <gtest/gtest.h>

#include <windows.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "dialog_host.h"
#include "resource.h"
#include "ui/win32/callback_guard.h"
#include "ui/win32/control_text.h"
#include "ui/win32/window_subclass.h"

namespace mirevo::win32 {
namespace {

using testing::HostDialog;

// Refuses the text "blocked", counts the texts it saw, and
// throws on WM_USER.
class TextGuard final : public WindowSubclass {
 public:
  int setTextSeen = 0;
  int lengthAfterDefault = -1;

 protected:
  std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_USER) throw std::runtime_error("subclass failed");
    if (message != WM_SETTEXT) return std::nullopt;
    ++setTextSeen;
    const auto* text = reinterpret_cast<const wchar_t*>(lParam);
    if (text != nullptr && std::wstring(text) == L"blocked") return FALSE;
    // Run the control's own procedure first, then look at its result.
    const LRESULT result = CallDefault(message, wParam, lParam);
    lengthAfterDefault = ::GetWindowTextLengthW(Hwnd());
    return result;
  }
};

class SubclassedEdit : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dialog_.CreateModeless(nullptr));
    edit_ = dialog_.Item(IDC_KEYWORD);
  }
  HostDialog dialog_{IDD_KEYWORD};
  HWND edit_ = nullptr;
};

TEST_F(SubclassedEdit, SeesMessagesFirstAndCanAnswerThemUntilDetached) {
  TextGuard guard;
  EXPECT_FALSE(guard.Attach(nullptr));
  ASSERT_TRUE(guard.Attach(edit_));
  EXPECT_EQ(guard.Hwnd(), edit_);
  EXPECT_FALSE(guard.Attach(edit_)) << "one window per object";

  ::SetWindowTextW(edit_, L"\u52a8\u753b");
  EXPECT_EQ(ReadWideText(edit_), L"\u52a8\u753b");
  EXPECT_EQ(guard.lengthAfterDefault, 2) << "the default ran before the object looked";

  ::SetWindowTextW(edit_, L"blocked");
  EXPECT_EQ(ReadWideText(edit_), L"\u52a8\u753b") << "the object answered, the edit never saw it";
  EXPECT_EQ(guard.setTextSeen, 2);

  guard.Detach();
  EXPECT_EQ(guard.Hwnd(), nullptr);
  ::SetWindowTextW(edit_, L"blocked");
  EXPECT_EQ(ReadWideText(edit_), L"blocked") << "the control's own behaviour is back";
  EXPECT_EQ(guard.setTextSeen, 2);
}

TEST_F(SubclassedEdit, AnExceptionIsReportedAndDestroyingTheWindowDetaches) {
  std::vector<std::string> errors;
  SetCallbackErrorHandler([&](std::string_view what) { errors.emplace_back(what); });
  TextGuard guard;
  ASSERT_TRUE(guard.Attach(edit_));
  ::SendMessageW(edit_, WM_USER, 0, 0);
  SetCallbackErrorHandler(nullptr);
  EXPECT_EQ(errors, std::vector<std::string>{"subclass failed"});
  ::SetWindowTextW(edit_, L"x");
  EXPECT_EQ(ReadWideText(edit_), L"x") << "still subclassed and working";
  EXPECT_EQ(guard.setTextSeen, 1);

  ::DestroyWindow(edit_);
  EXPECT_EQ(guard.Hwnd(), nullptr);
}

}  // namespace
}  // namespace mirevo::win32
