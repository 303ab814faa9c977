// The user's readme.txt, shipped beside Mirevo.exe: GBK with CRLF line ends,
// as Notepad of that era reads it, and it explains what the program shows.
#include <gtest/gtest.h>

#include "support/temp_folder.h"
#include "text/gbk.h"

namespace mirevo {
namespace {

TEST(ReadmeTest, IsGbkWithCrLfAndExplainsTheTabsRulesAndEncodings) {
  const std::string text = testing::ReadBytes(MIREVO_SOURCE_DIR "/docs/readme.txt");
  ASSERT_GT(text.size(), 1000u);
  EXPECT_TRUE(IsValidGbk(text));
  for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1))
    ASSERT_TRUE(at > 0 && text[at - 1] == '\r') << "a line end without CR at byte " << at;
  // The six tabs, the three reminder rules, the four keyword encodings, the
  // two files and their backups.
  for (const char* term :
       {"动画", "漫画", "OVA", "日剧", "完结", "期待", "过7天提醒", "星期提醒", "最早更新提醒",
        "不编码", "GB2312编码", "UNICODE编码", "UTF8编码", "data.mvd", "mv.ini", ".bak"}) {
    EXPECT_NE(text.find(term), std::string::npos) << term;
  }
}

}  // namespace
}  // namespace mirevo
