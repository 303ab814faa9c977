// The main list and the commands on its works: the rows it shows, their
// colours as the clock goes, the column-header sort, the context menu, the
// search, and the record commands "添加", "更新", "编辑", "完结" and "删除" on
// the selected work, down to the bytes that "保存并退出" writes.
#include <gtest/gtest.h>

#include "app/context_menu.h"
#include "app/due_reminders.h"
#include "app_fakes.h"

namespace mirevo::testing {
namespace {

TEST_F(AppTest, RowTextsFollowTheColumns) {
  Start(
      "T=0;N=12;w=-1;t=;n=无日;v=3;s=0;d=2006-01-30 "
      "10:00;m=m\r\n||第3集\r\r;p=pic.jpg;D=Unknown;k=kw;"
      "W=周一(月)10:00 600;c=0;"
      "T=0;N=13;w=0;t=08:15;n=有日;v=0;s=3;d=2006-01-30 10:00;m=;p=;D=;k=;W=;c=0;");
  ASSERT_EQ(list.Rows().size(), 2u);
  // The notes on one line: each line break shows as one blank.
  EXPECT_EQ(list.TextsOfRow(0),
            (RowTexts{"12", " ", "无日", "3", "动画", "", "2006-01-30 10:00", "m ||第3集  ",
                      "pic.jpg", "Unknown", "kw", "周一(月)10:00"}));
  EXPECT_EQ(list.TextsOfRow(1), (RowTexts{"13", "周日(日)08:15", "有日", "0", "动画", "☆☆☆",
                                          "2006-01-30 10:00", "", "", "2006-02-06 10:00", "", ""}))
      << "the next time is filled in when shown";
  EXPECT_FALSE(store.dataChanged) << "filling in is not a change";
  list.OnTabSelected(kAnime);  // a refill writes into the rows' old strings
  EXPECT_EQ(Text(0, kColumnNotes), "m ||第3集  ");
}

// The timer waits for the next due moment; then the rows are coloured
// again without a fill: the selection stays, only the rows that changed are
// redrawn (an empty next time is filled in as a fill would), and nothing
// counts as a change of the data. The summary comes by itself, once, to a
// window in the tray with "AllowTrayBTip" on. A plan left to the first tick
// is made from the start: a work that fell due in between comes with it.
TEST_F(AppTest, ADueMomentRecoloursTheChangedRowsAndBringsTheSummaryOnce) {
  Start("T=0;N=1;n=a;d=2006-01-30 20:00;D=2006-01-31 20:45;T=0;N=2;n=b;d=2006-01-30 20:00;D=;",
        kAnime, 1);
  DueReminders reminders(list, store, settings, clock), firstTick(list, store, settings, clock);
  EXPECT_EQ(reminders.Plan(), 15u * 60 * 1000);
  firstTick.PlanAtFirstTick();
  list.RecolourRows();
  EXPECT_EQ(view.changedRows, std::vector<int>{}) << "nothing changed yet";
  list.RecordOfRow(1).nextTime.clear();
  clock.Advance(15 * 60 - 1);
  EXPECT_FALSE(reminders.OnTimer(false, true));
  EXPECT_EQ(view.changedRows, std::vector<int>{}) << "not yet";
  clock.Advance(1);
  settings.trayBalloons = 0;
  EXPECT_FALSE(reminders.OnTimer(false, true));
  EXPECT_EQ(std::tuple(list.Rows()[0].colour, list.Rows()[1].colour, view.changedRows,
                       view.selected, store.dataChanged, Text(1, kColumnNextTime)),
            std::tuple(0xFF0000, kNoColour, std::vector<int>{0, 1}, 1, false, "2006-02-06 20:00"));
  settings.trayBalloons = 1;
  EXPECT_FALSE(reminders.OnTimer(false, false)) << "the window is shown";
  EXPECT_TRUE(reminders.OnTimer(false, true));
  EXPECT_TRUE(firstTick.OnTimer(false, true));
  list.DueSummaryText();
  EXPECT_FALSE(reminders.OnTimer(true, true)) << "listed already";
}

// Values of a hand-edited file outside the tables show as none; Saturday,
// the table's last weekday, shows.
TEST(RowTexts, OddValuesShowAsNone) {
  SeriesRecord saturday, odd;
  std::tie(saturday.weekday, saturday.airTime, odd.weekday) = std::tuple(6, "21:00", 7);
  EXPECT_EQ(std::tuple(AirTimeColumnText(saturday), AirTimeColumnText(odd), CategoryText(-1),
                       CategoryText(5), RatingText(-1), RatingText(4)),
            std::tuple("周六(土)21:00", " ", "不明", "不明", "", ""));
  EXPECT_EQ(std::tuple(ListIndexOfCategoryText("OVA"), ListIndexOfCategoryText("不明"),
                       ListIndexOfCategoryText("完结")),
            std::tuple(kOva, kAwaitedList, -1));
}

// Ascending on a new column, then descending, then ascending...: one state
// for all tabs. (That the order is a change the file keeps is the recovery
// snapshot's test, the order of each column the record list's.)
TEST_F(AppTest, SameColumnAscendingThenDescendingOtherColumnAscending) {
  Start("T=0;N=1;n=a;w=3;T=0;N=2;n=c;w=-1;T=0;N=3;n=b;w=3;T=1;N=4;n=y;T=1;N=5;n=z;");
  const auto names = [&] {
    std::string names;
    for (int row = 0; row < static_cast<int>(list.Rows().size()); ++row)
      names += Text(row, kColumnName);
    return names;
  };
  list.OnColumnHeaderClick(kColumnName);
  EXPECT_EQ(names(), "abc");
  list.OnTabSelected(kManga);
  list.OnColumnHeaderClick(kColumnName);
  EXPECT_EQ(std::tuple(names(), list.SortDescending()), std::tuple("zy", true));
  list.OnTabSelected(kAnime);
  EXPECT_EQ(names(), "abc");
  list.OnColumnHeaderClick(kColumnAirTime);
  EXPECT_EQ(std::tuple(names(), list.SortDescending()), std::tuple("cab", false))
      << "no weekday first, then Wednesday in the previous order";
}

TEST(ContextMenu, GreyedAndCheckedItemsPerTab) {
  // Update, edit, finish, add, delete enabled; finish checked.
  const std::tuple<int, bool, ContextMenuState> cases[] = {
      {kAnime, true, {true, true, true, true, true, false}},
      {kDrama, false, {false, false, false, true, false, false}},
      {kFinishedList, true, {false, true, true, false, true, true}},
      {kFinishedList, false, {false, false, false, false, false, false}},
      {kAwaitedList, true, {true, true, false, true, true, false}},
  };
  for (const auto& [tab, selected, state] : cases)
    EXPECT_EQ(ContextMenuStateFor(tab, selected), state) << tab << " " << selected;
}

TEST_F(AppTest, ContextMenuRunsTheChosenCommand) {
  Start("T=0;N=1;n=x;v=1;", kAnime, 0);
  view.menuChoices = {MenuCommand::kUpdate, MenuCommand::kFinish, MenuCommand::kAdd,
                      MenuCommand::kNone};
  commands.OnContextMenu();
  EXPECT_EQ(Text(0, kColumnEpisode), "2");
  commands.OnContextMenu();
  EXPECT_EQ(list.CurrentTab(), kFinishedList);
  // On the finished tab "添加" is greyed: choosing it anyway does nothing.
  commands.OnContextMenu();
  EXPECT_TRUE(view.openedForms.empty() && view.messages.empty());
  commands.OnContextMenu();
  EXPECT_EQ(list.Rows().size(), 1u);
}

// The keyword before the name, both trimmed; a keyword of blanks wins and
// opens nothing.
TEST_F(AppTest, SearchOpensTheAddressOfTheSelectedWork) {
  WriteBytes("mv.ini", "SearchEncode=3;SearchPrefix=http://s/?k=;SearchPostfix=&all;");
  Start("T=0;N=1;n=名;k= 动画 2;T=0;N=2;n=name;k=   ;T=0;N=3;n=\tab \r\n;k=;");
  for (int row : {0, 1, 2}) {
    view.selected = row;
    commands.Search();
  }
  EXPECT_EQ(view.focused, 3) << "the list is focused again each time";
  EXPECT_EQ(view.addresses, (std::vector<std::string>{"http://s/?k=%E5%8A%A8%E7%94%BB+2&all",
                                                      "http://s/?k=ab&all"}));
}

// One anime work, id 5, airing Monday 23:30, updated Monday 21:00; the flags follow.
const std::string kMondayWork =
    "T=0;N=5;w=1;t=23:30;n=作品;v=4;s=1;d=2006-01-30 21:00;m=;p=;D=2006-02-06 21:00;k=;W=;c=";

// The work gets the next id and a next time a week after its update. A
// counter at the largest id cannot be raised: a new work takes the smallest
// id no work has, never one in use, across restarts too.
TEST_F(AppTest, AddOnAKindTabGivesANextTimeAWeekLaterAndAFreeIdAtTheLargestOne) {
  Start("T=0;N=2147483647;n=max;T=0;N=1;n=one;");
  view.recordDialogs.push_back(FakeView::Confirmed([](RecordForm& form) {
    std::tie(form.name, form.episodeText, form.weekday, form.airHour, form.airMinute, form.rating,
             form.notes) = std::tuple("灼眼的夏娜", "1", 5, 1, 5, 2, "第一季");
  }));
  commands.Add();
  EXPECT_EQ(std::tie(view.openedForms.at(0).title, view.openedForms[0].updateTime, view.selected),
            std::tuple("添加", "2006-01-31 20:30", 0));
  EXPECT_TRUE(
      Saved().starts_with("T=0;N=2;w=5;t=01:05;n=灼眼的夏娜;v=1;s=2;d=2006-01-31 20:30;"
                          "m=第一季;p=;D=2006-02-07 20:30;k=;W=;c=0;T=0;N=2147483647;"))
      << DataFile();
  Start();
  AddWork("new", 1);
  EXPECT_EQ(Text(0, kColumnId), "3");
}

// Episode 0 parks the work on "期待" with the category of the tab it was
// added on (added on "期待" itself it has none yet) and no next time. A
// started work on "期待" brings the dialog back with the values entered so
// far and the current minute as update time, until episode 0 or cancel.
TEST_F(AppTest, AddWithEpisodeZeroGoesToAwaitedWhereAStartedWorkBringsTheDialogBack) {
  Start({}, kManga);
  AddWork("漫", 0);
  EXPECT_EQ(std::tuple(list.CurrentTab(), view.tabSwitches.back(), view.selected),
            std::tuple(kAwaitedList, kAwaitedList, 0));
  const auto started = FakeView::Confirmed([](RecordForm& form) {
    std::tie(form.name, form.episodeText, form.updateTime) =
        std::tuple("待", "3", "2005-01-01 00:00");
  });
  view.recordDialogs = {started, FakeView::Cancelled, started,
                        FakeView::Confirmed([](RecordForm& form) { form.episodeText = "0"; })};
  commands.Add();
  EXPECT_EQ(std::tuple(list.Rows().size(), store.changes, view.focused), std::tuple(1u, 1u, 2));
  commands.Add();
  const RecordForm& again = view.openedForms.back();
  EXPECT_EQ(std::tie(again.name, again.episodeText, again.updateTime),
            std::tuple("待", "3", "2006-01-31 20:30"));
  const Shown episodeZero{
      "由于集数是0，所以此项会添加到“期待”目录下\n你可以点更新使“期待”下的项的集数＋1\n"
      "它将自动转到它该到的地方去",
      "添加"};
  const Shown startedWork{"不要向期待目录下添加已经开始播出的作品\n\n请将集数改为0", "添加"};
  EXPECT_EQ(view.messages, (ShownList{episodeZero, startedWork, startedWork, episodeZero}));
  EXPECT_EQ(Saved(),
            "T=25;N=2;w=-1;t=00:00;n=待;v=0;s=-1;d=2006-01-31 20:30;m=;p=;D=;k=;W=;c=0;"
            "T=21;N=1;w=-1;t=00:00;n=漫;v=0;s=-1;d=2006-01-31 20:30;m=;p=;D=;k=;W=;c=0;");
}

// An awaited work with a category moves to its tab without asking (no type
// dialog is scripted for it: asking would fail the test). Without one, or
// with one that names no list, the type dialog chooses the list instead of
// indexing past the lists; cancelled, nothing changes. An OVA comes out
// irregularly: it keeps no earliest update.
TEST_F(AppTest, UpdateMovesAnAwaitedWorkToTheTabOfItsCategoryOrOfTheTypeDialog) {
  Start("T=25;N=1;n=a;v=0;T=20;N=3;n=新番;v=0;d=2006-01-30 20:30;");
  SeriesRecord& odd = store.lists[kAwaitedList].InsertNewRecord();
  std::tie(odd.id, odd.episode, odd.category, odd.updateTime) =
      std::tuple(2, 0, 9, "2006-01-31 20:00");
  view.typeDialogs = {std::nullopt, kOva, kManga};
  // The row updated (the odd work, "a", "新番") -> the tab shown after.
  for (const auto& [row, tab] :
       {std::pair{2, int{kAnime}}, {0, kAwaitedList}, {0, kOva}, {0, kManga}}) {
    list.OnTabSelected(kAwaitedList);
    view.selected = row;
    const int focused = view.focused;
    commands.Update();
    EXPECT_EQ(std::tuple(list.CurrentTab(), view.selected), std::tuple(tab, 0));
    if (tab == kAwaitedList) {
      EXPECT_EQ(view.focused, focused + 1) << "the list has the keyboard";
    } else {
      EXPECT_EQ(view.tabSwitches.back(), tab);
    }
    if (tab == kOva) {
      EXPECT_EQ(std::tuple(Text(0, kColumnEarliestUpdate), Text(0, kColumnEpisode)),
                std::tuple("", "1"));
    }
  }
  EXPECT_EQ(Text(0, kColumnCategory), "漫画");
}

// A drama updated on Monday, marked due by both sticky rules: 2006-01-30
// 21:00 to Friday 2006-02-03 20:30 is its quickest gap yet.
TEST_F(AppTest, UpdateOnAKindTabAppendsTheLogAndKeepsTheQuickestGap) {
  Start(
      "T=3;N=7;w=2;t=21:00;n=日剧A;v=4;s=0;d=2006-01-30 21:00;m=notes;p=;D=2006-02-06 21:00;k=;"
      "W=周一(月)21:00 400000;c=110;",
      kDrama, 0);
  clock.Advance(3 * kOneDay);
  commands.Update();
  EXPECT_EQ(std::tuple(view.selected, list.Rows()[0].colour, Text(0, kColumnEpisode),
                       view.changedRows, store.dataChanged),
            std::tuple(0, kNoColour, "5", std::vector<int>{0}, true))
      << "the selection stays and the row is redrawn; updated today, not coloured";
  EXPECT_EQ(Saved(),
            "T=3;N=7;w=2;t=21:00;n=日剧A;v=5;s=0;d=2006-02-03 20:30;"
            "m=notes\r\n||第5集 于 2006-02-03 20:30 更新;p=;D=2006-02-10 20:30;k=;"
            "W=周五(金)20:30 343800;c=0;");
}

// The double click edits the selected work; a cancelled record dialog
// changes nothing. The dialog opens with the stored values and the update
// time stays. A manual next time replaces the sticky reminders; clearing
// ("Unknown") or emptying it (filled again on a kind tab) drops the manual
// flag; an unchanged next time leaves the flags alone.
TEST_F(AppTest, EditKeepsTheUpdateTimeAndANewNextTimeSetsTheManualFlag) {
  const std::tuple<const char*, void (*)(RecordForm&), const char*, const char*> cases[] = {
      {"110", [](RecordForm& f) { f.nextTime = "2006-02-10 12:00"; }, "2006-02-10 12:00", "c=1;"},
      {"1", [](RecordForm& f) { f.nextTime = "Unknown"; }, "Unknown", "c=0;"},
      {"1", [](RecordForm& f) { f.nextTime.clear(); }, "2006-02-06 21:00", "c=0;"},
      {"110", [](RecordForm& f) { f.notes = "x"; }, "2006-02-06 21:00", "c=110;"},
  };
  for (const auto& [flags, change, shown, flagsAfter] : cases) {
    Start(kMondayWork + flags + ";", kAnime, 0);
    view.recordDialogs = {FakeView::Cancelled, FakeView::Cancelled, FakeView::Confirmed(change)};
    commands.Add();
    commands.OnListDoubleClick();
    EXPECT_EQ(std::tuple(list.Rows().size(), store.dataChanged), std::tuple(1u, false));
    commands.OnListDoubleClick();
    const RecordForm& opened = view.openedForms.back();
    EXPECT_EQ(std::tie(opened.title, opened.addMode, opened.airHour, opened.airMinute,
                       opened.weekday, opened.rating, opened.episodeText),
              std::tuple("编辑", false, 23, 30, 1, 1, "4"));
    EXPECT_EQ(std::tuple(Text(0, kColumnNextTime), Text(0, kColumnUpdateTime), view.selected),
              std::tuple(shown, "2006-01-30 21:00", 0));
    EXPECT_TRUE(Saved().ends_with(flagsAfter)) << DataFile();
  }
}

TEST_F(AppTest, EditOnAwaitedKeepsEpisodeZeroAndSavesTheRest) {
  Start("T=25;N=1;n=未定;v=0;d=2006-01-31 20:30;", kAwaitedList, 0);
  EditWork([](RecordForm& form) {
    std::tie(form.episodeText, form.notes) = std::tuple("2", "十月开播");
  });
  EXPECT_EQ(view.messages,
            (ShownList{{"现在是在“期待”目录下,所以对集数的修改不能生效\n你可以试着点一下更新按钮",
                        "编辑"}}));
  EXPECT_EQ(Text(0, kColumnEpisode), "0");
  EXPECT_NE(Saved().find(";v=0;s=0;d=2006-01-31 20:30;m=十月开播;"), std::string::npos)
      << DataFile();
}

// Finished works have no next time, on screen and in the file, even when
// edited; back on their tab it is filled again from the update.
TEST_F(AppTest, FinishMovesToFinishedAndBackByTheTypeText) {
  Start(kMondayWork + "110;", kAnime, 0);
  commands.Finish();
  EXPECT_EQ(std::tuple(list.CurrentTab(), view.tabSwitches.back(), view.selected,
                       Text(0, kColumnNextTime), store.dataChanged),
            std::tuple(kFinishedList, kFinishedList, 0, "", true));
  EditWork([](RecordForm& form) { form.nextTime = "2006-03-01 00:00"; });
  EXPECT_EQ(Text(0, kColumnNextTime), "");
  const std::string file = Saved();
  EXPECT_TRUE(file.starts_with("T=10;N=5;") && file.ends_with(";D=;k=;W=;c=0;")) << file;
  commands.Finish();
  EXPECT_EQ(std::tuple(list.CurrentTab(), view.selected, Text(0, kColumnNextTime)),
            std::tuple(kAnime, 0, "2006-02-06 21:00"));
}

// "No" keeps the work and its selection. The deleted ids are not given again.
// A hand-edited file can hold two works with one id (here "a" and "b"): the
// command acts on the work of the row, not on the first work with its id.
TEST_F(AppTest, DeleteAsksByNameThenSelectsTheFollowingRow) {
  Start("T=0;N=2;n=a;T=0;N=2;n=b;T=0;N=3;n=c;", kAnime, 1);
  view.answers = {Answer::kNo, Answer::kYes, Answer::kYes};
  commands.Delete();
  EXPECT_EQ(std::tuple(list.Rows().size(), view.selected, store.dataChanged),
            std::tuple(3u, 1, false));
  commands.Delete();
  EXPECT_EQ(view.questions, ShownList(2, {"你确定要删除 b 吗?", "删除"}));
  EXPECT_EQ(std::tuple(view.selected, Text(1, kColumnName), store.dataChanged),
            std::tuple(1, "c", true));
  commands.Delete();  // the last row: nothing follows
  EXPECT_EQ(std::tuple(list.Rows().size(), view.selected), std::tuple(1u, -1));
  AddWork("d", 1);
  EXPECT_EQ(Saved(),
            "T=0;N=4;w=-1;t=00:00;n=d;v=1;s=-1;d=2006-01-31 20:30;m=;p=;D=2006-02-07 20:30;k=;W=;"
            "c=0;T=0;N=2;w=0;t=;n=a;v=1;s=0;d=;m=;p=;D=;k=;W=;c=0;")
      << "deleted ids are not given again";
}

// Without a selection each command asks for one (a double click on nothing
// does nothing). Nothing is added or updated on the finished tab, nothing
// finished on the awaited one, and the largest episode there is cannot be
// raised: one more would wrap to a negative count.
TEST_F(AppTest, RefusedCommandsChangeNothing) {
  Start("T=0;N=1;n=long;v=2147483647;m=;T=25;N=2;n=x;v=0;");
  commands.OnListDoubleClick();
  for (auto command : {&RecordCommands::Update, &RecordCommands::Edit, &RecordCommands::Finish,
                       &RecordCommands::Delete, &RecordCommands::Search})
    (commands.*command)();
  view.selected = 0;
  commands.Update();
  list.OnTabSelected(kAwaitedList);
  view.selected = 0;
  commands.Finish();
  list.OnTabSelected(kFinishedList);
  commands.Add();
  commands.Update();
  constexpr char kSelect[] = "请先选中一项";
  EXPECT_EQ(view.messages, (ShownList{{kSelect, "更新"},
                                      {kSelect, "编辑"},
                                      {kSelect, "完结"},
                                      {kSelect, "删除"},
                                      {kSelect, "搜索"},
                                      {kEpisodeAtLimit, "更新"},
                                      {"集数是0就已经完结了?直接删除吧", "完结"},
                                      {"不能直接向完结目录中添加,要设置完结请按完结按钮", "添加"},
                                      {"在完结页面里是不能更新的!", "更新"}}));
  const SeriesRecord& work = store.lists[kAnime].Head();
  EXPECT_EQ(std::tie(work.episode, work.notes, store.dataChanged),
            std::tuple(2147483647, "", false));
  EXPECT_EQ(store.lists[kAwaitedList].size(), 1u);
}

}  // namespace
}  // namespace mirevo::testing
