// The buttons, keys, tabs, list events and context menu of the main window,
// pressed as a user would, with what the list shows afterwards.
#include "main_window_fixture.h"
#include "ui/main/main_window_menu.h"
#include "ui/win32/menu.h"

namespace mirevo::ui::testing {
namespace {

class MainWindowCommands : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    WriteData(DataBytes(SampleRecords()));
    Open();
  }
};

TEST_F(MainWindowCommands, UpdateRaisesTheEpisodeAndClearsTheDueColour) {
  ASSERT_EQ(DrawRow(0).text, RGB(0, 0, 255));
  for (int row : {1, 0}) {
    SelectRow(row);
    Press(IDC_UPDATE);
  }
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(Cell(1, 2), "晨曦的旅人");
  EXPECT_EQ(Cell(1, 3), "12");
  EXPECT_EQ(Cell(1, 6), "2026-03-11 12:00");
  EXPECT_EQ(Cell(1, 9), "2026-03-18 12:00");
  EXPECT_EQ(Cell(0, 3), "6");
  EXPECT_EQ(DrawRow(0).text, RGB(0, 0, 0));
  EXPECT_EQ(SelectedRow(), 0);
  EXPECT_EQ(::GetFocus(), List());
}

struct RefusalCase {
  int id;  // a button, or IDOK for the Enter key
  const char* caption;
};

class WithoutSelection : public MainWindowCommands,
                         public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(WithoutSelection, ACommandAsksForASelectionUnderItsOwnCaption) {
  Press(GetParam().id);
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].text, "请先选中一项");
  EXPECT_EQ(Messages()[0].caption, GetParam().caption);
  EXPECT_EQ(Messages()[0].buttons, win32::MessageButtons::kOk);
  EXPECT_EQ(Messages()[0].owner, Hwnd());
  EXPECT_EQ(RowCount(), 3);
  EXPECT_TRUE(IsOpen());
}

INSTANTIATE_TEST_SUITE_P(
    MainWindowCommands, WithoutSelection,
    ::testing::Values(RefusalCase{IDC_UPDATE, "更新"}, RefusalCase{IDC_EDIT, "编辑"},
                      RefusalCase{IDC_FINISH, "完结"}, RefusalCase{IDC_DELETE, "删除"},
                      RefusalCase{IDC_SEARCH, "搜索"}, RefusalCase{IDOK, "编辑"}));

TEST_F(MainWindowCommands, SettingsAndADoubleClickWithoutSelectionDoNothing) {
  DialogScript none;
  none.Run([&] {
    Press(IDC_SETTINGS);
    NotifyFromList(NM_DBLCLK);
  });
  EXPECT_TRUE(IsOpen());
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(RowCount(), 3);
}

TEST_F(MainWindowCommands, DeleteAsksAndSelectsTheFollowingWork) {
  fakes_.messages.Script({win32::MessageAnswer::kNo});
  SelectRow(2);
  Press(IDC_DELETE);
  EXPECT_EQ(RowCount(), 3) << "answered No";
  EXPECT_EQ(SelectedRow(), 2);

  SelectRow(0);
  Press(IDC_DELETE);
  ASSERT_EQ(Messages().size(), 2u);
  EXPECT_EQ(Messages()[1].text, "你确定要删除 星之彼方 吗?");
  EXPECT_EQ(Messages()[1].caption, "删除");
  EXPECT_EQ(Messages()[1].buttons, win32::MessageButtons::kYesNo);
  EXPECT_EQ(Column(2), (std::vector<std::string>{"晨曦的旅人", "机械少女"}));
  EXPECT_EQ(SelectedRow(), 0);

  // The last row: nothing is left selected.
  SelectRow(1);
  Press(IDC_DELETE);
  EXPECT_EQ(Column(2), (std::vector<std::string>{"晨曦的旅人"}));
  EXPECT_EQ(SelectedRow(), -1);
}

TEST_F(MainWindowCommands, FinishMovesTheWorkToTheFinishedTabAndBack) {
  SelectRow(2);
  Press(IDC_FINISH);
  EXPECT_EQ(CurrentTab(), 4);
  EXPECT_EQ(Column(2), (std::vector<std::string>{"机械少女", "古都物语"}));
  EXPECT_EQ(Cell(0, 9), "");  // finished works have no next time
  EXPECT_EQ(SelectedRow(), 0);

  Press(IDC_FINISH);
  EXPECT_EQ(CurrentTab(), 0);
  EXPECT_EQ(Column(2), (std::vector<std::string>{"机械少女", "星之彼方", "晨曦的旅人"}));
  EXPECT_EQ(SelectedRow(), 0);
}

