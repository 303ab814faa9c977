// What the code relies on in the program's resources: the controls it
// reaches by id (as the class it drives them as, with the styles that
// change their behaviour), the captions dialogs are found by, the strings,
// the icon, the placeholder picture.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "dialog_host.h"
#include "resource.h"
#include "ui/win32/control_text.h"
#include "ui/win32/module.h"

namespace mirevo::win32 {
namespace {

using testing::HostDialog;

constexpr const wchar_t* kEdit = L"Edit";
constexpr const wchar_t* kCombo = L"ComboBox";
constexpr const wchar_t* kStatic = L"Static";
constexpr const wchar_t* kPicker = DATETIMEPICK_CLASSW;

struct Control {
  int id;
  const wchar_t* windowClass;
  LONG_PTR style = 0;  // bits that must be set
};

struct ExpectedDialog {
  int id;
  const char* caption;
  std::vector<int> buttons;
  std::vector<Control> others;
};

TEST(Resources, DialogsHaveTheControlsTheCodeUsesAndConfirmWithEnter) {
  const ExpectedDialog dialogs[] = {
      {IDD_MAIN,
       "Mirevo",
       {IDC_ADD, IDC_UPDATE, IDC_FINISH, IDC_EDIT, IDC_DELETE, IDC_SEARCH, IDC_SETTINGS,
        IDC_SAVE_EXIT},
       {{IDC_TABS, WC_TABCONTROLW},
        {IDC_LIST, WC_LISTVIEWW, LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL}}},
      {IDD_RECORD,
       "Mirevo",
       {IDOK, IDCANCEL, IDC_BROWSE_PICTURE, IDC_CLEAR_PICTURE, IDC_SET_UPDATE_TIME,
        IDC_SET_NEXT_TIME, IDC_KEYWORD_SET},
       {{IDC_WEEKDAY, kCombo, CBS_DROPDOWNLIST},
        {IDC_RATING, kCombo, CBS_DROPDOWNLIST},
        {IDC_NAME, kEdit},
        {IDC_EPISODE, kEdit, ES_NUMBER},
        {IDC_NOTES, kEdit, ES_MULTILINE | ES_WANTRETURN},
        {IDC_PICTURE_PATH, kEdit, ES_READONLY},
        {IDC_AIR_TIME, kPicker, DTS_UPDOWN},
        {IDC_UPDATE_TIME, kStatic},
        {IDC_NEXT_TIME, kStatic},
        {IDC_PICTURE, kStatic}}},
      {IDD_TYPE,
       "请选择此作品的类型",
       {IDC_TYPE_ANIME, IDC_TYPE_MANGA, IDC_TYPE_OVA, IDC_TYPE_DRAMA, IDOK, IDCANCEL},
       {}},
      {IDD_TIME,
       "时间设置",
       {IDOK, IDCANCEL, IDC_CLEAR_TIME},
       {{IDC_DATE_PICKER, kPicker}, {IDC_TIME_PICKER, kPicker}, {IDC_TIME_LABEL, kStatic}}},
      {IDD_KEYWORD, "设定关键词", {IDC_SEARCH_NOW, IDOK, IDCANCEL}, {{IDC_KEYWORD, kEdit}}},
  };
  for (const ExpectedDialog& expected : dialogs) {
    SCOPED_TRACE(expected.id);
    HostDialog dialog(expected.id);
    ASSERT_TRUE(dialog.CreateModeless(nullptr));
    EXPECT_EQ(ReadText(dialog.Hwnd()), std::optional<std::string>(expected.caption));
    std::vector<Control> controls = expected.others;
    for (int id : expected.buttons) controls.push_back({id, L"Button"});
    for (const Control& control : controls) {
      SCOPED_TRACE(control.id);
      HWND item = dialog.Item(control.id);
      ASSERT_NE(item, nullptr);
      wchar_t name[64] = {};
      ::GetClassNameW(item, name, 64);
      EXPECT_STREQ(name, control.windowClass);
      EXPECT_EQ(::GetWindowLongPtrW(item, GWL_STYLE) & control.style, control.style);
    }
    if (expected.id == IDD_MAIN) continue;
    const LRESULT answer = ::SendMessageW(dialog.Hwnd(), DM_GETDEFID, 0, 0);
    EXPECT_EQ(HIWORD(answer), DC_HASDEFID);
    EXPECT_EQ(LOWORD(answer), IDOK);
  }
}

TEST(Resources, StringsIconAndPlaceholderLoad) {
  EXPECT_EQ(LoadStringGbk(IDS_ABOUT_MENU), "关于 Mirevo v0.22(&A)...");
  EXPECT_EQ(LoadStringGbk(9999), "");
  EXPECT_EQ(ApplicationName(), "test_win32_framework");

  for (int size : {16, 32, 48}) {
    IconHandle icon = LoadIconResource(IDI_MIREVO, size);
    ASSERT_TRUE(icon) << size;
    ICONINFO info{};
    ASSERT_TRUE(::GetIconInfo(icon.get(), &info));
    BITMAP bitmap{};
    ::GetObjectW(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof(bitmap), &bitmap);
    EXPECT_EQ(bitmap.bmWidth, size) << "the icon drawn at the size asked";
    if (info.hbmColor != nullptr) ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
  }
  EXPECT_FALSE(LoadIconResource(4242, 16));

  std::optional<std::string_view> bytes = LoadResourceBytes(L"IMAGE", IDB_NO_PICTURE);
  ASSERT_TRUE(bytes);
  ASSERT_GT(bytes->size(), 54u);
  EXPECT_EQ(bytes->substr(0, 2), "BM");
  std::int32_t sizeField = 0;
  std::memcpy(&sizeField, bytes->data() + 2, 4);
  EXPECT_EQ(sizeField, static_cast<std::int32_t>(bytes->size())) << "the whole file, not cut";
  EXPECT_EQ(LoadResourceBytes(L"IMAGE", 4242), std::nullopt);
}

}  // namespace
}  // namespace mirevo::win32
