// The type dialog: the radio group shows the form's category and gives the
// chosen one back on OK only.
#include <gtest/gtest.h>

#include <functional>

#include "dialogs_driver.h"
#include "resource.h"
#include "ui/main/type_dialog.h"
#include "ui/win32/dialog_controls.h"

namespace mirevo::ui {
namespace {

using testing::Click;
using testing::DialogScript;

constexpr char kTitle[] = "请选择此作品的类型";

TEST(TypeDialog, ShowsCategoryAndTakesTheChosenOneOnOk) {
  struct Case {
    int start;
    int shown;  // the radio index checked on open
    int chosenButton;
    int result;
  };
  const Case cases[] = {
      {0, 0, IDC_TYPE_MANGA, 1},
      {2, 2, IDC_TYPE_DRAMA, 3},
      {3, 3, IDC_TYPE_ANIME, 0},
      // An awaited work's category 5 is not a choice: the group starts at "动画".
      {5, 0, IDC_TYPE_OVA, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.start);
    TypeForm form{c.start};
    int shown = -2;
    DialogScript script;
    script
        .On(kTitle,
            [&](HWND dialog) {
              shown = win32::RadioIndex(dialog, IDC_TYPE_ANIME, IDC_TYPE_DRAMA);
              Click(dialog, c.chosenButton);
            })
        .On(kTitle, [](HWND dialog) { Click(dialog, IDOK); });
    TypeDialog dialog(form);
    EXPECT_EQ(script.Run([&] { return dialog.RunModal(nullptr); }), IDOK);
    EXPECT_EQ(shown, c.shown);
    EXPECT_EQ(form.category, c.result);
  }
}

TEST(TypeDialog, CancelButtonAndEscapeLeaveCategory) {
  const std::function<void(HWND)> cancels[] = {
      [](HWND dialog) { Click(dialog, IDCANCEL); },
      [](HWND) { testing::PressEscape(); },
  };
  for (const auto& cancel : cancels) {
    TypeForm form{5};
    DialogScript script;
    script.On(kTitle, [](HWND dialog) { Click(dialog, IDC_TYPE_DRAMA); }).On(kTitle, cancel);
    TypeDialog dialog(form);
    EXPECT_EQ(script.Run([&] { return dialog.RunModal(nullptr); }), IDCANCEL);
    EXPECT_EQ(form.category, 5);
  }
}

}  // namespace
}  // namespace mirevo::ui
