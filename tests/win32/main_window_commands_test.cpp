// The buttons, keys, tabs, list events and context menu of the main window,
// pressed as a user would, with what the list shows afterwards.
#include "main_window_fixture.h"
#include "ui/win32/control_text.h"
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

TEST_F(MainWindowCommands, UpdateRaisesTheEpisodeOfTheSelectedWork) {
  SelectRow(1);
  Press(IDC_UPDATE);
  EXPECT_TRUE(Shown().empty());
  EXPECT_EQ(Cell(1, 2), "晨曦的旅人");
  EXPECT_EQ(Cell(1, 3), "12");
  EXPECT_EQ(Cell(1, 6), "2026-03-11 12:00");
  EXPECT_EQ(Cell(1, 9), "2026-03-18 12:00");
  EXPECT_EQ(SelectedRow(), 1);
  EXPECT_EQ(::GetFocus(), List());
}

TEST_F(MainWindowCommands, AnUpdatedDueWorkIsNoLongerColoured) {
  ASSERT_EQ(DrawRow(0).text, RGB(0, 0, 255));
  SelectRow(0);
  Press(IDC_UPDATE);
  EXPECT_EQ(Cell(0, 3), "6");
  EXPECT_EQ(DrawRow(0).text, RGB(0, 0, 0));
}

struct RefusalCase {
  int id;  // a button, or IDOK for the Enter key
  const char* caption;
};

class WithoutSelection : public MainWindowCommands,
                         public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(WithoutSelection, ACommandAsksForASelectionUnderItsOwnCaption) {
  if (GetParam().id == IDOK) {
    Key(IDOK);
  } else {
    Press(GetParam().id);
  }
  ASSERT_EQ(Shown().size(), 1u);
  EXPECT_EQ(Shown()[0].text, "请先选中一项");
  EXPECT_EQ(Shown()[0].caption, GetParam().caption);
  EXPECT_EQ(Shown()[0].buttons, win32::MessageButtons::kOk);
  EXPECT_EQ(Shown()[0].owner, Hwnd());
  EXPECT_EQ(RowCount(), 3);
  EXPECT_TRUE(IsOpen());
}

INSTANTIATE_TEST_SUITE_P(
    MainWindowCommands, WithoutSelection,
    ::testing::Values(RefusalCase{IDC_UPDATE, "更新"}, RefusalCase{IDC_EDIT, "编辑"},
                      RefusalCase{IDC_FINISH, "完结"}, RefusalCase{IDC_DELETE, "删除"},
                      RefusalCase{IDC_SEARCH, "搜索"}, RefusalCase{IDOK, "编辑"}));

TEST_F(MainWindowCommands, DeleteAsksAndSelectsTheFollowingWork) {
  SelectRow(0);
  Press(IDC_DELETE);
  ASSERT_EQ(Shown().size(), 1u);
  EXPECT_EQ(Shown()[0].text, "你确定要删除 星之彼方 吗?");
  EXPECT_EQ(Shown()[0].caption, "删除");
  EXPECT_EQ(Shown()[0].buttons, win32::MessageButtons::kYesNo);
  EXPECT_EQ(Column(2), (std::vector<std::string>{"晨曦的旅人", "机械少女"}));
  EXPECT_EQ(SelectedRow(), 0);

  // The last row: nothing is left selected.
  SelectRow(1);
  Press(IDC_DELETE);
  EXPECT_EQ(Column(2), (std::vector<std::string>{"晨曦的旅人"}));
  EXPECT_EQ(SelectedRow(), -1);
}

