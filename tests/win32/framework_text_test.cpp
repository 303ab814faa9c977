// Control texts as GBK at the window edge, and the field checks of forms.
#include <gtest/gtest.h>

#include <string>

#include "dialog_host.h"
#include "fake_ui_services.h"
#include "resource.h"
#include "ui/win32/control_text.h"
#include "ui/win32/field_check.h"
#include "ui/win32/wide_text.h"

namespace mirevo::win32 {
namespace {

using testing::HostDialog;
using testing::RecordingMessageBox;

class RecordForm : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dialog_.CreateModeless(nullptr)); }
  HWND Form() const { return dialog_.Hwnd(); }
  void Type(int id, const wchar_t* text) { ::SetDlgItemTextW(Form(), id, text); }

  HostDialog dialog_{IDD_RECORD};
};

// Literals below are GBK bytes (the sources are compiled to code page 936),
// the wide literals are UTF-16: the two sides of the window edge.
struct RoundTrip {
  const char* gbk;
  const wchar_t* shown;
  int control = IDC_NAME;
};

TEST_F(RecordForm, GbkTextsAreShownAsTheirCharactersAndReadBackByteForByte) {
  const RoundTrip cases[] = {
      {"", L""},
      {"abc 123", L"abc 123"},
      {"动画", L"\u52a8\u753b"},
      {"周日(日)", L"\u5468\u65e5(\u65e5)"},
      {"☆☆☆", L"\u2606\u2606\u2606"},
      {"·", L"\u00b7"},
      {"é", L"\u00e9"},
      {"第5集 于 2006-03-01 21:30 更新", L"\u7b2c5\u96c6 \u4e8e 2006-03-01 21:30 \u66f4\u65b0"},
      {"行\r\n||第2集", L"\u884c\r\n||\u7b2c2\u96c6", IDC_NOTES},  // notes keep line breaks
  };
  for (const RoundTrip& c : cases) {
    SCOPED_TRACE(c.gbk);
    EXPECT_TRUE(WriteItemText(Form(), c.control, c.gbk));
    EXPECT_EQ(ReadWideText(dialog_.Item(c.control)), c.shown);
    EXPECT_EQ(ReadItemText(Form(), c.control), std::optional<std::string>(c.gbk));
  }
}

TEST_F(RecordForm, TextOutsideGbkIsRefusedNotTurnedIntoQuestionMarks) {
  const wchar_t* outside[] = {
      L"\ud55c",               // Hangul syllable
      L"\U0001F600",           // emoji (a surrogate pair)
      L"\u52a8\u753b \u0e01",  // Thai after two GBK characters
  };
  for (const wchar_t* text : outside) {
    Type(IDC_NAME, text);
    EXPECT_EQ(ReadItemText(Form(), IDC_NAME), std::nullopt);
    EXPECT_EQ(ReadTextField(Form(), IDC_NAME).status, FieldStatus::kNotGbk);
  }
}

TEST_F(RecordForm, BrokenGbkBytesAreStillShownButReported) {
  // A lone lead byte, as a hand-edited data file might hold.
  EXPECT_FALSE(WriteItemText(Form(), IDC_NAME, "ab\x81"));
  const std::wstring shown = ReadWideText(dialog_.Item(IDC_NAME));
  EXPECT_EQ(shown.substr(0, 2), L"ab");
  EXPECT_GT(shown.size(), 2u) << "the broken byte is visible, not dropped";
}

TEST(WideText, ConversionsNameCodePage936) {
  EXPECT_EQ(WideFromGbk("\xD6\xD0"), L"\u4e2d");
  EXPECT_EQ(GbkFromWide(L"\u4e2d"), std::optional<std::string>("\xD6\xD0"));
  EXPECT_EQ(StrictWideFromGbk("\xD6"), std::nullopt);
  EXPECT_EQ(GbkFromWide(L"\ud55c"), std::nullopt);
}

TEST(IntegerParsing, AcceptsDecimalIntegersOnly) {
  const std::pair<const char*, int> accepted[] = {{"0", 0},
                                                  {"999", 999},
                                                  {"  42 ", 42},
                                                  {"-7", -7},
                                                  {"+3", 3},
                                                  {"007", 7},
                                                  {"2147483647", 2147483647},
                                                  {"-2147483648", -2147483647 - 1}};
  for (const auto& [text, value] : accepted) EXPECT_EQ(ParseIntegerField(text), value) << text;
  for (const char* text : {"2147483648", "99999999999999999999", "", "   ", "-", "12a", "1 2",
                           "0x10", "１２" /* full-width digits */}) {
    EXPECT_EQ(ParseIntegerField(text), std::nullopt) << "text: \"" << text << "\"";
  }
}

