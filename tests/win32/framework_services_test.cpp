// The real message box and shell services at their edges, the small control
// helpers, and the handle wrappers.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "dialog_host.h"
#include "resource.h"
#include "ui/win32/control_text.h"
#include "ui/win32/dialog_controls.h"
#include "ui/win32/gdi.h"
#include "ui/win32/message_box.h"
#include "ui/win32/shell_open.h"
#include "ui/win32/unique_handle.h"

namespace mirevo::win32 {
namespace {

using testing::HostDialog;

// Plays the user at a real message box: waits on its own thread until a box
// with the caption appears, collects the texts of its children and presses
// a button.
class MessageBoxAnswerer {
 public:
  MessageBoxAnswerer(std::wstring caption, int button)
      : caption_(std::move(caption)), button_(button), thread_([this] { Run(); }) {}
  ~MessageBoxAnswerer() { thread_.join(); }

  std::vector<std::wstring> texts;
  bool found = false;

 private:
  void Run() {
    // Bounded so that a box that never appears ends the test with a failure
    // instead of a hang; no time is asserted.
    for (int attempt = 0; attempt < 1000 && !found; ++attempt) {
      if (HWND box = ::FindWindowW(L"#32770", caption_.c_str())) {
        found = true;
        ::EnumChildWindows(
            box,
            [](HWND child, LPARAM self) -> BOOL {
              reinterpret_cast<MessageBoxAnswerer*>(self)->texts.push_back(ReadWideText(child));
              return TRUE;
            },
            reinterpret_cast<LPARAM>(this));
        ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(button_, BN_CLICKED), 0);
        return;
      }
      ::Sleep(10);
    }
  }

