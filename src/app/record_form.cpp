#include "app/record_form.h"

#include <cstdio>

#include "app/text_checks.h"
#include "reminders/time_text.h"
#include "text/gbk.h"

namespace mirevo {
namespace {

std::optional<int> ReadEpisode(std::string_view text) {
  std::optional<int> value = ReadDecimal(text);
  if (value && *value > kMaxEpisode) return std::nullopt;
  return value;
}

int FieldOrZero(std::string_view text, std::size_t pos, int max) {
  if (pos >= text.size()) return 0;
  int value = ReadAtoi(text.substr(pos, 2));
  return value >= 0 && value <= max ? value : 0;
}

std::optional<std::string> CheckTimeLength(const std::string& text, std::string_view label) {
  if (text.size() <= kTimeTextLength) return std::nullopt;
  return std::string(label) + "最多只能有16个字符,请用旁边的按钮重新设定。";
}

}  // namespace

void RecordForm::Open(const Clock& clock) {
  clock_ = &clock;
  if (addMode) updateTime = CurrentTimeText(clock);
  keywordSet = !keyword.empty();
  episodeText = std::to_string(episode);
}

void RecordForm::SetAirTime(std::string_view airTime) {
  airHour = FieldOrZero(airTime, 0, 23);
  airMinute = FieldOrZero(airTime, 3, 59);
}

// The time dialog edits one of the two times, always against the update time.
TimeForm RecordForm::TimeFormFor(const std::string& edited) const {
  TimeForm form;
  form.editedText = edited;
  form.updateTimeText = updateTime;
  if (clock_) form.Open(*clock_);
  return form;
}

TimeForm RecordForm::UpdateTimeForm() const {
  return TimeFormFor(updateTime);
}

void RecordForm::TakeUpdateTime(const TimeForm& confirmed) {
  updateTime = confirmed.editedText;
}

TimeForm RecordForm::NextTimeForm() const {
  return TimeFormFor(nextTime);
}

void RecordForm::TakeNextTime(const TimeForm& confirmed) {
  nextTime = confirmed.editedText;
}

KeywordForm RecordForm::MakeKeywordForm() const {
  KeywordForm form;
  form.text = !keyword.empty() ? keyword : name.value_or(std::string());
  form.searchSettings = searchSettings;
  return form;
}

void RecordForm::FinishKeyword(const KeywordForm& form, bool confirmed) {
  if (confirmed) keyword = form.result;
  keywordSet = !keyword.empty();
}

std::optional<RecordForm::Refusal> RecordForm::Confirm() {
  if (auto message = CheckTypedText(name, "名称")) return Refusal{RecordField::kName, *message};
  std::optional<int> typedEpisode = ReadEpisode(episodeText);
  if (!typedEpisode) return Refusal{RecordField::kEpisode, kEpisodeOutOfRange};
  if (auto message = CheckTypedText(notes, "备注")) return Refusal{RecordField::kNotes, *message};
  if (auto message = CheckTimeLength(updateTime, "更新时间"))
    return Refusal{RecordField::kUpdateTime, *message};
  if (auto message = CheckTimeLength(nextTime, "次回时间"))
    return Refusal{RecordField::kNextTime, *message};
  if (auto message = CheckTypedText(previewPath, "预览图路径"))
    return Refusal{RecordField::kPreviewPath, *message};
  if (auto message = CheckTypedText(keyword, kKeywordLabel))
    return Refusal{RecordField::kKeyword, *message};

  episode = *typedEpisode;
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d", airHour, airMinute);
  airTimeText = text;
  return std::nullopt;
}

}  // namespace mirevo
