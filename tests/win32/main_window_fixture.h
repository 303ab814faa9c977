// The real main window in a temporary working folder, with the message
// boxes and the shell replaced by recording fakes; modal_driver.h plays the
// user at the dialogs and menus it opens.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "fake_ui_services.h"
#include "modal_driver.h"
#include "reminders_time_zone.h"
#include "resource.h"
#include "store/clock.h"
#include "support/temp_folder.h"
#include "ui/main/main_window.h"
#include "ui/win32/control_text.h"
#include "ui/win32/module.h"
#include "ui/win32/wide_text.h"

namespace mirevo::ui::testing {

// Wednesday 2026-03-11 12:00 in China (UTC+8).
inline constexpr std::time_t kNow = 1773201600;

// One record of a data file, in the order the program writes its entries.
struct DataRecord {
  int t = 0;  // list and category
  int id = 0;
  int weekday = -1;
  std::string airTime;
  std::string name;
  int episode = 0;
  int rating = 0;
  std::string updateTime;
  std::string notes;
  std::string nextTime;
  std::string keyword;
};

inline std::string DataBytes(const std::vector<DataRecord>& records) {
  std::string out;
  for (const DataRecord& r : records) {
    out += "T=" + std::to_string(r.t) + ";N=" + std::to_string(r.id) +
           ";w=" + std::to_string(r.weekday) + ";t=" + r.airTime + ";n=" + r.name +
           ";v=" + std::to_string(r.episode) + ";s=" + std::to_string(r.rating) +
           ";d=" + r.updateTime + ";m=" + r.notes + ";p=;D=" + r.nextTime + ";k=" + r.keyword +
           ";W=;c=0;";
  }
  return out;
}

// Three works on "动画" (the first one due since Monday), one finished
// drama and one awaited work whose kind is not chosen yet. Nothing in it
// changes when its tabs are shown, so saving it unchanged gives the same
// bytes back.
inline std::vector<DataRecord> SampleRecords() {
  return {
      {0, 1, 6, "23:30", "星之彼方", 5, 3, "2026-03-01 23:45", "", "2026-03-08 23:45", ""},
      {0, 2, 0, "01:05", "晨曦的旅人", 11, 2, "2026-03-08 01:20", "", "2026-03-15 01:20",
       "晨曦 旅人"},
      {0, 3, 5, "22:00", "机械少女", 2, 1, "2026-03-06 22:10", "", "2026-03-13 22:10", ""},
      {13, 4, 4, "21:00", "古都物语", 12, 3, "2025-12-01 21:54", "全12集", "", ""},
      {25, 5, -1, "", "新作", 0, 0, "2026-03-01 10:00", "", "", ""},
  };
}

using namespace win32::testing;

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static const bool initialised = win32::InitCommonControlsForApp();
    (void)initialised;
    wchar_t previous[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, previous);
    previousFolder_ = previous;
    ASSERT_TRUE(::SetCurrentDirectoryW(folder_.path().wstring().c_str()));
  }

  void TearDown() override {
    window_.reset();
    ::SetCurrentDirectoryW(previousFolder_.c_str());
  }

  void WriteData(const std::string& bytes) { mirevo::testing::WriteBytes(DataPath(), bytes); }
  void WriteSettings(const std::string& bytes) {
    mirevo::testing::WriteBytes(SettingsPath(), bytes);
  }
  std::string DataPath() const { return folder_.File("data.mvd"); }
  std::string SettingsPath() const { return folder_.File("mv.ini"); }
  std::string ReadData() const { return mirevo::testing::ReadBytes(DataPath()); }
  std::string ReadSettings() const { return mirevo::testing::ReadBytes(SettingsPath()); }
  bool SettingsWritten() const { return std::filesystem::exists(folder_.path() / "mv.ini"); }

  // Creates the window; it reads both files now. It stays hidden unless
  // its settings maximise it: wine on a display without a window manager
  // takes seconds to take the activation away from a shown window again.
  void Open() {
    window_ = std::make_unique<MainWindow>(fakes_.services, clock_);
    ASSERT_TRUE(window_->CreateModeless(nullptr));
  }

  HWND Hwnd() const { return window_->Hwnd(); }
  bool IsOpen() const { return window_->Hwnd() != nullptr; }
  HWND List() const { return ::GetDlgItem(Hwnd(), IDC_LIST); }
  HWND Tabs() const { return ::GetDlgItem(Hwnd(), IDC_TABS); }

  // A button by its id; IDOK and IDCANCEL come from the dialog manager as
  // Enter and Escape (no control sends them).
  void Press(int id) {
    HWND control = id == IDOK || id == IDCANCEL ? nullptr : ::GetDlgItem(Hwnd(), id);
    ::SendMessageW(Hwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(control));
  }

  // A tab picked by the user: the strip itself tells its parent.
  void ClickTab(int tab) { ::SendMessageW(Tabs(), TCM_SETCURFOCUS, tab, 0); }
  int CurrentTab() const { return static_cast<int>(::SendMessageW(Tabs(), TCM_GETCURSEL, 0, 0)); }

  void SelectRow(int row) {
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendMessageW(List(), LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
  }
  int SelectedRow() const {
    return static_cast<int>(::SendMessageW(List(), LVM_GETNEXTITEM, -1, LVNI_SELECTED));
  }
  int RowCount() const { return static_cast<int>(::SendMessageW(List(), LVM_GETITEMCOUNT, 0, 0)); }

  // The text the list shows in a cell, as GBK.
  std::string Cell(int row, int column) const {
    wchar_t buffer[512] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = 512;
    ::SendMessageW(List(), LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    return win32::GbkFromWide(buffer).value_or("?");
  }
  std::vector<std::string> Column(int column) const {
    std::vector<std::string> texts;
    for (int row = 0; row < RowCount(); ++row) texts.push_back(Cell(row, column));
    return texts;
  }

  // Sends the list's own notification to the window, as the list would.
  LRESULT NotifyFromList(UINT code, int item = -1, int subItem = 0) {
    NMITEMACTIVATE notify{};
    notify.hdr.hwndFrom = List();
    notify.hdr.idFrom = IDC_LIST;
    notify.hdr.code = code;
    notify.iItem = item;
    notify.iSubItem = subItem;
    return ::SendMessageW(Hwnd(), WM_NOTIFY, IDC_LIST, reinterpret_cast<LPARAM>(&notify));
  }

  // What custom draw answers for a row: the text colour and the result.
  struct DrawAnswer {
    COLORREF text;
    LRESULT result;
  };
  DrawAnswer DrawRow(int row) {
    NMLVCUSTOMDRAW draw{};
    draw.nmcd.hdr.hwndFrom = List();
    draw.nmcd.hdr.idFrom = IDC_LIST;
    draw.nmcd.hdr.code = NM_CUSTOMDRAW;
    draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT;
    draw.nmcd.dwItemSpec = static_cast<DWORD_PTR>(row);
    draw.clrText = RGB(1, 2, 3);
    const LRESULT result =
        ::SendMessageW(Hwnd(), WM_NOTIFY, IDC_LIST, reinterpret_cast<LPARAM>(&draw));
    return {draw.clrText, result};
  }

  const std::vector<ShownMessage>& Messages() const { return fakes_.messages.shown; }

  mirevo::testing::ScopedTimeZone zone_{mirevo::testing::kChinaZone};
  mirevo::testing::TempFolder folder_;
  std::wstring previousFolder_;
  win32::testing::FakeUiServices fakes_;
  FixedClock clock_{kNow};
  std::unique_ptr<MainWindow> window_;
};

}  // namespace mirevo::ui::testing
