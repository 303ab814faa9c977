// The owner-drawn menus: the template built with every item drawn by the
// program, mnemonics, the window measuring and drawing the items of the
// context and tray menus, and the chosen command still arriving.
#include "controls_fakes.h"
#include "look/menu_colours.h"
#include "ui/controls/qx_menu.h"
#include "ui/shell/tray_icon.h"

namespace mirevo::ui::testing {
namespace {

// A MENU template as windres writes it: a header, then per item its flags,
// its id (not for pop-ups) and its UTF-16 text.
std::string FileMenu() {
  std::wstring units{0, 0, 0x90};
  units += L"&File";
  units += std::wstring{0, 0, 1} + L"&Open" + std::wstring{0, MF_GRAYED, 2} + L"&Save" +
           std::wstring{0, 0, 0, 0, 0x80, 3} + L"E&xit" + std::wstring(1, 0);
  return std::string(reinterpret_cast<const char*>(units.data()), units.size() * 2);
}

std::vector<MENUITEMINFOW> ItemsOf(HMENU menu) {
  std::vector<MENUITEMINFOW> items(static_cast<std::size_t>(::GetMenuItemCount(menu)));
  for (std::size_t i = 0; i < items.size(); ++i) {
    items[i].cbSize = sizeof items[i];
    items[i].fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA;
    ::GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &items[i]);
  }
  return items;
}

TEST(QxMenuTest, BuildsTheTemplateOwnerDrawnFindsMnemonicsAndRefusesBrokenOnes) {
  QxMenu menu;
  ASSERT_TRUE(menu.LoadTemplate(FileMenu()));
  QxMenu* file = menu.SubMenu(0);
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(::GetSubMenu(menu.Handle(), 0), file->Handle());
  const std::vector<MENUITEMINFOW> items = ItemsOf(file->Handle());
  ASSERT_EQ(items.size(), 4u);
  const UINT ids[] = {1, 2, 0, 3};
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(items[i].fType & (MFT_OWNERDRAW | MFT_SEPARATOR),
              MFT_OWNERDRAW | (i == 2 ? MFT_SEPARATOR : 0u))
        << i;
    EXPECT_NE(items[i].dwItemData, 0u) << i;
    EXPECT_EQ(items[i].wID, ids[i]) << i;
    EXPECT_EQ((items[i].fState & MFS_GRAYED) != 0, i == 1) << i;
  }
  for (const auto& [typed, answer] : {std::pair{L'x', MAKELRESULT(3, MNC_EXECUTE)},
                                      {L'O', MAKELRESULT(0, MNC_EXECUTE)},
                                      {L's', MAKELRESULT(1, MNC_EXECUTE)},
                                      {L'q', MAKELRESULT(0, MNC_IGNORE)}}) {
    EXPECT_EQ(win32::OwnerDrawnMenu::Reflect(WM_MENUCHAR, MAKEWPARAM(typed, MF_POPUP),
                                             reinterpret_cast<LPARAM>(file->Handle())),
              answer)
        << static_cast<char>(typed);
  }
  const std::string good = FileMenu();
  for (const std::string& broken :
       {std::string(), good.substr(0, 3), good.substr(0, good.size() - 3),
        std::string("\x01\x00\x00\x00", 4) + good.substr(4),     // MENUEX
        std::string("\x00\x00\x40\x00", 4) + good.substr(4)}) {  // header past the end
    QxMenu refused;
    EXPECT_FALSE(refused.LoadTemplate(broken)) << broken.size();
    EXPECT_EQ(refused.Handle(), nullptr);
  }
}

class MenuTest : public ProgramTest {
 protected:
  // T=13: a finished drama.
  void SetUp() override {
    ProgramTest::SetUp();
    Open({{0, "星之彼方", ""}, {0, "机械少女", ""}, {13, "古都物语", ""}});
  }

