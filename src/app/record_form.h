// The record dialog without its window: the values of one work as the add
// and edit commands hand them in and take them back, with the checks made
// on "确定" and the logic of the buttons inside the dialog.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/keyword_form.h"
#include "app/time_form.h"
#include "store/app_settings.h"
#include "store/clock.h"

namespace mirevo {

inline constexpr int kMaxEpisode = 999;
inline constexpr char kEpisodeOutOfRange[] = "集数必须是0到999之间的整数。";

// The fields a refusal on "确定" points the window at.
enum class RecordField { kName, kEpisode, kNotes, kUpdateTime, kNextTime, kPreviewPath, kKeyword };

struct RecordForm {
  std::string title;  // "添加" or "编辑"; empty keeps the dialog's own
  bool addMode = true;
  int weekday = -1;  // combo box index, -1 none
  // Typed texts: nullopt when the window could not convert the typed
  // characters to GBK.
  std::optional<std::string> name = std::string();
  std::optional<std::string> notes = std::string();
  std::optional<std::string> previewPath = std::string();
  int episode = 0;
  std::string episodeText;  // the box as typed; read into episode on "确定"
  std::string updateTime;
  std::string nextTime;
  int airHour = 0;  // the time picker; only hour and minute matter
  int airMinute = 0;
  std::string airTimeText;  // HH:MM, made on "确定"
  int rating = -1;          // combo box index, -1 none
  std::string keyword;
  bool keywordSet = false;  // the check box "设定关键词"
  const AppSettings* searchSettings = nullptr;

  // Before each run: in add mode the update time becomes the current
  // minute; the episode box and the check box show the values.
  void Open(const Clock& clock);

  // The picker's hour and minute from a stored HH:MM text.
  void SetAirTime(std::string_view airTime);

  // "date1" and "date2": the time form to run, opened, and taking its
  // result back after OK.
  TimeForm UpdateTimeForm() const;
  void TakeUpdateTime(const TimeForm& confirmed);
  TimeForm NextTimeForm() const;
  void TakeNextTime(const TimeForm& confirmed);

  // "设定关键词": the keyword, else the name typed so far, is proposed; after
  // the dialog the check box shows whether a keyword exists, whatever the
  // click did to it.
  KeywordForm MakeKeywordForm() const;
  void FinishKeyword(const KeywordForm& form, bool confirmed);

  // "清除": no preview picture.
  void ClearPreview() { previewPath = std::string(); }

  struct Refusal {
    RecordField field;
    std::string message;  // caption kAppTitle; the dialog stays open
  };
  // "确定": checks every field and makes the air-time text; nullopt when
  // the dialog may close with OK.
  std::optional<Refusal> Confirm();

 private:
  TimeForm TimeFormFor(const std::string& edited) const;

  const Clock* clock_ = nullptr;
};

}  // namespace mirevo
