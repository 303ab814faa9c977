// Flat buttons: every push button of every dialog is one, its click still
// reaches the dialog, it keeps the default-button handling, a double click
// is a click, and the reminder page's colour buttons show their colours.
#include "controls_fakes.h"
#include "look/colours.h"
#include "ui/controls/about_dialog.h"
#include "ui/controls/dialog_buttons.h"
#include "ui/controls/flat_button.h"
#include "ui/main/keyword_dialog.h"
#include "ui/main/record_dialog.h"
#include "ui/main/time_dialog.h"
#include "ui/main/type_dialog.h"

namespace mirevo::ui::testing {
namespace {

FlatButton* FlatOf(HWND button) {
  return dynamic_cast<FlatButton*>(win32::Control::FromHandle(button));
}

// Every push button of the window's own is a rounded flat button with the
// opening look (colour buttons show their colour instead); returns how many
// there are.
int CheckFlatButtons(HWND parent, bool colourButtons = false) {
  const std::vector<HWND> buttons = PushButtons(parent);
  const Colour face = ::GetSysColor(COLOR_BTNFACE);
  for (HWND button : buttons) {
    const int id = ::GetDlgCtrlID(button);
    EXPECT_EQ(::GetWindowLongPtrW(button, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW) << id;
    FlatButton* flat = FlatOf(button);
    if (flat == nullptr) {
      ADD_FAILURE() << "button " << id << " has no flat look";
      continue;
    }
    EXPECT_TRUE(flat->Rounded()) << id;
    if (!colourButtons) {
      EXPECT_EQ(flat->Colours().At(kHoverBackgroundSlot), *OffsetColour(face, 30)) << id;
    }
  }
  return static_cast<int>(buttons.size());
}

// The colour a button paints at its left edge, drawn in the given state.
COLORREF DrawnAtLeft(HWND parent, HWND button, UINT state) {
  RECT rect{};
  ::GetClientRect(button, &rect);
  HDC screen = ::GetDC(nullptr);
  HDC memory = ::CreateCompatibleDC(screen);
  HBITMAP bitmap = ::CreateCompatibleBitmap(screen, rect.right, rect.bottom);
  ::ReleaseDC(nullptr, screen);
  HGDIOBJ previous = ::SelectObject(memory, bitmap);
  DRAWITEMSTRUCT draw{};
  draw.CtlType = ODT_BUTTON;
  draw.CtlID = static_cast<UINT>(::GetDlgCtrlID(button));
  draw.itemAction = ODA_DRAWENTIRE;
  draw.itemState = state;
  draw.hwndItem = button;
  draw.hDC = memory;
  draw.rcItem = rect;
  ::SendMessageW(parent, WM_DRAWITEM, draw.CtlID, reinterpret_cast<LPARAM>(&draw));
  const COLORREF colour = ::GetPixel(memory, 4, rect.bottom / 2);
  ::SelectObject(memory, previous);
  ::DeleteObject(bitmap);
  ::DeleteDC(memory);
  return colour;
}

TEST(FlatButtonDialogsTest, EveryModalDialogsButtonsAreFlatAndTheirClicksArrive) {
  FakeServices fakes;
  FixedClock clock(kNow);
  RecordForm record;
  record.addMode = false;
  TypeForm type;
  TimeForm time;
  time.editedText = "2026-03-12 20:00";
  time.updateTimeText = "2026-03-05 20:00";
  time.Open(clock);
  KeywordForm keyword;
  struct Case {
    const char* title;
    int buttons;
    int click;
    std::function<INT_PTR()> run;
  };
  const Case cases[] = {
      {"Mirevo", 6, IDCANCEL,
       [&] { return RecordDialog(record, clock, fakes.services).RunModal(nullptr); }},
      {"请选择此作品的类型", 2, IDCANCEL, [&] { return TypeDialog(type).RunModal(nullptr); }},
      {"时间设置", 3, IDCANCEL, [&] { return TimeDialog(time, fakes.services).RunModal(nullptr); }},
      {"设定关键词", 3, IDCANCEL,
       [&] { return KeywordDialog(keyword, fakes.services).RunModal(nullptr); }},
      {"关于……", 1, IDOK, [&] { return AboutDialog(fakes.shell).RunModal(nullptr); }},
  };
  for (const Case& c : cases) {
    int count = -1;
    INT_PTR result = 0;
    ModalScript script;
    script.OnDialog(c.title, [&](HWND dialog) {
      count = CheckFlatButtons(dialog);
      ::SendMessageW(::GetDlgItem(dialog, c.click), BM_CLICK, 0, 0);
    });
    script.Run([&] { result = c.run(); });
    EXPECT_EQ(count, c.buttons) << c.title;
    EXPECT_EQ(result, c.click) << c.title;
  }
}

class FlatButtonProgramTest : public ProgramTest {};

TEST_F(FlatButtonProgramTest, MainWindowAndSettingsButtonsAreFlatAndClicksArrive) {
  WriteData({{0, "星之彼方", ""}});
  Open();
  EXPECT_EQ(CheckFlatButtons(Main()), 8);
  ::SendMessageW(::GetDlgItem(Main(), IDC_SETTINGS), BM_CLICK, 0, 0);
  SettingsDialog* settings = program_->Settings().Dialog();
  ASSERT_NE(settings, nullptr);
  EXPECT_EQ(CheckFlatButtons(settings->Hwnd()), 3);
  HWND colourButton = FindDescendant(settings->Hwnd(), IDC_WEEKDAY_COLOUR);
  ASSERT_NE(colourButton, nullptr);
  EXPECT_EQ(CheckFlatButtons(::GetParent(colourButton), true), 3);
  ::SendMessageW(::GetDlgItem(settings->Hwnd(), IDCANCEL), BM_CLICK, 0, 0);
  Pump();
  EXPECT_EQ(program_->Settings().Dialog(), nullptr);
}

TEST_F(FlatButtonProgramTest, ReminderColourButtonsShowTheirColours) {
  WriteData({});
  Open();
  ::SendMessageW(Main(), WM_COMMAND, MAKEWPARAM(IDC_SETTINGS, BN_CLICKED), 0);
  SettingsDialog* settings = program_->Settings().Dialog();
  ASSERT_NE(settings, nullptr);
  // By rule: the button and the default colour.
  const std::pair<int, Colour> buttons[] = {{IDC_NEXT_TIME_COLOUR, MakeColour(0, 0, 255)},
                                            {IDC_WEEKDAY_COLOUR, MakeColour(0, 255, 0)},
                                            {IDC_EARLIEST_COLOUR, MakeColour(255, 0, 0)}};
  HWND page = nullptr;
  for (const auto& [id, colour] : buttons) {
    HWND button = FindDescendant(settings->Hwnd(), id);
    ASSERT_NE(button, nullptr) << id;
    page = ::GetParent(button);
    FlatButton* flat = FlatOf(button);
    ASSERT_NE(flat, nullptr) << id;
    EXPECT_EQ(flat->Colours().At(kNormalTextSlot), colour) << id;
    EXPECT_EQ(flat->Colours().At(kHoverBackgroundSlot), colour) << id;
    EXPECT_EQ(flat->Colours().At(kHoverTextSlot), Complement(colour)) << id;
    // Pressed, its face is the colour.
    EXPECT_EQ(DrawnAtLeft(page, button, ODS_SELECTED), colour) << id;
  }
  // A colour chosen for the first rule shows at once.
  const Colour chosen = MakeColour(10, 200, 30);
  fakes_.colours.answer = chosen;
  HWND first = ::GetDlgItem(page, IDC_NEXT_TIME_COLOUR);
  ::SendMessageW(first, BM_CLICK, 0, 0);
  EXPECT_EQ(FlatOf(first)->Colours().At(kNormalTextSlot), chosen);
  EXPECT_EQ(DrawnAtLeft(page, first, ODS_SELECTED), chosen);
}

// The keyword dialog's template with the flat buttons and nothing else,
// recording the commands that reach it.
class ButtonHost final : public win32::Dialog {
 public:
  ButtonHost() : Dialog(IDD_KEYWORD) {}
  int Clicks(int id) const {
    int count = 0;
    for (const auto& [commandId, code] : commands_) count += commandId == id && code == BN_CLICKED;
    return count;
  }
  DialogButtons buttons;

 protected:
  bool OnInitDialog() override {
    buttons.Attach(Hwnd());
    return true;
  }
  bool OnCommand(int id, int code, HWND) override {
    commands_.emplace_back(id, code);
    return true;
  }

 private:
  std::vector<std::pair<int, int>> commands_;
};

TEST(FlatButtonTest, DoubleClickIsAClickAndTheDefaultButtonIsKept) {
  ButtonHost host;
  ASSERT_TRUE(host.CreateModeless(nullptr));
  HWND search = ::GetDlgItem(host.Hwnd(), IDC_SEARCH_NOW);
  const LPARAM inside = MAKELPARAM(5, 5);
  for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
    ::SendMessageW(search, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, inside);
  EXPECT_EQ(host.Clicks(IDC_SEARCH_NOW), 2);

  HWND ok = ::GetDlgItem(host.Hwnd(), IDOK);
  HWND cancel = ::GetDlgItem(host.Hwnd(), IDCANCEL);
  const auto code = [](HWND button) { return ::SendMessageW(button, WM_GETDLGCODE, 0, 0); };
  EXPECT_NE(code(ok) & DLGC_DEFPUSHBUTTON, 0);
  EXPECT_NE(code(cancel) & DLGC_UNDEFPUSHBUTTON, 0);
  ::SendMessageW(host.Hwnd(), DM_SETDEFID, IDCANCEL, 0);
  EXPECT_TRUE(FlatOf(cancel)->IsDefault());
  EXPECT_FALSE(FlatOf(ok)->IsDefault());
  for (HWND button : {ok, cancel})
    EXPECT_EQ(::GetWindowLongPtrW(button, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
  EXPECT_EQ(::SendMessageW(host.Hwnd(), DM_GETDEFID, 0, 0), MAKELRESULT(IDCANCEL, DC_HASDEFID));
}

TEST(FlatButtonTest, DisablingMovesTheFocusToTheNextTabStop) {
  ButtonHost host;
  ASSERT_TRUE(host.CreateModeless(nullptr));
  ::SetFocus(::GetDlgItem(host.Hwnd(), IDC_KEYWORD));
  ::EnableWindow(::GetDlgItem(host.Hwnd(), IDC_SEARCH_NOW), FALSE);
  EXPECT_EQ(::GetFocus(), ::GetDlgItem(host.Hwnd(), IDOK));
}

}  // namespace
}  // namespace mirevo::ui::testing