TEST_F(MainWindowCommands, ChoosingATabShowsItsListWithoutASelection) {
  SelectRow(1);
  ClickTab(5);
  EXPECT_EQ(CurrentTab(), 5);
  EXPECT_EQ(Column(2), (std::vector<std::string>{"新作"}));
  EXPECT_EQ(Cell(0, 4), "不明");
  // The selection of the old tab must not carry over to another work.
  EXPECT_EQ(SelectedRow(), -1);
  ClickTab(4);
  EXPECT_EQ(Column(2), (std::vector<std::string>{"古都物语"}));
  ClickTab(1);
  EXPECT_EQ(RowCount(), 0);
}

TEST_F(MainWindowCommands, AColumnHeaderSortsAscendingThenDescending) {
  NotifyFromList(LVN_COLUMNCLICK, -1, 3);
  EXPECT_EQ(Column(3), (std::vector<std::string>{"2", "5", "11"}));
  NotifyFromList(LVN_COLUMNCLICK, -1, 3);
  EXPECT_EQ(Column(3), (std::vector<std::string>{"11", "5", "2"}));
  NotifyFromList(LVN_COLUMNCLICK, -1, 6);
  EXPECT_EQ(Column(6),
            (std::vector<std::string>{"2026-03-01 23:45", "2026-03-06 22:10", "2026-03-08 01:20"}));
}

TEST_F(MainWindowCommands, SearchOpensTheKeywordOrTheName) {
  const std::string& prefix = window_->Controller().Settings().searchPrefix;
  for (int row : {1, 0}) {
    SelectRow(row);
    Press(IDC_SEARCH);
  }
  ASSERT_EQ(fakes_.shell.opened.size(), 2u);
  EXPECT_EQ(fakes_.shell.opened[0].address, prefix + "晨曦 旅人&c=gs_all");
  EXPECT_EQ(fakes_.shell.opened[1].address, prefix + "星之彼方&c=gs_all");
  EXPECT_EQ(fakes_.shell.opened[0].owner, Hwnd());
  EXPECT_EQ(::GetFocus(), List());
}

TEST_F(MainWindowCommands, DoubleClickEditsAndCancelLeavesNothingToSave) {
  DialogScript script;
  script.On("编辑", [](HWND dialog) {
    Type(dialog, IDC_NAME, L"不该保存");
    PostCommand(dialog, IDCANCEL);
  });
  SelectRow(1);
  script.Run([&] { NotifyFromList(NM_DBLCLK, 1); });
  EXPECT_EQ(Cell(1, 2), "晨曦的旅人");
  Press(IDCANCEL);
  EXPECT_TRUE(Messages().empty()) << "nothing changed: Escape asks nothing";
  EXPECT_FALSE(IsOpen());
}

TEST_F(MainWindowCommands, EnterEditsTheSelectedWorkThroughTheRecordDialog) {
  DialogScript script;
  script.On("编辑", [](HWND dialog) {
    Type(dialog, IDC_NAME, L"晨曦的旅人 第二季");
    PostCommand(dialog, IDOK);
  });
  SelectRow(1);
  script.Run([&] { Press(IDOK); });
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(Cell(1, 2), "晨曦的旅人 第二季");
  EXPECT_EQ(Cell(1, 3), "11");
  EXPECT_EQ(SelectedRow(), 1);
}

TEST_F(MainWindowCommands, AddPutsTheNewWorkAtTheTopSelected) {
  DialogScript script;
  script.On("添加", [](HWND dialog) {
    Type(dialog, IDC_NAME, L"新番");
    Type(dialog, IDC_EPISODE, L"1");
    PostCommand(dialog, IDOK);
  });
  script.Run([&] { Press(IDC_ADD); });
  EXPECT_EQ(Column(2), (std::vector<std::string>{"新番", "星之彼方", "晨曦的旅人", "机械少女"}));
  EXPECT_EQ(Cell(0, 0), "6");
  EXPECT_EQ(Cell(0, 3), "1");
  EXPECT_EQ(Cell(0, 6), "2026-03-11 12:00");
  EXPECT_EQ(SelectedRow(), 0);
}

