// The keyword dialog: the text it proposes, "现在就搜!" with and without search
// settings, and what "确定" and "取消" hand back.
#include <gtest/gtest.h>

#include <string>

#include "app/app_title.h"
#include "app/keyword_form.h"
#include "dialogs_driver.h"
#include "fake_ui_services.h"
#include "resource.h"
#include "ui/main/keyword_dialog.h"

namespace mirevo::ui {
namespace {

using testing::Click;
using testing::DialogScript;
using testing::Shown;
using testing::Type;

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
  win32::testing::FakeUiServices fakes;
};

TEST_F(KeywordDialogTest, ShowsTheProposedTextAndGivesItBackUntrimmedOnOk) {
  KeywordForm form;
  form.text = "灼眼的夏娜";
  std::wstring shown;
  DialogScript script;
  script.On(kTitle, [&](HWND dialog) {
    shown = Shown(dialog, IDC_KEYWORD);
    Type(dialog, IDC_KEYWORD, L" 灼眼的夏娜 II ");
    Click(dialog, IDOK);
  });
  EXPECT_EQ(Run(form, script), IDOK);
  EXPECT_EQ(shown, L"灼眼的夏娜");
  EXPECT_EQ(form.result, " 灼眼的夏娜 II ");
  EXPECT_TRUE(fakes.messages.shown.empty());
}

TEST_F(KeywordDialogTest, SearchNowOpensTheAddressOwnedByTheDialogAndStaysOpen) {
  KeywordForm form;
  form.searchSettings = &settings;
  HWND keywordDialog = nullptr;
  std::wstring shownAfterSearch;
  DialogScript script;
  script
      .On(kTitle,
          [&](HWND dialog) {
            keywordDialog = dialog;
            Type(dialog, IDC_KEYWORD, L"  动画 2\t ");
            Click(dialog, IDC_SEARCH_NOW);
          })
      .On(kTitle, [&](HWND dialog) {
        shownAfterSearch = Shown(dialog, IDC_KEYWORD);
        Click(dialog, IDOK);
      });
  EXPECT_EQ(Run(form, script), IDOK);
  ASSERT_EQ(fakes.shell.opened.size(), 1u);
  EXPECT_EQ(fakes.shell.opened[0].address,
            "http://search.example/i.g?k=%E5%8A%A8%E7%94%BB+2&c=gs_all");
  EXPECT_EQ(fakes.shell.opened[0].owner, keywordDialog);
  EXPECT_EQ(shownAfterSearch, L"动画 2") << "the box shows the text as searched";
  EXPECT_EQ(form.result, "动画 2");
  EXPECT_TRUE(fakes.messages.shown.empty());
}

TEST_F(KeywordDialogTest, SearchNowWithoutSettingsOrTextOnlyComplains) {
  struct Case {
    bool withSettings;
    const wchar_t* typed;
    const wchar_t* shownAfter;
  };
  const Case cases[] = {
      {false, L"灼眼的夏娜", L"灼眼的夏娜"},
      {true, L"   ", L""},
      {true, L"", L""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::WideForTrace(c.typed));
    fakes.messages.shown.clear();
    KeywordForm form;
    form.searchSettings = c.withSettings ? &settings : nullptr;
    std::wstring shownAfter = L"?";
    DialogScript script;
    script
        .On(kTitle,
            [&](HWND dialog) {
              Type(dialog, IDC_KEYWORD, c.typed);
              Click(dialog, IDC_SEARCH_NOW);
            })
        .On(kTitle, [&](HWND dialog) {
          shownAfter = Shown(dialog, IDC_KEYWORD);
          Click(dialog, IDCANCEL);
        });
    EXPECT_EQ(Run(form, script), IDCANCEL);
    EXPECT_TRUE(fakes.shell.opened.empty());
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_EQ(fakes.messages.shown[0].text, kSearchNowFailed);
    EXPECT_EQ(fakes.messages.shown[0].caption, kSearchNowCaption);
    EXPECT_EQ(shownAfter, c.shownAfter);
  }
}

TEST_F(KeywordDialogTest, CharacterOutsideGbkIsRefusedBySearchAndOk) {
  KeywordForm form;
  form.text = "夏娜";
  form.searchSettings = &settings;
  std::wstring shownAfterSearch;
  bool focusOnKeyword = false;
  DialogScript script;
  script
      .On(kTitle,
          [](HWND dialog) {
            Type(dialog, IDC_KEYWORD, L"夏娜\u0E01");  // Thai ko kai
            Click(dialog, IDC_SEARCH_NOW);
          })
      .On(kTitle,
          [&](HWND dialog) {
            shownAfterSearch = Shown(dialog, IDC_KEYWORD);
            Click(dialog, IDOK);
          })
      .On(kTitle, [&](HWND dialog) {
        focusOnKeyword = testing::HasFocus(dialog, IDC_KEYWORD);
        Click(dialog, IDCANCEL);
      });
  EXPECT_EQ(Run(form, script), IDCANCEL);
  EXPECT_TRUE(fakes.shell.opened.empty());
  ASSERT_EQ(fakes.messages.shown.size(), 2u);
  EXPECT_NE(fakes.messages.shown[0].text.find(kKeywordLabel), std::string::npos);
  EXPECT_EQ(fakes.messages.shown[0].caption, kSearchNowCaption);
  EXPECT_NE(fakes.messages.shown[1].text.find(kKeywordLabel), std::string::npos);
  EXPECT_EQ(fakes.messages.shown[1].caption, kAppTitle);
  EXPECT_EQ(shownAfterSearch, L"夏娜\u0E01") << "the typed text is left for the user to fix";
  EXPECT_TRUE(focusOnKeyword);
}

TEST_F(KeywordDialogTest, CancelAfterSearchLeavesTheFormAsItWas) {
  KeywordForm form;
  form.text = "  夏娜  ";
  form.result = "old";
  form.searchSettings = &settings;
  DialogScript script;
  script.On(kTitle, [](HWND dialog) { Click(dialog, IDC_SEARCH_NOW); }).On(kTitle, [](HWND) {
    testing::PressEscape();
  });
  EXPECT_EQ(Run(form, script), IDCANCEL);
  EXPECT_EQ(fakes.shell.opened.size(), 1u);
  EXPECT_EQ(form.text, "  夏娜  ");
  EXPECT_EQ(form.result, "old");
}

}  // namespace
}  // namespace mirevo::ui
