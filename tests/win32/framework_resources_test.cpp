// The program's resources as the framework loads them: every dialog with its
// controls and texts, the strings, the icon, the placeholder picture and the
// context menu.
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
#include "ui/win32/menu.h"
#include "ui/win32/module.h"

namespace mirevo::win32 {
namespace {

using testing::HostDialog;

struct ExpectedControl {
  int id;
  const wchar_t* windowClass;
  const char* text;  // GBK; nullptr: not checked
};

struct ExpectedDialog {
  int id;
  const char* caption;
  std::vector<ExpectedControl> controls;
};

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  ::GetClassNameW(window, name, 64);
  return name;
}

TEST(Resources, EveryDialogHasItsCaptionControlsAndTexts) {
  const ExpectedDialog dialogs[] = {
      {IDD_MAIN,
       "Mirevo",
       {{IDC_ADD, L"Button", "添加"},
        {IDC_UPDATE, L"Button", "更新"},
        {IDC_FINISH, L"Button", "完结"},
        {IDC_EDIT, L"Button", "编辑"},
        {IDC_DELETE, L"Button", "删除"},
        {IDC_SEARCH, L"Button", "搜索"},
        {IDC_SETTINGS, L"Button", "设置"},
        {IDC_SAVE_EXIT, L"Button", "保存并退出"},
        {IDC_TABS, WC_TABCONTROLW, nullptr},
        {IDC_LIST, WC_LISTVIEWW, nullptr}}},
      {IDD_RECORD,
       "Mirevo",
       {{IDOK, L"Button", "确定"},
        {IDCANCEL, L"Button", "取消"},
        {IDC_WEEKDAY, L"ComboBox", nullptr},
        {IDC_NAME, L"Edit", ""},
        {IDC_EPISODE, L"Edit", ""},
        {IDC_NOTES, L"Edit", ""},
        {IDC_UPDATE_TIME, L"Static", ""},
        {IDC_AIR_TIME, DATETIMEPICK_CLASSW, nullptr},
        {IDC_NEXT_TIME, L"Static", ""},
        {IDC_RATING, L"ComboBox", nullptr},
        {IDC_PICTURE, L"Static", nullptr},
        {IDC_PICTURE_PATH, L"Edit", ""},
        {IDC_BROWSE_PICTURE, L"Button", "浏览..."},
        {IDC_CLEAR_PICTURE, L"Button", "清除"},
        {IDC_SET_UPDATE_TIME, L"Button", nullptr},
        {IDC_SET_NEXT_TIME, L"Button", nullptr},
        {IDC_KEYWORD_SET, L"Button", "设定关键词"}}},
      {IDD_TYPE,
       "请选择此作品的类型",
       {{IDC_TYPE_ANIME, L"Button", "动画"},
        {IDC_TYPE_MANGA, L"Button", "漫画"},
        {IDC_TYPE_OVA, L"Button", "OVA"},
        {IDC_TYPE_DRAMA, L"Button", "日剧"},
        {IDOK, L"Button", "确定"},
        {IDCANCEL, L"Button", "取消"}}},
      {IDD_TIME,
       "时间设置",
       {{IDC_DATE_PICKER, DATETIMEPICK_CLASSW, nullptr},
        {IDC_TIME_PICKER, DATETIMEPICK_CLASSW, nullptr},
        {IDC_TIME_LABEL, L"Static", "更新时间:"},
        {IDOK, L"Button", "确定"},
        {IDCANCEL, L"Button", "取消"},
        {IDC_CLEAR_TIME, L"Button", "清零"}}},
      {IDD_KEYWORD,
       "设定关键词",
       {{IDC_KEYWORD, L"Edit", ""},
        {IDC_SEARCH_NOW, L"Button", "现在就搜!"},
        {IDOK, L"Button", "确定"},
        {IDCANCEL, L"Button", "取消"}}},
  };
  for (const ExpectedDialog& expected : dialogs) {
    SCOPED_TRACE(expected.id);
    HostDialog dialog(expected.id);
    ASSERT_TRUE(dialog.CreateModeless(nullptr));
    EXPECT_EQ(ReadText(dialog.Hwnd()), std::optional<std::string>(expected.caption));
    for (const ExpectedControl& control : expected.controls) {
      SCOPED_TRACE(control.id);
      HWND item = dialog.Item(control.id);
      ASSERT_NE(item, nullptr);
      EXPECT_EQ(ClassOf(item), control.windowClass);
      if (control.text != nullptr) {
        EXPECT_EQ(ReadText(item), std::optional<std::string>(control.text));
      }
    }
  }
}

TEST(Resources, DefaultButtonsConfirmWithEnter) {
  for (int id : {IDD_RECORD, IDD_TYPE, IDD_TIME, IDD_KEYWORD}) {
    HostDialog dialog(id);
    ASSERT_TRUE(dialog.CreateModeless(nullptr));
    const LRESULT answer = ::SendMessageW(dialog.Hwnd(), DM_GETDEFID, 0, 0);
    EXPECT_EQ(HIWORD(answer), DC_HASDEFID) << id;
    EXPECT_EQ(LOWORD(answer), IDOK) << id;
  }
}

TEST(Resources, RecordDialogFieldsHaveTheirEditStyles) {
  HostDialog dialog(IDD_RECORD);
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  auto style = [&](int id) { return ::GetWindowLongPtrW(dialog.Item(id), GWL_STYLE); };
  EXPECT_TRUE(style(IDC_EPISODE) & ES_NUMBER);
  EXPECT_TRUE(style(IDC_EPISODE) & ES_RIGHT);
  EXPECT_TRUE(style(IDC_NOTES) & ES_MULTILINE);
  EXPECT_TRUE(style(IDC_NOTES) & ES_WANTRETURN);
  EXPECT_TRUE(style(IDC_NOTES) & WS_VSCROLL);
  EXPECT_TRUE(style(IDC_PICTURE_PATH) & ES_READONLY);
  EXPECT_EQ(style(IDC_WEEKDAY) & 3, CBS_DROPDOWNLIST);
  EXPECT_EQ(style(IDC_RATING) & 3, CBS_DROPDOWNLIST);
  EXPECT_TRUE(style(IDC_AIR_TIME) & DTS_UPDOWN);
}

TEST(Resources, StringsComeBackAsGbk) {
  EXPECT_EQ(LoadStringGbk(IDS_ABOUT_MENU), "关于 Mirevo v0.22(&A)...");
  EXPECT_EQ(LoadStringGbk(IDS_TRAY_TIP), "Mirevo v0.22");
  EXPECT_EQ(LoadStringGbk(9999), "");
}

TEST(Resources, ApplicationNameIsTheExecutablesBaseName) {
  EXPECT_EQ(ApplicationName(), "test_win32_framework");
}

TEST(Resources, IconExistsAtEachDrawnSize) {
  for (int size : {16, 32, 48}) {
    IconHandle icon = LoadIconResource(IDI_MIREVO, size);
    ASSERT_TRUE(icon) << size;
    ICONINFO info{};
    ASSERT_TRUE(::GetIconInfo(icon.get(), &info));
    BITMAP bitmap{};
    ::GetObjectW(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof(bitmap), &bitmap);
    EXPECT_EQ(bitmap.bmWidth, size);
    if (info.hbmColor != nullptr) ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
  }
  EXPECT_FALSE(LoadIconResource(4242, 16));
}

TEST(Resources, PlaceholderIsAOneBitBmpOf132By99) {
  std::optional<std::string_view> bytes = LoadResourceBytes(L"IMAGE", IDB_NO_PICTURE);
  ASSERT_TRUE(bytes);
  ASSERT_GT(bytes->size(), 54u);
  EXPECT_EQ(bytes->substr(0, 2), "BM");
  auto read32 = [&](std::size_t at) {
    std::int32_t v = 0;
    std::memcpy(&v, bytes->data() + at, 4);
    return v;
  };
  auto read16 = [&](std::size_t at) {
    std::uint16_t v = 0;
    std::memcpy(&v, bytes->data() + at, 2);
    return v;
  };
  EXPECT_EQ(read32(2), static_cast<std::int32_t>(bytes->size())) << "file size field";
  EXPECT_EQ(read32(18), 132);
  EXPECT_EQ(read32(22), 99);
  EXPECT_EQ(read16(28), 1) << "bits per pixel";
  EXPECT_EQ(LoadResourceBytes(L"IMAGE", 4242), std::nullopt);
}

TEST(Resources, ContextMenuHasTheRecordCommandsInOrder) {
  MenuHandle menu = LoadMenuResource(IDR_LIST_MENU);
  ASSERT_TRUE(menu);
  HMENU popup = SubMenu(menu.get(), 0);
  ASSERT_NE(popup, nullptr);
  const UINT expectedIds[] = {ID_MENU_UPDATE, 0, ID_MENU_EDIT, ID_MENU_FINISH, 0, ID_MENU_ADD,
                              ID_MENU_DELETE};
  const char* expectedTexts[] = {"更新", nullptr, "编辑", "完结", nullptr, "添加", "删除"};
  ASSERT_EQ(::GetMenuItemCount(popup), 7);
  for (int i = 0; i < 7; ++i) {
    SCOPED_TRACE(i);
    if (expectedIds[i] == 0) {
      EXPECT_TRUE(::GetMenuState(popup, static_cast<UINT>(i), MF_BYPOSITION) & MF_SEPARATOR);
      continue;
    }
    EXPECT_EQ(::GetMenuItemID(popup, i), expectedIds[i]);
    EXPECT_EQ(CommandText(popup, expectedIds[i]), std::optional<std::string>(expectedTexts[i]));
  }
}

TEST(Menus, GreyingCheckingAndAppendingWorkByCommand) {
  MenuHandle menu = LoadMenuResource(IDR_LIST_MENU);
  HMENU popup = SubMenu(menu.get(), 0);
  EXPECT_TRUE(IsCommandEnabled(popup, ID_MENU_UPDATE));
  EnableCommand(popup, ID_MENU_UPDATE, false);
  EXPECT_FALSE(IsCommandEnabled(popup, ID_MENU_UPDATE));
  EXPECT_TRUE(IsCommandEnabled(popup, ID_MENU_EDIT)) << "only the named item changes";
  CheckCommand(popup, ID_MENU_FINISH, true);
  EXPECT_TRUE(IsCommandChecked(popup, ID_MENU_FINISH));
  CheckCommand(popup, ID_MENU_FINISH, false);
  EXPECT_FALSE(IsCommandChecked(popup, ID_MENU_FINISH));

  EXPECT_TRUE(AppendSeparator(popup));
  EXPECT_TRUE(AppendCommand(popup, IDM_ABOUTBOX, LoadStringGbk(IDS_ABOUT_MENU)));
  EXPECT_EQ(CommandText(popup, IDM_ABOUTBOX),
            std::optional<std::string>("关于 Mirevo v0.22(&A)..."));
  EXPECT_EQ(CommandText(popup, 12345), std::nullopt);
}

}  // namespace
}  // namespace mirevo::win32