TEST_F(MainWindowCommands, FirstUpdateOfAnAwaitedWorkAsksItsKind) {
  DialogScript script;
  script.On("请选择此作品的类型", [](HWND dialog) {
    Click(dialog, IDC_TYPE_OVA);
    PostCommand(dialog, IDOK);
  });
  ClickTab(5);
  SelectRow(0);
  script.Run([&] { Press(IDC_UPDATE); });
  EXPECT_EQ(CurrentTab(), 2);
  EXPECT_EQ(Column(2), (std::vector<std::string>{"新作"}));
  EXPECT_EQ(Cell(0, 3), "1");
  EXPECT_EQ(Cell(0, 4), "OVA");
  EXPECT_EQ(SelectedRow(), 0);
}

ContextMenuState StateOf(HMENU menu) {
  return {
      win32::IsCommandEnabled(menu, ID_MENU_UPDATE), win32::IsCommandEnabled(menu, ID_MENU_EDIT),
      win32::IsCommandEnabled(menu, ID_MENU_FINISH), win32::IsCommandEnabled(menu, ID_MENU_ADD),
      win32::IsCommandEnabled(menu, ID_MENU_DELETE), win32::IsCommandChecked(menu, ID_MENU_FINISH)};
}

TEST_F(MainWindowCommands, RightClickShowsTheMenuGreyedForTheTabAndSelection) {
  struct Case {
    int tab;
    int row;  // -1: nothing selected
    ContextMenuState state;
  };
  const Case cases[] = {{4, 0, {false, true, true, false, true, true}},
                        {0, -1, {false, false, false, true, false, false}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tab);
    ClickTab(c.tab);
    SelectRow(c.row);
    ContextMenuState seen{};
    bool shown = false;
    DialogScript script;
    script.OnMenu([&](HWND menuWindow) {
      HMENU menu = reinterpret_cast<HMENU>(::SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
      shown = menu != nullptr;
      seen = StateOf(menu);
      ::EndMenu();
    });
    script.Run([&] { NotifyFromList(NM_RCLICK, c.row); });
    ASSERT_TRUE(shown);
    EXPECT_EQ(seen, c.state);
    // Nothing chosen, nothing done.
    EXPECT_TRUE(Messages().empty());
  }
  EXPECT_EQ(RowCount(), 3);
}

TEST_F(MainWindowCommands, AnItemChosenInTheContextMenuRunsItsCommand) {
  DialogScript script;
  // From the keyboard: Up from nothing highlighted reaches the last item,
  // "删除".
  script.OnMenu([](HWND menu) {
    ::PostMessageW(menu, WM_KEYDOWN, VK_UP, 0);
    ::PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
  });
  SelectRow(0);
  script.Run([&] { NotifyFromList(NM_RCLICK, 0); });
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].text, "你确定要删除 星之彼方 吗?");
  EXPECT_EQ(RowCount(), 2);
}

TEST(MainWindowMenuTest, TheMenuGreysAndChecksAsTheStateSaysAndItemsStandForCommands) {
  const ContextMenuState states[] = {{},
                                     {false, false, false, true, false, false},
                                     {false, true, true, false, true, true},
                                     {true, true, false, true, true, false}};
  for (const ContextMenuState& state : states) {
    win32::MenuHandle menu = LoadListMenu(state);
    HMENU popup = ListMenuPopup(menu.get());
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(StateOf(popup), state);
    // In the order the user reads them, separators between the groups.
    ASSERT_EQ(::GetMenuItemCount(popup), 7);
    const UINT ids[] = {ID_MENU_UPDATE, 0, ID_MENU_EDIT, ID_MENU_FINISH, 0, ID_MENU_ADD,
                        ID_MENU_DELETE};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(::GetMenuItemID(popup, i), ids[i]) << i;
    EXPECT_EQ(win32::CommandText(popup, ID_MENU_FINISH), "完结");
  }
  const std::pair<UINT, MenuCommand> commands[] = {
      {ID_MENU_UPDATE, MenuCommand::kUpdate}, {ID_MENU_EDIT, MenuCommand::kEdit},
      {ID_MENU_FINISH, MenuCommand::kFinish}, {ID_MENU_ADD, MenuCommand::kAdd},
      {ID_MENU_DELETE, MenuCommand::kDelete}, {0, MenuCommand::kNone},
      {IDM_ABOUTBOX, MenuCommand::kNone},     {IDC_ADD, MenuCommand::kNone}};
  for (const auto& [id, command] : commands) EXPECT_EQ(MenuCommandOf(id), command) << id;
}

}  // namespace
}  // namespace mirevo::ui::testing