TEST_F(RecordForm, EpisodeFieldChecksIntegerAndRange) {
  const std::pair<const wchar_t*, FieldStatus> cases[] = {{L"0", FieldStatus::kOk},
                                                          {L"999", FieldStatus::kOk},
                                                          {L"1000", FieldStatus::kOutOfRange},
                                                          {L"-1", FieldStatus::kOutOfRange},
                                                          {L"", FieldStatus::kNotInteger},
                                                          {L"3\u96c6", FieldStatus::kNotInteger},
                                                          {L"\ud55c", FieldStatus::kNotInteger}};
  for (const auto& [typed, status] : cases) {
    Type(IDC_EPISODE, typed);
    FieldValue<int> field = ReadIntField(Form(), IDC_EPISODE, 0, 999);
    EXPECT_EQ(field.status, status);
    if (status != FieldStatus::kNotInteger) {
      EXPECT_EQ(field.value, std::stoi(typed)) << "the value is kept out of range too";
    }
  }
}

TEST_F(RecordForm, FieldReaderStopsAtTheFirstFailureAndReportsIt) {
  WriteItemText(Form(), IDC_NAME, "名称");
  Type(IDC_EPISODE, L"1000");
  WriteItemText(Form(), IDC_NOTES, "备注");
  std::string name = "old name";
  int episode = 5;
  std::string notes = "old notes";

  FieldReader reader(Form());
  reader.Text(IDC_NAME, name).Int(IDC_EPISODE, episode, 0, 999).Text(IDC_NOTES, notes);

  EXPECT_FALSE(reader.Ok());
  EXPECT_EQ(reader.Status(), FieldStatus::kOutOfRange);
  EXPECT_EQ(reader.FailedControl(), IDC_EPISODE);
  EXPECT_EQ(name, "名称") << "fields before the failure are read";
  EXPECT_EQ(episode, 5) << "the failed field keeps its value";
  EXPECT_EQ(notes, "old notes") << "fields after the failure are not read";

  ::ShowWindow(Form(), SW_SHOW);  // only a shown window takes the focus
  RecordingMessageBox messages;
  EXPECT_FALSE(reader.ReportFailure(messages));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "请输入一个介于 0 和 999 之间的整数。");
  EXPECT_EQ(messages.shown[0].owner, Form());
  EXPECT_EQ(messages.shown[0].buttons, MessageButtons::kOk);
  EXPECT_EQ(::GetFocus(), dialog_.Item(IDC_EPISODE));
}

// The limit of a text counts GBK bytes (16 here), not characters.
TEST_F(RecordForm, FieldReaderNamesTheFirstFailureOrReportsNothing) {
  struct Case {
    const wchar_t* name;
    const wchar_t* episode;
    int failedControl;  // 0: both fields pass
    std::string message;
  };
  const Case cases[] = {
      {L"\U0001F600", L"1", IDC_NAME, NotGbkMessage()},
      {L"x", L"", IDC_EPISODE, "请输入一个整数。"},
      {L"2006-03-01 21:30:", L"1", IDC_NAME, "请输入不超过 16 个字符。"},
      {L"九个汉字九个汉字九", L"1", IDC_NAME, "请输入不超过 16 个字符。"},
      {L"2006-03-01 21:30", L"3", 0, ""},
      {L"八个汉字八个汉字", L"0", 0, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.failedControl);
    Type(IDC_NAME, c.name);
    Type(IDC_EPISODE, c.episode);
    std::string name;
    int episode = -1;
    FieldReader reader(Form());
    reader.Text(IDC_NAME, name, 16).Int(IDC_EPISODE, episode, 0, 999);
    EXPECT_EQ(reader.Message(), c.message);
    RecordingMessageBox messages;
    EXPECT_EQ(reader.ReportFailure(messages), c.failedControl == 0);
    if (c.failedControl != 0) {
      EXPECT_EQ(reader.FailedControl(), c.failedControl);
      continue;
    }
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(name, GbkFromWide(c.name));
    EXPECT_EQ(episode, std::stoi(c.episode));
  }
}

}  // namespace
}  // namespace mirevo::win32