  // Every item of the open menu is the program's, measured and drawn
  // through the window; a selected item is filled with the selection.
  void CheckOwnerDrawn(HMENU menu) {
    const COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    const COLORREF selected =
        QxMenu::SystemLook() == MenuLook::kClassic ? highlight : LightenColour(highlight, 0.7);
    for (const MENUITEMINFOW& item : ItemsOf(menu)) {
      EXPECT_NE(item.fType & MFT_OWNERDRAW, 0u) << item.wID;
      MEASUREITEMSTRUCT measure{ODT_MENU, 0, item.wID, 0, 0, item.dwItemData};
      EXPECT_EQ(::SendMessageW(Main(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure)),
                TRUE);
      EXPECT_GT(measure.itemHeight, 0u) << item.wID;
      if (item.fType & MFT_SEPARATOR) continue;
      EXPECT_GT(measure.itemWidth, 40u) << item.wID;
      Canvas canvas(200, 40);
      DRAWITEMSTRUCT draw{
          ODT_MENU,
          0,
          item.wID,
          ODA_DRAWENTIRE,
          ODS_SELECTED,
          reinterpret_cast<HWND>(menu),
          canvas.dc(),
          {0, 0, static_cast<LONG>(measure.itemWidth), static_cast<LONG>(measure.itemHeight)},
          item.dwItemData};
      EXPECT_EQ(::SendMessageW(Main(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw)), TRUE);
      EXPECT_EQ(canvas.At(1, static_cast<int>(measure.itemHeight) / 2), selected) << item.wID;
    }
  }

  // Opens a menu, checks it and presses Down that often, then Enter (0:
  // Escape). Returns the state of "完结" in it.
  UINT ChooseFromMenu(const std::function<void()>& open, int downs) {
    UINT finish = 0;
    WhenShown(
        "",
        [&](HWND window) {
          auto menu = reinterpret_cast<HMENU>(::SendMessageW(window, MN_GETHMENU, 0, 0));
          CheckOwnerDrawn(menu);
          finish = ::GetMenuState(menu, ID_MENU_FINISH, MF_BYCOMMAND);
          for (int i = 0; i < downs; ++i) ::PostMessageW(window, WM_KEYDOWN, VK_DOWN, 0);
          ::PostMessageW(window, WM_KEYDOWN, downs > 0 ? VK_RETURN : VK_ESCAPE, 0);
        },
        open);
    return finish;
  }
  int CurrentTab() const {
    return static_cast<int>(::SendMessageW(::GetDlgItem(Main(), IDC_TABS), TCM_GETCURSEL, 0, 0));
  }
};

TEST_F(MenuTest, ContextMenuOwnerDrawnCheckedOnTheFinishedTabAndItsCommandArrives) {
  // 更新, 编辑, 完结: the third item that can be chosen.
  const UINT state = ChooseFromMenu([&] { Notify(NM_RCLICK, 1); }, 3);
  EXPECT_EQ(state & MF_CHECKED, 0u);
  EXPECT_EQ(CurrentTab(), 4);  // "完结" moved the work and shows where to
  EXPECT_EQ(RowCount(), 2);
  EXPECT_NE(ChooseFromMenu([&] { Notify(NM_RCLICK, 0); }, 0) & MF_CHECKED, 0u);
}

TEST_F(MenuTest, TrayMenuOwnerDrawnAndItsCommandArrives) {
  // 打开主窗口, 显示更新提示: the due summary as a balloon.
  ChooseFromMenu(
      [&] { ::SendMessageW(Main(), TrayIcon::kCallbackMessage, IDR_TRAY_MENU, WM_RBUTTONUP); }, 2);
  ASSERT_FALSE(fakes_.notified.empty());
  EXPECT_EQ(fakes_.notified.back().first, static_cast<DWORD>(NIM_MODIFY));
  EXPECT_NE(fakes_.notified.back().second & NIF_INFO, 0u);
}

}  // namespace
}  // namespace mirevo::ui::testing
