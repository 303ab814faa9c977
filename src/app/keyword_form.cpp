#include "app/keyword_form.h"

#include "app/text_checks.h"
#include "search/search_address.h"
#include "text/gbk.h"

namespace mirevo {

KeywordForm::SearchNowOutcome KeywordForm::SearchNow() {
  SearchNowOutcome outcome;
  if (!text) {
    outcome.message = *CheckTypedText(text, kKeywordLabel);
    return outcome;
  }
  text = std::string(TrimWhiteSpace(*text));
  if (text->empty() || !searchSettings) {
    outcome.message = kSearchNowFailed;
    return outcome;
  }
  outcome.address = BuildSearchAddress(searchSettings->searchPrefix, searchSettings->searchPostfix,
                                       searchSettings->searchEncoding, *text);
  return outcome;
}

std::optional<std::string> KeywordForm::Confirm() {
  if (auto refusal = CheckTypedText(text, kKeywordLabel)) return refusal;
  result = *text;
  return std::nullopt;
}

}  // namespace mirevo
