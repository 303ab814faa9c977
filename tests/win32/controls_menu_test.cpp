// The owner-drawn menus: built from the menu template with every item drawn
// by the program, measured and drawn through the window that shows them,
// found by mnemonic, and choosing from them still gives the command.
#include "controls_fakes.h"
#include "look/colours.h"
#include "look/menu_colours.h"
#include "ui/controls/qx_menu.h"
#include "ui/shell/tray_icon.h"

namespace mirevo::ui::testing {
namespace {

// A menu template as windres writes it: a header, then items of flags,
// id (not for pop-ups) and a UTF-16 text.
class TemplateBytes {
 public:
  TemplateBytes() { Word(0).Word(0); }
  TemplateBytes& Popup(WORD flags, std::wstring_view text) { return Word(0x10 | flags).Text(text); }
  TemplateBytes& Item(WORD flags, WORD id, std::wstring_view text) {
    return Word(flags).Word(id).Text(text);
  }
  std::string bytes;

 private:
  TemplateBytes& Word(WORD value) {
    bytes.append(reinterpret_cast<const char*>(&value), sizeof value);
    return *this;
  }
  TemplateBytes& Text(std::wstring_view text) {
    for (wchar_t c : text) Word(static_cast<WORD>(c));
    return Word(0);
  }
};

std::string FileMenu() {
  return TemplateBytes()
      .Popup(0x80, L"&File")
      .Item(0, 1, L"&Open")
      .Item(MF_GRAYED, 2, L"&Save")
      .Item(0, 0, L"")
      .Item(0x80, 3, L"E&xit")
      .bytes;
}

struct MenuItem {
  UINT type;
  UINT state;
  UINT id;
  ULONG_PTR data;
};

std::vector<MenuItem> ItemsOf(HMENU menu) {
  std::vector<MenuItem> items;
  for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA;
    ::GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
    items.push_back({info.fType, info.fState, info.wID, info.dwItemData});
  }
  return items;
}

TEST(QxMenuTest, BuildsTheTemplateOwnerDrawnAndFindsMnemonics) {
  QxMenu menu;
  ASSERT_TRUE(menu.LoadTemplate(FileMenu()));
  QxMenu* file = menu.SubMenu(0);
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(::GetSubMenu(menu.Handle(), 0), file->Handle());
  const std::vector<MenuItem> items = ItemsOf(file->Handle());
  ASSERT_EQ(items.size(), 4u);
  const UINT ids[] = {1, 2, 0, 3};
  for (std::size_t i = 0; i < items.size(); ++i) {
    EXPECT_NE(items[i].type & MFT_OWNERDRAW, 0u) << i;
    EXPECT_NE(items[i].data, 0u) << i;
    EXPECT_EQ(items[i].id, ids[i]) << i;
    EXPECT_EQ((items[i].type & MFT_SEPARATOR) != 0, i == 2) << i;
    EXPECT_EQ((items[i].state & MFS_GRAYED) != 0, i == 1) << i;
  }
  EXPECT_EQ(file->SubMenu(0), nullptr);

  // typed character -> answer
  const std::pair<wchar_t, LRESULT> keys[] = {{L'x', MAKELRESULT(3, MNC_EXECUTE)},
                                              {L'O', MAKELRESULT(0, MNC_EXECUTE)},
                                              {L's', MAKELRESULT(1, MNC_EXECUTE)},
                                              {L'q', MAKELRESULT(0, MNC_IGNORE)}};
  for (const auto& [typed, answer] : keys) {
    EXPECT_EQ(win32::OwnerDrawnMenu::Reflect(WM_MENUCHAR, MAKEWPARAM(typed, MF_POPUP),
                                             reinterpret_cast<LPARAM>(file->Handle())),
              answer)
        << static_cast<char>(typed);
  }
}

TEST(QxMenuTest, RefusesBrokenTemplates) {
  const std::string good = FileMenu();
  const std::string broken[] = {
      "",
      good.substr(0, 3),
      good.substr(0, good.size() - 3),
      std::string("\x01\x00\x00\x00", 4) + good.substr(4),  // a MENUEX version
      std::string("\x00\x00\x40\x00", 4) + good.substr(4),  // header past the end
  };
  for (const std::string& bytes : broken) {
    QxMenu menu;
    EXPECT_FALSE(menu.LoadTemplate(bytes)) << bytes.size();
    EXPECT_EQ(menu.Handle(), nullptr);
  }
  QxMenu twice;
  ASSERT_TRUE(twice.LoadTemplate(good));
  EXPECT_FALSE(twice.LoadTemplate(good));
}

class MenuTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    // T=13: a finished drama.
    WriteData({{0, "星之彼方", ""}, {0, "机械少女", ""}, {13, "古都物语", ""}});
    Open();
  }

  // Every item of the open menu is drawn by the program, and the window
  // that shows it answers its measuring and drawing.
  void CheckOwnerDrawn(HWND menuWindow) {
    auto menu = reinterpret_cast<HMENU>(::SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
    ASSERT_NE(menu, nullptr);
    const std::vector<MenuItem> items = ItemsOf(menu);
    ASSERT_FALSE(items.empty());
    for (const MenuItem& item : items) {
      EXPECT_NE(item.type & MFT_OWNERDRAW, 0u) << item.id;
      MEASUREITEMSTRUCT measure{ODT_MENU, 0, item.id, 0, 0, item.data};
      EXPECT_EQ(::SendMessageW(Main(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure)),
                TRUE);
      EXPECT_GT(measure.itemHeight, 0u) << item.id;
      if ((item.type & MFT_SEPARATOR) == 0) {
        EXPECT_GT(measure.itemWidth, 40u) << item.id;
        EXPECT_EQ(DrawnSelected(menu, item, measure), SelectedFill()) << item.id;
      }
    }
  }

  // Draws an item selected into a bitmap; the colour at its left edge.
  COLORREF DrawnSelected(HMENU menu, const MenuItem& item, const MEASUREITEMSTRUCT& size) {
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 200, 40);
    ::ReleaseDC(nullptr, screen);
    HGDIOBJ previous = ::SelectObject(memory, bitmap);
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_MENU;
    draw.itemID = item.id;
    draw.itemAction = ODA_DRAWENTIRE;
    draw.itemState = ODS_SELECTED;
    draw.hwndItem = reinterpret_cast<HWND>(menu);
    draw.hDC = memory;
    draw.rcItem = {0, 0, static_cast<LONG>(size.itemWidth), static_cast<LONG>(size.itemHeight)};
    draw.itemData = item.data;
    EXPECT_EQ(::SendMessageW(Main(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw)), TRUE);
    const COLORREF colour = ::GetPixel(memory, 1, static_cast<int>(size.itemHeight) / 2);
    ::SelectObject(memory, previous);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    return colour;
  }

  static COLORREF SelectedFill() {
    SystemColours system;
    system.highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    system.menu = ::GetSysColor(COLOR_MENU);
    if (QxMenu::SystemLook() == MenuLook::kClassic) return system.highlight;
    return XpMenuColoursFor(system, true).selectedFill;
  }

  UINT FinishState(HWND menuWindow) {
    auto menu = reinterpret_cast<HMENU>(::SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
    return ::GetMenuState(menu, ID_MENU_FINISH, MF_BYCOMMAND);
  }

  int CurrentTab() const {
    return static_cast<int>(::SendMessageW(::GetDlgItem(Main(), IDC_TABS), TCM_GETCURSEL, 0, 0));
  }
};

