// Flat buttons: every push button of every dialog is one and its click
// still reaches the dialog; the default button, double clicks, disabling;
// the reminder page's colour buttons show their colours.
#include "controls_fakes.h"
#include "ui/controls/about_dialog.h"
#include "ui/controls/dialog_buttons.h"
#include "ui/main/keyword_dialog.h"
#include "ui/main/record_dialog.h"
#include "ui/main/time_dialog.h"
#include "ui/main/type_dialog.h"

namespace mirevo::ui::testing {
namespace {

FlatButton* FlatOf(HWND button) {
  return dynamic_cast<FlatButton*>(win32::Control::FromHandle(button));
}

// The window's own buttons are all rounded flat buttons (with the opening
// look, unless they show a colour); returns how many there are.
int CheckFlatButtons(HWND parent, bool colourButtons = false) {
  int count = 0;
  for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    wchar_t name[16] = {};
    ::GetClassNameW(child, name, 16);
    const auto type = ::GetWindowLongPtrW(child, GWL_STYLE) & BS_TYPEMASK;
    if (_wcsicmp(name, L"Button") != 0 || (type != BS_OWNERDRAW && type > BS_DEFPUSHBUTTON))
      continue;
    ++count;
    FlatButton* flat = FlatOf(child);
    EXPECT_EQ(type, BS_OWNERDRAW) << ::GetDlgCtrlID(child);
    EXPECT_TRUE(flat && flat->Rounded()) << ::GetDlgCtrlID(child);
    if (flat && !colourButtons) {
      EXPECT_EQ(flat->Colours().At(kHoverBackgroundSlot),
                *OffsetColour(::GetSysColor(COLOR_BTNFACE), 30));
    }
  }
  return count;
}

// The colour a button paints near its left edge when drawn pressed.
COLORREF PressedFace(HWND button) {
  RECT rect{};
  ::GetClientRect(button, &rect);
  Canvas canvas(rect.right, rect.bottom);
  DRAWITEMSTRUCT draw{ODT_BUTTON,
                      static_cast<UINT>(::GetDlgCtrlID(button)),
                      0,
                      ODA_DRAWENTIRE,
                      ODS_SELECTED,
                      button,
                      canvas.dc(),
                      rect,
                      0};
  ::SendMessageW(::GetParent(button), WM_DRAWITEM, draw.CtlID, reinterpret_cast<LPARAM>(&draw));
  return canvas.At(4, rect.bottom / 2);
}

TEST(FlatButtonTest, EveryModalDialogsButtonsAreFlatAndTheirClicksArrive) {
  FakeServices fakes;
  FixedClock clock(kNow);
  RecordForm record;
  TypeForm type;
  TimeForm time;
  time.editedText = "2026-03-12 20:00";
  time.updateTimeText = "2026-03-05 20:00";
  time.Open(clock);
  KeywordForm keyword;
  // title, buttons, the button clicked (its id is the result)
  const std::tuple<const char*, int, int, std::function<INT_PTR()>> cases[] = {
      {"Mirevo", 6, IDCANCEL,
       [&] { return RecordDialog(record, clock, fakes.services).RunModal(nullptr); }},
      {"请选择此作品的类型", 2, IDCANCEL, [&] { return TypeDialog(type).RunModal(nullptr); }},
      {"时间设置", 3, IDCANCEL, [&] { return TimeDialog(time, fakes.services).RunModal(nullptr); }},
      {"设定关键词", 3, IDCANCEL,
       [&] { return KeywordDialog(keyword, fakes.services).RunModal(nullptr); }},
      {"关于……", 1, IDOK, [&] { return AboutDialog(fakes).RunModal(nullptr); }}};
  for (const auto& [title, buttons, click, run] : cases) {
    INT_PTR result = 0;
    WhenShown(
        title,
        [&](HWND dialog) {
          EXPECT_EQ(CheckFlatButtons(dialog), buttons) << title;
          ::SendMessageW(::GetDlgItem(dialog, click), BM_CLICK, 0, 0);
        },
        [&] { result = run(); });
    EXPECT_EQ(result, click) << title;
  }
}

class FlatButtonProgramTest : public ProgramTest {};

TEST_F(FlatButtonProgramTest, MainWindowSettingsAndTheColourButtons) {
  Open({});
  EXPECT_EQ(CheckFlatButtons(Main()), 8);
  ::SendMessageW(::GetDlgItem(Main(), IDC_SETTINGS), BM_CLICK, 0, 0);
  ASSERT_NE(program_->Settings().Dialog(), nullptr);  // the click arrived
  HWND settings = program_->Settings().Dialog()->Hwnd();
  EXPECT_EQ(CheckFlatButtons(settings), 3);
  HWND page = ::GetParent(FindDescendant(settings, IDC_NEXT_TIME_COLOUR));
  EXPECT_EQ(CheckFlatButtons(page, true), 3);
  // By rule: the button and its default colour, as its text and, pressed
  // or under the mouse, as its face with the complement as text.
  for (const auto& [id, colour] : {std::pair{IDC_NEXT_TIME_COLOUR, RGB(0, 0, 255)},
                                   {IDC_WEEKDAY_COLOUR, RGB(0, 255, 0)},
                                   {IDC_EARLIEST_COLOUR, RGB(255, 0, 0)}}) {
    const FlatButtonColours& colours = FlatOf(::GetDlgItem(page, id))->Colours();
    EXPECT_EQ(colours.At(kNormalTextSlot), colour) << id;
    EXPECT_EQ(colours.At(kHoverTextSlot), Complement(colour)) << id;
    EXPECT_EQ(PressedFace(::GetDlgItem(page, id)), colour) << id;
  }
  // A colour chosen shows at once.
  fakes_.chosenColour = RGB(10, 200, 30);
  HWND first = ::GetDlgItem(page, IDC_NEXT_TIME_COLOUR);
  ::SendMessageW(first, BM_CLICK, 0, 0);
  EXPECT_EQ(FlatOf(first)->Colours().At(kNormalTextSlot), RGB(10, 200, 30));
  EXPECT_EQ(PressedFace(first), RGB(10, 200, 30));
  ::SendMessageW(::GetDlgItem(settings, IDCANCEL), BM_CLICK, 0, 0);
  Pump();
  EXPECT_EQ(program_->Settings().Dialog(), nullptr);
}

// The keyword dialog's template with flat buttons, counting the clicks.
class ButtonHost final : public win32::Dialog {
 public:
  ButtonHost() : Dialog(IDD_KEYWORD) {}
  std::map<int, int> clicks;

