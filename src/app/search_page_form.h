// The settings dialog's search page ("搜索") without its window: the four
// search values, what the two edit boxes hold, and the rules that lock the
// boxes and the encoding buttons while a built-in service is chosen.
#pragma once

#include <optional>
#include <string>

namespace mirevo {

inline constexpr char kBadSearchSource[] = "搜索类型不对！";  // caption kSearchCaption
inline constexpr char kSearchPrefixLabel[] = "搜索前缀";
inline constexpr char kSearchPostfixLabel[] = "搜索后缀";

enum class SearchBox { kPrefix, kPostfix };

// Every operation that returns bool returns whether the page reported a
// change, which enables the settings dialog's "应用".
struct SearchPageForm {
  // The four values, as the settings dialog hands them in before opening and
  // takes them back on "应用" and "确定". A new page holds the first
  // built-in service.
  int source = 0;    // 0 and 1 the built-in services, 2 custom
  int encoding = 0;  // KeywordEncoding
  std::optional<std::string> prefix;
  std::optional<std::string> postfix;

  // What the prefix and postfix boxes hold; nullopt when the window could
  // not convert what was typed to GBK. A new window's boxes are empty. The
  // window writes a box only when its text differs from this.
  std::optional<std::string> prefixBox = std::string();
  std::optional<std::string> postfixBox = std::string();
  // The two boxes and the four encoding buttons.
  bool customEditable = true;

  SearchPageForm();

  struct Opened {
    bool changed = false;
    std::optional<std::string> message;  // caption kSearchCaption
  };
  // The page's window is made: the boxes show the values, and a built-in
  // service is applied again, whatever the settings held for it.
  Opened Open();

  // The source buttons 0, 1 and 2 (custom), and the encoding button of that
  // index (0 "不编码" … 3 "UTF8编码"): the button has already selected itself.
  [[nodiscard]] bool ClickSource(int clicked);
  [[nodiscard]] bool ClickEncoding(int clicked);
  // Any change of a box's text, also one the window made itself.
  [[nodiscard]] bool ChangeText(SearchBox box, std::optional<std::string> text);

  // The buttons that show as selected, or -1 for none.
  int SelectedSourceButton() const;
  int SelectedEncodingButton() const;

  struct Refusal {
    SearchBox box;        // to focus, on the search page
    std::string message;  // caption kAppTitle; nothing is applied
  };
  // Whether the texts the boxes hold could be taken back into the settings.
  std::optional<Refusal> Check() const;
  // "应用" and "确定": the boxes into the values.
  void ReadControls();

 private:
  bool ApplyBuiltIn(int service);
  bool ShowValues();
};

}  // namespace mirevo