TEST_F(MainWindowCommands, DeleteAnsweredNoKeepsTheWork) {
  fakes_.messages.Script({win32::MessageAnswer::kNo});
  SelectRow(2);
  Press(IDC_DELETE);
  EXPECT_EQ(RowCount(), 3);
  EXPECT_EQ(SelectedRow(), 2);
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
  SelectRow(1);
  Press(IDC_SEARCH);
  SelectRow(0);
  Press(IDC_SEARCH);
  ASSERT_EQ(fakes_.shell.opened.size(), 2u);
  EXPECT_EQ(fakes_.shell.opened[0].address, prefix + "晨曦 旅人&c=gs_all");
  EXPECT_EQ(fakes_.shell.opened[1].address, prefix + "星之彼方&c=gs_all");
  EXPECT_EQ(fakes_.shell.opened[0].owner, Hwnd());
  EXPECT_EQ(::GetFocus(), List());
}

TEST_F(MainWindowCommands, SettingsButtonDoesNothingYet) {
  Press(IDC_SETTINGS);
  EXPECT_TRUE(IsOpen());
  EXPECT_TRUE(Shown().empty());
}

TEST_F(MainWindowCommands, DoubleClickWithoutSelectionDoesNothing) {
  ModalDriver driver(Hwnd());
  NotifyFromList(NM_DBLCLK);
  EXPECT_TRUE(Shown().empty());
  EXPECT_EQ(driver.ran(), 0);
}

TEST_F(MainWindowCommands, DoubleClickEditsAndCancelChangesNothing) {
  ModalDriver driver(Hwnd());
  driver.OnDialog([](HWND dialog) {
    win32::WriteItemText(dialog, IDC_NAME, "不该保存");
    PressInDialog(dialog, IDCANCEL);
  });
  SelectRow(1);
  NotifyFromList(NM_DBLCLK, 1);
  EXPECT_TRUE(driver.Done());
  ASSERT_EQ(driver.titles.size(), 1u);
  EXPECT_EQ(driver.titles[0], Wide("编辑"));
  EXPECT_EQ(Cell(1, 2), "晨曦的旅人");
  // Nothing changed, so Escape leaves without a question.
  Key(IDCANCEL);
  EXPECT_TRUE(Shown().empty());
  EXPECT_FALSE(IsOpen());
}

TEST_F(MainWindowCommands, EnterEditsTheSelectedWorkThroughTheRecordDialog) {
  ModalDriver driver(Hwnd());
  driver.OnDialog([](HWND dialog) {
    win32::WriteItemText(dialog, IDC_NAME, "晨曦的旅人 第二季");
    PressInDialog(dialog, IDOK);
  });
  SelectRow(1);
  Key(IDOK);
  EXPECT_TRUE(driver.Done());
  EXPECT_TRUE(Shown().empty());
  EXPECT_EQ(Cell(1, 2), "晨曦的旅人 第二季");
  EXPECT_EQ(Cell(1, 3), "11");
  EXPECT_EQ(SelectedRow(), 1);
}

TEST_F(MainWindowCommands, AddPutsTheNewWorkAtTheTopSelected) {
  ModalDriver driver(Hwnd());
  driver.OnDialog([](HWND dialog) {
    win32::WriteItemText(dialog, IDC_NAME, "新番");
    win32::WriteItemText(dialog, IDC_EPISODE, "1");
    PressInDialog(dialog, IDOK);
  });
  Press(IDC_ADD);
  EXPECT_TRUE(driver.Done());
  ASSERT_EQ(driver.titles.size(), 1u);
  EXPECT_EQ(driver.titles[0], Wide("添加"));
  EXPECT_EQ(Column(2), (std::vector<std::string>{"新番", "星之彼方", "晨曦的旅人", "机械少女"}));
  EXPECT_EQ(Cell(0, 0), "6");
  EXPECT_EQ(Cell(0, 3), "1");
  EXPECT_EQ(Cell(0, 6), "2026-03-11 12:00");
  EXPECT_EQ(SelectedRow(), 0);
}