 protected:
  bool OnInitDialog() override {
    buttons_.Attach(Hwnd());
    return true;
  }
  bool OnCommand(int id, int code, HWND) override {
    clicks[id] += code == BN_CLICKED;
    return true;
  }

 private:
  DialogButtons buttons_;
};

TEST(FlatButtonTest, DoubleClickDefaultButtonAndDisabling) {
  ButtonHost host;
  ASSERT_TRUE(host.CreateModeless(nullptr));
  HWND search = ::GetDlgItem(host.Hwnd(), IDC_SEARCH_NOW);
  for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
    ::SendMessageW(search, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(host.clicks[IDC_SEARCH_NOW], 2);

  // The dialog manager still finds and moves the default button.
  HWND ok = ::GetDlgItem(host.Hwnd(), IDOK);
  HWND cancel = ::GetDlgItem(host.Hwnd(), IDCANCEL);
  EXPECT_NE(::SendMessageW(ok, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON, 0);
  EXPECT_NE(::SendMessageW(cancel, WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON, 0);
  ::SendMessageW(host.Hwnd(), DM_SETDEFID, IDCANCEL, 0);
  EXPECT_TRUE(FlatOf(cancel)->IsDefault());
  EXPECT_FALSE(FlatOf(ok)->IsDefault());
  EXPECT_EQ(::GetWindowLongPtrW(cancel, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);

  // Disabled, a button hands the keyboard to the next tab stop.
  ::SetFocus(::GetDlgItem(host.Hwnd(), IDC_KEYWORD));
  ::EnableWindow(search, FALSE);
  EXPECT_EQ(::GetFocus(), ok);
}

}  // namespace
}  // namespace mirevo::ui::testing