  std::wstring caption_;
  int button_;
  std::thread thread_;
};

bool Contains(const std::vector<std::wstring>& texts, const std::wstring& text) {
  for (const std::wstring& t : texts)
    if (t == text) return true;
  return false;
}

TEST(Win32MessageBoxTest, ShowsGbkTextsAndReturnsTheAnswer) {
  Win32MessageBox messages;
  MessageAnswer answer = MessageAnswer::kOk;
  std::vector<std::wstring> texts;
  bool found = false;
  {
    MessageBoxAnswerer answerer(L"\u5220\u9664", IDNO);  // 删除
    answer = messages.Show(nullptr, "你确定要删除 凉宫春日 吗?", "删除", MessageButtons::kYesNo,
                           MessageIcon::kQuestion);
    texts = answerer.texts;
    found = answerer.found;
  }
  ASSERT_TRUE(found);
  EXPECT_EQ(answer, MessageAnswer::kNo);
  EXPECT_TRUE(Contains(texts,
                       L"\u4f60\u786e\u5b9a\u8981\u5220\u9664 \u51c9\u5bab\u6625\u65e5 "
                       L"\u5417?"));
}

TEST(Win32MessageBoxTest, EmptyCaptionIsTheProgramsName) {
  Win32MessageBox messages;
  MessageAnswer answer = MessageAnswer::kYes;
  bool found = false;
  {
    MessageBoxAnswerer answerer(L"test_win32_framework", IDCANCEL);
    answer = messages.Show(nullptr, "要在退出前保存一下吗?", "", MessageButtons::kYesNoCancel,
                           MessageIcon::kNone);
    found = answerer.found;
  }
  ASSERT_TRUE(found);
  EXPECT_EQ(answer, MessageAnswer::kCancel);
}

TEST(Win32ShellOpenTest, RefusesAddressesThatAreNotGbkOrEmpty) {
  Win32ShellOpen shell;
  EXPECT_FALSE(shell.Open(nullptr, "http://example.invalid/?k=\x81"));
  EXPECT_FALSE(shell.Open(nullptr, ""));
}

TEST(DialogControls, ComboRadioCheckAndPickersRoundTrip) {
  HostDialog dialog(IDD_RECORD);
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  HWND weekday = dialog.Item(IDC_WEEKDAY);
  for (const char* name : {"周日(日)", "周一(月)", "周二(火)"})
    ASSERT_TRUE(AddComboItem(weekday, name));
  EXPECT_EQ(ComboCount(weekday), 3);
  EXPECT_EQ(ComboSelection(weekday), -1);
  SetComboSelection(weekday, 2);
  EXPECT_EQ(ComboSelection(weekday), 2);
  EXPECT_EQ(ReadText(weekday), std::optional<std::string>("周二(火)"));
  SetComboSelection(weekday, 7);
  EXPECT_EQ(ComboSelection(weekday), -1) << "out of range shows no selection";

  SetChecked(dialog.Hwnd(), IDC_KEYWORD_SET, true);
  EXPECT_TRUE(IsChecked(dialog.Hwnd(), IDC_KEYWORD_SET));
  SetChecked(dialog.Hwnd(), IDC_KEYWORD_SET, false);
  EXPECT_FALSE(IsChecked(dialog.Hwnd(), IDC_KEYWORD_SET));

  EnableItem(dialog.Hwnd(), IDC_SET_NEXT_TIME, false);
  EXPECT_FALSE(IsItemEnabled(dialog.Hwnd(), IDC_SET_NEXT_TIME));

  SYSTEMTIME airTime{2005, 2, 1, 14, 9, 5, 0, 0};
  ASSERT_TRUE(SetPickerTime(dialog.Item(IDC_AIR_TIME), airTime));
  std::optional<SYSTEMTIME> read = PickerTime(dialog.Item(IDC_AIR_TIME));
  ASSERT_TRUE(read);
  EXPECT_EQ(read->wHour, 9);
  EXPECT_EQ(read->wMinute, 5);
  EXPECT_EQ(read->wYear, 2005);
  EXPECT_EQ(read->wDay, 14);
}

TEST(DialogControls, RadioGroupIndex) {
  HostDialog dialog(IDD_TYPE);
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  EXPECT_EQ(RadioIndex(dialog.Hwnd(), IDC_TYPE_ANIME, IDC_TYPE_DRAMA), -1);
  for (int index : {3, 0, 2}) {
    SetRadioIndex(dialog.Hwnd(), IDC_TYPE_ANIME, IDC_TYPE_DRAMA, index);
    EXPECT_EQ(RadioIndex(dialog.Hwnd(), IDC_TYPE_ANIME, IDC_TYPE_DRAMA), index);
  }
}

TEST(Handles, WrappersDeleteTheirObjectExactlyOnce) {
  HBRUSH raw = ::CreateSolidBrush(RGB(1, 2, 3));
  ASSERT_EQ(::GetObjectType(raw), static_cast<DWORD>(OBJ_BRUSH));
  {
    BrushHandle brush(raw);
    BrushHandle moved(std::move(brush));
    EXPECT_FALSE(brush);
    EXPECT_EQ(moved.get(), raw);
  }
  EXPECT_EQ(::GetObjectType(raw), 0u) << "deleted when the owner went away";

  HPEN pen = ::CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
  PenHandle owner(pen);
  HPEN released = owner.release();
  EXPECT_FALSE(owner);
  EXPECT_EQ(::GetObjectType(released), static_cast<DWORD>(OBJ_PEN)) << "release does not delete";
  owner.reset(released);
  owner.reset();
  EXPECT_EQ(::GetObjectType(released), 0u);

  KernelHandle mutex(::CreateMutexW(nullptr, FALSE, nullptr));
  ASSERT_TRUE(mutex);
  DWORD flags = 0;
  EXPECT_TRUE(::GetHandleInformation(mutex.get(), &flags));
}

TEST(Handles, SelectionScopeRestoresThePreviousObject) {
  HDC dc = ::CreateCompatibleDC(nullptr);
  ASSERT_NE(dc, nullptr);
  const HGDIOBJ before = ::GetCurrentObject(dc, OBJ_FONT);
  FontHandle font(
      ::CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, L"SimSun"));
  ASSERT_TRUE(font);
  {
    SelectionScope scope(dc, font.get());
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_FONT), font.get());
  }
  EXPECT_EQ(::GetCurrentObject(dc, OBJ_FONT), before);
  ::DeleteDC(dc);
}

}  // namespace
}  // namespace mirevo::win32
