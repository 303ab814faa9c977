// The keyword dialog and the type dialog: what they show, "现在就搜!" with and
// without search settings, and what "确定", "取消" and Escape hand back.
#include <gtest/gtest.h>

#include <string>

#include "app/app_title.h"
#include "app/keyword_form.h"
#include "fake_ui_services.h"
#include "modal_driver.h"
#include "resource.h"
#include "ui/main/keyword_dialog.h"
#include "ui/main/type_dialog.h"
#include "ui/win32/dialog_controls.h"

namespace mirevo::ui {
namespace {

using namespace win32::testing;

constexpr char kTitle[] = "设定关键词";

class KeywordDialogTest : public ::testing::Test {
 protected:
  KeywordDialogTest() {
    settings.searchEncode = 3;  // UTF-8
    settings.searchPrefix = "http://search.example/i.g?k=";
    settings.searchPostfix = "&c=gs_all";
  }

  INT_PTR Run(KeywordForm& form, DialogScript& script) {
    KeywordDialog dialog(form, fakes.services);
    return script.Run([&] { return dialog.RunModal(nullptr); });
  }

  AppSettings settings;
  FakeUiServices fakes;
};

// OK gives the text back untrimmed; "现在就搜!" searches the trimmed text,
// shows it so, and keeps the dialog open; Escape after it changes nothing.
TEST_F(KeywordDialogTest, OkAndSearchNowHandBackTheText) {
  struct Case {
    const wchar_t* typed;  // nullptr: the proposed text stays
    bool search;
    bool escape;
    const wchar_t* shownAfter;
    const char* address;
    const char* result;
  };
  const Case cases[] = {
      {L" 灼眼的夏娜 II ", false, false, L" 灼眼的夏娜 II ", "", " 灼眼的夏娜 II "},
      {L"  动画 2\t ", true, false, L"动画 2", "%E5%8A%A8%E7%94%BB+2", "动画 2"},
      {nullptr, true, true, L"夏娜", "%E5%A4%8F%E5%A8%9C", "old"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.result);
    fakes.shell.opened.clear();
    KeywordForm form;
    form.text = "  夏娜  ";
    form.result = "old";
    form.searchSettings = &settings;
    HWND keywordDialog = nullptr;
    DialogScript script;
    script
        .On(kTitle,
            [&](HWND dialog) {
              keywordDialog = dialog;
              EXPECT_EQ(Shown(dialog, IDC_KEYWORD), L"  夏娜  ");
              if (c.typed) Type(dialog, IDC_KEYWORD, c.typed);
              if (c.search) Click(dialog, IDC_SEARCH_NOW);
            })
        .On(kTitle, [&](HWND dialog) {
          EXPECT_EQ(Shown(dialog, IDC_KEYWORD), c.shownAfter);
          c.escape ? PressEscape() : Click(dialog, IDOK);
        });
    EXPECT_EQ(Run(form, script), c.escape ? IDCANCEL : IDOK);
    EXPECT_EQ(form.result, c.result);
    if (c.escape) {
      EXPECT_EQ(form.text, "  夏娜  ");
    }
    EXPECT_TRUE(fakes.messages.shown.empty());
    ASSERT_EQ(fakes.shell.opened.size(), c.search ? 1u : 0u);
    if (!c.search) continue;
    EXPECT_EQ(fakes.shell.opened[0].address,
              settings.searchPrefix + c.address + settings.searchPostfix);
    EXPECT_EQ(fakes.shell.opened[0].owner, keywordDialog);
  }
}

TEST_F(KeywordDialogTest, SearchNowWithoutSettingsOrTextOnlyComplains) {
  struct Case {
    bool withSettings;
    const wchar_t* typed;
    const wchar_t* shownAfter;
  };
  const Case cases[] = {
      {false, L"灼眼的夏娜", L"灼眼的夏娜"}, {true, L"   ", L""}, {true, L"", L""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.withSettings);
    fakes.messages.shown.clear();
    KeywordForm form;
    form.searchSettings = c.withSettings ? &settings : nullptr;
    DialogScript script;
    script
        .On(kTitle,
            [&](HWND dialog) {
              Type(dialog, IDC_KEYWORD, c.typed);
              Click(dialog, IDC_SEARCH_NOW);
            })
        .On(kTitle, [&](HWND dialog) {
          EXPECT_EQ(Shown(dialog, IDC_KEYWORD), c.shownAfter);
          Click(dialog, IDCANCEL);
        });
    EXPECT_EQ(Run(form, script), IDCANCEL);
    EXPECT_TRUE(fakes.shell.opened.empty());
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_EQ(fakes.messages.shown[0].text, kSearchNowFailed);
    EXPECT_EQ(fakes.messages.shown[0].caption, kSearchNowCaption);
  }
}

TEST_F(KeywordDialogTest, CharacterOutsideGbkIsRefusedBySearchAndOk) {
  KeywordForm form;
  form.text = "夏娜";
  form.searchSettings = &settings;
  DialogScript script;
  script
      .On(kTitle,
          [](HWND dialog) {
            Type(dialog, IDC_KEYWORD, L"夏娜\u0E01");  // Thai ko kai
            Click(dialog, IDC_SEARCH_NOW);
          })
      .On(kTitle,
          [&](HWND dialog) {
            EXPECT_EQ(Shown(dialog, IDC_KEYWORD), L"夏娜\u0E01") << "left for the user to fix";
            Click(dialog, IDOK);
          })
      .On(kTitle, [&](HWND dialog) {
        EXPECT_TRUE(HasFocus(dialog, IDC_KEYWORD));
        Click(dialog, IDCANCEL);
      });
  EXPECT_EQ(Run(form, script), IDCANCEL);
  EXPECT_TRUE(fakes.shell.opened.empty());
  ASSERT_EQ(fakes.messages.shown.size(), 2u);
  EXPECT_NE(fakes.messages.shown[0].text.find(kKeywordLabel), std::string::npos);
  EXPECT_EQ(fakes.messages.shown[0].caption, kSearchNowCaption);
  EXPECT_NE(fakes.messages.shown[1].text.find(kKeywordLabel), std::string::npos);
  EXPECT_EQ(fakes.messages.shown[1].caption, kAppTitle);
}

// The radio group shows the form's category and gives the chosen one back
// on OK only.
TEST(TypeDialog, ShowsTheCategoryAndTakesTheChosenOneOnOk) {
  struct Case {
    int start;
    int shown;  // the radio index checked on open
    int chosenButton;
    int closeWith;  // IDOK, IDCANCEL, or 0 for Escape
    int result;
  };
  const Case cases[] = {{0, 0, IDC_TYPE_MANGA, IDOK, 1},
                        {2, 2, IDC_TYPE_DRAMA, IDOK, 3},
                        {3, 3, IDC_TYPE_ANIME, IDOK, 0},
                        // An awaited work's category 5 is not a choice: the group starts at "动画".
                        {5, 0, IDC_TYPE_OVA, IDOK, 2},
                        {5, 0, IDC_TYPE_DRAMA, IDCANCEL, 5},
                        {5, 0, IDC_TYPE_DRAMA, 0, 5}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.start);
    TypeForm form{c.start};
    DialogScript script;
    script
        .On("请选择此作品的类型",
            [&](HWND dialog) {
              EXPECT_EQ(win32::RadioIndex(dialog, IDC_TYPE_ANIME, IDC_TYPE_DRAMA), c.shown);
              Click(dialog, c.chosenButton);
            })
        .On("请选择此作品的类型",
            [&](HWND dialog) { c.closeWith ? Click(dialog, c.closeWith) : PressEscape(); });
    TypeDialog dialog(form);
    EXPECT_EQ(script.Run([&] { return dialog.RunModal(nullptr); }),
              c.closeWith == IDOK ? IDOK : IDCANCEL);
    EXPECT_EQ(form.category, c.result);
  }
}

}  // namespace
}  // namespace mirevo::ui
