#include "app/search_page_form.h"

#include <string_view>
#include <utility>

#include "app/text_checks.h"
#include "search/search_sources.h"
#include "store/app_settings.h"

namespace mirevo {
namespace {

constexpr int kEncodingCount = 4;

bool IsSearchSource(int source) {
  return source >= 0 && source <= kCustomSearchSource;
}

// A text the settings file could not give back, or one that is no GBK text
// at all, is refused before anything is applied.
std::optional<std::string> CheckSearchText(const std::optional<std::string>& text,
                                           std::string_view label) {
  if (!text) return NotGbkMessage(label);
  if (!CanSettingsFileCarry(*text))
    return std::string(label) +
           "不能含有\";\"或空字符,否则设置文件无法正确读取,下次启动时会丢失设置。请修改。";
  return std::nullopt;
}

// Writes a box only when its text differs; each write is a change of the
// box, which the page reports like one the user typed.
bool Show(std::optional<std::string>& box, const std::optional<std::string>& value) {
  if (box == value) return false;
  box = value;
  return true;
}

}  // namespace

SearchPageForm::SearchPageForm()
    : prefix(std::string(BuiltInSearchSources()[0].prefix)),
      postfix(std::string(BuiltInSearchSources()[0].postfix)) {}

SearchPageForm::Opened SearchPageForm::Open() {
  Opened opened;
  opened.changed = ShowValues();
  customEditable = true;
  if (source == 0 || source == 1) {
    opened.changed |= ApplyBuiltIn(source);
  } else if (source != kCustomSearchSource) {
    // Only a hand-edited settings file gets here; the user picks a source.
    opened.message = kBadSearchSource;
  }
  return opened;
}

bool SearchPageForm::ClickSource(int clicked) {
  if (!IsSearchSource(clicked)) return false;
  if (clicked != kCustomSearchSource) return ApplyBuiltIn(clicked);
  bool changed = source != clicked;
  // What the boxes and the encoding buttons show now is where the custom
  // address starts from.
  ReadControls();
  source = kCustomSearchSource;
  changed |= ShowValues();
  customEditable = true;
  return changed;
}

bool SearchPageForm::ClickEncoding(int clicked) {
  if (clicked < 0 || clicked >= kEncodingCount || clicked == encoding) return false;
  encoding = clicked;
  return true;
}

bool SearchPageForm::ChangeText(SearchBox box, std::optional<std::string> text) {
  (box == SearchBox::kPrefix ? prefixBox : postfixBox) = std::move(text);
  return true;
}

int SearchPageForm::SelectedSourceButton() const {
  return IsSearchSource(source) ? source : -1;
}

int SearchPageForm::SelectedEncodingButton() const {
  return encoding >= 0 && encoding < kEncodingCount ? encoding : -1;
}

std::optional<SearchPageForm::Refusal> SearchPageForm::Check() const {
  if (auto message = CheckSearchText(prefixBox, kSearchPrefixLabel))
    return Refusal{SearchBox::kPrefix, *message};
  if (auto message = CheckSearchText(postfixBox, kSearchPostfixLabel))
    return Refusal{SearchBox::kPostfix, *message};
  return std::nullopt;
}

void SearchPageForm::ReadControls() {
  prefix = prefixBox;
  postfix = postfixBox;
}

// A built-in service always brings its own prefix, postfix and encoding, so
// a custom address is lost when the user switches to one and back.
bool SearchPageForm::ApplyBuiltIn(int service) {
  const SearchSource& builtIn = BuiltInSearchSources()[service];
  bool changed = source != service;
  source = service;
  encoding = builtIn.encoding;
  prefix = std::string(builtIn.prefix);
  postfix = std::string(builtIn.postfix);
  changed |= ShowValues();
  customEditable = false;
  return changed;
}

bool SearchPageForm::ShowValues() {
  bool prefixChanged = Show(prefixBox, prefix);
  bool postfixChanged = Show(postfixBox, postfix);
  return prefixChanged || postfixChanged;
}

}  // namespace mirevo
