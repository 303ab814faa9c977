// The keyword dialog ("设定关键词") without its window: the keyword being
// edited, the search it can run at once, and the check on "确定".
#pragma once

#include <optional>
#include <string>

#include "store/app_settings.h"

namespace mirevo {

inline constexpr char kSearchNowCaption[] = "现在就搜";
inline constexpr char kSearchNowFailed[] = "出错，请检查搜索词或搜索设置";
inline constexpr char kKeywordLabel[] = "关键词";

struct KeywordForm {
  // The edit box; nullopt when the window could not convert what was typed.
  std::optional<std::string> text = std::string();
  // The main window's search settings; absent, "现在就搜!" only complains.
  const AppSettings* searchSettings = nullptr;
  // After "确定": the work's new keyword.
  std::string result;

  struct SearchNowOutcome {
    std::optional<std::string> address;  // to open, with the dialog as owner
    std::string message;                 // else this, caption kSearchNowCaption
  };
  // "现在就搜!": trims the edit text (the box shows it trimmed afterwards) and
  // builds the address from the current settings.
  SearchNowOutcome SearchNow();

  // "确定": nullopt and result set to the untrimmed text, or the message
  // that refuses it (caption kAppTitle; the dialog stays open).
  std::optional<std::string> Confirm();
};

}  // namespace mirevo