TEST_F(MainWindowCommands, FirstUpdateOfAnAwaitedWorkAsksItsKind) {
  ModalDriver driver(Hwnd());
  driver.OnDialog([](HWND dialog) {
    ::SendMessageW(::GetDlgItem(dialog, IDC_TYPE_OVA), BM_CLICK, 0, 0);
    PressInDialog(dialog, IDOK);
  });
  ClickTab(5);
  SelectRow(0);
  Press(IDC_UPDATE);
  EXPECT_TRUE(driver.Done());
  EXPECT_EQ(CurrentTab(), 2);
  EXPECT_EQ(Column(2), (std::vector<std::string>{"新作"}));
  EXPECT_EQ(Cell(0, 3), "1");
  EXPECT_EQ(Cell(0, 4), "OVA");
  EXPECT_EQ(SelectedRow(), 0);
}

// What the context menu looked like while it was open.
struct MenuSeen {
  bool shown = false;
  bool update = false, edit = false, finish = false, add = false, remove = false;
  bool finishChecked = false;
};

void ReadMenu(HWND menuWindow, MenuSeen& seen) {
  HMENU menu = reinterpret_cast<HMENU>(::SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
  seen.shown = menu != nullptr;
  seen.update = win32::IsCommandEnabled(menu, ID_MENU_UPDATE);
  seen.edit = win32::IsCommandEnabled(menu, ID_MENU_EDIT);
  seen.finish = win32::IsCommandEnabled(menu, ID_MENU_FINISH);
  seen.add = win32::IsCommandEnabled(menu, ID_MENU_ADD);
  seen.remove = win32::IsCommandEnabled(menu, ID_MENU_DELETE);
  seen.finishChecked = win32::IsCommandChecked(menu, ID_MENU_FINISH);
}

TEST_F(MainWindowCommands, RightClickOnTheFinishedTabGreysUpdateAndAddAndChecksFinish) {
  ClickTab(4);
  SelectRow(0);
  MenuSeen seen;
  ModalDriver driver(Hwnd());
  driver.OnMenu([&seen](HWND menu) {
    ReadMenu(menu, seen);
    ::EndMenu();
  });
  NotifyFromList(NM_RCLICK, 0);
  EXPECT_TRUE(driver.Done());
  ASSERT_TRUE(seen.shown);
  EXPECT_FALSE(seen.update);
  EXPECT_TRUE(seen.edit);
  EXPECT_TRUE(seen.finish);
  EXPECT_FALSE(seen.add);
  EXPECT_TRUE(seen.remove);
  EXPECT_TRUE(seen.finishChecked);
  // Nothing chosen, nothing done.
  EXPECT_EQ(RowCount(), 1);
  EXPECT_TRUE(Shown().empty());
}

TEST_F(MainWindowCommands, RightClickWithoutSelectionLeavesOnlyAdd) {
  MenuSeen seen;
  ModalDriver driver(Hwnd());
  driver.OnMenu([&seen](HWND menu) {
    ReadMenu(menu, seen);
    ::EndMenu();
  });
  NotifyFromList(NM_RCLICK);
  ASSERT_TRUE(seen.shown);
  EXPECT_FALSE(seen.update || seen.edit || seen.finish || seen.remove || seen.finishChecked);
  EXPECT_TRUE(seen.add);
}

TEST_F(MainWindowCommands, AnItemChosenInTheContextMenuRunsItsCommand) {
  ModalDriver driver(Hwnd());
  // From the keyboard: Up from nothing highlighted reaches the last item,
  // "删除".
  driver.OnMenu([](HWND menu) {
    ::PostMessageW(menu, WM_KEYDOWN, VK_UP, 0);
    ::PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
  });
  SelectRow(0);
  NotifyFromList(NM_RCLICK, 0);
  EXPECT_TRUE(driver.Done());
  ASSERT_EQ(Shown().size(), 1u);
  EXPECT_EQ(Shown()[0].text, "你确定要删除 星之彼方 吗?");
  EXPECT_EQ(RowCount(), 2);
}

}  // namespace
}  // namespace mirevo::ui::testing