TEST_F(MenuTest, ContextMenuIsOwnerDrawnAndItsCommandArrives) {
  SelectRow(1);
  ModalScript script;
  script.OnMenu([&](HWND menu) {
    CheckOwnerDrawn(menu);
    EXPECT_EQ(FinishState(menu) & MF_CHECKED, 0u);
    // 更新, 编辑, 完结: the third item that can be chosen.
    for (int i = 0; i < 3; ++i) PostKey(menu, VK_DOWN);
    PostKey(menu, VK_RETURN);
  });
  script.Run([&] { Notify(NM_RCLICK, 1); });
  // "完结" moved the work to the finished tab and showed it.
  EXPECT_EQ(CurrentTab(), 4);
  EXPECT_EQ(RowCount(), 2);
}

TEST_F(MenuTest, FinishIsCheckedOnTheFinishedTab) {
  ::SendMessageW(::GetDlgItem(Main(), IDC_TABS), TCM_SETCURFOCUS, 4, 0);
  ASSERT_EQ(CurrentTab(), 4);
  SelectRow(0);
  UINT state = 0;
  ModalScript script;
  script.OnMenu([&](HWND menu) {
    state = FinishState(menu);
    ::EndMenu();
  });
  script.Run([&] { Notify(NM_RCLICK, 0); });
  EXPECT_NE(state & MF_CHECKED, 0u);
  EXPECT_NE(state & MF_OWNERDRAW, 0u);
}

TEST_F(MenuTest, TrayMenuIsOwnerDrawnAndItsCommandArrives) {
  const std::size_t before = fakes_.notifyIcon.calls.size();
  ModalScript script;
  script.OnMenu([&](HWND menu) {
    CheckOwnerDrawn(menu);
    // 打开主窗口, 显示更新提示.
    for (int i = 0; i < 2; ++i) PostKey(menu, VK_DOWN);
    PostKey(menu, VK_RETURN);
  });
  script.Run(
      [&] { ::SendMessageW(Main(), TrayIcon::kCallbackMessage, IDR_TRAY_MENU, WM_RBUTTONUP); });
  // "显示更新提示": the due summary as a balloon.
  ASSERT_GT(fakes_.notifyIcon.calls.size(), before);
  EXPECT_EQ(fakes_.notifyIcon.calls.back().message, static_cast<DWORD>(NIM_MODIFY));
  EXPECT_NE(fakes_.notifyIcon.calls.back().flags & NIF_INFO, 0u);
}

}  // namespace
}  // namespace mirevo::ui::testing
