// The real message box and shell services at their edges, the small control
// helpers, and the handle wrappers.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "dialog_host.h"
#include "modal_driver.h"
#include "resource.h"
#include "ui/win32/control_text.h"
#include "ui/win32/dialog_controls.h"
#include "ui/win32/gdi.h"
#include "ui/win32/message_box.h"
#include "ui/win32/shell_open.h"
#include "ui/win32/unique_handle.h"
#include "ui/win32/wide_text.h"

namespace mirevo::win32 {
namespace {

using namespace testing;

// The real box is answered from inside its own modal loop, like any dialog.
TEST(Win32MessageBoxTest, ShowsGbkTextsUnderItsCaptionAndReturnsTheAnswer) {
  struct Case {
    const char* text;
    const char* caption;
    const char* shownCaption;  // an empty caption is the program's name
    MessageButtons buttons;
    int pressed;
    MessageAnswer answer;
  };
  const Case cases[] = {{"你确定要删除 凉宫春日 吗?", "删除", "删除", MessageButtons::kYesNo, IDNO,
                         MessageAnswer::kNo},
                        {"要在退出前保存一下吗?", "", "test_win32_framework",
                         MessageButtons::kYesNoCancel, IDCANCEL, MessageAnswer::kCancel}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    std::vector<std::wstring> texts;
    DialogScript script;
    script.On(c.shownCaption, [&](HWND box) {
      for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        texts.push_back(ReadWideText(child));
      PostCommand(box, c.pressed);
    });
    Win32MessageBox messages;
    EXPECT_EQ(script.Run([&] {
      return messages.Show(nullptr, c.text, c.caption, c.buttons, MessageIcon::kQuestion);
    }),
              c.answer);
    EXPECT_NE(std::find(texts.begin(), texts.end(), WideFromGbk(c.text)), texts.end());
  }
}

TEST(Win32ShellOpenTest, RefusesAddressesThatAreNotGbkOrEmpty) {
  Win32ShellOpen shell;
  EXPECT_FALSE(shell.Open(nullptr, "http://example.invalid/?k=\x81"));
  EXPECT_FALSE(shell.Open(nullptr, ""));
}

// The edges the dialogs do not reach (they exercise the rest).
TEST(DialogControls, OutOfRangeComboAndEmptyRadioGroupShowNoSelection) {
  HostDialog dialog(IDD_TYPE);
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  EXPECT_EQ(RadioIndex(dialog.Hwnd(), IDC_TYPE_ANIME, IDC_TYPE_DRAMA), -1);
  HostDialog record(IDD_RECORD);
  ASSERT_TRUE(record.CreateModeless(nullptr));
  HWND weekday = record.Item(IDC_WEEKDAY);
  for (const char* name : {"周日(日)", "周一(月)"}) ASSERT_TRUE(AddComboItem(weekday, name));
  SetComboSelection(weekday, 1);
  EXPECT_EQ(ReadText(weekday), std::optional<std::string>("周一(月)"));
  SetComboSelection(weekday, 7);
  EXPECT_EQ(ComboSelection(weekday), -1);
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
